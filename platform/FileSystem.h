#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <sys/types.h>

namespace platform {

// Unreadable: an entry whose type or stamp the system refused (an input/output error, a
// network share that did not answer); FolderEntry::error says why.
enum class EntryType { RegularFile, Directory, Other, Unreadable };

// Identity of a file on this machine.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

// What a search saw of a file: which file it was, its length, its last modification and its
// last status change. A path whose stamp differs no longer leads to the file that was seen.
struct FileStamp {
    FileIdentity identity{};
    std::int64_t size = 0;
    std::int64_t modified = 0; // nanoseconds since the epoch
    // Also nanoseconds. A write in place moves it even when the writer puts the modification
    // time back, as copies that keep times do, and no program can set it.
    std::int64_t changed = 0;
    bool operator==(const FileStamp&) const = default;
};

struct FolderEntry {
    std::string name;
    EntryType type = EntryType::Other;
    FileStamp stamp{}; // of regular files, when sizes were asked for
    int error = 0;     // of an unreadable entry
};

// What ListFolder has to find out about each entry. Sizes (and stamps) cost a stat per entry.
enum class ListWhat { TypesOnly, TypesAndSizes };

// Calls visit for each entry of folder except "." and "..", in the file system's order, until
// visit returns false. Links are reported as Other, never followed; an entry that vanished
// meanwhile is left out. Returns false when the folder cannot be opened or its listing breaks
// off; then error, when given, receives the system's error number.
bool ListFolder(const std::string& folder, ListWhat what,
                const std::function<bool(const FolderEntry&)>& visit, int* error = nullptr);

// True for the error numbers of an open that failed only for lack of file descriptors.
bool OutOfDescriptors(int error);

// How many more files this process may open now, by its limit and what it holds open.
std::size_t FreeFileDescriptors();

// True when path names a directory (a link to one counts only if followLinks).
bool IsDirectory(const std::string& path, bool followLinks = true);

// True when something exists at path (a dangling link counts).
bool PathExists(const std::string& path);

// True when folder is a folder in which this user may create files.
bool CanWriteIn(const std::string& folder);

// The identity of what path names, without following a last link. False when it is gone.
bool Identify(const std::string& path, FileIdentity& identity);

// The stamp of the regular file at path, without following a last link. False when nothing is
// there or it is not a regular file.
bool StampOf(const std::string& path, FileStamp& stamp);

// The stamp of the regular file named name in the folder open as folder (O_PATH will do),
// without following a last link. False as StampOf.
bool StampAt(int folder, const char* name, FileStamp& stamp);

// The stamp of the regular file open as fd. False when fstat fails or it is no regular file.
bool StampOfOpen(int fd, FileStamp& stamp);

// Reads n bytes at offset of fd, retrying short and interrupted reads, unless the file ends
// first. The count, or -1 on a read error.
std::int64_t ReadFullyAt(int fd, void* buffer, std::size_t n, std::int64_t offset);

// A regular file opened for reading. Never follows a link at the last component.
class InputFile {
public:
    InputFile() = default;
    ~InputFile();
    InputFile(InputFile&& other) noexcept;
    InputFile& operator=(InputFile&& other) noexcept;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Fails for anything but a regular file. OpenError() then tells why.
    bool Open(const std::string& path);
    // As Open, but name is looked up in the folder open as folder (a descriptor, or AT_FDCWD),
    // which saves looking up every folder of path again; path is what it is known by.
    bool OpenAt(int folder, const char* name, const std::string& path);
    int OpenError() const { return openError_; }
    void Close();
    bool IsOpen() const { return fd_ >= 0; }

    // Reads up to n bytes, retrying short reads until n bytes or the end of the file.
    // Returns the count, or -1 on a read error.
    std::int64_t Read(void* buffer, std::size_t n);
    // Reads at offset without moving the file position; same contract as Read.
    std::int64_t ReadAt(void* buffer, std::size_t n, std::int64_t offset);
    // Reads the n bytes at offset that end the file, and proves that they do in the same read
    // by asking for one byte more: buffer must hold n + 1 bytes. False on a read error and when
    // the file is shorter or longer.
    bool ReadEnd(void* buffer, std::size_t n, std::int64_t offset);

    std::int64_t Length() const { return stamp_.size; }
    FileIdentity Identity() const { return stamp_.identity; }
    // Taken when the file was opened.
    const FileStamp& Stamp() const { return stamp_; }
    const std::string& Path() const { return path_; }

private:
    int fd_ = -1;
    int openError_ = 0;
    std::int64_t position_ = 0;
    FileStamp stamp_;
    std::string path_;
};

} // namespace platform
