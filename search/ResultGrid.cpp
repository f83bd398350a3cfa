#include "search/ResultGrid.h"

#include <algorithm>
#include <stdexcept>

ResultGrid::ResultGrid() {
    rows_.assign(1, std::vector<GridCell>(1));
}

void ResultGrid::SetRowCount(int rows) {
    if (rows < 1)
        rows = 1;
    if (rows == RowCount())
        return;
    rows_.resize(static_cast<std::size_t>(rows),
                 std::vector<GridCell>(static_cast<std::size_t>(cols_)));
    if (fixedRows_ >= rows) {
        fixedRows_ = 0;
        Notify(GridChange::FixedRows);
    }
    Notify(GridChange::Rows);
}

void ResultGrid::SetColCount(int cols) {
    if (cols < 1)
        cols = 1;
    if (cols == cols_)
        return;
    cols_ = cols;
    for (auto& row : rows_)
        row.resize(static_cast<std::size_t>(cols));
    Notify(GridChange::Columns);
}

void ResultGrid::SetFixedRows(int fixed) {
    if (fixed < 0 || fixed >= RowCount())
        throw std::out_of_range("Fixed row count must be less than row count");
    if (fixed == fixedRows_)
        return;
    fixedRows_ = fixed;
    Notify(GridChange::FixedRows);
}

void ResultGrid::SetText(int col, int row, std::string text) {
    rows_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(col)).Text =
        std::move(text);
    Notify(GridChange::Cell, col, row);
}

void ResultGrid::SetObject(int col, int row, TFile* object) {
    rows_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(col)).Object = object;
    Notify(GridChange::Cell, col, row);
}

void ResultGrid::SetCell(int col, int row, GridCell cell) {
    rows_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(col)) = std::move(cell);
    Notify(GridChange::Cell, col, row);
}

void ResultGrid::DeleteRow(int row) {
    if (row < 0 || row >= RowCount() || RowCount() == 1)
        return;
    // Taking a group row out keeps the columns as they are; losing the fixed row changes the
    // whole picture.
    const bool fixedGoes = row < fixedRows_ || fixedRows_ >= RowCount() - 1;
    if (!fixedGoes)
        Notify(GridChange::RowRemoving, -1, row);
    rows_.erase(rows_.begin() + row);
    if (!fixedGoes) {
        Notify(GridChange::RowRemoved, -1, row);
        return;
    }
    fixedRows_ = std::min(fixedRows_, RowCount() - 1);
    Notify(GridChange::Reset);
}

void ResultGrid::DeleteCell(int col, int row) {
    auto& cells = rows_.at(static_cast<std::size_t>(row));
    if (col < 0 || col >= cols_)
        return;
    for (int c = col; c + 1 < cols_; ++c) {
        cells[static_cast<std::size_t>(c)] = std::move(cells[static_cast<std::size_t>(c + 1)]);
        Notify(GridChange::Cell, c, row);
    }
    cells[static_cast<std::size_t>(cols_ - 1)] = GridCell{};
    Notify(GridChange::Cell, cols_ - 1, row);
}

void ResultGrid::Clear() {
    rows_.assign(1, std::vector<GridCell>(1));
    cols_ = 1;
    fixedRows_ = 0;
    Notify(GridChange::Reset);
}

int ResultGrid::MembersInRow(int row) const {
    int n = 0;
    for (const auto& cell : rows_.at(static_cast<std::size_t>(row)))
        if (cell.Object)
            ++n;
    return n;
}
