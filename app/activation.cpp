#include "app/activation.hpp"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QWindow>

#include "app/form1.hpp"
#include "countdown/countdown.hpp"
#include "weeks/week_selection.hpp"

namespace tovalin {

namespace {

// A window that counts as one of the program's own: not a pop-up list, tool
// tip or message box, which only pass over the main window.
bool IsProgramWindow(QWindow* window) {
  if (!window) return false;
  const Qt::WindowType type = window->type();
  if (type == Qt::Popup || type == Qt::ToolTip || type == Qt::SplashScreen) return false;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->windowHandle() == window) return qobject_cast<QDialog*>(widget) == nullptr;
  }
  return false;
}

}  // namespace

Activation::Activation(Form1& form, const Environment& env, Countdown& countdown,
                       WeekSelection& weeks)
    : QObject(&form), form_(form), env_(env), countdown_(countdown), weeks_(weeks) {
  connect(qApp, &QGuiApplication::focusWindowChanged, this, &Activation::onFocusWindowChanged);
}

void Activation::onFocusWindowChanged(QWindow* window) {
  if (!IsProgramWindow(window)) return;
  QWindow* const main = form_.windowHandle();
  const bool returning = window == main && lastActive_ && lastActive_ != main;
  lastActive_ = window;
  if (returning) run();
}

void Activation::onOtherWindowClosed() {
  // The main window is the active one again; the focus notice that follows
  // must not run the handling a second time.
  lastActive_ = form_.windowHandle();
  run();
}

void Activation::run() {
  // Restore the saved due date. When the last save failed, the box holds
  // the newer text and the file must not overwrite it.
  const QString before = form_.Text1->text();
  if (countdown_.fileInSync()) {
    if (const auto saved = countdown_.file().read()) form_.Text1->setText(*saved);
  }
  // A restored text has just run the due-date entry, which selected its week.
  const bool restored = form_.Text1->text() != before;
  if (form_.Text1->text().isEmpty()) form_.Text1->setFocus();
  countdown_.applyTitle(env_.clock());
  if (!restored) weeks_.selectCurrentWeek();
}

}  // namespace tovalin
