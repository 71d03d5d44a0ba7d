// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include <QWidget>

#include "ui/choice_runner.h"
#include "ui/layout.h"

class QLabel;
class QPlainTextEdit;
class QRadioButton;

namespace quillomar {

class TaleList;

// The program's one window. It owns the form object, through the runner of
// the user's choices, and shows its state: the output box, the author buttons
// and the tale list. A user's click or key goes to the runner; afterwards the
// widgets are brought in line with its view, and those updates are not taken
// for choices.
// The hidden elements live only in the form object.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(const Catalogue &catalogue = builtInCatalogue(), QWidget *parent = nullptr);

    const Form &form() const { return m_runner.form(); }

private:
    void createOutputBox();
    QLabel *addLabel(const Label &element, const layout::Twips &rect);
    void createAuthorGroup();
    void createTaleList(const QString &heading);
    void onTaleSelectionChanged();
    // Shows what a choice changed; a run-time error ends the program.
    void follow(Outcome outcome);
    void showForm();
    void fail();

    ChoiceRunner m_runner;
    QPlainTextEdit *m_output = nullptr;
    TaleList *m_taleList = nullptr;
    std::vector<QRadioButton *> m_authors; // by author index
    int m_namedTale = -1; // the tale whose accessible name carries its author
    bool m_showing = false;
};

} // namespace quillomar
