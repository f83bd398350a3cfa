#include "results/CellColours.h"

#include "results/Selection.h"

CellColours DupeGridCellColours(const SearchState& state, int col, int row, bool gridSelected) {
    CellColours colours;
    if (row == 0)
        colours = {ColourRole::ButtonFace, ColourRole::WindowText};
    else if (IsCellSelected(state, col, row, gridSelected))
        colours = {ColourRole::Highlight, ColourRole::HighlightText};
    const ResultGrid& grid = state.DupeGrid;
    if (col >= 0 && row >= 0 && col < grid.ColCount() && row < grid.RowCount())
        if (const TFile* file = grid.Object(col, row); file && HasFlag(*file, flDeleted))
            colours.Text = ColourRole::Gray;
    return colours;
}
