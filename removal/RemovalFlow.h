#pragma once

#include "removal/DeleteFilesModel.h"
#include "removal/OperationProgress.h"
#include "removal/RemovalCheck.h"
#include "removal/ShellFileOp.h"
#include "search/MainWindowInterface.h"
#include "search/SearchState.h"

#include <functional>
#include <string>
#include <vector>

// "Unable to delete " + this + ".": up to five names joined with ", " and a final " and ",
// more than five as "N files".
std::string FailedNamesText(const std::vector<std::string>& names);

// Why files that failed the check before the shell were kept.
std::string KeptByCheckText(const std::vector<std::string>& names);

// Step 5 of the main window: gathers the selected copies, has them confirmed, checks each one
// against the disk (CheckRemovals), removes what passed in one shell call, checks on disk what
// is gone, and takes that out of the index and the grid. A file that fails the check is kept and
// reported like one the shell could not remove, and the user is told once why.
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
    // Shows the check's progress and lets the user cancel it; none in tests.
    OperationProgress* Progress = nullptr;

    void DeleteFiles();
    // The Delete key (whatever the modifiers) runs DeleteFiles; true when the key was taken.
    bool DupeGridKeyDown(int key);
    // Lists entry in the dialog at the running row if its file still exists.
    void AddCandidate(TFile* entry);

private:
    bool Searching() const { return SearchRunning && SearchRunning(); }
    // The last row the flow may take files from or sweep: while a search runs, the row at
    // NextGroupRow is still being published.
    int LastCompleteRow() const;
    void CollectCandidates();
    // The files of the plan that passed, in one shell call.
    void RemovePassed(const std::vector<PlannedRemoval>& plan,
                      const std::vector<CheckResult>& checks, TRemoveMethod method,
                      const std::string& archive);
    // The entry's folder, or nothing when its DirIndex points nowhere.
    const std::string* FolderOf(const TFile& entry) const;
    void SweepGrid();

    SearchState& state_;
    MainWindowInterface& window_;
    DeleteDialogInterface& dialog_;
    ShellOperations& shell_;
    int row_ = 1;
};
