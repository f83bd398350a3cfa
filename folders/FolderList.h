#pragma once

#include <QString>

#include <string>
#include <vector>

// The display order of the folder list: without regard to case in the user's locale, ties
// broken by the bytes so that the order is total.
bool FolderLess(const std::string& a, const std::string& b);

// The most entries the window's folder list holds. A walk or a stored list that would go beyond
// it is refused with "Unable to insert a line" rather than left to exhaust the machine.
constexpr int kFolderListCapacity = 250000;

// Sorts into FolderLess order, converting each folder for the collator once rather than at
// every comparison (a retrieved list may hold many thousands).
void SortFolders(std::vector<std::string>& folders);

// How a folder is shown: valid UTF-8 as it reads, every byte that is not part of a valid
// sequence and every control character (a line break, a tab) as "\xHH", so that no two names
// look alike and none is lost for display.
QString FolderDisplayText(const std::string& folder);

// The folder list as plain data: sorted entries, exact duplicates refused when folders are added
// (a stored list may still bring duplicates, which are kept as read).
class FolderList {
public:
    const std::vector<std::string>& Items() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }
    bool Contains(const std::string& folder) const;

    // Inserts in sorted position; returns the position.
    int Insert(const std::string& folder);
    // The protection and duplicate rules of step 1; true when the folder was added.
    bool AddFolderToList(const std::string& folder, bool protect);
    void Remove(int index) { items_.erase(items_.begin() + index); }
    void Clear() { items_.clear(); }

private:
    std::vector<std::string> items_;
};
