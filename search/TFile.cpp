#include "search/TFile.h"

#include "platform/Paths.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstring>
#include <mutex>
#include <new>
#include <stdexcept>

#include <sys/mman.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define KELVARO_POISON(p, n) ASAN_POISON_MEMORY_REGION(p, n)
#define KELVARO_UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION(p, n)
#else
#define KELVARO_POISON(p, n) ((void)(p), (void)(n))
#define KELVARO_UNPOISON(p, n) ((void)(p), (void)(n))
#endif

namespace {

// Large enough that a chunk's bookkeeping costs well under a byte a file, small enough that a
// chunk left with a few entries after a removal holds little.
constexpr std::size_t kChunkBytes = 8192;

constexpr std::size_t kDevices = 4096;
constexpr std::uint16_t kOtherDevices = kDevices - 1;
// No device has this number.
constexpr dev_t kNoDevice = ~dev_t{0};

struct DeviceTable {
    std::mutex mutex; // for adding
    std::atomic<std::size_t> count{1};
    // Written once, before count covers them: read without the lock.
    std::atomic<dev_t> numbers[kDevices] = {};
};

DeviceTable& Devices() {
    static DeviceTable* table = new DeviceTable; // never freed: entries outlive statics
    return *table;
}

} // namespace

std::uint16_t DeviceIndex(dev_t device) {
    DeviceTable& t = Devices();
    static thread_local std::uint16_t last = 0;
    if (t.numbers[last].load(std::memory_order_relaxed) == device)
        return last;
    auto find = [&](std::size_t n) -> int {
        for (std::size_t i = 0; i < n; ++i)
            if (t.numbers[i].load(std::memory_order_relaxed) == device)
                return static_cast<int>(i);
        return -1;
    };
    int at = find(t.count.load(std::memory_order_acquire));
    if (at < 0) {
        std::lock_guard lock(t.mutex);
        const std::size_t n = t.count.load(std::memory_order_relaxed);
        at = find(n);
        if (at < 0) {
            if (n == kOtherDevices)
                return kOtherDevices;
            t.numbers[n].store(device, std::memory_order_relaxed);
            t.count.store(n + 1, std::memory_order_release);
            at = static_cast<int>(n);
        }
    }
    last = static_cast<std::uint16_t>(at);
    return last;
}

dev_t DeviceNumber(std::uint16_t index) {
    if (index == kOtherDevices)
        return kNoDevice;
    return Devices().numbers[index].load(std::memory_order_relaxed);
}

// At the start of its memory; the entries follow it, and the names fill in from the end.
struct TFileList::Chunk {
    std::uint32_t used = 0;                // entries made
    std::uint32_t live = 0;                // entries not taken out
    std::uint32_t namesFrom = kChunkBytes; // where the names begin
    std::uint32_t slab = 0;                // which of the list's slabs holds it
    Chunk* next = nullptr;                 // in the list of chunks given back

    static Chunk* Of(const TFile* file) {
        return reinterpret_cast<Chunk*>(reinterpret_cast<std::uintptr_t>(file) &
                                        ~std::uintptr_t{kChunkBytes - 1});
    }
    char* Bytes() { return reinterpret_cast<char*>(this); }
    TFile* Entries() { return reinterpret_cast<TFile*>(Bytes() + kHeader); }
    bool Fits(std::string_view name) const {
        return kHeader + (used + 1) * sizeof(TFile) + name.size() + 1 <= namesFrom;
    }
    // A new entry with a copy of name and a NUL after it; needs Fits(name).
    TFile* Make(std::string_view name) {
        namesFrom -= static_cast<std::uint32_t>(name.size() + 1);
        char* kept = Bytes() + namesFrom;
        if (!name.empty())
            std::memcpy(kept, name.data(), name.size());
        kept[name.size()] = '\0';
        TFile* file = new (Entries() + used++) TFile;
        file->NameAt = static_cast<std::int32_t>(kept - reinterpret_cast<char*>(file));
        ++live;
        return file;
    }

    static constexpr std::size_t kHeader = 32;
};

TFileList::TFileList() = default;

TFileList::~TFileList() {
    Clear();
}

TFileList::Chunk* TFileList::NewChunk() {
    static_assert(sizeof(Chunk) <= Chunk::kHeader);
    static_assert(kMaxName + 1 + sizeof(TFile) + Chunk::kHeader <= kChunkBytes);
    static_assert(Chunk::kHeader % alignof(TFile) == 0 && sizeof(TFile) % alignof(TFile) == 0);
    Chunk* chunk = free_;
    std::uint32_t slab = 0;
    if (chunk) {
        free_ = chunk->next;
        slab = chunk->slab;
    } else {
        if (slabNext_ == slabEnd_) {
            if (slabs_.size() == kMaxSlabs)
                throw std::bad_alloc();
            // Aligned to a chunk: the slack before and after goes back at once.
            const std::size_t bytes = kSlabBytes + kChunkBytes;
            void* mapped =
                mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
            if (mapped == MAP_FAILED)
                throw std::bad_alloc();
            const auto start = reinterpret_cast<std::uintptr_t>(mapped);
            const std::uintptr_t aligned =
                (start + kChunkBytes - 1) & ~std::uintptr_t{kChunkBytes - 1};
            if (aligned > start)
                munmap(mapped, aligned - start);
            if (aligned + kSlabBytes < start + bytes)
                munmap(reinterpret_cast<void*>(aligned + kSlabBytes),
                       start + bytes - aligned - kSlabBytes);
            try {
                slabs_.push_back(reinterpret_cast<void*>(aligned));
            } catch (...) {
                munmap(reinterpret_cast<void*>(aligned), kSlabBytes);
                throw;
            }
            slabNext_ = reinterpret_cast<char*>(aligned);
            slabEnd_ = slabNext_ + kSlabBytes;
        }
        chunk = reinterpret_cast<Chunk*>(slabNext_);
        slabNext_ += kChunkBytes;
        slab = static_cast<std::uint32_t>(slabs_.size() - 1);
    }
    KELVARO_UNPOISON(chunk, kChunkBytes);
    ++chunks_;
    Chunk* made = new (chunk) Chunk;
    made->slab = slab;
    return made;
}

FilePositions::Handle TFileList::HandleOf(const TFile* file) const {
    const Chunk* chunk = Chunk::Of(file);
    const std::uintptr_t offset = reinterpret_cast<std::uintptr_t>(file) -
                                  reinterpret_cast<std::uintptr_t>(slabs_[chunk->slab]);
    return static_cast<FilePositions::Handle>(chunk->slab << kOffsetBits | offset / alignof(TFile));
}

TFile* TFileList::Add(std::string_view name) {
    if (name.size() > kMaxName)
        throw std::length_error("file name too long");
    items_.push_back(0); // its place first: no entry is made that the list does not hold
    try {
        if (!current_ || !current_->Fits(name))
            current_ = NewChunk();
        TFile* file = current_->Make(name);
        items_[items_.size() - 1] = HandleOf(file);
        return file;
    } catch (...) {
        items_.pop_back();
        throw;
    }
}

void TFileList::Free(TFile* file) {
    Chunk* chunk = Chunk::Of(file);
    // A freed entry is not to be touched again: the sanitizers say so when it is.
    KELVARO_POISON(file, sizeof(TFile));
    if (--chunk->live == 0) {
        if (current_ == chunk)
            current_ = nullptr;
        // Its pages but the first go back to the system.
        madvise(chunk->Bytes() + 4096, kChunkBytes - 4096, MADV_DONTNEED);
        chunk->next = free_;
        free_ = chunk;
        KELVARO_POISON(chunk->Bytes() + Chunk::kHeader, kChunkBytes - Chunk::kHeader);
        --chunks_;
    }
}

void TFileList::Clear() {
    items_.Shrink(0);
    for (void* slab : slabs_) {
        // Memory the sanitizers were told of as freed is no longer theirs to watch.
        KELVARO_UNPOISON(slab, kSlabBytes);
        munmap(slab, kSlabBytes);
    }
    slabs_.clear();
    slabNext_ = slabEnd_ = nullptr;
    free_ = current_ = nullptr;
    chunks_ = 0;
}

void TFileList::Delete(std::int64_t i) {
    TFile* file = (*this)[i];
    for (auto j = static_cast<std::size_t>(i); j + 1 < items_.size(); ++j)
        items_[j] = items_[j + 1];
    items_.pop_back();
    Free(file);
}

TFileList::Footprint TFileList::Measure() const {
    Footprint f;
    f.chunks = chunks_;
    f.chunkBytes = chunks_ * kChunkBytes;
    f.slabBytes = slabs_.size() * kSlabBytes;
    f.positionBytes = items_.Bytes();
    return f;
}

std::string_view PathBlocks::Keep(std::string_view path) {
    const std::size_t needed = path.size() + 1;
    if (needed > left_) {
        const std::size_t size = std::max(needed, kBlockBytes);
        blocks_.push_back(std::make_unique_for_overwrite<char[]>(size));
        next_ = blocks_.back().get();
        left_ = size;
    }
    if (!path.empty())
        std::memcpy(next_, path.data(), path.size());
    next_[path.size()] = '\0';
    const std::string_view kept(next_, path.size());
    next_ += needed;
    left_ -= needed;
    bytes_ += needed;
    return kept;
}

TDirList::TDirList(std::vector<std::string> folders) {
    auto kept = std::make_shared<PathBlocks>();
    std::vector<std::string_view> paths;
    paths.reserve(folders.size());
    for (const std::string& folder : folders)
        paths.push_back(kept->Keep(folder));
    block_ = std::make_shared<const Block>(Block{std::move(kept), std::move(paths)});
}

TDirList::TDirList(std::shared_ptr<const void> owner, std::vector<std::string_view> paths)
    : block_(std::make_shared<const Block>(Block{std::move(owner), std::move(paths)})) {}

std::string EntryPath(const TDirList& dirs, const TFile& file) {
    const auto folder = EntryFolder(dirs, file);
    return folder ? platform::JoinPath(*folder, file.Name()) : std::string();
}
