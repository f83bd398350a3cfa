#include "cli/SearchFolders.h"

#include "folders/FolderList.h"
#include "folders/FolderRules.h"
#include "folders/FolderWalk.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

// True when a protected tree may lie beneath start, so that its subfolders need a check of
// their own. The walk follows no links, so a subfolder's real path is start's real path
// followed by its own names: below any other start, it is protected exactly when start is.
bool MayHoldProtectedTrees(const std::string& start) {
    std::unique_ptr<char, decltype(&std::free)> real(realpath(start.c_str(), nullptr), &std::free);
    if (!real)
        return true;
    const std::string prefix = std::string(real.get()) == "/" ? "/" : std::string(real.get()) + "/";
    for (const auto& root : ProtectedSystemFolders())
        if (root.compare(0, prefix.size(), prefix) == 0)
            return true;
    return false;
}

} // namespace

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
    const bool check = protect_ && (IsProtectedFolder(start) || MayHoldProtectedTrees(start));
    WalkSubfolders(
        start,
        [&](const std::string& folder) {
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
