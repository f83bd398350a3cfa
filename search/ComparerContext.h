#pragma once

#include "search/TFile.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace cache {
class ContentCache;
}

// What a comparer reads: counted for the benchmark and kelvaro-find --stats.
struct ReadCounts {
    std::atomic<std::int64_t> opened{0};    // files opened to be read
    std::atomic<std::int64_t> fromCache{0}; // files settled by their cached digests, unread
};

// All a comparer may see of the run that asks it: the index and its folders, where
// its progress goes, the stop request, where unreadable files are told, and the content cache.
struct ComparerContext {
    TFileList* files = nullptr;
    TDirList folders; // the folders of the entries' DirIndex
    // Files checked so far; lets the window take input.
    std::function<void(std::int64_t)> progress;
    const bool* stop = nullptr;
    std::function<void(const std::string& path, int error)> unreadable;
    std::function<void(const std::string& path)> unstable;
    unsigned readers = 0;
    // Null: no cache. With trust, files whose cached whole-file digests are equal are grouped
    // without being read. Shared: a reader stuck in a read may outlive the run.
    std::shared_ptr<cache::ContentCache> cache;
    bool trustCache = false;
    std::shared_ptr<ReadCounts> counts;
};
