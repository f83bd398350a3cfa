#include "platform/FolderHandles.h"

#include "platform/ReaderDescriptors.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

FolderHandles::~FolderHandles() {
    std::lock_guard lock(mutex_);
    while (!order_.empty())
        Drop(order_.begin());
}

bool FolderHandles::Open(const std::string& path, InputFile& file) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos || capacity_ == 0)
        return file.Open(path);
    const auto folder = Take(std::string_view(path).substr(0, slash == 0 ? 1 : slash));
    if (folder == order_.end())
        return file.Open(path);
    const bool opened = file.OpenAt(folder->fd, path.c_str() + slash + 1, path);
    // The kept folder may have been renamed or removed since it was opened, and the path lead
    // elsewhere now: the path has the last word.
    const bool missing = !opened && (file.OpenError() == ENOENT || file.OpenError() == ENOTDIR);
    Done(folder, missing);
    return missing ? file.Open(path) : opened;
}

FolderHandles::Order::iterator FolderHandles::Take(std::string_view folder) {
    std::unique_lock lock(mutex_);
    if (auto it = index_.find(folder); it != index_.end() && !it->second->stale) {
        ++it->second->users;
        return it->second;
    }
    if (!Room())
        return order_.end();
    lock.unlock();
    // Symbolic links in the folder's path are followed, as an open by path follows them.
    const int fd = ::open(std::string(folder).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    lock.lock();
    if (fd < 0) {
        readerDescriptors::Give();
        return order_.end();
    }
    if (auto it = index_.find(folder); it != index_.end() && !it->second->stale) {
        // Another reader kept it meanwhile.
        ::close(fd);
        readerDescriptors::Give();
        ++it->second->users;
        return it->second;
    }
    Folder& kept = order_.emplace_front();
    kept.path = folder;
    kept.fd = fd;
    kept.users = 1;
    // A stale one of the same path keeps its place until its last open is done.
    index_.erase(order_.front().path);
    index_.emplace(order_.front().path, order_.begin());
    return order_.begin();
}

void FolderHandles::Done(Order::iterator folder, bool stale) {
    if (!stale) {
        // Without the lock: a folder marked stale meanwhile by another open goes when room is
        // made or the folders are released.
        --folder->users;
        return;
    }
    std::lock_guard lock(mutex_);
    --folder->users;
    if (!folder->stale) {
        folder->stale = true;
        ++stale_;
    }
    if (folder->users == 0)
        Drop(folder);
}

bool FolderHandles::Room() {
    // A stale folder that no open uses goes first.
    if (stale_ > 0)
        for (auto it = order_.begin(); it != order_.end(); ++it)
            if (it->stale && it->users == 0) {
                Drop(it);
                break;
            }
    // Once full, a folder is never put out for another: with more folders than room, files
    // would be opened through a folder opened for them alone, two opens instead of one.
    return order_.size() < capacity_ && readerDescriptors::TryTake();
}

void FolderHandles::Drop(Order::iterator folder) {
    if (folder->stale)
        --stale_;
    ::close(folder->fd);
    readerDescriptors::Give();
    if (auto it = index_.find(folder->path); it != index_.end() && it->second == folder)
        index_.erase(it);
    order_.erase(folder);
}

bool FolderHandles::Release() {
    std::lock_guard lock(mutex_);
    bool any = false;
    for (auto it = order_.begin(); it != order_.end();) {
        auto next = std::next(it);
        if (it->users == 0) {
            Drop(it);
            any = true;
        }
        it = next;
    }
    return any;
}

std::size_t FolderHandles::Kept() {
    std::lock_guard lock(mutex_);
    return order_.size();
}

} // namespace platform
