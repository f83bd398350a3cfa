#pragma once

#include <string>
#include <string_view>

namespace platform {

// Folder + "/" + name, without doubling the separator (the root "/" gives "/name").
std::string JoinPath(std::string_view folder, std::string_view name);

// The last component of a path ("" for "/").
std::string BaseName(const std::string& path);

// Everything before the last "/" ("/" for a file in the root).
std::string ParentFolder(const std::string& path);

// The user's folder for settings: $XDG_CONFIG_HOME, or ~/.config when it is unset or not an
// absolute path. Empty when the user has no home folder.
std::string ConfigHome();

// The user's folder for data: $XDG_DATA_HOME, or ~/.local/share, by the same rules.
std::string DataHome();

// The user's folder for state that outlives a run: $XDG_STATE_HOME, or ~/.local/state.
std::string StateHome();

} // namespace platform
