#include "notes/notes.hpp"

#include <QPlainTextEdit>
#include <cstdio>

#include "app/controls.hpp"
#include "app/form1.hpp"
#include "app/text_file.hpp"

namespace tovalin {

namespace {
constexpr int kOffsetTwips = 500;
}

Notes::Notes(Form1& form, const Environment& env)
    : QObject(&form), form_(form), env_(env), path_(env.dataFolder / "tvln.bbd") {
  connect(form_.Label16, &Label::clicked, this, &Notes::open);
}

void Notes::placeBesideMainWindow() {
  const QPoint corner = form_.frameGeometry().topLeft();
  window_->move(corner + QPoint(Px(kOffsetTwips), Px(kOffsetTwips)));
}

void Notes::open() {
  if (window_) {
    // Already open: what was typed since it opened stays.
    placeBesideMainWindow();
    window_->show();
    window_->raise();
    window_->activateWindow();
    window_->Text1->setFocus();
    return;
  }
  window_ = new Form3(&form_);
  window_->canClose = [this] { return onWindowClosing(); };
  // Placed before it shows, so that it never flashes up elsewhere.
  placeBesideMainWindow();
  window_->show();
  if (const auto bytes = ReadFileBytes(path_)) {
    if (const auto text = DecodeTextFile(*bytes)) {
      window_->setNotesText(QString::fromStdString(*text));
    }
  }
  window_->activateWindow();
  window_->Text1->setFocus();
}

bool Notes::save(QString* reason) {
  const QByteArray utf8 = window_->notesText().toUtf8();
  std::string error;
  const bool ok = WriteFileAtomically(
      path_, EncodeTextFile({utf8.constData(), static_cast<std::size_t>(utf8.size())}), &error);
  if (!ok && reason) *reason = QString::fromStdString(error);
  return ok;
}

bool Notes::askAfterFailure() {
  for (;;) {
    QString reason;
    if (save(&reason)) return true;
    const QString text = QStringLiteral(
                             "Your notes could not be saved to %1:\n%2.\n\n"
                             "Keep the notes open to copy them somewhere safe, try again, or "
                             "discard them.")
                             .arg(QString::fromStdString(path_.string()), reason);
    switch (env_.dialogs->notesNotSaved(window_, text)) {
      case Dialogs::SaveFailure::Retry:
        continue;
      case Dialogs::SaveFailure::Discard:
        return true;
      case Dialogs::SaveFailure::KeepOpen:
        return false;
    }
  }
}

bool Notes::onWindowClosing() {
  const bool close = askAfterFailure();
  if (close) {
    // The main window becomes the active one again.
    form_.activateWindow();
    emit windowClosed();
  }
  return close;
}

bool Notes::saveBeforeExit() {
  if (!window_ || savedForExit_) return true;
  if (!askAfterFailure()) {
    window_->raise();
    window_->activateWindow();
    return false;
  }
  savedForExit_ = true;
  return true;
}

void Notes::saveQuietly() {
  if (!window_ || savedForExit_) return;
  QString reason;
  if (!save(&reason)) {
    // Nobody is left to answer a question: say it where it can be read.
    std::fprintf(stderr, "tovalin: your notes could not be saved to %s: %s\n",
                 path_.string().c_str(), reason.toLocal8Bit().constData());
  }
  savedForExit_ = true;
}

}  // namespace tovalin
