#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Test seam: lets a test make an open, a read or a write fail, since running as root makes
// permission tricks useless. Production never installs one.
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
    // An errno value to fail a write of path at offset with (ENOSPC for a full disk), or 0.
    virtual int FailWrite(const std::string& path, std::int64_t offset) {
        (void)path;
        (void)offset;
        return 0;
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
