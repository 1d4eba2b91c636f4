#pragma once

#include <QObject>

#include "app/environment.hpp"

namespace tovalin {

class Form1;
class FocusRelease;
class WeekSelection;

// The reaction to every change of the due-date box: the hidden credit word,
// the prompt or the progress display, the focus release's period and the
// current week.
class DueDateEntry : public QObject {
  Q_OBJECT
 public:
  DueDateEntry(Form1& form, const Environment& env, FocusRelease& release, WeekSelection& weeks);

  void onTextChanged();

  static const QString& creditWord();
  static QString creditText();

 private:
  Form1& form_;
  const Environment& env_;
  FocusRelease& release_;
  WeekSelection& weeks_;
};

}  // namespace tovalin
