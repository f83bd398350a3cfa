#include "search/RunControl.h"

#include <cstdlib>

void SetBusy(SearchState& state, MainWindowInterface& window, bool busy) {
    if (busy == state.Busy)
        return;
    state.Busy = busy;
    window.SetFindEnabled(!busy);
}

void ShowStatus(MainWindowInterface& window, const std::string& text) {
    window.SetStatusText(text);
    window.ProcessMessages();
}

void IntervalPump::operator()() {
    const std::int64_t now = window_.TickCount();
    // A clock that went back counts as time passed.
    if (std::llabs(now - last_) < intervalMs_)
        return;
    last_ = now;
    window_.ProcessMessages();
}
