#pragma once

#include <QString>
#include <array>

namespace tovalin {

// The forty weekly information texts, compiled into the program. The text of
// week N is the item named "wN"; weeks 1 and 2 share one text. Each text is
// held exactly as written: a heading, paragraphs, CR LF line ends.
class WeekTexts {
 public:
  WeekTexts();

  // The text of week 1 to 40; empty for any other number.
  QString text(int week) const;

  // The text of the item named "w1" ... "w40"; empty for any other name.
  QString named(const QString& name) const;

  // A text as a text box shows it: CR LF line ends become line breaks.
  static QString forDisplay(const QString& text);

 private:
  std::array<QString, 40> texts_;
};

}  // namespace tovalin
