#pragma once

#include <string>

namespace platform {

// How the disk that holds a folder takes reads. A rotating disk serves one at a time best: two
// readers only make its head seek between their files. Solid-state and virtual disks (and
// anything without a block device of its own) serve many requests at once.
enum class DiskKind { Rotating, Parallel };

DiskKind DiskKindOf(const std::string& path);

} // namespace platform
