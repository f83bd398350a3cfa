#include "folders/FolderListFile.h"

#include "platform/AtomicFile.h"
#include "platform/Errors.h"

#include <cerrno>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

bool FitsOnOneLine(const std::string& folder) {
    return folder.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos;
}

void WriteFolderListFile(const std::string& path, const std::vector<std::string>& folders) {
    std::string bytes;
    for (const auto& f : folders) {
        bytes += f;
        bytes += "\r\n";
    }
    // Written beside the old list and renamed over it: a failed write leaves the old one whole.
    if (platform::ReplaceFileContents(path, bytes) != 0)
        throw AppError("Cannot create file " + path);
}

namespace {

// Splits a list into entries as its bytes come, so that reading costs no more than the entries
// taken, however large the file.
class ListParser {
public:
    explicit ListParser(std::size_t maxEntries) : max_(maxEntries), done_(maxEntries == 0) {}

    // False once no more bytes are wanted: a NUL, or enough entries.
    bool Feed(std::string_view bytes) {
        for (const char c : bytes) {
            if (done_)
                return false;
            if (afterCr_) {
                afterCr_ = false;
                if (c == '\n')
                    continue; // CR LF is one ending
            }
            if (c == '\0') {
                done_ = true;
            } else if (c == '\r' || c == '\n') {
                lines_.push_back(std::move(line_));
                line_.clear();
                pending_ = false;
                afterCr_ = c == '\r';
                done_ = lines_.size() >= max_;
            } else {
                line_ += c;
                pending_ = true;
            }
        }
        return !done_;
    }

    // The entries; an unfinished last line counts.
    std::vector<std::string> Finish() {
        if (pending_ && lines_.size() < max_)
            lines_.push_back(std::move(line_));
        return std::move(lines_);
    }

private:
    std::size_t max_;
    std::vector<std::string> lines_;
    std::string line_;
    bool pending_ = false; // a line has begun that no ending has closed yet
    bool afterCr_ = false;
    bool done_;
};

} // namespace

std::vector<std::string> ParseFolderList(const std::string& bytes, std::size_t maxEntries) {
    ListParser parser(maxEntries);
    parser.Feed(bytes);
    return parser.Finish();
}

std::vector<std::string> ReadFolderListFile(const std::string& path, std::size_t maxEntries) {
    // O_NONBLOCK: a FIFO chosen by mistake must not hang the window.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        throw AppError("Cannot open file " + path);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        throw AppError("Cannot open file " + path);
    ListParser parser(maxEntries);
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw AppError("Cannot open file " + path);
        if (n == 0 || !parser.Feed(std::string_view(buffer, static_cast<std::size_t>(n))))
            break;
    }
    return parser.Finish();
}
