#include "removal/DesktopShell.h"

#include "platform/Paths.h"
#include "removal/RemovalFaults.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
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

bool Exists(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

// Renames without ever replacing what is at to. 0 or an errno value.
int RenameNoReplace(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // A file system without the flag: a hard link refuses a taken name just as well.
    if (::link(from.c_str(), to.c_str()) != 0)
        return errno;
    if (::unlink(from.c_str()) != 0) {
        const int err = errno;
        ::unlink(to.c_str());
        return err;
    }
    return 0;
}

int CopyBytes(int in, int out) {
    static constexpr std::size_t kChunk = 1 << 16;
    std::vector<char> buffer(kChunk);
    for (;;) {
        const ssize_t got = ::read(in, buffer.data(), kChunk);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (got == 0)
            return 0;
        for (ssize_t done = 0; done < got;) {
            const ssize_t put =
                ::write(out, buffer.data() + done, static_cast<std::size_t>(got - done));
            if (put < 0) {
                if (errno == EINTR)
                    continue;
                return errno;
            }
            done += put;
        }
    }
}

// Copy to a name that must not exist yet, flush, compare lengths, then unlink the source.
// Whatever fails, the source stays and no partial copy is left behind.
int CopyThenUnlink(const std::string& from, const std::string& to) {
    const int in = ::open(from.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (in < 0)
        return errno;
    struct stat source;
    if (::fstat(in, &source) != 0) {
        const int err = errno;
        ::close(in);
        return err;
    }
    if (!S_ISREG(source.st_mode)) {
        ::close(in);
        return EISDIR;
    }
    const int out =
        ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, source.st_mode & 07777);
    if (out < 0) {
        const int err = errno;
        ::close(in);
        return err;
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
    }
    if (::close(out) != 0 && err == 0)
        err = errno;
    ::close(in);
    if (err == 0 && ::unlink(from.c_str()) != 0)
        err = errno;
    if (err != 0)
        ::unlink(to.c_str());
    return err;
}

// The Trash wants the original path URL-escaped; some Qt versions write it raw, which a file
// manager then misreads for a name with "%" in it.
void EscapeTrashInfoPath(const std::string& info, const std::string& original) {
    QFile file(QFile::decodeName(QByteArray::fromStdString(info)));
    if (!file.open(QIODevice::ReadOnly))
        return;
    QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    const QByteArray escaped = "Path=" + QByteArray::fromStdString(TrashInfoPath(original));
    bool changed = false;
    for (QByteArray& line : lines)
        if (line.startsWith("Path=") && line != escaped) {
            line = escaped;
            changed = true;
        }
    if (!changed)
        return;
    QSaveFile out(file.fileName());
    if (out.open(QIODevice::WriteOnly) && out.write(lines.join('\n')) >= 0)
        out.commit();
}

// Qt turns a path into text and back; a name that is not valid UTF-8 does not survive that.
bool SurvivesQt(const std::string& path) {
    const QByteArray bytes = QByteArray::fromStdString(path);
    return QFile::encodeName(QFile::decodeName(bytes)) == bytes;
}

bool IsFolder(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The top folder of the file system that holds path (a mount point).
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

// Moves path into the Trash at trash (its "files" and "info" folders made as needed) with
// a .trashinfo written from the raw bytes. The info file is made first and exclusively: it
// reserves the name, so two files of one name never meet in the Trash.
FileOpOutcome TrashInto(const std::string& path, const std::string& trash) {
    const std::string files = trash + "/files";
    const std::string info = trash + "/info";
    if (!MakeFolders(files, 0700) || !MakeFolders(info, 0700))
        return {false, "The Trash folder cannot be created.", {}};
    char date[32];
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", &local);
    const std::string content =
        "[Trash Info]\nPath=" + TrashInfoPath(path) + "\nDeletionDate=" + date + "\n";
    const std::string name = platform::BaseName(path);
    for (int n = 1;; ++n) {
        const std::string entry = n == 1 ? name : NumberedName(name, n);
        const std::string infoFile = info + "/" + entry + ".trashinfo";
        const std::string target = files + "/" + entry;
        if (Exists(target))
            continue;
        const int fd = ::open(infoFile.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return Failed(errno);
        }
        const bool written =
            ::write(fd, content.data(), content.size()) == static_cast<ssize_t>(content.size());
        const int closed = ::close(fd);
        int err = written && closed == 0 ? 0 : EIO;
        if (err == 0)
            err = RenameNoReplace(path, target);
        if (err == 0)
            return {true, {}, target};
        ::unlink(infoFile.c_str());
        if (err != EEXIST)
            return Failed(err);
    }
}

// The Trash for a name Qt cannot carry: the home Trash, or for a file on another file system
// the Trash at the top of that file system, as the desktop's file managers look for it.
FileOpOutcome TrashRawName(const std::string& path, const std::string& dataHome) {
    if (!Exists(path))
        return Failed(ENOENT);
    FileOpOutcome outcome = TrashInto(path, dataHome + "/Trash");
    if (outcome.ok || outcome.error != std::strerror(EXDEV))
        return outcome;
    const std::string top = TopFolderOf(path);
    if (top.empty() || !IsFolder(top))
        return outcome;
    return TrashInto(path, platform::JoinPath(top, ".Trash-" + std::to_string(::getuid())));
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

std::string NumberedName(const std::string& name, int n) {
    const std::string suffix = " (" + std::to_string(n) + ")";
    const auto dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0)
        return name + suffix;
    return name.substr(0, dot) + suffix + name.substr(dot);
}

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

bool MakeFolders(const std::string& folder, unsigned mode) {
    if (folder.empty())
        return false;
    std::string path;
    std::size_t pos = 0;
    while (pos <= folder.size()) {
        std::size_t next = folder.find('/', pos);
        if (next == std::string::npos)
            next = folder.size();
        path = folder.substr(0, next);
        if (!path.empty() && ::mkdir(path.c_str(), static_cast<mode_t>(mode)) != 0 &&
            errno != EEXIST)
            return false;
        pos = next + 1;
    }
    struct stat st;
    return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

FileOpOutcome TrashFile(const std::string& path) {
    if (const int err = InjectedFault(path))
        return Failed(err);
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty() || !MakeFolders(QFile::encodeName(dataHome).toStdString(), 0700))
        return {false, "The Trash folder cannot be created.", {}};

    if (!SurvivesQt(path))
        return TrashRawName(path, QFile::encodeName(dataHome).toStdString());
    QFile file(QFile::decodeName(QByteArray::fromStdString(path)));
    if (!file.moveToTrash())
        return {false, file.errorString().toStdString(), {}};
    const std::string inTrash = QFile::encodeName(file.fileName()).toStdString();
    const std::string trashed =
        inTrash.empty() || inTrash[0] == '/'
            ? inTrash
            : QFile::encodeName(QDir::current().absoluteFilePath(file.fileName())).toStdString();
    // Without its .trashinfo a file cannot be restored: put it back and call it a failure.
    const std::string trashRoot = platform::ParentFolder(platform::ParentFolder(trashed));
    const std::string info =
        platform::JoinPath(trashRoot, "info/" + platform::BaseName(trashed) + ".trashinfo");
    if (!inTrash.empty() && inTrash[0] == '/' && Exists(info)) {
        EscapeTrashInfoPath(info, path);
        return {true, {}, inTrash};
    }
    if (!trashed.empty())
        RenameNoReplace(trashed, path);
    return {false, "The Trash did not record where the file came from.", {}};
}

FileOpOutcome MoveFileInto(const std::string& path, const std::string& folder) {
    if (const int err = InjectedFault(path))
        return Failed(err);
    if (!Exists(path))
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
    const bool forceCopy = faults && faults->ForceCopy(path);
    for (int n = 1;; ++n) {
        const std::string target =
            platform::JoinPath(folder, n == 1 ? name : NumberedName(name, n));
        if (Exists(target))
            continue;
        int err = forceCopy ? EXDEV : RenameNoReplace(path, target);
        if (err == EXDEV)
            err = CopyThenUnlink(path, target);
        if (err == 0)
            return {true, {}, target};
        // Someone took the name between the test and the move: try the next one.
        if (err == EEXIST)
            continue;
        return Failed(err);
    }
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
    if (op.wFunc == FO_MOVE && !Exists(destination) &&
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
