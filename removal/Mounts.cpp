#include "removal/Mounts.h"

#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool MountIdOf(const std::string& path, std::uint64_t& id) {
    struct statx st;
    if (::statx(AT_FDCWD, path.c_str(), AT_STATX_SYNC_AS_STAT, STATX_MNT_ID, &st) == 0 &&
        (st.stx_mask & STATX_MNT_ID)) {
        id = st.stx_mnt_id;
        return true;
    }
    // Kernels before 5.8 tell it only for an open file.
    const int fd = ::open(path.c_str(), O_PATH | O_CLOEXEC);
    if (fd < 0)
        return false;
    std::ifstream info("/proc/self/fdinfo/" + std::to_string(fd));
    ::close(fd);
    std::string key;
    while (info >> key)
        if (key == "mnt_id:")
            return static_cast<bool>(info >> id);
    return false;
}

} // namespace

std::string DecodeMountField(const std::string& field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && field[i + 1] >= '0' &&
            field[i + 1] <= '3' && field[i + 2] >= '0' && field[i + 2] <= '7' &&
            field[i + 3] >= '0' && field[i + 3] <= '7') {
            out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                     (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

bool MountOf(const std::string& path, MountPlace& mount) {
    std::uint64_t id = 0;
    if (!MountIdOf(path, id))
        return false;
    std::ifstream table("/proc/self/mountinfo");
    std::string line;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::uint64_t lineId = 0, parent = 0;
        std::string device, root, point;
        if (!(fields >> lineId >> parent >> device >> root >> point) || lineId != id)
            continue;
        mount = {id, DecodeMountField(point)};
        return true;
    }
    return false;
}
