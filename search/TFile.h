#pragma once

#include "platform/FileSystem.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Flag values of TFile::Flags.
constexpr std::uint8_t flIndexed = 1;
constexpr std::uint8_t flSelected = 2;
constexpr std::uint8_t flDeleted = 4;
// Grouped by its cached whole-file digest without being read (kelvaro-find --trust-cache).
constexpr std::uint8_t flTrusted = 8;

// One indexed file. Holds no path or attributes: the path is its folder in DirList plus its
// name. Size is 64-bit so that two compared files always have really equal lengths. Id,
// Modified and Changed are what the scan saw of the file: a comparison and a removal act only on
// a path that still leads to that very file, unchanged. Kept to 64 bytes: an index holds
// millions. The name's bytes belong to the list that made the entry.
struct TFile {
    const char* NameBytes = ""; // NUL-terminated: no file name holds a NUL
    std::int32_t DirIndex = 0;
    std::int32_t GroupNo = 0;
    std::int64_t Size = 0;
    platform::FileIdentity Id{};
    std::int64_t Modified = 0;
    std::int64_t Changed = 0;
    std::uint8_t Flags = 0;

    std::string_view Name() const { return NameBytes; }
};

inline platform::FileStamp SeenStamp(const TFile& file) {
    return {file.Id, file.Size, file.Modified, file.Changed};
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
// it never needs twice its size for a moment, as a growing vector does.
class FilePositions {
public:
    std::size_t size() const { return size_; }
    TFile*& operator[](std::size_t i) const { return blocks_[i >> kShift][i & (kBlock - 1)]; }
    void push_back(TFile* file) {
        if (size_ == blocks_.size() * kBlock)
            blocks_.emplace_back(new TFile*[kBlock]);
        (*this)[size_++] = file;
    }
    void pop_back() { Shrink(size_ - 1); }
    // Keeps the first n; the blocks beyond them go.
    void Shrink(std::size_t n) {
        size_ = n;
        blocks_.resize((n + kBlock - 1) / kBlock);
    }
    std::size_t Bytes() const { return blocks_.size() * kBlock * sizeof(TFile*); }

private:
    static constexpr std::size_t kShift = 13;
    static constexpr std::size_t kBlock = std::size_t{1} << kShift;
    std::vector<std::unique_ptr<TFile*[]>> blocks_;
    std::size_t size_ = 0;
};

// The file index: owns its entries and their names; taking an entry out frees it. Entries never
// move in memory, so grid cells may point at them. They are made in chunks, each with the
// names of its entries: one allocation per file cost more than the file's own fields, and
// every name its own string more again. A chunk goes back when its last entry is taken out.
class TFileList {
public:
    TFileList();
    TFileList(const TFileList&) = delete;
    TFileList& operator=(const TFileList&) = delete;
    ~TFileList();

    std::int64_t Count() const { return static_cast<std::int64_t>(items_.size()); }
    bool Empty() const { return items_.size() == 0; }
    TFile* operator[](std::int64_t i) const { return items_[static_cast<std::size_t>(i)]; }
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
            if (items_[i] == file)
                return static_cast<std::int64_t>(i);
        return -1;
    }
    // Frees every entry for which drop is true, in one pass; the others keep their order.
    template <class Pred> std::int64_t RemoveIf(Pred drop) {
        std::size_t kept = 0;
        for (std::size_t i = 0; i < items_.size(); ++i) {
            TFile* f = items_[i];
            if (drop(*f))
                Free(f);
            else
                items_[kept++] = f;
        }
        const std::size_t removed = items_.size() - kept;
        items_.Shrink(kept);
        return static_cast<std::int64_t>(removed);
    }

    // What the list holds now: its chunks and the bytes they and the order take.
    struct Footprint {
        std::size_t chunks = 0;
        std::size_t entryBytes = 0;    // entries' storage, used or not
        std::size_t nameBytes = 0;     // name storage, used or not
        std::size_t positionBytes = 0; // the order of the entries
    };
    Footprint Measure() const;

private:
    struct Chunk;
    // Ends the entry's life; its chunk goes when it was the chunk's last.
    void Free(TFile* file);
    Chunk& Current();

    FilePositions items_;
    // Every chunk by the address of its first entry, to find the chunk of an entry.
    std::map<const TFile*, std::unique_ptr<Chunk>> chunks_;
    Chunk* current_ = nullptr; // where new entries go
};

// The run's copy of the folder list; every DirIndex refers to it.
using TDirList = std::vector<std::string>;

// The folder of an entry in dirs, or null when its DirIndex refers to none.
inline const std::string* EntryFolder(const TDirList& dirs, const TFile& file) {
    if (file.DirIndex < 0 || static_cast<std::size_t>(file.DirIndex) >= dirs.size())
        return nullptr;
    return &dirs[static_cast<std::size_t>(file.DirIndex)];
}

// The path of an entry: its folder in dirs, "/" and its name; empty when its DirIndex does not
// refer to a folder of dirs. Every path of an entry is made here.
std::string EntryPath(const TDirList& dirs, const TFile& file);
