#pragma once

#include <memory>

#include "app/environment.hpp"

namespace tovalin {

class Activation;
class Countdown;
class DueDateEntry;
class FocusRelease;
class Form1;
class Heartbeat;
class Links;
class Notes;
class WeekSelection;

// The whole program: the main window and every subsystem's reactions, wired
// to the controls each one owns.
class Program {
 public:
  explicit Program(Environment env);
  ~Program();

  // Centres the main window on the screen, shows it and brings it up to date.
  void start();

  // Saves what the user typed, as the program ends for any reason.
  void saveAtExit();

  Form1& form() { return *form_; }
  Countdown& countdown() { return *countdown_; }
  FocusRelease& focusRelease() { return *focusRelease_; }
  Heartbeat& heartbeat() { return *heartbeat_; }
  WeekSelection& weekSelection() { return *weekSelection_; }
  Activation& activation() { return *activation_; }
  Notes& notes() { return *notes_; }

 private:
  Environment env_;
  std::unique_ptr<Form1> form_;
  // The subsystems are children of the main window and end with it.
  Heartbeat* heartbeat_;
  Countdown* countdown_;
  FocusRelease* focusRelease_;
  WeekSelection* weekSelection_;
  DueDateEntry* dueDateEntry_;
  Activation* activation_;
  Notes* notes_;
  Links* links_;
};

// Places the main window in the middle of its whole screen.
void CentreOnScreen(Form1& form);

}  // namespace tovalin
