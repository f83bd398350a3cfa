#pragma once

#include <optional>
#include <string>

// Private-profile access to an INI file with the semantics programs expect of it: section and
// key names match without regard to case, every call reads or writes the file once, lines this
// call does not touch stay exactly as they were, and the first write creates the file.
namespace platform {

// At most this many characters come back from a read.
constexpr std::size_t kProfileReadLimit = 2047;

// The value of key in section, or def when the file, the section or the key is missing.
std::string ReadProfileString(const std::string& file, const std::string& section,
                              const std::string& key, const std::string& def);

// Sets key in section to value, adding the section or the key where missing; the file is
// replaced in one step (ReplaceFileContents). False when the file cannot be read whole or
// written; the file is then left as it was.
bool WriteProfileString(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value);

// An integer text: decimal, or hexadecimal after "$", "0x" or "0X", optionally signed.
// Nothing for any other text (also an empty one) or a number out of range.
std::optional<long long> ParseProfileInteger(const std::string& text);

// A boolean as "1"/"0" texts are read back: any non-zero number is true; def otherwise.
bool ReadProfileBool(const std::string& file, const std::string& section, const std::string& key,
                     bool def);

} // namespace platform
