#pragma once

#include <cstdint>
#include <string>

// "#,###" with the user's thousands separator; empty text for 0.
std::string FormatThousands(std::int64_t value);

// A byte count in kilobytes: divided by 1024, an exact half rounded to the even neighbour.
std::int64_t RoundKiloBytes(std::int64_t bytes);

// "%4.1f" with the user's decimal separator: one decimal, padded to four characters.
std::string FormatPercent41(double value);
