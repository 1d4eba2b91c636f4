#pragma once

#include <QObject>
#include <QTimer>
#include <filesystem>
#include <optional>
#include <string>

#include "app/environment.hpp"

namespace tovalin {

class Form1;
class Heartbeat;

// The due-date file: the box's text and CR LF, in the data folder.
class DueDateFile {
 public:
  explicit DueDateFile(std::filesystem::path path) : path_(std::move(path)) {}

  // Keeps the file equal to `text`, writing only when it differs. Returns
  // whether the file now holds the text.
  bool keep(const QString& text);

  // The saved text, or empty when there is none (no file, fewer than two
  // bytes).
  std::optional<QString> read() const;

 private:
  std::filesystem::path path_;
};

// The once-a-second countdown: saves the due date and recomputes every
// display from the box's text and the clock.
class Countdown : public QObject {
  Q_OBJECT
 public:
  Countdown(Form1& form, const Environment& env, Heartbeat& heartbeat);

  void tick();

  // Saves the box's text now, as when the program ends.
  void save();

  // Whether the file held the box's text after the last save.
  bool fileInSync() const { return fileInSync_; }

  const DueDateFile& file() const { return file_; }

  // The title rule shared with the start-up handling: the days left while
  // minimised, "Tovalin" otherwise.
  void applyTitle(LocalDateTime now);

 private:
  void keepInStep();

  Form1& form_;
  const Environment& env_;
  Heartbeat& heartbeat_;
  DueDateFile file_;
  bool fileInSync_ = true;
  QTimer realign_;
};

}  // namespace tovalin
