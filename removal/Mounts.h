#pragma once

#include <cstdint>
#include <string>

// A mount as this process sees it: its ID and the folder at its top.
struct MountPlace {
    std::uint64_t id = 0;
    std::string top;
};

// The mount that really holds what path names (links followed all the way): found by mount ID,
// so that a bind mount is a mount of its own and a folder reached through a link belongs to the
// mount it lives on. Its top is found by walking up the resolved path while the mount ID and the
// device stay the same (a btrfs subvolume within a mount is a device of its own, which no rename
// can leave); this also holds in a chroot, whose mount table does not list the mount of its root.
// False when the path cannot be looked at.
bool MountOf(const std::string& path, MountPlace& mount);
