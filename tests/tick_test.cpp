#include "countdown/tick.hpp"

#include <gtest/gtest.h>

#include <string>

namespace tovalin {
namespace {

const Separators kUs{",", "."};

TEST(Tick, WorkedExample) {
  // Due 06/15/2025 (a Sunday), start 09/08/2024, now Saturday 03/01/2025 10:30:15.
  const TickValues v = ComputeTick("06/15/2025", MakeLocal(2025, 3, 1, 10, 30, 15));
  const TickTexts t = FormatTickTexts(v, kUs);
  const std::array<std::string, 6> left = {"106 Days",    "16 Weeks",        "3 Months",
                                           "2,534 Hours", "152,010 Minutes", "9,120,585 Seconds"};
  const std::array<std::string, 6> passed = {
      "174 Days", "24 Weeks", "6 Months", "4,186 Hours", "251,190 Minutes", "15,071,415 Seconds"};
  EXPECT_EQ(t.left, left);
  EXPECT_EQ(t.passed, passed);
  EXPECT_EQ(v.barRequest, 15071415.0f);
  const Progress p = ResolveProgress(v.barRequest);
  EXPECT_EQ(p.state, ProgressState::Running);
  EXPECT_EQ(ProgressCaption(p.percentage, kUs), "Pregnancy Progress  62.299169 %");
  EXPECT_EQ(MinimisedTitle("06/15/2025", MakeLocal(2025, 3, 1, 10, 30, 15)), "106 Days til Baby");
}

struct EdgeCase {
  const char* what;
  const char* due;
  LocalDateTime now;
  ProgressState state;
  float bar;
  const char* caption;  // nullptr: out of range
};

TEST(Tick, ProgressAtItsEdges) {
  const EdgeCase cases[] = {
      {"the start date's midnight", "06/15/2025", MakeLocal(2024, 9, 8), ProgressState::Zero, 0.0f,
       "Pregnancy Progress  0.000000 %"},
      {"one second in", "06/15/2025", MakeLocal(2024, 9, 8, 0, 0, 1), ProgressState::Running, 1.0f,
       "Pregnancy Progress  0.000004 %"},
      {"the due date's midnight", "06/15/2025", MakeLocal(2025, 6, 15), ProgressState::Running,
       24192000.0f, "Pregnancy Progress  100.000000 %"},
      {"one second later is held as the maximum in single precision", "06/15/2025",
       MakeLocal(2025, 6, 15, 0, 0, 1), ProgressState::Running, 24192000.0f,
       "Pregnancy Progress  100.000000 %"},
      {"two seconds later is refused", "06/15/2025", MakeLocal(2025, 6, 15, 0, 0, 2),
       ProgressState::OutOfRange, 0.0f, nullptr},
      {"more than 280 days ahead: negative, refused", "06/15/2025",
       MakeLocal(2024, 9, 7, 23, 59, 59), ProgressState::OutOfRange, 0.0f, nullptr},
      {"not a date", "soon", MakeLocal(2025, 1, 1), ProgressState::Zero, 0.0f,
       "Pregnancy Progress  0.000000 %"},
      {"empty", "", MakeLocal(2025, 1, 1), ProgressState::Zero, 0.0f,
       "Pregnancy Progress  0.000000 %"},
      {"seconds left beyond 32 bits", "01/01/2095", MakeLocal(2025, 1, 1), ProgressState::Zero,
       0.0f, "Pregnancy Progress  0.000000 %"},
  };
  for (const EdgeCase& c : cases) {
    const TickValues v = ComputeTick(c.due, c.now);
    const Progress p = ResolveProgress(v.barRequest);
    EXPECT_EQ(p.state, c.state) << c.what;
    EXPECT_EQ(p.bar, c.bar) << c.what;
    if (c.caption) {
      EXPECT_EQ(ProgressCaption(p.percentage, kUs), c.caption) << c.what;
    }
  }
}

TEST(Tick, AbsentValuesShowTheirUnitAlone) {
  // About 69 years ahead: everything fits but the seconds left.
  const TickValues far = ComputeTick("01/01/2095", MakeLocal(2025, 12, 11, 12, 0, 0));
  const TickTexts t = FormatTickTexts(far, kUs);
  EXPECT_EQ(t.left[0], "25,223 Days");
  EXPECT_EQ(t.left[3], "605,340 Hours");
  EXPECT_EQ(t.left[5], "Seconds");
  EXPECT_FALSE(far.passedComputed);
  const std::array<std::string, 6> words = {"Days",  "Weeks",   "Months",
                                            "Hours", "Minutes", "Seconds"};
  EXPECT_EQ(t.passed, words);

  const TickTexts empty = FormatTickTexts(ComputeTick("", MakeLocal(2025, 1, 1)), kUs);
  EXPECT_EQ(empty.left, words);
  EXPECT_EQ(empty.passed, words);
  EXPECT_EQ(MinimisedTitle("", MakeLocal(2025, 1, 1)), std::nullopt);
}

TEST(Tick, PastAndFarDueDates) {
  const TickTexts past =
      FormatTickTexts(ComputeTick("06/14/2025", MakeLocal(2025, 6, 15, 8, 0, 0)), kUs);
  EXPECT_EQ(past.left[0], "-1 Days");
  EXPECT_EQ(past.left[3], "-32 Hours");
  // 1,234 days ahead: grouped in the label, plain in the minimised title.
  const LocalDateTime now = MakeLocal(2025, 1, 1, 9, 0, 0);
  const auto due = std::chrono::year_month_day{DateOf(now) + std::chrono::days{1234}};
  const std::string text = std::to_string(unsigned{due.month()}) + "/" +
                           std::to_string(unsigned{due.day()}) + "/" +
                           std::to_string(int{due.year()});
  EXPECT_EQ(FormatTickTexts(ComputeTick(text, now), kUs).left[0], "1,234 Days");
  EXPECT_EQ(MinimisedTitle(text, now), "1234 Days til Baby");
  EXPECT_EQ(MinimisedTitle("06/14/2025", MakeLocal(2025, 6, 15)), "-1 Days til Baby");
}

TEST(Tick, TimeOfDayCountsForTimeLeftOnly) {
  const LocalDateTime now = MakeLocal(2025, 3, 1, 10, 30, 15);
  const TickValues plain = ComputeTick("06/15/2025", now);
  const TickValues timed = ComputeTick("06/15/2025 10:30 AM", now);
  EXPECT_EQ(timed.left[3], *plain.left[3] + 10);
  EXPECT_EQ(timed.left[5], *plain.left[5] + 10 * 3600 + 30 * 60);
  EXPECT_EQ(timed.left[0], plain.left[0]);
  EXPECT_EQ(timed.passed, plain.passed);
}

TEST(NumberFormat, GroupsByThreeWithTheLocaleSeparators) {
  struct Case {
    std::int64_t value;
    Separators seps;
    const char* expected;
  };
  const Case cases[] = {
      {0, kUs, "0"},
      {999, kUs, "999"},
      {1000, kUs, "1,000"},
      {-1234567, kUs, "-1,234,567"},
      {2147483647, kUs, "2,147,483,647"},
      {-2147483648LL, kUs, "-2,147,483,648"},
      {1234567, {".", ","}, "1.234.567"},
      {1234567, {"\u202f", ","}, "1\u202f234\u202f567"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatGrouped(c.value, c.seps), c.expected);
  EXPECT_EQ(FormatGroupedSixDecimals(62.2991691468, kUs), "62.299169");
  EXPECT_EQ(FormatGroupedSixDecimals(1234.5, {".", ","}), "1.234,500000");
  EXPECT_EQ(FormatGroupedSixDecimals(-12.25, kUs), "-12.250000");
}

}  // namespace
}  // namespace tovalin
