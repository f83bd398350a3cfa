#include "search/FolderReader.h"

#include <chrono>
#include <new>
#include <thread>
#include <utility>

namespace {

// Folders listed ahead and not yet taken: their listings wait in memory.
constexpr std::size_t kMaxListingsWaiting = 256;
// Entries handed over at a time.
constexpr std::size_t kBatch = 256;
// A folder that cannot be opened for lack of descriptors is tried again, 1 ms apart.
constexpr int kOpenAttempts = 200;
constexpr int kWaitMilliseconds = 5;

} // namespace

FolderReader::FolderReader(unsigned threads, platform::ListWhat what, ChildPath childPath)
    : what_(what), childPath_(std::move(childPath)), pool_(std::make_unique<ReaderPool>(threads)) {}

FolderReader::~FolderReader() {
    {
        // Under the lock: no reader is posting work while the pool goes.
        std::lock_guard lock(mutex_);
        cancelled_ = true;
    }
    pool_.reset();
}

std::shared_ptr<FolderReader::Slot> FolderReader::AddSlot(const std::string& folder) {
    auto slot = std::make_shared<Slot>();
    slot->folder = folder;
    slots_[folder].push_back(slot);
    waiting_.push_back(slot);
    return slot;
}

void FolderReader::PostWaiting() {
    // Called with mutex_ held; never once the pool is going.
    if (cancelled_)
        return;
    while (!waiting_.empty() && posted_ < kMaxListingsWaiting) {
        std::shared_ptr<Slot> slot = std::move(waiting_.front());
        waiting_.pop_front();
        if (slot->claimed)
            continue;
        slot->posted = true;
        ++posted_;
        pool_->Post(0, [this, slot] { Read(slot); });
    }
}

void FolderReader::Prefetch(const std::string& folder) {
    if (pool_->Threads() == 0)
        return; // List reads it when asked
    std::lock_guard lock(mutex_);
    AddSlot(folder);
    PostWaiting();
}

bool FolderReader::ListRetrying(const std::string& folder,
                                const std::function<bool(const platform::FolderEntry&)>& visit,
                                std::vector<std::string>* children, int* error) {
    int failure = 0;
    for (int attempt = 0;; ++attempt) {
        const bool opened = platform::ListFolder(
            folder, what_,
            [&](const platform::FolderEntry& e) {
                if (children && childPath_ && e.type == platform::EntryType::Directory) {
                    std::string child = childPath_(folder, e.name);
                    if (!child.empty())
                        children->push_back(std::move(child));
                }
                return visit(e);
            },
            &failure);
        // Out of descriptors says nothing about the folder: the other readers close theirs.
        if (opened || !platform::OutOfDescriptors(failure) || attempt >= kOpenAttempts ||
            cancelled_) {
            if (error)
                *error = opened ? 0 : failure;
            return opened;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void FolderReader::Read(const std::shared_ptr<Slot>& slot) {
    std::vector<std::string> children;
    Batch batch;
    auto deliver = [&] {
        {
            std::lock_guard lock(mutex_);
            slot->batches.push_back(std::move(batch));
        }
        changed_.notify_all();
        batch = {};
    };
    bool opened = false;
    bool outOfMemory = false;
    int error = 0;
    try {
        opened = ListRetrying(
            slot->folder,
            [&](const platform::FolderEntry& e) {
                if (cancelled_ || slot->abandoned)
                    return false;
                batch.names.append(e.name).push_back('\0');
                batch.types.push_back(e.type);
                if (e.type == platform::EntryType::RegularFile &&
                    what_ == platform::ListWhat::TypesAndSizes)
                    batch.stamps.push_back(e.stamp);
                if (batch.types.size() == kBatch)
                    deliver();
                return true;
            },
            &children, &error);
        if (!batch.types.empty())
            deliver();
    } catch (...) {
        // Only an allocation can fail here; List tells its caller after the entries so far.
        outOfMemory = true;
    }
    {
        std::lock_guard lock(mutex_);
        slot->opened = opened || outOfMemory;
        slot->outOfMemory = outOfMemory;
        slot->error = error;
        slot->done = true;
        if (!outOfMemory && !cancelled_ && !slot->abandoned) {
            try {
                for (const std::string& child : children)
                    AddSlot(child);
                PostWaiting();
            } catch (...) {
                // The subfolders not posted are listed when the walk comes to them.
            }
        }
    }
    changed_.notify_all();
}

bool FolderReader::List(const std::string& folder,
                        const std::function<bool(const platform::FolderEntry&)>& visit,
                        const std::function<bool()>& idle, int* error) {
    std::shared_ptr<Slot> slot;
    {
        std::lock_guard lock(mutex_);
        auto it = slots_.find(folder);
        if (it != slots_.end()) {
            slot = std::move(it->second.front());
            it->second.pop_front();
            if (it->second.empty())
                slots_.erase(it);
            slot->claimed = true;
            if (slot->posted)
                --posted_;
            PostWaiting();
        }
    }
    if (!slot || !slot->posted) {
        // Not begun by a reader: read here, and let the readers go on below it.
        std::vector<std::string> children;
        const bool readers = pool_->Threads() > 0;
        const bool opened = ListRetrying(folder, visit, readers ? &children : nullptr, error);
        std::lock_guard lock(mutex_);
        for (const std::string& child : children)
            AddSlot(child);
        PostWaiting();
        return opened;
    }

    platform::FolderEntry entry;
    for (;;) {
        Batch batch;
        bool got = false;
        {
            std::unique_lock lock(mutex_);
            if (slot->batches.empty() && !slot->done)
                changed_.wait_for(lock, std::chrono::milliseconds(kWaitMilliseconds));
            if (!slot->batches.empty()) {
                batch = std::move(slot->batches.front());
                slot->batches.pop_front();
                got = true;
            } else if (slot->done) {
                if (slot->outOfMemory)
                    throw std::bad_alloc();
                if (error)
                    *error = slot->error;
                return slot->opened;
            }
        }
        if (!got) {
            if (!idle()) {
                slot->abandoned = true;
                return true;
            }
            continue;
        }
        std::size_t at = 0;
        std::size_t stamp = 0;
        for (platform::EntryType type : batch.types) {
            const std::size_t end = batch.names.find('\0', at);
            entry.name.assign(batch.names, at, end - at);
            at = end + 1;
            entry.type = type;
            entry.stamp = {};
            if (type == platform::EntryType::RegularFile &&
                what_ == platform::ListWhat::TypesAndSizes)
                entry.stamp = batch.stamps[stamp++];
            if (!visit(entry)) {
                slot->abandoned = true;
                return true;
            }
        }
    }
}
