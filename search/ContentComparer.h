#pragma once

#include "platform/FileSystem.h"

#include <cstdint>
#include <vector>

// Answers, within one size run of the sorted index, whether two files are byte-identical.
// The analysis walk stays the same whatever answers it, so every comparer gives the same
// groups, order and numbering as long as its answers are the same.
class ContentComparer {
public:
    virtual ~ContentComparer() = default;
    // The analysis is about to examine the size run [first, end) of FileList.
    virtual void BeginSizeRun(std::int64_t first, std::int64_t end) {
        (void)first;
        (void)end;
    }
    // Positions a < b in FileList, both in the current size run and without a group.
    virtual bool Same(std::int64_t a, std::int64_t b) = 0;
    // Positions of the current size run, in increasing order, outside which Same(k, m) is
    // false for every m; nullptr when the walk has to ask about every later position.
    virtual const std::vector<std::int64_t>* Candidates(std::int64_t k) {
        (void)k;
        return nullptr;
    }
};
