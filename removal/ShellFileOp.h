#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Function codes and flag words of the shell's file operation.
constexpr std::uint32_t FO_MOVE = 1;
constexpr std::uint32_t FO_DELETE = 3;

constexpr std::uint16_t FOF_SILENT = 0x0004;
constexpr std::uint16_t FOF_RENAMEONCOLLISION = 0x0008;
constexpr std::uint16_t FOF_NOCONFIRMATION = 0x0010;
constexpr std::uint16_t FOF_ALLOWUNDO = 0x0040;
constexpr std::uint16_t FOF_FILESONLY = 0x0080;
constexpr std::uint16_t FOF_SIMPLEPROGRESS = 0x0100;
constexpr std::uint16_t FOF_NOCONFIRMMKDIR = 0x0200;

// The request handed to the shell. pFrom and pTo are lists of NUL-terminated paths ended by
// one more NUL.
struct SHFILEOPSTRUCT {
    std::uintptr_t hwnd = 0;
    std::uint32_t wFunc = 0;
    const char* pFrom = nullptr;
    const char* pTo = nullptr;
    std::uint16_t fFlags = 0;
    bool fAnyOperationsAborted = false;
    void* hNameMappings = nullptr;
    const char* lpszProgressTitle = nullptr;
};

// Whatever carries out the request: the desktop layer in production, a recorder in tests.
class ShellOperations {
public:
    virtual ~ShellOperations() = default;
    // Runs synchronously; sets fAnyOperationsAborted when part of the work was cancelled.
    virtual int SHFileOperation(SHFILEOPSTRUCT& op) = 0;
};

// The paths of a double-NUL-terminated list, in order.
std::vector<std::string> SplitPathList(const char* list);
// The bytes of such a list, both final NULs included.
std::string PathListBytes(const char* list);

// Collects full paths and hands them to the shell in one call: to the Trash, into a folder, or
// deleted for good. Lives for one removal.
class TShellFileOp {
public:
    explicit TShellFileOp(ShellOperations& shell) : shell_(shell) {}
    TShellFileOp(const TShellFileOp&) = delete;
    TShellFileOp& operator=(const TShellFileOp&) = delete;

    bool FilesOnly = false;
    bool NoConfirmation = false;
    bool AutoMakeDir = false;
    bool RenameOnCollision = false;
    bool Animate = false;
    std::string ProgressTitle;

    // Sorted for display (case ignored, locale-aware); a path already listed, byte for byte,
    // is not added again.
    void AddFile(const std::string& path);

    // True when the user aborted some part of the operation.
    bool RecycleFiles();
    bool EraseFiles();
    bool MoveFiles(const std::string& destination);

    const std::vector<std::string>& Files() const { return FFileList; }
    // The request as last handed to the shell (its buffers are gone once it returns).
    const SHFILEOPSTRUCT& OpStruct() const { return FOpStruct; }

private:
    bool Execute(std::uint32_t function);
    void BuildFileList();
    void PrepareFlags();
    void ReleaseFileList();

    ShellOperations& shell_;
    SHFILEOPSTRUCT FOpStruct;
    std::uintptr_t FWindowHandle = 0;
    bool FAllowUndo = false;
    std::vector<std::string> FFileList;
    std::string FDestination;
    std::vector<char> source_;
    std::vector<char> target_;
};
