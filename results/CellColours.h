#pragma once

#include "search/SearchState.h"

// The palette roles a result-grid cell is drawn with; the view maps them to its palette
// (Gray is the fixed 128, 128, 128 of a removed file).
enum class ColourRole { ButtonFace, Highlight, Window, WindowText, HighlightText, Gray };

struct CellColours {
    ColourRole Background = ColourRole::Window;
    ColourRole Text = ColourRole::WindowText;
    bool operator==(const CellColours&) const = default;
};

// Row 0 in header colours (fixed yet or not), then the selection, then the plain cell; the
// text of a removed file turns gray on any background.
CellColours DupeGridCellColours(const SearchState& state, int col, int row, bool gridSelected);
