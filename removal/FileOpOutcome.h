#pragma once

#include <string>

// What happened to one file. On success target is where it went (empty for an erase).
struct FileOpOutcome {
    bool ok = false;
    std::string error;
    std::string target;
};
