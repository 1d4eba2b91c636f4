#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <vector>

#include "app/controls.hpp"
#include "app/environment.hpp"
#include "app/form1.hpp"
#include "app/program.hpp"
#include "app/progress_bar.hpp"
#include "countdown/countdown.hpp"

namespace tovalin::test {

namespace fs = std::filesystem;

// Answers the program's messages and remembers them.
class RecordingDialogs : public Dialogs {
 public:
  struct Shown {
    QString kind, title, text;
  };
  std::vector<Shown> shown;
  std::vector<SaveFailure> answers;  // for notesNotSaved, in order; KeepOpen when none is left
  std::function<void()> whileShown;  // runs while a message is up, as a user would act

  void information(QWidget*, const QString& title, const QString& text) override {
    shown.push_back({QStringLiteral("information"), title, text});
    if (whileShown) whileShown();
  }
  void warning(QWidget*, const QString& title, const QString& text) override {
    shown.push_back({QStringLiteral("warning"), title, text});
  }
  SaveFailure notesNotSaved(QWidget*, const QString& text) override {
    shown.push_back({QStringLiteral("notesNotSaved"), QString(), text});
    if (answers.empty()) return SaveFailure::KeepOpen;
    const SaveFailure answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
};

// A program with a clock the test sets, a data folder of its own and
// United States separators.
class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "tovalin-widgets-XXXXXX").string();
    root_ = ::mkdtemp(pattern.data());
    env_.clock = [this] { return now; };
    env_.dataFolder = root_ / "tovalin";
    env_.separators = Separators{",", "."};
    env_.dialogs = &dialogs;
  }

  void TearDown() override {
    program.reset();
    std::error_code ec;
    fs::remove_all(root_, ec);
  }

  // Creates the program without showing it.
  Program& create() {
    program = std::make_unique<Program>(env_);
    return *program;
  }

  // Creates, places, shows and brings the main window up to date, as at
  // start-up.
  Program& start() {
    create();
    program->start();
    return *program;
  }

  Form1& form() { return program->form(); }

  void tick() { program->countdown().tick(); }

  fs::path dueFile() const { return env_.dataFolder / "tvl.bbd"; }
  fs::path notesFile() const { return env_.dataFolder / "tvln.bbd"; }

  void writeFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
  }

  static std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  // Makes the data folder impossible to create: its parent is a plain file.
  void breakDataFolder() {
    writeFile(root_ / "blocked", "x");
    env_.dataFolder = root_ / "blocked" / "tovalin";
  }

  LocalDateTime now = MakeLocal(2025, 3, 1, 10, 30, 15);
  RecordingDialogs dialogs;
  std::unique_ptr<Program> program;

 private:
  fs::path root_;
  Environment env_;
};

inline QString Text(const QWidget* w) {
  if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
  if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
  if (auto* p = qobject_cast<const QPlainTextEdit*>(w)) return p->toPlainText();
  return {};
}

}  // namespace tovalin::test
