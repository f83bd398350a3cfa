#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Test seam: lets a test make an open or a read fail, since running as root makes permission
// tricks useless. Production never installs one.
class IoFaults {
public:
    virtual ~IoFaults() = default;
    virtual bool FailOpen(const std::string& path) {
        (void)path;
        return false;
    }
    // offset is where the read would start.
    virtual bool FailRead(const std::string& path, std::int64_t offset) {
        (void)path;
        (void)offset;
        return false;
    }
};

// The installed seam, or nullptr. The caller keeps ownership.
IoFaults* InstalledIoFaults();
void InstallIoFaults(IoFaults* faults);

// Installs a seam for the lifetime of the object.
class ScopedIoFaults {
public:
    explicit ScopedIoFaults(IoFaults& faults) : previous_(InstalledIoFaults()) {
        InstallIoFaults(&faults);
    }
    ~ScopedIoFaults() { InstallIoFaults(previous_); }
    ScopedIoFaults(const ScopedIoFaults&) = delete;
    ScopedIoFaults& operator=(const ScopedIoFaults&) = delete;

private:
    IoFaults* previous_;
};

} // namespace platform
