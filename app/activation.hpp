#pragma once

#include <QObject>
#include <QPointer>

#include "app/environment.hpp"

class QWindow;

namespace tovalin {

class Countdown;
class Form1;
class WeekSelection;

// Brings the main window up to date at start-up and whenever it becomes the
// active window again after another of the program's windows (the notes):
// restores the saved due date, focuses an empty box, sets the title and
// selects the current week. Coming back from another application does not
// run it.
class Activation : public QObject {
  Q_OBJECT
 public:
  Activation(Form1& form, const Environment& env, Countdown& countdown, WeekSelection& weeks);

  void run();

  // Another of the program's windows closed and handed the activity back
  // to the main window.
  void onOtherWindowClosed();

 private:
  void onFocusWindowChanged(QWindow* window);

  Form1& form_;
  const Environment& env_;
  Countdown& countdown_;
  WeekSelection& weeks_;
  QPointer<QWindow> lastActive_;
};

}  // namespace tovalin
