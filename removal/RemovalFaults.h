#pragma once

#include <string>

// The steps of one file's removal, where a test may change files.
enum class RemovalStep {
    BeforeTakingAway, // path: the file's own
    Staged,           // path: where it was taken to
    Verified,         // the same, after the check and before the last look
};

// Test seam: lets a test make the removal of one file fail, since running as root makes
// permission tricks useless. Production never installs one.
class RemovalFaults {
public:
    virtual ~RemovalFaults() = default;
    // An errno value to fail the removal of path with, or 0.
    virtual int FailRemoval(const std::string& path) {
        (void)path;
        return 0;
    }
    // An errno value to fail the rename of path to a hidden name beside it with, or 0.
    virtual int FailStaging(const std::string& path) {
        (void)path;
        return 0;
    }
    // Called at each step of one file's removal.
    virtual void AtStep(RemovalStep step, const std::string& path) {
        (void)step;
        (void)path;
    }
    // True to take the copying path of a move even on one file system.
    virtual bool ForceCopy(const std::string& path) {
        (void)path;
        return false;
    }
};

RemovalFaults* InstalledRemovalFaults();
void InstallRemovalFaults(RemovalFaults* faults);

class ScopedRemovalFaults {
public:
    explicit ScopedRemovalFaults(RemovalFaults& faults) : previous_(InstalledRemovalFaults()) {
        InstallRemovalFaults(&faults);
    }
    ~ScopedRemovalFaults() { InstallRemovalFaults(previous_); }
    ScopedRemovalFaults(const ScopedRemovalFaults&) = delete;
    ScopedRemovalFaults& operator=(const ScopedRemovalFaults&) = delete;

private:
    RemovalFaults* previous_;
};
