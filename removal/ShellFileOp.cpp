#include "removal/ShellFileOp.h"

#include <QCollator>
#include <QString>
#include <algorithm>
#include <cstring>

namespace {

QString ToQString(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Case-insensitive in the user's locale; the bytes break ties so that the order is total.
bool PathLess(const std::string& a, const std::string& b) {
    static const QCollator collator = [] {
        QCollator c;
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    const int order = collator.compare(ToQString(a), ToQString(b));
    if (order != 0)
        return order < 0;
    return a < b;
}

void AppendListed(std::vector<char>& buffer, const std::string& path) {
    buffer.insert(buffer.end(), path.begin(), path.end());
    buffer.push_back('\0');
}

} // namespace

std::vector<std::string> SplitPathList(const char* list) {
    std::vector<std::string> paths;
    if (!list)
        return paths;
    while (*list) {
        paths.emplace_back(list);
        list += std::strlen(list) + 1;
    }
    return paths;
}

std::string PathListBytes(const char* list) {
    if (!list)
        return {};
    const char* p = list;
    while (*p)
        p += std::strlen(p) + 1;
    return std::string(list, static_cast<std::size_t>(p - list) + 1);
}

void TShellFileOp::AddFile(const std::string& path) {
    // An empty path would end the shell's list early.
    if (path.empty())
        return;
    auto at = std::lower_bound(FFileList.begin(), FFileList.end(), path, PathLess);
    if (at != FFileList.end() && *at == path)
        return;
    FFileList.insert(at, path);
}

bool TShellFileOp::RecycleFiles() {
    FAllowUndo = true;
    return Execute(FO_DELETE);
}

bool TShellFileOp::EraseFiles() {
    FAllowUndo = false;
    return Execute(FO_DELETE);
}

bool TShellFileOp::MoveFiles(const std::string& destination) {
    FDestination = destination;
    return Execute(FO_MOVE);
}

bool TShellFileOp::Execute(std::uint32_t function) {
    if (FFileList.empty())
        return false;
    BuildFileList();
    FOpStruct.pFrom = source_.data();
    target_.clear();
    AppendListed(target_, FDestination);
    target_.push_back('\0');
    FOpStruct.pTo = target_.data();
    FOpStruct.wFunc = function;
    PrepareFlags();
    FOpStruct.fAnyOperationsAborted = false;
    shell_.SHFileOperation(FOpStruct);
    const bool aborted = FOpStruct.fAnyOperationsAborted;
    ReleaseFileList();
    return aborted;
}

void TShellFileOp::BuildFileList() {
    std::size_t total = 0;
    for (const auto& path : FFileList)
        total += path.size() + 1;
    source_.clear();
    source_.reserve(total + 1);
    for (const auto& path : FFileList)
        AppendListed(source_, path);
    source_.push_back('\0');
}

void TShellFileOp::PrepareFlags() {
    FOpStruct.hwnd = FWindowHandle;
    std::uint16_t flags = 0;
    if (FilesOnly)
        flags |= FOF_FILESONLY;
    if (NoConfirmation)
        flags |= FOF_NOCONFIRMATION;
    if (!Animate)
        flags |= FOF_SILENT;
    if (FAllowUndo)
        flags |= FOF_ALLOWUNDO;
    FOpStruct.lpszProgressTitle = nullptr;
    if (!ProgressTitle.empty()) {
        flags |= FOF_SIMPLEPROGRESS;
        FOpStruct.lpszProgressTitle = ProgressTitle.c_str();
    }
    if (FOpStruct.wFunc != FO_DELETE) {
        if (AutoMakeDir)
            flags |= FOF_NOCONFIRMMKDIR;
        if (RenameOnCollision)
            flags |= FOF_RENAMEONCOLLISION;
    }
    FOpStruct.fFlags = flags;
    FOpStruct.hNameMappings = nullptr;
}

void TShellFileOp::ReleaseFileList() {
    source_.clear();
    source_.shrink_to_fit();
    FOpStruct.pFrom = nullptr;
    FOpStruct.pTo = nullptr;
    FFileList.clear();
}
