#include "countdown/focus_release.hpp"

#include <QEvent>
#include <QLineEdit>
#include <QTimer>

#include "app/controls.hpp"
#include "app/form1.hpp"
#include "countdown/tick.hpp"

namespace tovalin {

namespace {
constexpr int kLaterPeriodMs = 10000;
}

FocusRelease::FocusRelease(Form1& form) : QObject(&form), form_(form) {
  form_.Text1->setMouseTracking(true);
  form_.Text1->installEventFilter(this);
  connect(form_.Timer2, &QTimer::timeout, this, &FocusRelease::check);
}

void FocusRelease::restart() {
  form_.Timer2->stop();
  form_.Timer2->start();
}

void FocusRelease::check() {
  if (form_.Label14->text() == QLatin1String(kOutOfRangeCaption)) return;
  form_.Text3->setFocus();
  form_.Timer2->setInterval(kLaterPeriodMs);
  form_.Timer2->stop();
}

bool FocusRelease::eventFilter(QObject* watched, QEvent* event) {
  // Moving the pointer over the box only enables the timer: a period that
  // already runs goes on.
  if (watched == form_.Text1 && event->type() == QEvent::MouseMove && !form_.Timer2->isActive()) {
    form_.Timer2->start();
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tovalin
