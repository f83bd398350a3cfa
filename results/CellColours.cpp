#include "results/CellColours.h"

#include "results/GridCells.h"
#include "results/Selection.h"

CellColours DupeGridCellColours(const SearchState& state, int col, int row, bool gridSelected) {
    CellColours colours;
    if (row == 0)
        colours = {ColourRole::ButtonFace, ColourRole::WindowText};
    else if (IsCellSelected(state, col, row, gridSelected))
        colours = {ColourRole::Highlight, ColourRole::HighlightText};
    if (const TFile* file = CellEntry(state.DupeGrid, col, row); file && HasFlag(*file, flDeleted))
        colours.Text = ColourRole::Gray;
    return colours;
}
