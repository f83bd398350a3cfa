#include "platform/AtomicFile.h"

#include "platform/IoFaults.h"
#include "platform/Paths.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// The file a chain of links leads to (path itself when it is no link). Relative targets count
// from the link's folder.
int ResolveLinks(std::string path, std::string& resolved) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            resolved = path;
            return 0;
        }
        std::string target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0)
            return errno;
        target.resize(static_cast<std::size_t>(n));
        if (target.empty())
            return ENOENT;
        if (target[0] != '/') {
            const std::string folder = ParentFolder(path);
            target = folder.empty() ? target : JoinPath(folder, target);
        }
        path = target;
    }
    return ELOOP;
}

// A hidden name beside the file that no one else uses: created exclusively, with mode.
int CreateTemporary(const std::string& target, mode_t mode, std::string& name) {
    const std::string folder = ParentFolder(target);
    // Room for the suffix within the file-name limit.
    const std::string base = BaseName(target).substr(0, 200);
    static unsigned counter = 0;
    const auto seed = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string leaf = "." + base + ".tmp-" + std::to_string(::getpid()) + "-" +
                                 std::to_string((seed + ++counter) % 1000000);
        name = folder.empty() ? leaf : JoinPath(folder, leaf);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST)
            return -errno;
    }
    return -EEXIST;
}

int WriteAll(int fd, const std::string& bytes, const std::string& path) {
    IoFaults* faults = InstalledIoFaults();
    // Under a test's seam the writes are small, so that a fault can cut the file anywhere.
    const std::size_t most = faults ? 16 : bytes.size();
    std::size_t done = 0;
    while (done < bytes.size()) {
        if (faults)
            if (const int err = faults->FailWrite(path, static_cast<std::int64_t>(done)))
                return err;
        const ssize_t n = ::write(fd, bytes.data() + done, std::min(most, bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

void SyncFolder(const std::string& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

int ReplaceFileContents(const std::string& path, const std::string& bytes) {
    if (path.empty())
        return ENOENT;
    std::string target;
    if (const int err = ResolveLinks(path, target))
        return err;
    struct stat old;
    const bool exists = ::lstat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return S_ISDIR(old.st_mode) ? EISDIR : EINVAL;
    // A rename would replace a file that refuses writing; the old way of writing refused it.
    if (exists && ::access(target.c_str(), W_OK) != 0)
        return errno;

    std::string temporary;
    const int fd = CreateTemporary(target, exists ? (old.st_mode & 07777) : 0666, temporary);
    if (fd < 0)
        return -fd;
    int err = 0;
    if (exists) {
        // The mode asked for at creation passed through the umask; the old file's counts.
        if (::fchmod(fd, old.st_mode & 07777) != 0)
            err = errno;
        if (err == 0 && (old.st_uid != ::geteuid() || old.st_gid != ::getegid()))
            (void)::fchown(fd, old.st_uid, old.st_gid); // allowed to root only; best effort
    }
    if (err == 0)
        err = WriteAll(fd, bytes, path);
    if (err == 0 && ::fsync(fd) != 0)
        err = errno;
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (err == 0 && ::rename(temporary.c_str(), target.c_str()) != 0)
        err = errno;
    if (err != 0) {
        ::unlink(temporary.c_str());
        return err;
    }
    SyncFolder(ParentFolder(target));
    return 0;
}

} // namespace platform
