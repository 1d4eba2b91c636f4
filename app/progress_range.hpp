#pragma once

namespace tovalin {

// The range of a progress display, held in single precision like the value:
// a value is compared after its conversion to float.
struct FloatRange {
  float minimum = 0.0f;
  float maximum = 0.0f;

  bool Contains(float value) const { return value >= minimum && value <= maximum; }
};

// The pregnancy's 280 days in seconds: 24,192,000.
inline constexpr FloatRange kPregnancyRange{0.0f, 24192000.0f};

}  // namespace tovalin
