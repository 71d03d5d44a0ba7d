#pragma once

#include <QListWidget>

namespace quillomar {

// The tale list. The user can select a tale but never clear the selection,
// and picking the selected tale again is reported, like any other choice.
class TaleList : public QListWidget
{
    Q_OBJECT

public:
    using QListWidget::QListWidget;

signals:
    // The user clicked the tale that was already selected.
    void reselected(int row);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;
    void mousePressEvent(QMouseEvent *event) override;
};

} // namespace quillomar
