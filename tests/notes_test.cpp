#include <sys/stat.h>

#include <QTest>

#include "fixture.hpp"
#include "notes/notes.hpp"

namespace tovalin::test {
namespace {

class NotesTest : public ProgramTest {
 protected:
  Form3* open() {
    program->notes().open();
    return program->notes().window();
  }
  // Closes the notes window as its close box does; true when it closed.
  bool close() {
    Form3* w = program->notes().window();
    const bool closed = w->close();
    QApplication::processEvents();  // the window is deleted later
    return closed;
  }
};

const std::string kInitialBytes =
    "Use this area to keep notes about your \r\n"
    "pregnancy or for a list of questions you \r\n"
    "have for your doctor or anything else you want to keep notes about.\r\n"
    "\r\n";

TEST_F(NotesTest, TheNotesWindow) {
  start();
  Form3* w = open();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->windowTitle(), "Tovalin (My Notes)");
  EXPECT_TRUE(w->windowFlags() & Qt::Tool);  // no task-bar entry
  EXPECT_FALSE(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(w->size(), QSize(320, 336));
  EXPECT_EQ(w->minimumSize(), w->maximumSize());
  EXPECT_FALSE(w->isModal());
  EXPECT_EQ(w->Text1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
  EXPECT_EQ(w->Text1->font().pointSizeF(), 12.0);
  EXPECT_EQ(w->Text1->geometry(), QRect(0, 0, 317, 337));
  EXPECT_EQ(w->pos(), form().frameGeometry().topLeft() + QPoint(33, 33));
  EXPECT_EQ(w->focusWidget(), w->Text1);
}

TEST_F(NotesTest, FirstUseShowsTheInitialTextAndSavesIt) {
  start();
  Form3* w = open();
  EXPECT_EQ(w->notesText().size(), 153);
  EXPECT_EQ(w->notesText(), Form3::initialText());
  ASSERT_TRUE(close());
  EXPECT_EQ(readFile(notesFile()), kInitialBytes);
  EXPECT_EQ(open()->notesText(), Form3::initialText());
  struct stat st {};
  ASSERT_EQ(::stat(notesFile().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(NotesTest, TextComesBackAsItWasWritten) {
  start();
  struct Case {
    QString typed;
    std::string bytes;
  };
  const Case cases[] = {
      {QStringLiteral("Ask about iron.\r\nBook the scan.\r\n\r\n  indented"),
       "Ask about iron.\r\nBook the scan.\r\n\r\n  indented\r\n"},
      {QString(), "\r\n"},
      {QString::fromUtf8("Hebamme: Fr. M\xc3\xbcller\xc2\xa0\xe2\x9c\x93"),
       "Hebamme: Fr. M\xc3\xbcller\xc2\xa0\xe2\x9c\x93\r\n"},
  };
  for (const Case& c : cases) {
    open()->setNotesText(c.typed);
    ASSERT_TRUE(close());
    EXPECT_EQ(readFile(notesFile()), c.bytes);
    EXPECT_EQ(open()->notesText(), c.typed);
    ASSERT_TRUE(close());
  }
}

TEST_F(NotesTest, ReadsAllButTheLastTwoBytesOfTheFile) {
  start();
  struct Case {
    const char* what;
    std::string bytes;
    QString shown;
  };
  const Case cases[] = {
      {"last two bytes are not a line end", "call the midwife", QStringLiteral("call the midwi")},
      {"two bytes", "\r\n", QString()},
      {"one byte", "x", Form3::initialText()},
      {"no byte", "", Form3::initialText()},
      {"Windows-1252", "caf\xe9\r\n", QString::fromUtf8("caf\xc3\xa9")},
  };
  for (const Case& c : cases) {
    writeFile(notesFile(), c.bytes);
    EXPECT_EQ(open()->notesText(), c.shown) << c.what;
    program->notes().window()->canClose = nullptr;  // close without saving
    ASSERT_TRUE(close());
  }
}

TEST_F(NotesTest, ASecondClickKeepsWhatWasTyped) {
  start();
  Form3* w = open();
  w->setNotesText(QStringLiteral("not saved yet"));
  w->move(0, 0);
  QTest::mouseClick(form().Label16, Qt::LeftButton);
  EXPECT_EQ(program->notes().window(), w);
  EXPECT_EQ(w->notesText(), "not saved yet");
  EXPECT_EQ(w->pos(), form().frameGeometry().topLeft() + QPoint(33, 33));
}

TEST_F(NotesTest, ClosingTheMainWindowSavesOpenNotes) {
  start();
  open()->setNotesText(QStringLiteral("typed just now"));
  EXPECT_TRUE(form().close());
  EXPECT_EQ(readFile(notesFile()), "typed just now\r\n");
}

TEST_F(NotesTest, EndingTheSessionSavesOpenNotes) {
  start();
  open()->setNotesText(QStringLiteral("before the log-out"));
  program->saveAtExit();
  EXPECT_EQ(readFile(notesFile()), "before the log-out\r\n");
}

TEST_F(NotesTest, AFailedSaveKeepsTheTextAndTellsTheUser) {
  breakDataFolder();
  start();
  Form3* w = open();
  w->setNotesText(QStringLiteral("precious"));
  dialogs.answers = {Dialogs::SaveFailure::Retry, Dialogs::SaveFailure::KeepOpen};
  EXPECT_FALSE(close());
  ASSERT_EQ(dialogs.shown.size(), 2u);  // asked again after the retry failed too
  EXPECT_TRUE(dialogs.shown[0].text.contains(QStringLiteral("tvln.bbd")));
  EXPECT_TRUE(dialogs.shown[0].text.contains(QStringLiteral("Not a directory")));
  ASSERT_EQ(program->notes().window(), w);
  EXPECT_EQ(w->notesText(), "precious");

  // Closing the program asks too, and may be cancelled.
  EXPECT_FALSE(form().close());
  EXPECT_EQ(program->notes().window(), w);

  // Discarding on purpose closes the window.
  dialogs.answers = {Dialogs::SaveFailure::Discard};
  EXPECT_TRUE(close());
  EXPECT_EQ(program->notes().window(), nullptr);
}

}  // namespace
}  // namespace tovalin::test
