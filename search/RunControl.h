#pragma once

#include "search/MainWindowInterface.h"
#include "search/SearchState.h"

#include <string>

// The busy state and the status line, shared by the search and the folder walk.

// Nothing happens when busy already equals Busy; otherwise Find Duplicates follows it.
void SetBusy(SearchState& state, MainWindowInterface& window, bool busy);

// Sets the status bar text and lets pending window messages run.
void ShowStatus(MainWindowInterface& window, const std::string& text);
