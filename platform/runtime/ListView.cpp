// The list view (the weapon table): a report view over ListModel with a single-line border,
// full-row single selection, grid lines, uniform row heights, headers that keep their order and
// take no clicks but can be resized, no sorting, no in-place editing, and the selection drawn
// only while the list has the focus. A left click anywhere in the list runs ListLeftClick after
// the button is released (a click on empty space clears the selection first); a right click
// selects the row under the cursor (or clears the selection) and runs ListRightClick. Keyboard
// moves of the selection run nothing.
#include <QApplication>
#include <QHeaderView>
#include <QPalette>
#include <QStyle>
#include <QMouseEvent>
#include <QTableView>
#include <functional>

#include "platform/runtime/internal/Colours.h"
#include "platform/runtime/internal/Controls.h"
#include "platform/runtime/internal/FormWindow.h"
#include "platform/runtime/internal/ListModel.h"

namespace runtime::internal {

namespace {

constexpr int kRowHeight = 18;

class TableView final : public QTableView {
 public:
  using QTableView::QTableView;

  std::function<void()> onLeftClick;
  std::function<void()> onRightClick;

  void SelectOnly(int row) {
    if (row < 0 || row >= model()->rowCount()) {
      selectionModel()->clear();
      return;
    }
    selectionModel()->setCurrentIndex(
        model()->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override { Press(event); }
  void mouseDoubleClickEvent(QMouseEvent* event) override { Press(event); }

  void mouseReleaseEvent(QMouseEvent* event) override {
    const Qt::MouseButton button = event->button();
    if (button == Qt::RightButton) {
      event->accept();
    } else {
      QTableView::mouseReleaseEvent(event);
    }
    if (button == Qt::LeftButton && leftPressed_) {
      leftPressed_ = false;
      if (onLeftClick) onLeftClick();
    } else if (button == Qt::RightButton && rightPressed_) {
      rightPressed_ = false;
      if (onRightClick) onRightClick();
    }
  }

 private:
  void Press(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::RightButton) {
      setFocus(Qt::MouseFocusReason);
      SelectOnly(index.isValid() ? index.row() : -1);
      rightPressed_ = true;
      event->accept();
      return;
    }
    if (event->button() == Qt::LeftButton) {
      leftPressed_ = true;
      if (!index.isValid()) selectionModel()->clear();
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
      QTableView::mouseDoubleClickEvent(event);
    } else {
      QTableView::mousePressEvent(event);
    }
  }

  bool leftPressed_ = false;
  bool rightPressed_ = false;
};

class ListViewControl final : public WidgetControl<ListView> {
 public:
  ListViewControl(const ControlContext& context, TableView* view)
      : WidgetControl(context, view),
        view_(view),
        model_(new ListModel(context.spec.columns, view)) {
    view->setModel(model_);
    view->setFrameShape(QFrame::StyledPanel);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSortingEnabled(false);
    view->setShowGrid(true);
    view->setWordWrap(false);
    view->setTabKeyNavigation(false);
    view->setDragEnabled(false);
    QHeaderView* rows = view->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(kRowHeight);
    QHeaderView* header = view->horizontalHeader();
    header->setSectionsClickable(false);
    header->setSectionsMovable(false);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    for (std::size_t i = 0; i < context.spec.columns.size(); ++i) {
      view->setColumnWidth(static_cast<int>(i), context.spec.columns[i].width);
    }
    SetColours(view, context.spec.textColor, context.spec.backColor.value_or(kBlack));
    // The column headers keep the standard look (dark text on the button face): the table's own
    // colours are for its cells, and yellow on silver would not be legible.
    QPalette standard = QApplication::style()->standardPalette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText,
                                           QPalette::Text, QPalette::Window, QPalette::Button,
                                           QPalette::Base}) {
      standard.setColor(role, standard.color(role));  // set, so the table's colours don't reach it
    }
    header->setPalette(standard);
    header->setAutoFillBackground(true);
    HideSelectionWhileUnfocused(view);
    FormWindow& window = context.window;
    const Text name = context.spec.name;
    view->onLeftClick = [&window, name] { window.Run(Event::ListLeftClick, name); };
    view->onRightClick = [&window, name] { window.Run(Event::ListRightClick, name); };
  }

  int RowCount() const override { return model_ ? model_->Rows() : 0; }
  int ColumnCount() const override { return model_ ? model_->Columns() : 0; }
  int SelectedRow() const override {
    if (!view_) return -1;
    const QModelIndexList rows = view_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
  }
  void SelectRow(int row) override {
    if (view_) view_->SelectOnly(row);
  }
  Text Cell(int row, int column) const override {
    return model_ ? Text(model_->Cell(row, column)) : Text();
  }
  void SetCell(int row, int column, const Text& text) override {
    if (model_) model_->SetCell(row, column, text);
  }
  void InsertRow(int index, const Text& firstCell) override {
    if (model_) model_->InsertRow(index, firstCell);
  }
  int AppendRow() override { return model_ ? model_->AppendRow() : -1; }
  void DeleteRow(int row) override {
    // The selection goes with its row; no other row becomes selected.
    if (view_ && row == SelectedRow()) view_->selectionModel()->clear();
    if (model_) model_->DeleteRow(row);
  }
  void DeleteAllRows() override {
    if (model_) model_->DeleteAll();
  }
  void ReplaceRows(std::span<const std::string_view> cells) override {
    if (model_) model_->Replace(cells);
  }

 private:
  QPointer<TableView> view_;
  QPointer<ListModel> model_;
};

}  // namespace

std::unique_ptr<ControlParts> MakeListView(const ControlContext& context) {
  auto* view = new TableView(context.parent);
  return std::make_unique<ListViewControl>(context, view);
}

}  // namespace runtime::internal
