#pragma once

#include <QObject>
#include <QPointer>
#include <filesystem>

#include "app/environment.hpp"
#include "notes/form3.hpp"

namespace tovalin {

class Form1;

// The user's private notes: "My Notes" opens the notes window beside the main
// window with the saved notes; closing it saves them. Notes are never lost
// silently: they are also saved when the program ends, and a failed save
// is reported with the choice to keep the window open.
class Notes : public QObject {
  Q_OBJECT
 public:
  Notes(Form1& form, const Environment& env);

  // Opens the window, or brings an open one back beside the main window
  // with its text as it is.
  void open();

  // Saves an open window's notes; asks the user when that fails. Returns
  // false when the user chose to keep the program open.
  bool saveBeforeExit();

  // Saves an open window's notes without asking (the session is ending).
  void saveQuietly();

  Form3* window() const { return window_; }

 signals:
  // The notes window closed after its notes were saved (or discarded).
  void windowClosed();

 private:
  bool save(QString* reason);
  bool onWindowClosing();
  bool askAfterFailure();
  void placeBesideMainWindow();

  Form1& form_;
  const Environment& env_;
  std::filesystem::path path_;
  QPointer<Form3> window_;
  bool savedForExit_ = false;
};

}  // namespace tovalin
