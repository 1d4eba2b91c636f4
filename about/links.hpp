#pragma once

#include <QObject>
#include <QUrl>

#include "app/environment.hpp"

namespace tovalin {

class Form1;

// The two information links and the About box.
class Links : public QObject {
  Q_OBJECT
 public:
  Links(Form1& form, const Environment& env);

  static QUrl pregnancyPage();
  static QUrl toddlerPage();
  static QString aboutText();

  void openPage(const QUrl& url);
  void showAbout();

 private:
  Form1& form_;
  const Environment& env_;
};

}  // namespace tovalin
