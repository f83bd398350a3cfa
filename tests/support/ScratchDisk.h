#pragma once

#include <cerrno>
#include <cstring>
#include <string>
#include <sys/mount.h>
#include <utility>

// A small file system of its own (tmpfs) at a folder, where the machine allows a test to mount
// one: for a disk that fills up, or a second file system to move to. Unmounted when it goes.
class ScratchDisk {
public:
    ScratchDisk(std::string folder, std::string size)
        : folder_(std::move(folder)), size_(std::move(size)) {
        Mount();
    }
    ~ScratchDisk() {
        if (mounted_)
            ::umount2(folder_.c_str(), MNT_DETACH);
    }
    ScratchDisk(const ScratchDisk&) = delete;
    ScratchDisk& operator=(const ScratchDisk&) = delete;

    bool Mounted() const { return mounted_; }
    // Why it could not be mounted.
    const std::string& Error() const { return error_; }
    const std::string& Path() const { return folder_; }
    // An empty file system again.
    bool Renew() {
        if (mounted_)
            ::umount2(folder_.c_str(), MNT_DETACH);
        return Mount();
    }

private:
    bool Mount() {
        const std::string options = "size=" + size_;
        mounted_ = ::mount("tmpfs", folder_.c_str(), "tmpfs", 0, options.c_str()) == 0;
        if (!mounted_)
            error_ = std::strerror(errno);
        return mounted_;
    }

    std::string folder_;
    std::string size_;
    bool mounted_ = false;
    std::string error_;
};
