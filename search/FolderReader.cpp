#include "search/FolderReader.h"

#include "platform/ReaderDescriptors.h"

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <new>
#include <unordered_map>
#include <utility>

namespace {

// Folders listed ahead and not yet taken: their listings wait in memory.
constexpr std::size_t kMaxListingsWaiting = 256;
// Entries handed over at a time.
constexpr std::size_t kBatch = 256;
constexpr int kWaitMilliseconds = 5;
// A folder the walk or the scan waits for goes before those listed ahead.
constexpr std::uint64_t kWaitedFor = 0;
constexpr std::uint64_t kAhead = 1;

} // namespace

class FolderReader::Shared : public std::enable_shared_from_this<Shared> {
public:
    Shared(platform::ListWhat what, ChildPath childPath, std::shared_ptr<ReaderQueue> queue,
           bool readers)
        : what_(what), childPath_(std::move(childPath)), queue_(std::move(queue)),
          readers_(readers) {}

    std::shared_ptr<Slot> AddSlot(const std::string& folder);
    void PostWaiting();
    void Post(const std::shared_ptr<Slot>& slot, std::uint64_t order);
    void Read(const std::shared_ptr<Slot>& slot);
    // Lists folder, waiting while descriptors run short; children get the subfolders to list.
    bool ListRetrying(const std::string& folder,
                      const std::function<bool(const platform::FolderEntry&)>& visit,
                      std::vector<std::string>* children, int* error,
                      const std::function<bool()>& stop);

    const platform::ListWhat what_;
    const ChildPath childPath_;
    const std::shared_ptr<ReaderQueue> queue_;
    const bool readers_;
    std::atomic<bool> cancelled_{false};

    std::mutex mutex_;
    std::condition_variable changed_;
    std::unordered_map<std::string, std::deque<std::shared_ptr<Slot>>> slots_;
    std::deque<std::shared_ptr<Slot>> waiting_; // found, not posted: too far ahead
    std::size_t posted_ = 0;                    // posted and not yet taken by List
};

FolderReader::FolderReader(unsigned threads, platform::ListWhat what, ChildPath childPath)
    : pool_(std::make_unique<ReaderPool>(threads)) {
    shared_ =
        std::make_shared<Shared>(what, std::move(childPath), pool_->Queue(), pool_->Threads() > 0);
    if (pool_->Threads() > 0)
        platform::readerDescriptors::Plan();
}

FolderReader::~FolderReader() {
    shared_->cancelled_ = true;
    pool_.reset();
}

std::shared_ptr<FolderReader::Slot> FolderReader::Shared::AddSlot(const std::string& folder) {
    auto slot = std::make_shared<Slot>();
    slot->folder = folder;
    slots_[folder].push_back(slot);
    waiting_.push_back(slot);
    return slot;
}

void FolderReader::Shared::Post(const std::shared_ptr<Slot>& slot, std::uint64_t order) {
    slot->posted = true;
    queue_->Post(order, [self = shared_from_this(), slot] { self->Read(slot); });
}

void FolderReader::Shared::PostWaiting() {
    // Called with mutex_ held.
    if (cancelled_)
        return;
    while (!waiting_.empty() && posted_ < kMaxListingsWaiting) {
        std::shared_ptr<Slot> slot = std::move(waiting_.front());
        waiting_.pop_front();
        if (slot->claimed)
            continue;
        ++posted_;
        Post(slot, kAhead);
    }
}

void FolderReader::Prefetch(const std::string& folder) {
    if (pool_->Threads() == 0)
        return; // List reads it when asked
    std::lock_guard lock(shared_->mutex_);
    shared_->AddSlot(folder);
    shared_->PostWaiting();
}

bool FolderReader::Shared::ListRetrying(
    const std::string& folder, const std::function<bool(const platform::FolderEntry&)>& visit,
    std::vector<std::string>* children, int* error, const std::function<bool()>& stop) {
    bool opened = false;
    const int failure = platform::readerDescriptors::OpenAsReader(
        [&] {
            int e = 0;
            opened = platform::ListFolder(
                folder, what_,
                [&](const platform::FolderEntry& entry) {
                    if (children && childPath_ && entry.type == platform::EntryType::Directory) {
                        std::string child = childPath_(folder, entry.name);
                        if (!child.empty())
                            children->push_back(std::move(child));
                    }
                    return visit(entry);
                },
                &e);
            return opened ? 0 : e;
        },
        stop);
    // The folder is closed again: its descriptor goes back at once.
    if (failure == 0)
        platform::readerDescriptors::Give();
    if (error)
        *error = failure;
    return opened;
}

void FolderReader::Shared::Read(const std::shared_ptr<Slot>& slot) {
    std::vector<std::string> children;
    Batch batch;
    // Only the listing that List waits for wakes it: a wake-up for each of the folders read
    // ahead cost more than listing them.
    auto deliver = [&] {
        bool awaited;
        {
            std::lock_guard lock(mutex_);
            slot->batches.push_back(std::move(batch));
            awaited = slot->awaited;
        }
        if (awaited)
            changed_.notify_all();
        batch = {};
    };
    bool opened = false;
    bool outOfMemory = false;
    int error = 0;
    auto stop = [&] { return cancelled_ || slot->abandoned; };
    try {
        opened = ListRetrying(
            slot->folder,
            [&](const platform::FolderEntry& e) {
                if (stop())
                    return false;
                batch.names.append(e.name).push_back('\0');
                batch.types.push_back(e.type);
                if (e.type == platform::EntryType::RegularFile &&
                    what_ == platform::ListWhat::TypesAndSizes)
                    batch.stamps.push_back(e.stamp);
                else if (e.type == platform::EntryType::Unreadable)
                    batch.errors.push_back(e.error);
                if (batch.types.size() == kBatch)
                    deliver();
                return true;
            },
            &children, &error, stop);
    } catch (...) {
        // Only an allocation can fail here; List tells its caller after the entries so far.
        outOfMemory = true;
    }
    bool awaited;
    {
        // The last entries go with the end of the listing: one turn of the lock for both, and
        // List sees them together.
        std::lock_guard lock(mutex_);
        if (!batch.types.empty()) {
            try {
                slot->batches.push_back(std::move(batch));
            } catch (...) {
                outOfMemory = true;
            }
        }
        awaited = slot->awaited;
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
    if (awaited)
        changed_.notify_all();
}

bool FolderReader::List(const std::string& folder,
                        const std::function<bool(const platform::FolderEntry&)>& visit,
                        const std::function<bool()>& idle, int* error) {
    Shared& s = *shared_;
    std::unique_lock lock(s.mutex_);
    std::shared_ptr<Slot> slot;
    auto it = s.slots_.find(folder);
    if (it != s.slots_.end()) {
        slot = std::move(it->second.front());
        it->second.pop_front();
        if (it->second.empty())
            s.slots_.erase(it);
        slot->claimed = true;
        if (slot->posted)
            --s.posted_;
    }
    if (s.readers_ && (!slot || !slot->posted)) {
        // Not begun: a reader begins it now, ahead of the others.
        if (!slot) {
            slot = std::make_shared<Slot>();
            slot->folder = folder;
            slot->claimed = true;
        }
        s.Post(slot, kWaitedFor);
    }
    s.PostWaiting();
    if (!s.readers_) {
        lock.unlock();
        return s.ListRetrying(folder, visit, nullptr, error, [&s] { return s.cancelled_.load(); });
    }

    // A folder read ahead is usually whole by now: its entries and its end are taken in the
    // same turn of the lock as the claim.
    platform::FolderEntry entry;
    for (;;) {
        slot->awaited = true;
        if (slot->batches.empty() && !slot->done)
            s.changed_.wait_for(lock, std::chrono::milliseconds(kWaitMilliseconds));
        std::deque<Batch> batches;
        batches.swap(slot->batches);
        const bool done = slot->done;
        lock.unlock();
        if (batches.empty() && !done) {
            if (!idle()) {
                slot->abandoned = true;
                return true;
            }
            lock.lock();
            continue;
        }
        for (const Batch& batch : batches) {
            std::size_t at = 0;
            std::size_t stamp = 0;
            std::size_t failure = 0;
            for (platform::EntryType type : batch.types) {
                const std::size_t end = batch.names.find('\0', at);
                entry.name.assign(batch.names, at, end - at);
                at = end + 1;
                entry.type = type;
                entry.stamp = {};
                entry.error = 0;
                if (type == platform::EntryType::RegularFile &&
                    s.what_ == platform::ListWhat::TypesAndSizes)
                    entry.stamp = batch.stamps[stamp++];
                else if (type == platform::EntryType::Unreadable)
                    entry.error = batch.errors[failure++];
                if (!visit(entry)) {
                    slot->abandoned = true;
                    return true;
                }
            }
        }
        if (done) {
            // Set before done, and never changed after.
            if (slot->outOfMemory)
                throw std::bad_alloc();
            if (error)
                *error = slot->error;
            return slot->opened;
        }
        lock.lock();
    }
}
