#include "removal/FileNames.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The first n bytes of s, less a UTF-8 character that the cut would split.
std::string CutAtCharacter(const std::string& s, std::size_t n) {
    if (n >= s.size())
        return s;
    std::size_t end = n;
    // Back over continuation bytes to the start of the character that the cut falls into.
    while (end > 0 && (static_cast<unsigned char>(s[end]) & 0xC0) == 0x80)
        --end;
    return s.substr(0, end);
}

} // namespace

std::string FreeName(const std::string& name, int n, std::size_t maxBytes) {
    const std::string suffix = n >= 2 ? " (" + std::to_string(n) + ")" : "";
    auto dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0)
        dot = name.size();
    std::string stem = name.substr(0, dot), extension = name.substr(dot);
    // An extension that leaves no room for a stem is no extension worth keeping.
    if (extension.size() + suffix.size() + 16 > maxBytes) {
        stem = name;
        extension.clear();
    }
    const std::size_t room = maxBytes > extension.size() + suffix.size()
                                 ? maxBytes - extension.size() - suffix.size()
                                 : 0;
    return CutAtCharacter(stem, room) + suffix + extension;
}

int RenameNoReplace(const std::string& from, const std::string& to) {
    return RenameNoReplaceAt(AT_FDCWD, from, AT_FDCWD, to);
}

int RenameNoReplaceAt(int fromDir, const std::string& from, int toDir, const std::string& to) {
    if (::renameat2(fromDir, from.c_str(), toDir, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // A file system without the flag: a hard link refuses a taken name just as well; the old
    // name goes only while it still names the file linked.
    if (::linkat(fromDir, from.c_str(), toDir, to.c_str(), 0) != 0)
        return errno;
    errno = 0;
    struct stat was, now;
    if (::fstatat(fromDir, from.c_str(), &was, AT_SYMLINK_NOFOLLOW) != 0 ||
        ::fstatat(toDir, to.c_str(), &now, AT_SYMLINK_NOFOLLOW) != 0 || was.st_ino != now.st_ino ||
        was.st_dev != now.st_dev || ::unlinkat(fromDir, from.c_str(), 0) != 0) {
        const int err = errno ? errno : EBUSY;
        ::unlinkat(toDir, to.c_str(), 0);
        return err;
    }
    return 0;
}

int RenameToFreeName(int fromDir, const std::string& from, int toDir, const std::string& name,
                     std::string& placed, const std::function<void(const std::string&)>& before) {
    for (int n = 1; n <= kMaxNameTries; ++n) {
        placed = FreeName(name, n, NAME_MAX);
        struct stat st;
        if (::fstatat(toDir, placed.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0)
            continue;
        if (before)
            before(placed);
        const int err = RenameNoReplaceAt(fromDir, from, toDir, placed);
        if (err != EEXIST)
            return err;
    }
    return EEXIST;
}

bool MakeFolders(const std::string& folder, unsigned mode) {
    if (folder.empty())
        return false;
    std::size_t pos = 0;
    while (pos <= folder.size()) {
        std::size_t next = folder.find('/', pos);
        if (next == std::string::npos)
            next = folder.size();
        const std::string path = folder.substr(0, next);
        if (!path.empty() && ::mkdir(path.c_str(), static_cast<mode_t>(mode)) != 0 &&
            errno != EEXIST)
            return false;
        pos = next + 1;
    }
    struct stat st;
    if (::stat(folder.c_str(), &st) != 0)
        return false;
    if (!S_ISDIR(st.st_mode))
        errno = ENOTDIR;
    return S_ISDIR(st.st_mode);
}
