#include <sys/stat.h>

#include <QTest>

#include "countdown/countdown.hpp"
#include "countdown/focus_release.hpp"
#include "fixture.hpp"

namespace tovalin::test {
namespace {

using CountdownTest = ProgramTest;

QStringList Captions(const std::array<Label*, 6>& labels) {
  QStringList out;
  for (const Label* l : labels) out << l->text();
  return out;
}

TEST_F(CountdownTest, WorkedExampleThroughTheWindow) {
  start();
  form().Text1->setText(QStringLiteral("06/15/2025"));
  tick();
  EXPECT_EQ(Captions(form().leftLabels()),
            (QStringList{"106 Days", "16 Weeks", "3 Months", "2,534 Hours", "152,010 Minutes",
                         "9,120,585 Seconds"}));
  EXPECT_EQ(Captions(form().passedLabels()),
            (QStringList{"174 Days", "24 Weeks", "6 Months", "4,186 Hours", "251,190 Minutes",
                         "15,071,415 Seconds"}));
  EXPECT_EQ(form().ProgressBar1->value(), 15071415.0f);
  EXPECT_EQ(form().Label14->text(), "Pregnancy Progress  62.299169 %");
  EXPECT_EQ(form().windowTitle(), "Tovalin");
  form().showMinimized();
  tick();
  EXPECT_EQ(form().windowTitle(), "106 Days til Baby");
  form().showNormal();
  tick();
  EXPECT_EQ(form().windowTitle(), "Tovalin");
}

TEST_F(CountdownTest, EveryStateOfTheDisplays) {
  struct Case {
    const char* what;
    const char* due;
    LocalDateTime at;
    const char* daysLeft;
    const char* daysPassed;
    const char* caption;
    float bar;
    bool heartOff;
    const char* minimisedTitle;  // nullptr: left as it was
  };
  const char* kOut = "Pregnancy Progress (out of range)";
  const char* kZero = "Pregnancy Progress  0.000000 %";
  const Case cases[] = {
      {"empty box", "", MakeLocal(2025, 3, 1), "Days", "Days", kZero, 0, true, nullptr},
      {"more than 280 days ahead", "06/15/2026", MakeLocal(2025, 3, 1), "471 Days", "-191 Days",
       kOut, 0, true, "471 Days til Baby"},
      {"the start date's midnight", "06/15/2025", MakeLocal(2024, 9, 8), "280 Days", "0 Days",
       kZero, 0, true, "280 Days til Baby"},
      {"the due date's midnight", "06/15/2025", MakeLocal(2025, 6, 15), "0 Days", "280 Days",
       "Pregnancy Progress  100.000000 %", 24192000, false, "0 Days til Baby"},
      {"one second later", "06/15/2025", MakeLocal(2025, 6, 15, 0, 0, 1), "0 Days", "280 Days",
       "Pregnancy Progress  100.000000 %", 24192000, false, "0 Days til Baby"},
      {"two seconds later", "06/15/2025", MakeLocal(2025, 6, 15, 0, 0, 2), "0 Days", "280 Days",
       kOut, 0, true, "0 Days til Baby"},
      {"a day past", "06/15/2025", MakeLocal(2025, 6, 16, 9, 0, 0), "-1 Days", "281 Days", kOut, 0,
       true, "-1 Days til Baby"},
      {"1,234 days ahead", "07/19/2028", MakeLocal(2025, 3, 3), "1,234 Days", "-954 Days", kOut, 0,
       true, "1234 Days til Baby"},
      {"a due date with a time of day", "06/15/2025 10:30 AM", MakeLocal(2025, 3, 1, 10, 30, 15),
       "106 Days", "174 Days", "Pregnancy Progress  62.299169 %", 15071415, false,
       "106 Days til Baby"},
      {"about 69 years ahead", "01/01/2094", MakeLocal(2025, 3, 1), "25,143 Days", "Days", kZero, 0,
       true, "25143 Days til Baby"},
  };
  start();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    form().Text1->setText(QString::fromUtf8(c.due));
    now = c.at;
    form().Check1->setChecked(true);  // the heart beats until a tick stops it
    form().showNormal();
    tick();
    EXPECT_EQ(form().Label2->text(), c.daysLeft);
    EXPECT_EQ(form().Label8->text(), c.daysPassed);
    EXPECT_EQ(form().Label14->text(), c.caption);
    EXPECT_EQ(form().ProgressBar1->value(), c.bar);
    EXPECT_EQ(!form().Check1->isChecked() && !form().Timer3->isActive(), c.heartOff);
    form().setWindowTitle(QStringLiteral("before"));
    form().showMinimized();
    tick();
    EXPECT_EQ(form().windowTitle(), c.minimisedTitle ? c.minimisedTitle : "before");
  }
  // Seconds left absent: plain words with "Minutes" spelt right.
  form().Text1->setText(QStringLiteral("01/01/2094"));
  tick();
  EXPECT_EQ(Captions(form().passedLabels()),
            (QStringList{"Days", "Weeks", "Months", "Hours", "Minutes", "Seconds"}));
  EXPECT_EQ(form().Label7->text(), "Seconds");
}

TEST_F(CountdownTest, SavesTheBoxExactlyAndRestoresIt) {
  start();
  struct Case {
    const char* text;
    std::string bytes;
  };
  const Case cases[] = {
      {"06/15/2025", "\x30\x36\x2F\x31\x35\x2F\x32\x30\x32\x35\x0D\x0A"},
      {"", "\r\n"},
      {"soon", "soon\r\n"},
      {"  06/15/2025 ", "  06/15/2025 \r\n"},
      {"Ren\xc3\xa9", "Ren\xc3\xa9\r\n"},
  };
  for (const Case& c : cases) {
    form().Text1->setText(QString::fromUtf8(c.text));
    tick();
    EXPECT_EQ(readFile(dueFile()), c.bytes) << c.text;
    EXPECT_EQ(program->countdown().file().read(), QString::fromUtf8(c.text)) << c.text;
  }
  struct stat st {};
  ASSERT_EQ(::stat(dueFile().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  ASSERT_EQ(::stat(dueFile().parent_path().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
}

TEST_F(CountdownTest, ReadsFilesWrittenByHandOrByTheOlderProgram) {
  struct Case {
    const char* what;
    std::string bytes;
    std::optional<QString> text;
  };
  const Case cases[] = {
      {"no line end", "06/15/2025", QStringLiteral("06/15/20")},
      {"two lines", "06/15/2025\r\nx\r\n", QStringLiteral("06/15/2025\r\nx")},
      {"one byte", "0", std::nullopt},
      {"no byte", "", std::nullopt},
      {"Windows-1252", "f\xe9vrier\r\n", QString::fromUtf8("f\xc3\xa9vrier")},
  };
  create();
  for (const Case& c : cases) {
    writeFile(dueFile(), c.bytes);
    EXPECT_EQ(program->countdown().file().read(), c.text) << c.what;
  }
}

TEST_F(CountdownTest, WritesOnlyWhenTheTextChanged) {
  start();
  form().Text1->setText(QStringLiteral("06/15/2025"));
  tick();
  struct stat before {};
  ASSERT_EQ(::stat(dueFile().c_str(), &before), 0);
  for (int i = 0; i < 3; ++i) tick();
  struct stat after {};
  ASSERT_EQ(::stat(dueFile().c_str(), &after), 0);
  EXPECT_EQ(before.st_ino, after.st_ino);  // a write would have replaced the file
  fs::remove(dueFile());
  tick();
  EXPECT_EQ(readFile(dueFile()), "06/15/2025\r\n");
}

TEST_F(CountdownTest, AFolderThatCannotBeWrittenStopsNothing) {
  breakDataFolder();
  start();
  form().Text1->setText(QStringLiteral("06/15/2025"));
  tick();
  EXPECT_EQ(form().Label2->text(), "106 Days");
  EXPECT_EQ(form().Label14->text(), "Pregnancy Progress  62.299169 %");
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_FALSE(program->countdown().fileInSync());
  EXPECT_EQ(form().Text1->text(), "06/15/2025");
}

TEST_F(CountdownTest, TheDueDateIsSavedWhenTheProgramEnds) {
  start();
  form().Text1->setText(QStringLiteral("07/01/2025"));
  program->saveAtExit();
  EXPECT_EQ(readFile(dueFile()), "07/01/2025\r\n");
}

TEST_F(CountdownTest, FocusLeavesTheBoxAfterAQuietPeriod) {
  start();
  Form1& f = form();
  QTimer* timer2 = f.Timer2;
  // Typing starts the first, short period.
  QTest::keyClicks(f.Text1, QStringLiteral("06/15/2025"));
  EXPECT_TRUE(timer2->isActive());
  EXPECT_EQ(timer2->interval(), 1500);
  tick();
  program->focusRelease().check();
  EXPECT_EQ(f.focusWidget(), f.Text3);
  EXPECT_FALSE(timer2->isActive());
  EXPECT_EQ(timer2->interval(), 10000);

  // Out of range: the check waits and looks again next period.
  f.Text1->setFocus();
  f.Text1->setText(QStringLiteral("06/15/2026"));
  tick();
  program->focusRelease().check();
  EXPECT_EQ(f.focusWidget(), f.Text1);
  EXPECT_TRUE(timer2->isActive());
  EXPECT_EQ(timer2->interval(), 10000);

  // An empty box shows the zero caption, which lets the focus go.
  f.Text1->clear();
  tick();
  program->focusRelease().check();
  EXPECT_EQ(f.focusWidget(), f.Text3);
  EXPECT_FALSE(timer2->isActive());
}

TEST_F(CountdownTest, PassingThePointerOverTheBoxStartsThePeriod) {
  start();
  Form1& f = form();
  f.Combo1->setFocus();
  ASSERT_FALSE(f.Timer2->isActive());
  QTest::mouseMove(f.Text1, QPoint(10, 10));
  QMouseEvent move(QEvent::MouseMove, QPointF(12, 12), f.Text1->mapToGlobal(QPointF(12, 12)),
                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(f.Text1, &move);
  EXPECT_TRUE(f.Timer2->isActive());
  program->focusRelease().check();
  EXPECT_EQ(f.focusWidget(), f.Text3);
}

}  // namespace
}  // namespace tovalin::test
