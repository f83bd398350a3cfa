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

    // Which selection is in force: the marks (flSelected) or the grid's highlighted range.
    bool UseMarks = false;
    // The grid's highlighted range; the view keeps it up to date.
    GridRect HighlightedRange;
    // Files removed since the program started and the sum of their sizes; never reset.
    std::int64_t FilesDeleted = 0;
    std::int64_t BytesCleared = 0;
};
