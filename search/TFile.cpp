#include "search/TFile.h"

#include "platform/Paths.h"

#include <algorithm>
#include <cstring>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define KELVARO_POISON(p, n) ASAN_POISON_MEMORY_REGION(p, n)
#define KELVARO_UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION(p, n)
#else
#define KELVARO_POISON(p, n) ((void)(p), (void)(n))
#define KELVARO_UNPOISON(p, n) ((void)(p), (void)(n))
#endif

namespace {

// 4 KiB of entries and 2 KiB of names at a time: small enough to fit the gaps that freed
// folder listings leave in the heap, large enough that the bookkeeping of a chunk (some 200
// bytes) costs about 3 bytes a file.
constexpr std::size_t kEntriesPerChunk = 64;
constexpr std::size_t kNameBlock = 2048;

} // namespace

struct TFileList::Chunk {
    std::unique_ptr<TFile[]> entries{new TFile[kEntriesPerChunk]};
    std::size_t used = 0;
    std::size_t live = 0;
    std::vector<std::unique_ptr<char[]>> names;
    std::size_t nameBlockSize = 0;
    std::size_t nameUsed = 0;
    std::size_t nameBytes = 0; // every block's size

    // A copy of name with a NUL after it, kept as long as the chunk.
    const char* Keep(std::string_view name) {
        const std::size_t need = name.size() + 1;
        if (names.empty() || nameBlockSize - nameUsed < need) {
            nameBlockSize = std::max(kNameBlock, need);
            names.emplace_back(new char[nameBlockSize]);
            nameUsed = 0;
            nameBytes += nameBlockSize;
        }
        char* at = names.back().get() + nameUsed;
        if (!name.empty())
            std::memcpy(at, name.data(), name.size());
        at[name.size()] = '\0';
        nameUsed += need;
        return at;
    }
    ~Chunk() { KELVARO_UNPOISON(entries.get(), kEntriesPerChunk * sizeof(TFile)); }
};

TFileList::TFileList() = default;
TFileList::~TFileList() = default;

TFileList::Chunk& TFileList::Current() {
    if (!current_ || current_->used == kEntriesPerChunk) {
        auto chunk = std::make_unique<Chunk>();
        current_ = chunk.get();
        chunks_.emplace(chunk->entries.get(), std::move(chunk));
    }
    return *current_;
}

TFile* TFileList::Add(std::string_view name) {
    items_.push_back(nullptr); // its place first: no entry is made that the list does not hold
    try {
        Chunk& chunk = Current();
        const char* kept = chunk.Keep(name);
        TFile* file = &chunk.entries[chunk.used++];
        *file = TFile{};
        file->NameBytes = kept;
        ++chunk.live;
        items_[items_.size() - 1] = file;
        return file;
    } catch (...) {
        items_.pop_back();
        throw;
    }
}

void TFileList::Free(TFile* file) {
    auto it = chunks_.upper_bound(file);
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
    for (const auto& [first, chunk] : chunks_) {
        f.entryBytes += kEntriesPerChunk * sizeof(TFile);
        f.nameBytes += chunk->nameBytes;
    }
    f.positionBytes = items_.Bytes();
    return f;
}

std::string EntryPath(const TDirList& dirs, const TFile& file) {
    const std::string* folder = EntryFolder(dirs, file);
    return folder ? platform::JoinPath(*folder, file.Name()) : std::string();
}
