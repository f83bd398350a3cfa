#pragma once

#include <string>
#include <vector>

// The display order of the folder list: without regard to case in the user's locale, ties
// broken by the bytes so that the order is total.
bool FolderLess(const std::string& a, const std::string& b);

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
