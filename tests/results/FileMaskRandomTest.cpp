// Random masks and names against a plain reference that reads the mask rules directly from
// the mask text (memoised recursion), and random bytes for robustness.
#include "platform/Errors.h"
#include "results/FileMask.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using Chars = std::vector<char32_t>;

char32_t Fold(char32_t c) {
    return (c >= U'a' && c <= U'z') ? c - 32 : c;
}

// The 1-based position where mask is invalid, or nothing.
std::optional<std::size_t> ReferenceInvalidAt(const Chars& m) {
    bool star = false;
    int afterStar = 0;
    const std::size_t n = m.size();
    auto element = [&](std::size_t at) -> std::optional<std::size_t> {
        if (star && ++afterStar > 30)
            return at + 1;
        star = false;
        return std::nullopt;
    };
    for (std::size_t i = 0; i < n; ++i) {
        std::optional<std::size_t> bad;
        if (m[i] == U'*') {
            star = true;
        } else if (m[i] == U'?') {
            // Ignored directly after a star, an element anywhere else.
            if (i == 0 || m[i - 1] != U'*')
                bad = element(i);
        } else if (m[i] == U'[') {
            std::size_t j = i + 1;
            if (j < n && m[j] == U'!')
                ++j;
            bool haveChar = false;
            for (; j < n && m[j] != U']'; ++j) {
                if (m[j] == U'-') {
                    if (!haveChar)
                        return j + 1;
                    // With nothing after it the hyphen is a character of the set.
                    if (j + 1 < n && m[j + 1] != U']')
                        ++j;
                }
                haveChar = true;
            }
            if (j >= n)
                return n + 1;
            bad = element(j);
            i = j;
        } else {
            bad = element(i);
        }
        if (bad)
            return bad;
    }
    if (star && afterStar + 1 > 30)
        return n + 1;
    return std::nullopt;
}

// Set at m[open] (a "[") against c; end receives the index of its "]".
bool InSet(const Chars& m, std::size_t open, char32_t c, std::size_t& end) {
    std::size_t j = open + 1;
    bool negate = false;
    if (m[j] == U'!') {
        negate = true;
        ++j;
    }
    // A range holds its ends and what lies between them as written; c is in when it or, for
    // a letter, its other case is.
    const char32_t lower = (c >= U'A' && c <= U'Z') ? c + 32 : c;
    const auto holds = [&](char32_t lo, char32_t hi) {
        for (const char32_t x : {c, Fold(c), lower})
            if (x >= lo && x <= hi)
                return true;
        return false;
    };
    bool in = false;
    char32_t prev = 0;
    for (; m[j] != U']'; ++j) {
        if (m[j] == U'-' && m[j + 1] == U']') {
            prev = U'-';
            in = in || holds(prev, prev);
        } else if (m[j] == U'-') {
            const char32_t hi = m[j + 1];
            in = in || holds(prev, hi);
            prev = hi;
            ++j;
        } else {
            prev = m[j];
            in = in || holds(prev, prev);
        }
    }
    end = j;
    return in != negate;
}

struct Reference {
    const Chars& m;
    const Chars& s;
    std::vector<signed char> memo;

    Reference(const Chars& mask, const Chars& name)
        : m(mask), s(name), memo((mask.size() + 1) * (name.size() + 1), -1) {}

    bool Match(std::size_t mi, std::size_t si) {
        signed char& slot = memo[mi * (s.size() + 1) + si];
        if (slot < 0)
            slot = Compute(mi, si) ? 1 : 0;
        return slot == 1;
    }
    bool Compute(std::size_t mi, std::size_t si) {
        if (mi == m.size())
            return si == s.size();
        if (m[mi] == U'*') {
            // Stars in a row act as one; one "?" directly after them is ignored.
            std::size_t k = mi;
            while (k < m.size() && m[k] == U'*')
                ++k;
            if (k < m.size() && m[k] == U'?')
                ++k;
            for (std::size_t t = si; t <= s.size(); ++t)
                if (Match(k, t))
                    return true;
            return false;
        }
        if (si == s.size())
            return false;
        if (m[mi] == U'?')
            return Match(mi + 1, si + 1);
        if (m[mi] == U'[') {
            std::size_t end = 0;
            return InSet(m, mi, s[si], end) && Match(end + 1, si + 1);
        }
        return Fold(m[mi]) == Fold(s[si]) && Match(mi + 1, si + 1);
    }
};

struct Piece {
    const char* text;
    char32_t code;
};

// Mask syntax, letters of both cases, and characters of one to four bytes or none at all.
const Piece kMaskPieces[] = {
    {"*", U'*'},
    {"?", U'?'},
    {"[", U'['},
    {"]", U']'},
    {"!", U'!'},
    {"-", U'-'},
    {"a", U'a'},
    {"b", U'b'},
    {"A", U'A'},
    {"z", U'z'},
    {".", U'.'},
    {"_", U'_'},
    {"\xc3\xa9", 0xE9},
    {"\xe2\x82\xac", 0x20AC},
    {"\xf0\x9f\x98\x80", 0x1F600},
    {"\xff", 0x1100FF},
};
const Piece kNamePieces[] = {
    {"a", U'a'},
    {"b", U'b'},
    {"A", U'A'},
    {"B", U'B'},
    {".", U'.'},
    {"[", U'['},
    {"-", U'-'},
    {"\xc3\xa9", 0xE9},
    {"\xe2\x82\xac", 0x20AC},
    {"\xff", 0x1100FF},
    {"\xf0\x9f\x98\x80", 0x1F600},
};

template <std::size_t N>
std::string Build(std::mt19937& rng, const Piece (&pieces)[N], std::size_t maxLen, Chars& codes) {
    std::uniform_int_distribution<std::size_t> len(0, maxLen), pick(0, N - 1);
    std::string text;
    codes.clear();
    for (std::size_t i = len(rng); i > 0; --i) {
        const Piece& p = pieces[pick(rng)];
        text += p.text;
        codes.push_back(p.code);
    }
    return text;
}

std::optional<std::size_t> InvalidAt(const std::string& mask) {
    try {
        FileMask compiled(mask);
    } catch (const AppError& e) {
        const std::string what = e.what();
        const auto open = what.rfind('(');
        return std::stoul(what.substr(open + 1));
    }
    return std::nullopt;
}

TEST(FileMaskRandom, AgreesWithTheReference) {
    std::mt19937 rng(20240611);
    int valid = 0, matched = 0;
    for (int round = 0; round < 40000; ++round) {
        Chars maskCodes, nameCodes;
        const std::string mask = Build(rng, kMaskPieces, 10, maskCodes);
        const std::string name = Build(rng, kNamePieces, 10, nameCodes);
        ASSERT_EQ(DecodeChars(mask), maskCodes);
        ASSERT_EQ(DecodeChars(name), nameCodes);

        const auto expectedInvalid = ReferenceInvalidAt(maskCodes);
        ASSERT_EQ(InvalidAt(mask), expectedInvalid) << "mask " << mask;
        if (expectedInvalid)
            continue;
        ++valid;
        FileMask compiled(mask);
        std::uint64_t steps = 0;
        const bool got = compiled.Matches(name, steps);
        ASSERT_EQ(got, Reference(maskCodes, nameCodes).Match(0, 0))
            << "mask " << mask << " name " << name;
        ASSERT_LE(steps, (nameCodes.size() + 1) * (maskCodes.size() + 2));
        matched += got;
    }
    // The generator must reach both outcomes often enough to mean something.
    EXPECT_GT(valid, 8000);
    EXPECT_GT(matched, 500);
}

TEST(FileMaskRandom, StarHeavyMasksAgreeAndStayBounded) {
    std::mt19937 rng(7);
    const Piece pieces[] = {{"*", U'*'}, {"?", U'?'}, {"a", U'a'}, {"b", U'b'}};
    const Piece namePieces[] = {{"a", U'a'}, {"b", U'b'}};
    for (int round = 0; round < 5000; ++round) {
        Chars maskCodes, nameCodes;
        const std::string mask = Build(rng, pieces, 40, maskCodes);
        const std::string name = Build(rng, namePieces, 60, nameCodes);
        if (ReferenceInvalidAt(maskCodes))
            continue;
        std::uint64_t steps = 0;
        ASSERT_EQ(FileMask(mask).Matches(name, steps), Reference(maskCodes, nameCodes).Match(0, 0))
            << "mask " << mask << " name " << name;
        ASSERT_LE(steps, (nameCodes.size() + 1) * (maskCodes.size() + 2));
    }
}

TEST(FileMaskRandom, ArbitraryBytesNeverBreakIt) {
    std::mt19937 rng(99);
    // No NUL in masks: the error text is read back through what().
    std::uniform_int_distribution<int> byte(1, 255), len(0, 48);
    for (int round = 0; round < 20000; ++round) {
        std::string mask, name;
        for (int i = len(rng); i > 0; --i)
            mask += static_cast<char>(byte(rng));
        for (int i = len(rng); i > 0; --i)
            name += static_cast<char>(byte(rng));
        const Chars maskCodes = DecodeChars(mask), nameCodes = DecodeChars(name);
        ASSERT_EQ(InvalidAt(mask), ReferenceInvalidAt(maskCodes));
        if (ReferenceInvalidAt(maskCodes))
            continue;
        std::uint64_t steps = 0;
        ASSERT_EQ(FileMask(mask).Matches(name, steps), Reference(maskCodes, nameCodes).Match(0, 0));
        ASSERT_LE(steps, (nameCodes.size() + 1) * (maskCodes.size() + 2));
    }
}

} // namespace
