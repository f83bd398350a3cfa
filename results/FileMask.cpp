#include "results/FileMask.h"

#include "platform/Errors.h"
#include "platform/Utf8.h"

namespace {

constexpr char32_t kRawByteBase = 0x110000;

// Calls visit(character, byte offset) for each character of text.
template <class Visit> void ForEachChar(std::string_view text, Visit visit) {
    std::size_t i = 0;
    while (i < text.size()) {
        char32_t cp = 0;
        std::size_t len = platform::Utf8Sequence(text, i, cp);
        if (len == 0) {
            cp = kRawByteBase + static_cast<unsigned char>(text[i]);
            len = 1;
        }
        if (!visit(cp, i))
            return;
        i += len;
    }
}

char32_t UpCase(char32_t c) {
    return (c >= U'a' && c <= U'z') ? c - 32 : c;
}

// The other case of an ASCII letter, the character itself otherwise.
char32_t OtherCase(char32_t c) {
    if (c >= U'a' && c <= U'z')
        return c - 32;
    if (c >= U'A' && c <= U'Z')
        return c + 32;
    return c;
}

} // namespace

std::vector<char32_t> DecodeChars(std::string_view text) {
    std::vector<char32_t> out;
    out.reserve(text.size());
    ForEachChar(text, [&](char32_t c, std::size_t) {
        out.push_back(c);
        return true;
    });
    return out;
}

std::size_t CharPrefixBytes(std::string_view text, std::size_t n) {
    std::size_t bytes = text.size();
    std::size_t seen = 0;
    ForEachChar(text, [&](char32_t, std::size_t offset) {
        if (seen == n) {
            bytes = offset;
            return false;
        }
        ++seen;
        return true;
    });
    return bytes;
}

std::size_t CharCount(std::string_view text) {
    std::size_t n = 0;
    ForEachChar(text, [&](char32_t, std::size_t) {
        ++n;
        return true;
    });
    return n;
}

bool FileMask::Element::Accepts(char32_t c) const {
    switch (kind) {
    case Kind::Literal:
        return UpCase(c) == literal;
    case Kind::Any:
        return true;
    case Kind::Set: {
        // Ranges hold what lies between their ends as written; a letter is in the set when
        // either of its cases is.
        const char32_t other = OtherCase(c);
        bool in = false;
        for (const auto& [lo, hi] : ranges)
            if ((c >= lo && c <= hi) || (other >= lo && other <= hi)) {
                in = true;
                break;
            }
        return in != negate;
    }
    }
    return false;
}

FileMask::FileMask(std::string_view mask) {
    const std::vector<char32_t> chars = DecodeChars(mask);
    const std::size_t n = chars.size();
    bool skip = false;
    int cards = 0;
    const auto fail = [&](std::size_t at) {
        throw AppError("'" + std::string(mask) + "' is an invalid mask at (" +
                       std::to_string(at + 1) + ")");
    };
    // Ends the element that finished at character index at.
    const auto write = [&](Element element, std::size_t at) {
        if (skip && ++cards > kMaxCards)
            fail(at);
        element.skipTo = skip;
        elements_.push_back(std::move(element));
        skip = false;
    };

    for (std::size_t i = 0; i < n; ++i) {
        const char32_t c = chars[i];
        if (c == U'*') {
            skip = true;
        } else if (c == U'?') {
            // Only a "?" directly after a "*" is ignored; "*??" still takes one character.
            if (i == 0 || chars[i - 1] != U'*') {
                Element any;
                any.kind = Element::Kind::Any;
                write(std::move(any), i);
            }
        } else if (c == U'[') {
            Element set;
            set.kind = Element::Kind::Set;
            ++i;
            if (i < n && chars[i] == U'!') {
                set.negate = true;
                ++i;
            }
            bool haveLast = false;
            char32_t last = 0;
            while (i < n && chars[i] != U']') {
                if (chars[i] == U'-' && !haveLast)
                    fail(i); // a hyphen needs a character before it
                if (chars[i] == U'-' && i + 1 < n && chars[i + 1] != U']') {
                    const char32_t hi = chars[i + 1];
                    set.ranges.emplace_back(last, hi);
                    last = hi;
                    i += 2;
                } else {
                    last = chars[i];
                    haveLast = true;
                    set.ranges.emplace_back(last, last);
                    ++i;
                }
            }
            if (i >= n)
                fail(n); // the set is not closed
            write(std::move(set), i);
        } else {
            Element literal;
            literal.literal = UpCase(c);
            write(std::move(literal), i);
        }
    }
    // The end of the mask is an element too: it counts after a star.
    if (skip && ++cards > kMaxCards)
        fail(n);
    trailingStar_ = skip;
}

bool FileMask::Matches(std::string_view name) const {
    std::uint64_t steps = 0;
    return Matches(name, steps);
}

bool FileMask::Matches(std::string_view name, std::uint64_t& steps) const {
    // Every element takes exactly one character, so returning to the latest star is enough:
    // an earlier star could only absorb what the latest one absorbs anyway.
    const std::vector<char32_t> text = DecodeChars(name);
    const std::size_t m = elements_.size();
    std::size_t t = 0, e = 0;
    std::size_t starElement = 0, starText = 0;
    bool haveStar = false;
    while (t < text.size()) {
        ++steps;
        if (e < m && elements_[e].skipTo && !(haveStar && starElement == e)) {
            haveStar = true;
            starElement = e;
            starText = t;
        }
        if (e < m && elements_[e].Accepts(text[t])) {
            ++t;
            ++e;
        } else if (e == m && trailingStar_) {
            return true;
        } else if (haveStar) {
            e = starElement;
            t = ++starText;
        } else {
            return false;
        }
    }
    // Name used up: the rest of the mask must be able to match nothing.
    return e == m;
}

bool MatchesMask(std::string_view name, std::string_view mask) {
    return FileMask(mask).Matches(name);
}
