#include "tale_list.h"

#include <QMouseEvent>

namespace quillomar {

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

} // namespace quillomar
