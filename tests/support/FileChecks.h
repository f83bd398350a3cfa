#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>

// Looks at the disk the way the checks of removal tests need: by the path's bytes, links not
// followed, so that a name need not be valid text and a link left behind still counts.

inline bool Exists(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

// The whole file, or "<missing>" when it cannot be opened.
inline std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), {});
}
