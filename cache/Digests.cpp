#include "cache/Digests.h"

#include <openssl/evp.h>
#include <xxhash.h>

#include <algorithm>
#include <cstring>
#include <new>

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
    EVP_MD_CTX* ctx = EVP_MD_CTX_new();
    ~State() { EVP_MD_CTX_free(ctx); }
};

WholeDigest::WholeDigest() : state_(std::make_unique<State>()) {
    if (!state_->ctx || EVP_DigestInit_ex(state_->ctx, EVP_sha256(), nullptr) != 1)
        throw std::bad_alloc();
}

WholeDigest::~WholeDigest() = default;

void WholeDigest::Add(const void* data, std::size_t n) {
    EVP_DigestUpdate(state_->ctx, data, n);
}

FileDigest WholeDigest::Finish(const FileDigest& tail) {
    FileDigest both[2];
    unsigned int n = 0;
    EVP_DigestFinal_ex(state_->ctx, both[0].data(), &n);
    both[1] = tail;
    return Sha256(both, sizeof both);
}

FileDigest Sha256(const void* data, std::size_t n) {
    FileDigest out{};
    unsigned int len = 0;
    if (EVP_Digest(data, n, out.data(), &len, EVP_sha256(), nullptr) != 1)
        throw std::bad_alloc();
    return out;
}

std::uint64_t RowCheck(const void* data, std::size_t n) {
    return XXH3_64bits(data, n);
}

} // namespace cache
