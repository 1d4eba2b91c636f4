#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <cstdint>

// Building blocks of the windows: conversions from the layout's units and the
// few kinds of control that Qt does not offer as they are needed here.
namespace tovalin {

inline constexpr int kTwipsPerPixel = 15;

// Twips to logical pixels, rounded to the nearest pixel.
constexpr int Px(int twips) {
  return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                    : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

QRect TwipsRect(int left, int top, int width, int height);

// A colour written 0x00BBGGRR: red in the lowest byte.
QColor BgrColor(std::uint32_t bgr);

// The program's font at a size in points. The layout was drawn for a narrow
// Windows sans-serif; Liberation Sans keeps the captions inside their places.
QFont DesignFont(double pointSize, bool bold, bool underline = false);

void SetColours(QWidget* widget, const QColor& text, const QColor* background);

// A label that sizes itself to its caption whenever the caption changes,
// keeping its left and top edges; optionally clickable with an up-arrow
// pointer.
class Label : public QLabel {
  Q_OBJECT
 public:
  Label(const QString& name, QWidget* parent, const QString& caption, bool sizesToText);
  void setCaption(const QString& caption);
  void makeClickable();
  void sizeToText();

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool sizesToText_;
  bool clickable_ = false;
};

// A group box with its caption on the top border line, drawn as a plain
// etched frame so that other controls can sit in the border like a second
// caption.
class Frame : public QGroupBox {
  Q_OBJECT
 public:
  Frame(const QString& name, QWidget* parent, const QString& caption, const QColor& background,
        const QColor& captionColour);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor captionColour_;
};

// A straight line between two points, given in twips, of a width in pixels.
class Line : public QWidget {
  Q_OBJECT
 public:
  Line(const QString& name, QWidget* parent, QPoint from, QPoint to, int widthPx,
       const QColor& colour);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPoint from_;
  QPoint to_;
  int width_;
  QColor colour_;
};

// The off-screen text box that holds the keyboard focus when no visible
// control should show it. Assistive technology does not see it.
class FocusHolder : public QLineEdit {
  Q_OBJECT
 public:
  using QLineEdit::QLineEdit;
};

void InstallAccessibility();

}  // namespace tovalin
