#include "cli/JsonText.h"

#include "platform/Utf8.h"

#include <cstdio>

std::string JsonString(const std::string& bytes) {
    std::string out = "\"";
    char esc[8];
    for (std::size_t i = 0; i < bytes.size();) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        const std::size_t n = platform::Utf8Sequence(bytes, i);
        if (n == 0) {
            std::snprintf(esc, sizeof esc, "\\udc%02x", c);
            out += esc;
            ++i;
            continue;
        }
        if (n == 1) {
            switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    std::snprintf(esc, sizeof esc, "\\u%04x", c);
                    out += esc;
                } else {
                    out += static_cast<char>(c);
                }
            }
        } else {
            out.append(bytes, i, n);
        }
        i += n;
    }
    out += '"';
    return out;
}

bool IsUtf8(const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t n = platform::Utf8Sequence(bytes, i);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

namespace {

std::string Base64(const std::string& bytes) {
    static const char kDigits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    std::size_t i = 0;
    const auto b = [&](std::size_t k) {
        return static_cast<unsigned>(static_cast<unsigned char>(bytes[k]));
    };
    for (; i + 2 < bytes.size(); i += 3) {
        const unsigned v = b(i) << 16 | b(i + 1) << 8 | b(i + 2);
        out += {kDigits[v >> 18], kDigits[(v >> 12) & 63], kDigits[(v >> 6) & 63], kDigits[v & 63]};
    }
    if (i + 1 == bytes.size()) {
        const unsigned v = b(i) << 16;
        out += {kDigits[v >> 18], kDigits[(v >> 12) & 63], '=', '='};
    } else if (i + 2 == bytes.size()) {
        const unsigned v = b(i) << 16 | b(i + 1) << 8;
        out += {kDigits[v >> 18], kDigits[(v >> 12) & 63], kDigits[(v >> 6) & 63], '='};
    }
    return out;
}

} // namespace

std::string JsonPathField(const std::string& key, const std::string& path) {
    std::string out = JsonString(key) + ": " + JsonString(path);
    if (!IsUtf8(path))
        out += ", " + JsonString(key + "_base64") + ": \"" + Base64(path) + "\"";
    return out;
}
