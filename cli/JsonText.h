#pragma once

#include <string>

// A byte string as a JSON string literal. Bytes that are not valid UTF-8 become \udcXX escapes
// (the "surrogate escape" convention), so the exact bytes can be recovered.
std::string JsonString(const std::string& bytes);

// True when every byte belongs to a valid UTF-8 sequence.
bool IsUtf8(const std::string& bytes);

// "key": "text" for a path, followed by "key_base64": "..." (the raw bytes in standard base64)
// when the path is not UTF-8: a reader whose strings are Unicode (jq, node) gets the bytes back
// from the second field.
std::string JsonPathField(const std::string& key, const std::string& path);
