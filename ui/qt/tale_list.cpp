// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tale_list.h"

#include <QAccessible>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include "focus_mark.h"

namespace quillomar {

namespace {

// Draws a title's focus mark in the title's own colour.
class TitleDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem plain = option;
        plain.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, plain, index);
        if (option.state.testFlags(QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange))
            drawFocusMark(*painter, option.rect,
                          option.palette.color(option.state & QStyle::State_Selected
                                                       ? QPalette::HighlightedText
                                                       : QPalette::Text));
    }
};

} // namespace

TaleList::TaleList(QWidget *parent) : QListWidget(parent)
{
    setItemDelegate(new TitleDelegate(this));
}

QItemSelectionModel::SelectionFlags TaleList::selectionCommand(const QModelIndex &index,
                                                               const QEvent *event) const
{
    // Ctrl+click or Ctrl+Space would deselect in single-selection mode.
    const auto flags = QListWidget::selectionCommand(index, event);
    return flags.testFlag(QItemSelectionModel::Deselect) ? QItemSelectionModel::NoUpdate : flags;
}

void TaleList::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    const bool again = event->button() == Qt::LeftButton && index.isValid()
            && selectionModel()->isSelected(index);
    QListWidget::mousePressEvent(event);
    if (again)
        emit reselected(index.row());
}

int TaleList::pageRows() const
{
    const int row = sizeHintForRow(0);
    return row > 0 ? viewport()->height() / row : 1;
}

void TaleList::keyPressEvent(QKeyEvent *event)
{
    static const QHash<int, ListKey> keys {
        { Qt::Key_Up, ListKey::Up },         { Qt::Key_Down, ListKey::Down },
        { Qt::Key_PageUp, ListKey::PageUp }, { Qt::Key_PageDown, ListKey::PageDown },
        { Qt::Key_Home, ListKey::Home },     { Qt::Key_End, ListKey::End },
        { Qt::Key_Space, ListKey::Space },   { Qt::Key_Select, ListKey::Space }
    };
    const auto key = keys.constFind(event->key());
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (key != keys.cend() && modifiers == Qt::NoModifier) {
        emit keyPressed(*key);
        return;
    }
    const QString text = event->text();
    if (text.size() == 1 && text.at(0).isPrint() && !text.at(0).isSpace()
        && !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        emit typed(text.at(0).unicode());
        return;
    }
    QListWidget::keyPressEvent(event);
}

void TaleList::focusInEvent(QFocusEvent *event)
{
    const bool hadCurrent = currentIndex().isValid();
    QListWidget::focusInEvent(event);
    // Qt puts the cursor on the first title without selecting it, and the
    // first Down would then choose the second. Before any choice, keep none.
    if (!hadCurrent)
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    // Qt reports the current title's focus before the list's own, and screen
    // readers take the last report for where the focus is: report it again.
    else if (QAccessible::isActive())
        QMetaObject::invokeMethod(this, &TaleList::announceCurrentItem, Qt::QueuedConnection);
}

void TaleList::paintEvent(QPaintEvent *event)
{
    QListWidget::paintEvent(event);
    // Without a cursor, the focus shows on the first title, which the first key chooses.
    if (hasFocus() && !currentIndex().isValid() && count() > 0
        && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        QPainter painter(viewport());
        drawFocusMark(painter, visualItemRect(item(0)), palette().color(QPalette::Text));
    }
}

void TaleList::announceCurrentItem()
{
    if (!hasFocus() || !currentIndex().isValid())
        return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(currentIndex().row());
    QAccessible::updateAccessibility(&event);
}

} // namespace quillomar
