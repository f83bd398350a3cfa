#pragma once

#include "cli/Filters.h"
#include "search/FolderFiles.h"
#include "search/MainWindowInterface.h"
#include "search/ReaderPool.h"

#include <string>
#include <unordered_set>
#include <vector>

// The folders one kelvaro-find run searches: the same list that adding each folder and each
// folder of its tree to a FolderList would give, but sorted once at the end and checked for
// protection once per tree, so that trees of many thousand folders cost no more than their walk.
class SearchFolders {
public:
    explicit SearchFolders(bool protect) : protect_(protect) {}

    // The rules of adding one folder: false when it is protected or already there.
    bool Add(const std::string& folder);
    // Adds every subfolder of start found by the breadth-first walk; with files, keeps what the
    // walk read of each folder for the scan.
    void AddTree(const std::string& start, MainWindowInterface& window, const bool& stopFlag,
                 FolderFiles* files = nullptr, int readers = kAutoReaders);
    // Folders of a tree whose names the filter excludes are left out, with their trees.
    void UseFilter(const ScanFilter* filter) { filter_ = filter; }
    // In the folder list's order.
    std::vector<std::string> Sorted() const;

private:
    bool Insert(const std::string& folder);

    bool protect_;
    const ScanFilter* filter_ = nullptr;
    std::vector<std::string> items_;
    std::unordered_set<std::string> seen_;
};
