#pragma once

#include "search/FolderFiles.h"
#include "search/MainWindowInterface.h"
#include "search/ReaderPool.h"

#include <functional>
#include <string>

// The breadth-first walk of Include Subdirectories. Hidden (dot) folders and their trees are
// left out; links are never followed, so there are no cycles. Every folder found goes to add,
// listed or not, and is walked in turn. Returns false when stopFlag ended it. With files, the
// regular files of every folder read to the end (start included) are kept there for the scan.
// Reader threads (see ReadersFor) list the folders ahead of the walk. Throws std::bad_alloc when
// memory runs out.
bool WalkSubfolders(const std::string& start, const std::function<void(const std::string&)>& add,
                    MainWindowInterface& window, const bool& stopFlag, FolderFiles* files = nullptr,
                    int readers = kAutoReaders);
