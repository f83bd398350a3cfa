#include "search/ResultGrid.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <utility>

namespace {
constexpr std::size_t kExactCells = 16;
} // namespace

const GridCell ResultGrid::kEmpty{};

GridCell::GridCell(TFile* object, std::unique_ptr<std::string> text)
    : bits_(reinterpret_cast<std::uintptr_t>(object)) {
    if (text && !text->empty())
        SetText(std::move(*text));
}

void GridCell::SetObject(TFile* object) {
    if (Owns())
        Own()->object = object;
    else
        bits_ = reinterpret_cast<std::uintptr_t>(object);
}

void GridCell::SetText(std::string text) {
    if (text.empty()) {
        TFile* object = Object();
        Release();
        bits_ = reinterpret_cast<std::uintptr_t>(object);
    } else if (Owns()) {
        Own()->text = std::move(text);
    } else {
        bits_ = reinterpret_cast<std::uintptr_t>(new Owned{Object(), std::move(text)}) | kOwned;
    }
}

ResultGrid::ResultGrid() {
    rows_.resize(1);
}

void ResultGrid::SetRowCount(int rows) {
    if (rows < 1)
        rows = 1;
    if (rows == RowCount())
        return;
    rows_.resize(static_cast<std::size_t>(rows));
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
        if (row.size() > static_cast<std::size_t>(cols))
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

GridCell& ResultGrid::Place(int col, int row) {
    auto& cells = rows_.at(static_cast<std::size_t>(row));
    if (col < 0 || col >= cols_)
        throw std::out_of_range("Grid column out of range");
    const auto needed = static_cast<std::size_t>(col) + 1;
    if (needed > cells.size()) {
        // Most groups are a few copies: their rows take what they hold. A wide row grows as a
        // vector does, so that a group of many thousands is not copied at every new cell.
        if (needed > cells.capacity() && needed <= kExactCells)
            cells.reserve(needed);
        cells.resize(needed);
    }
    return cells[static_cast<std::size_t>(col)];
}

void ResultGrid::SetText(int col, int row, std::string text) {
    Place(col, row).SetText(std::move(text));
    Notify(GridChange::Cell, col, row);
}

void ResultGrid::SetObject(int col, int row, TFile* object) {
    Place(col, row).SetObject(object);
    Notify(GridChange::Cell, col, row);
}

void ResultGrid::SetCell(int col, int row, GridCell cell) {
    Place(col, row) = std::move(cell);
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
    // Every cell from col to the last column changes, stored or not.
    if (static_cast<std::size_t>(col) < cells.size())
        cells.erase(cells.begin() + col);
    for (int c = col; c < cols_; ++c)
        Notify(GridChange::Cell, c, row);
}

void ResultGrid::Clear() {
    rows_.clear();
    rows_.shrink_to_fit();
    rows_.resize(1);
    cols_ = 1;
    fixedRows_ = 0;
    Notify(GridChange::Reset);
}

int ResultGrid::MembersInRow(int row) const {
    int n = 0;
    for (const auto& cell : rows_.at(static_cast<std::size_t>(row)))
        if (cell.Object())
            ++n;
    return n;
}
