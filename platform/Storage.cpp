#include "platform/Storage.h"

#include "platform/FileSystem.h"

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace platform {

namespace {

std::string FirstLine(const std::string& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

std::string RealPath(const std::string& path) {
    std::unique_ptr<char, decltype(&std::free)> real(realpath(path.c_str(), nullptr), &std::free);
    return real ? std::string(real.get()) : std::string();
}

// A hypervisor's disk says it rotates when the host does not tell, yet it serves parallel reads.
bool IsVirtual(const std::string& device) {
    for (const char* bus : {"/virtio", "/xen", "/vmbus"})
        if (device.find(bus) != std::string::npos)
            return true;
    const std::string vendor = FirstLine(device + "/device/vendor");
    for (const char* maker : {"QEMU", "VMware", "VBOX", "Msft"})
        if (vendor.rfind(maker, 0) == 0)
            return true;
    return false;
}

} // namespace

DiskKind DiskKindOf(const std::string& path) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0 || major(st.st_dev) == 0)
        return DiskKind::Parallel;
    std::string device = RealPath("/sys/dev/block/" + std::to_string(major(st.st_dev)) + ":" +
                                  std::to_string(minor(st.st_dev)));
    if (device.empty())
        return DiskKind::Parallel;
    // A partition's queue is its disk's.
    if (PathExists(device + "/partition"))
        device = device.substr(0, device.rfind('/'));
    if (FirstLine(device + "/queue/rotational") != "1" || IsVirtual(device))
        return DiskKind::Parallel;
    return DiskKind::Rotating;
}

} // namespace platform
