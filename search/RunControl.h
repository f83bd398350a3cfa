#pragma once

#include "search/MainWindowInterface.h"
#include "search/SearchState.h"

#include <cstdint>
#include <string>

// The busy state and the status line, shared by the search and the folder walk.

// Nothing happens when busy already equals Busy; otherwise Find Duplicates follows it.
void SetBusy(SearchState& state, MainWindowInterface& window, bool busy);

// Sets the status bar text and lets pending window messages run.
void ShowStatus(MainWindowInterface& window, const std::string& text);

// Lets pending window messages run at most every 100 milliseconds while an operation waits for
// its readers, so that the window and Stop! keep answering during a long wait.
class WaitPump {
public:
    explicit WaitPump(MainWindowInterface& window) : window_(window) {}
    void operator()();

private:
    MainWindowInterface& window_;
    bool started_ = false;
    std::int64_t last_ = 0;
};
