#include "heartbeat/heartbeat.hpp"

#include <QCheckBox>
#include <QLineEdit>
#include <QTimer>

#include "app/form1.hpp"

namespace tovalin {

Heartbeat::Heartbeat(Form1& form) : QObject(&form), form_(form) {
  connect(form_.Timer3, &QTimer::timeout, this, &Heartbeat::beat);
  connect(form_.Check1, &QCheckBox::toggled, this, &Heartbeat::onCheckChanged);
}

void Heartbeat::beat() {
  if (!form_.Image1->isHidden()) {
    form_.Image1->hide();
    form_.Image2->show();
  } else {
    form_.Image2->hide();
    form_.Image1->show();
  }
}

void Heartbeat::switchOff() {
  form_.Timer3->stop();
  form_.Check1->setChecked(false);
}

void Heartbeat::setPace(int intervalMs) { form_.Timer3->setInterval(intervalMs); }

void Heartbeat::onCheckChanged(bool ticked) {
  if (ticked) {
    form_.Timer3->start();
  } else {
    form_.Timer3->stop();
  }
  form_.Text3->setFocus();
}

}  // namespace tovalin
