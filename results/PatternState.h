#pragma once

#include "search/ResultGrid.h"

#include <optional>
#include <string>

// The extension of a name: from its last "." to the end, dot included; empty without a dot.
// A name whose only dot is its first character (".profile") has none: on this platform that
// dot marks a hidden file, and the whole name is the part the arrows shorten.
std::string PatternExtension(const std::string& name);

// The mask of Select Pattern built from the file last pressed in the grid, and the position
// of the up-down arrows beside it. Lengths and positions count characters, not bytes.
class PatternState {
public:
    enum class Arrow { Left, Right };

    static constexpr int kMinimum = 1;

    const std::string& PatternSource() const { return source_; }
    int Minimum() const { return kMinimum; }
    int Maximum() const { return maximum_; }
    int Position() const { return position_; }

    // The mask for the source and position: the first Position characters, "*" when that is
    // short of the maximum, then the extension. Mask characters in the name are bracketed so
    // that the mask always matches the name it came from.
    std::string SetPattern() const;

    // A mouse button pressed on a cell (col, row may be outside the grid). On a cell that holds
    // an entry, takes its name with the position at the maximum and returns the new mask.
    std::optional<std::string> DupeGridMouseDown(const ResultGrid& grid, int col, int row);

    // One step of the arrows within the minimum and the maximum. Returns the new mask when the
    // position changed; the caller then runs Select Pattern with it. Nothing at a limit.
    std::optional<std::string> PatternUpDownClick(Arrow arrow);

private:
    std::string source_;
    int maximum_ = 100;
    int position_ = 1;
};
