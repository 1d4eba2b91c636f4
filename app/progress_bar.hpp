#pragma once

#include <QWidget>

#include "app/progress_range.hpp"

class QProgressBar;

namespace tovalin {

// A horizontal progress bar whose minimum, maximum and value are held in
// single precision. It refuses a value outside its range and then keeps the
// value it had: the caller must look at the answer.
class ProgressBar : public QWidget {
  Q_OBJECT
 public:
  ProgressBar(const QString& name, QWidget* parent, FloatRange range);

  float minimum() const { return range_.minimum; }
  float maximum() const { return range_.maximum; }
  float value() const { return value_; }

  // Compared after conversion to single precision.
  [[nodiscard]] bool setValue(float value);

  void setAccessibleLabel(const QString& name);

 private:
  FloatRange range_;
  float value_;
  QProgressBar* bar_;
};

}  // namespace tovalin
