#include "search/SizeRunReader.h"

#include "cache/ContentCache.h"
#include "platform/AlignedBuffer.h"
#include "platform/Paths.h"
#include "platform/ReaderDescriptors.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <new>
#include <string_view>
#include <thread>
#include <unistd.h>
#include <utility>

namespace {

constexpr std::size_t kPage = platform::kPageBytes;
constexpr std::size_t kLine = 64;
// Most files of equal size differ early: a small first block settles them cheaply. Files that
// share a header mostly differ at the end, so the last block comes next.
constexpr std::size_t kFirstBlock = 64u << 10;
constexpr std::size_t kTailBlock = 64u << 10;
constexpr std::size_t kBlock = 1u << 20;
// A class too large for the buffers is first sifted by a hash of this much of each end.
constexpr std::size_t kSiftBlock = 4096;
// What one reader takes of a pass at a time: other readers take the rest of a large class.
constexpr std::size_t kChunkBytes = 1u << 20;
constexpr std::size_t kChunkFiles = 8;
// Buffers kept for reuse: pages touched before are several times cheaper to read into. A few
// classes' worth: at millions of files what is kept here counts against the whole search.
constexpr std::size_t kCachedBytes = 16u << 20;
// Descriptors left to the rest of the program.
constexpr std::size_t kSpareDescriptors = 8;
// Folders kept open at most, of the descriptors that files held open leave free: a folder
// costs one descriptor and a few hundred bytes of the kernel's.
constexpr std::size_t kMaxFolders = 16384;

std::size_t RoundUp(std::size_t n, std::size_t to) {
    return (n + to - 1) / to * to;
}

// Four independent lanes keep the multiplications from waiting on each other. A hash only ever
// proves two blocks different; equal hashes are always followed by a byte comparison.
std::uint64_t BlockHash(const unsigned char* p, std::size_t n) {
    constexpr std::uint64_t kMul = 0x9E3779B97F4A7C15ull;
    std::uint64_t lane[4] = {n, n ^ 0x5555, n ^ 0xAAAA, ~n};
    std::size_t i = 0;
    for (; i + 32 <= n; i += 32)
        for (int l = 0; l < 4; ++l) {
            std::uint64_t w;
            std::memcpy(&w, p + i + 8 * l, 8);
            lane[l] = (lane[l] ^ w) * kMul;
            lane[l] ^= lane[l] >> 31;
        }
    std::uint64_t h = lane[0] ^ (lane[1] * 3) ^ (lane[2] * 5) ^ (lane[3] * 7);
    for (; i < n; ++i)
        h = (h ^ p[i]) * kMul;
    return h ^ (h >> 29);
}

} // namespace

SizeRunJob::File::~File() {
    if (IsOpen())
        platform::readerDescriptors::Give();
}

SizeRunJob::Entry& SizeRunJob::Add(std::int32_t folder, std::string_view name,
                                   const platform::FileStamp& seen) {
    Entry& entry = entries.emplace_back();
    entry.folder = folder;
    entry.name = static_cast<std::uint32_t>(names.size());
    entry.seen = seen;
    names.append(name);
    names.push_back('\0');
    return entry;
}

std::string SizeRunJob::PathOf(const Entry& entry) const {
    return platform::JoinPath(folders[static_cast<std::size_t>(entry.folder)],
                              std::string_view(names.data() + entry.name));
}

// Page-aligned buffers, handed back for the next pass instead of freed.
class SizeRunReader::Buffers {
public:
    static Buffer Get(const std::shared_ptr<Buffers>& buffers, std::size_t bytes);
    void Put(platform::AlignedBuffer memory) {
        std::lock_guard lock(mutex_);
        if (cached_ + memory.size() <= kCachedBytes) {
            cached_ += memory.size();
            free_.push_back(std::move(memory));
        }
    }

private:
    std::mutex mutex_;
    std::vector<platform::AlignedBuffer> free_;
    std::size_t cached_ = 0;
};

struct SizeRunReader::Buffer {
    std::shared_ptr<Buffers> owner;
    platform::AlignedBuffer memory;

    Buffer() = default;
    Buffer(std::shared_ptr<Buffers> o, platform::AlignedBuffer m)
        : owner(std::move(o)), memory(std::move(m)) {}
    Buffer(Buffer&& other) noexcept = default;
    Buffer& operator=(Buffer&& other) noexcept {
        if (this != &other) {
            Reset();
            owner = other.owner;
            memory = std::move(other.memory);
        }
        return *this;
    }
    ~Buffer() { Reset(); }
    unsigned char* data() const { return memory.data(); }
    void Reset() {
        if (memory)
            owner->Put(std::move(memory));
    }
};

SizeRunReader::Buffer SizeRunReader::Buffers::Get(const std::shared_ptr<Buffers>& buffers,
                                                  std::size_t bytes) {
    {
        Buffers& b = *buffers;
        std::lock_guard lock(b.mutex_);
        auto best = b.free_.end();
        for (auto it = b.free_.begin(); it != b.free_.end(); ++it)
            if (it->size() >= bytes && (best == b.free_.end() || it->size() < best->size()))
                best = it;
        if (best != b.free_.end()) {
            Buffer buffer(buffers, std::move(*best));
            b.cached_ -= buffer.memory.size();
            b.free_.erase(best);
            return buffer;
        }
    }
    return Buffer(buffers, platform::AlignedBuffer(bytes));
}

// One round of a class: every member's bytes of one region, or the hash of both ends of every
// member (a sift). Its members are read in chunks, by whichever readers take them; the reader
// that ends the last chunk splits the class.
struct SizeRunReader::Pass {
    std::shared_ptr<SizeRunJob> job;
    std::vector<std::int32_t> members; // files of the job
    std::int64_t prefix = 0;           // bytes known equal at the start
    std::int64_t suffix = 0;           // and at the end
    bool sift = false;
    bool sifted = false; // came out of a sift: compared byte by byte from the start
    std::int64_t offset = 0;
    std::size_t len = 0;
    std::size_t stride = 0;
    std::size_t perChunk = 1;
    std::size_t chunks = 1;
    Buffer buffer;
    std::vector<std::uint64_t> keys;
    std::atomic<std::size_t> left{0};

    unsigned char* Slot(std::size_t s) const { return buffer.data() + s * stride; }
};

SizeRunReader::SizeRunReader(ReaderPool& pool, Limits limits)
    : SizeRunReader(pool, limits, CacheUse{}) {}

SizeRunReader::SizeRunReader(ReaderPool& pool, Limits limits, CacheUse cache)
    : queue_(pool.Queue()), threads_(pool.Threads()), limits_(limits), cache_(std::move(cache)),
      buffers_(std::make_shared<Buffers>()) {
    // Descriptors in use elsewhere count too: files are held open only where they are free.
    const std::size_t free = platform::FreeFileDescriptors();
    const std::size_t spare = threads_ + 1 + kSpareDescriptors;
    limits_.maxOpen = std::min(limits_.maxOpen, free > spare ? (free - spare) / 2 : 0);
    const std::size_t left = free > spare + limits_.maxOpen ? free - spare - limits_.maxOpen : 0;
    folders_ = std::make_unique<platform::FolderHandles>(std::min(kMaxFolders, left / 2));
    platform::readerDescriptors::Plan();
}

SizeRunReader::~SizeRunReader() = default;

template <class Work> void SizeRunReader::Guard(Work work) {
    try {
        work();
    } catch (...) {
        // Only an allocation can fail here. The job it worked on never finishes; the run
        // learns why from OutOfMemory.
        outOfMemory_ = true;
        cancelled_ = true;
        Notify();
    }
}

void SizeRunReader::Cancel() {
    std::lock_guard lock(filesMutex_);
    cancelled_ = true;
    // The jobs may go now: no reader may look at their files again.
    for (SizeRunJob::File* file : idle_)
        file->idle = false;
    idle_.clear();
}

void SizeRunReader::Notify() {
    {
        std::lock_guard lock(progressMutex_);
        ++progressCount_;
    }
    progress_.notify_all();
}

void SizeRunReader::WaitForProgress(int milliseconds) {
    std::unique_lock lock(progressMutex_);
    progress_.wait_for(lock, std::chrono::milliseconds(milliseconds),
                       [this] { return progressCount_ != progressSeen_; });
    progressSeen_ = progressCount_;
}

void SizeRunReader::Start(const std::shared_ptr<SizeRunJob>& job) {
    for (const SizeRunJob::Entry& e : job->entries)
        if (e.file < 0)
            ++job->checked;
    if (job->files.size() < 2) {
        // Nothing to compare: one file, however many links lead to it, is no duplicate.
        job->checked = static_cast<std::int64_t>(job->entries.size());
        job->classOf.assign(job->entries.size(), -1);
        job->done = true;
        return;
    }
    std::vector<std::int32_t> all(job->files.size());
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = static_cast<std::int32_t>(i);
    // In the order of their inodes, which on most file systems is roughly the order of their
    // data on the disk: a rotating disk then seeks less. Later passes keep this order.
    auto inode = [&](std::int32_t f) {
        const platform::FileIdentity& id =
            job->entries[static_cast<std::size_t>(job->files[static_cast<std::size_t>(f)].entry)]
                .seen.identity;
        return std::pair(id.device, id.inode);
    };
    std::sort(all.begin(), all.end(),
              [&](std::int32_t a, std::int32_t b) { return inode(a) < inode(b); });
    if (cache_.cache) {
        // The database is asked on a reader, never on the window's thread.
        job->passes = 1;
        queue_->Post(job->order, [self = shared_from_this(), job, all = std::move(all)]() mutable {
            self->Guard([&] { self->Prepare(job, std::move(all)); });
        });
        return;
    }
    std::vector<std::shared_ptr<Pass>> next;
    Place(job, std::move(all), 0, 0, false, next);
    job->passes = 1;
    Post(next.front());
}

void SizeRunReader::Post(const std::shared_ptr<Pass>& pass) {
    queue_->Post(pass->job->order,
                 [self = shared_from_this(), pass] { self->Guard([&] { self->Begin(pass); }); });
}

void SizeRunReader::Begin(const std::shared_ptr<Pass>& pass) {
    if (cancelled_)
        return;
    Pass& p = *pass;
    if (p.sift)
        p.keys.assign(p.members.size(), 0);
    else
        p.buffer = Buffers::Get(buffers_, p.members.size() * p.stride);
    p.left = p.chunks;
    for (std::size_t c = 1; c < p.chunks; ++c)
        queue_->Post(p.job->order, [self = shared_from_this(), pass, c] {
            self->Guard([&] { self->RunChunk(pass, c); });
        });
    RunChunk(pass, 0);
}

void SizeRunReader::RunChunk(const std::shared_ptr<Pass>& pass, std::size_t chunk) {
    Pass& p = *pass;
    SizeRunJob& job = *p.job;
    const std::size_t from = chunk * p.perChunk;
    const std::size_t to = std::min(p.members.size(), from + p.perChunk);
    Buffer scratch;
    if (p.sift)
        scratch = Buffers::Get(buffers_, 2 * kSiftBlock + 1);
    for (std::size_t s = from; s < to; ++s) {
        if (cancelled_)
            return; // the pass never splits: its job stays unfinished
        SizeRunJob::File& file = job.files[static_cast<std::size_t>(p.members[s])];
        Acquire(file);
        bool ok;
        if (!p.sift) {
            ok = ReadRegion(job, file, p.Slot(s), p.offset, p.len);
            if (ok)
                NoteBlock(job, file, p.Slot(s), p.offset, p.len);
        } else if (job.size <= static_cast<std::int64_t>(2 * kSiftBlock)) {
            const auto n = static_cast<std::size_t>(job.size);
            ok = ReadRegion(job, file, scratch.data(), 0, n);
            p.keys[s] = ok ? BlockHash(scratch.data(), n) : 0;
        } else {
            ok = ReadRegion(job, file, scratch.data(), 0, kSiftBlock) &&
                 ReadRegion(job, file, scratch.data() + kSiftBlock,
                            job.size - static_cast<std::int64_t>(kSiftBlock), kSiftBlock);
            p.keys[s] = ok ? BlockHash(scratch.data(), 2 * kSiftBlock) : 0;
        }
        AfterFirstRead(job, file, ok);
    }
    // No wake-up for progress: the window's thread looks at it between short waits anyway.
    if (p.left.fetch_sub(1) == 1)
        Split(p);
}

void SizeRunReader::Split(Pass& pass) {
    if (cancelled_)
        return;
    SizeRunJob& job = *pass.job;
    std::vector<std::shared_ptr<Pass>> next;
    if (pass.sift)
        SplitSifted(pass, next);
    else
        SplitRead(pass, next);
    pass.buffer.Reset();
    job.passes += static_cast<int>(next.size());
    for (const auto& n : next)
        Post(n);
    EndPass(job);
}

void SizeRunReader::SplitSifted(Pass& pass, std::vector<std::shared_ptr<Pass>>& next) {
    SizeRunJob& job = *pass.job;
    std::vector<std::pair<std::uint64_t, std::int32_t>> keys;
    keys.reserve(pass.members.size());
    for (std::size_t s = 0; s < pass.members.size(); ++s)
        if (!job.files[static_cast<std::size_t>(pass.members[s])].failed)
            keys.emplace_back(pass.keys[s], pass.members[s]);
    std::sort(keys.begin(), keys.end());
    for (std::size_t b = 0; b < keys.size();) {
        std::size_t e = b + 1;
        while (e < keys.size() && keys[e].first == keys[b].first)
            ++e;
        std::vector<std::int32_t> members;
        for (std::size_t k = b; k < e; ++k)
            members.push_back(keys[k].second);
        // Read again from the start and compared byte by byte like any other class.
        Place(pass.job, std::move(members), 0, 0, true, next);
        b = e;
    }
}

void SizeRunReader::SplitRead(Pass& pass, std::vector<std::shared_ptr<Pass>>& next) {
    SizeRunJob& job = *pass.job;
    const std::size_t len = pass.len;
    auto slot = [&](std::size_t s) { return pass.Slot(s); };
    // Slots of the members still readable, split into runs of identical blocks: first those
    // equal to the first member (the common case of a class that stays whole), then the rest
    // sorted by their bytes.
    std::vector<std::size_t> same;
    std::vector<std::size_t> rest;
    for (std::size_t s = 0; s < pass.members.size(); ++s) {
        if (job.files[static_cast<std::size_t>(pass.members[s])].failed)
            continue;
        if (same.empty() || std::memcmp(slot(same[0]), slot(s), len) == 0)
            same.push_back(s);
        else
            rest.push_back(s);
    }
    std::sort(rest.begin(), rest.end(), [&](std::size_t a, std::size_t b) {
        const int c = std::memcmp(slot(a), slot(b), len);
        return c < 0 || (c == 0 && a < b);
    });

    std::int64_t prefix = pass.prefix;
    std::int64_t suffix = pass.suffix;
    if (pass.offset == prefix)
        prefix += static_cast<std::int64_t>(len);
    else
        suffix += static_cast<std::int64_t>(len);
    auto place = [&](auto from, auto to) {
        std::vector<std::int32_t> members;
        for (auto it = from; it != to; ++it) {
            members.push_back(pass.members[*it]);
            // Only files still alike are worth a whole-file digest.
            if (to - from >= 2)
                Stream(job, job.files[static_cast<std::size_t>(members.back())], slot(*it),
                       pass.offset, len);
        }
        Place(pass.job, std::move(members), prefix, suffix, pass.sifted, next);
    };
    place(same.begin(), same.end());
    for (std::size_t b = 0; b < rest.size();) {
        std::size_t e = b + 1;
        while (e < rest.size() && std::memcmp(slot(rest[b]), slot(rest[e]), len) == 0)
            ++e;
        place(rest.begin() + static_cast<std::ptrdiff_t>(b),
              rest.begin() + static_cast<std::ptrdiff_t>(e));
        b = e;
    }
}

void SizeRunReader::Place(const std::shared_ptr<SizeRunJob>& owner,
                          std::vector<std::int32_t> members, std::int64_t prefix,
                          std::int64_t suffix, bool sifted,
                          std::vector<std::shared_ptr<Pass>>& next) {
    SizeRunJob& job = *owner;
    const std::int64_t size = job.size;
    if (members.size() < 2 || prefix + suffix >= size) {
        if (members.size() >= 2) {
            std::lock_guard lock(job.mutex);
            job.classes.push_back(members);
        }
        for (std::int32_t m : members)
            Release(job.files[static_cast<std::size_t>(m)]);
        return;
    }
    auto pass = std::make_shared<Pass>();
    Pass& p = *pass;
    p.job = owner;
    p.prefix = prefix;
    p.suffix = suffix;
    p.sifted = sifted;
    const std::size_t n = members.size();
    p.members = std::move(members);
    const std::size_t budget = limits_.bufferBudget;
    if (prefix == 0 && !sifted &&
        n * static_cast<std::size_t>(std::min<std::int64_t>(kFirstBlock, size)) > budget) {
        // Holding the first block of every file would take the buffers many times over; a
        // hash of both ends sets apart the files that differ, which are most of a long run.
        p.sift = true;
        p.perChunk = kChunkFiles;
    } else {
        const std::size_t share = budget / n;
        const std::size_t cap =
            share >= kPage ? share / kPage * kPage : std::max(kLine, share / kLine * kLine);
        const std::int64_t rest = size - prefix - suffix;
        auto upTo = [&](std::size_t block) {
            return static_cast<std::size_t>(
                std::min<std::int64_t>(static_cast<std::int64_t>(std::min(block, cap)), rest));
        };
        if (prefix == 0) {
            p.len = upTo(kFirstBlock);
            p.offset = 0;
        } else if (suffix == 0) {
            p.len = upTo(kTailBlock);
            p.offset = size - static_cast<std::int64_t>(p.len);
        } else {
            p.len = upTo(kBlock);
            p.offset = prefix;
        }
        // A region that ends the file asks for one byte more, to see that it ends there.
        const bool ends = p.offset + static_cast<std::int64_t>(p.len) == size;
        const std::size_t bytes = p.len + (ends ? 1 : 0);
        p.stride = RoundUp(bytes, bytes >= kPage ? kPage : kLine);
        p.perChunk = std::clamp<std::size_t>(kChunkBytes / p.stride, 1, kChunkFiles);
    }
    p.chunks = (n + p.perChunk - 1) / p.perChunk;
    next.push_back(std::move(pass));
}

void SizeRunReader::EndPass(SizeRunJob& job) {
    if (job.passes.fetch_sub(1) == 1)
        Finish(job);
}

void SizeRunReader::Finish(SizeRunJob& job) {
    if (cancelled_)
        return;
    const std::size_t entries = job.entries.size();
    std::vector<std::int32_t> classOfFile(job.files.size(), -1);
    for (std::size_t c = 0; c < job.classes.size(); ++c)
        for (std::int32_t f : job.classes[c])
            classOfFile[static_cast<std::size_t>(f)] = static_cast<std::int32_t>(c);
    // Files trusted by their digests join the class of the file whose digest they share, or
    // make one with it.
    std::size_t classes = job.classes.size();
    std::map<std::int32_t, std::int32_t> madeFor;
    for (std::size_t f = 0; f < job.files.size(); ++f) {
        const std::int32_t with = job.files[f].trustedWith;
        if (with < 0)
            continue;
        std::int32_t& c = classOfFile[static_cast<std::size_t>(with)];
        if (c < 0) {
            auto [it, added] = madeFor.emplace(with, static_cast<std::int32_t>(classes));
            classes += added ? 1 : 0;
            classOfFile[f] = it->second;
            if (!job.files[static_cast<std::size_t>(with)].failed)
                c = it->second;
        } else {
            classOfFile[f] = c;
        }
    }
    // A path that no longer leads to the file that was read, as it was read (or, settled by
    // the cache, to the file whose stamp its entry matched), stands for nothing that was
    // compared: it drops out. A class needs two different files that stay.
    std::vector<std::int32_t> candidates;
    for (std::size_t e = 0; e < entries; ++e) {
        const SizeRunJob::Entry& entry = job.entries[e];
        if (entry.file < 0 || classOfFile[static_cast<std::size_t>(entry.file)] < 0)
            continue;
        // The file was found as the entry that opens it saw it; another entry that saw it
        // otherwise (changed between two looks of the scan) stands for something else.
        const SizeRunJob::File& file = job.files[static_cast<std::size_t>(entry.file)];
        if (file.asSeen && job.entries[static_cast<std::size_t>(file.entry)].seen == entry.seen)
            candidates.push_back(static_cast<std::int32_t>(e));
    }
    const std::vector<bool> stays = StillThere(job, std::move(candidates));
    std::vector<std::int32_t> classOf(entries, -1);
    std::vector<std::int32_t> lastFile(classes, -1);
    std::vector<int> files(classes, 0);
    for (std::size_t e = 0; e < entries; ++e) {
        if (!stays[e])
            continue;
        const SizeRunJob::Entry& entry = job.entries[e];
        const std::int32_t c = classOfFile[static_cast<std::size_t>(entry.file)];
        classOf[e] = c;
        if (lastFile[static_cast<std::size_t>(c)] != entry.file) {
            // Counts changes of file: a file counted again after another one's entries leaves
            // the count at two or more, which is exactly when two files stay.
            lastFile[static_cast<std::size_t>(c)] = entry.file;
            ++files[static_cast<std::size_t>(c)];
        }
    }
    for (std::int32_t& c : classOf)
        if (c >= 0 && files[static_cast<std::size_t>(c)] < 2)
            c = -1;
    StoreDigests(job);
    job.classOf = std::move(classOf);
    job.done = true;
    // Only the job the window's thread waits for wakes it: with thousands of small runs read
    // ahead, a wake-up for each cost more than reading them. Of the two stores, done and
    // awaited, each side sees at least the other's, so no wake-up is lost.
    if (job.awaited)
        Notify();
}

std::vector<bool> SizeRunReader::StillThere(const SizeRunJob& job,
                                            std::vector<std::int32_t> candidates) {
    std::vector<bool> stays(job.entries.size(), false);
    auto folderOf = [&](std::int32_t e) { return job.entries[static_cast<std::size_t>(e)].folder; };
    std::stable_sort(candidates.begin(), candidates.end(),
                     [&](std::int32_t a, std::int32_t b) { return folderOf(a) < folderOf(b); });
    for (std::size_t i = 0; i < candidates.size();) {
        const std::int32_t folder = folderOf(candidates[i]);
        std::size_t end = i + 1;
        while (end < candidates.size() && folderOf(candidates[end]) == folder)
            ++end;
        // Several entries of one folder: the folder is looked up from the root once, here
        // after every read of the run, and each name in it. That is what a look-up of each
        // whole path would find now: the folder's descriptor is opened by its path at this
        // moment, never one kept from the reads, which may have been renamed or replaced since.
        // Symbolic links on the way are followed, the last one not, as lstat does.
        // The descriptor counts against the readers' share like any other they hold; without
        // one to spare, each path is looked up whole.
        int fd = -1;
        if (end - i > 1 && platform::readerDescriptors::TryTake()) {
            fd = ::open(job.folders[static_cast<std::size_t>(folder)].data(),
                        O_PATH | O_DIRECTORY | O_CLOEXEC);
            if (fd < 0)
                platform::readerDescriptors::Give();
        }
        for (; i < end; ++i) {
            const SizeRunJob::Entry& entry = job.entries[static_cast<std::size_t>(candidates[i])];
            platform::FileStamp now;
            const bool there = fd >= 0 ? platform::StampAt(fd, job.names.data() + entry.name, now)
                                       : platform::StampOf(job.PathOf(entry), now);
            stays[static_cast<std::size_t>(candidates[i])] = there && now == entry.seen;
        }
        if (fd >= 0) {
            ::close(fd);
            platform::readerDescriptors::Give();
        }
    }
    return stays;
}

bool SizeRunReader::ReadRegion(SizeRunJob& job, SizeRunJob::File& file, unsigned char* slot,
                               std::int64_t offset, std::size_t len) {
    const bool ends = offset + static_cast<std::int64_t>(len) == job.size;
    // A failed read may be the device's passing trouble: the file is opened once more.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!file.IsOpen() && !Open(job, file))
            return false;
        if (ends ? file.in->ReadEnd(slot, len, offset)
                 : file.in->ReadAt(slot, len, offset) == static_cast<std::int64_t>(len))
            return true;
        Close(file);
    }
    // A file that is still as the scan saw it could not be read; one changed since is simply
    // not the file that was seen.
    const SizeRunJob::Entry& entry = job.entries[static_cast<std::size_t>(file.entry)];
    platform::FileStamp now;
    if (file.error == 0 && platform::StampOf(job.PathOf(entry), now) && now == entry.seen)
        file.error = EIO;
    return false;
}

bool SizeRunReader::Open(SizeRunJob& job, SizeRunJob::File& file) {
    const SizeRunJob::Entry& entry = job.entries[static_cast<std::size_t>(file.entry)];
    const std::string path = job.PathOf(entry);
    if (!file.in)
        file.in = std::make_unique<platform::InputFile>();
    const int error = platform::readerDescriptors::OpenAsReader(
        [&] { return folders_->Open(path, *file.in) ? 0 : file.in->OpenError(); },
        [this] { return cancelled_.load(); },
        [this] { return CloseIdleFiles() || folders_->Release(); });
    if (error != 0) {
        // Gone, or something else than a regular file now: changed since the scan, not unreadable.
        if (error != ENOENT && error != ENOTDIR && error != ELOOP)
            file.error = error;
        return false;
    }
    ++open_;
    if (!file.counted) {
        file.counted = true;
        if (cache_.counts)
            ++cache_.counts->opened;
    }
    // Only the file the scan saw, unchanged, may join a class: on every opening, so that a
    // file replaced between two blocks drops out too.
    file.asSeen = file.in->Stamp() == entry.seen;
    if (file.asSeen)
        return true;
    // Changed since the scan, or on a file system that never shows one file the same way twice:
    // two looks a moment apart tell which.
    platform::FileStamp first, second;
    file.unstable = platform::StampOf(path, first) && platform::StampOf(path, second) &&
                    first.size == second.size && !(first == second);
    return false;
}

void SizeRunReader::Acquire(SizeRunJob::File& file) {
    std::lock_guard lock(filesMutex_);
    if (file.idle) {
        file.idle = false;
        idle_.erase(&file);
    }
}

void SizeRunReader::Park(SizeRunJob::File& file) {
    {
        std::lock_guard lock(filesMutex_);
        if (file.IsOpen() && open_ <= limits_.maxOpen && !cancelled_) {
            file.idle = true;
            idle_.insert(&file);
            return;
        }
    }
    Close(file);
}

void SizeRunReader::Close(SizeRunJob::File& file) {
    if (file.IsOpen()) {
        // Its path and buffers go with it: a large run holds many files, few of them open.
        file.in.reset();
        --open_;
        platform::readerDescriptors::Give();
    }
}

void SizeRunReader::Release(SizeRunJob::File& file) {
    Acquire(file);
    Close(file);
}

bool SizeRunReader::CloseIdleFiles() {
    std::lock_guard lock(filesMutex_);
    if (idle_.empty())
        return false;
    for (SizeRunJob::File* file : idle_) {
        file->idle = false;
        Close(*file);
    }
    idle_.clear();
    return true;
}

void SizeRunReader::Prepare(const std::shared_ptr<SizeRunJob>& owner,
                            std::vector<std::int32_t> all) {
    if (cancelled_)
        return;
    SizeRunJob& job = *owner;
    auto fileOf = [&](std::int32_t f) -> SizeRunJob::File& {
        return job.files[static_cast<std::size_t>(f)];
    };
    // In slices, so that the paths of a run of many small files are never all made at once.
    constexpr std::size_t kLookupSlice = 4096;
    for (std::size_t from = 0; from < all.size(); from += kLookupSlice) {
        const std::size_t to = std::min(all.size(), from + kLookupSlice);
        std::vector<cache::ContentCache::Query> batch(to - from);
        std::vector<std::string> paths(to - from); // what the queries' paths refer to
        for (std::size_t i = from; i < to; ++i) {
            const SizeRunJob::Entry& e =
                job.entries[static_cast<std::size_t>(fileOf(all[i]).entry)];
            paths[i - from] = job.PathOf(e);
            batch[i - from].path = paths[i - from];
            batch[i - from].stamp = e.seen;
        }
        cache_.cache->Lookup(batch);
        for (std::size_t i = from; i < to; ++i)
            if (batch[i - from].found.Any())
                fileOf(all[i]).known = std::make_unique<cache::Digests>(batch[i - from].found);
    }
    // Trusted: of the files with one whole-file digest, the first stands for the others, which
    // are not read; it is compared with the rest as any file is.
    std::vector<std::int32_t> open;
    std::map<cache::FileDigest, std::int32_t> standsFor;
    for (std::int32_t f : all) {
        SizeRunJob::File& file = fileOf(f);
        if (cache_.trust && file.Known().hasWhole) {
            auto [it, added] = standsFor.emplace(file.Known().whole, f);
            if (!added) {
                file.trustedWith = it->second;
                Settle(job, file);
                continue;
            }
        }
        open.push_back(f);
    }
    // Digests prove files different only where both have one: a file without a first-block
    // digest has its first block read, when the others have theirs.
    const bool anyFirst = std::any_of(open.begin(), open.end(),
                                      [&](std::int32_t f) { return fileOf(f).Known().hasFirst; });
    if (anyFirst)
        for (std::int32_t f : open)
            if (!fileOf(f).Known().hasFirst && !cancelled_)
                ReadFirst(job, fileOf(f));
    if (cancelled_)
        return;
    std::vector<std::shared_ptr<Pass>> next;
    if (open.size() < 2) {
        // Nothing left to compare it with: a representative of trusted files stands unread.
        for (std::int32_t f : open)
            Settle(job, fileOf(f));
    } else if (!anyFirst) {
        Place(owner, std::move(open), 0, 0, false, next);
    } else {
        // Files of different first blocks are read apart. Within one first block, a file that
        // no other can match on the last block and the whole file (where both have a digest)
        // is settled unread.
        struct Level {
            int files = 0;
            int noWhole = 0;
            std::map<cache::FileDigest, int> whole;
            void Add(const cache::Digests& d) {
                ++files;
                if (d.hasWhole)
                    ++whole[d.whole];
                else
                    ++noWhole;
            }
            int Matching(const cache::Digests& d) const {
                if (!d.hasWhole)
                    return files;
                auto it = whole.find(d.whole);
                return noWhole + (it == whole.end() ? 0 : it->second);
            }
        };
        std::map<cache::BlockDigest, std::vector<std::int32_t>> byFirst;
        std::vector<cache::Digests> digests(job.files.size());
        for (std::int32_t f : open) {
            SizeRunJob::File& file = fileOf(f);
            if (file.failed)
                continue;
            cache::Digests d = file.Known();
            d.Merge(file.fresh);
            digests[static_cast<std::size_t>(f)] = d;
            byFirst[d.first].push_back(f);
        }
        for (auto& [first, members] : byFirst) {
            Level all, noLast;
            std::map<cache::BlockDigest, Level> byLast;
            for (std::int32_t f : members) {
                const cache::Digests& d = digests[static_cast<std::size_t>(f)];
                all.Add(d);
                (d.hasLast ? byLast[d.last] : noLast).Add(d);
            }
            std::vector<std::int32_t> keep;
            for (std::int32_t f : members) {
                const cache::Digests& d = digests[static_cast<std::size_t>(f)];
                // Counts the file itself too.
                const int alike =
                    d.hasLast ? byLast[d.last].Matching(d) + noLast.Matching(d) : all.Matching(d);
                if (alike > 1)
                    keep.push_back(f);
                else
                    Settle(job, fileOf(f));
            }
            if (keep.size() == 1)
                Settle(job, fileOf(keep.front()));
            else if (!keep.empty())
                Place(owner, std::move(keep), 0, 0, false, next);
        }
    }
    job.passes += static_cast<int>(next.size());
    for (const auto& n : next)
        Post(n);
    EndPass(job);
}

void SizeRunReader::Settle(SizeRunJob& job, SizeRunJob::File& file) {
    file.settled = !file.counted;
    if (!file.counted)
        file.asSeen = true;
    if (file.settled && cache_.counts)
        ++cache_.counts->fromCache;
    Release(file);
    if (!file.read) {
        file.read = true;
        job.checked += file.entries;
    }
}

void SizeRunReader::ReadFirst(SizeRunJob& job, SizeRunJob::File& file) {
    const auto n = static_cast<std::size_t>(cache::RegionsOf(job.size).first);
    Buffer scratch = Buffers::Get(buffers_, n + 1);
    const bool ok = ReadRegion(job, file, scratch.data(), 0, n);
    if (ok)
        NoteBlock(job, file, scratch.data(), 0, n);
    AfterFirstRead(job, file, ok);
    Notify();
}

void SizeRunReader::AfterFirstRead(SizeRunJob& job, SizeRunJob::File& file, bool ok) {
    if (ok) {
        Park(file);
    } else {
        file.failed = true;
        Close(file);
    }
    if (!file.read) {
        file.read = true;
        job.checked += file.entries;
    }
}

void SizeRunReader::NoteBlock(SizeRunJob& job, SizeRunJob::File& file, const unsigned char* data,
                              std::int64_t offset, std::size_t len) {
    if (!cache_.cache)
        return;
    const cache::Regions r = cache::RegionsOf(job.size);
    const auto n = static_cast<std::int64_t>(len);
    if (offset == 0 && n == r.first) {
        file.fresh.first = cache::HashBlock(data, len);
        file.fresh.hasFirst = true;
    }
    if (r.tail > 0 && offset == job.size - r.tail && n == r.tail) {
        file.fresh.last = cache::HashBlock(data, len);
        file.fresh.hasLast = true;
    }
}

void SizeRunReader::Stream(SizeRunJob& job, SizeRunJob::File& file, const unsigned char* data,
                           std::int64_t offset, std::size_t len) {
    // A rescan does not hash again what the cache already holds.
    if (!cache_.cache || file.broken || file.fresh.hasWhole || file.Known().hasWhole)
        return;
    const cache::Regions r = cache::RegionsOf(job.size);
    const std::int64_t tailAt = job.size - r.tail;
    const auto n = static_cast<std::int64_t>(len);
    if (!file.stream)
        file.stream = std::make_unique<SizeRunJob::Streaming>();
    SizeRunJob::Streaming& s = *file.stream;
    if (r.tail > 0 && offset == tailAt && n == r.tail) {
        s.tail = cache::Sha256(data, len);
        s.hasTail = true;
    } else if (offset == s.streamed && offset + n <= tailAt) {
        s.digest.Add(data, len);
        s.streamed += n;
    } else {
        file.broken = true; // read in other pieces than the digest is made of
        file.stream.reset();
        return;
    }
    if (r.tail == 0 && !s.hasTail) {
        s.tail = cache::Sha256("", 0);
        s.hasTail = true;
    }
    if (s.hasTail && s.streamed == tailAt) {
        file.fresh.whole = s.digest.Finish(s.tail);
        file.fresh.hasWhole = true;
        file.stream.reset();
    }
}

void SizeRunReader::StoreDigests(SizeRunJob& job) {
    if (!cache_.cache)
        return;
    for (SizeRunJob::File& file : job.files) {
        const SizeRunJob::Entry& entry = job.entries[static_cast<std::size_t>(file.entry)];
        if (!file.counted || file.failed || !file.asSeen)
            continue;
        // What was read now wins over an entry it contradicts.
        cache::Digests d = file.fresh;
        if (!d.ProvesDifferent(file.Known()))
            d.Merge(file.Known());
        if (!(d == file.Known()))
            cache_.cache->Store(job.PathOf(entry), entry.seen, d);
    }
}
