#pragma once

#include "search/MainWindowInterface.h"

#include <functional>
#include <string>

// The breadth-first walk of Include Subdirectories. Hidden (dot) folders and their trees are
// left out; links are never followed, so there are no cycles. Every folder found goes to add,
// listed or not, and is walked in turn. Returns false when stopFlag ended it.
bool WalkSubfolders(const std::string& start, const std::function<void(const std::string&)>& add,
                    MainWindowInterface& window, const bool& stopFlag);
