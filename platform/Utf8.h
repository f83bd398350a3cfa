#pragma once

#include <cstddef>
#include <string_view>

namespace platform {

// The length of the valid UTF-8 sequence at text[i] and its code point in cp; 0 when the byte
// there starts none. Overlong forms, surrogates, values past U+10FFFF and a sequence cut off by
// the end of text are not valid: names are bytes, and such bytes stand for themselves.
std::size_t Utf8Sequence(std::string_view text, std::size_t i, char32_t& cp);

inline std::size_t Utf8Sequence(std::string_view text, std::size_t i) {
    char32_t cp = 0;
    return Utf8Sequence(text, i, cp);
}

} // namespace platform
