// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include <QWidget>

#include "model/form.h"
#include "ui/layout.h"

class QLabel;
class QPlainTextEdit;
class QRadioButton;

namespace quillomar {

class TaleList;

// Exit status after a failed control operation.
constexpr int RunTimeErrorExitCode = 2;

// The program's one window. It owns the form object and shows its state: the
// output box, the author buttons and the tale list. A user's click or key
// becomes UserSelectsAuthor / UserSelectsTale; afterwards the widgets are
// brought in line with the form, and those updates are not taken for choices.
// The hidden elements live only in the form object.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(const Catalogue &catalogue = builtInCatalogue(), QWidget *parent = nullptr);

    const Form &form() const { return m_form; }

private:
    void createOutputBox();
    QLabel *addLabel(const Label &element, const layout::Twips &rect);
    void createAuthorGroup();
    void createTaleList(const QString &heading);
    void onTaleSelectionChanged();
    // Arrow key on author button `from`: chooses the next (+1) or previous (-1).
    void stepAuthor(int from, int step);
    // Runs one user action, then shows the form; a run-time error ends the program.
    template<typename Action>
    void act(Action action);
    void showForm();
    void fail(const ControlError &error);

    Form m_form;
    QPlainTextEdit *m_output;
    TaleList *m_taleList;
    std::vector<QRadioButton *> m_authors; // by author index
    int m_namedTale = -1; // the tale whose accessible name carries its author
    bool m_showing = false;
};

} // namespace quillomar
