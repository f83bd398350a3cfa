#include "removal/DesktopShell.h"

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "removal/RemovalFaults.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileOpOutcome Failed(int err) {
    return {false, std::strerror(err), {}};
}

int InjectedFault(const std::string& path) {
    RemovalFaults* faults = InstalledRemovalFaults();
    return faults ? faults->FailRemoval(path) : 0;
}

int CopyBytes(int in, int out) {
    static constexpr std::size_t kChunk = 1 << 20;
    struct Free {
        void operator()(char* p) const { std::free(p); }
    };
    const std::unique_ptr<char, Free> buffer(static_cast<char*>(std::aligned_alloc(4096, kChunk)));
    if (!buffer)
        return ENOMEM;
    for (;;) {
        const ssize_t got = ::read(in, buffer.get(), kChunk);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (got == 0)
            return 0;
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

// Copies from into folder (under name or a free variant), flushes the copy and compares its
// length before it gets its name; only then is the source unlinked. Whatever fails, the source
// stays and no copy, whole or partial, is left behind.
int CopyThenUnlink(const std::string& from, const std::string& folder, const std::string& name,
                   std::string& target) {
    const int in = ::open(from.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (in < 0)
        return errno;
    struct stat source;
    const int statErr = ::fstat(in, &source) != 0 ? errno : S_ISREG(source.st_mode) ? 0 : EISDIR;
    if (statErr != 0) {
        ::close(in);
        return statErr;
    }
    std::string temporary;
    const int out = OpenCopyTarget(folder, source.st_mode & 07777, temporary);
    if (out < 0) {
        ::close(in);
        return -out;
    }
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
    ::close(in);
    if (err == 0 && ::unlink(from.c_str()) != 0)
        err = errno;
    if (err != 0) {
        if (named)
            ::unlink(target.c_str());
        if (!temporary.empty())
            ::unlink(temporary.c_str());
    }
    return err;
}

std::string DefaultTitle(const SHFILEOPSTRUCT& op) {
    if (op.wFunc == FO_MOVE)
        return "Moving files...";
    if (op.fFlags & FOF_ALLOWUNDO)
        return "Moving files to the Trash...";
    return "Deleting files...";
}

std::string FailureText(const SHFILEOPSTRUCT& op, const std::string& path,
                        const std::string& destination, const std::string& error) {
    std::string what;
    if (op.wFunc == FO_MOVE)
        what = "Cannot move \"" + path + "\" to \"" + destination + "\"";
    else if (op.fFlags & FOF_ALLOWUNDO)
        what = "Cannot move \"" + path + "\" to the Trash";
    else
        what = "Cannot delete \"" + path + "\"";
    return what + ":\r" + error + "\r\rPress OK to go on with the other files, or Cancel to stop.";
}

} // namespace

FileOpOutcome MoveFileInto(const std::string& path, const std::string& folder) {
    if (const int err = InjectedFault(path))
        return Failed(err);
    if (!platform::PathExists(path))
        return Failed(ENOENT);
    // An empty destination would put the file at the root.
    if (folder.empty())
        return Failed(ENOENT);
    // Into its own folder a move would only rename the file, and it would pass for removed.
    struct stat from, into;
    if (::stat(platform::ParentFolder(path).c_str(), &from) == 0 &&
        ::stat(folder.c_str(), &into) == 0 && from.st_dev == into.st_dev &&
        from.st_ino == into.st_ino)
        return {false, "The file is already in that folder.", {}};
    const std::string name = platform::BaseName(path);
    RemovalFaults* faults = InstalledRemovalFaults();
    int err = faults && faults->ForceCopy(path) ? EXDEV : EEXIST;
    for (int n = 1; err == EEXIST && n <= kMaxNameTries; ++n) {
        const std::string target = platform::JoinPath(folder, FreeName(name, n, NAME_MAX));
        // A name someone took between the test and the move: the next one is tried.
        err = platform::PathExists(target) ? EEXIST : RenameNoReplace(path, target);
        if (err == 0)
            return {true, {}, target};
    }
    std::string target;
    if (err == EXDEV)
        err = CopyThenUnlink(path, folder, name, target);
    if (err == 0)
        return {true, {}, target};
    return Failed(err);
}

FileOpOutcome EraseFile(const std::string& path) {
    if (const int err = InjectedFault(path))
        return Failed(err);
    if (::unlink(path.c_str()) != 0)
        return Failed(errno);
    return {true, {}, {}};
}

int DesktopShell::SHFileOperation(SHFILEOPSTRUCT& op) {
    const std::vector<std::string> sources = SplitPathList(op.pFrom);
    const std::vector<std::string> targets = SplitPathList(op.pTo);
    const std::string destination = targets.empty() ? std::string() : targets.front();
    op.fAnyOperationsAborted = false;
    if (op.wFunc == FO_MOVE && !platform::PathExists(destination) &&
        (op.fFlags & (FOF_NOCONFIRMMKDIR | FOF_NOCONFIRMATION)))
        MakeFolders(destination, 0777);

    OperationProgress* progress = (op.fFlags & FOF_SILENT) ? nullptr : progress_;
    if (progress)
        progress->Begin((op.fFlags & FOF_SIMPLEPROGRESS) && op.lpszProgressTitle
                            ? std::string(op.lpszProgressTitle)
                            : DefaultTitle(op),
                        static_cast<int>(sources.size()));
    for (std::size_t i = 0; i < sources.size(); ++i) {
        const std::string& path = sources[i];
        if (progress && !progress->Advance(static_cast<int>(i), path)) {
            op.fAnyOperationsAborted = true;
            break;
        }
        FileOpOutcome outcome;
        if (op.wFunc == FO_MOVE)
            outcome = MoveFileInto(path, destination);
        else if (op.fFlags & FOF_ALLOWUNDO)
            outcome = TrashFile(path);
        else
            outcome = EraseFile(path);
        if (outcome.ok)
            continue;
        if (progress)
            progress->ShowNow();
        const int answer = dialogs_.MessageBox({MsgType::Error, kAppTitle,
                                                FailureText(op, path, destination, outcome.error),
                                                MsgButtons::OkCancel, 0});
        if (answer == mrCancel) {
            op.fAnyOperationsAborted = true;
            break;
        }
    }
    if (progress)
        progress->End();
    return op.fAnyOperationsAborted ? 1 : 0;
}
