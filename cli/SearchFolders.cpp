#include "cli/SearchFolders.h"

#include "folders/FolderList.h"
#include "folders/FolderRules.h"
#include "folders/FolderWalk.h"

#include <algorithm>

bool SearchFolders::Add(const std::string& folder) {
    return !(protect_ && IsProtectedFolder(folder)) && Insert(folder);
}

bool SearchFolders::Insert(const std::string& folder) {
    if (!seen_.insert(folder).second)
        return false;
    items_.push_back(folder);
    return true;
}

void SearchFolders::AddTree(const std::string& start, MainWindowInterface& window,
                            const bool& stopFlag, FolderFiles* files, int readers) {
    const bool check = protect_ && TreeNeedsProtectionCheck(start);
    WalkSubfolders(
        start,
        [&](const std::string& folder) {
            if (filter_ && filter_->ExcludesFolder(start, folder))
                return;
            if (check)
                Add(folder);
            else
                Insert(folder);
        },
        window, stopFlag, files, readers);
}

std::vector<std::string> SearchFolders::Sorted() const {
    // The order is total and the items distinct, so one sort gives what sorted insertion gives.
    std::vector<std::string> sorted = items_;
    std::sort(sorted.begin(), sorted.end(), FolderLess);
    return sorted;
}
