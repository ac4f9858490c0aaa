// Draws a table's cells as usual, but the selected one keeps its own background (the margin's
// colour) and is framed instead of painted over, so that its colour stays in sight.
#pragma once

#include <QStyledItemDelegate>

namespace brg::workbench_ui {

class ChosenCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

}  // namespace brg::workbench_ui
