#include "app/progress_bar.hpp"

#include <QProgressBar>
#include <QVBoxLayout>
#include <cmath>

namespace tovalin {

namespace {
// The drawn bar works in whole steps; a thousand give a smooth bar.
constexpr int kDrawnSteps = 1000;
}  // namespace

ProgressBar::ProgressBar(const QString& name, QWidget* parent, FloatRange range)
    : QWidget(parent), range_(range), value_(range.minimum), bar_(new QProgressBar(this)) {
  setObjectName(name);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(bar_);
  bar_->setRange(0, kDrawnSteps);
  bar_->setValue(0);
  bar_->setTextVisible(false);
  setFocusProxy(nullptr);
  setFocusPolicy(Qt::NoFocus);
}

bool ProgressBar::setValue(float value) {
  if (!range_.Contains(value)) return false;
  value_ = value;
  const double span = static_cast<double>(range_.maximum) - range_.minimum;
  const double fraction = span > 0 ? (static_cast<double>(value) - range_.minimum) / span : 0.0;
  bar_->setValue(static_cast<int>(std::lround(fraction * kDrawnSteps)));
  return true;
}

void ProgressBar::setAccessibleLabel(const QString& name) {
  setAccessibleName(name);
  bar_->setAccessibleName(name);
}

}  // namespace tovalin
