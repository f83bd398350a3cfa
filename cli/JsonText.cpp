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
