#pragma once

#include "search/ResultGrid.h"
#include "search/TFile.h"

#include <cstdint>

// What the main window owns and a search run works on: it outlives every handler.
struct SearchState {
    TFileList FileList;
    TDirList DirList;
    ResultGrid DupeGrid;
    bool Busy = false;
    bool StopFlag = false;
    std::int32_t NextGroupRow = 1;
};
