#include "platform/Paths.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace platform {

namespace {

bool IsAbsolute(const char* path) {
    return path && path[0] == '/';
}

// $HOME, or the home folder of the account when it is unset.
std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); IsAbsolute(home))
        return home;
    if (const passwd* account = ::getpwuid(::getuid()); account && IsAbsolute(account->pw_dir))
        return account->pw_dir;
    return {};
}

// A relative value is invalid for an XDG base directory and is ignored.
std::string XdgFolder(const char* variable, const char* underHome) {
    if (const char* value = std::getenv(variable); IsAbsolute(value))
        return value;
    const std::string home = HomeFolder();
    return home.empty() ? home : JoinPath(home, underHome);
}

} // namespace

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string path;
    path.reserve(folder.size() + 1 + name.size());
    path = folder;
    if (path.empty() || path.back() != '/')
        path += '/';
    path += name;
    return path;
}

std::string BaseName(const std::string& path) {
    auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ParentFolder(const std::string& path) {
    auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return {};
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string ConfigHome() {
    return XdgFolder("XDG_CONFIG_HOME", ".config");
}

std::string DataHome() {
    return XdgFolder("XDG_DATA_HOME", ".local/share");
}

std::string StateHome() {
    return XdgFolder("XDG_STATE_HOME", ".local/state");
}

} // namespace platform
