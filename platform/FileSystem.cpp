#include "platform/FileSystem.h"

#include "platform/IoFaults.h"

#include <cerrno>
#include <cstdint>
#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace platform {

namespace {

EntryType TypeOf(mode_t mode) {
    if (S_ISREG(mode))
        return EntryType::RegularFile;
    if (S_ISDIR(mode))
        return EntryType::Directory;
    return EntryType::Other;
}

EntryType TypeOf(unsigned char dtype) {
    switch (dtype) {
    case DT_REG:
        return EntryType::RegularFile;
    case DT_DIR:
        return EntryType::Directory;
    default:
        return EntryType::Other;
    }
}

FileStamp StampOf(const struct stat& st) {
    return {{st.st_dev, st.st_ino},
            st.st_size,
            static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
            static_cast<std::int64_t>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec};
}

} // namespace

bool ListFolder(const std::string& folder, ListWhat what,
                const std::function<bool(const FolderEntry&)>& visit, int* error) {
    // Read straight into a buffer on the stack: opendir would allocate one for each folder and
    // ask for the folder's status besides, a tenth of a walk's system calls in small folders.
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        if (error)
            *error = errno;
        return false;
    }
    // Closed however the visit ends, a thrown exception included.
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    alignas(struct dirent64) char buffer[32 * 1024];
    FolderEntry entry;
    for (;;) {
        const ssize_t got = getdents64(fd, buffer, sizeof buffer);
        if (got == 0)
            return true;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            // A listing that breaks off (an input/output error, a share gone) is no complete
            // one.
            if (error)
                *error = errno;
            return false;
        }
        for (ssize_t at = 0; at < got;) {
            const auto* d = reinterpret_cast<const struct dirent64*>(buffer + at);
            at += d->d_reclen;
            const char* name = d->d_name;
            if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
                continue;
            entry.name.assign(name);
            entry.stamp = {};
            entry.error = 0;
            const bool needStat =
                d->d_type == DT_UNKNOWN || (what == ListWhat::TypesAndSizes && d->d_type == DT_REG);
            if (needStat) {
                struct stat st;
                if (fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) == 0) {
                    entry.type = TypeOf(st.st_mode);
                    if (entry.type == EntryType::RegularFile)
                        entry.stamp = StampOf(st);
                } else if (errno == ENOENT) {
                    continue; // vanished meanwhile
                } else {
                    entry.type = EntryType::Unreadable;
                    entry.error = errno;
                }
            } else {
                entry.type = TypeOf(d->d_type);
            }
            if (!visit(entry))
                return true;
        }
    }
}

bool OutOfDescriptors(int error) {
    return error == EMFILE || error == ENFILE;
}

std::size_t FreeFileDescriptors() {
    struct rlimit limit;
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return SIZE_MAX;
    std::size_t used = 0;
    if (DIR* dir = opendir("/proc/self/fd")) {
        while (dirent* d = readdir(dir))
            used += d->d_name[0] != '.';
        closedir(dir);
        --used; // the listing's own descriptor
    } else {
        used = static_cast<std::size_t>(limit.rlim_cur) / 2;
    }
    const auto max = static_cast<std::size_t>(limit.rlim_cur);
    return used < max ? max - used : 0;
}

bool IsDirectory(const std::string& path, bool followLinks) {
    if (path.empty())
        return false;
    struct stat st;
    const int rc = followLinks ? stat(path.c_str(), &st) : lstat(path.c_str(), &st);
    return rc == 0 && S_ISDIR(st.st_mode);
}

bool PathExists(const std::string& path) {
    struct stat st;
    return !path.empty() && lstat(path.c_str(), &st) == 0;
}

bool CanWriteIn(const std::string& folder) {
    return IsDirectory(folder) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

bool Identify(const std::string& path, FileIdentity& identity) {
    struct stat st;
    if (path.empty() || lstat(path.c_str(), &st) != 0)
        return false;
    identity = {st.st_dev, st.st_ino};
    return true;
}

bool StampOf(const std::string& path, FileStamp& stamp) {
    struct stat st;
    if (path.empty() || lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    stamp = StampOf(st);
    return true;
}

InputFile::~InputFile() {
    Close();
}

InputFile::InputFile(InputFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), position_(other.position_), stamp_(other.stamp_),
      path_(std::move(other.path_)) {}

InputFile& InputFile::operator=(InputFile&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = std::exchange(other.fd_, -1);
        position_ = other.position_;
        stamp_ = other.stamp_;
        path_ = std::move(other.path_);
    }
    return *this;
}

bool InputFile::Open(const std::string& path) {
    return OpenAt(AT_FDCWD, path.c_str(), path);
}

bool InputFile::OpenAt(int folder, const char* name, const std::string& path) {
    Close();
    openError_ = ENOENT;
    if (IoFaults* faults = InstalledIoFaults(); faults && faults->FailOpen(path))
        return false;
    // O_NONBLOCK keeps a FIFO that replaced the file since the scan from blocking the open.
    int fd = ::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        openError_ = errno;
        return false;
    }
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    openError_ = 0;
    fd_ = fd;
    position_ = 0;
    stamp_ = StampOf(st);
    path_ = path;
    return true;
}

void InputFile::Close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

std::int64_t InputFile::ReadAt(void* buffer, std::size_t n, std::int64_t offset) {
    if (fd_ < 0)
        return -1;
    if (IoFaults* faults = InstalledIoFaults(); faults && faults->FailRead(path_, offset))
        return -1;
    return ReadFullyAt(fd_, buffer, n, offset);
}

std::int64_t ReadFullyAt(int fd, void* buffer, std::size_t n, std::int64_t offset) {
    std::size_t done = 0;
    auto* out = static_cast<char*>(buffer);
    while (done < n) {
        ssize_t got = ::pread(fd, out + done, n - done, offset + static_cast<off_t>(done));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return static_cast<std::int64_t>(done);
}

bool StampAt(int folder, const char* name, FileStamp& stamp) {
    struct stat st;
    if (*name == '\0' || fstatat(folder, name, &st, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(st.st_mode))
        return false;
    stamp = StampOf(st);
    return true;
}

bool StampOfOpen(int fd, FileStamp& stamp) {
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    stamp = StampOf(st);
    return true;
}

bool InputFile::ReadEnd(void* buffer, std::size_t n, std::int64_t offset) {
    if (fd_ < 0)
        return false;
    if (IoFaults* faults = InstalledIoFaults(); faults && faults->FailRead(path_, offset))
        return false;
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    // One read normally answers both questions: its count is n exactly when the file ends
    // there. A shorter count without the end reached is read on.
    while (done <= n) {
        const ssize_t got =
            ::pread(fd_, out + done, n + 1 - done, offset + static_cast<off_t>(done));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(got);
        if (got == 0 || done == n)
            break;
    }
    return done == n;
}

std::int64_t InputFile::Read(void* buffer, std::size_t n) {
    std::int64_t got = ReadAt(buffer, n, position_);
    if (got > 0)
        position_ += got;
    return got;
}

} // namespace platform
