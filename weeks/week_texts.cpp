#include "weeks/week_texts.hpp"

#include <QFile>

namespace tovalin {

WeekTexts::WeekTexts() {
  for (int week = 1; week <= 40; ++week) {
    QFile file(QStringLiteral(":/weeks/w%1.txt").arg(week, 2, 10, QLatin1Char('0')));
    if (file.open(QIODevice::ReadOnly)) {
      texts_[static_cast<std::size_t>(week - 1)] = QString::fromLatin1(file.readAll());
    }
  }
}

QString WeekTexts::text(int week) const {
  if (week < 1 || week > 40) return {};
  return texts_[static_cast<std::size_t>(week - 1)];
}

QString WeekTexts::named(const QString& name) const {
  if (!name.startsWith(QLatin1Char('w'))) return {};
  bool ok = false;
  const int week = name.mid(1).toInt(&ok);
  // Only the plain names: "w7", never "w07" or "w+7".
  if (!ok || name != QStringLiteral("w%1").arg(week)) return {};
  return text(week);
}

QString WeekTexts::forDisplay(const QString& text) {
  QString display = text;
  display.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return display;
}

}  // namespace tovalin
