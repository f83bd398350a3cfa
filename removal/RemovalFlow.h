#pragma once

#include "removal/DeleteFilesModel.h"
#include "removal/RemovalPlan.h"
#include "removal/ShellFileOp.h"
#include "search/MainWindowInterface.h"
#include "search/SearchState.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// "Unable to delete " + this + ".": up to five names joined with ", " and a final " and ",
// more than five as "N files".
std::string FailedNamesText(const std::vector<std::string>& names);

// The one message of a removal for the files that stayed: "Unable to delete " with their names
// as FailedNamesText lists them, then a line each, up to ten (shown path and why), and
// "... and N more." for the rest.
std::string StayedText(const std::vector<std::string>& names,
                       const std::vector<std::string>& lines);

// How a file stands in that message: its path from the outermost listed folder that holds it
// (that folder's own name first), or the whole path for a folder at the root.
std::string ShownPath(const TDirList& folders, std::string_view folder, std::string_view name);

// Step 5 of the main window: gathers the selected copies, has them confirmed, and hands them to
// the shell in one batch, which removes each one only after checking it at that moment against
// a copy that stays (RemoveChecked). What the shell reports for each file decides what leaves
// the index and the grid, the figures, and the one message for the files that stayed.
//
// It may run nested inside a search that is suspended at a pump point. Then nothing is freed:
// removed entries (and the one kept file of a group that fell below two) get flDeleted and
// GroupNo 0 and leave the grid, but stay in FileList, so every position the search holds stays
// valid; the search skips them and frees them when it ends. The row being published
// (NextGroupRow) is incomplete, so its files are not offered and the sweep stops above it.
class RemovalFlow {
public:
    RemovalFlow(SearchState& state, MainWindowInterface& window, DeleteDialogInterface& dialog,
                ShellOperations& shell);

    // Recounts the selection and rewrites the four selection and removal figures.
    std::function<void()> UpdateSelectionInfo;
    std::function<void()> RepaintGrid;
    // True while a search run is under way (Busy alone is also set by the folder walk, which
    // holds no positions into FileList).
    std::function<bool()> SearchRunning;
    // True when the folder list is empty: the message for no files then says to add folders.
    std::function<bool()> NoFoldersListed;

    void DeleteFiles();
    // Lists entry in the dialog at the running row if its file still exists.
    void AddCandidate(TFile* entry);

private:
    bool Searching() const { return SearchRunning && SearchRunning(); }
    // The last row the flow may take files from or sweep: while a search runs, the row at
    // NextGroupRow is still being published.
    int LastCompleteRow() const;
    void CollectCandidates();
    // The whole plan in one shell call; a result per planned file.
    std::vector<RemovalResult> Remove(const std::vector<PlannedRemoval>& plan, TRemoveMethod method,
                                      const std::string& archive);
    // The entry's folder, or nothing when its DirIndex points nowhere.
    void SweepGrid();

    SearchState& state_;
    MainWindowInterface& window_;
    DeleteDialogInterface& dialog_;
    ShellOperations& shell_;
    int row_ = 1;
};
