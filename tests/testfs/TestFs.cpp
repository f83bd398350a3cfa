// A file system for the tests: it shows a folder as it is, read-only, but can make reads and
// stats slow, fail or hang, as a network share or a dying disk does, and can give files new
// inode numbers or times at every look, as some network shares do.
//
//   kelvaro-testfs SOURCE MOUNTPOINT [options] [-- FUSE options]
//     --read-delay MS     every read and folder listing waits this long
//     --stat-delay MS     every stat waits this long
//     --fail-read TEXT    reads of paths holding TEXT fail with an input/output error
//     --fail-stat TEXT    stats of paths holding TEXT fail so
//     --fail-list TEXT    listings of folders whose path holds TEXT fail so
//     --hang-read TEXT    reads of paths holding TEXT wait until SIGUSR1 arrives
//     --unstable-inodes   a new inode number at every stat
//     --unstable-times    a new modification and status change time at every stat
//
// It runs in the foreground until it is unmounted or gets SIGTERM. A FUSE mount needs root
// and /dev/fuse.

#define FUSE_USE_VERSION 31

#include <fuse.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

struct Settings {
    std::string source;
    int readDelay = 0;
    int statDelay = 0;
    std::string failRead, failStat, failList, hangRead;
    bool unstableInodes = false;
    bool unstableTimes = false;
};

Settings g_settings;
volatile std::sig_atomic_t g_released = 0;
std::atomic<unsigned long> g_looks{0};

bool Holds(const char* path, const std::string& text) {
    return !text.empty() && std::strstr(path, text.c_str()) != nullptr;
}

void Wait(int milliseconds) {
    if (milliseconds > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::string Real(const char* path) {
    return g_settings.source + path;
}

void* Init(fuse_conn_info*, fuse_config* config) {
    // Every look reaches this file system: nothing is kept by the kernel between two.
    config->use_ino = 1;
    config->entry_timeout = 0;
    config->attr_timeout = 0;
    config->negative_timeout = 0;
    config->direct_io = 1;
    return nullptr;
}

int GetAttr(const char* path, struct stat* st, fuse_file_info*) {
    Wait(g_settings.statDelay);
    if (Holds(path, g_settings.failStat))
        return -EIO;
    if (lstat(Real(path).c_str(), st) != 0)
        return -errno;
    const unsigned long look = ++g_looks;
    if (g_settings.unstableInodes && std::strcmp(path, "/") != 0)
        st->st_ino += 1000000 * look;
    if (g_settings.unstableTimes) {
        st->st_mtim.tv_nsec = static_cast<long>(look % 1000000000);
        st->st_ctim.tv_nsec = static_cast<long>(look % 1000000000);
    }
    return 0;
}

int ReadDir(const char* path, void* buffer, fuse_fill_dir_t fill, off_t, fuse_file_info*,
            fuse_readdir_flags) {
    Wait(g_settings.readDelay);
    if (Holds(path, g_settings.failList))
        return -EIO;
    DIR* dir = opendir(Real(path).c_str());
    if (!dir)
        return -errno;
    while (dirent* d = readdir(dir)) {
        struct stat st {};
        st.st_ino = d->d_ino;
        st.st_mode = static_cast<mode_t>(d->d_type << 12);
        if (fill(buffer, d->d_name, &st, 0, static_cast<fuse_fill_dir_flags>(0)) != 0)
            break;
    }
    closedir(dir);
    return 0;
}

int Open(const char* path, fuse_file_info* info) {
    if ((info->flags & O_ACCMODE) != O_RDONLY)
        return -EROFS;
    const int fd = open(Real(path).c_str(), info->flags);
    if (fd < 0)
        return -errno;
    info->fh = static_cast<std::uint64_t>(fd);
    return 0;
}

int Read(const char* path, char* buffer, size_t size, off_t offset, fuse_file_info* info) {
    Wait(g_settings.readDelay);
    if (Holds(path, g_settings.hangRead))
        while (!g_released)
            Wait(5);
    if (Holds(path, g_settings.failRead))
        return -EIO;
    const ssize_t got = pread(static_cast<int>(info->fh), buffer, size, offset);
    return got < 0 ? -errno : static_cast<int>(got);
}

int Release(const char*, fuse_file_info* info) {
    close(static_cast<int>(info->fh));
    return 0;
}

int Usage() {
    std::fputs("usage: kelvaro-testfs SOURCE MOUNTPOINT [--read-delay MS] [--stat-delay MS]\n"
               "       [--fail-read TEXT] [--fail-stat TEXT] [--fail-list TEXT]\n"
               "       [--hang-read TEXT] [--unstable-inodes] [--unstable-times]\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return Usage();
    char* source = realpath(argv[1], nullptr);
    if (!source) {
        std::perror(argv[1]);
        return 1;
    }
    g_settings.source = source;
    std::free(source);
    std::vector<char*> fuseArgs{argv[0], argv[2], const_cast<char*>("-f")};
    for (int i = 3; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
        const char* v = nullptr;
        if (a == "--unstable-inodes")
            g_settings.unstableInodes = true;
        else if (a == "--unstable-times")
            g_settings.unstableTimes = true;
        else if (a == "--")
            while (++i < argc)
                fuseArgs.push_back(argv[i]);
        else if (!(v = value()))
            return Usage();
        else if (a == "--read-delay")
            g_settings.readDelay = std::atoi(v);
        else if (a == "--stat-delay")
            g_settings.statDelay = std::atoi(v);
        else if (a == "--fail-read")
            g_settings.failRead = v;
        else if (a == "--fail-stat")
            g_settings.failStat = v;
        else if (a == "--fail-list")
            g_settings.failList = v;
        else if (a == "--hang-read")
            g_settings.hangRead = v;
        else
            return Usage();
    }
    std::signal(SIGUSR1, [](int) { g_released = 1; });

    fuse_operations ops{};
    ops.init = Init;
    ops.getattr = GetAttr;
    ops.readdir = ReadDir;
    ops.open = Open;
    ops.read = Read;
    ops.release = Release;
    return fuse_main(static_cast<int>(fuseArgs.size()), fuseArgs.data(), &ops, nullptr);
}
