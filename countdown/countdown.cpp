#include "countdown/countdown.hpp"

#include <QLineEdit>
#include <QTime>
#include <QTimer>

#include "app/controls.hpp"
#include "app/form1.hpp"
#include "app/progress_bar.hpp"
#include "app/text_file.hpp"
#include "countdown/tick.hpp"
#include "heartbeat/heartbeat.hpp"

namespace tovalin {

bool DueDateFile::keep(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return SaveIfChanged(path_,
                       EncodeTextFile({utf8.constData(), static_cast<std::size_t>(utf8.size())})) !=
         SaveResult::Failed;
}

std::optional<QString> DueDateFile::read() const {
  const auto bytes = ReadFileBytes(path_);
  if (!bytes) return std::nullopt;
  const auto text = DecodeTextFile(*bytes);
  if (!text) return std::nullopt;
  return QString::fromStdString(*text);
}

Countdown::Countdown(Form1& form, const Environment& env, Heartbeat& heartbeat)
    : QObject(&form),
      form_(form),
      env_(env),
      heartbeat_(heartbeat),
      file_(env.dataFolder / "tvl.bbd") {
  connect(form_.Timer1, &QTimer::timeout, this, &Countdown::tick);
  realign_.setSingleShot(true);
  realign_.setTimerType(Qt::PreciseTimer);
  connect(&realign_, &QTimer::timeout, this, [this] {
    form_.Timer1->start();  // counts its second afresh from here
    tick();
  });
}

namespace {
// Ticks come this long after the wall clock's second begins.
constexpr int kTickPhaseMs = 20;
constexpr int kToleranceMs = 150;
}  // namespace

void Countdown::keepInStep() {
  // Timer1 keeps its one-second interval, but where in the second it fires
  // is set by when it started and wanders with the system clock. A tick just
  // after each second begins shows every second once: none twice, none
  // skipped. Only the timing reads the real clock; the figures use env_.clock.
  const int ms = QTime::currentTime().msec();
  if ((ms - kTickPhaseMs + 1000) % 1000 < kToleranceMs || realign_.isActive()) return;
  realign_.start((kTickPhaseMs - ms + 1000) % 1000);
}

void Countdown::save() { fileInSync_ = file_.keep(form_.Text1->text()); }

void Countdown::applyTitle(LocalDateTime now) {
  if (form_.isMinimized()) {
    if (const auto title = MinimisedTitle(form_.Text1->text().toStdString(), now)) {
      form_.setWindowTitle(QString::fromStdString(*title));
    }
  } else {
    form_.setWindowTitle(QStringLiteral("Tovalin"));
  }
}

void Countdown::tick() {
  keepInStep();
  save();
  // One reading of the clock serves the whole tick, so that all figures
  // describe the same second.
  const LocalDateTime now = env_.clock();
  applyTitle(now);

  const std::string text = form_.Text1->text().toStdString();
  const TickValues values = ComputeTick(text, now);
  const TickTexts texts = FormatTickTexts(values, env_.separators);
  const auto left = form_.leftLabels();
  const auto passed = form_.passedLabels();
  for (std::size_t i = 0; i < left.size(); ++i) {
    left[i]->setCaption(QString::fromStdString(texts.left[i]));
    passed[i]->setCaption(QString::fromStdString(texts.passed[i]));
  }

  ProgressBar& bar = *form_.ProgressBar1;
  if (!bar.setValue(values.barRequest)) {
    (void)bar.setValue(bar.minimum());
    form_.Label14->setCaption(QString::fromLatin1(kOutOfRangeCaption));
    heartbeat_.switchOff();
    return;
  }
  const double percentage = ProgressPercentage(bar.value());
  form_.Label14->setCaption(QString::fromStdString(ProgressCaption(percentage, env_.separators)));
  if (bar.value() == 0.0f) heartbeat_.switchOff();
}

}  // namespace tovalin
