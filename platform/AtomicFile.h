#pragma once

#include <string>

namespace platform {

// Replaces the contents of the file at path in one step: the bytes go to a temporary file in the
// same folder, which is flushed and then renamed over the old file, so that a full disk or a
// crash leaves the old file or the new one, never a cut one. A symbolic link stays a link (the
// file it leads to is replaced); the old file keeps its mode and, where allowed, its owner; a new
// file gets 0666 less the umask. Anything but a regular file at path is refused, and so is a
// file that cannot be written. Returns 0, or an errno value with the old file untouched and no
// temporary file left behind.
int ReplaceFileContents(const std::string& path, const std::string& bytes);

} // namespace platform
