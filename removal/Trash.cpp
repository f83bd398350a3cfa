#include "removal/Trash.h"

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "removal/FileNames.h"
#include "removal/RemovalFaults.h"

#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char kInfoSuffix[] = ".trashinfo";
// A name in files/ must leave room for its record's suffix in info/.
constexpr std::size_t kMaxTrashedName = NAME_MAX - (sizeof kInfoSuffix - 1);

const char* const kNoTrashText = "The Trash folder cannot be created";

FileOpOutcome Failed(int err) {
    return {false, std::strerror(err), {}};
}

std::string AbsolutePath(const std::string& path) {
    if (!path.empty() && path[0] == '/')
        return path;
    char cwd[PATH_MAX];
    return ::getcwd(cwd, sizeof cwd) ? platform::JoinPath(cwd, path) : path;
}

std::string InfoText(const std::string& path) {
    char date[32];
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", &local);
    return "[Trash Info]\nPath=" + TrashInfoPath(AbsolutePath(path)) + "\nDeletionDate=" + date +
           "\n";
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
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (err != 0)
        ::unlink(infoFile.c_str());
    return err;
}

// Moves path into the Trash at trash (its "files" and "info" folders made as needed): 0 with
// target set, an errno value, or one negated when the Trash's folders cannot be made. The record is
// made first and exclusively: it reserves the name, so two files of one name never meet in the
// Trash, and a file is never in the Trash without its record.
int TrashInto(const std::string& path, const std::string& trash, std::string& target) {
    const std::string files = trash + "/files";
    const std::string info = trash + "/info";
    if (!MakeFolders(files, 0700) || !MakeFolders(info, 0700))
        return -errno;
    const std::string text = InfoText(path);
    const std::string name = platform::BaseName(path);
    for (int n = 1; n <= kMaxNameTries; ++n) {
        const std::string entry = FreeName(name, n, kMaxTrashedName);
        target = files + "/" + entry;
        if (platform::PathExists(target))
            continue;
        const std::string infoFile = info + "/" + entry + kInfoSuffix;
        int err = WriteRecord(infoFile, text);
        if (err == EEXIST)
            continue;
        if (err != 0)
            return err;
        err = RenameNoReplace(path, target);
        if (err == 0)
            return 0;
        ::unlink(infoFile.c_str());
        if (err != EEXIST)
            return err;
    }
    return EEXIST;
}

FileOpOutcome NoTrash(int err) {
    return {false, std::string(kNoTrashText) + ": " + std::strerror(err) + ".", {}};
}

FileOpOutcome Outcome(int err, const std::string& target) {
    if (err == 0)
        return {true, {}, target};
    return err < 0 ? NoTrash(-err) : Failed(err);
}

// The top folder of the file system that holds path (its mount point).
std::string TopFolderOf(const std::string& path) {
    struct stat st;
    std::string top = platform::ParentFolder(path);
    if (::stat(top.c_str(), &st) != 0)
        return {};
    while (top != "/") {
        const std::string up = platform::ParentFolder(top);
        struct stat upSt;
        if (::stat(up.c_str(), &upSt) != 0 || upSt.st_dev != st.st_dev)
            break;
        top = up;
    }
    return top;
}

// The Trash of a file on another file system than the data home: $top/.Trash/$uid when the
// administrator made $top/.Trash (a real folder with the sticky bit), else $top/.Trash-$uid. A
// link in their place is never followed: it could lead the files anywhere.
FileOpOutcome TrashOnItsOwnFileSystem(const std::string& path) {
    const std::string top = TopFolderOf(AbsolutePath(path));
    if (top.empty())
        return Failed(EXDEV);
    const std::string uid = std::to_string(::getuid());
    std::string target;
    const std::string shared = platform::JoinPath(top, ".Trash");
    struct stat st;
    if (::lstat(shared.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX)) {
        const std::string mine = shared + "/" + uid;
        if ((!platform::PathExists(mine) || platform::IsDirectory(mine, false)) &&
            MakeFolders(mine, 0700) && TrashInto(path, mine, target) == 0)
            return {true, {}, target};
    }
    const std::string own = platform::JoinPath(top, ".Trash-" + uid);
    if (platform::PathExists(own) && !platform::IsDirectory(own, false))
        return NoTrash(ENOTDIR);
    return Outcome(TrashInto(path, own, target), target);
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

FileOpOutcome TrashFile(const std::string& path) {
    if (RemovalFaults* faults = InstalledRemovalFaults())
        if (const int err = faults->FailRemoval(path))
            return Failed(err);
    // The data home is made first; an empty or relative one would put the Trash wherever the
    // program happens to run.
    const std::string dataHome =
        QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
            .toStdString();
    if (dataHome.empty() || dataHome[0] != '/')
        return NoTrash(ENOENT);
    if (!MakeFolders(dataHome, 0700))
        return NoTrash(errno);
    if (!platform::PathExists(path))
        return Failed(ENOENT);
    std::string target;
    const int err = TrashInto(path, dataHome + "/Trash", target);
    if (err == EXDEV)
        return TrashOnItsOwnFileSystem(path);
    return Outcome(err, target);
}
