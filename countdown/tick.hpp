#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/number_format.hpp"
#include "app/progress_range.hpp"
#include "countdown/calendar.hpp"

namespace tovalin {

inline constexpr char kOutOfRangeCaption[] = "Pregnancy Progress (out of range)";

using UnitValues = std::array<std::optional<std::int32_t>, 6>;  // in the order of kAllUnits

// Everything one countdown tick computes from the due-date text and now.
struct TickValues {
  UnitValues left;              // from now to the due date
  bool passedComputed = false;  // false while seconds left are absent
  UnitValues passed;            // from the start date's midnight to now
  float barRequest = 0.0f;      // seconds passed in single precision; absent counts as 0
};

TickValues ComputeTick(std::string_view dueDateText, LocalDateTime now);

enum class ProgressState { Running, Zero, OutOfRange };

struct Progress {
  ProgressState state = ProgressState::Zero;
  float bar = 0.0f;         // the value the bar holds afterwards
  double percentage = 0.0;  // of the bar's value; 0 when out of range
};

// What the progress display shows for a requested bar value: the bar refuses
// a value outside its range and is then emptied.
Progress ResolveProgress(float barRequest, FloatRange range = kPregnancyRange);

// Percentage of the pregnancy for a bar value: 0 at the start date's
// midnight, 100 at the due date's midnight.
double ProgressPercentage(float barValue, FloatRange range = kPregnancyRange);

// "Pregnancy Progress  62.299169 %".
std::string ProgressCaption(double percentage, const Separators& separators);

struct TickTexts {
  std::array<std::string, 6> left;
  std::array<std::string, 6> passed;
};

// The twelve value captions: a grouped number and its unit; an absent value
// shows the unit's word alone; plain words while nothing passed is computed.
TickTexts FormatTickTexts(const TickValues& values, const Separators& separators);

// The title of the minimised window: days left without grouping and
// " Days til Baby". Empty when the days left cannot be computed.
std::optional<std::string> MinimisedTitle(std::string_view dueDateText, LocalDateTime now);

}  // namespace tovalin
