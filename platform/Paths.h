#pragma once

#include <string>

namespace platform {

// Folder + "/" + name, without doubling the separator (the root "/" gives "/name").
std::string JoinPath(const std::string& folder, const std::string& name);

// The last component of a path ("" for "/").
std::string BaseName(const std::string& path);

// Everything before the last "/" ("/" for a file in the root).
std::string ParentFolder(const std::string& path);

} // namespace platform
