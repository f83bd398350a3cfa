#pragma once

#include "search/TFile.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The result grid's cells as plain data: a text and an entry per cell, row 0 the header once
// it is fixed. Columns and rows as the string grid of the window counts them (col, row).
// A cell with an entry and no text of its own shows the entry's name, so that millions of
// cells keep no copy of the names. Such a cell is the entry's address alone, 8 bytes: the
// grid of five million files holds some 1.2 million of them. A text of its own (the headings,
// a dialog's rows) is kept apart with the entry, and the cell points there.
class GridCell {
public:
    GridCell() = default;
    // An empty text is no text: the cell shows the entry's name.
    GridCell(TFile* object, std::unique_ptr<std::string> text); // NOLINT: {entry, text}
    GridCell(GridCell&& other) noexcept : bits_(std::exchange(other.bits_, 0)) {}
    GridCell& operator=(GridCell&& other) noexcept {
        if (this != &other) {
            Release();
            bits_ = std::exchange(other.bits_, 0);
        }
        return *this;
    }
    ~GridCell() { Release(); }

    TFile* Object() const { return Owns() ? Own()->object : reinterpret_cast<TFile*>(bits_); }
    std::string_view Shown() const {
        if (Owns())
            return Own()->text;
        const TFile* object = Object();
        return object ? object->Name() : std::string_view();
    }
    void SetObject(TFile* object);
    void SetText(std::string text);

private:
    struct Owned {
        TFile* object;
        std::string text; // never empty
    };
    static constexpr std::uintptr_t kOwned = 1; // entries are aligned: their low bit is free
    static_assert(alignof(TFile) > 1 && alignof(Owned) > 1);

    bool Owns() const { return (bits_ & kOwned) != 0; }
    Owned* Own() const { return reinterpret_cast<Owned*>(bits_ & ~kOwned); }
    void Release() {
        if (Owns())
            delete Own();
        bits_ = 0;
    }

    std::uintptr_t bits_ = 0; // the entry, or the Owned with kOwned set
};
// A rectangle of cells, inclusive, as the grid's highlighted range: (left, top) to
// (right, bottom). The current cell counts as part of it.
struct GridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool Contains(int col, int row) const {
        return col >= Left && col <= Right && row >= Top && row <= Bottom;
    }
    bool operator==(const GridRect&) const = default;
};

enum class GridChange {
    Reset,       // everything may have changed
    Rows,        // the row count changed
    Columns,     // the column count changed
    FixedRows,   // the fixed row came or went
    Cell,        // one cell's text or object changed (col, row given)
    RowRemoving, // one row below the fixed row is about to go (row given)
    RowRemoved,  // it went: the rows below moved up by one (row given)
};

class ResultGrid {
public:
    using Listener = std::function<void(GridChange change, int col, int row)>;

    ResultGrid();

    int RowCount() const { return static_cast<int>(rows_.size()); }
    int ColCount() const { return cols_; }
    int FixedRows() const { return fixedRows_; }

    // Growing adds empty cells; shrinking drops them. A fixed row goes away with the rows.
    void SetRowCount(int rows);
    void SetColCount(int cols);
    // Needs rows > fixed; only 0 and 1 are used.
    void SetFixedRows(int fixed);

    // Each row stores cells only up to its last one set: one group of thousands of copies
    // widens every row, and rows of empty cells would cost more than the files themselves.
    const GridCell& Cell(int col, int row) const {
        const auto& cells = rows_[static_cast<std::size_t>(row)];
        return static_cast<std::size_t>(col) < cells.size() ? cells[static_cast<std::size_t>(col)]
                                                            : kEmpty;
    }
    std::string Text(int col, int row) const { return std::string(Cell(col, row).Shown()); }
    TFile* Object(int col, int row) const { return Cell(col, row).Object(); }
    void SetText(int col, int row, std::string text);
    void SetObject(int col, int row, TFile* object);
    void SetCell(int col, int row, GridCell cell);

    // Takes a whole row out; the rows below move up by one.
    void DeleteRow(int row);
    // Takes one cell out of its row: the cells to its right move one column left and the
    // last column's cell is blanked.
    void DeleteCell(int col, int row);

    // Every cell emptied, then one row, one column, no fixed row.
    void Clear();

    // Number of cells in row r (r >= 1) that hold an entry, counted from column 0.
    int MembersInRow(int row) const;

    void SetListener(Listener listener) { listener_ = std::move(listener); }

private:
    // The cell to write, made when the row is shorter; col and row checked.
    GridCell& Place(int col, int row);
    void Notify(GridChange change, int col = -1, int row = -1) {
        if (listener_)
            listener_(change, col, row);
    }

    static const GridCell kEmpty;
    std::vector<std::vector<GridCell>> rows_;
    int cols_ = 1;
    int fixedRows_ = 0;
    Listener listener_;
};
