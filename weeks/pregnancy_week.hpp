#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/number_format.hpp"
#include "countdown/calendar.hpp"

namespace tovalin {

inline constexpr int kPregnancyDays = 280;
inline constexpr int kFirstListedWeek = 1;
inline constexpr int kLastListedWeek = 40;

// The nominal start of the pregnancy: the due date's calendar date minus 280
// days, at midnight. A time of day on the due date does not carry over.
LocalDateTime PregnancyStartDate(LocalDateTime dueDate);

// The pregnancy week that `now` falls in: Sunday-to-Saturday calendar weeks
// counted from the week holding the start date (week 0); 40 on the due date.
// Never clamped. Empty when the text is not a date.
std::optional<int> CurrentPregnancyWeek(std::string_view dueDateText, LocalDateTime now);

// "Week " and the number, grouped: only 1 to 40 name an item of the week list.
std::string WeekKey(int week, const Separators& separators);

}  // namespace tovalin
