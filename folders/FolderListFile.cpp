#include "folders/FolderListFile.h"

#include "platform/Errors.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

void WriteFolderListFile(const std::string& path, const std::vector<std::string>& folders) {
    std::string bytes;
    for (const auto& f : folders) {
        bytes += f;
        bytes += "\r\n";
    }
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        throw AppError("Cannot create file " + path);
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ::close(fd);
            throw AppError("Cannot create file " + path);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::close(fd) != 0)
        throw AppError("Cannot create file " + path);
}

std::vector<std::string> ParseFolderList(const std::string& bytes, std::size_t maxEntries) {
    std::vector<std::string> lines;
    std::string line;
    bool pending = false; // a line has begun that no ending has closed yet
    for (std::size_t i = 0; i < bytes.size() && lines.size() < maxEntries; ++i) {
        const char c = bytes[i];
        if (c == '\0')
            break;
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            pending = false;
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            continue;
        }
        line += c;
        pending = true;
    }
    if (pending && lines.size() < maxEntries)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> ReadFolderListFile(const std::string& path, std::size_t maxEntries) {
    // O_NONBLOCK: a FIFO chosen by mistake must not hang the window.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        throw AppError("Cannot open file " + path);
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        throw AppError("Cannot open file " + path);
    }
    if (st.st_size > kMaxFolderListBytes) {
        ::close(fd);
        throw AppError("Cannot open file " + path);
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            throw AppError("Cannot open file " + path);
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
        if (static_cast<std::int64_t>(bytes.size()) > kMaxFolderListBytes) {
            ::close(fd);
            throw AppError("Cannot open file " + path);
        }
    }
    ::close(fd);
    return ParseFolderList(bytes, maxEntries);
}
