#include "weeks/week_selection.hpp"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/form1.hpp"
#include "heartbeat/heartbeat.hpp"
#include "weeks/pregnancy_week.hpp"

namespace tovalin {

WeekSelection::WeekSelection(Form1& form, const Environment& env, Heartbeat& heartbeat)
    : QObject(&form), form_(form), env_(env), heartbeat_(heartbeat) {
  connect(form_.Combo1, &QComboBox::currentIndexChanged, this, &WeekSelection::onSelection);
}

int WeekSelection::heartbeatInterval(int week) {
  struct Band {
    int lastWeek;
    int intervalMs;
  };
  // The heart beats faster early in pregnancy: about 160 beats a minute
  // at 188 ms, 120 at 250 ms (a beat is two pictures).
  static constexpr Band kBands[] = {{4, 0}, {18, 188}, {23, 200}, {31, 212}, {35, 237}, {40, 250}};
  for (const Band& band : kBands) {
    if (week <= band.lastWeek) return band.intervalMs;
  }
  return 0;
}

void WeekSelection::showWeek(int week) {
  form_.Text2->setPlainText(WeekTexts::forDisplay(texts_.text(week)));
}

void WeekSelection::onSelection() {
  // The list holds "Week 1" ... "Week 40" in order: the item's place is its
  // week; nothing selected gives 0.
  const int week = form_.Combo1->currentIndex() + 1;
  if (week != 0) showWeek(week);
  const int interval = week != 0 ? heartbeatInterval(week) : 0;
  if (interval == 0) {
    // The first four weeks and an empty selection: no heartbeat.
    heartbeat_.switchOff();
  } else {
    heartbeat_.setPace(interval);
  }
}

void WeekSelection::selectCurrentWeek() {
  const std::string text = form_.Text1->text().toStdString();
  const auto week = CurrentPregnancyWeek(text, env_.clock());
  if (!week) return;
  const int index = form_.Combo1->findText(QString::fromStdString(WeekKey(*week, env_.separators)),
                                           Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index < 0) return;
  if (form_.Combo1->currentIndex() != index) {
    form_.Combo1->setCurrentIndex(index);  // the selection shows the week's text
  } else {
    showWeek(*week);
  }
}

}  // namespace tovalin
