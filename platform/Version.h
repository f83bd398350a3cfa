#pragma once

#include <string>

// The program's version, shown as major.minor ("2.11") by the window and by kelvaro-find.
constexpr int ProgramVersion = 211;

// "2.11": major, a dot and the minor with at least two digits.
inline std::string VersionText() {
    const int minor = ProgramVersion % 100;
    return std::to_string(ProgramVersion / 100) + (minor < 10 ? ".0" : ".") + std::to_string(minor);
}
