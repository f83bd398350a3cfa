#pragma once

#include <functional>
#include <string>

// Naming and placing files without ever replacing one: the pieces the Trash and the archive
// move share.

// How many names a search for a free one tries before it gives up.
constexpr int kMaxNameTries = 1000;

// The n-th name to try for name (n from 1) when at most maxBytes fit: the name itself, then
// "name (n).ext" (the extension is what follows the last dot that is not the first character),
// the part before the extension shortened as needed without splitting a UTF-8
// character.
std::string FreeName(const std::string& name, int n, std::size_t maxBytes);

// Renames without ever replacing what is at to. 0 or an errno value (EEXIST when to is taken).
int RenameNoReplace(const std::string& from, const std::string& to);
// The same, each name relative to a folder's descriptor (or AT_FDCWD).
int RenameNoReplaceAt(int fromDir, const std::string& from, int toDir, const std::string& to);

// Renames from (relative to fromDir) into the folder toDir under name or the first free variant
// of it (FreeName), never replacing anything: 0 with placed set to the name it got, or an errno
// value (EXDEV when toDir is on another file system). before, when given, learns each name right
// before it is tried.
int RenameToFreeName(int fromDir, const std::string& from, int toDir, const std::string& name,
                     std::string& placed,
                     const std::function<void(const std::string&)>& before = nullptr);

// Creates folder and its missing parents; the folders made get mode. False when it fails, with
// errno telling why.
bool MakeFolders(const std::string& folder, unsigned mode);
