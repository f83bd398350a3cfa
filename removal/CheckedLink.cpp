#include "removal/CheckedLink.h"

#include "platform/Paths.h"
#include "removal/FileNames.h"
#include "removal/RemovalFaults.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <memory>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The same object, length and contents time: a rename moves only the status change time.
bool SameContent(const platform::FileStamp& a, const platform::FileStamp& b) {
    return a.identity == b.identity && a.size == b.size && a.modified == b.modified;
}

// A hard link to the open file fd under a free hidden name in folder; 0 or an errno value.
int TemporaryLink(int fd, const std::string& keptPath, const std::string& folder,
                  const std::string& name, std::string& temporary) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    const bool viaProc = ::access(self.c_str(), F_OK) == 0;
    for (int n = 1; n <= kMaxNameTries; ++n) {
        temporary = platform::JoinPath(folder, FreeName(".kelvaro-linking-" + name, n, NAME_MAX));
        const int made = viaProc ? ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(),
                                            AT_SYMLINK_FOLLOW)
                                 : ::link(keptPath.c_str(), temporary.c_str());
        if (made == 0)
            return 0;
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}

void AtStep(RemovalStep step, const std::string& path) {
    if (RemovalFaults* faults = InstalledRemovalFaults())
        faults->AtStep(step, path);
}

int Exchange(const std::string& a, const std::string& b) {
    return ::renameat2(AT_FDCWD, a.c_str(), AT_FDCWD, b.c_str(), RENAME_EXCHANGE) == 0 ? 0 : errno;
}

RemovalResult HardLink(const PlannedFile& file, int fd, const platform::FileStamp& checked,
                       CopyCheck& check) {
    const std::string& path = file.file.path;
    if (const RemovalStatus verdict = check.LastLook(); verdict != RemovalStatus::Removed)
        return ResultOf(verdict);
    platform::FileStamp kept;
    if (!StampOfOpen(check.KeptDescriptor(), kept))
        return ResultOf(RemovalStatus::KeptCopyLost);
    if (kept.identity.device != checked.identity.device)
        return ResultOf(RemovalStatus::Failed,
                        "it is on another file system than its kept copy, and a hard link cannot "
                        "cross file systems");
    std::string temporary;
    int err = TemporaryLink(check.KeptDescriptor(), check.KeptPath(), platform::ParentFolder(path),
                            platform::BaseName(path), temporary);
    if (err != 0)
        return ResultOf(RemovalStatus::Failed,
                        std::string("no link could be made: ") + std::strerror(err));
    // The link moved the kept copy's status change time; its bytes and the file's must not
    // have moved.
    platform::FileStamp link, keptNow, fileNow;
    RemovalStatus verdict = RemovalStatus::Removed;
    if (!(platform::StampOf(temporary, link) && link.identity == kept.identity &&
          StampOfOpen(check.KeptDescriptor(), keptNow) && SameContent(keptNow, kept)))
        verdict = RemovalStatus::KeptCopyLost;
    else if (!(StampOfOpen(fd, fileNow) && SameContent(fileNow, checked)))
        verdict = RemovalStatus::Changed;
    if (verdict != RemovalStatus::Removed) {
        ::unlink(temporary.c_str());
        return ResultOf(verdict);
    }
    // The link takes the name; what it took the name from must be the file that was checked.
    err = Exchange(temporary, path);
    if (err == 0) {
        platform::FileStamp away;
        if (platform::StampOf(temporary, away) && SameContent(away, checked)) {
            ::unlink(temporary.c_str());
            RemovalResult r = ResultOf(RemovalStatus::Removed);
            r.target = check.KeptPath();
            return r;
        }
        // Someone put another file at the path meanwhile: it goes back.
        if (Exchange(temporary, path) == 0) {
            ::unlink(temporary.c_str());
            return ResultOf(RemovalStatus::Changed);
        }
        return ResultOf(RemovalStatus::Failed,
                        "it changed meanwhile and could not be put back; it is now " + temporary);
    }
    ::unlink(temporary.c_str());
    return ResultOf(RemovalStatus::Failed,
                    std::string("the link could not take its name: ") + std::strerror(err));
}

RemovalResult Reflink(int fd, const platform::FileStamp& checked, CopyCheck& check) {
    if (const RemovalStatus verdict = check.LastLook(); verdict != RemovalStatus::Removed)
        return ResultOf(verdict);
    const int kept = check.KeptDescriptor();
    // In steps: some file systems share at most 16 MiB a call.
    constexpr std::uint64_t kStep = 16 << 20;
    const std::size_t size = sizeof(file_dedupe_range) + sizeof(file_dedupe_range_info);
    std::unique_ptr<char[]> buffer(new char[size]);
    for (std::uint64_t offset = 0; offset < std::uint64_t(checked.size);) {
        std::memset(buffer.get(), 0, size);
        auto* range = reinterpret_cast<file_dedupe_range*>(buffer.get());
        range->src_offset = offset;
        range->src_length = std::min<std::uint64_t>(kStep, std::uint64_t(checked.size) - offset);
        range->dest_count = 1;
        range->info[0].dest_fd = fd;
        range->info[0].dest_offset = offset;
        if (::ioctl(kept, FIDEDUPERANGE, range) != 0) {
            const int err = errno;
            if (err == EOPNOTSUPP || err == ENOTTY || err == EINVAL || err == EXDEV)
                return ResultOf(RemovalStatus::Failed,
                                std::string("the file system cannot share blocks here (") +
                                    std::strerror(err) + ")");
            return ResultOf(RemovalStatus::Failed, std::strerror(err));
        }
        if (range->info[0].status == FILE_DEDUPE_RANGE_DIFFERS)
            return ResultOf(offset == 0 ? RemovalStatus::Changed : RemovalStatus::Failed,
                            offset == 0 ? std::string()
                                        : "it changed while its blocks were shared; the part "
                                          "before the change shares its kept copy's blocks");
        if (range->info[0].status < 0) {
            const int err = -range->info[0].status;
            return ResultOf(RemovalStatus::Failed,
                            std::string("the file system cannot share blocks here (") +
                                std::strerror(err) + ")");
        }
        if (range->info[0].bytes_deduped == 0)
            return ResultOf(RemovalStatus::Failed, "the file system shared no blocks");
        offset += range->info[0].bytes_deduped;
    }
    RemovalResult r = ResultOf(RemovalStatus::Removed);
    r.target = check.KeptPath();
    return r;
}

} // namespace

RemovalResult LinkChecked(const PlannedFile& file, LinkMethod method, CopyCheck& check, int index) {
    const std::string& path = file.file.path;
    AtStep(RemovalStep::BeforeTakingAway, path);
    if (file.wholeGroup || file.kept.empty())
        return ResultOf(RemovalStatus::KeptCopyLost);
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0)
        return ResultOf(errno == ENOENT ? RemovalStatus::Gone : RemovalStatus::Failed,
                        std::strerror(errno));
    if (!S_ISREG(st.st_mode))
        return ResultOf(RemovalStatus::NotAFile);
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return ResultOf(RemovalStatus::Failed, std::strerror(errno));
    platform::FileStamp checked;
    RemovalStatus verdict = RemovalStatus::NotAFile;
    if (StampOfOpen(fd, checked))
        verdict = check.Verify(fd, file, index, path);
    // The file at the path must be the one read.
    platform::FileStamp atPath;
    if (verdict == RemovalStatus::Removed &&
        !(platform::StampOf(path, atPath) && atPath.identity == checked.identity))
        verdict = RemovalStatus::Changed;
    AtStep(RemovalStep::Verified, path);
    RemovalResult result = ResultOf(verdict);
    if (verdict == RemovalStatus::Removed)
        result = method == LinkMethod::HardLink ? HardLink(file, fd, checked, check)
                                                : Reflink(fd, checked, check);
    ::close(fd);
    return result;
}
