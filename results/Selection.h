#pragma once

#include "search/SearchState.h"

#include <string>
#include <vector>

class DialogService;

// The four figures of the statistics panel that the selection writes, as their label texts.
struct SelectionFigures {
    std::string FilesSelected;
    std::string KbSelected;
    std::string FilesDeleted;
    std::string KbCleared;
    bool operator==(const SelectionFigures&) const = default;
};

// An entry's full path: its folder in DirList, "/", its name. Empty when its folder is unknown.
inline std::string EntryPath(const SearchState& state, const TFile& file) {
    return EntryPath(state.DirList, file);
}

// What the removal takes and the figures count: with the marks every entry of FileList that has
// flSelected; with the range every entry in its cells, column by column, top to bottom.
std::vector<TFile*> SelectedFiles(const SearchState& state);

SelectionFigures UpdateSelectionInfo(const SearchState& state);

// Whether the grid draws the cell as selected; gridSelected is the grid's own "in the
// highlighted range" bit.
bool IsCellSelected(const SearchState& state, int col, int row, bool gridSelected);

// "Leave at least one": in every row whose entries are all marked, the leftmost is unmarked.
void KeepOnePerGroup(const ResultGrid& grid, bool leaveOne);

// The three marking operations. Each switches to the marks and runs KeepOnePerGroup; the
// caller repaints the grid and shows the figures returned.
SelectionFigures SelectAll(SearchState& state, bool leaveOne);
// highlighted: the folder-list entries the user highlighted, compared exactly with DirList.
// With none, the information message goes through dialogs first and every mark is cleared.
SelectionFigures SelectByFolder(SearchState& state, const std::vector<std::string>& highlighted,
                                bool leaveOne, DialogService& dialogs);
// mask: the mask field's text. An invalid mask throws AppError before any mark changes.
SelectionFigures SelectPattern(SearchState& state, const std::string& mask, bool leaveOne);

extern const char* const kNoFolderHighlightedText;

// The grid's click event: back to the range. repaint tells whether the marks were on view.
struct GridClickResult {
    bool repaint = false;
    SelectionFigures figures;
};
GridClickResult DupeGridClick(SearchState& state);
