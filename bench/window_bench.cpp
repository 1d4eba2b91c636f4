#include <benchmark/benchmark.h>

#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "app/environment.hpp"
#include "app/form1.hpp"
#include "app/program.hpp"
#include "countdown/countdown.hpp"

namespace tovalin {
namespace {

class NoDialogs : public Dialogs {
 public:
  void information(QWidget*, const QString&, const QString&) override {}
  void warning(QWidget*, const QString&, const QString&) override {}
  SaveFailure notesNotSaved(QWidget*, const QString&) override { return SaveFailure::KeepOpen; }
};

// One whole tick in the shown window, a second later each time: the file
// already holds the date, so it is read and compared but not written.
void BM_WindowTick(benchmark::State& state) {
  QTemporaryDir dir;
  NoDialogs dialogs;
  LocalDateTime now = MakeLocal(2025, 3, 1, 10, 30, 15);
  Environment env;
  env.clock = [&now] { return now; };
  env.dataFolder = dir.path().toStdString();
  env.dialogs = &dialogs;
  Program program(env);
  program.start();
  program.form().Text1->setText(QStringLiteral("06/15/2025"));
  program.countdown().tick();
  for (auto _ : state) {
    now += std::chrono::seconds{1};
    program.countdown().tick();
  }
}
BENCHMARK(BM_WindowTick);

}  // namespace
}  // namespace tovalin
