#include "removal/CheckedRemoval.h"

#include "platform/AlignedBuffer.h"
#include "platform/Paths.h"
#include "removal/FileNames.h"
#include "removal/RemovalFaults.h"
#include "removal/StagingJournal.h"
#include "removal/Trash.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

RemovalResult Failed(int err) {
    return ResultOf(RemovalStatus::Failed, std::strerror(err));
}

void AtStep(RemovalStep step, const std::string& path) {
    if (RemovalFaults* faults = InstalledRemovalFaults())
        faults->AtStep(step, path);
}

// A name in a folder held open: what is done through the folder's descriptor happens in that
// folder even when it, or one above it, is renamed meanwhile.
struct Place {
    int dir = -1;
    std::string name;
    Place() = default;
    Place(const Place&) = delete;
    Place& operator=(const Place&) = delete;
    ~Place() {
        if (dir >= 0)
            ::close(dir);
    }
    bool Open(const std::string& folder, std::string entry) {
        dir = ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        name = std::move(entry);
        return dir >= 0;
    }
    // Where it is now, for messages and records.
    std::string Path() const {
        char buffer[PATH_MAX];
        const std::string self = "/proc/self/fd/" + std::to_string(dir);
        const ssize_t n = ::readlink(self.c_str(), buffer, sizeof buffer);
        return n > 0 ? platform::JoinPath(std::string(buffer, static_cast<std::size_t>(n)), name)
                     : name;
    }
};

int PlaceInto(const Place& from, int toDir, const std::string& name, std::string& placed,
              const std::function<void(const std::string&)>& before = nullptr) {
    return RenameToFreeName(from.dir, from.name, toDir, name, placed, before);
}

// Unlinks the staged name only while it still names the file that was checked.
int UnlinkChecked(const Place& staged, int fd) {
    struct stat named, checked;
    if (::fstatat(staged.dir, staged.name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0)
        return errno;
    if (::fstat(fd, &checked) != 0)
        return errno;
    if (named.st_dev != checked.st_dev || named.st_ino != checked.st_ino)
        return EBUSY;
    return ::unlinkat(staged.dir, staged.name.c_str(), 0) == 0 ? 0 : errno;
}

// Errors of a rename to a new name in the file's own folder after which the file can still be
// erased where it is: the folder has no room for another name, or the file system cannot rename
// without replacing.
bool NoStagingHere(int err) {
    return err == ENOSPC || err == EDQUOT || err == ENOSYS || err == EINVAL || err == EPERM ||
           err == ENOTSUP;
}

platform::FileStamp StampOfStat(const struct stat& st);

// Put back after it failed, to its own name in the folder it is in now, or a free one beside it
// when that was taken meanwhile; a Trash record goes once the file is out of the Trash.
RemovalResult Stayed(RemovalStatus status, const Place& staged, const Place& origin,
                     const TrashSlot& slot, bool untouched, std::string error = {}) {
    RemovalResult r = ResultOf(status, std::move(error));
    Place back;
    back.dir = ::dup(origin.dir);
    if (back.dir < 0 || PlaceInto(staged, back.dir, origin.name, back.name) != 0) {
        r.status = RemovalStatus::Failed;
        r.error = "it could not be put back and is now " + staged.Path();
        return r;
    }
    if (!slot.info.empty())
        ::unlink(slot.info.c_str());
    if (back.name != origin.name)
        r.putBackAs = back.Path();
    struct stat st;
    if (untouched && ::fstatat(back.dir, back.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
        r.restamped = true;
        r.stamp = StampOfStat(st);
    }
    return r;
}

// A step that failed with ENOENT: gone when nothing is at the path any more.
RemovalResult GoneOrFailed(const std::string& path, int err, std::string error = {}) {
    struct stat st;
    if (err == ENOENT && ::lstat(path.c_str(), &st) != 0 && errno == ENOENT)
        return ResultOf(RemovalStatus::Gone);
    return ResultOf(RemovalStatus::Failed, error.empty() ? std::strerror(err) : error);
}

platform::FileStamp StampOfStat(const struct stat& st) {
    return {{st.st_dev, st.st_ino},
            st.st_size,
            std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
            std::int64_t(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec};
}

int CopyBytes(int in, int out) {
    static constexpr std::size_t kChunk = 1 << 20;
    platform::AlignedBuffer buffer;
    try {
        buffer = platform::AlignedBuffer(kChunk);
    } catch (const std::bad_alloc&) {
        return ENOMEM;
    }
    for (std::int64_t offset = 0;;) {
        const ssize_t got = ::pread(in, buffer.chars(), kChunk, offset);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (got == 0)
            return 0;
        offset += got;
        for (ssize_t done = 0; done < got;) {
            const ssize_t put =
                ::write(out, buffer.chars() + done, static_cast<std::size_t>(got - done));
            if (put < 0) {
                if (errno == EINTR)
                    continue;
                return errno;
            }
            done += put;
        }
    }
}

// A file in folder to copy into that no one sees until it is whole: a nameless one where the
// file system has them (a killed copy then leaves nothing), else a hidden name. The
// descriptor, or -errno.
int OpenCopyTarget(const std::string& folder, mode_t mode, std::string& temporary) {
    temporary.clear();
    int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (fd >= 0 && ::access("/proc/self/fd", X_OK) == 0)
        return fd;
    if (fd >= 0)
        ::close(fd);
    static unsigned counter = 0;
    for (int n = 0; n < kMaxNameTries; ++n) {
        temporary = platform::JoinPath(folder, ".partial-" + std::to_string(::getpid()) + "-" +
                                                   std::to_string(++counter));
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd >= 0 ? fd : -errno;
    }
    return -EEXIST;
}

// Gives the finished copy the name target, never replacing what is there (EEXIST then).
int NameCopy(int fd, const std::string& temporary, const std::string& target) {
    if (!temporary.empty())
        return RenameNoReplace(temporary, target);
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) == 0
               ? 0
               : errno;
}

// Copies the open file in into folder (under name or a free variant), flushes the copy and
// compares its length before it gets its name. Whatever fails, no copy, whole or partial, is
// left behind.
int CopyInto(int in, const std::string& folder, const std::string& name, std::string& target) {
    struct stat source;
    if (::fstat(in, &source) != 0)
        return errno;
    std::string temporary;
    const int out = OpenCopyTarget(folder, source.st_mode & 07777, temporary);
    if (out < 0)
        return -out;
    int err = CopyBytes(in, out);
    if (err == 0 && ::fsync(out) != 0)
        err = errno;
    struct stat copy;
    if (err == 0 && ::fstat(out, &copy) != 0)
        err = errno;
    if (err == 0 && copy.st_size != source.st_size)
        err = EIO;
    if (err == 0) {
        const struct timespec times[2] = {source.st_atim, source.st_mtim};
        ::futimens(out, times);
        ::fchmod(out, source.st_mode & 07777);
        (void)::fchown(out, source.st_uid, source.st_gid); // allowed to root only
    }
    bool named = false;
    for (int n = 1; err == 0 && !named && n <= kMaxNameTries; ++n) {
        target = platform::JoinPath(folder, FreeName(name, n, NAME_MAX));
        if (platform::PathExists(target))
            continue;
        const int placed = NameCopy(out, temporary, target);
        if (placed == 0)
            named = true;
        else if (placed != EEXIST)
            err = placed;
    }
    if (err == 0 && !named)
        err = EEXIST;
    if (::close(out) != 0 && err == 0)
        err = errno;
    if (err != 0) {
        if (named)
            ::unlink(target.c_str());
        if (!temporary.empty())
            ::unlink(temporary.c_str());
    }
    return err;
}

bool SameFolder(const std::string& a, const std::string& b) {
    struct stat sa, sb;
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

// Opens the file that goes, at its staged name, for the check; else the verdict.
RemovalStatus OpenStaged(const Place& staged, int& fd, std::string& error) {
    fd = ::openat(staged.dir, staged.name.c_str(),
                  O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd >= 0)
        return RemovalStatus::Removed;
    if (errno == ELOOP || errno == ENXIO || errno == EISDIR)
        return RemovalStatus::NotAFile;
    error = std::strerror(errno);
    return RemovalStatus::Failed;
}

} // namespace

RemovalResult RemoveChecked(const PlannedFile& file, TRemoveMethod method,
                            const std::string& archive, CopyCheck& check, int index) {
    const std::string& path = file.file.path;
    if (RemovalFaults* faults = InstalledRemovalFaults())
        if (const int err = faults->FailRemoval(path))
            return Failed(err);
    staging::RecoverOnce();
    AtStep(RemovalStep::BeforeTakingAway, path);

    // From here on the file is reached through its folder's descriptor.
    Place origin;
    if (!origin.Open(platform::ParentFolder(path), platform::BaseName(path)))
        return GoneOrFailed(path, errno);
    // Cheap looks first: nothing is moved that cannot pass.
    struct stat st;
    if (::fstatat(origin.dir, origin.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return GoneOrFailed(path, errno);
    if (!S_ISREG(st.st_mode))
        return ResultOf(RemovalStatus::NotAFile);
    // Whether it is still the file the search saw, to tell why it stays if it does.
    const bool asSeen = StampOfStat(st) == file.file.stamp;
    if (file.wholeGroup && !asSeen)
        return ResultOf(RemovalStatus::Changed);
    if (method == rmMove) {
        if (archive.empty())
            return Failed(ENOENT);
        if (!platform::PathExists(archive) && !MakeFolders(archive, 0777))
            return Failed(errno);
        // Into its own folder a move would only rename the file, and it would pass for removed.
        if (SameFolder(platform::ParentFolder(path), archive))
            return ResultOf(RemovalStatus::Failed, "The file is already in that folder.");
    }

    // Taken away from its name.
    Place staged;
    TrashSlot slot;
    bool copyAcross = false, inPlace = false;
    int err = 0;
    // To a hidden name beside it, noted first so that a killed run leaves nothing hidden.
    auto stageBeside = [&] {
        staged.dir = ::dup(origin.dir);
        if (RemovalFaults* faults = InstalledRemovalFaults())
            if (const int err = faults->FailStaging(path))
                return err;
        const std::string original = origin.Path();
        const std::string folder = platform::ParentFolder(original);
        return PlaceInto(origin, staged.dir, ".kelvaro-removing-" + origin.name, staged.name,
                         [&](const std::string& name) {
                             staging::Note(platform::JoinPath(folder, name), original);
                         });
    };
    switch (method) {
    case rmRecycle: {
        std::string error;
        err = MoveToTrash(path, slot, error, origin.dir, origin.name);
        if (err != 0)
            return GoneOrFailed(path, err, error);
        staged.Open(platform::ParentFolder(slot.file), platform::BaseName(slot.file));
        break;
    }
    case rmMove: {
        RemovalFaults* faults = InstalledRemovalFaults();
        staged.dir = ::open(archive.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        err = staged.dir < 0 ? errno
              : faults && faults->ForceCopy(path)
                  ? EXDEV
                  : PlaceInto(origin, staged.dir, origin.name, staged.name);
        if (err == EXDEV) {
            ::close(staged.dir);
            copyAcross = true;
            err = stageBeside();
        }
        break;
    }
    case rmErase:
        err = stageBeside();
        if (NoStagingHere(err)) {
            // Checked where it is instead: the name must still hold the very file checked when
            // it goes, a far smaller gap than a check a whole batch earlier.
            inPlace = true;
            staged.name = origin.name;
            err = 0;
        }
        break;
    }
    if (err != 0)
        return GoneOrFailed(path, err);
    // As it was taken away: a change from here on moves its status change time again.
    struct stat stagedSt;
    const bool stagedAsSeen =
        asSeen && ::fstatat(staged.dir, staged.name.c_str(), &stagedSt, AT_SYMLINK_NOFOLLOW) == 0;
    AtStep(RemovalStep::Staged, staged.Path());

    // Checked through its descriptor: only what held the file open before can still write it.
    int fd = -1;
    std::string error;
    RemovalStatus verdict = OpenStaged(staged, fd, error);
    if (verdict == RemovalStatus::Removed)
        verdict = check.Verify(fd, file, index, path);
    if (verdict == RemovalStatus::Failed && error.empty())
        error = std::strerror(ENOMEM);
    AtStep(RemovalStep::Verified, staged.Path());
    if (verdict == RemovalStatus::Removed)
        verdict = check.LastLook();

    if (verdict != RemovalStatus::Removed) {
        // Nothing but the staging touched it since the search: what stays it is not its fault.
        platform::FileStamp now;
        const bool untouched = stagedAsSeen && fd >= 0 && platform::StampOfOpen(fd, now) &&
                               now == StampOfStat(stagedSt);
        if (verdict == RemovalStatus::KeptCopyLost && !untouched)
            verdict = RemovalStatus::Changed;
        if (fd >= 0)
            ::close(fd);
        return inPlace ? ResultOf(verdict, error)
                       : Stayed(verdict, staged, origin, slot, untouched, error);
    }

    // Made final.
    RemovalResult result = ResultOf(RemovalStatus::Removed);
    if (method == rmErase) {
        err = UnlinkChecked(staged, fd);
    } else if (copyAcross) {
        err = CopyInto(fd, archive, origin.name, result.target);
        if (err == 0 && (err = UnlinkChecked(staged, fd)) != 0)
            ::unlink(result.target.c_str());
    } else {
        result.target = staged.Path();
    }
    ::close(fd);
    if (err != 0)
        result = inPlace ? Failed(err)
                         : Stayed(RemovalStatus::Failed, staged, origin, slot, false,
                                  std::strerror(err));
    return result;
}
