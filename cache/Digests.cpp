#include "cache/Digests.h"

// The plain SHA-256 functions keep no state per thread: the EVP interface allocates some in each
// reader thread, which is never given back while the pool's threads live.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/sha.h>
#include <xxhash.h>

#include <algorithm>
#include <cstring>

namespace cache {

namespace {

constexpr std::int64_t kFirst = 64 << 10;
constexpr std::int64_t kTail = 64 << 10;

template <class Digest> bool Differ(bool a, bool b, const Digest& x, const Digest& y) {
    return a && b && x != y;
}

} // namespace

Regions RegionsOf(std::int64_t size) {
    const std::int64_t first = std::min(size, kFirst);
    return {first, std::min(size - first, kTail)};
}

bool Digests::ProvesDifferent(const Digests& o) const {
    return Differ(hasFirst, o.hasFirst, first, o.first) ||
           Differ(hasLast, o.hasLast, last, o.last) || Differ(hasWhole, o.hasWhole, whole, o.whole);
}

void Digests::Merge(const Digests& o) {
    if (!hasFirst && o.hasFirst) {
        hasFirst = true;
        first = o.first;
    }
    if (!hasLast && o.hasLast) {
        hasLast = true;
        last = o.last;
    }
    if (!hasWhole && o.hasWhole) {
        hasWhole = true;
        whole = o.whole;
    }
}

BlockDigest HashBlock(const void* data, std::size_t n) {
    const XXH128_hash_t h = XXH3_128bits(data, n);
    BlockDigest out;
    std::memcpy(out.data(), &h.high64, 8);
    std::memcpy(out.data() + 8, &h.low64, 8);
    return out;
}

struct WholeDigest::State {
    SHA256_CTX ctx;
};

WholeDigest::WholeDigest() : state_(std::make_unique<State>()) {
    SHA256_Init(&state_->ctx);
}

WholeDigest::~WholeDigest() = default;

void WholeDigest::Add(const void* data, std::size_t n) {
    SHA256_Update(&state_->ctx, data, n);
}

FileDigest WholeDigest::Finish(const FileDigest& tail) {
    FileDigest both[2];
    SHA256_Final(both[0].data(), &state_->ctx);
    both[1] = tail;
    return Sha256(both, sizeof both);
}

FileDigest Sha256(const void* data, std::size_t n) {
    // Not the one-shot SHA256(), which goes through the EVP interface.
    SHA256_CTX ctx;
    SHA256_Init(&ctx);
    SHA256_Update(&ctx, data, n);
    FileDigest out{};
    SHA256_Final(out.data(), &ctx);
    return out;
}

std::uint64_t RowCheck(const void* data, std::size_t n) {
    return XXH3_64bits(data, n);
}

} // namespace cache
