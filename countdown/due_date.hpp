#pragma once

#include <optional>
#include <string_view>

#include "countdown/calendar.hpp"

namespace tovalin {

// Reads the text of the due-date box as a local date-time.
//
// Grammar (ASCII only; a blank is a space or a tab):
//   text   := blank* date [ blank+ time ] blank*
//   date   := M sep D sep year        month/day/year; sep is '/', '-' or '.',
//                                     the same character both times
//           | YYYY '-' M '-' D        year first (ISO order)
//   M, D   := one or two digits       month 1-12, day valid in that month
//   year   := YYYY                    0100 to 9999
//           | YY                      two digits mean 20YY
//   time   := H ':' MM [ ':' SS ] [ [' '] ampm ]
//   H      := one or two digits       0-23, or 1-12 when followed by AM/PM
//   ampm   := "AM" | "PM"             in any letter case
//
// The date must exist in the calendar. Anything else, including a missing or
// one- or three-digit year, reads as no date. Without a time the moment is
// midnight at the start of the date.
std::optional<LocalDateTime> ParseDueDate(std::string_view text);

}  // namespace tovalin
