#include "countdown/tick.hpp"

#include <cstddef>

#include "countdown/due_date.hpp"
#include "weeks/pregnancy_week.hpp"

namespace tovalin {

namespace {

constexpr std::array<std::string_view, 6> kUnitWords = {"Days",  "Weeks",   "Months",
                                                        "Hours", "Minutes", "Seconds"};
constexpr std::size_t kSecondsIndex = 5;

UnitValues Differences(LocalDateTime from, LocalDateTime to) {
  UnitValues out;
  for (std::size_t i = 0; i < out.size(); ++i) out[i] = CalendarDifference(kAllUnits[i], from, to);
  return out;
}

std::string WithUnit(const std::optional<std::int32_t>& value, std::size_t unit,
                     const Separators& separators) {
  if (!value) return std::string(kUnitWords[unit]);
  return FormatGrouped(*value, separators) + " " + std::string(kUnitWords[unit]);
}

}  // namespace

TickValues ComputeTick(std::string_view dueDateText, LocalDateTime now) {
  TickValues values;
  const auto due = ParseDueDate(dueDateText);
  if (!due) return values;
  values.left = Differences(now, *due);
  if (!values.left[kSecondsIndex]) return values;
  values.passedComputed = true;
  values.passed = Differences(PregnancyStartDate(*due), now);
  if (values.passed[kSecondsIndex])
    values.barRequest = static_cast<float>(*values.passed[kSecondsIndex]);
  return values;
}

Progress ResolveProgress(float barRequest, FloatRange range) {
  if (!range.Contains(barRequest)) return {ProgressState::OutOfRange, range.minimum, 0.0};
  const ProgressState state = barRequest == 0.0f ? ProgressState::Zero : ProgressState::Running;
  return {state, barRequest, ProgressPercentage(barRequest, range)};
}

double ProgressPercentage(float barValue, FloatRange range) {
  return static_cast<double>(barValue) / (static_cast<double>(range.maximum) / 100.0);
}

std::string ProgressCaption(double percentage, const Separators& separators) {
  return "Pregnancy Progress  " + FormatGroupedSixDecimals(percentage, separators) + " %";
}

TickTexts FormatTickTexts(const TickValues& values, const Separators& separators) {
  TickTexts texts;
  for (std::size_t i = 0; i < kUnitWords.size(); ++i) {
    texts.left[i] = WithUnit(values.left[i], i, separators);
    texts.passed[i] = values.passedComputed ? WithUnit(values.passed[i], i, separators)
                                            : std::string(kUnitWords[i]);
  }
  return texts;
}

std::optional<std::string> MinimisedTitle(std::string_view dueDateText, LocalDateTime now) {
  const auto due = ParseDueDate(dueDateText);
  if (!due) return std::nullopt;
  const auto daysLeft = CalendarDifference(Unit::Days, now, *due);
  if (!daysLeft) return std::nullopt;
  return std::to_string(*daysLeft) + " Days til Baby";
}

}  // namespace tovalin
