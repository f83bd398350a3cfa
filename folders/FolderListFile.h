#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The stored folder list: plain text, one folder per line, each followed by CR LF, bytes as
// they are (no conversion of the names).

// False for a folder that one line of a list cannot hold: its name has a line break (or a NUL)
// and would come back as other entries.
bool FitsOnOneLine(const std::string& folder);

// Writes every entry in order. Throws AppError "Cannot create file %s" when it cannot.
void WriteFolderListFile(const std::string& path, const std::vector<std::string>& folders);

// Reads a stored list: lines end at CR, LF or CR LF; a last line without an ending counts; a
// trailing ending adds no empty entry; an empty line in the middle is an empty entry; a NUL
// byte ends the list. Each line becomes one entry unchanged, however long: a folder that cannot
// exist is reported by the search as any missing folder is. Throws AppError "Cannot open file
// %s" when the file cannot be read.
// At most maxEntries entries are read, and the file no further than they reach: a caller that
// must know whether more followed asks for one more than it can take.
std::vector<std::string> ReadFolderListFile(const std::string& path,
                                            std::size_t maxEntries = SIZE_MAX);

// The parsing alone.
std::vector<std::string> ParseFolderList(const std::string& bytes,
                                         std::size_t maxEntries = SIZE_MAX);
