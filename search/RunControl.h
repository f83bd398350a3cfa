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

// Lets pending window messages run when at least an interval has passed since they last did
// (or since it was made), so that the window and Stop! keep answering during a long operation
// or a long wait for the readers.
class IntervalPump {
public:
    IntervalPump(MainWindowInterface& window, std::int64_t intervalMs)
        : window_(window), intervalMs_(intervalMs), last_(window.TickCount()) {}
    void operator()();
    // Messages just ran by other means: the interval starts again.
    void Restart() { last_ = window_.TickCount(); }

private:
    MainWindowInterface& window_;
    std::int64_t intervalMs_;
    std::int64_t last_;
};
