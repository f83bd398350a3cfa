#include "folders/FolderRules.h"

#include <climits>
#include <cstdlib>
#include <memory>

namespace {

// Collapses "//", "." and ".." without touching the disk, so "/usr/./bin" or "/tmp/../etc"
// cannot slip past the protection.
std::string LexicallyNormal(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t i = 0;
    while (i < path.size()) {
        std::size_t slash = path.find('/', i);
        if (slash == std::string::npos)
            slash = path.size();
        std::string part = path.substr(i, slash - i);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(std::move(part));
        }
        i = slash + 1;
    }
    std::string out;
    for (const auto& p : parts)
        out += "/" + p;
    return out.empty() ? "/" : out;
}

bool UnderProtectedTree(const std::string& absolute) {
    for (const auto& root : ProtectedSystemFolders()) {
        if (absolute == root)
            return true;
        if (absolute.size() > root.size() && absolute.compare(0, root.size(), root) == 0 &&
            absolute[root.size()] == '/')
            return true;
    }
    return false;
}

} // namespace

std::string NormalizeFolderName(const std::string& path) {
    if (path.size() > 1 && path.back() == '/')
        return path.substr(0, path.size() - 1);
    return path;
}

const std::vector<std::string>& ProtectedSystemFolders() {
    static const std::vector<std::string> folders = {
        "/bin", "/boot", "/dev", "/etc",  "/lib",  "/lib32", "/lib64", "/libx32",
        "/opt", "/proc", "/run", "/sbin", "/snap", "/sys",   "/usr",   "/var"};
    return folders;
}

bool IsProtectedFolder(const std::string& folder) {
    if (folder.empty())
        return false;
    if (folder[0] == '/' && UnderProtectedTree(LexicallyNormal(folder)))
        return true;
    std::unique_ptr<char, decltype(&std::free)> real(realpath(folder.c_str(), nullptr), &std::free);
    return real && UnderProtectedTree(real.get());
}

bool TreeNeedsProtectionCheck(const std::string& start) {
    if (IsProtectedFolder(start))
        return true;
    std::unique_ptr<char, decltype(&std::free)> real(realpath(start.c_str(), nullptr), &std::free);
    if (!real)
        return true;
    const std::string prefix = std::string(real.get()) == "/" ? "/" : std::string(real.get()) + "/";
    for (const auto& root : ProtectedSystemFolders())
        if (root.compare(0, prefix.size(), prefix) == 0)
            return true;
    return false;
}
