#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

namespace tovalin {

// A naive local wall-clock moment to the second: no time zone and no
// daylight-saving correction. Dates from the year 100 to 9999 are valid.
using LocalDateTime = std::chrono::local_seconds;
using LocalDate = std::chrono::local_days;

inline constexpr int kFirstYear = 100;
inline constexpr int kLastYear = 9999;

// Builds a moment from its parts. The parts must name an existing date and
// time of day; callers that read user input validate first.
LocalDateTime MakeLocal(int year, unsigned month, unsigned day, int hour = 0, int minute = 0,
                        int second = 0);

LocalDate DateOf(LocalDateTime moment);

enum class Unit { Days, Weeks, Months, Hours, Minutes, Seconds };
inline constexpr Unit kAllUnits[] = {Unit::Days,  Unit::Weeks,   Unit::Months,
                                     Unit::Hours, Unit::Minutes, Unit::Seconds};

// The number of Sundays after `from` up to and including `to`; negative with
// the roles swapped when `to` is earlier. Weeks always begin on Sunday.
std::int64_t SundayWeekCount(LocalDate from, LocalDate to);

// The signed number of unit boundaries (midnights, Sunday midnights, first
// days of months, full hours, full minutes, full seconds) passed on the way
// from `from` to `to`. Empty when the result does not fit a signed 32-bit
// integer: it is never clipped.
std::optional<std::int32_t> CalendarDifference(Unit unit, LocalDateTime from, LocalDateTime to);

}  // namespace tovalin
