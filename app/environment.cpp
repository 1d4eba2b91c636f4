#include "app/environment.hpp"

#include <QFile>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <ctime>

namespace tovalin {

LocalDateTime SystemNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  // A leap second shows as the last second of its minute.
  const int second = local.tm_sec > 59 ? 59 : local.tm_sec;
  return MakeLocal(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                   static_cast<unsigned>(local.tm_mday), local.tm_hour, local.tm_min, second);
}

void MessageBoxes::information(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::information(parent, title, text);
}

void MessageBoxes::warning(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::warning(parent, title, text);
}

Dialogs::SaveFailure MessageBoxes::notesNotSaved(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Tovalin"), text, QMessageBox::NoButton,
                  parent);
  QPushButton* retry = box.addButton(QMessageBox::Retry);
  QPushButton* keep = box.addButton(QStringLiteral("Keep Notes Open"), QMessageBox::RejectRole);
  QPushButton* discard = box.addButton(QMessageBox::Discard);
  box.setDefaultButton(keep);
  box.setEscapeButton(keep);
  box.exec();
  if (box.clickedButton() == retry) return SaveFailure::Retry;
  if (box.clickedButton() == discard) return SaveFailure::Discard;
  return SaveFailure::KeepOpen;
}

Environment SystemEnvironment(Dialogs* dialogs) {
  Environment env;
  env.clock = SystemNow;
  env.dataFolder =
      std::filesystem::path(
          QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
              .toStdString()) /
      "tovalin";
  const QLocale locale = QLocale::system();
  env.separators.group = locale.groupSeparator().toStdString();
  env.separators.decimal = locale.decimalPoint().toStdString();
  env.dialogs = dialogs;
  return env;
}

}  // namespace tovalin
