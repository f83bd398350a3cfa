#pragma once

#include "results/FileInfo.h"
#include "search/SearchState.h"

#include <optional>
#include <string>

// The entry in a cell; nothing for an empty cell or a point outside the grid (col, row < 0).
TFile* CellEntry(const ResultGrid& grid, int col, int row);

// The panel's texts for the file in a cell (mouse move, current cell); nothing for a cell
// without an entry, which leaves the panel as it is.
std::optional<FileInfoTexts> CellFileInfo(const SearchState& state, int col, int row);

// What a double click (or "Open") on the current cell hands to the shell: the entry's full
// path when something other than a folder exists there; empty otherwise, and nothing opens.
std::string DupeGridOpenPath(const SearchState& state, int col, int row);
