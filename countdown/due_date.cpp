#include "countdown/due_date.hpp"

#include <cstddef>

namespace tovalin {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ == text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }

  bool Take(char c) {
    if (Peek() != c || AtEnd()) return false;
    ++pos_;
    return true;
  }

  // Reads a run of between `min` and `max` digits; the run must not continue
  // with a further digit.
  std::optional<int> Number(std::size_t min, std::size_t max) {
    std::size_t n = 0;
    int value = 0;
    while (n < max && pos_ + n < text_.size() && IsDigit(text_[pos_ + n])) {
      value = value * 10 + (text_[pos_ + n] - '0');
      ++n;
    }
    if (n < min || (pos_ + n < text_.size() && IsDigit(text_[pos_ + n]))) return std::nullopt;
    pos_ += n;
    return value;
  }

  // The number of digits in the run that starts here.
  std::size_t DigitRun() const {
    std::size_t n = 0;
    while (pos_ + n < text_.size() && IsDigit(text_[pos_ + n])) ++n;
    return n;
  }

  std::size_t SkipBlanks() {
    std::size_t n = 0;
    while (!AtEnd() && IsBlank(Peek())) {
      ++pos_;
      ++n;
    }
    return n;
  }

  bool TakeWordIgnoringCase(std::string_view word) {
    if (text_.size() - pos_ < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
      if (Lower(text_[pos_ + i]) != word[i]) return false;
    }
    pos_ += word.size();
    return true;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

struct Ymd {
  int year;
  int month;
  int day;
};

std::optional<Ymd> ReadDate(Cursor& c) {
  if (c.DigitRun() == 4) {  // year first
    const auto year = c.Number(4, 4);
    if (!c.Take('-')) return std::nullopt;
    const auto month = c.Number(1, 2);
    if (!month || !c.Take('-')) return std::nullopt;
    const auto day = c.Number(1, 2);
    if (!day) return std::nullopt;
    return Ymd{*year, *month, *day};
  }
  const auto month = c.Number(1, 2);
  if (!month) return std::nullopt;
  const char sep = c.Peek();
  if (sep != '/' && sep != '-' && sep != '.') return std::nullopt;
  c.Take(sep);
  const auto day = c.Number(1, 2);
  if (!day || !c.Take(sep)) return std::nullopt;
  const std::size_t yearDigits = c.DigitRun();
  if (yearDigits != 2 && yearDigits != 4) return std::nullopt;
  int year = *c.Number(yearDigits, yearDigits);
  if (yearDigits == 2) year += 2000;
  return Ymd{year, *month, *day};
}

struct Hms {
  int hour;
  int minute;
  int second;
};

std::optional<Hms> ReadTime(Cursor& c) {
  auto hour = c.Number(1, 2);
  if (!hour || !c.Take(':')) return std::nullopt;
  const auto minute = c.Number(2, 2);
  if (!minute || *minute > 59) return std::nullopt;
  int second = 0;
  if (c.Take(':')) {
    const auto s = c.Number(2, 2);
    if (!s || *s > 59) return std::nullopt;
    second = *s;
  }
  // At most one blank may stand between the time and AM/PM.
  Cursor lookahead = c;
  lookahead.Take(' ');
  const bool am = lookahead.TakeWordIgnoringCase("am");
  const bool pm = !am && lookahead.TakeWordIgnoringCase("pm");
  if (am || pm) {
    if (*hour < 1 || *hour > 12) return std::nullopt;
    c = lookahead;
    if (am && *hour == 12) *hour = 0;
    if (pm && *hour != 12) *hour += 12;
  } else if (*hour > 23) {
    return std::nullopt;
  }
  return Hms{*hour, *minute, second};
}

bool Exists(const Ymd& d) {
  if (d.year < kFirstYear || d.year > kLastYear || d.month < 1 || d.month > 12 || d.day < 1) {
    return false;
  }
  const std::chrono::year_month_day ymd{std::chrono::year{d.year},
                                        std::chrono::month{static_cast<unsigned>(d.month)},
                                        std::chrono::day{static_cast<unsigned>(d.day)}};
  return ymd.ok();
}

}  // namespace

std::optional<LocalDateTime> ParseDueDate(std::string_view text) {
  Cursor c(text);
  c.SkipBlanks();
  const auto date = ReadDate(c);
  if (!date || !Exists(*date)) return std::nullopt;
  Hms time{0, 0, 0};
  if (c.SkipBlanks() > 0 && !c.AtEnd()) {
    const auto t = ReadTime(c);
    if (!t) return std::nullopt;
    time = *t;
    c.SkipBlanks();
  }
  if (!c.AtEnd()) return std::nullopt;
  return MakeLocal(date->year, static_cast<unsigned>(date->month), static_cast<unsigned>(date->day),
                   time.hour, time.minute, time.second);
}

}  // namespace tovalin
