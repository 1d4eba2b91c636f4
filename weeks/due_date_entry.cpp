#include "weeks/due_date_entry.hpp"

#include <QLineEdit>

#include "app/controls.hpp"
#include "app/form1.hpp"
#include "app/progress_bar.hpp"
#include "countdown/focus_release.hpp"
#include "weeks/week_selection.hpp"

namespace tovalin {

DueDateEntry::DueDateEntry(Form1& form, const Environment& env, FocusRelease& release,
                           WeekSelection& weeks)
    : QObject(&form), form_(form), env_(env), release_(release), weeks_(weeks) {
  connect(form_.Text1, &QLineEdit::textChanged, this, &DueDateEntry::onTextChanged);
}

const QString& DueDateEntry::creditWord() {
  static const QString word = QStringLiteral("lutrafesk");
  return word;
}

QString DueDateEntry::creditText() {
  return QStringLiteral(
      "Tovalin was made with care by its developers, for every family "
      "counting the days until their baby arrives.");
}

void DueDateEntry::onTextChanged() {
  if (form_.Text1->text() == creditWord()) {
    env_.dialogs->information(&form_, QStringLiteral("Tovalin"), creditText());
    // Clearing the box runs this reaction again, whole, for the empty box.
    form_.Text1->setText(QString());
  }

  const bool empty = form_.Text1->text().isEmpty();
  form_.ProgressBar1->setVisible(!empty);
  form_.Label14->setVisible(!empty);
  form_.Label15->setVisible(empty);

  release_.restart();
  weeks_.selectCurrentWeek();
}

}  // namespace tovalin
