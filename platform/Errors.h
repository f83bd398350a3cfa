#pragma once

#include <stdexcept>
#include <string>

// An error that ends the operation that raised it and reaches the application's general error
// display ("Kelvaro" error box). Thrown by the core, caught once at the window's handler
// boundary; no exception crosses a Qt slot.
class AppError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What the window's error display and kelvaro-find say when memory runs out.
inline const char* const kOutOfMemory = "Out of memory";

// The text the general error display shows: a full stop is appended when the last character
// sorts after ".".
inline std::string ErrorDisplayText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}
