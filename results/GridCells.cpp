#include "results/GridCells.h"

#include "results/Selection.h"

#include <sys/stat.h>

TFile* CellEntry(const ResultGrid& grid, int col, int row) {
    if (col < 0 || row < 0 || col >= grid.ColCount() || row >= grid.RowCount())
        return nullptr;
    return grid.Object(col, row);
}

std::optional<FileInfoTexts> CellFileInfo(const SearchState& state, int col, int row) {
    const TFile* file = CellEntry(state.DupeGrid, col, row);
    if (!file)
        return std::nullopt;
    return ShowFileInfo(EntryPath(state, *file));
}

std::string DupeGridOpenPath(const SearchState& state, int col, int row) {
    const TFile* file = CellEntry(state.DupeGrid, col, row);
    if (!file)
        return {};
    std::string path = EntryPath(state, *file);
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode))
        return {};
    return path;
}
