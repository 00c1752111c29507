#pragma once
// The list view's rows: each row one string holding its cells, every cell preceded by its length
// (a base-128 varint), so a table of 100,000 weapon lines stays a few bytes per cell over the
// file's own size and no QString exists until a cell is painted. Cells are exact bytes; reads
// outside the table give the empty text and writes outside it change nothing.

#include <QAbstractTableModel>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/runtime/Forms.h"

namespace runtime::internal {

class ListModel final : public QAbstractTableModel {
 public:
  ListModel(std::vector<Column> columns, QObject* parent);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  int Rows() const { return static_cast<int>(rows_.size()); }
  int Columns() const { return static_cast<int>(columns_.size()); }
  std::string_view Cell(int row, int column) const;
  void SetCell(int row, int column, std::string_view text);
  void InsertRow(int index, std::string_view firstCell);
  int AppendRow();
  void DeleteRow(int row);
  void DeleteAll();
  // `cells` holds Columns() texts per row, row after row; a short last row gets empty cells.
  void Replace(std::span<const std::string_view> cells);
  // Bytes held by the rows (their strings and the row table), for the load measurement.
  std::size_t MemoryBytes() const;

 private:
  std::string EmptyRow() const;
  bool Inside(int row, int column) const;

  std::vector<Column> columns_;
  std::vector<QString> titles_;
  std::vector<std::string> rows_;
};

}  // namespace runtime::internal
