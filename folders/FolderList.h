#pragma once

#include "search/TFile.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The display order of the folder list: without regard to case in the user's locale, ties
// broken by the bytes so that the order is total.
bool FolderLess(std::string_view a, std::string_view b);

// The most entries the window's folder list holds. A walk or a stored list that would go beyond
// it is refused with "Unable to insert a line" rather than left to exhaust the machine.
constexpr int kFolderListCapacity = 250000;

// Sorts into FolderLess order, converting each folder for the collator once rather than at
// every comparison (a retrieved list may hold many thousands).
void SortFolders(std::vector<std::string>& folders);

// How a folder is shown: valid UTF-8 as it reads, every byte that is not part of a valid
// sequence and every control character (a line break, a tab) as "\xHH", so that no two names
// look alike and none is lost for display.
QString FolderDisplayText(std::string_view folder);

// Told of every change to a FolderList, before and after it, as a list model must be.
class FolderListObserver {
public:
    virtual ~FolderListObserver() = default;
    virtual void Inserting(int row) = 0;
    virtual void Inserted() = 0;
    // Rows first..last, inclusive.
    virtual void Removing(int first, int last) = 0;
    virtual void Removed() = 0;
    virtual void Resetting() = 0;
    virtual void Reset() = 0;
};

// The folder list of both front ends, as plain data: entries in FolderLess order, exact
// duplicates refused as folders are added (a stored list may still bring duplicates, which are
// kept as read), the protection rule, a capacity, and folders a walk finds queued and inserted
// in sorted batches. The window shows it through a model; kelvaro-find uses it as it is.
// The folders' bytes lie in blocks that a search's folder list shares (Paths): a walk may add
// a quarter of a million folders, which would otherwise be held twice while results last.
class FolderList {
public:
    explicit FolderList(int capacity = kFolderListCapacity);
    ~FolderList();

    // A copy of the entries.
    std::vector<std::string> Items() const;
    // The entries as a search's folder list, sharing their bytes.
    TDirList Paths() const;
    int Count() const { return static_cast<int>(items_.size()); }
    bool Empty() const { return items_.empty(); }
    // Followed by a NUL in memory.
    std::string_view At(int row) const { return items_[static_cast<std::size_t>(row)]; }
    bool Contains(std::string_view folder) const;
    void SetObserver(FolderListObserver* observer) { observer_ = observer; }

    // Inserts in sorted position; the position, or -1 when the folder is there already. Throws
    // AppError("Unable to insert a line") when the list is full.
    int Insert(const std::string& folder);
    // Insert, unless protect is set and the folder is protected (-1).
    int Add(const std::string& folder, bool protect);
    bool AddFolderToList(const std::string& folder, bool protect) {
        return Add(folder, protect) >= 0;
    }

    // A folder a walk found, with the protection rule when checkProtection is set (as the
    // folder is found). Queued folders go in by InsertQueued; near a full list each goes in by
    // itself, so that the list fills exactly as far as it can and the next folder is the one
    // refused.
    void Queue(const std::string& folder, bool checkProtection);
    // Inserts up to most queued folders in sorted order; how many were taken from the queue.
    std::size_t InsertQueued(std::size_t most = SIZE_MAX);
    bool QueueEmpty() const { return queued_.empty(); }

    // Rows in increasing order.
    void RemoveRows(const std::vector<int>& rows);
    void Clear();
    // A stored list: sorted, duplicates kept. Throws as Insert when it holds too many, leaving
    // the list as it was.
    void Assign(std::vector<std::string> folders);

private:
    // The first row at or after from whose entry does not sort before folder.
    int PlaceFrom(int from, std::string_view folder) const;
    int InsertAt(int row, std::string_view folder);
    // Entries from folders, in new blocks; the old ones live on while a search shares them.
    void Keep(const std::vector<std::string>& folders);
    // Gathers the entries into new blocks once most of the old ones are folders taken out.
    void Gather();

    int capacity_;
    std::shared_ptr<PathBlocks> kept_; // the entries' bytes; each entry views its own
    std::vector<std::string_view> items_;
    std::deque<std::string> queued_;
    FolderListObserver* observer_ = nullptr;
};
