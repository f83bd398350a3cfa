#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Names and masks are bytes. They are read as characters: a valid UTF-8 sequence is one
// character (its code point), any other byte is a character of its own, valued above every
// code point so that it only ever equals the same byte.
std::vector<char32_t> DecodeChars(std::string_view text);
// Byte length of the first n characters of text (all of it when it has fewer).
std::size_t CharPrefixBytes(std::string_view text, std::size_t n);
std::size_t CharCount(std::string_view text);

// A file-name mask: "*" any run, "?" one character (ignored directly after a "*"), "[...]" a
// set with ranges and a leading "!" to invert it (a hyphen with nothing after it is itself), A-Z
// without regard to case. A range holds the characters between its ends by code, as written, and
// a letter is in a set when either of its cases is. The whole name must be consumed by the whole
// mask. Matching takes at most (name + 1) * (elements + 1) steps.
class FileMask {
public:
    // Throws AppError "'mask' is an invalid mask at (n)", n counted in characters from 1.
    explicit FileMask(std::string_view mask);

    bool Matches(std::string_view name) const;
    // As Matches, and adds the number of element tests made to steps.
    bool Matches(std::string_view name, std::uint64_t& steps) const;

    // Elements directly after a star run may number at most this many.
    static constexpr int kMaxCards = 30;

private:
    struct Element {
        enum class Kind { Literal, Any, Set } kind = Kind::Literal;
        bool skipTo = false; // one or more stars come before it
        bool negate = false;
        char32_t literal = 0;
        std::vector<std::pair<char32_t, char32_t>> ranges;
        bool Accepts(char32_t c) const;
    };
    std::vector<Element> elements_;
    bool trailingStar_ = false;
};

// Compiles mask and tests name against it; throws as FileMask does.
bool MatchesMask(std::string_view name, std::string_view mask);
