#pragma once

#include "platform/FileSystem.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

// The regular files of folders listed once already (by a walk of their tree just before the
// search), so that the scan does not read each folder and stat each file a second time.
// Compact: one run of names per folder, in the order the folder listed them.
class FolderFiles {
public:
    struct Listing {
        std::string names; // each name followed by a NUL
        std::vector<platform::FileStamp> stamps;
    };

    void Add(const std::string& folder, Listing listing) { folders_[folder] = std::move(listing); }
    // Hands over the folder's listing and forgets it; false when it was never listed.
    bool Take(const std::string& folder, Listing& listing) {
        auto it = folders_.find(folder);
        if (it == folders_.end())
            return false;
        listing = std::move(it->second);
        folders_.erase(it);
        return true;
    }

private:
    std::unordered_map<std::string, Listing> folders_;
};
