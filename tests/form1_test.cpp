#include <QAccessible>
#include <QTest>

#include "fixture.hpp"

namespace tovalin::test {
namespace {

using Form1Test = ProgramTest;

TEST_F(Form1Test, FirstStartShowsTheEntryPromptAndNothingElse) {
  start();
  Form1& f = form();
  EXPECT_EQ(f.windowTitle(), "Tovalin");
  EXPECT_FALSE(f.Label15->isHidden());
  EXPECT_TRUE(f.ProgressBar1->isHidden());
  EXPECT_TRUE(f.Label14->isHidden());
  const QStringList words = {"Days", "Weeks", "Months", "Hours", "Minutes", "Seconds"};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(f.leftLabels()[i]->text(), words[i]);
    EXPECT_EQ(f.passedLabels()[i]->text(), words[i]);
  }
  EXPECT_EQ(f.Combo1->currentIndex(), -1);
  EXPECT_EQ(f.Combo1->currentText(), "");
  EXPECT_EQ(f.Text2->toPlainText(), "");
  EXPECT_FALSE(f.Image1->isHidden());
  EXPECT_TRUE(f.Image2->isHidden());
  EXPECT_FALSE(f.Check1->isChecked());
  EXPECT_EQ(f.Check1->text(), "Show Heartbeat");
  EXPECT_EQ(f.Text1->text(), "");
  EXPECT_EQ(f.focusWidget(), f.Text1);
  EXPECT_TRUE(f.Timer1->isActive());
  EXPECT_EQ(f.Timer1->interval(), 1000);
  EXPECT_FALSE(f.Timer2->isActive());
  EXPECT_EQ(f.Timer2->interval(), 1500);
  EXPECT_FALSE(f.Timer3->isActive());
  EXPECT_EQ(f.Timer3->interval(), 1000);
  EXPECT_FALSE(f.windowIcon().isNull());
}

TEST_F(Form1Test, ControlsSitWhereTheLayoutPutsThem) {
  create();
  Form1& f = form();
  struct Place {
    QWidget* w;
    QRect rect;  // logical pixels: twips / 15
  };
  const Place places[] = {
      {f.Text1, {12, 28, 93, 24}},     {f.ProgressBar1, {128, 28, 253, 21}},
      {f.Label15, {132, 32, 237, 17}}, {f.Frame1, {8, 64, 181, 145}},
      {f.Frame2, {200, 64, 185, 145}}, {f.Frame3, {8, 216, 377, 205}},
      {f.Combo1, {112, 0, 105, 21}},   {f.Check1, {231, 3, 99, 13}},
      {f.Image1, {336, 3, 16, 16}},    {f.Image2, {337, 4, 14, 14}},
      {f.Text2, {9, 24, 361, 173}},    {f.Text3, {292, -67, 10, 21}},
  };
  for (const Place& p : places)
    EXPECT_EQ(p.w->geometry(), p.rect) << p.w->objectName().toStdString();
  EXPECT_EQ(f.size(), QSize(395, 459));
  EXPECT_EQ(f.minimumSize(), f.maximumSize());  // cannot be resized
  EXPECT_FALSE(f.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(f.windowFlags() & Qt::WindowMinimizeButtonHint);
  // Labels that size to their text keep their top-left corner.
  for (const auto* l : {f.Label1, f.Label2, f.Label20, f.Label16, f.Label21, f.Label18}) {
    EXPECT_EQ(l->size(), l->sizeHint()) << l->objectName().toStdString();
  }
  EXPECT_EQ(f.Label2->pos(), QPoint(8, 60));
  EXPECT_EQ(f.Label16->pos(), QPoint(160, 440));
  // The focus holder lies wholly above the client area.
  EXPECT_LE(f.Text3->geometry().bottom(), 0);
}

TEST_F(Form1Test, ALongerCaptionGrowsToTheRight) {
  create();
  Label* label = form().Label7;
  const QRect before = label->geometry();
  label->setCaption(QStringLiteral("-2,147,483,648 Seconds"));
  EXPECT_EQ(label->pos(), before.topLeft());
  EXPECT_GT(label->width(), before.width());
  EXPECT_EQ(label->size(), label->sizeHint());
  // The longest caption still fits inside its group.
  EXPECT_LE(label->geometry().right(), form().Frame1->width());
}

TEST_F(Form1Test, WeekListOffersFortyWeeksToChooseFrom) {
  create();
  QComboBox* combo = form().Combo1;
  EXPECT_FALSE(combo->isEditable());
  ASSERT_EQ(combo->count(), 40);
  for (int i = 0; i < 40; ++i) EXPECT_EQ(combo->itemText(i), QStringLiteral("Week %1").arg(i + 1));
}

TEST_F(Form1Test, TabGoesThroughTheFiveControlsInOrder) {
  start();
  Form1& f = form();
  f.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  f.Text3->setFocus();
  QStringList order{QApplication::focusWidget()->objectName()};
  for (int i = 0; i < 5; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    order << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(order, (QStringList{"Text3", "Text2", "Text1", "Combo1", "Check1", "Text3"}));
}

TEST_F(Form1Test, WeekTextBoxIsReadOnlyButSelectable) {
  create();
  QPlainTextEdit* text2 = form().Text2;
  EXPECT_TRUE(text2->isReadOnly());
  EXPECT_TRUE(text2->textInteractionFlags() & Qt::TextSelectableByMouse);
  EXPECT_EQ(text2->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(text2->lineWrapMode(), QPlainTextEdit::WidgetWidth);
}

TEST_F(Form1Test, AssistiveTechnologyHearsPlainNamesAndNotTheFocusHolder) {
  start();
  Form1& f = form();
  EXPECT_EQ(f.Text1->accessibleName(), "Baby due date");
  EXPECT_EQ(f.Combo1->accessibleName(), "Pregnancy week");
  EXPECT_EQ(f.Text2->accessibleName(), "Week information");
  EXPECT_EQ(f.Label2->accessibleDescription(), "Days left");
  EXPECT_EQ(f.Label13->accessibleDescription(), "Seconds passed");
  QAccessibleInterface* holder = QAccessible::queryAccessibleInterface(f.Text3);
  ASSERT_NE(holder, nullptr);
  EXPECT_TRUE(holder->state().invisible);
  QAccessibleInterface* box = QAccessible::queryAccessibleInterface(f.Text1);
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(box->state().invisible);
}

TEST(ProgressBarControl, KeepsItsValueWhenItRefusesOne) {
  ProgressBar bar(QStringLiteral("bar"), nullptr, kPregnancyRange);
  EXPECT_EQ(bar.minimum(), 0.0f);
  EXPECT_EQ(bar.maximum(), 24192000.0f);
  EXPECT_EQ(bar.value(), 0.0f);
  struct Step {
    float value;
    bool accepted;
    float after;
  };
  const Step steps[] = {
      {15071415.0f, true, 15071415.0f},
      {-1.0f, false, 15071415.0f},
      {static_cast<float>(24192001), true, 24192000.0f},  // single precision holds the maximum
      {static_cast<float>(24192002), false, 24192000.0f},
      {0.0f, true, 0.0f},
  };
  for (const Step& s : steps) {
    EXPECT_EQ(bar.setValue(s.value), s.accepted) << s.value;
    EXPECT_EQ(bar.value(), s.after) << s.value;
  }
}

TEST_F(Form1Test, PlacementCentresTheWindowOnItsScreen) {
  create();
  CentreOnScreen(form());
  const QRect screen = form().screen()->geometry();
  const QRect frame = form().frameGeometry();
  EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 1);
  EXPECT_LE(std::abs(frame.center().y() - screen.center().y()), 1);
}

}  // namespace
}  // namespace tovalin::test
