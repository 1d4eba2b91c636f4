#include <sys/socket.h>
#include <unistd.h>
#include <QApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "app/environment.hpp"
#include "app/form1.hpp"
#include "app/program.hpp"

namespace {

int signalPipe[2] = {-1, -1};

void OnEndSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
}

// SIGTERM (a log-out, a shutdown), SIGHUP and SIGINT end the program the
// ordinary way, so that the due date and open notes are saved.
void EndOnSignals(QApplication& app) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) return;
  auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
  QObject::connect(notifier, &QSocketNotifier::activated, &app, [] { QCoreApplication::quit(); });
  struct sigaction action {};
  action.sa_handler = OnEndSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int sig : {SIGTERM, SIGHUP, SIGINT}) sigaction(sig, &action, nullptr);
}

bool HasDisplay() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform && *platform) return true;  // the caller chose a platform
  const char* display = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (display && *display) || (wayland && *wayland);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!HasDisplay()) {
    std::fprintf(stderr,
                 "tovalin: no graphical display found; start Tovalin from a desktop session.\n");
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("tovalin"));
  // The layout's colours and sizes are drawn for this style on every desktop.
  QApplication::setStyle(QStringLiteral("Fusion"));
  EndOnSignals(app);

  tovalin::MessageBoxes dialogs;
  tovalin::Program program(tovalin::SystemEnvironment(&dialogs));
  QObject::connect(&app, &QCoreApplication::aboutToQuit, [&program] { program.saveAtExit(); });
  QObject::connect(&program.form(), &tovalin::Form1::closing, &app, &QCoreApplication::quit);
  program.start();
  return app.exec();
}
