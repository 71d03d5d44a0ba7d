// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QListWidget>

namespace quillomar {

// The tale list. The user can select a tale but never clear the selection,
// and picking the selected tale again is reported, like any other choice.
// Focus alone puts no cursor on a title: the first key (Down, Space) chooses
// the first title, and a screen reader hears it chosen as the focus moves to it.
class TaleList : public QListWidget
{
    Q_OBJECT

public:
    explicit TaleList(QWidget *parent = nullptr);

signals:
    // The user clicked the tale that was already selected.
    void reselected(int row);

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
