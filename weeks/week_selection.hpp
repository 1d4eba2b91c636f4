#pragma once

#include <QObject>

#include "app/environment.hpp"
#include "weeks/week_texts.hpp"

namespace tovalin {

class Form1;
class Heartbeat;

// The week list: choosing a week shows its text and sets the heart's pace
// for that stage; the program selects the current week by itself.
class WeekSelection : public QObject {
  Q_OBJECT
 public:
  WeekSelection(Form1& form, const Environment& env, Heartbeat& heartbeat);

  // Selects the current week for the due date in the box and shows its text;
  // leaves both alone when the due date gives no week from 1 to 40.
  void selectCurrentWeek();

  // The reaction to a chosen week (by the user or the program).
  void onSelection();

  // The heart's interval for a week from 5 to 40; 0 for the first four weeks,
  // when the heart does not beat.
  static int heartbeatInterval(int week);

  const WeekTexts& texts() const { return texts_; }

 private:
  void showWeek(int week);

  Form1& form_;
  const Environment& env_;
  Heartbeat& heartbeat_;
  WeekTexts texts_;
};

}  // namespace tovalin
