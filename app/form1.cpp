#include "app/form1.hpp"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <limits>

#include "app/artwork.hpp"
#include "app/controls.hpp"
#include "app/progress_bar.hpp"

namespace tovalin {

namespace {

// Colours as the layout gives them, 0x00BBGGRR.
constexpr std::uint32_t kLightGreen = 0x00C0FFC0;
constexpr std::uint32_t kDarkOrange = 0x000040C0;
constexpr std::uint32_t kLightYellow = 0x0080FFFF;
constexpr std::uint32_t kPaleYellow = 0x00C0FFFF;
constexpr std::uint32_t kBlue = 0x00FF0000;
constexpr std::uint32_t kDarkBlue = 0x00C00000;
constexpr std::uint32_t kLightBlue = 0x00FF8080;
constexpr std::uint32_t kLightGrey = 0x00C0C0C0;

Label* MakeLabel(const QString& name, QWidget* parent, const QString& caption, QRect twips,
                 std::uint32_t colour, const QFont& font, bool sizesToText) {
  auto* label = new Label(name, parent, caption, sizesToText);
  label->setFont(font);
  SetColours(label, BgrColor(colour), nullptr);
  label->setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
  if (sizesToText) label->sizeToText();
  return label;
}

Line* MakeLine(const QString& name, QWidget* parent, QPoint from, QPoint to) {
  return new Line(name, parent, from, to, 1, BgrColor(kLightGrey));
}

QTimer* MakeTimer(const QString& name, QObject* parent, int interval, bool enabled) {
  auto* timer = new QTimer(parent);
  timer->setObjectName(name);
  timer->setInterval(interval);
  timer->setTimerType(Qt::PreciseTimer);
  if (enabled) timer->start();
  return timer;
}

QWidget* MakeHeart(const QString& name, QWidget* parent, QRect twips, int sidePx) {
  auto* image = new QLabel(parent);
  image->setObjectName(name);
  image->setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
  image->setPixmap(HeartPixmap(sidePx, parent->devicePixelRatioF()));
  image->setScaledContents(true);
  image->setAttribute(Qt::WA_TransparentForMouseEvents);
  image->setAccessibleName(QStringLiteral("Heart"));
  return image;
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Tovalin"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setWindowIcon(WindowIcon());
  setFixedSize(kClientWidth, kClientHeight);
  move(Px(4005), Px(2565));
  setFont(DesignFont(8.25, false));
  const QColor background = BgrColor(kLightGreen);
  SetColours(this, Qt::black, &background);

  const QFont bold8 = DesignFont(8.25, true);
  const QFont bold10 = DesignFont(9.75, true);
  const QFont link = DesignFont(8.25, true, true);

  // The focus holder lies wholly above the client area.
  Text3 = new FocusHolder(this);
  Text3->setObjectName(QStringLiteral("Text3"));
  Text3->setGeometry(TwipsRect(4380, -1000, 150, 315));

  // Band 1: due date.
  Label1 = MakeLabel(QStringLiteral("Label1"), this, QStringLiteral("Baby Due Date"),
                     {180, 120, 1305, 195}, kDarkOrange, bold8, true);
  Line6 = MakeLine(QStringLiteral("Line6"), this, {120, 360}, {1620, 360});
  Line7 = MakeLine(QStringLiteral("Line7"), this, {120, 840}, {1620, 840});
  Line8 = MakeLine(QStringLiteral("Line8"), this, {120, 840}, {120, 360});
  Line9 = MakeLine(QStringLiteral("Line9"), this, {1620, 840}, {1620, 360});
  Text1 = new QLineEdit(this);
  Text1->setObjectName(QStringLiteral("Text1"));
  Text1->setGeometry(TwipsRect(180, 420, 1395, 360));
  Text1->setAlignment(Qt::AlignCenter);
  Text1->setFont(bold10);
  Text1->setMaxLength(std::numeric_limits<int>::max());
  {
    const QColor back = BgrColor(kLightYellow);
    SetColours(Text1, BgrColor(kBlue), &back);
  }

  // Band 1: pregnancy progress.
  Line2 = MakeLine(QStringLiteral("Line2"), this, {1860, 360}, {5760, 360});
  Line1 = MakeLine(QStringLiteral("Line1"), this, {1860, 780}, {5760, 780});
  Line5 = MakeLine(QStringLiteral("Line5"), this, {1860, 780}, {1860, 360});
  Line4 = MakeLine(QStringLiteral("Line4"), this, {5760, 360}, {5760, 780});
  Label14 = MakeLabel(QStringLiteral("Label14"), this, QStringLiteral("Pregnancy Progress"),
                      {1920, 120, 1710, 195}, kDarkOrange, bold8, true);
  Label14->hide();
  ProgressBar1 = new ProgressBar(QStringLiteral("ProgressBar1"), this, kPregnancyRange);
  ProgressBar1->setGeometry(TwipsRect(1920, 420, 3795, 315));
  ProgressBar1->hide();
  Label15 = MakeLabel(QStringLiteral("Label15"), this,
                      QStringLiteral("Enter Baby Due Date as MM/DD/YYYY"), {1980, 480, 3555, 255},
                      kBlue, bold8, false);
  Label15->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

  // Top-right corner: the About link, opaque on the window's colour.
  Label18 = MakeLabel(QStringLiteral("Label18"), this, QStringLiteral("?"), {5580, 0, 165, 300},
                      kLightBlue, DesignFont(12, true, true), true);
  SetColours(Label18, BgrColor(kLightBlue), &background);
  Label18->makeClickable();

  // Band 2: the two time groups.
  const QColor caption = BgrColor(kDarkOrange);
  Frame1 =
      new Frame(QStringLiteral("Frame1"), this, QStringLiteral("Time Left"), background, caption);
  Frame1->setGeometry(TwipsRect(120, 960, 2715, 2175));
  Frame2 =
      new Frame(QStringLiteral("Frame2"), this, QStringLiteral("Time Passed"), background, caption);
  Frame2->setGeometry(TwipsRect(3000, 960, 2775, 2175));
  for (Frame* frame : {Frame1, Frame2}) frame->setFont(bold8);

  struct Row {
    int top;
    const char* caption;
    int width;
    Label** left;
    Label** passed;
    const char* leftName;
    const char* passedName;
  };
  const Row rows[] = {
      {300, "Months", 750, &Label4, &Label10, "Label4", "Label10"},
      {600, "Weeks", 735, &Label3, &Label9, "Label3", "Label9"},
      {900, "Days", 555, &Label2, &Label8, "Label2", "Label8"},
      {1200, "Hours", 630, &Label5, &Label11, "Label5", "Label11"},
      {1500, "Minutes", 810, &Label6, &Label12, "Label6", "Label12"},
      {1800, "Seconds", 930, &Label7, &Label13, "Label7", "Label13"},
  };
  for (const Row& row : rows) {
    const QString word = QString::fromLatin1(row.caption);
    *row.left = MakeLabel(QString::fromLatin1(row.leftName), Frame1, word,
                          {120, row.top, row.width, 240}, kDarkBlue, bold10, true);
    *row.passed = MakeLabel(QString::fromLatin1(row.passedName), Frame2, word,
                            {120, row.top, row.width, 240}, kDarkBlue, bold10, true);
    (*row.left)->setAccessibleDescription(word + QStringLiteral(" left"));
    (*row.passed)->setAccessibleDescription(word + QStringLiteral(" passed"));
  }

  // Band 3: the progress report. The week list, the check box and the heart
  // sit in a gap of the top border, which the two thick lines in the
  // background colour cut.
  Frame3 = new Frame(QStringLiteral("Frame3"), this, QStringLiteral("Progress Report     "),
                     background, caption);
  Frame3->setGeometry(TwipsRect(120, 3240, 5655, 3075));
  Frame3->setFont(bold8);
  Text2 = new QPlainTextEdit(Frame3);
  Text2->setObjectName(QStringLiteral("Text2"));
  Text2->setGeometry(TwipsRect(135, 360, 5415, 2595));
  Text2->setReadOnly(true);
  Text2->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  Text2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Text2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Text2->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Text2->setFont(bold8);
  Text2->setFocusPolicy(Qt::StrongFocus);
  {
    const QColor back = BgrColor(kPaleYellow);
    SetColours(Text2, BgrColor(kDarkBlue), &back);
  }
  Line11 = new Line(QStringLiteral("Line11"), Frame3, {3150, 120}, {3570, 120}, 10, background);
  Line10 = new Line(QStringLiteral("Line10"), Frame3, {4980, 120}, {5310, 120}, 10, background);
  Combo1 = new QComboBox(Frame3);
  Combo1->setObjectName(QStringLiteral("Combo1"));
  Combo1->setGeometry(TwipsRect(1680, 0, 1575, 315));
  Combo1->setEditable(false);
  Combo1->setFont(bold8);
  for (int week = 1; week <= 40; ++week) Combo1->addItem(QStringLiteral("Week %1").arg(week));
  Combo1->setCurrentIndex(-1);
  Combo1->setMaxVisibleItems(12);
  {
    const QColor back = BgrColor(kLightYellow);
    SetColours(Combo1, BgrColor(kBlue), &back);
    Combo1->setAutoFillBackground(false);
  }
  Check1 = new QCheckBox(QStringLiteral("Show Heartbeat"), Frame3);
  Check1->setObjectName(QStringLiteral("Check1"));
  Check1->setGeometry(TwipsRect(3465, 45, 1485, 195));
  Check1->setFont(font());  // the window's own font, not the frame's caption font
  SetColours(Check1, Qt::black, &background);
  Image1 = MakeHeart(QStringLiteral("Image1"), Frame3, {5040, 50, 240, 240}, 16);
  Image2 = MakeHeart(QStringLiteral("Image2"), Frame3, {5060, 60, 210, 210}, 14);
  Image2->hide();

  // Band 4: links.
  Label20 = MakeLabel(QStringLiteral("Label20"), this, QStringLiteral("Pregnancy Information"),
                      {180, 6480, 1920, 195}, kBlue, link, true);
  Label16 = MakeLabel(QStringLiteral("Label16"), this, QStringLiteral("My Notes"),
                      {2400, 6600, 810, 195}, kBlue, link, true);
  Label21 = MakeLabel(QStringLiteral("Label21"), this, QStringLiteral("Baby/Toddler Information"),
                      {3540, 6480, 2175, 195}, kBlue, link, true);
  for (Label* l : {Label20, Label16, Label21}) l->makeClickable();

  // Keyboard order; nothing else takes the focus.
  for (QWidget* w : std::initializer_list<QWidget*>{Text3, Text2, Text1, Combo1, Check1}) {
    w->setFocusPolicy(Qt::StrongFocus);
  }
  setTabOrder(Text3, Text2);
  setTabOrder(Text2, Text1);
  setTabOrder(Text1, Combo1);
  setTabOrder(Combo1, Check1);
  Text3->setFocus();

  // Names for assistive technology.
  Text1->setAccessibleName(QStringLiteral("Baby due date"));
  Text1->setAccessibleDescription(QStringLiteral("Type the due date as MM/DD/YYYY"));
  Combo1->setAccessibleName(QStringLiteral("Pregnancy week"));
  Text2->setAccessibleName(QStringLiteral("Week information"));
  Check1->setAccessibleName(QStringLiteral("Show heartbeat"));
  Label14->setAccessibleDescription(QStringLiteral("Pregnancy progress"));
  ProgressBar1->setAccessibleLabel(QStringLiteral("Pregnancy progress"));
  Label18->setAccessibleName(QStringLiteral("About Tovalin"));
  Label20->setAccessibleDescription(QStringLiteral("Opens a pregnancy information page"));
  Label21->setAccessibleDescription(QStringLiteral("Opens a baby and toddler information page"));
  Label16->setAccessibleDescription(QStringLiteral("Opens your private notes"));

  Timer1 = MakeTimer(QStringLiteral("Timer1"), this, 1000, true);
  Timer2 = MakeTimer(QStringLiteral("Timer2"), this, 1500, false);
  Timer3 = MakeTimer(QStringLiteral("Timer3"), this, 1000, false);
}

std::array<Label*, 6> Form1::leftLabels() const {
  return {Label2, Label3, Label4, Label5, Label6, Label7};
}

std::array<Label*, 6> Form1::passedLabels() const {
  return {Label8, Label9, Label10, Label11, Label12, Label13};
}

void Form1::closeEvent(QCloseEvent* event) {
  if (canClose && !canClose()) {
    event->ignore();
    return;
  }
  event->accept();
  emit closing();
}

}  // namespace tovalin
