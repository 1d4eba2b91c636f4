#include <benchmark/benchmark.h>

#include "countdown/due_date.hpp"
#include "countdown/tick.hpp"

namespace tovalin {
namespace {

void BM_ReadDueDate(benchmark::State& state) {
  const char* const texts[] = {"06/15/2025", "2025-06-15 10:30", "06/15/2025 10:30:15 PM", "soon"};
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ParseDueDate(texts[i++ % 4]));
  }
}
BENCHMARK(BM_ReadDueDate);

// Everything one tick computes and formats, without a window.
void BM_TickArithmetic(benchmark::State& state) {
  const Separators separators;
  LocalDateTime now = MakeLocal(2025, 3, 1, 10, 30, 15);
  for (auto _ : state) {
    now += std::chrono::seconds{1};
    const TickValues values = ComputeTick("06/15/2025", now);
    const TickTexts texts = FormatTickTexts(values, separators);
    const Progress progress = ResolveProgress(values.barRequest);
    benchmark::DoNotOptimize(texts);
    benchmark::DoNotOptimize(ProgressCaption(progress.percentage, separators));
    benchmark::DoNotOptimize(MinimisedTitle("06/15/2025", now));
  }
}
BENCHMARK(BM_TickArithmetic);

}  // namespace
}  // namespace tovalin
