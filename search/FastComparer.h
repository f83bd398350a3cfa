#pragma once

#include "platform/FileSystem.h"
#include "search/ContentComparer.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class SearchRun;

// Refines a whole size run into classes of byte-identical files before the walk asks about
// any pair: each candidate byte is read once, in large page-aligned reads, and the classes are
// split by exact comparison of successive blocks (never by a hash). Answers Same and
// Candidates from the classes, exactly as the pairwise comparison would answer.
class FastComparer final : public ContentComparer {
public:
    struct Limits {
        // Files held open at once; the rest are reopened for each block.
        std::size_t maxOpen = 128;
        // Bytes of block buffers for one class at a time.
        std::size_t bufferBudget = 32u << 20;
    };

    explicit FastComparer(SearchRun& run);
    FastComparer(SearchRun& run, Limits limits);
    ~FastComparer() override;

    void BeginSizeRun(std::int64_t first, std::int64_t end) override;
    bool Same(std::int64_t a, std::int64_t b) override;
    const std::vector<std::int64_t>* Candidates(std::int64_t k) override;

private:
    struct Member {
        std::int64_t pos = 0;
        platform::InputFile file;
        bool failed = false;
    };
    struct Pending {
        std::vector<std::size_t> members; // indexes into members_
        std::int64_t offset = 0;          // bytes already known equal
        bool sifted = false;              // already split by the hash of its first block
    };

    void Refine(std::int64_t size);
    void Sift(const Pending& cls, std::int64_t size, std::vector<Pending>& work);
    void ReadClass(Pending& cls, std::int64_t size, std::size_t len, std::size_t stride);
    bool ReadBlock(Member& m, std::int64_t size, unsigned char* slot, std::size_t len,
                   std::int64_t offset);
    void Split(const Pending& cls, std::size_t len, std::size_t stride, std::int64_t size,
               std::vector<Pending>& work);
    void Release(Member& m);
    unsigned char* Buffer(std::size_t bytes);
    void Pace();

    SearchRun& run_;
    Limits limits_;
    std::int64_t first_ = 0;
    std::vector<Member> members_;
    // Class number of each position of the run (position - first_), -1 for none.
    std::vector<std::int32_t> classOf_;
    std::vector<std::vector<std::int64_t>> classes_;
    std::size_t open_ = 0;
    bool abandoned_ = false;
    bool ticked_ = false;
    std::int64_t lastPump_ = 0;
    std::size_t bytesSinceTick_ = 0;
    int opensSinceTick_ = 0;

    struct FreeDeleter {
        void operator()(unsigned char* p) const;
    };
    std::unique_ptr<unsigned char, FreeDeleter> buffer_;
    std::size_t bufferSize_ = 0;
};

std::unique_ptr<ContentComparer> MakeFastComparer(SearchRun& run);
