#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The stored folder list: plain text, one folder per line, each followed by CR LF, bytes as
// they are (no conversion of the names).

// Writes every entry in order. Throws AppError "Cannot create file %s" when it cannot.
void WriteFolderListFile(const std::string& path, const std::vector<std::string>& folders);

// Reads a stored list: lines end at CR, LF or CR LF; a last line without an ending counts; a
// trailing ending adds no empty entry; an empty line in the middle is an empty entry; a NUL
// byte ends the list. Throws AppError "Cannot open file %s" when the file cannot be read, and
// refuses a file too large to be a folder list rather than filling the window with it.
// At most maxEntries entries are read; a caller that must know whether more followed asks for
// one more than it can take.
std::vector<std::string> ReadFolderListFile(const std::string& path,
                                            std::size_t maxEntries = SIZE_MAX);

// The parsing alone.
std::vector<std::string> ParseFolderList(const std::string& bytes,
                                         std::size_t maxEntries = SIZE_MAX);

// Larger files are refused: no real folder list comes near it.
constexpr std::int64_t kMaxFolderListBytes = 16 * 1024 * 1024;
