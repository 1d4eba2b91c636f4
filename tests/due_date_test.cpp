#include "countdown/due_date.hpp"

#include <gtest/gtest.h>

#include <optional>

namespace tovalin {
namespace {

struct ReadCase {
  const char* text;
  std::optional<LocalDateTime> expected;
};

TEST(ParseDueDate, AcceptsTheDocumentedForms) {
  const ReadCase cases[] = {
      {"06/15/2025", MakeLocal(2025, 6, 15)},
      {"6/5/2025", MakeLocal(2025, 6, 5)},
      {"06-15-2025", MakeLocal(2025, 6, 15)},
      {"06.15.2025", MakeLocal(2025, 6, 15)},
      {"  06/15/2025\t", MakeLocal(2025, 6, 15)},
      {"06/15/25", MakeLocal(2025, 6, 15)},
      {"06/15/20", MakeLocal(2020, 6, 15)},
      {"01/01/0100", MakeLocal(100, 1, 1)},
      {"12/31/9999", MakeLocal(9999, 12, 31)},
      {"2025-06-15", MakeLocal(2025, 6, 15)},
      {"2025-6-5", MakeLocal(2025, 6, 5)},
      {"02/29/2024", MakeLocal(2024, 2, 29)},
      {"02/29/2000", MakeLocal(2000, 2, 29)},
      {"06/15/2025 10:30", MakeLocal(2025, 6, 15, 10, 30)},
      {"06/15/2025 0:00:00", MakeLocal(2025, 6, 15)},
      {"06/15/2025   23:59:59  ", MakeLocal(2025, 6, 15, 23, 59, 59)},
      {"06/15/2025 10:30 AM", MakeLocal(2025, 6, 15, 10, 30)},
      {"06/15/2025 10:30pm", MakeLocal(2025, 6, 15, 22, 30)},
      {"06/15/2025 12:00 am", MakeLocal(2025, 6, 15, 0, 0)},
      {"06/15/2025 12:05:09 Pm", MakeLocal(2025, 6, 15, 12, 5, 9)},
      {"2025-06-15 07:45", MakeLocal(2025, 6, 15, 7, 45)},
  };
  for (const ReadCase& c : cases) EXPECT_EQ(ParseDueDate(c.text), c.expected) << c.text;
}

TEST(ParseDueDate, RejectsEverythingElse) {
  const char* const rejected[] = {
      "",
      "   ",
      "soon",
      "06/15",
      "06/15/",
      "06/15/2",
      "06/15/202",
      "06/15/20251",
      "06/15/0099",
      "13/01/2025",
      "00/10/2025",
      "02/30/2025",
      "02/29/2025",
      "02/29/1900",
      "04/31/2025",
      "06/00/2025",
      "06/15-2025",
      "06/15//2025",
      "006/15/2025",
      "06/015/2025",
      "2025/06/15",
      "2025-06",
      "2025-13-01",
      "25-06-15x",
      "06/15/2025x",
      "06/15/2025 24:00",
      "06/15/2025 10:60",
      "06/15/2025 10:5",
      "06/15/2025 10",
      "06/15/2025 13:00 PM",
      "06/15/2025 0:30 AM",
      "06/15/2025 10:30  AM",
      "06/15/2025 10:30 A",
      "06/15/202510:30",
      "06/15/2025 10:30:60",
      "\xd9\xa0\xd9\xa6/15/2025",  // Arabic-Indic digits
      "June 15, 2025",
      "lutrafesk",
  };
  for (const char* text : rejected) EXPECT_EQ(ParseDueDate(text), std::nullopt) << text;
}

TEST(ParseDueDate, ReadsAPartlyTypedDateOnlyOnceTheYearHasTwoDigits) {
  const char* const steps[] = {"0", "06", "06/", "06/1", "06/15", "06/15/", "06/15/2"};
  for (const char* text : steps) EXPECT_EQ(ParseDueDate(text), std::nullopt) << text;
  EXPECT_EQ(ParseDueDate("06/15/20"), MakeLocal(2020, 6, 15));
  EXPECT_EQ(ParseDueDate("06/15/202"), std::nullopt);
  EXPECT_EQ(ParseDueDate("06/15/2025"), MakeLocal(2025, 6, 15));
}

}  // namespace
}  // namespace tovalin
