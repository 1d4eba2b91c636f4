#pragma once

#include <QString>
#include <filesystem>
#include <functional>

#include "app/number_format.hpp"
#include "countdown/calendar.hpp"

class QWidget;

namespace tovalin {

// Reads "now". The program reads the local clock; tests set any moment.
using Clock = std::function<LocalDateTime()>;

// The local wall-clock time of the system clock, to the second.
LocalDateTime SystemNow();

// The messages the program shows. Tests answer them without a window.
class Dialogs {
 public:
  virtual ~Dialogs() = default;

  virtual void information(QWidget* parent, const QString& title, const QString& text) = 0;
  virtual void warning(QWidget* parent, const QString& title, const QString& text) = 0;

  enum class SaveFailure { Retry, Discard, KeepOpen };
  // Asked when notes could not be saved; `text` names the file and reason.
  virtual SaveFailure notesNotSaved(QWidget* parent, const QString& text) = 0;
};

// Message boxes for the running program.
class MessageBoxes : public Dialogs {
 public:
  void information(QWidget* parent, const QString& title, const QString& text) override;
  void warning(QWidget* parent, const QString& title, const QString& text) override;
  SaveFailure notesNotSaved(QWidget* parent, const QString& text) override;
};

// What the program takes from the world around it.
struct Environment {
  Clock clock;
  std::filesystem::path dataFolder;  // holds the due-date and the notes file
  Separators separators;
  Dialogs* dialogs = nullptr;
};

// The running program's environment: the system clock, the user's data
// folder and the locale's separators.
Environment SystemEnvironment(Dialogs* dialogs);

}  // namespace tovalin
