#include "bench/report.h"

#include <cstdio>
#include <string>

#include "bench/statistics.h"

namespace {

constexpr double kRefreshGoalWithEvents = 1.10;
constexpr double kRefreshGoalBare = 1.30;
constexpr double kStartUpGoal = 1.15;
constexpr long long kExeSizeGoal = 256 * 1024;
constexpr double kWorkingSetGoal = 1.10;
constexpr int kStartUpGoalConnections = 10;
constexpr int kRefreshGoalConnections = 10000;

std::string Grouped(long long number) {
  std::string digits = std::to_string(number);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(static_cast<size_t>(at), ",");
  return digits;
}

template <typename... Numbers>
std::string Formatted(const char* format, Numbers... numbers) {
  char text[96];
  std::snprintf(text, sizeof text, format, numbers...);
  return text;
}

std::string Milliseconds(const std::vector<double>& seconds) {
  Spread spread = SpreadOf(seconds);
  return Formatted("%.1f (%.1f-%.1f)", spread.median * 1000, spread.low * 1000, spread.high * 1000);
}

std::string Ratio(const Spread& spread) { return Formatted("%.2fx (%.2f-%.2f)", spread.median, spread.low, spread.high); }

Spread RatioSpread(const std::vector<double>& measured, const std::vector<double>& baseline) {
  return SpreadOf(RatiosPerRun(measured, baseline));
}

std::string Kib(double bytes) { return Formatted("%.1f KiB", bytes / 1024); }

std::string Bytes(long long bytes) {
  if (bytes < 0) return "not built";
  return Grouped(bytes) + " B (" + Kib(static_cast<double>(bytes)) + ")";
}

const char* Verdict(bool met) { return met ? "**met**" : "**missed**"; }

const CountFigures* FiguresFor(const BenchFigures& figures, int connections) {
  for (const CountFigures& count : figures.counts)
    if (count.connections == connections) return &count;
  return nullptr;
}

void PrintStartUp(const BenchFigures& figures) {
  std::printf("### Start-up\n\nFrom CreateProcess until the window is visible and answers messages (for Varenkel.exe: "
              "with the list filled). Milliseconds, median (min-max); ratio per run.\n\n");
  std::printf("| connections | listed | Varenkel.exe | empty window | ratio |\n|---:|---:|---:|---:|---:|\n");
  for (const CountFigures& count : figures.counts)
    std::printf("| %s | %s | %s | %s | %s |\n", Grouped(count.connections).c_str(), Grouped(count.listed).c_str(),
                Milliseconds(count.start_up).c_str(), Milliseconds(count.empty_start_up).c_str(),
                Ratio(RatioSpread(count.start_up, count.empty_start_up)).c_str());
}

void PrintRefresh(const BenchFigures& figures) {
  std::printf("\n### Refresh after a rename\n\nFrom the dismissal of the rename's message box until the list is "
              "filled again, against the two raw loops over the same registry in the same run. Milliseconds, median "
              "(min-max); ratios per run.\n\n");
  std::printf("| connections | listed | RefreshConnectionList | raw loop + messages | bare raw loop | "
              "/ raw + messages | / bare raw |\n|---:|---:|---:|---:|---:|---:|---:|\n");
  for (const CountFigures& count : figures.counts)
    std::printf("| %s | %s | %s | %s | %s | %s | %s |\n", Grouped(count.connections).c_str(),
                Grouped(count.listed).c_str(), Milliseconds(count.refresh).c_str(),
                Milliseconds(count.raw_with_events).c_str(), Milliseconds(count.raw_bare).c_str(),
                Ratio(RatioSpread(count.refresh, count.raw_with_events)).c_str(),
                Ratio(RatioSpread(count.refresh, count.raw_bare)).c_str());
  std::printf("\nPer subkey (median): ");
  for (const CountFigures& count : figures.counts)
    std::printf("%s%s: refresh %.1f us, raw + messages %.1f us, bare %.1f us", &count == &figures.counts.front() ? "" : "; ",
                Grouped(count.connections).c_str(), SpreadOf(count.refresh).median * 1e6 / count.connections,
                SpreadOf(count.raw_with_events).median * 1e6 / count.connections,
                SpreadOf(count.raw_bare).median * 1e6 / count.connections);
  std::printf(".\n\nSamples timed again because a registry save of the wineserver fell into them: ");
  for (const CountFigures& count : figures.counts)
    std::printf("%s%s: %d", &count == &figures.counts.front() ? "" : ", ", Grouped(count.connections).c_str(),
                count.retimed);
  std::printf(".\n");
}

void PrintSizes(const BenchFigures& figures) {
  std::printf("\n### Exe sizes\n\n| program | x64 | x86 |\n|---|---:|---:|\n");
  for (const ExeSize& size : figures.sizes)
    std::printf("| %s | %s | %s |\n", size.program, Bytes(size.x64).c_str(), Bytes(size.x86).c_str());
}

void PrintMemory(const BenchFigures& figures) {
  std::printf("\n### Peak working set\n\nPeakWorkingSetSize of each process, read by the driver; Varenkel.exe after "
              "its refreshes, the empty window once shown.\n\n");
  std::printf("| connections | refreshes | Varenkel.exe | empty window | ratio |\n|---:|---:|---:|---:|---:|\n");
  for (const MemoryFigures& memory : figures.memory)
    std::printf("| %s | %d | %s | %s | %.2fx |\n", Grouped(memory.connections).c_str(), memory.refreshes,
                Kib(static_cast<double>(memory.varenkel_peak)).c_str(), Kib(static_cast<double>(memory.empty_peak)).c_str(),
                static_cast<double>(memory.varenkel_peak) / static_cast<double>(memory.empty_peak));
}

void PrintGoals(const BenchFigures& figures) {
  std::printf("\n### Goals\n\n");
  if (const CountFigures* count = FiguresFor(figures, kRefreshGoalConnections)) {
    double with_events = RatioSpread(count->refresh, count->raw_with_events).median;
    double bare = RatioSpread(count->refresh, count->raw_bare).median;
    std::printf("- Refresh at %s connections within %.2fx of the raw loop with messages: %s (%.2fx).\n",
                Grouped(kRefreshGoalConnections).c_str(), kRefreshGoalWithEvents,
                Verdict(with_events <= kRefreshGoalWithEvents), with_events);
    std::printf("- Refresh at %s connections within about %.2fx of the bare raw loop: %s (%.2fx).\n",
                Grouped(kRefreshGoalConnections).c_str(), kRefreshGoalBare, Verdict(bare <= kRefreshGoalBare), bare);
  } else {
    std::printf("- Refresh at %s connections: not measured in this run.\n", Grouped(kRefreshGoalConnections).c_str());
  }
  if (const CountFigures* count = FiguresFor(figures, kStartUpGoalConnections)) {
    double ratio = RatioSpread(count->start_up, count->empty_start_up).median;
    std::printf("- Start-up with %d connections within %.2fx of the empty window: %s (%.2fx).\n",
                kStartUpGoalConnections, kStartUpGoal, Verdict(ratio <= kStartUpGoal), ratio);
  } else {
    std::printf("- Start-up with %d connections: not measured in this run.\n", kStartUpGoalConnections);
  }
  for (const ExeSize& size : figures.sizes)
    if (size.program == std::string("Varenkel.exe"))
      std::printf("- x64 Varenkel.exe under 256 KiB: %s (%s).\n", Verdict(size.x64 >= 0 && size.x64 < kExeSizeGoal),
                  Bytes(size.x64).c_str());
  for (const MemoryFigures& memory : figures.memory) {
    double ratio = static_cast<double>(memory.varenkel_peak) / static_cast<double>(memory.empty_peak);
    std::printf("- Peak working set after %d refreshes of %s connections within 10%% of the empty window's: %s "
                "(%.2fx).\n",
                memory.refreshes, Grouped(memory.connections).c_str(), Verdict(ratio <= kWorkingSetGoal), ratio);
  }
}

}  // namespace

void PrintReport(const BenchFigures& figures) {
  std::printf("%d runs per figure, the variants interleaved within each run.\n\n", figures.runs);
  PrintStartUp(figures);
  PrintRefresh(figures);
  PrintSizes(figures);
  PrintMemory(figures);
  PrintGoals(figures);
}
