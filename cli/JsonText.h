#pragma once

#include <string>

// A byte string as a JSON string literal. Bytes that are not valid UTF-8 become \udcXX escapes
// (the "surrogate escape" convention), so the exact bytes can be recovered.
std::string JsonString(const std::string& bytes);
