#pragma once

#include "platform/FileSystem.h"

#include <atomic>
#include <cstddef>
#include <list>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

namespace platform {

// Descriptors of the folders that reader threads open files in, kept between opens. A file is
// then looked up by its name in its folder instead of through every folder of its path from the
// root, which in a deep tree costs more than the open itself. Folders are kept as they come
// until there is no more room; files in the others are opened from the root. Each kept folder
// holds one of the readers' descriptors (ReaderDescriptors.h).
//
// A kept folder may have been renamed or replaced since it was opened, so a file opened through
// it is only known to be the file the caller compares with its stamp: the caller still checks
// that the path leads to that very file before it relies on the path.
class FolderHandles {
public:
    explicit FolderHandles(std::size_t capacity) : capacity_(capacity) {}
    ~FolderHandles();
    FolderHandles(const FolderHandles&) = delete;
    FolderHandles& operator=(const FolderHandles&) = delete;

    // As file.Open(path), with the name looked up in its folder's kept descriptor; without one
    // to spare, from the root as before.
    bool Open(const std::string& path, InputFile& file);
    // Closes the kept folders that no open uses now; true when it closed one.
    bool Release();
    std::size_t Kept();

private:
    struct Folder {
        std::string path;
        int fd = -1;
        std::atomic<int> users{0};
        bool stale = false; // a name in it was missing: it goes when no open uses it
    };
    using Order = std::list<Folder>;

    // The kept folder of that path, in use until Done; end() when none could be kept.
    Order::iterator Take(std::string_view folder);
    void Done(Order::iterator folder, bool stale);
    // Makes room for one more and takes a descriptor for it; called with mutex_ held. False
    // when the folders kept fill the room or no descriptor is free.
    bool Room();
    void Drop(Order::iterator folder);

    const std::size_t capacity_;
    std::mutex mutex_;
    Order order_;
    std::size_t stale_ = 0; // folders in order_ marked stale
    std::unordered_map<std::string_view, Order::iterator> index_;
};

} // namespace platform
