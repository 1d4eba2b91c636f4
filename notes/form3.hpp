#pragma once

#include <QWidget>
#include <functional>

class QPlainTextEdit;

namespace tovalin {

// The notes window: a small fixed tool window with one large text box.
class Form3 : public QWidget {
  Q_OBJECT
 public:
  explicit Form3(QWidget* owner);

  static constexpr int kClientWidth = 320;   // 4800 twips
  static constexpr int kClientHeight = 336;  // 5040 twips

  // The text the box holds when the window is created: three lines, each
  // ended by CR LF, 153 characters.
  static QString initialText();

  // The box's text with CR LF line ends, as the notes file holds it.
  QString notesText() const;
  void setNotesText(const QString& text);

  QPlainTextEdit* Text1;

  // Asked before the window closes; returning false keeps it open.
  std::function<bool()> canClose;

 protected:
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace tovalin
