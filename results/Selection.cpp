#include "results/Selection.h"

#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "results/FileMask.h"
#include "results/GridCells.h"
#include "search/FormatThousands.h"

#include <algorithm>
#include <optional>

const char* const kNoFolderHighlightedText =
    "You must select one or more folders from the folder list first!\r\nThen, all the "
    "duplicates in these specific folders will be marked.";

namespace {

SelectionFigures FinishMarking(SearchState& state, bool leaveOne) {
    KeepOnePerGroup(state.DupeGrid, leaveOne);
    return UpdateSelectionInfo(state);
}

} // namespace

std::vector<TFile*> SelectedFiles(const SearchState& state) {
    std::vector<TFile*> files;
    // A removed file keeps its mark and, during a search, its place in FileList until the
    // search frees it; it is no longer selected.
    auto selectable = [](const TFile* f) { return f && !HasFlag(*f, flDeleted); };
    if (state.UseMarks) {
        for (std::int64_t i = 0; i < state.FileList.Count(); ++i)
            if (HasFlag(*state.FileList[i], flSelected) && selectable(state.FileList[i]))
                files.push_back(state.FileList[i]);
        return files;
    }
    // The range may outlast rows that a removal took away: only cells that exist count.
    const ResultGrid& grid = state.DupeGrid;
    const GridRect& r = state.HighlightedRange;
    const int left = std::max(r.Left, 0), right = std::min(r.Right, grid.ColCount() - 1);
    const int top = std::max(r.Top, 0), bottom = std::min(r.Bottom, grid.RowCount() - 1);
    for (int col = left; col <= right; ++col)
        for (int row = top; row <= bottom; ++row)
            if (TFile* file = grid.Object(col, row); selectable(file))
                files.push_back(file);
    return files;
}

SelectionFigures UpdateSelectionInfo(const SearchState& state) {
    std::int64_t count = 0, bytes = 0;
    for (const TFile* file : SelectedFiles(state)) {
        ++count;
        bytes += file->Size;
    }
    return {FormatThousands(count), FormatThousands(RoundKiloBytes(bytes)),
            FormatThousands(state.FilesDeleted),
            FormatThousands(RoundKiloBytes(state.BytesCleared))};
}

bool IsCellSelected(const SearchState& state, int col, int row, bool gridSelected) {
    if (!state.UseMarks)
        return gridSelected;
    const TFile* file = CellEntry(state.DupeGrid, col, row);
    return file && HasFlag(*file, flSelected);
}

void KeepOnePerGroup(const ResultGrid& grid, bool leaveOne) {
    if (!leaveOne)
        return;
    for (int row = 0; row < grid.RowCount(); ++row) {
        TFile* leftmost = nullptr;
        bool allMarked = true;
        for (int col = grid.ColCount() - 1; col >= 0; --col) {
            if (TFile* file = grid.Object(col, row)) {
                allMarked = allMarked && HasFlag(*file, flSelected);
                leftmost = file;
            }
        }
        if (leftmost && allMarked)
            SetFlag(*leftmost, flSelected, false);
    }
}

SelectionFigures SelectAll(SearchState& state, bool leaveOne) {
    state.UseMarks = true;
    for (std::int64_t i = 0; i < state.FileList.Count(); ++i) {
        TFile& file = *state.FileList[i];
        SetFlag(file, flSelected, file.GroupNo > 0);
    }
    return FinishMarking(state, leaveOne);
}

SelectionFigures SelectByFolder(SearchState& state, const std::vector<std::string>& highlighted,
                                bool leaveOne, DialogService& dialogs) {
    if (highlighted.empty()) {
        dialogs.MessageBox(
            {MsgType::Information, kAppTitle, kNoFolderHighlightedText, MsgButtons::OkHelp, 0});
    }
    state.UseMarks = true;
    // Paths keep their case on this platform: the folders compare exactly.
    std::vector<std::string> folders = highlighted;
    std::sort(folders.begin(), folders.end());
    for (std::int64_t i = 0; i < state.FileList.Count(); ++i) {
        TFile& file = *state.FileList[i];
        const auto folder = EntryFolder(state.DirList, file);
        const bool inFolders =
            folder && std::binary_search(folders.begin(), folders.end(), *folder);
        SetFlag(file, flSelected, inFolders && file.GroupNo > 0);
    }
    return FinishMarking(state, leaveOne);
}

SelectionFigures SelectPattern(SearchState& state, const std::string& mask, bool leaveOne) {
    state.UseMarks = true;
    // Compiled at the first grouped entry, so that an invalid mask fails there, before any mark
    // changes, and only when there is something to mark.
    std::optional<FileMask> compiled;
    for (std::int64_t i = 0; i < state.FileList.Count(); ++i) {
        TFile& file = *state.FileList[i];
        if (file.GroupNo <= 0)
            continue;
        if (!compiled)
            compiled.emplace(mask);
        SetFlag(file, flSelected, compiled->Matches(file.Name()));
    }
    return FinishMarking(state, leaveOne);
}

GridClickResult DupeGridClick(SearchState& state) {
    GridClickResult result;
    if (state.UseMarks) {
        state.UseMarks = false;
        result.repaint = true;
    }
    result.figures = UpdateSelectionInfo(state);
    return result;
}
