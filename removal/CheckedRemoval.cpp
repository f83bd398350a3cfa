#include "removal/CheckedRemoval.h"

#include "platform/Paths.h"
#include "removal/FileNames.h"
#include "removal/RemovalFaults.h"
#include "removal/Trash.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

RemovalResult Result(RemovalStatus status, std::string error = {}) {
    RemovalResult r;
    r.status = status;
    r.error = std::move(error);
    return r;
}

RemovalResult Failed(int err) {
    return Result(RemovalStatus::Failed, std::strerror(err));
}

void AtStep(RemovalStep step, const std::string& path) {
    if (RemovalFaults* faults = InstalledRemovalFaults())
        faults->AtStep(step, path);
}

// A hidden name of the removal's own in the file's folder.
int StageBeside(const std::string& path, std::string& staged) {
    const std::string folder = platform::ParentFolder(path);
    const std::string name = ".kelvaro-removing-" + platform::BaseName(path);
    for (int n = 1; n <= kMaxNameTries; ++n) {
        staged = platform::JoinPath(folder, FreeName(name, n, NAME_MAX));
        if (platform::PathExists(staged))
            continue;
        const int err = RenameNoReplace(path, staged);
        if (err != EEXIST)
            return err;
    }
    return EEXIST;
}

// Into the archive folder under the file's own name or a free variant; EXDEV when the folder is
// on another file system.
int StageInFolder(const std::string& path, const std::string& folder, std::string& staged) {
    const std::string name = platform::BaseName(path);
    for (int n = 1; n <= kMaxNameTries; ++n) {
        staged = platform::JoinPath(folder, FreeName(name, n, NAME_MAX));
        if (platform::PathExists(staged))
            continue;
        const int err = RenameNoReplace(path, staged);
        if (err != EEXIST)
            return err;
    }
    return EEXIST;
}

// Back to its own name, or a free one beside it when that was taken meanwhile. The name it
// went back to, or empty when it could not be moved at all (it then stays where it was staged).
std::string PutBack(const std::string& staged, const std::string& path) {
    const std::string folder = platform::ParentFolder(path);
    const std::string name = platform::BaseName(path);
    for (int n = 1; n <= kMaxNameTries; ++n) {
        const std::string back = platform::JoinPath(folder, FreeName(name, n, NAME_MAX));
        const int err = RenameNoReplace(staged, back);
        if (err == 0)
            return back;
        if (err != EEXIST)
            break;
    }
    return {};
}

// Put back after it failed; a Trash record goes with it once the file is out of the Trash.
RemovalResult Stayed(RemovalStatus status, const std::string& staged, const std::string& path,
                     const TrashSlot& slot, std::string error = {}) {
    RemovalResult r = Result(status, std::move(error));
    const std::string back = PutBack(staged, path);
    if (back.empty()) {
        r.status = RemovalStatus::Failed;
        r.error = "it could not be put back and is now " + staged;
        return r;
    }
    if (!slot.info.empty())
        ::unlink(slot.info.c_str());
    if (back != path)
        r.putBackAs = back;
    return r;
}

// A step that failed with ENOENT: gone when nothing is at the path any more.
RemovalResult GoneOrFailed(const std::string& path, int err, std::string error = {}) {
    struct stat st;
    if (err == ENOENT && ::lstat(path.c_str(), &st) != 0 && errno == ENOENT)
        return Result(RemovalStatus::Gone);
    return Result(RemovalStatus::Failed, error.empty() ? std::strerror(err) : error);
}

int CopyBytes(int in, int out) {
    static constexpr std::size_t kChunk = 1 << 20;
    struct Free {
        void operator()(char* p) const { std::free(p); }
    };
    const std::unique_ptr<char, Free> buffer(static_cast<char*>(std::aligned_alloc(4096, kChunk)));
    if (!buffer)
        return ENOMEM;
    for (std::int64_t offset = 0;;) {
        const ssize_t got = ::pread(in, buffer.get(), kChunk, offset);
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
                ::write(out, buffer.get() + done, static_cast<std::size_t>(got - done));
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

} // namespace

RemovalResult RemoveChecked(const PlannedFile& file, TRemoveMethod method,
                            const std::string& archive, CopyCheck& check, int index) {
    const std::string& path = file.file.path;
    if (RemovalFaults* faults = InstalledRemovalFaults())
        if (const int err = faults->FailRemoval(path))
            return Failed(err);
    AtStep(RemovalStep::BeforeTakingAway, path);

    // Cheap looks first: nothing is moved that cannot pass.
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0)
        return GoneOrFailed(path, errno);
    if (!S_ISREG(st.st_mode))
        return Result(RemovalStatus::NotAFile);
    // Whether it is still the file the search saw, to tell why it stays if it does.
    platform::FileStamp before;
    const bool asSeen = platform::StampOf(path, before) && before == file.file.stamp;
    if (file.wholeGroup && !asSeen)
        return Result(RemovalStatus::Changed);
    if (method == rmMove) {
        if (archive.empty())
            return Failed(ENOENT);
        if (!platform::PathExists(archive) && !MakeFolders(archive, 0777))
            return Failed(errno);
        // Into its own folder a move would only rename the file, and it would pass for removed.
        if (SameFolder(platform::ParentFolder(path), archive))
            return Result(RemovalStatus::Failed, "The file is already in that folder.");
    }

    // Taken away from its path.
    std::string staged;
    TrashSlot slot;
    bool copyAcross = false;
    int err = 0;
    switch (method) {
    case rmRecycle: {
        std::string error;
        err = MoveToTrash(path, slot, error);
        if (err != 0)
            return GoneOrFailed(path, err, error);
        staged = slot.file;
        break;
    }
    case rmMove: {
        RemovalFaults* faults = InstalledRemovalFaults();
        err = faults && faults->ForceCopy(path) ? EXDEV : StageInFolder(path, archive, staged);
        if (err == EXDEV) {
            copyAcross = true;
            err = StageBeside(path, staged);
        }
        break;
    }
    case rmErase:
        err = StageBeside(path, staged);
        break;
    }
    if (err != 0)
        return GoneOrFailed(path, err);
    // As it was taken away: a change from here on moves its status change time again.
    platform::FileStamp asStaged;
    const bool stagedAsSeen = asSeen && platform::StampOf(staged, asStaged);
    AtStep(RemovalStep::Staged, staged);

    // Checked through its descriptor: only what held the file open before can still write it.
    const int fd =
        ::open(staged.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    RemovalStatus verdict = RemovalStatus::NotAFile;
    if (fd >= 0)
        verdict = check.Verify(fd, file, index, path);
    AtStep(RemovalStep::Verified, staged);
    if (verdict == RemovalStatus::Removed)
        verdict = check.LastLook();
    platform::FileStamp now;
    if (verdict == RemovalStatus::KeptCopyLost &&
        !(stagedAsSeen && StampOfOpen(fd, now) && now == asStaged))
        verdict = RemovalStatus::Changed;

    RemovalResult result;
    if (verdict != RemovalStatus::Removed) {
        if (fd >= 0)
            ::close(fd);
        return Stayed(verdict, staged, path, slot,
                      verdict == RemovalStatus::Failed ? std::strerror(ENOMEM) : std::string());
    }

    // Made final.
    result.status = RemovalStatus::Removed;
    if (method == rmErase) {
        err = ::unlink(staged.c_str()) == 0 ? 0 : errno;
    } else if (copyAcross) {
        err = CopyInto(fd, archive, platform::BaseName(path), result.target);
        if (err == 0 && ::unlink(staged.c_str()) != 0) {
            err = errno;
            ::unlink(result.target.c_str());
        }
    } else {
        result.target = staged;
    }
    ::close(fd);
    if (err != 0)
        result = Stayed(RemovalStatus::Failed, staged, path, slot, std::strerror(err));
    return result;
}
