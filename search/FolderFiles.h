#pragma once

#include "platform/FileSystem.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

// The regular files of folders listed once already (by a walk of their tree just before the
// search), so that the scan does not read each folder and stat each file a second time.
// Compact: one run of names per folder, in the order the folder listed them. It keeps no more
// than its budget: the listings of millions of files would double what the index costs, the
// heap they spread over stays with the search, and a folder left out is only listed again by
// the scan.
class FolderFiles {
public:
    struct Listing {
        std::string names; // each name followed by a NUL
        std::vector<platform::FileStamp> stamps;
    };

    static constexpr std::size_t kDefaultBudget = std::size_t{32} << 20;

    explicit FolderFiles(std::size_t budget = kDefaultBudget) : budget_(budget) {}

    // False, and nothing kept, when the listing would go beyond the budget.
    bool Add(const std::string& folder, Listing listing) {
        if (auto it = folders_.find(folder); it != folders_.end()) {
            held_ -= std::min(held_, Bytes(folder, it->second));
            folders_.erase(it);
        }
        listing.names.shrink_to_fit();
        listing.stamps.shrink_to_fit();
        const std::size_t bytes = Bytes(folder, listing);
        if (held_ + bytes > budget_)
            return false;
        folders_.emplace(folder, std::move(listing));
        held_ += bytes;
        return true;
    }
    // Hands over the folder's listing and forgets it; false when it was never listed.
    bool Take(const std::string& folder, Listing& listing) {
        auto it = folders_.find(folder);
        if (it == folders_.end())
            return false;
        listing = std::move(it->second);
        held_ -= std::min(held_, Bytes(folder, listing));
        folders_.erase(it);
        return true;
    }

private:
    static std::size_t Bytes(const std::string& folder, const Listing& listing) {
        // The node, the key and both runs, roughly as the heap counts them.
        return 96 + folder.capacity() + listing.names.capacity() +
               listing.stamps.capacity() * sizeof(platform::FileStamp);
    }

    std::unordered_map<std::string, Listing> folders_;
    std::size_t budget_;
    std::size_t held_ = 0;
};
