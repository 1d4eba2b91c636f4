#pragma once

#include <QObject>

namespace tovalin {

class Form1;

// Takes the keyboard focus out of the due-date box after a quiet period,
// once the pointer has moved over it or its text has changed; waits while
// the due date is out of range.
class FocusRelease : public QObject {
  Q_OBJECT
 public:
  explicit FocusRelease(Form1& form);

  // Starts the quiet period afresh (every change of the box's text).
  void restart();

  // The check at the end of a period.
  void check();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Form1& form_;
};

}  // namespace tovalin
