#pragma once

#include "platform/FileSystem.h"
#include "removal/OperationProgress.h"
#include "search/SearchState.h"

#include <string>
#include <vector>

// A search may be minutes old when the user confirms a removal: a copy may have been edited, or
// the copy meant to stay deleted or replaced. Right before the shell gets the files, each one is
// checked against the disk, and only what passes is removed.

// A file as the search saw it.
struct SeenFile {
    std::string path;
    platform::FileStamp stamp;
};

// One file the user confirmed, with the members of its group that stay.
struct PlannedRemoval {
    TFile* entry = nullptr;
    SeenFile file;
    // The grid row of its group; 0 when no row on view holds it.
    int group = 0;
    std::vector<SeenFile> kept;
    // Every member of its group is on the list: there is no copy to keep or to compare with.
    bool wholeGroup = false;
};

// The listed entries in their order, each with what stays of its group (the grid rows 1 to
// lastRow, the files not listed and not already removed).
std::vector<PlannedRemoval> PlanRemovals(const SearchState& state,
                                         const std::vector<TFile*>& listed, int lastRow);

// How many groups lose every copy with this list.
int GroupsLosingEveryCopy(const std::vector<PlannedRemoval>& plan);

enum class CheckResult {
    Passed,
    // The path no longer leads to the file the search saw, unchanged.
    Changed,
    // No member that stays is still as seen and byte for byte identical.
    NoKeptCopy,
    // The user stopped the check before this file.
    Cancelled,
};

// The path still leads to the very file that was seen: same device, inode, length and
// modification time.
bool StillAsSeen(const SeenFile& file);

// Checks every planned file: Passed when it is still as seen and, unless its whole group goes,
// at least one kept member also is and is byte for byte identical to it, both read whole and
// still in place afterwards. matched (when given) gets, for each file that passed against a
// kept member, that member's index in kept, else -1. The progress may cancel; that file and the
// rest are then Cancelled.
std::vector<CheckResult> CheckRemovals(const std::vector<PlannedRemoval>& plan,
                                       OperationProgress* progress,
                                       std::vector<int>* matched = nullptr);

// The last look right before the shell, a stat each: a file that passed, or the copy it was
// found identical to, that changed since the check is Changed after all.
void RecheckPassed(const std::vector<PlannedRemoval>& plan, const std::vector<int>& matched,
                   std::vector<CheckResult>& checks);
