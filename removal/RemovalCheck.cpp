#include "removal/RemovalCheck.h"

#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::size_t kBlock = 1 << 20;
// Between two turns of the progress window while one large pair is read.
constexpr std::int64_t kBytesPerTurn = 16 << 20;

// The same file system object, unchanged in length and times (a rename moves only the status
// change time, which is why it is not compared for a file that was just staged).
bool SameContentStamp(const platform::FileStamp& a, const platform::FileStamp& b) {
    return a.identity == b.identity && a.size == b.size && a.modified == b.modified;
}

} // namespace

CopyCheck::CopyCheck(OperationProgress* progress) : progress_(progress) {}

CopyCheck::~CopyCheck() {
    Release();
}

void CopyCheck::Release() {
    if (copy_ >= 0)
        ::close(copy_);
    copy_ = -1;
    staged_ = -1;
    copyPath_.clear();
}

CopyCheck::Comparison CopyCheck::Compare(int a, int b, std::int64_t size, int index,
                                         const std::string& path) {
    std::int64_t sinceTurn = 0;
    for (std::int64_t offset = 0; offset < size;) {
        const std::size_t want = static_cast<std::size_t>(
            std::min<std::int64_t>(static_cast<std::int64_t>(kBlock), size - offset));
        const std::int64_t got = platform::ReadFullyAt(a, a_.chars(), want, offset);
        if (got <= 0 || platform::ReadFullyAt(b, b_.chars(), want, offset) != got ||
            std::memcmp(a_.chars(), b_.chars(), static_cast<std::size_t>(got)) != 0)
            return Comparison::Differ;
        offset += got;
        sinceTurn += got;
        if (sinceTurn >= kBytesPerTurn && progress_) {
            sinceTurn = 0;
            if (!progress_->Advance(index, path))
                return Comparison::Cancelled;
        }
    }
    // Neither may hold more than the length both had.
    char extra;
    if (platform::ReadFullyAt(a, &extra, 1, size) != 0 ||
        platform::ReadFullyAt(b, &extra, 1, size) != 0)
        return Comparison::Differ;
    return Comparison::Same;
}

RemovalStatus CopyCheck::Verify(int staged, const PlannedFile& file, int index,
                                const std::string& path) {
    Release();
    platform::FileStamp now;
    if (!platform::StampOfOpen(staged, now))
        return RemovalStatus::NotAFile;
    if (file.wholeGroup) {
        // Nothing stays to compare with: it must still be the very file the search saw.
        if (!SameContentStamp(now, file.file.stamp))
            return RemovalStatus::Changed;
        staged_ = staged;
        stagedStamp_ = now;
        return RemovalStatus::Removed;
    }
    try {
        if (!a_)
            a_ = platform::AlignedBuffer(kBlock);
        if (!b_)
            b_ = platform::AlignedBuffer(kBlock);
    } catch (const std::bad_alloc&) {
        return RemovalStatus::Failed; // out of memory, told as such
    }

    bool sameFile = false;
    for (const SeenFile& kept : file.kept) {
        const int fd =
            ::open(kept.path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (fd < 0)
            continue;
        platform::FileStamp copy;
        Comparison c = Comparison::Differ;
        if (platform::StampOfOpen(fd, copy)) {
            if (copy.identity == now.identity)
                sameFile = true;
            else if (copy.size == now.size)
                c = Compare(staged, fd, now.size, index, path);
        }
        if (c == Comparison::Cancelled) {
            ::close(fd);
            return RemovalStatus::Cancelled;
        }
        // Both unchanged while they were read, and the copy still under its own name.
        platform::FileStamp stagedAfter, copyAfter, atPath;
        if (c == Comparison::Same && platform::StampOfOpen(staged, stagedAfter) &&
            stagedAfter == now && platform::StampOfOpen(fd, copyAfter) && copyAfter == copy &&
            platform::StampOf(kept.path, atPath) && atPath == copy) {
            staged_ = staged;
            stagedStamp_ = now;
            copy_ = fd;
            copyStamp_ = copy;
            copyPath_ = kept.path;
            return RemovalStatus::Removed;
        }
        ::close(fd);
    }
    if (sameFile)
        return RemovalStatus::SameFileAsKept;
    return SameContentStamp(now, file.file.stamp) ? RemovalStatus::KeptCopyLost
                                                  : RemovalStatus::Changed;
}

RemovalStatus CopyCheck::LastLook() const {
    platform::FileStamp stamp;
    if (staged_ < 0 || !platform::StampOfOpen(staged_, stamp) || !(stamp == stagedStamp_))
        return RemovalStatus::Changed;
    if (copy_ < 0)
        return RemovalStatus::Removed; // a whole group: nothing stays to look at
    platform::FileStamp atPath;
    if (platform::StampOfOpen(copy_, stamp) && stamp == copyStamp_ &&
        platform::StampOf(copyPath_, atPath) && atPath == copyStamp_)
        return RemovalStatus::Removed;
    return RemovalStatus::KeptCopyLost;
}
