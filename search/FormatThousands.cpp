#include "search/FormatThousands.h"

#include "platform/Locale.h"

#include <charconv>
#include <cmath>

std::string FormatThousands(std::int64_t value) {
    if (value == 0)
        return {};
    const std::string& sep = platform::UserNumberFormat().thousands;
    // Work on the magnitude as unsigned so that the most negative value is safe.
    const bool negative = value < 0;
    std::uint64_t magnitude =
        negative ? ~static_cast<std::uint64_t>(value) + 1 : static_cast<std::uint64_t>(value);
    std::string digits = std::to_string(magnitude);
    std::string out;
    if (negative)
        out += '-';
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += sep;
        out += digits[i];
    }
    return out;
}

std::int64_t RoundKiloBytes(std::int64_t bytes) {
    std::int64_t q = bytes / 1024;
    std::int64_t r = bytes % 1024;
    if (r < 0) {
        r += 1024;
        --q;
    }
    if (r > 512 || (r == 512 && (q % 2) != 0))
        ++q;
    return q;
}

std::string FormatPercent41(double value) {
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 1);
    std::string text(buffer, result.ptr);
    if (auto dot = text.find('.'); dot != std::string::npos)
        text.replace(dot, 1, platform::UserNumberFormat().decimal);
    // Width counts characters, not bytes of a multi-byte separator.
    std::size_t chars = 0;
    for (unsigned char c : text)
        chars += (c & 0xC0) != 0x80;
    if (chars < 4)
        text.insert(0, 4 - chars, ' ');
    return text;
}
