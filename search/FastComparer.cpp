#include "search/FastComparer.h"

#include "search/SearchRun.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <sys/resource.h>

namespace {

constexpr std::size_t kPage = 4096;
constexpr std::size_t kLine = 64;
// Most files of equal size differ early: a small first block settles them cheaply.
constexpr std::size_t kFirstBlock = 64u << 10;
constexpr std::size_t kBlock = 1u << 20;
// A class too large for the buffers is first sifted by a hash of this much of each file.
constexpr std::size_t kSiftBlock = 4096;
// The clock is read after this much work, so that short runs cost no clock reading at all.
constexpr std::size_t kBytesPerTick = 1u << 20;
constexpr int kOpensPerTick = 8;

std::size_t RoundUp(std::size_t n, std::size_t to) {
    return (n + to - 1) / to * to;
}

std::size_t OpenFileAllowance(std::size_t wanted) {
    struct rlimit limit;
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
        wanted = std::min<std::size_t>(wanted, static_cast<std::size_t>(limit.rlim_cur / 4));
    return std::max<std::size_t>(wanted, 2);
}

// Four independent lanes keep the multiplications from waiting on each other. A hash only ever
// proves two blocks different; equal hashes are always followed by a byte comparison.
std::uint64_t BlockHash(const unsigned char* p, std::size_t n) {
    constexpr std::uint64_t kMul = 0x9E3779B97F4A7C15ull;
    std::uint64_t lane[4] = {n, n ^ 0x5555, n ^ 0xAAAA, ~n};
    std::size_t i = 0;
    for (; i + 32 <= n; i += 32)
        for (int l = 0; l < 4; ++l) {
            std::uint64_t w;
            std::memcpy(&w, p + i + 8 * l, 8);
            lane[l] = (lane[l] ^ w) * kMul;
            lane[l] ^= lane[l] >> 31;
        }
    std::uint64_t h = lane[0] ^ (lane[1] * 3) ^ (lane[2] * 5) ^ (lane[3] * 7);
    for (; i < n; ++i)
        h = (h ^ p[i]) * kMul;
    return h ^ (h >> 29);
}

} // namespace

void FastComparer::FreeDeleter::operator()(unsigned char* p) const {
    std::free(p);
}

FastComparer::FastComparer(SearchRun& run) : FastComparer(run, Limits{}) {}

FastComparer::FastComparer(SearchRun& run, Limits limits) : run_(run), limits_(limits) {
    limits_.maxOpen = OpenFileAllowance(limits_.maxOpen);
}

FastComparer::~FastComparer() = default;

std::unique_ptr<ContentComparer> MakeFastComparer(SearchRun& run) {
    return std::make_unique<FastComparer>(run);
}

void FastComparer::BeginSizeRun(std::int64_t first, std::int64_t end) {
    const TFileList& list = run_.State().FileList;
    first_ = first;
    classOf_.assign(static_cast<std::size_t>(end - first), -1);
    classes_.clear();
    members_.clear();
    abandoned_ = false;
    bytesSinceTick_ = 0;
    opensSinceTick_ = 0;
    for (std::int64_t p = first; p < end; ++p)
        if (list[p]->GroupNo == 0 && !HasFlag(*list[p], flDeleted)) {
            members_.emplace_back();
            members_.back().pos = p;
        }
    if (members_.size() >= 2)
        Refine(list[first]->Size);
    for (Member& m : members_)
        Release(m);
    members_.clear();
    if (abandoned_) {
        // A stop cut the comparison short: nothing unproven may count as identical.
        classes_.clear();
        std::fill(classOf_.begin(), classOf_.end(), -1);
    }
}

bool FastComparer::Same(std::int64_t a, std::int64_t b) {
    const auto n = static_cast<std::int64_t>(classOf_.size());
    if (a < first_ || b < first_ || a - first_ >= n || b - first_ >= n)
        return false;
    const auto ia = static_cast<std::size_t>(a - first_);
    const auto ib = static_cast<std::size_t>(b - first_);
    // Two entries that are one file are never duplicates of each other.
    const TFileList& list = run_.State().FileList;
    return classOf_[ia] >= 0 && classOf_[ia] == classOf_[ib] && !(list[a]->Id == list[b]->Id);
}

const std::vector<std::int64_t>* FastComparer::Candidates(std::int64_t k) {
    static const std::vector<std::int64_t> none;
    if (k < first_ || k - first_ >= static_cast<std::int64_t>(classOf_.size()))
        return &none;
    const std::int32_t c = classOf_[static_cast<std::size_t>(k - first_)];
    return c < 0 ? &none : &classes_[static_cast<std::size_t>(c)];
}

void FastComparer::Refine(std::int64_t size) {
    std::vector<Pending> work(1);
    for (std::size_t i = 0; i < members_.size(); ++i)
        work[0].members.push_back(i);
    while (!work.empty() && !abandoned_) {
        Pending cls = std::move(work.back());
        work.pop_back();
        const std::size_t n = cls.members.size();
        const std::size_t cap = cls.offset == 0 ? kFirstBlock : kBlock;
        if (cls.offset == 0 && !cls.sifted &&
            n * static_cast<std::size_t>(
                    std::min<std::int64_t>(static_cast<std::int64_t>(cap), size)) >
                limits_.bufferBudget) {
            Sift(cls, size, work);
            continue;
        }
        const std::size_t share = limits_.bufferBudget / n;
        std::size_t len = share >= kPage ? std::min(cap, share / kPage * kPage)
                                         : std::max(kLine, share / kLine * kLine);
        len = static_cast<std::size_t>(
            std::min<std::int64_t>(static_cast<std::int64_t>(len), size - cls.offset));
        const std::size_t stride = RoundUp(len, len >= kPage ? kPage : kLine);
        ReadClass(cls, size, len, stride);
        if (abandoned_)
            break;
        Split(cls, len, stride, size, work);
    }
}

void FastComparer::Sift(const Pending& cls, std::int64_t size, std::vector<Pending>& work) {
    // Holding the first block of every file would take the buffer budget many times over; a
    // hash of it is enough to set apart the files that differ, which are most of a long run.
    const auto len = static_cast<std::size_t>(
        std::min<std::int64_t>(static_cast<std::int64_t>(kSiftBlock), size));
    unsigned char* slot = Buffer(len);
    std::vector<std::pair<std::uint64_t, std::size_t>> keys;
    keys.reserve(cls.members.size());
    for (std::size_t i : cls.members) {
        if (abandoned_)
            return;
        Member& m = members_[i];
        if (ReadBlock(m, size, slot, len, 0)) {
            keys.emplace_back(BlockHash(slot, len), i);
        } else {
            m.failed = true;
            Release(m);
        }
        Pace();
    }
    std::sort(keys.begin(), keys.end());
    for (std::size_t b = 0; b < keys.size();) {
        std::size_t e = b + 1;
        while (e < keys.size() && keys[e].first == keys[b].first)
            ++e;
        if (e - b == 1) {
            Release(members_[keys[b].second]);
        } else {
            // Read again from the start and compared byte by byte like any other class.
            Pending next;
            next.sifted = true;
            for (std::size_t k = b; k < e; ++k)
                next.members.push_back(keys[k].second);
            work.push_back(std::move(next));
        }
        b = e;
    }
}

void FastComparer::ReadClass(Pending& cls, std::int64_t size, std::size_t len, std::size_t stride) {
    unsigned char* buffer = Buffer(cls.members.size() * stride);
    for (std::size_t s = 0; s < cls.members.size() && !abandoned_; ++s) {
        Member& m = members_[cls.members[s]];
        if (!ReadBlock(m, size, buffer + s * stride, len, cls.offset)) {
            m.failed = true;
            Release(m);
        }
        Pace();
    }
}

bool FastComparer::ReadBlock(Member& m, std::int64_t size, unsigned char* slot, std::size_t len,
                             std::int64_t offset) {
    if (m.failed)
        return false;
    if (!m.file.IsOpen()) {
        ++opensSinceTick_;
        if (!m.file.Open(run_.GetFilePath(m.pos)))
            return false;
        ++open_;
        // Only the file the scan saw, unchanged, may join a class: on every opening, so that a
        // file replaced between two blocks drops out too.
        if (!(m.file.Stamp() == SeenStamp(*run_.State().FileList[m.pos])))
            return false;
    }
    const std::int64_t got = m.file.ReadAt(slot, len, offset);
    bytesSinceTick_ += len;
    if (got != static_cast<std::int64_t>(len))
        return false;
    // Held open since its length was taken, the file may have grown: then it is no copy.
    unsigned char past;
    if (offset + static_cast<std::int64_t>(len) == size && m.file.ReadAt(&past, 1, size) != 0)
        return false;
    if (open_ > limits_.maxOpen)
        Release(m);
    return true;
}

void FastComparer::Split(const Pending& cls, std::size_t len, std::size_t stride, std::int64_t size,
                         std::vector<Pending>& work) {
    unsigned char* buffer = buffer_.get();
    auto slot = [&](std::size_t s) { return buffer + s * stride; };
    // Slots of the members still readable, split into runs of identical blocks: first those
    // equal to the first member (the common case of a class that stays whole), then the rest
    // sorted by their bytes.
    std::vector<std::size_t> same;
    std::vector<std::size_t> rest;
    for (std::size_t s = 0; s < cls.members.size(); ++s) {
        if (members_[cls.members[s]].failed)
            continue;
        if (same.empty() || std::memcmp(slot(same[0]), slot(s), len) == 0)
            same.push_back(s);
        else
            rest.push_back(s);
    }
    std::sort(rest.begin(), rest.end(), [&](std::size_t a, std::size_t b) {
        const int c = std::memcmp(slot(a), slot(b), len);
        return c < 0 || (c == 0 && a < b);
    });

    const std::int64_t offset = cls.offset + static_cast<std::int64_t>(len);
    auto settle = [&](std::vector<std::size_t> slots) {
        if (slots.size() < 2) {
            for (std::size_t s : slots)
                Release(members_[cls.members[s]]);
            return;
        }
        std::sort(slots.begin(), slots.end());
        Pending next;
        next.offset = offset;
        for (std::size_t s : slots)
            next.members.push_back(cls.members[s]);
        if (offset < size) {
            work.push_back(std::move(next));
            return;
        }
        const auto id = static_cast<std::int32_t>(classes_.size());
        classes_.emplace_back();
        for (std::size_t i : next.members) {
            Member& m = members_[i];
            classOf_[static_cast<std::size_t>(m.pos - first_)] = id;
            classes_.back().push_back(m.pos);
            Release(m);
        }
    };
    settle(std::move(same));
    for (std::size_t b = 0; b < rest.size();) {
        std::size_t e = b + 1;
        while (e < rest.size() && std::memcmp(slot(rest[b]), slot(rest[e]), len) == 0)
            ++e;
        settle({rest.begin() + static_cast<std::ptrdiff_t>(b),
                rest.begin() + static_cast<std::ptrdiff_t>(e)});
        b = e;
    }
}

void FastComparer::Release(Member& m) {
    if (m.file.IsOpen()) {
        m.file.Close();
        --open_;
    }
}

unsigned char* FastComparer::Buffer(std::size_t bytes) {
    bytes = RoundUp(std::max<std::size_t>(bytes, kPage), kPage);
    if (bytes > bufferSize_) {
        buffer_.reset();
        bufferSize_ = 0;
        auto* p = static_cast<unsigned char*>(std::aligned_alloc(kPage, bytes));
        if (!p)
            throw std::bad_alloc();
        buffer_.reset(p);
        bufferSize_ = bytes;
    }
    return buffer_.get();
}

void FastComparer::Pace() {
    if (bytesSinceTick_ < kBytesPerTick && opensSinceTick_ < kOpensPerTick)
        return;
    bytesSinceTick_ = 0;
    opensSinceTick_ = 0;
    MainWindowInterface& window = run_.Window();
    const std::int64_t now = window.TickCount();
    if (!ticked_) {
        ticked_ = true;
        lastPump_ = now;
        return;
    }
    if (std::llabs(now - lastPump_) < 100)
        return;
    lastPump_ = now;
    window.ProcessMessages();
    if (run_.State().StopFlag)
        abandoned_ = true;
}
