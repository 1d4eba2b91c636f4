#include "countdown/calendar.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <random>

namespace tovalin {
namespace {

struct DiffCase {
  const char* what;
  Unit unit;
  LocalDateTime from;
  LocalDateTime to;
  std::optional<std::int32_t> expected;
};

TEST(CalendarDifference, CountsUnitBoundaries) {
  const LocalDateTime now = MakeLocal(2025, 3, 1, 10, 30, 15);  // a Saturday
  const LocalDateTime due = MakeLocal(2025, 6, 15);             // a Sunday
  const DiffCase cases[] = {
      {"days ignore the time of day", Unit::Days, MakeLocal(2025, 1, 1, 23, 59, 59),
       MakeLocal(2025, 1, 2), 1},
      {"weeks: Sundays after from, up to and including to", Unit::Weeks, now, due, 16},
      {"from a Sunday: that Sunday does not count", Unit::Weeks, MakeLocal(2025, 6, 15),
       MakeLocal(2025, 6, 21), 0},
      {"to a Sunday: it counts", Unit::Weeks, MakeLocal(2025, 6, 14), MakeLocal(2025, 6, 15), 1},
      {"weeks backwards", Unit::Weeks, MakeLocal(2025, 6, 15), MakeLocal(2025, 6, 14), -1},
      {"months ignore days", Unit::Months, MakeLocal(2025, 1, 31), MakeLocal(2025, 2, 1), 1},
      {"months across a year", Unit::Months, MakeLocal(2024, 12, 1), MakeLocal(2026, 1, 31), 13},
      {"hours cut now down to the full hour", Unit::Hours, now, due, 2534},
      {"minutes", Unit::Minutes, now, due, 152010},
      {"seconds", Unit::Seconds, now, due, 9120585},
      {"negative hours", Unit::Hours, MakeLocal(2025, 1, 1, 10, 0, 1),
       MakeLocal(2025, 1, 1, 9, 59, 59), -1},
      {"the largest 32-bit number of seconds", Unit::Seconds, MakeLocal(2000, 1, 1),
       MakeLocal(2000, 1, 1) + std::chrono::seconds{2147483647}, 2147483647},
      {"one more is absent, never clipped", Unit::Seconds, MakeLocal(2000, 1, 1),
       MakeLocal(2000, 1, 1) + std::chrono::seconds{2147483648LL}, std::nullopt},
      {"the smallest 32-bit number of seconds", Unit::Seconds,
       MakeLocal(2100, 1, 1) + std::chrono::seconds{2147483648LL}, MakeLocal(2100, 1, 1),
       -2147483647 - 1},
      {"68 years of minutes still fit", Unit::Minutes, MakeLocal(2025, 1, 1), MakeLocal(2094, 1, 1),
       36290880},
      {"69 years of seconds do not", Unit::Seconds, MakeLocal(2025, 1, 1), MakeLocal(2094, 1, 1),
       std::nullopt},
  };
  for (const DiffCase& c : cases) {
    EXPECT_EQ(CalendarDifference(c.unit, c.from, c.to), c.expected) << c.what;
  }
}

// An independent calendar for the property test: plain arithmetic on year,
// month and day, walked one day at a time.
struct Civil {
  int y;
  int m;
  int d;
};

bool Leap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysIn(int y, int m) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && Leap(y) ? 29 : kDays[m - 1];
}

Civil Next(Civil c) {
  if (++c.d > DaysIn(c.y, c.m)) {
    c.d = 1;
    if (++c.m > 12) {
      c.m = 1;
      ++c.y;
    }
  }
  return c;
}

bool Before(Civil a, Civil b) {
  return a.y != b.y ? a.y < b.y : a.m != b.m ? a.m < b.m : a.d < b.d;
}

// Zeller's congruence: 0 is Saturday, 1 is Sunday.
int Zeller(Civil c) {
  int m = c.m, y = c.y;
  if (m < 3) {
    m += 12;
    --y;
  }
  const int k = y % 100, j = y / 100;
  return (c.d + 13 * (m + 1) / 5 + k + k / 4 + j / 4 + 5 * j) % 7;
}

struct Walk {
  std::int64_t days = 0, sundays = 0, monthStarts = 0;
};

// Midnights, Sunday midnights and first days of months passed from a to b.
Walk WalkForward(Civil a, Civil b) {
  Walk w;
  for (Civil c = a; Before(c, b);) {
    c = Next(c);
    ++w.days;
    if (Zeller(c) == 1) ++w.sundays;
    if (c.d == 1) ++w.monthStarts;
  }
  return w;
}

// Seconds since 0001-01-01 00:00, counted with the same plain rules.
std::int64_t DaysBefore(Civil c) {
  std::int64_t days = 0;
  for (int y = 1; y < c.y; ++y) days += Leap(y) ? 366 : 365;
  for (int m = 1; m < c.m; ++m) days += DaysIn(c.y, m);
  return days + c.d - 1;
}

std::optional<std::int32_t> Fits(std::int64_t v) {
  if (v < INT32_MIN || v > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(v);
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}

TEST(CalendarDifference, AgreesWithAPlainDayByDayWalk) {
  std::mt19937 rng(20261211);
  std::uniform_int_distribution<int> year(100, 9990), month(1, 12), dayOfMonth(1, 31), hour(0, 23),
      minuteOrSecond(0, 59), distance(0, 1500), bigYearStep(0, 9890);
  for (int i = 0; i < 3000; ++i) {
    Civil a{year(rng), month(rng), 1};
    a.d = std::min(dayOfMonth(rng), DaysIn(a.y, a.m));
    Civil b = a;
    const int steps = distance(rng);
    for (int s = 0; s < steps; ++s) b = Next(b);
    const int ha = hour(rng), ma = minuteOrSecond(rng), sa = minuteOrSecond(rng);
    const int hb = hour(rng), mb = minuteOrSecond(rng), sb = minuteOrSecond(rng);
    const LocalDateTime from = MakeLocal(a.y, a.m, a.d, ha, ma, sa);
    const LocalDateTime to = MakeLocal(b.y, b.m, b.d, hb, mb, sb);
    const Walk w = WalkForward(a, b);
    const std::int64_t secA = DaysBefore(a) * 86400 + ha * 3600 + ma * 60 + sa;
    const std::int64_t secB = DaysBefore(b) * 86400 + hb * 3600 + mb * 60 + sb;

    // Both directions: backwards every count changes its sign.
    for (const int sign : {1, -1}) {
      const LocalDateTime f = sign > 0 ? from : to;
      const LocalDateTime t = sign > 0 ? to : from;
      const std::int64_t sf = sign > 0 ? secA : secB;
      const std::int64_t st = sign > 0 ? secB : secA;
      ASSERT_EQ(CalendarDifference(Unit::Days, f, t), Fits(sign * w.days));
      ASSERT_EQ(CalendarDifference(Unit::Weeks, f, t), Fits(sign * w.sundays));
      ASSERT_EQ(CalendarDifference(Unit::Months, f, t), Fits(sign * w.monthStarts));
      ASSERT_EQ(CalendarDifference(Unit::Hours, f, t),
                Fits(FloorDiv(st, 3600) - FloorDiv(sf, 3600)));
      ASSERT_EQ(CalendarDifference(Unit::Minutes, f, t), Fits(FloorDiv(st, 60) - FloorDiv(sf, 60)));
      ASSERT_EQ(CalendarDifference(Unit::Seconds, f, t), Fits(st - sf));
    }
  }
  // Far-apart moments over the whole range: the direct definitions, and the
  // 32-bit limit for seconds.
  for (int i = 0; i < 2000; ++i) {
    const Civil a{100 + bigYearStep(rng), month(rng), 1 + dayOfMonth(rng) % 28};
    const Civil b{100 + bigYearStep(rng), month(rng), 1 + dayOfMonth(rng) % 28};
    const std::int64_t sa = DaysBefore(a) * 86400, sb = DaysBefore(b) * 86400 + 3599;
    const LocalDateTime from = MakeLocal(a.y, a.m, a.d), to = MakeLocal(b.y, b.m, b.d, 0, 59, 59);
    ASSERT_EQ(CalendarDifference(Unit::Days, from, to), Fits(DaysBefore(b) - DaysBefore(a)));
    ASSERT_EQ(CalendarDifference(Unit::Months, from, to),
              Fits((b.y * 12 + b.m) - (a.y * 12 + a.m)));
    ASSERT_EQ(CalendarDifference(Unit::Hours, from, to),
              Fits(FloorDiv(sb, 3600) - FloorDiv(sa, 3600)));
    ASSERT_EQ(CalendarDifference(Unit::Seconds, from, to), Fits(sb - sa));
  }
}

}  // namespace
}  // namespace tovalin
