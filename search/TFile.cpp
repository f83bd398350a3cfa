#include "search/TFile.h"

#include "platform/Paths.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstring>
#include <mutex>
#include <new>
#include <stdexcept>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define KELVARO_POISON(p, n) ASAN_POISON_MEMORY_REGION(p, n)
#define KELVARO_UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION(p, n)
#else
#define KELVARO_POISON(p, n) ((void)(p), (void)(n))
#define KELVARO_UNPOISON(p, n) ((void)(p), (void)(n))
#endif

namespace {

// Large enough that a chunk's bookkeeping costs about a byte a file, small enough to fit the
// room that freed folder listings leave in the heap.
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

// Its entries fill its memory from the front and their names from the back.
struct TFileList::Chunk {
    Chunk() : memory(new std::max_align_t[kChunkBytes / sizeof(std::max_align_t)]) {}
    ~Chunk() { KELVARO_UNPOISON(memory.get(), kChunkBytes); }

    char* Bytes() const { return reinterpret_cast<char*>(memory.get()); }
    TFile* Entries() const { return reinterpret_cast<TFile*>(memory.get()); }
    bool Fits(std::string_view name) const {
        return (used + 1) * sizeof(TFile) + name.size() + 1 <= namesFrom;
    }
    // A new entry with a copy of name and a NUL after it; needs Fits(name).
    TFile* Make(std::string_view name) {
        namesFrom -= name.size() + 1;
        char* kept = Bytes() + namesFrom;
        if (!name.empty())
            std::memcpy(kept, name.data(), name.size());
        kept[name.size()] = '\0';
        TFile* file = new (Entries() + used++) TFile;
        file->NameAt = static_cast<std::int32_t>(kept - reinterpret_cast<char*>(file));
        ++live;
        return file;
    }

    std::unique_ptr<std::max_align_t[]> memory;
    std::size_t used = 0; // entries made
    std::size_t live = 0; // entries not taken out
    std::size_t namesFrom = kChunkBytes;
};

TFileList::TFileList() = default;
TFileList::~TFileList() = default;

TFile* TFileList::Add(std::string_view name) {
    static_assert(kMaxName + 1 + sizeof(TFile) <= kChunkBytes);
    if (name.size() > kMaxName)
        throw std::length_error("file name too long");
    items_.push_back(nullptr); // its place first: no entry is made that the list does not hold
    try {
        if (!current_ || !current_->Fits(name)) {
            auto chunk = std::make_unique<Chunk>();
            Chunk* made = chunk.get();
            chunks_.emplace(made->Bytes(), std::move(chunk));
            current_ = made;
        }
        TFile* file = current_->Make(name);
        items_[items_.size() - 1] = file;
        return file;
    } catch (...) {
        items_.pop_back();
        throw;
    }
}

void TFileList::Free(TFile* file) {
    auto it = chunks_.upper_bound(reinterpret_cast<const char*>(file));
    --it; // every entry lies in the chunk that starts at or before it
    Chunk& chunk = *it->second;
    // A freed entry is not to be touched again: the sanitizers say so when it is.
    KELVARO_POISON(file, sizeof(TFile));
    if (--chunk.live == 0) {
        if (current_ == &chunk)
            current_ = nullptr;
        chunks_.erase(it);
    }
}

void TFileList::Clear() {
    items_.Shrink(0);
    chunks_.clear();
    current_ = nullptr;
}

void TFileList::Delete(std::int64_t i) {
    TFile* file = items_[static_cast<std::size_t>(i)];
    for (auto j = static_cast<std::size_t>(i); j + 1 < items_.size(); ++j)
        items_[j] = items_[j + 1];
    items_.pop_back();
    Free(file);
}

TFileList::Footprint TFileList::Measure() const {
    Footprint f;
    f.chunks = chunks_.size();
    f.chunkBytes = chunks_.size() * kChunkBytes;
    f.positionBytes = items_.Bytes();
    return f;
}

std::string EntryPath(const TDirList& dirs, const TFile& file) {
    const std::string* folder = EntryFolder(dirs, file);
    return folder ? platform::JoinPath(*folder, file.Name()) : std::string();
}
