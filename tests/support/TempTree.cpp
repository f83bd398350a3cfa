#include "tests/support/TempTree.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

TempTree::TempTree() {
    std::string pattern = (fs::temp_directory_path() / "kelvaro-test-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!mkdtemp(buffer.data()))
        throw std::runtime_error("mkdtemp failed");
    root_ = buffer.data();
}

TempTree::~TempTree() {
    std::error_code ec;
    fs::remove_all(root_, ec);
}

std::string TempTree::Path(const std::string& relative) const {
    return relative.empty() ? root_ : root_ + "/" + relative;
}

void TempTree::MakeParents(const std::string& path) {
    fs::create_directories(fs::path(path).parent_path());
}

std::string TempTree::CreateFile(const std::string& relative, const std::string& bytes) {
    const std::string path = Path(relative);
    MakeParents(path);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
    return path;
}

std::string TempTree::CreatePatternFile(const std::string& relative, std::int64_t size,
                                        unsigned seed) {
    std::string bytes(static_cast<std::size_t>(size), '\0');
    std::uint32_t x = seed * 2654435761u + 1;
    for (auto& c : bytes) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        c = static_cast<char>(x & 0xFF);
    }
    return CreateFile(relative, bytes);
}

std::string TempTree::CreateDir(const std::string& relative) {
    const std::string path = Path(relative);
    fs::create_directories(path);
    return path;
}

std::string TempTree::CreateSymlink(const std::string& relative, const std::string& target) {
    const std::string path = Path(relative);
    MakeParents(path);
    fs::create_symlink(target, path);
    return path;
}

std::string TempTree::CreateHardLink(const std::string& relative, const std::string& existing) {
    const std::string path = Path(relative);
    MakeParents(path);
    fs::create_hard_link(Path(existing), path);
    return path;
}

std::string TempTree::CreateFifo(const std::string& relative) {
    const std::string path = Path(relative);
    MakeParents(path);
    if (mkfifo(path.c_str(), 0600) != 0)
        throw std::runtime_error("mkfifo failed");
    return path;
}

void TempTree::Remove(const std::string& relative) {
    fs::remove_all(Path(relative));
}

std::string TempTree::Read(const std::string& relative) const {
    std::ifstream in(Path(relative), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
