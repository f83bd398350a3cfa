#pragma once

#include <cstdint>
#include <string>

// A mount as this process sees it: its ID and the folder it is mounted at.
struct MountPlace {
    std::uint64_t id = 0;
    std::string top;
};

// The mount that really holds what path names (links followed all the way): found by its
// mount ID, so that a bind mount is its own mount and a folder reached through a link belongs
// to the mount it lives on. False when the path cannot be looked at or the mount is not in
// this process's view.
bool MountOf(const std::string& path, MountPlace& mount);

// A mount point as /proc/self/mountinfo writes it (blank, tab, line break and backslash as
// octal escapes), decoded.
std::string DecodeMountField(const std::string& field);
