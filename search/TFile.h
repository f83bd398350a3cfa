#pragma once

#include "platform/FileSystem.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Flag values of TFile::Flags.
constexpr std::uint8_t flIndexed = 1;
constexpr std::uint8_t flSelected = 2;
constexpr std::uint8_t flDeleted = 4;
// Grouped by its cached whole-file digest without being read (kelvaro-find --trust-cache).
constexpr std::uint8_t flTrusted = 8;

// One indexed file. Holds no path or attributes: the path is its folder in DirList plus its
// name. Size is 64-bit so that two compared files always have really equal lengths. Its
// identity, Modified and Changed are what the scan saw of the file: a comparison and a removal
// act only on a path that still leads to that very file, unchanged. Kept to 48 bytes: an index
// holds millions. Its name lies beside it in the memory of the list that made it, found by its
// distance, so an entry is never copied; one made elsewhere has no name.
struct TFile {
    TFile() = default;
    TFile(const TFile&) = delete;
    TFile& operator=(const TFile&) = delete;

    std::int32_t NameAt = 0; // from this entry to its NUL-terminated name; 0: none
    std::int32_t DirIndex = 0;
    std::int32_t GroupNo = 0;
    std::uint16_t Device = 0; // see DeviceNumber
    std::uint8_t Flags = 0;
    std::int64_t Size = 0;
    std::uint64_t Inode = 0;
    std::int64_t Modified = 0;
    std::int64_t Changed = 0;

    std::string_view Name() const {
        return NameAt ? std::string_view(reinterpret_cast<const char*>(this) + NameAt)
                      : std::string_view();
    }
    platform::FileIdentity Id() const;
    void SetId(const platform::FileIdentity& id);
};

// The devices of the entries, in a table the whole program shares: an index holds millions of
// entries on a handful of devices. Number 0 is device 0. Past 65,535 devices every further one
// shares one number that is no device: entries of those with one inode number are taken for
// one file, never for copies of each other, and a later look at their paths never finds them
// unchanged, so nothing acts on them.
std::uint16_t DeviceIndex(dev_t device);
dev_t DeviceNumber(std::uint16_t index);

inline platform::FileIdentity TFile::Id() const {
    return {DeviceNumber(Device), static_cast<ino_t>(Inode)};
}
inline void TFile::SetId(const platform::FileIdentity& id) {
    Device = DeviceIndex(id.device);
    Inode = static_cast<std::uint64_t>(id.inode);
}

inline platform::FileStamp SeenStamp(const TFile& file) {
    return {file.Id(), file.Size, file.Modified, file.Changed};
}

inline bool HasFlag(const TFile& file, std::uint8_t mask) {
    return (file.Flags & mask) != 0;
}

inline void SetFlag(TFile& file, std::uint8_t mask, bool value) {
    if (value)
        file.Flags = static_cast<std::uint8_t>(file.Flags | mask);
    else
        file.Flags = static_cast<std::uint8_t>(file.Flags & ~mask);
}

// The order of the entries, in blocks of fixed size: no block moves as the index grows, so that
// it never needs twice its size for a moment, as a growing vector does. A place holds an entry's
// handle, which its TFileList turns into the entry: 4 bytes where a pointer takes 8.
class FilePositions {
public:
    using Handle = std::uint32_t;

    std::size_t size() const { return size_; }
    Handle& operator[](std::size_t i) const { return blocks_[i >> kShift][i & (kBlock - 1)]; }
    void push_back(Handle handle) {
        if (size_ == blocks_.size() * kBlock)
            blocks_.emplace_back(new Handle[kBlock]);
        (*this)[size_++] = handle;
    }
    void pop_back() { Shrink(size_ - 1); }
    // Keeps the first n; the blocks beyond them go.
    void Shrink(std::size_t n) {
        size_ = n;
        blocks_.resize((n + kBlock - 1) / kBlock);
    }
    std::size_t Bytes() const { return blocks_.size() * kBlock * sizeof(Handle); }

private:
    static constexpr std::size_t kShift = 14;
    static constexpr std::size_t kBlock = std::size_t{1} << kShift;
    std::vector<std::unique_ptr<Handle[]>> blocks_;
    std::size_t size_ = 0;
};

// The file index: owns its entries and their names; taking an entry out frees it. Entries never
// move in memory, so grid cells may point at them. They are made in chunks of 8 KiB, entries
// from the front and their names from the back, until the two meet: one allocation per file
// cost more than the file's own fields, and every name its own string more again. A chunk goes
// back when its last entry is taken out, and its memory to the system.
class TFileList {
public:
    TFileList();
    TFileList(const TFileList&) = delete;
    TFileList& operator=(const TFileList&) = delete;
    ~TFileList();

    std::int64_t Count() const { return static_cast<std::int64_t>(items_.size()); }
    bool Empty() const { return items_.size() == 0; }
    TFile* operator[](std::int64_t i) const { return Entry(items_[static_cast<std::size_t>(i)]); }
    TFile* At(std::int64_t i) const { return (*this)[i]; }

    // A new entry at the end, all fields zero but its name.
    TFile* Add(std::string_view name);
    void Clear();
    void Delete(std::int64_t i);
    void Exchange(std::int64_t i, std::int64_t j) {
        std::swap(items_[static_cast<std::size_t>(i)], items_[static_cast<std::size_t>(j)]);
    }
    // Position of an entry, or -1.
    std::int64_t IndexOf(const TFile* file) const {
        for (std::size_t i = 0; i < items_.size(); ++i)
            if (Entry(items_[i]) == file)
                return static_cast<std::int64_t>(i);
        return -1;
    }
    // Frees every entry for which drop is true, in one pass; the others keep their order.
    template <class Pred> std::int64_t RemoveIf(Pred drop) {
        std::size_t kept = 0;
        for (std::size_t i = 0; i < items_.size(); ++i) {
            TFile* f = Entry(items_[i]);
            if (drop(*f))
                Free(f);
            else
                items_[kept++] = items_[i];
        }
        const std::size_t removed = items_.size() - kept;
        items_.Shrink(kept);
        return static_cast<std::int64_t>(removed);
    }

    // What the list holds now: its chunks and the bytes they and the order take.
    struct Footprint {
        std::size_t chunks = 0;
        std::size_t chunkBytes = 0;    // entries and names, with the room left between them
        std::size_t slabBytes = 0;     // what the chunks are taken from, in use or not
        std::size_t positionBytes = 0; // the order of the entries
    };
    Footprint Measure() const;

    // The longest name an entry takes; no file system gives a longer one.
    static constexpr std::size_t kMaxName = 4096;

private:
    // Chunks come in slabs of this size. A handle is the entry's slab and its distance from
    // the slab's start in units of an entry's alignment, which the low bits hold.
    static constexpr std::size_t kSlabBytes = std::size_t{2} << 20;
    static constexpr unsigned kOffsetBits = 18;
    static_assert(kSlabBytes / alignof(TFile) == std::size_t{1} << kOffsetBits);
    // The most slabs handles can tell apart: 32 GiB of entries, some 500 million files.
    static constexpr std::size_t kMaxSlabs = std::size_t{1} << (32 - kOffsetBits);

    struct Chunk;
    TFile* Entry(FilePositions::Handle handle) const {
        return reinterpret_cast<TFile*>(static_cast<char*>(slabs_[handle >> kOffsetBits]) +
                                        std::size_t{handle & ((1u << kOffsetBits) - 1)} *
                                            alignof(TFile));
    }
    FilePositions::Handle HandleOf(const TFile* file) const;
    Chunk* NewChunk();
    // Ends the entry's life; its chunk goes when it was the chunk's last.
    void Free(TFile* file);

    FilePositions items_;
    // Chunks come from slabs of their own, apart from the heap: among the short-lived folder
    // listings of the walk and the scan, they kept the heap's pages from going back to the
    // system once those were freed. A chunk lies at an address that is a multiple of its size,
    // which is how an entry finds it.
    std::vector<void*> slabs_;
    char* slabNext_ = nullptr; // the slab's chunks not used yet
    char* slabEnd_ = nullptr;
    Chunk* free_ = nullptr;    // chunks given back, to use again
    Chunk* current_ = nullptr; // where new entries go
    std::size_t chunks_ = 0;   // in use
};

// Paths' bytes, each path followed by a NUL, in blocks that never move and are only ever added
// to: a view of a kept path stays valid as long as the blocks live, whatever is kept after it.
class PathBlocks {
public:
    static constexpr std::size_t kBlockBytes = 64 << 10;

    std::string_view Keep(std::string_view path);
    // Bytes kept so far, of paths no longer wanted too.
    std::size_t Bytes() const { return bytes_; }

private:
    std::vector<std::unique_ptr<char[]>> blocks_;
    char* next_ = nullptr;
    std::size_t left_ = 0;
    std::size_t bytes_ = 0;
};

// The run's copy of the folder list; every DirIndex refers to it. Its folders never change once
// made: a new list replaces them. So the readers share them instead of copying a path for every
// file they read, and keep them as long as a read that never returns keeps its reader. The
// paths lie in blocks of their own: a string each, made during a walk among its passing
// listings, would keep the pages of those listings from going back to the system once the walk
// is over. The window's folder list hands its own blocks over, so that its folders are not
// held twice while a search and its results last.
class TDirList {
public:
    TDirList() = default;
    // The strings go once they are copied.
    TDirList(std::vector<std::string> folders); // NOLINT(google-explicit-constructor): a list
    TDirList(std::initializer_list<std::string> folders)
        : TDirList(std::vector<std::string>(folders)) {}
    // Paths that owner keeps, unchanged as long as it lives, each followed by a NUL.
    TDirList(std::shared_ptr<const void> owner, std::vector<std::string_view> paths);

    std::size_t size() const { return block_ ? block_->paths.size() : 0; }
    bool empty() const { return size() == 0; }
    // Followed by a NUL in memory, so data() may be handed to the system as it is.
    std::string_view operator[](std::size_t i) const { return block_->paths[i]; }
    void clear() { block_.reset(); }

private:
    struct Block {
        std::shared_ptr<const void> owner; // the bytes the paths lie in
        std::vector<std::string_view> paths;
    };
    std::shared_ptr<const Block> block_;
};

// The folder of an entry in dirs, or nothing when its DirIndex refers to none.
inline std::optional<std::string_view> EntryFolder(const TDirList& dirs, const TFile& file) {
    if (file.DirIndex < 0 || static_cast<std::size_t>(file.DirIndex) >= dirs.size())
        return std::nullopt;
    return dirs[static_cast<std::size_t>(file.DirIndex)];
}

// The path of an entry: its folder in dirs, "/" and its name; empty when its DirIndex does not
// refer to a folder of dirs. Every path of an entry is made here.
std::string EntryPath(const TDirList& dirs, const TFile& file);
