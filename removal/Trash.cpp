#include "removal/Trash.h"

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "removal/FileNames.h"
#include "removal/Mounts.h"

#include <QFile>
#include <QStandardPaths>
#include <cctype>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char kInfoSuffix[] = ".trashinfo";
// A name in files/ must leave room for its record's suffix in info/.
constexpr std::size_t kMaxTrashedName = NAME_MAX - (sizeof kInfoSuffix - 1);
// Marks the records this program wrote; the Trash's readers ignore keys they do not know.
constexpr char kWriterKey[] = "X-Kelvaro-Process=";

std::string NoTrashText(int err) {
    return std::string("The Trash folder cannot be created: ") + std::strerror(err) + ".";
}

std::string AbsolutePath(const std::string& path) {
    if (!path.empty() && path[0] == '/')
        return path;
    char cwd[PATH_MAX];
    return ::getcwd(cwd, sizeof cwd) ? platform::JoinPath(cwd, path) : path;
}

// The path with its folder's links resolved: where the file really is.
std::string RealPath(const std::string& path) {
    char* folder = ::realpath(platform::ParentFolder(AbsolutePath(path)).c_str(), nullptr);
    if (!folder)
        return AbsolutePath(path);
    const std::string real = platform::JoinPath(folder, platform::BaseName(path));
    std::free(folder);
    return real;
}

std::string InfoText(const std::string& recorded) {
    char date[32];
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", &local);
    return "[Trash Info]\nPath=" + TrashInfoPath(recorded) + "\nDeletionDate=" + date + "\n" +
           kWriterKey + std::to_string(::getpid()) + "\n";
}

// 0, or an errno value; EEXIST when the record's name is taken.
int WriteRecord(const std::string& infoFile, const std::string& text) {
    const int fd = ::open(infoFile.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    int err = 0;
    errno = 0;
    if (::write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
        err = errno ? errno : ENOSPC;
    if (::fsync(fd) != 0 && err == 0)
        err = errno;
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (err != 0)
        ::unlink(infoFile.c_str());
    return err;
}

// A Trash folder that is really a folder of this user's that no one else may write in, never
// a link in its place (it could lead the files anywhere, or to someone who reads them), made as
// needed.
bool UsableFolder(const std::string& folder, int& err) {
    struct stat st;
    if (::lstat(folder.c_str(), &st) == 0) {
        if (!S_ISDIR(st.st_mode)) {
            err = ENOTDIR;
            return false;
        }
        if (st.st_uid != ::getuid() || (st.st_mode & 022) != 0) {
            err = EACCES;
            return false;
        }
        return true;
    }
    if (!MakeFolders(folder, 0700)) {
        err = errno;
        return false;
    }
    return true;
}

void DropStaleOnce(const std::string& trash, const std::string& top) {
    static std::mutex lock;
    static std::set<std::string> done;
    {
        const std::lock_guard<std::mutex> hold(lock);
        if (!done.insert(trash).second)
            return;
    }
    DropStaleRecords(trash, top);
}

// Moves path into the Trash at trash, whose recorded paths are relative to top (empty for the
// home Trash, whose paths are absolute). 0 with slot set, or an errno value; err for the Trash
// itself is returned negated.
int TrashInto(const std::string& path, int fromDir, const std::string& fromName,
              const std::string& trash, const std::string& top, TrashSlot& slot) {
    const std::string files = trash + "/files";
    const std::string info = trash + "/info";
    int err = 0;
    if (!UsableFolder(trash, err) || !UsableFolder(files, err) || !UsableFolder(info, err))
        return -err;
    DropStaleOnce(trash, top);
    std::string recorded = RealPath(path);
    if (!top.empty() && top != "/" && recorded.rfind(top + "/", 0) == 0)
        recorded = recorded.substr(top.size() + 1);
    else if (top == "/")
        recorded = recorded.substr(1);
    const std::string text = InfoText(recorded);
    const std::string name = platform::BaseName(path);
    for (int n = 1; n <= kMaxNameTries; ++n) {
        const std::string entry = FreeName(name, n, kMaxTrashedName);
        slot.file = files + "/" + entry;
        if (platform::PathExists(slot.file))
            continue;
        slot.info = info + "/" + entry + kInfoSuffix;
        err = WriteRecord(slot.info, text);
        if (err == EEXIST)
            continue;
        if (err != 0)
            return err;
        err = RenameNoReplaceAt(fromDir, fromName, AT_FDCWD, slot.file);
        if (err == 0)
            return 0;
        ::unlink(slot.info.c_str());
        if (err != EEXIST)
            return err;
    }
    return EEXIST;
}

// The Trash at the top of the mount: the administrator's shared one (a real folder with the
// sticky bit) with a folder per user, else one of the user's own.
int TrashAtTop(const std::string& path, int fromDir, const std::string& fromName,
               const std::string& top, TrashSlot& slot) {
    const std::string uid = std::to_string(::getuid());
    const std::string shared = platform::JoinPath(top, ".Trash");
    struct stat st;
    if (::lstat(shared.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX)) {
        const int err = TrashInto(path, fromDir, fromName, shared + "/" + uid, top, slot);
        if (err >= 0)
            return err;
    }
    return TrashInto(path, fromDir, fromName, platform::JoinPath(top, ".Trash-" + uid), top, slot);
}

int Fail(int err, std::string& error) {
    error = err < 0 ? NoTrashText(-err) : std::strerror(err);
    return err;
}

} // namespace

std::string TrashInfoPath(const std::string& path) {
    static const char* const kHex = "0123456789ABCDEF";
    std::string out;
    for (const char c : path) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') ||
            (c != '\0' && std::strchr("/-._~", c))) {
            out += c;
        } else {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 15];
        }
    }
    return out;
}

std::string DecodeTrashInfoPath(const std::string& recorded) {
    std::string out;
    for (std::size_t i = 0; i < recorded.size(); ++i) {
        if (recorded[i] == '%' && i + 2 < recorded.size() &&
            std::isxdigit(static_cast<unsigned char>(recorded[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(recorded[i + 2]))) {
            out += static_cast<char>(std::stoi(recorded.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += recorded[i];
        }
    }
    return out;
}

void DropStaleRecords(const std::string& trash, const std::string& top) {
    const std::string info = trash + "/info";
    DIR* dir = ::opendir(info.c_str());
    if (!dir)
        return;
    const std::size_t suffix = sizeof kInfoSuffix - 1;
    while (const dirent* d = ::readdir(dir)) {
        const std::string name = d->d_name;
        if (name.size() <= suffix || name.compare(name.size() - suffix, suffix, kInfoSuffix) != 0)
            continue;
        const std::string record = info + "/" + name;
        // Only a regular file, and only its beginning: a FIFO in its place must not hang us.
        const int fd = ::open(record.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat st;
        char head[4096];
        ssize_t got = -1;
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode))
            got = ::read(fd, head, sizeof head);
        ::close(fd);
        if (got <= 0)
            continue;
        std::istringstream in(std::string(head, static_cast<std::size_t>(got)));
        std::string line, recorded;
        long writer = 0;
        for (int n = 0; n < 16 && std::getline(in, line); ++n) {
            if (line.rfind("Path=", 0) == 0)
                recorded = DecodeTrashInfoPath(line.substr(5));
            else if (line.rfind(kWriterKey, 0) == 0)
                writer = std::atol(line.c_str() + sizeof kWriterKey - 1);
        }
        if (writer <= 0 || recorded.empty())
            continue;
        // A writer still running may be between its record and its move.
        if (writer != ::getpid() && (::kill(static_cast<pid_t>(writer), 0) == 0 || errno != ESRCH))
            continue;
        const std::string file = trash + "/files/" + name.substr(0, name.size() - suffix);
        const std::string original =
            recorded[0] == '/' ? recorded : platform::JoinPath(top.empty() ? "/" : top, recorded);
        if (!platform::PathExists(file) && platform::PathExists(original))
            ::unlink(record.c_str());
    }
    ::closedir(dir);
}

int MoveToTrash(const std::string& path, TrashSlot& slot, std::string& error, int fromDir,
                const std::string& fromName) {
    const std::string& from = fromName.empty() ? path : fromName;
    // The data home is made first; an empty or relative one would put the Trash wherever the
    // program happens to run.
    const std::string dataHome =
        QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
            .toStdString();
    if (dataHome.empty() || dataHome[0] != '/')
        return Fail(-ENOENT, error);
    if (!MakeFolders(dataHome, 0700))
        return Fail(-errno, error);
    if (!platform::PathExists(path))
        return Fail(ENOENT, error);
    MountPlace home, own;
    if (!MountOf(platform::ParentFolder(AbsolutePath(path)), own))
        return Fail(-ENOENT, error);
    if (MountOf(dataHome, home) && home.id == own.id) {
        const int err = TrashInto(path, fromDir, from, dataHome + "/Trash", {}, slot);
        // The home Trash itself may be a mount of its own.
        if (err != EXDEV)
            return err == 0 ? 0 : Fail(err, error);
    }
    const int err = TrashAtTop(path, fromDir, from, own.top, slot);
    return err == 0 ? 0 : Fail(err, error);
}
