#include "search/RunControl.h"

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
