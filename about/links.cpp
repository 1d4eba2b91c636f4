#include "about/links.hpp"

#include <QDesktopServices>

#include "app/controls.hpp"
#include "app/form1.hpp"

namespace tovalin {

Links::Links(Form1& form, const Environment& env) : QObject(&form), form_(form), env_(env) {
  connect(form_.Label20, &Label::clicked, this, [this] { openPage(pregnancyPage()); });
  connect(form_.Label21, &Label::clicked, this, [this] { openPage(toddlerPage()); });
  connect(form_.Label18, &Label::clicked, this, &Links::showAbout);
}

// Consumer health pages of the U.S. National Library of Medicine: public,
// non-commercial and reviewed.
QUrl Links::pregnancyPage() {
  return QUrl(QStringLiteral("https://medlineplus.gov/pregnancy.html"));
}

QUrl Links::toddlerPage() {
  return QUrl(QStringLiteral("https://medlineplus.gov/toddlerdevelopment.html"));
}

QString Links::aboutText() {
  return QStringLiteral(
      "Tovalin (Version 1.0)\n\n"
      "All information provided in this software is for the purpose of education and "
      "information only and is not a replacement or substitute for consultations with your "
      "medical practitioner.\n\n"
      "Congratulations, and all the best to you and your growing family.");
}

void Links::openPage(const QUrl& url) {
  // The desktop's own handler opens the page in the user's browser and
  // returns at once; no command line is built from the address.
  if (!QDesktopServices::openUrl(url)) {
    env_.dialogs->warning(
        &form_, QStringLiteral("Tovalin"),
        QStringLiteral("No web browser could be started to open %1.").arg(url.toString()));
  }
}

void Links::showAbout() {
  env_.dialogs->information(&form_, QStringLiteral("About Tovalin"), aboutText());
}

}  // namespace tovalin
