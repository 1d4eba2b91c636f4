#include "app/program.hpp"

#include <QScreen>

#include "about/links.hpp"
#include "app/activation.hpp"
#include "app/controls.hpp"
#include "app/form1.hpp"
#include "app/placement.hpp"
#include "countdown/countdown.hpp"
#include "countdown/focus_release.hpp"
#include "heartbeat/heartbeat.hpp"
#include "notes/notes.hpp"
#include "weeks/due_date_entry.hpp"
#include "weeks/week_selection.hpp"

namespace tovalin {

Program::Program(Environment env) : env_(std::move(env)) {
  InstallAccessibility();
  form_ = std::make_unique<Form1>();
  heartbeat_ = new Heartbeat(*form_);
  countdown_ = new Countdown(*form_, env_, *heartbeat_);
  focusRelease_ = new FocusRelease(*form_);
  weekSelection_ = new WeekSelection(*form_, env_, *heartbeat_);
  dueDateEntry_ = new DueDateEntry(*form_, env_, *focusRelease_, *weekSelection_);
  activation_ = new Activation(*form_, env_, *countdown_, *weekSelection_);
  notes_ = new Notes(*form_, env_);
  links_ = new Links(*form_, env_);
  QObject::connect(notes_, &Notes::windowClosed, activation_, &Activation::onOtherWindowClosed);

  // Closing the main window ends the program; nothing typed is lost on the
  // way out.
  form_->canClose = [this] { return notes_->saveBeforeExit(); };
}

Program::~Program() = default;

void Program::start() {
  CentreOnScreen(*form_);
  form_->show();
  activation_->run();
}

void Program::saveAtExit() {
  countdown_->save();
  notes_->saveQuietly();
}

void CentreOnScreen(Form1& form) {
  const QScreen* screen = form.screen();
  if (!screen) return;
  const QRect whole = screen->geometry();  // the full screen, task bars included
  const QSize outer = form.frameGeometry().size();
  const WindowPosition pos = tovalin::CentreOnScreen(
      whole.width() * double{kTwipsPerPixel}, whole.height() * double{kTwipsPerPixel},
      outer.width() * double{kTwipsPerPixel}, outer.height() * double{kTwipsPerPixel});
  form.move(whole.x() + qRound(pos.left / kTwipsPerPixel),
            whole.y() + qRound(pos.top / kTwipsPerPixel));
}

}  // namespace tovalin
