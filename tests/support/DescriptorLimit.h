#pragma once

#include "platform/FileSystem.h"

#include <fcntl.h>
#include <mutex>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

// Lowers this process's limit on open files and fills it to a level; both are undone at the
// end of the test.
class DescriptorLimit {
public:
    DescriptorLimit(rlim_t limit, std::size_t free) {
        getrlimit(RLIMIT_NOFILE, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = limit;
        setrlimit(RLIMIT_NOFILE, &lowered);
        while (platform::FreeFileDescriptors() > free)
            taken_.push_back(open("/dev/null", O_RDONLY | O_CLOEXEC));
    }
    ~DescriptorLimit() {
        Release();
        setrlimit(RLIMIT_NOFILE, &saved_);
    }
    // Takes every descriptor still free.
    void TakeAll() {
        std::lock_guard lock(mutex_);
        for (int fd; (fd = open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0;)
            taken_.push_back(fd);
    }
    void Release() {
        std::lock_guard lock(mutex_);
        for (int fd : taken_)
            close(fd);
        taken_.clear();
    }

private:
    rlimit saved_;
    std::mutex mutex_;
    std::vector<int> taken_;
};
