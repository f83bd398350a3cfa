#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace cache {

// XXH3-128 of a block: proves two blocks different, never the same.
using BlockDigest = std::array<unsigned char, 16>;
// SHA-256: the only digest that --trust-cache groups by.
using FileDigest = std::array<unsigned char, 32>;

// The regions a file's digests cover, a function of its size alone so that two runs, however
// they read, give two files of equal content the same digests.
struct Regions {
    std::int64_t first; // [0, first)
    std::int64_t tail;  // [size - tail, size); 0 when the first block is the whole file
};
Regions RegionsOf(std::int64_t size);

// What is known of one file's content; a digest is there only when its flag says so.
struct Digests {
    bool hasFirst = false, hasLast = false, hasWhole = false;
    BlockDigest first{}, last{};
    // SHA-256 of (SHA-256 of everything before the tail region, SHA-256 of the tail region).
    FileDigest whole{};

    // True when a level known in both differs: the files cannot be identical.
    bool ProvesDifferent(const Digests& other) const;
    // Fills in what other knows and this does not.
    void Merge(const Digests& other);
    bool Any() const { return hasFirst || hasLast || hasWhole; }
    bool operator==(const Digests&) const = default;
};

BlockDigest HashBlock(const void* data, std::size_t n);
FileDigest Sha256(const void* data, std::size_t n);

// The whole-file digest, fed the part before the tail region in order, then the tail's SHA-256.
class WholeDigest {
public:
    WholeDigest();
    ~WholeDigest();
    WholeDigest(const WholeDigest&) = delete;
    WholeDigest& operator=(const WholeDigest&) = delete;
    void Add(const void* data, std::size_t n);
    // Ends the stream; the result combines it with the tail's digest.
    FileDigest Finish(const FileDigest& tail);

private:
    struct State;
    std::unique_ptr<State> state_;
};

// A 64-bit check of a stored row, so that a damaged page that still reads is not believed.
std::uint64_t RowCheck(const void* data, std::size_t n);

} // namespace cache
