#include "app/controls.hpp"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace tovalin {

QRect TwipsRect(int left, int top, int width, int height) {
  return {Px(left), Px(top), Px(width), Px(height)};
}

QColor BgrColor(std::uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

QFont DesignFont(double pointSize, bool bold, bool underline) {
  QFont font;
  font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                    QStringLiteral("Arial"), QStringLiteral("Helvetica"),
                    QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(pointSize);
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  font.setUnderline(underline);
  return font;
}

void SetColours(QWidget* widget, const QColor& text, const QColor* background) {
  QPalette palette = widget->palette();
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(role, text);
  }
  if (background) {
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
      palette.setColor(role, *background);
    }
  }
  widget->setPalette(palette);
  widget->setAutoFillBackground(background != nullptr);
}

Label::Label(const QString& name, QWidget* parent, const QString& caption, bool sizesToText)
    : QLabel(caption, parent), sizesToText_(sizesToText) {
  setObjectName(name);
  setTextFormat(Qt::PlainText);
}

void Label::setCaption(const QString& caption) {
  if (caption == text()) return;
  setText(caption);
  if (sizesToText_) sizeToText();
}

void Label::sizeToText() {
  // One line of plain text: its advance and the font's height, measured
  // without a full text layout (this runs for several labels every second).
  const QFontMetricsF metrics(font(), this);
  const QMargins margins = contentsMargins();
  resize(static_cast<int>(std::ceil(metrics.horizontalAdvance(text()))) + margins.left() +
             margins.right() + 2 * margin(),
         static_cast<int>(std::ceil(metrics.height())) + margins.top() + margins.bottom() +
             2 * margin());
}

void Label::makeClickable() {
  clickable_ = true;
  setCursor(Qt::UpArrowCursor);
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
  if (clickable_ && event->button() == Qt::LeftButton &&
      rect().contains(event->position().toPoint())) {
    emit clicked();
    return;
  }
  QLabel::mouseReleaseEvent(event);
}

Frame::Frame(const QString& name, QWidget* parent, const QString& caption, const QColor& background,
             const QColor& captionColour)
    : QGroupBox(caption, parent), captionColour_(captionColour) {
  setObjectName(name);
  setFlat(true);
  SetColours(this, captionColour, &background);
}

void Frame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics(font());
  const int lineY = metrics.height() / 2;
  const QRect box = rect().adjusted(0, lineY, -1, -1);
  // Etched border: a dark line with a light one beside it.
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawRect(box.adjusted(0, 0, -1, -1));
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRect(box.adjusted(1, 1, 0, 0));
  // The caption on the border, on the frame's own background.
  const int captionLeft = 7;
  const QRect caption(captionLeft, 0, metrics.horizontalAdvance(title()) + 2, metrics.height());
  painter.fillRect(caption, palette().color(QPalette::Window));
  painter.setPen(captionColour_);
  painter.drawText(caption.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, title());
}

Line::Line(const QString& name, QWidget* parent, QPoint from, QPoint to, int widthPx,
           const QColor& colour)
    : QWidget(parent), width_(widthPx), colour_(colour) {
  setObjectName(name);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  const QPoint a(Px(from.x()), Px(from.y()));
  const QPoint b(Px(to.x()), Px(to.y()));
  // Thick lines have round ends, so the widget reaches half the width past
  // both end points.
  const int reach = widthPx > 1 ? (widthPx + 1) / 2 : 0;
  const QRect bounds = QRect(a, b).normalized().adjusted(-reach, -reach, reach + 1, reach + 1);
  setGeometry(bounds);
  from_ = a - bounds.topLeft();
  to_ = b - bounds.topLeft();
}

void Line::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (width_ > 1) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colour_, width_, Qt::SolidLine, Qt::RoundCap));
  } else {
    painter.setPen(colour_);
  }
  painter.drawLine(from_, to_);
}

namespace {

// Reports the focus holder as invisible, so that a screen reader never
// announces the box that the user cannot see.
class HiddenAccessible : public QAccessibleWidget {
 public:
  explicit HiddenAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::NoRole) {}
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.invisible = true;
    s.offscreen = true;
    s.focusable = false;
    return s;
  }
};

QAccessibleInterface* AccessibleFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("tovalin::FocusHolder") && object && object->isWidgetType()) {
    return new HiddenAccessible(static_cast<QWidget*>(object));
  }
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  static bool installed = false;
  if (!installed) {
    QAccessible::installFactory(AccessibleFactory);
    installed = true;
  }
}

}  // namespace tovalin
