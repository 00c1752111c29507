#include "platform/runtime/internal/ListModel.h"

#include <algorithm>

#include "platform/runtime/internal/Alignment.h"
#include "platform/runtime/internal/GbkText.h"

namespace runtime::internal {

namespace {

void PutLength(std::string& row, std::size_t length) {
  while (length >= 0x80) {
    row.push_back(static_cast<char>(0x80 | (length & 0x7F)));
    length >>= 7;
  }
  row.push_back(static_cast<char>(length));
}

// Reads a length at `at` and moves `at` past it.
std::size_t TakeLength(std::string_view row, std::size_t& at) {
  std::size_t length = 0;
  int shift = 0;
  while (at < row.size()) {
    const auto byte = static_cast<unsigned char>(row[at++]);
    length |= static_cast<std::size_t>(byte & 0x7F) << shift;
    if ((byte & 0x80) == 0) break;
    shift += 7;
  }
  return length;
}

std::size_t LengthSize(std::size_t length) {
  std::size_t size = 1;
  while (length >= 0x80) {
    length >>= 7;
    ++size;
  }
  return size;
}

// The cells of one row as views into `row`.
void SplitRow(std::string_view row, std::vector<std::string_view>& cells, std::size_t count) {
  cells.clear();
  std::size_t at = 0;
  for (std::size_t k = 0; k < count; ++k) {
    const std::size_t length = TakeLength(row, at);
    cells.push_back(row.substr(at, length));
    at += length;
  }
}

std::string JoinRow(std::span<const std::string_view> cells) {
  std::size_t size = 0;
  for (std::string_view cell : cells) size += LengthSize(cell.size()) + cell.size();
  std::string row;
  row.reserve(size);
  for (std::string_view cell : cells) {
    PutLength(row, cell.size());
    row.append(cell);
  }
  return row;
}

}  // namespace

ListModel::ListModel(std::vector<Column> columns, QObject* parent)
    : QAbstractTableModel(parent), columns_(std::move(columns)) {
  for (const Column& column : columns_) titles_.push_back(GbkToQString(column.title));
}

int ListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Rows();
}

int ListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Columns();
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || !Inside(index.row(), index.column())) return {};
  if (role == Qt::DisplayRole) return GbkToQString(Cell(index.row(), index.column()));
  if (role == Qt::TextAlignmentRole) {
    const Qt::Alignment align =
        HorizontalAlignment(columns_[static_cast<std::size_t>(index.column())].align) |
        Qt::AlignVCenter;
    return QVariant::fromValue(align);
  }
  return {};
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= Columns()) return {};
  const auto column = static_cast<std::size_t>(section);
  if (role == Qt::DisplayRole) return titles_[column];
  if (role == Qt::TextAlignmentRole) {
    return QVariant::fromValue(HorizontalAlignment(columns_[column].align) | Qt::AlignVCenter);
  }
  return {};
}

Qt::ItemFlags ListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

bool ListModel::Inside(int row, int column) const {
  return row >= 0 && row < Rows() && column >= 0 && column < Columns();
}

std::string ListModel::EmptyRow() const {
  return std::string(columns_.size(), '\0');  // every cell's length 0
}

std::string_view ListModel::Cell(int row, int column) const {
  if (!Inside(row, column)) return {};
  std::string_view text = rows_[static_cast<std::size_t>(row)];
  std::size_t at = 0;
  for (int k = 0; k < column; ++k) at += TakeLength(text, at);
  const std::size_t length = TakeLength(text, at);
  return text.substr(at, length);
}

void ListModel::SetCell(int row, int column, std::string_view text) {
  if (!Inside(row, column)) return;
  std::string& stored = rows_[static_cast<std::size_t>(row)];
  std::vector<std::string_view> cells;
  SplitRow(stored, cells, columns_.size());
  cells[static_cast<std::size_t>(column)] = text;
  stored = JoinRow(cells);  // built before the old row goes, so `text` may point into it
  const QModelIndex changed = index(row, column);
  emit dataChanged(changed, changed, {Qt::DisplayRole});
}

void ListModel::InsertRow(int at, std::string_view firstCell) {
  at = std::clamp(at, 0, Rows());
  std::vector<std::string_view> cells(columns_.size());
  if (!cells.empty()) cells[0] = firstCell;
  std::string row = JoinRow(cells);
  beginInsertRows(QModelIndex(), at, at);
  rows_.insert(rows_.begin() + at, std::move(row));
  endInsertRows();
}

int ListModel::AppendRow() {
  const int at = Rows();
  beginInsertRows(QModelIndex(), at, at);
  rows_.push_back(EmptyRow());
  endInsertRows();
  return at;
}

void ListModel::DeleteRow(int row) {
  if (row < 0 || row >= Rows()) return;
  beginRemoveRows(QModelIndex(), row, row);
  rows_.erase(rows_.begin() + row);
  endRemoveRows();
}

void ListModel::DeleteAll() {
  if (rows_.empty()) return;
  beginResetModel();
  rows_.clear();
  rows_.shrink_to_fit();
  endResetModel();
}

void ListModel::Replace(std::span<const std::string_view> cells) {
  const std::size_t width = columns_.size();
  beginResetModel();
  rows_.clear();
  if (width > 0) {
    const std::size_t count = (cells.size() + width - 1) / width;
    rows_.reserve(count);
    std::vector<std::string_view> row(width);
    for (std::size_t i = 0; i < count; ++i) {
      for (std::size_t k = 0; k < width; ++k) {
        const std::size_t at = i * width + k;
        row[k] = at < cells.size() ? cells[at] : std::string_view();
      }
      rows_.push_back(JoinRow(row));
    }
  }
  rows_.shrink_to_fit();
  endResetModel();
}

std::size_t ListModel::MemoryBytes() const {
  std::size_t bytes = rows_.capacity() * sizeof(std::string);
  for (const std::string& row : rows_) {
    if (row.capacity() > 15) bytes += row.capacity() + 1;  // beyond the string's own buffer
  }
  return bytes;
}

}  // namespace runtime::internal
