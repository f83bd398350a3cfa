#include "removal/StagingJournal.h"

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "removal/FileNames.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace staging {
namespace {

constexpr char kPrefix[] = "staged-";

std::string Folder() {
    const std::string state = platform::StateHome();
    return state.empty() ? std::string() : state + "/kelvaro";
}

// This process's list, removed at a normal end.
struct Journal {
    std::mutex lock;
    int fd = -1;
    pid_t pid = 0;
    std::string path;
    ~Journal() {
        if (fd >= 0 && pid == ::getpid()) {
            ::close(fd);
            ::unlink(path.c_str());
        }
    }
};

Journal& Own() {
    static Journal journal;
    return journal;
}

std::string ParentOf(const std::string& path) {
    return platform::ParentFolder(path);
}

void PutBack(const std::string& staged, const std::string& original) {
    struct stat st;
    if (::lstat(staged.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return;
    const int folder =
        ::open(platform::ParentFolder(original).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return;
    std::string placed;
    RenameToFreeName(AT_FDCWD, staged, folder, platform::BaseName(original), placed);
    ::close(folder);
}

} // namespace

void Note(const std::string& staged, const std::string& original) {
    Journal& journal = Own();
    const std::lock_guard<std::mutex> hold(journal.lock);
    // A forked child keeps a list of its own: whether its files are pending is its own business.
    const std::string folder = Folder();
    if (journal.fd >= 0 && (journal.pid != ::getpid() || ParentOf(journal.path) != folder)) {
        ::close(journal.fd);
        if (journal.pid == ::getpid())
            ::unlink(journal.path.c_str());
        journal.fd = -1;
    }
    if (journal.fd < 0) {
        if (folder.empty() || !MakeFolders(folder, 0700))
            return;
        journal.pid = ::getpid();
        journal.path = folder + "/" + kPrefix + std::to_string(journal.pid);
        journal.fd = ::open(journal.path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
        if (journal.fd < 0)
            return;
    }
    const std::string entry = staged + '\0' + original + '\0';
    (void)!::write(journal.fd, entry.data(), entry.size());
}

void RecoverFrom(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent* d = ::readdir(dir)) {
        const std::string name = d->d_name;
        if (name.rfind(kPrefix, 0) != 0)
            continue;
        const long pid = std::atol(name.c_str() + sizeof kPrefix - 1);
        // A list whose writer still runs is its own business.
        if (pid <= 0 || pid == ::getpid() || ::kill(static_cast<pid_t>(pid), 0) == 0 ||
            errno != ESRCH)
            continue;
        const std::string list = folder + "/" + name;
        const int fd = ::open(list.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        std::string text;
        char buffer[65536];
        for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;)
            text.append(buffer, static_cast<std::size_t>(got));
        ::close(fd);
        std::size_t at = 0;
        for (;;) {
            const std::size_t end1 = text.find('\0', at);
            const std::size_t end2 = end1 == std::string::npos ? end1 : text.find('\0', end1 + 1);
            if (end2 == std::string::npos)
                break;
            PutBack(text.substr(at, end1 - at), text.substr(end1 + 1, end2 - end1 - 1));
            at = end2 + 1;
        }
        ::unlink(list.c_str());
    }
    ::closedir(dir);
}

void RecoverOnce() {
    static std::once_flag once;
    std::call_once(once, [] {
        const std::string folder = Folder();
        if (!folder.empty())
            RecoverFrom(folder);
    });
}

} // namespace staging
