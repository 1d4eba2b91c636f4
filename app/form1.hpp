#pragma once

#include <QWidget>
#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QTimer;

namespace tovalin {

class Frame;
class Label;
class Line;
class ProgressBar;

// The main window with every control as laid out, under the design names.
// It has no behaviour of its own: each subsystem wires its reactions to the
// controls it owns.
class Form1 : public QWidget {
  Q_OBJECT
 public:
  explicit Form1(QWidget* parent = nullptr);

  static constexpr int kClientWidth = 395;   // 5925 twips
  static constexpr int kClientHeight = 459;  // 6885 twips

  // Band 1: due date and pregnancy progress.
  Label* Label1;
  QLineEdit* Text1;
  Label* Label14;
  ProgressBar* ProgressBar1;
  Label* Label15;
  Label* Label18;
  // Band 2: the two time groups.
  Frame* Frame1;
  Frame* Frame2;
  Label* Label2;
  Label* Label3;
  Label* Label4;
  Label* Label5;
  Label* Label6;
  Label* Label7;
  Label* Label8;
  Label* Label9;
  Label* Label10;
  Label* Label11;
  Label* Label12;
  Label* Label13;
  // Band 3: the progress report.
  Frame* Frame3;
  QComboBox* Combo1;
  QCheckBox* Check1;
  QWidget* Image1;
  QWidget* Image2;
  QPlainTextEdit* Text2;
  // Band 4: links.
  Label* Label20;
  Label* Label16;
  Label* Label21;
  // Lines.
  Line* Line1;
  Line* Line2;
  Line* Line4;
  Line* Line5;
  Line* Line6;
  Line* Line7;
  Line* Line8;
  Line* Line9;
  Line* Line10;
  Line* Line11;
  // Controls the user does not see.
  QLineEdit* Text3;
  QTimer* Timer1;
  QTimer* Timer2;
  QTimer* Timer3;

  // The six Time Left and the six Time Passed labels, in the order days,
  // weeks, months, hours, minutes, seconds.
  std::array<Label*, 6> leftLabels() const;
  std::array<Label*, 6> passedLabels() const;

 signals:
  void closing();

 protected:
  void closeEvent(QCloseEvent* event) override;

 public:
  // Asked before the window closes; returning false keeps it open.
  std::function<bool()> canClose;
};

}  // namespace tovalin
