#include "removal/Mounts.h"

#include "platform/Paths.h"

#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool MountIdOf(const std::string& path, std::uint64_t& id);

// The mount ID and the device of what path names. A btrfs subvolume is a device of its own
// within its mount, and a rename cannot leave it either.
bool PlaceOf(const std::string& path, std::uint64_t& id, dev_t& device) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0)
        return false;
    device = st.st_dev;
    return MountIdOf(path, id);
}

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

bool MountOf(const std::string& path, MountPlace& mount) {
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real)
        return false;
    std::string top = real;
    std::free(real);
    std::uint64_t id = 0;
    dev_t device = 0;
    if (!PlaceOf(top, id, device))
        return false;
    while (top != "/") {
        const std::string up = platform::ParentFolder(top);
        std::uint64_t upId = 0;
        dev_t upDevice = 0;
        if (!PlaceOf(up, upId, upDevice) || upId != id || upDevice != device)
            break;
        top = up;
    }
    mount = {id, top};
    return true;
}
