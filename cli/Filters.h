#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What the scan leaves out: names that match a pattern (shell globs, as fnmatch(3) reads them,
// each matched against one name: a file's, or a folder's below a searched folder, which then
// leaves out its whole tree), and files outside a range of sizes.
struct ScanFilter {
    std::vector<std::string> exclude;
    std::int64_t minSize = 0;
    std::int64_t maxSize = -1; // no limit

    bool Any() const { return !exclude.empty() || minSize > 0 || maxSize >= 0; }
    bool ExcludesName(const std::string& name) const;
    // Whether a folder below start is left out: one of the names after start matches.
    bool ExcludesFolder(const std::string& start, const std::string& folder) const;
    bool TakesFile(const std::string& name, std::int64_t size) const;
};

// A size such as 4096, 10k, 2M or 1G (powers of 1024); -1 when it is none.
std::int64_t ParseSize(const std::string& text);
