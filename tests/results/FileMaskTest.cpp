#include "results/FileMask.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

std::string InvalidMaskError(const std::string& mask) {
    try {
        FileMask compiled(mask);
    } catch (const AppError& e) {
        return e.what();
    }
    return "valid";
}

TEST(FileMask, MasksBuiltFromAFile) {
    EXPECT_TRUE(MatchesMask("report.doc", "report.doc"));
    EXPECT_TRUE(MatchesMask("report.doc", "r*.doc"));
    EXPECT_TRUE(MatchesMask("REPORT.DOC", "rep*.doc"));
    EXPECT_TRUE(MatchesMask("repor.doc", "repor*.doc"));
    EXPECT_TRUE(MatchesMask("r.doc", "r*.doc"));
    EXPECT_FALSE(MatchesMask("report.docx", "r*.doc"));
    EXPECT_FALSE(MatchesMask("xreport.doc", "r*.doc"));
    EXPECT_TRUE(MatchesMask("README", "R*"));
    EXPECT_TRUE(MatchesMask("readme", "README"));
    EXPECT_FALSE(MatchesMask("README.txt", "README"));
}

TEST(FileMask, StarsAndQuestionMarks) {
    EXPECT_FALSE(MatchesMask("README", "*.*"));
    EXPECT_TRUE(MatchesMask("a.b", "*.*"));
    EXPECT_TRUE(MatchesMask("a.", "*.*"));
    EXPECT_TRUE(MatchesMask("a.zip", "*.ZIP"));
    EXPECT_TRUE(MatchesMask("anything", "***"));
    EXPECT_TRUE(MatchesMask("ab", "??"));
    EXPECT_FALSE(MatchesMask("abc", "??"));
    EXPECT_FALSE(MatchesMask("a", "??"));
    // "?" directly after a star is ignored: "*?" is "*", so "a*?" matches "a" itself.
    EXPECT_TRUE(MatchesMask("a", "a*?"));
    EXPECT_TRUE(MatchesMask("", "*?"));
    EXPECT_TRUE(MatchesMask("x.txt", "*??.txt"));
    EXPECT_FALSE(MatchesMask(".txt", "*??.txt"));
    // Only that one: the next "?" takes a character, wherever the star's run ends.
    EXPECT_FALSE(MatchesMask("a", "a*??"));
    EXPECT_TRUE(MatchesMask("ab", "a*??"));
    EXPECT_TRUE(MatchesMask("abcd", "a*??"));
    EXPECT_FALSE(MatchesMask("a", "a**??"));
    EXPECT_TRUE(MatchesMask("a", "a*?*?"));
    EXPECT_FALSE(MatchesMask("ab", "a*???"));
    EXPECT_TRUE(MatchesMask("abc", "a*???"));
    EXPECT_TRUE(MatchesMask("abc", "?*"));
    EXPECT_FALSE(MatchesMask("", "?*"));
    // Backtracking over an earlier false start.
    EXPECT_TRUE(MatchesMask("aXbXc.txt", "*X*.txt"));
    EXPECT_TRUE(MatchesMask("abab.ab", "*ab"));
    EXPECT_FALSE(MatchesMask("abab.ab", "*abc"));
}

TEST(FileMask, EmptyMaskMatchesNoName) {
    EXPECT_FALSE(MatchesMask("a", ""));
    EXPECT_FALSE(MatchesMask(".", ""));
}

TEST(FileMask, SetsRangesAndInversion) {
    EXPECT_TRUE(MatchesMask("b.txt", "[abc].txt"));
    EXPECT_FALSE(MatchesMask("d.txt", "[abc].txt"));
    EXPECT_TRUE(MatchesMask("C1", "[a-c][0-9]"));
    EXPECT_FALSE(MatchesMask("d1", "[a-c][0-9]"));
    EXPECT_TRUE(MatchesMask("d", "[!a-c]"));
    EXPECT_FALSE(MatchesMask("B", "[!a-c]"));
    EXPECT_TRUE(MatchesMask("e", "[a-c-e]"));
    EXPECT_TRUE(MatchesMask("[", "[[]"));
    EXPECT_TRUE(MatchesMask("a]", "a]"));
    EXPECT_FALSE(MatchesMask("!", "[!!]"));
    EXPECT_TRUE(MatchesMask("x", "[!!]"));
    // An empty set takes nothing; an empty inverted set takes any one character.
    EXPECT_FALSE(MatchesMask("a", "[]"));
    EXPECT_TRUE(MatchesMask("a", "[!]"));
    EXPECT_FALSE(MatchesMask("", "[!]"));
    // A reversed range holds nothing.
    EXPECT_FALSE(MatchesMask("m", "[z-a]"));
    // A hyphen with nothing after it is itself.
    EXPECT_TRUE(MatchesMask("a", "[a-]"));
    EXPECT_TRUE(MatchesMask("-", "[a-]"));
    EXPECT_FALSE(MatchesMask("b", "[a-]"));
    EXPECT_TRUE(MatchesMask("-", "[a-c-]"));
    EXPECT_TRUE(MatchesMask("x", "[!a-]"));
    EXPECT_FALSE(MatchesMask("-", "[!a-]"));
}

// Each set against every printable ASCII character: exactly the listed ones match.
TEST(FileMask, RangesHoldWhatLiesBetweenTheirEndsAndBothCasesOfLetters) {
    const struct {
        const char* mask;
        std::string holds;
    } cases[] = {
        {"[_-a]", "_`aA"},
        {"[A-z]", "ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz"},
        {"[a-~]", "abcdefghijklmnopqrstuvwxyz{|}~ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
        {"[Z-a]", "Z[\\]^_`azA"},
        {"[#-/]", "#$%&'()*+,-./"},
        {"[0-9]", "0123456789"},
        {"[a-c]", "abcABC"},
        {"[X-c]", "XYZ[\\]^_`abcxyzABC"},
        {"[@-B]", "@ABab"},
        {"[ -#]", " !\"#"},
        {"[ch]", "chCH"},
        {"[a-]", "aA-"},
    };
    for (const auto& c : cases) {
        for (char ch = ' '; ch <= '~'; ++ch) {
            const bool expected = c.holds.find(ch) != std::string::npos;
            EXPECT_EQ(MatchesMask(std::string(1, ch), c.mask), expected)
                << c.mask << " against '" << ch << "'";
        }
    }
    EXPECT_TRUE(MatchesMask("MAIN.C", "*.[ch]"));
    EXPECT_TRUE(MatchesMask("main.H", "*.[ch]"));
    EXPECT_TRUE(MatchesMask("b", "[!_-a]"));
    EXPECT_FALSE(MatchesMask("`", "[!_-a]"));
    EXPECT_FALSE(MatchesMask("A", "[!_-a]"));
}

TEST(FileMask, CaseFoldsOnlyAsciiLetters) {
    EXPECT_TRUE(MatchesMask("abc", "ABC"));
    EXPECT_FALSE(MatchesMask("\xc3\xa9", "\xc3\x89")); // é against É
    EXPECT_FALSE(MatchesMask("_", "[a-z]"));
    EXPECT_FALSE(MatchesMask("`", "@"));
}

TEST(FileMask, MultiByteCharactersAreOneCharacter) {
    const std::string e = "\xc3\xa9";        // é
    const std::string euro = "\xe2\x82\xac"; // €
    const std::string smile = "\xf0\x9f\x98\x80";
    EXPECT_TRUE(MatchesMask(e, "?"));
    EXPECT_FALSE(MatchesMask(e, "??"));
    EXPECT_TRUE(MatchesMask("caf" + e + ".txt", "caf?.txt"));
    EXPECT_TRUE(MatchesMask(euro + smile, "??"));
    EXPECT_TRUE(MatchesMask(e, "[" + e + "]"));
    EXPECT_FALSE(MatchesMask("\xc3\xa8", "[" + e + "]"));
    // Cyrillic range: а to я holds ж.
    EXPECT_TRUE(MatchesMask("\xd0\xb6", "[\xd0\xb0-\xd1\x8f]"));
    // A byte that is not UTF-8 is a character of its own and matches only itself.
    EXPECT_TRUE(MatchesMask("a\xff.txt", "a?.txt"));
    EXPECT_TRUE(MatchesMask("a\xff.txt", "a\xff*"));
    EXPECT_FALSE(MatchesMask("a\xfe.txt", "a\xff*"));
    // A truncated sequence is two characters, not one broken one.
    EXPECT_TRUE(MatchesMask("\xc3x", "??"));
    EXPECT_FALSE(MatchesMask("\xc3x", "?"));
}

TEST(FileMask, InvalidMasksNameTheFailingPosition) {
    EXPECT_EQ(InvalidMaskError("[abc"), "'[abc' is an invalid mask at (5)");
    EXPECT_EQ(InvalidMaskError("ab["), "'ab[' is an invalid mask at (4)");
    EXPECT_EQ(InvalidMaskError("[!"), "'[!' is an invalid mask at (3)");
    EXPECT_EQ(InvalidMaskError("[-a]"), "'[-a]' is an invalid mask at (2)");
    EXPECT_EQ(InvalidMaskError("x[!-a]"), "'x[!-a]' is an invalid mask at (4)");
    EXPECT_EQ(InvalidMaskError("[-]"), "'[-]' is an invalid mask at (2)");
    EXPECT_EQ(InvalidMaskError("[a-]"), "valid");
    // A hyphen at the end is no error of its own: the set is not closed.
    EXPECT_EQ(InvalidMaskError("a[b-"), "'a[b-' is an invalid mask at (5)");
    // Positions count characters, not bytes.
    EXPECT_EQ(InvalidMaskError("\xc3\xa9["), "'\xc3\xa9[' is an invalid mask at (3)");
    // ")" sorts before ".": the error display adds no full stop.
    EXPECT_EQ(ErrorDisplayText(InvalidMaskError("[abc")), "'[abc' is an invalid mask at (5)");
    EXPECT_EQ(InvalidMaskError("a-b]"), "valid");
}

TEST(FileMask, ThirtyElementsAfterStarsAtMost) {
    std::string thirty;
    for (int i = 0; i < 30; ++i)
        thirty += "*a";
    EXPECT_EQ(InvalidMaskError(thirty), "valid");
    EXPECT_TRUE(MatchesMask(std::string(40, 'a'), thirty));
    // The 31st element after a star fails at its own position.
    EXPECT_EQ(InvalidMaskError(thirty + "*b"), "'" + thirty + "*b' is an invalid mask at (62)");
    // The end of the mask after a star is an element too.
    EXPECT_EQ(InvalidMaskError(thirty + "*"), "'" + thirty + "*' is an invalid mask at (62)");
    // A set counts once, at its closing bracket; a run of stars and ignored "?" counts once.
    EXPECT_EQ(InvalidMaskError(thirty + "**?[xy]"),
              "'" + thirty + "**?[xy]' is an invalid mask at (67)");
    EXPECT_EQ(InvalidMaskError(thirty + "ab?"), "valid");
    // A "?" that is not directly after the star counts like a character.
    EXPECT_EQ(InvalidMaskError(thirty + "*?\?"), "'" + thirty + "*?\?' is an invalid mask at (63)");
}

TEST(FileMask, WorkStaysPolynomialOnHostileMasks) {
    std::string mask;
    for (int i = 0; i < 30; ++i)
        mask += "*a";
    mask += "b";
    const std::string name(5000, 'a');
    FileMask compiled(mask);
    std::uint64_t steps = 0;
    EXPECT_FALSE(compiled.Matches(name, steps));
    EXPECT_LE(steps, (name.size() + 1) * (31 * 2 + 1));
}

} // namespace
