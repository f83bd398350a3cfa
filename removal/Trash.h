#pragma once

#include "removal/FileOpOutcome.h"

#include <string>

// The freedesktop.org Trash, restorable from any file manager: the home Trash under the data
// home, or for a file on another file system the Trash at the top of that file system. Each
// file gets its .trashinfo first, made exclusively, then the file is renamed into files/. A name
// too long to carry ".trashinfo" is shortened in the Trash (the record keeps the whole path), and
// every search for a free name is bounded, so that no failure can make it loop.
FileOpOutcome TrashFile(const std::string& path);

// A path as a .trashinfo records it: every byte but the unreserved characters and "/" escaped
// as %XX, so that a name that is no valid text keeps its bytes and a line break stays in its
// line.
std::string TrashInfoPath(const std::string& path);
