#include "countdown/calendar.hpp"

#include <limits>

namespace tovalin {

using namespace std::chrono;

LocalDateTime MakeLocal(int year, unsigned month, unsigned day, int hour, int minute, int second) {
  const LocalDate date{std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day}};
  return LocalDateTime{date} + hours{hour} + minutes{minute} + seconds{second};
}

LocalDate DateOf(LocalDateTime moment) { return floor<days>(moment); }

namespace {

// The latest Sunday on or before `date`.
LocalDate SundayOnOrBefore(LocalDate date) {
  const weekday wd{date};
  return date - days{wd.c_encoding()};  // c_encoding: Sunday is 0
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

std::optional<std::int32_t> Fit32(std::int64_t value) {
  if (value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(value);
}

std::int64_t MonthIndex(LocalDate date) {
  const year_month_day ymd{date};
  return 12 * static_cast<std::int64_t>(int{ymd.year()}) + unsigned{ymd.month()};
}

}  // namespace

std::int64_t SundayWeekCount(LocalDate from, LocalDate to) {
  return (SundayOnOrBefore(to) - SundayOnOrBefore(from)).count() / 7;
}

std::optional<std::int32_t> CalendarDifference(Unit unit, LocalDateTime from, LocalDateTime to) {
  const std::int64_t a = from.time_since_epoch().count();
  const std::int64_t b = to.time_since_epoch().count();
  switch (unit) {
    case Unit::Days:
      return Fit32((DateOf(to) - DateOf(from)).count());
    case Unit::Weeks:
      return Fit32(SundayWeekCount(DateOf(from), DateOf(to)));
    case Unit::Months:
      return Fit32(MonthIndex(DateOf(to)) - MonthIndex(DateOf(from)));
    case Unit::Hours:
      return Fit32(FloorDiv(b, 3600) - FloorDiv(a, 3600));
    case Unit::Minutes:
      return Fit32(FloorDiv(b, 60) - FloorDiv(a, 60));
    case Unit::Seconds:
      return Fit32(b - a);
  }
  return std::nullopt;
}

}  // namespace tovalin
