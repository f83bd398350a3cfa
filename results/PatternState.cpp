#include "results/PatternState.h"

#include "results/FileMask.h"
#include "results/GridCells.h"

#include <algorithm>
#include <climits>

namespace {

// "[", "*" and "?" in a name stand for themselves in its mask.
std::string EscapeForMask(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '[' || c == '*' || c == '?') {
            out += '[';
            out += c;
            out += ']';
        } else {
            out += c;
        }
    }
    return out;
}

int ClampedCount(std::size_t n) {
    return static_cast<int>(std::min<std::size_t>(n, INT_MAX));
}

} // namespace

std::string PatternExtension(const std::string& name) {
    const auto dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0)
        return {};
    return name.substr(dot);
}

std::string PatternState::SetPattern() const {
    const std::string extension = PatternExtension(source_);
    const std::size_t n = static_cast<std::size_t>(std::max(position_, 0));
    std::string mask = EscapeForMask(source_.substr(0, CharPrefixBytes(source_, n)));
    if (position_ < maximum_)
        mask += '*';
    mask += EscapeForMask(extension);
    return mask;
}

std::optional<std::string> PatternState::DupeGridMouseDown(const ResultGrid& grid, int col,
                                                           int row) {
    const TFile* file = CellEntry(grid, col, row);
    if (!file)
        return std::nullopt;
    source_ = file->Name();
    const std::string extension = PatternExtension(source_);
    maximum_ = ClampedCount(CharCount(source_) - CharCount(extension));
    position_ = maximum_;
    return SetPattern();
}

std::optional<std::string> PatternState::PatternUpDownClick(Arrow arrow) {
    const int next = arrow == Arrow::Left ? position_ - 1 : position_ + 1;
    // A maximum below the minimum (an empty stem) leaves no room to move at all.
    if (next < kMinimum || next > maximum_)
        return std::nullopt;
    position_ = next;
    return SetPattern();
}
