// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QListWidget>

#include "ui/choice_runner.h"

namespace quillomar {

// The tale list. The user can select a tale but never clear the selection,
// and picking the selected tale again is reported, like any other choice.
// The moving keys and typed letters are only reported: which title they
// choose is the runner's rule, not Qt's search. Focus alone puts no cursor on
// a title, and a screen reader hears the chosen title as the focus moves to
// it.
class TaleList : public QListWidget
{
    Q_OBJECT

public:
    explicit TaleList(QWidget *parent = nullptr);

    // How many titles the list shows at a time.
    int pageRows() const;

signals:
    // The user clicked the tale that was already selected.
    void reselected(int row);
    void keyPressed(ListKey key);
    void typed(char16_t letter);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void announceCurrentItem();
};

} // namespace quillomar
