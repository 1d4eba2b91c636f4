#include "weeks/pregnancy_week.hpp"

#include "countdown/due_date.hpp"

namespace tovalin {

LocalDateTime PregnancyStartDate(LocalDateTime dueDate) {
  return LocalDateTime{DateOf(dueDate) - std::chrono::days{kPregnancyDays}};
}

std::optional<int> CurrentPregnancyWeek(std::string_view dueDateText, LocalDateTime now) {
  const auto due = ParseDueDate(dueDateText);
  if (!due) return std::nullopt;
  return static_cast<int>(SundayWeekCount(DateOf(PregnancyStartDate(*due)), DateOf(now)));
}

std::string WeekKey(int week, const Separators& separators) {
  return "Week " + FormatGrouped(week, separators);
}

}  // namespace tovalin
