#include "platform/ProfileIni.h"

#include "platform/AtomicFile.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string_view>
#include <sys/stat.h>
#include <vector>

namespace platform {
namespace {

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

std::string Trim(const std::string& s) {
    const char* ws = " \t\r\n";
    const auto first = s.find_first_not_of(ws);
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(ws) - first + 1);
}

// The section name of a "[name]" line, or nothing.
std::optional<std::string> SectionOf(const std::string& line) {
    const std::string t = Trim(line);
    if (t.size() < 2 || t.front() != '[')
        return std::nullopt;
    const auto close = t.find(']');
    if (close == std::string::npos)
        return std::nullopt;
    return Trim(t.substr(1, close - 1));
}

// The key of a "key=value" line, or nothing (comments and other lines).
std::optional<std::string> KeyOf(const std::string& line, std::string* value = nullptr) {
    const std::string t = Trim(line);
    if (t.empty() || t.front() == ';' || t.front() == '[')
        return std::nullopt;
    const auto eq = t.find('=');
    if (eq == std::string::npos)
        return std::nullopt;
    if (value)
        *value = Trim(t.substr(eq + 1));
    return Trim(t.substr(0, eq));
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The lines of file, split at CR LF, LF or a lone CR; a UTF-8 byte-order mark before the first
// is no part of it (bom tells whether there was one).
bool ReadLines(const std::string& file, std::vector<std::string>& lines, bool* bom = nullptr) {
    // Only a regular file: opening a FIFO would wait for a writer forever.
    struct stat st;
    if (::stat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream whole;
    whole << in.rdbuf();
    if (in.bad())
        return false;
    std::string_view text = whole.view();
    const bool marked = text.starts_with(kByteOrderMark);
    if (marked)
        text.remove_prefix(kByteOrderMark.size());
    if (bom)
        *bom = marked;
    while (!text.empty()) {
        const auto end = text.find_first_of("\r\n");
        lines.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crlf ? 2 : 1));
    }
    return true;
}

bool Exists(const std::string& file) {
    struct stat st;
    return ::stat(file.c_str(), &st) == 0;
}

} // namespace

std::string ReadProfileString(const std::string& file, const std::string& section,
                              const std::string& key, const std::string& def) {
    std::vector<std::string> lines;
    if (!ReadLines(file, lines))
        return def.substr(0, kProfileReadLimit);
    bool inSection = false;
    for (const auto& line : lines) {
        if (auto name = SectionOf(line)) {
            inSection = SameName(*name, section);
            continue;
        }
        std::string value;
        if (inSection) {
            auto k = KeyOf(line, &value);
            if (k && SameName(*k, key)) {
                // A value in matching quotes comes back without them.
                if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                    value.back() == value.front())
                    value = value.substr(1, value.size() - 2);
                return value.substr(0, kProfileReadLimit);
            }
        }
    }
    return def.substr(0, kProfileReadLimit);
}

bool WriteProfileString(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value) {
    std::vector<std::string> lines;
    bool bom = false;
    // A file that is there but cannot be read would lose every other line.
    if (!ReadLines(file, lines, &bom) && Exists(file))
        return false;

    const std::string entry = key + "=" + value;
    int sectionLine = -1;
    int lastInSection = -1; // last non-empty line of the section
    bool done = false;
    for (int i = 0; i < static_cast<int>(lines.size()) && !done; ++i) {
        const auto& line = lines[static_cast<std::size_t>(i)];
        if (auto name = SectionOf(line)) {
            if (sectionLine >= 0)
                break; // past our section
            if (SameName(*name, section))
                sectionLine = lastInSection = i;
            continue;
        }
        if (sectionLine < 0)
            continue;
        if (!Trim(line).empty())
            lastInSection = i;
        auto k = KeyOf(line);
        if (k && SameName(*k, key)) {
            lines[static_cast<std::size_t>(i)] = entry;
            done = true;
        }
    }
    if (!done) {
        if (sectionLine < 0) {
            if (!lines.empty() && !Trim(lines.back()).empty())
                lines.push_back({});
            lines.push_back("[" + section + "]");
            lines.push_back(entry);
        } else {
            lines.insert(lines.begin() + lastInSection + 1, entry);
        }
    }

    std::ostringstream text;
    if (bom)
        text << kByteOrderMark;
    for (const auto& line : lines)
        text << line << "\r\n";
    return ReplaceFileContents(file, text.str()) == 0;
}

std::optional<long long> ParseProfileInteger(const std::string& raw) {
    std::string s = Trim(raw);
    bool negative = false;
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        negative = s[0] == '-';
        s.erase(0, 1);
    }
    int base = 10;
    if (!s.empty() && s[0] == '$') {
        base = 16;
        s.erase(0, 1);
    } else if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.erase(0, 2);
    }
    if (s.empty())
        return std::nullopt;
    for (char c : s) {
        const bool digit = c >= '0' && c <= '9';
        const bool hex = (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!digit && !(base == 16 && hex))
            return std::nullopt;
    }
    errno = 0;
    char* end = nullptr;
    const unsigned long long v = std::strtoull(s.c_str(), &end, base);
    if (errno == ERANGE || v > static_cast<unsigned long long>(INT32_MAX) + 1ULL ||
        (!negative && v > static_cast<unsigned long long>(INT32_MAX)))
        return std::nullopt;
    return negative ? -static_cast<long long>(v) : static_cast<long long>(v);
}

bool ReadProfileBool(const std::string& file, const std::string& section, const std::string& key,
                     bool def) {
    const auto v = ParseProfileInteger(ReadProfileString(file, section, key, {}));
    return v ? *v != 0 : def;
}

} // namespace platform
