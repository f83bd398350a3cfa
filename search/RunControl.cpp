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

void WaitPump::operator()() {
    const std::int64_t now = window_.TickCount();
    if (!started_) {
        started_ = true;
        last_ = now;
        return;
    }
    if (std::llabs(now - last_) < 100)
        return;
    last_ = now;
    window_.ProcessMessages();
}
