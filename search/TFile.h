#pragma once

#include "platform/FileSystem.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Flag values of TFile::Flags.
constexpr std::uint16_t flIndexed = 1;
constexpr std::uint16_t flSelected = 2;
constexpr std::uint16_t flDeleted = 4;
// Grouped by its cached whole-file digest without being read (kelvaro-find --trust-cache).
constexpr std::uint16_t flTrusted = 8;

// One indexed file. Holds no path or attributes: the path is its folder in DirList plus its
// name. Size is 64-bit so that two compared files always have really equal lengths. Id,
// Modified and Changed are what the scan saw of the file: a comparison and a removal act only on
// a path that still leads to that very file, unchanged.
struct TFile {
    std::string Name;
    std::int32_t DirIndex = 0;
    std::int32_t GroupNo = 0;
    std::int64_t Size = 0;
    platform::FileIdentity Id{};
    std::int64_t Modified = 0;
    std::int64_t Changed = 0;
    std::uint16_t Flags = 0;
};

inline platform::FileStamp SeenStamp(const TFile& file) {
    return {file.Id, file.Size, file.Modified, file.Changed};
}

inline bool HasFlag(const TFile& file, std::uint16_t mask) {
    return (file.Flags & mask) != 0;
}

inline void SetFlag(TFile& file, std::uint16_t mask, bool value) {
    if (value)
        file.Flags = static_cast<std::uint16_t>(file.Flags | mask);
    else
        file.Flags = static_cast<std::uint16_t>(file.Flags & ~mask);
}

// The file index: owns its entries; taking an entry out frees it. Entries never move in memory,
// so grid cells may point at them.
class TFileList {
public:
    std::int64_t Count() const { return static_cast<std::int64_t>(items_.size()); }
    bool Empty() const { return items_.empty(); }
    TFile* operator[](std::int64_t i) const { return items_[static_cast<std::size_t>(i)].get(); }
    TFile* At(std::int64_t i) const { return (*this)[i]; }

    TFile* Add(std::unique_ptr<TFile> file) {
        items_.push_back(std::move(file));
        return items_.back().get();
    }
    void Clear() { items_.clear(); }
    void Delete(std::int64_t i) { items_.erase(items_.begin() + i); }
    void Exchange(std::int64_t i, std::int64_t j) {
        std::swap(items_[static_cast<std::size_t>(i)], items_[static_cast<std::size_t>(j)]);
    }
    // Position of an entry, or -1.
    std::int64_t IndexOf(const TFile* file) const {
        for (std::size_t i = 0; i < items_.size(); ++i)
            if (items_[i].get() == file)
                return static_cast<std::int64_t>(i);
        return -1;
    }
    // Frees every entry for which drop is true, in one pass; the others keep their order.
    template <class Pred> std::int64_t RemoveIf(Pred drop) {
        return static_cast<std::int64_t>(
            std::erase_if(items_, [&](const std::unique_ptr<TFile>& f) { return drop(*f); }));
    }
    void Reserve(std::size_t n) { items_.reserve(n); }

private:
    std::vector<std::unique_ptr<TFile>> items_;
};

// The run's copy of the folder list; every DirIndex refers to it.
using TDirList = std::vector<std::string>;
