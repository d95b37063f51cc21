#pragma once

#include <QString>
#include <vector>

namespace lumora {

// A fixed-size table of text cells, addressed as table(row, column). Every cell is text;
// numbers are read from it with the leading-number parse. Access outside the table throws
// std::out_of_range instead of touching memory that is not there.
class TextTable {
 public:
  TextTable(int rows, int columns) : rows_(rows), columns_(columns), cells_(rows * columns) {}

  int rowCount() const { return rows_; }
  int columnCount() const { return columns_; }

  QString& operator()(int row, int column) { return cells_.at(index(row, column)); }
  const QString& operator()(int row, int column) const { return cells_.at(index(row, column)); }

  bool operator==(const TextTable&) const = default;

 private:
  size_t index(int row, int column) const {
    if (row < 0 || row >= rows_ || column < 0 || column >= columns_) return cells_.size();
    return static_cast<size_t>(row) * columns_ + column;
  }

  int rows_;
  int columns_;
  std::vector<QString> cells_;
};

}  // namespace lumora
