#pragma once

#include <cstdint>
#include <string>

namespace tovalin {

// The separators of the user's locale. Digits are always grouped by three.
struct Separators {
  std::string group = ",";
  std::string decimal = ".";
};

// A whole number with at least one digit, grouped by three: 9,120,585; -1,234.
std::string FormatGrouped(std::int64_t value, const Separators& separators);

// The same with the decimal separator and exactly six decimals, rounded to
// the sixth decimal: 62.299169.
std::string FormatGroupedSixDecimals(double value, const Separators& separators);

}  // namespace tovalin
