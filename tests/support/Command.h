#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

// One argument quoted for the shell.
inline std::string ShellQuoted(const std::string& arg) {
    std::string q = "'";
    for (char c : arg)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

struct CommandResult {
    int status = -1; // the exit status; -1 when it did not exit
    std::string out;
};

// Everything a command started with popen writes to its stdout, and how it ended.
inline CommandResult FinishCommand(FILE* p) {
    CommandResult r;
    if (!p)
        return r;
    std::array<char, 4096> buffer;
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), p)) > 0)
        r.out.append(buffer.data(), n);
    const int raw = pclose(p);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return r;
}

inline CommandResult RunCommand(const std::string& command) {
    return FinishCommand(popen(command.c_str(), "r"));
}
