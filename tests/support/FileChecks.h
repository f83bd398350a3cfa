#pragma once

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

// Looks at the disk the way the checks of removal tests need: by the path's bytes, links not
// followed, so that a name need not be valid text and a link left behind still counts.

inline bool Exists(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

// Writes another byte in place and puts the modification time back, as a tool that keeps times
// would. False when any step fails.
inline bool RewriteKeepingTime(const std::string& path) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0)
        return false;
    const int fd = ::open(path.c_str(), O_WRONLY);
    if (fd < 0)
        return false;
    const bool written = ::pwrite(fd, "X", 1, 50) == 1;
    ::close(fd);
    const struct timespec times[2] = {{0, UTIME_OMIT}, st.st_mtim};
    return written && ::utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

// The whole file, or "<missing>" when it cannot be opened.
inline std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Every regular file under folder (links not followed) with its contents, by its path relative
// to folder: two calls, before and after, show exactly what changed on disk.
inline std::map<std::string, std::string> FilesUnder(const std::string& folder) {
    namespace fs = std::filesystem;
    std::map<std::string, std::string> files;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file(ec) && !it->is_symlink(ec))
            files[fs::relative(it->path(), folder).string()] = ReadAll(it->path().string());
    return files;
}

// The Path value of a .trashinfo with its %XX escapes turned back into bytes.
inline std::string DecodedTrashPath(const std::string& info) {
    const auto at = info.find("\nPath=");
    if (at == std::string::npos)
        return {};
    const auto end = info.find('\n', at + 6);
    const std::string value = info.substr(at + 6, end - at - 6);
    std::string bytes;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '%' && i + 2 < value.size()) {
            bytes += static_cast<char>(std::stoi(value.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            bytes += value[i];
        }
    }
    return bytes;
}
