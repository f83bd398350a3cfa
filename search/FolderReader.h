#pragma once

#include "platform/FileSystem.h"
#include "search/ReaderPool.h"

#include <atomic>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Lists folders (and stats their files) on reader threads ahead of the thread that takes their
// entries; that thread gets each folder's entries exactly as platform::ListFolder would hand
// them over, in the file system's order, whenever it asks. With readers, that thread never
// opens a folder itself: a folder that does not answer keeps a reader waiting, never it.
class FolderReader {
public:
    // The path under which a subfolder is to be listed, or "" to leave it out. Runs on the
    // readers: it must not touch anything shared.
    using ChildPath =
        std::function<std::string(const std::string& folder, const std::string& name)>;

    // With childPath, every subfolder it names is listed too, as soon as it is found.
    FolderReader(unsigned threads, platform::ListWhat what, ChildPath childPath = {});
    ~FolderReader();

    // Starts listing folder on a reader; each call is one listing for one later List.
    void Prefetch(const std::string& folder);
    // As platform::ListFolder. A folder no reader has begun is begun at once; without readers
    // it is listed on the calling thread. idle runs while the readers have nothing new; when it
    // returns false the listing ends as if visit had returned false. Throws std::bad_alloc,
    // after the entries listed so far, when a reader ran out of memory.
    bool List(const std::string& folder,
              const std::function<bool(const platform::FolderEntry&)>& visit,
              const std::function<bool()>& idle, int* error = nullptr);

private:
    struct Batch {
        std::string names; // each followed by a NUL
        std::vector<platform::EntryType> types;
        std::vector<platform::FileStamp> stamps; // of the regular files, with sizes asked for
        std::vector<int> errors;                 // of the unreadable entries
    };
    struct Slot {
        std::string folder;
        bool posted = false;
        bool claimed = false; // taken by List
        bool done = false;
        bool opened = false;
        bool outOfMemory = false;
        bool awaited = false; // List waits for it
        int error = 0;
        std::deque<Batch> batches;
        std::atomic<bool> abandoned{false};
    };
    // What the reader threads work on, shared with them: a reader that a folder keeps waiting
    // when this goes touches nothing freed.
    class Shared;

    std::shared_ptr<Shared> shared_;
    std::unique_ptr<ReaderPool> pool_; // last: its threads end first
};
