#include "app/number_format.hpp"

#include <cmath>

namespace tovalin {

namespace {

std::string GroupDigits(std::uint64_t magnitude, const std::string& group) {
  std::string digits = std::to_string(magnitude);
  std::string out;
  out.reserve(digits.size() + digits.size() / 3 * group.size());
  const std::size_t lead = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
  out.append(digits, 0, lead);
  for (std::size_t i = lead; i < digits.size(); i += 3) {
    out += group;
    out.append(digits, i, 3);
  }
  return out;
}

std::uint64_t Magnitude(std::int64_t value) {
  return value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value)
                   : static_cast<std::uint64_t>(value);
}

}  // namespace

std::string FormatGrouped(std::int64_t value, const Separators& separators) {
  std::string out = value < 0 ? "-" : "";
  return out + GroupDigits(Magnitude(value), separators.group);
}

std::string FormatGroupedSixDecimals(double value, const Separators& separators) {
  const auto millionths = static_cast<std::int64_t>(std::llround(value * 1e6));
  const std::uint64_t magnitude = Magnitude(millionths);
  std::string fraction = std::to_string(magnitude % 1000000);
  fraction.insert(0, 6 - fraction.size(), '0');
  std::string out = millionths < 0 ? "-" : "";
  return out + GroupDigits(magnitude / 1000000, separators.group) + separators.decimal + fraction;
}

}  // namespace tovalin
