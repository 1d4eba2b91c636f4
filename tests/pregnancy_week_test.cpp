#include "weeks/pregnancy_week.hpp"

#include <gtest/gtest.h>

namespace tovalin {
namespace {

struct WeekCase {
  const char* due;
  int y, m, d;  // today
  int week;
};

TEST(CurrentPregnancyWeek, CountsSundayWeeksFromTheStartDate) {
  const WeekCase cases[] = {
      // Due on a Sunday: the start date 09/08/2024 is a Sunday too.
      {"06/15/2025", 2024, 9, 7, -1},
      {"06/15/2025", 2024, 9, 8, 0},
      {"06/15/2025", 2024, 9, 14, 0},
      {"06/15/2025", 2024, 9, 15, 1},
      {"06/15/2025", 2025, 6, 14, 39},
      {"06/15/2025", 2025, 6, 15, 40},
      {"06/15/2025", 2025, 6, 21, 40},
      {"06/15/2025", 2025, 6, 22, 41},
      // Due on a Wednesday: week 0 begins on the Sunday before the start.
      {"06/18/2025", 2024, 9, 7, -1},
      {"06/18/2025", 2024, 9, 8, 0},
      {"06/18/2025", 2024, 9, 14, 0},
      {"06/18/2025", 2024, 9, 15, 1},
      {"06/18/2025", 2025, 6, 15, 40},
      {"06/18/2025", 2025, 6, 21, 40},
      {"06/18/2025", 2025, 6, 22, 41},
      // A time of day on the due date changes nothing.
      {"06/15/2025 10:30", 2024, 9, 15, 1},
  };
  for (const WeekCase& c : cases) {
    for (const int hour : {0, 23}) {
      EXPECT_EQ(CurrentPregnancyWeek(c.due, MakeLocal(c.y, c.m, c.d, hour, 59, 59)), c.week)
          << c.due << " on " << c.m << "/" << c.d << "/" << c.y;
    }
  }
  EXPECT_EQ(CurrentPregnancyWeek("", MakeLocal(2025, 1, 1)), std::nullopt);
  EXPECT_EQ(CurrentPregnancyWeek("06/15/2", MakeLocal(2025, 1, 1)), std::nullopt);
}

TEST(PregnancyStartDate, Is280DaysBeforeAtMidnight) {
  EXPECT_EQ(PregnancyStartDate(MakeLocal(2024, 3, 1)),
            MakeLocal(2023, 5, 26));  // across a leap day
  EXPECT_EQ(PregnancyStartDate(MakeLocal(2025, 6, 15, 10, 30)), MakeLocal(2024, 9, 8));
}

TEST(WeekKey, NamesTheListItemsAndGroupsLargeNumbers) {
  const Separators us;
  EXPECT_EQ(WeekKey(1, us), "Week 1");
  EXPECT_EQ(WeekKey(40, us), "Week 40");
  EXPECT_EQ(WeekKey(-1, us), "Week -1");
  EXPECT_EQ(WeekKey(1234, us), "Week 1,234");
  EXPECT_EQ(WeekKey(1234, Separators{".", ","}), "Week 1.234");
}

}  // namespace
}  // namespace tovalin
