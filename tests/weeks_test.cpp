#include <QTest>

#include "app/activation.hpp"
#include "fixture.hpp"
#include "notes/notes.hpp"
#include "weeks/week_selection.hpp"
#include "weeks/week_texts.hpp"

namespace tovalin::test {
namespace {

using WeeksTest = ProgramTest;

TEST(WeekTextsStore, EveryTextKeepsTheLayout) {
  struct Expected {
    int paragraphs;
    int length;
  };
  // Paragraph counts and approximate lengths of weeks 1 to 40.
  const Expected expected[40] = {
      {3, 193}, {3, 193}, {6, 524}, {4, 415}, {6, 834}, {3, 314}, {4, 268}, {7, 535},
      {4, 280}, {5, 414}, {4, 342}, {4, 293}, {2, 196}, {5, 402}, {2, 304}, {3, 307},
      {3, 247}, {4, 490}, {3, 338}, {3, 255}, {3, 277}, {2, 178}, {3, 312}, {2, 230},
      {3, 286}, {4, 380}, {2, 238}, {3, 238}, {3, 295}, {3, 304}, {2, 275}, {2, 179},
      {2, 158}, {2, 206}, {2, 192}, {2, 196}, {4, 408}, {3, 219}, {3, 210}, {4, 311}};
  const WeekTexts store;
  for (int week = 1; week <= 40; ++week) {
    SCOPED_TRACE(week);
    const QString text = store.text(week);
    const QString heading =
        week <= 2 ? QStringLiteral("Week 1+2: ") : QStringLiteral("Week %1: ").arg(week);
    ASSERT_TRUE(text.startsWith(heading + "\r\n\r\n"));
    ASSERT_TRUE(text.endsWith(QStringLiteral(".\r\n")) || text.endsWith(QStringLiteral(":\r\n")));
    const QStringList paragraphs =
        text.mid(heading.size() + 4).chopped(2).split(QStringLiteral("\r\n\r\n"));
    EXPECT_EQ(paragraphs.size(), expected[week - 1].paragraphs);
    for (const QString& p : paragraphs) {
      EXPECT_FALSE(p.trimmed().isEmpty());
      EXPECT_FALSE(p.contains(QLatin1Char('\r')) || p.contains(QLatin1Char('\n')));
    }
    EXPECT_LE(std::abs(text.size() - expected[week - 1].length), expected[week - 1].length / 10);
    for (const QChar c : text) {
      EXPECT_TRUE((c >= QLatin1Char(' ') && c.unicode() < 127) || c == QLatin1Char('\r') ||
                  c == QLatin1Char('\n'));
    }
    EXPECT_EQ(store.named(QStringLiteral("w%1").arg(week)), text);
  }
  EXPECT_EQ(store.text(1), store.text(2));
  for (const char* name : {"w0", "w41", "w07", "W7", "w", "week7"}) {
    EXPECT_TRUE(store.named(QString::fromLatin1(name)).isEmpty()) << name;
  }
  EXPECT_TRUE(store.text(0).isEmpty());
  EXPECT_TRUE(store.text(41).isEmpty());
}

TEST_F(WeeksTest, ChoosingAWeekShowsItsTextAndSetsThePace) {
  start();
  Form1& f = form();
  struct Case {
    int week;
    int interval;  // 0: the heart is switched off
  };
  const Case cases[] = {{1, 0},    {2, 0},    {3, 0},    {4, 0},    {5, 188},
                        {18, 188}, {19, 200}, {23, 200}, {24, 212}, {31, 212},
                        {32, 237}, {35, 237}, {36, 250}, {40, 250}};
  const WeekTexts& store = program->weekSelection().texts();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.week);
    f.Combo1->setCurrentIndex(-1);
    f.Timer3->setInterval(999);
    f.Check1->setChecked(true);
    f.Text1->setFocus();
    f.Combo1->setCurrentIndex(c.week - 1);
    EXPECT_EQ(f.Text2->toPlainText(), WeekTexts::forDisplay(store.text(c.week)));
    EXPECT_FALSE(f.Text2->toPlainText().contains(QLatin1Char('\r')));
    if (c.interval == 0) {
      EXPECT_FALSE(f.Check1->isChecked());
      EXPECT_FALSE(f.Timer3->isActive());
      EXPECT_EQ(f.Timer3->interval(), 999);
      EXPECT_EQ(f.focusWidget(), f.Text3);  // unticking moves the focus away
    } else {
      EXPECT_TRUE(f.Check1->isChecked());
      EXPECT_TRUE(f.Timer3->isActive());  // a beating heart goes on at the new pace
      EXPECT_EQ(f.Timer3->interval(), c.interval);
      EXPECT_EQ(f.focusWidget(), f.Text1);
    }
  }
  EXPECT_TRUE(f.Text2->toPlainText().startsWith(QStringLiteral("Week 40: \n\n")));
}

TEST_F(WeeksTest, AnEmptySelectionStopsTheHeartAndKeepsTheText) {
  start();
  Form1& f = form();
  f.Combo1->setCurrentIndex(19);
  f.Check1->setChecked(true);
  const QString shown = f.Text2->toPlainText();
  f.Combo1->setCurrentIndex(-1);
  EXPECT_FALSE(f.Check1->isChecked());
  EXPECT_FALSE(f.Timer3->isActive());
  EXPECT_EQ(f.Text2->toPlainText(), shown);
}

TEST_F(WeeksTest, TypingADateKeyByKey) {
  start();  // now: 03/01/2025, week 24 of a pregnancy due 06/15/2025
  Form1& f = form();
  const QString date = QStringLiteral("06/15/2025");
  for (int i = 0; i < date.size(); ++i) {
    QTest::keyClick(f.Text1, date[i].toLatin1());
    SCOPED_TRACE(f.Text1->text().toStdString());
    EXPECT_TRUE(f.Label15->isHidden());
    EXPECT_FALSE(f.ProgressBar1->isHidden());
    EXPECT_FALSE(f.Label14->isHidden());
    EXPECT_TRUE(f.Timer2->isActive());
    // "06/15/20" already reads as 2020, long past: nothing is selected.
    EXPECT_EQ(f.Combo1->currentIndex(), i + 1 < date.size() ? -1 : 23);
  }
  EXPECT_EQ(f.Combo1->currentText(), "Week 24");
  EXPECT_TRUE(f.Text2->toPlainText().startsWith(QStringLiteral("Week 24: ")));

  // Deleting it all brings the prompt back; the week stays.
  f.Text1->selectAll();
  QTest::keyClick(f.Text1, Qt::Key_Delete);
  EXPECT_EQ(f.Text1->text(), "");
  EXPECT_FALSE(f.Label15->isHidden());
  EXPECT_TRUE(f.ProgressBar1->isHidden());
  EXPECT_TRUE(f.Label14->isHidden());
  EXPECT_EQ(f.Combo1->currentText(), "Week 24");
  EXPECT_TRUE(f.Text2->toPlainText().startsWith(QStringLiteral("Week 24: ")));
}

TEST_F(WeeksTest, EveryChangeRestartsTheFocusPeriod) {
  start();
  Form1& f = form();
  f.Timer2->setInterval(10000);
  f.Timer2->stop();
  QTest::keyClick(f.Text1, '0');
  EXPECT_TRUE(f.Timer2->isActive());
  EXPECT_GT(f.Timer2->remainingTime(), 9000);
}

TEST_F(WeeksTest, ADateOutOfThePregnancyLeavesTheSelectionAlone) {
  start();
  Form1& f = form();
  f.Combo1->setCurrentIndex(9);
  const QString text = f.Text2->toPlainText();
  for (const char* due : {"06/15/2026", "06/15/2020", "soon", "06/15/202"}) {
    f.Text1->setText(QString::fromLatin1(due));
    EXPECT_EQ(f.Combo1->currentText(), "Week 10") << due;
    EXPECT_EQ(f.Text2->toPlainText(), text) << due;
  }
  // Browsing, then editing the date: the current week comes back.
  f.Text1->setText(QStringLiteral("06/15/2025"));
  EXPECT_EQ(f.Combo1->currentText(), "Week 24");
}

TEST_F(WeeksTest, TheCreditWordShowsItsMessageAndClearsTheBox) {
  start();
  Form1& f = form();
  f.Combo1->setCurrentIndex(4);
  QString textWhileShown;
  dialogs.whileShown = [&] { textWhileShown = f.Text1->text(); };
  QTest::keyClicks(f.Text1, QStringLiteral("lutrafesk"));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, "information");
  EXPECT_EQ(dialogs.shown[0].title, "Tovalin");
  EXPECT_FALSE(dialogs.shown[0].text.isEmpty());
  EXPECT_EQ(textWhileShown, "lutrafesk");
  EXPECT_EQ(f.Text1->text(), "");
  EXPECT_FALSE(f.Label15->isHidden());
  EXPECT_TRUE(f.ProgressBar1->isHidden());
  EXPECT_TRUE(f.Label14->isHidden());
  EXPECT_EQ(f.Combo1->currentText(), "Week 5");

  for (const char* other : {"Lutrafesk", "LUTRAFESK", " lutrafesk", "lutrafesk.", "lutrafeskx"}) {
    f.Text1->setText(QString::fromLatin1(other));
    EXPECT_EQ(f.Text1->text(), QString::fromLatin1(other));
  }
  EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(WeeksTest, StartingWithASavedDateInWeek12) {
  now = MakeLocal(2024, 12, 4, 8, 0, 0);  // a Wednesday in week 12 of a pregnancy due 06/18/2025
  writeFile(dueFile(), "06/18/2025\r\n");
  start();
  Form1& f = form();
  EXPECT_EQ(f.Text1->text(), "06/18/2025");
  EXPECT_NE(f.focusWidget(), f.Text1);
  EXPECT_TRUE(f.Label15->isHidden());
  EXPECT_FALSE(f.ProgressBar1->isHidden());
  EXPECT_FALSE(f.Label14->isHidden());
  EXPECT_EQ(f.Combo1->currentText(), "Week 12");
  EXPECT_EQ(f.Text2->toPlainText(),
            WeekTexts::forDisplay(program->weekSelection().texts().text(12)));
  EXPECT_EQ(f.Timer3->interval(), 188);
  EXPECT_FALSE(f.Timer3->isActive());
  EXPECT_FALSE(f.Check1->isChecked());
  EXPECT_EQ(f.windowTitle(), "Tovalin");
}

TEST_F(WeeksTest, AFileHoldingOnlyALineEndStartsLikeTheFirstTime) {
  writeFile(dueFile(), "\r\n");
  start();
  Form1& f = form();
  EXPECT_EQ(f.Text1->text(), "");
  EXPECT_EQ(f.focusWidget(), f.Text1);
  EXPECT_FALSE(f.Label15->isHidden());
  EXPECT_TRUE(f.ProgressBar1->isHidden());
  EXPECT_EQ(f.Combo1->currentIndex(), -1);
  EXPECT_EQ(f.Text2->toPlainText(), "");
}

TEST_F(WeeksTest, AMinimisedStartShowsTheDaysLeftInTheTitle) {
  now = MakeLocal(2025, 3, 7, 18, 0, 0);
  writeFile(dueFile(), "06/15/2025\r\n");
  create();
  form().setWindowState(Qt::WindowMinimized);
  program->activation().run();
  EXPECT_EQ(form().windowTitle(), "100 Days til Baby");
}

TEST_F(WeeksTest, ComingBackFromTheNotesReselectsTheCurrentWeek) {
  now = MakeLocal(2025, 3, 1, 9, 0, 0);
  writeFile(dueFile(), "06/15/2025\r\n");
  start();
  Form1& f = form();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  ASSERT_EQ(f.Combo1->currentText(), "Week 24");
  f.Combo1->setCurrentIndex(29);  // browsing to week 30
  tick();
  program->notes().open();
  Form3* notes = program->notes().window();
  ASSERT_TRUE(QTest::qWaitForWindowActive(notes));
  EXPECT_EQ(f.Combo1->currentText(), "Week 30");  // nothing runs while the notes are active
  notes->close();
  ASSERT_TRUE(QTest::qWaitFor([&] { return f.Combo1->currentText() == "Week 24"; }));
  EXPECT_TRUE(f.Text2->toPlainText().startsWith(QStringLiteral("Week 24: ")));
}

TEST_F(WeeksTest, MessagesAndListsPassingOverTheWindowDoNotReselect) {
  writeFile(dueFile(), "06/15/2025\r\n");
  start();
  Form1& f = form();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  f.Combo1->setCurrentIndex(29);
  f.Combo1->showPopup();
  QTest::qWait(50);
  f.Combo1->hidePopup();
  QTest::qWait(50);
  EXPECT_EQ(f.Combo1->currentText(), "Week 30");
}

}  // namespace
}  // namespace tovalin::test
