#pragma once

#include <string>

namespace platform {

// The separators of the user's locale, as UTF-8 text. Read from the system once; tests set them.
struct NumberFormat {
    std::string thousands = ",";
    std::string decimal = ".";
};

const NumberFormat& UserNumberFormat();
void SetUserNumberFormat(const NumberFormat& format);

} // namespace platform
