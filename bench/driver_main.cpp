// The benchmark driver: seeds the class key with each number of connections in turn, times
// Varenkel.exe against its baselines on that registry, and prints the report as Markdown.
// scripts/bench runs it under Wine in a throwaway prefix; it is no test.
//
//   varenkel_bench --varenkel=EXE --empty-window=EXE --prefix=DIR [--varenkel-x86=EXE]
//                  [--empty-window-x86=EXE] [--counts=10,1000,10000] [--runs=7]
//                  [--memory-counts=10,1000] [--refreshes=100]
// Paths are Windows paths; DIR is the Wine prefix, whose registry files show the server's saves.
#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "bench/bench_connections.h"
#include "bench/clock.h"
#include "bench/empty_window.h"
#include "bench/program_runs.h"
#include "bench/raw_loops.h"
#include "bench/registry_saves.h"
#include "bench/report.h"
#include "bench/statistics.h"
#include "tests/e2e/class_key.h"

namespace {

struct Options {
  std::string varenkel;
  std::string empty_window;
  std::string varenkel_x86;
  std::string empty_window_x86;
  std::string prefix;
  std::vector<int> counts = {10, 1000, 10000};
  std::vector<int> memory_counts = {10, 1000};
  int runs = 7;
  int refreshes = 100;
};

// The empty window's peak working set is the median of this many starts.
constexpr int kEmptyWindowMemorySamples = 3;
// Time for a freshly shown window to paint before its memory is read.
constexpr DWORD kSettleMs = 200;

const double kStarted = NowSeconds();

void Progress(const char* format, ...) {
  std::fprintf(stderr, "[%6.1f s] ", NowSeconds() - kStarted);
  va_list arguments;
  va_start(arguments, format);
  std::vfprintf(stderr, format, arguments);
  va_end(arguments);
  std::fputc('\n', stderr);
}

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "varenkel_bench: %s\n", what.c_str());
  std::exit(2);
}

template <typename Value>
Value Required(std::optional<Value> value, const std::string& what) {
  if (!value) Fail(what);
  return *value;
}

std::vector<int> NumberList(const std::string& text) {
  std::vector<int> numbers;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find(',', start);
    if (end == std::string::npos) end = text.size();
    numbers.push_back(std::atoi(text.substr(start, end - start).c_str()));
    start = end + 1;
  }
  return numbers;
}

Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    std::string argument = argv[i];
    size_t equals = argument.find('=');
    std::string name = argument.substr(0, equals);
    std::string value = equals == std::string::npos ? "" : argument.substr(equals + 1);
    if (name == "--varenkel") options.varenkel = value;
    else if (name == "--empty-window") options.empty_window = value;
    else if (name == "--varenkel-x86") options.varenkel_x86 = value;
    else if (name == "--empty-window-x86") options.empty_window_x86 = value;
    else if (name == "--prefix") options.prefix = value;
    else if (name == "--counts") options.counts = NumberList(value);
    else if (name == "--memory-counts") options.memory_counts = NumberList(value);
    else if (name == "--runs") options.runs = std::atoi(value.c_str());
    else if (name == "--refreshes") options.refreshes = std::atoi(value.c_str());
    else Fail("unknown argument " + argument);
  }
  if (options.varenkel.empty() || options.empty_window.empty() || options.prefix.empty())
    Fail("--varenkel, --empty-window and --prefix are needed");
  if (options.runs < 1) Fail("--runs must be at least 1");
  return options;
}

long long FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA attributes;
  if (path.empty() || !GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &attributes)) return -1;
  return static_cast<long long>((ULONGLONG{attributes.nFileSizeHigh} << 32) | attributes.nFileSizeLow);
}

int SeedConnections(int connections) {
  std::vector<SampleConnection> samples = BenchConnections(connections);
  Progress("seeding %d connections", connections);
  SeedClassKey(samples);
  if (EnumerateClassKey().size() != samples.size()) Fail("the class key did not take all connections");
  return ListedCount(samples);
}

// --- The variants of a run ---

// The raw loop in the driver's own process, with a window of the program's size shown meanwhile,
// as the program has one; messages left from showing it are dispatched before the clock starts.
std::optional<double> TimeRawLoop(RawLoop loop, int connections) {
  HWND window = CreateEmptyWindow();
  if (window == nullptr) return std::nullopt;
  ShowWindow(window, SW_SHOWNORMAL);
  ProcessPendingMessages();
  double start = NowSeconds();
  int read = ReadEveryName(loop);
  double seconds = NowSeconds() - start;
  DestroyWindow(window);
  ProcessPendingMessages();
  if (read != connections) return std::nullopt;
  return seconds;
}

std::optional<double> TimeEmptyWindowStartUp(const Options& options, int& retimed) {
  RunningProgram program;
  std::optional<double> seconds = OutsideRegistrySaves(options.prefix, retimed, [&] {
    StopProgram(program);
    return TimeStartUp(options.empty_window, -1, program);
  });
  if (!CloseProgram(program)) return std::nullopt;
  return seconds;
}

struct VarenkelSample {
  double start_up;
  double refresh;
};

// Start-up, then one rename and the refresh after it, in one process.
std::optional<VarenkelSample> TimeVarenkel(const Options& options, int listed, int& retimed) {
  RunningProgram program;
  std::optional<double> start_up = OutsideRegistrySaves(options.prefix, retimed, [&] {
    StopProgram(program);
    return TimeStartUp(options.varenkel, listed, program);
  });
  if (!start_up) return std::nullopt;
  int refreshes = 1;  // the one before the window was shown
  std::optional<double> refresh = OutsideRegistrySaves(options.prefix, retimed, [&] {
    std::optional<double> seconds = TimeRefreshAfterRename(program, listed, refreshes);
    ++refreshes;
    return seconds;
  });
  if (!CloseProgram(program) || !refresh) return std::nullopt;
  return VarenkelSample{*start_up, *refresh};
}

enum class Variant { EmptyWindow, Varenkel, RawWithEvents, RawBare };
constexpr int kVariantCount = 4;

void MeasureVariant(const Options& options, Variant variant, CountFigures& figures, bool counted) {
  switch (variant) {
    case Variant::EmptyWindow: {
      double seconds = Required(TimeEmptyWindowStartUp(options, figures.retimed), "the empty window did not start");
      if (counted) figures.empty_start_up.push_back(seconds);
      break;
    }
    case Variant::Varenkel: {
      VarenkelSample sample =
          Required(TimeVarenkel(options, figures.listed, figures.retimed), "Varenkel.exe did not start, rename or refresh as expected");
      if (counted) figures.start_up.push_back(sample.start_up);
      if (counted) figures.refresh.push_back(sample.refresh);
      break;
    }
    case Variant::RawWithEvents:
    case Variant::RawBare: {
      RawLoop loop = variant == Variant::RawBare ? RawLoop::Bare : RawLoop::ProcessingEvents;
      double seconds = Required(OutsideRegistrySaves(options.prefix, figures.retimed,
                                                     [&] { return TimeRawLoop(loop, figures.connections); }),
                                "the raw loop did not read every name");
      if (counted) (loop == RawLoop::Bare ? figures.raw_bare : figures.raw_with_events).push_back(seconds);
      break;
    }
  }
}

// Every run times each variant once, each run starting with the next variant, so that drift of the
// machine falls on all of them alike. A first run that is not counted warms Wine's caches.
CountFigures MeasureCount(const Options& options, int connections, int listed) {
  CountFigures figures{connections, listed, {}, {}, {}, {}, {}, 0};
  for (int run = -1; run < options.runs; ++run) {
    Progress("%d connections: %s %d of %d", connections, run < 0 ? "warm-up, then run" : "run", run + 1, options.runs);
    for (int i = 0; i < kVariantCount; ++i)
      MeasureVariant(options, static_cast<Variant>((run + 1 + i) % kVariantCount), figures, run >= 0);
  }
  return figures;
}

size_t EmptyWindowPeak(const Options& options) {
  std::vector<double> peaks;
  for (int sample = 0; sample < kEmptyWindowMemorySamples; ++sample) {
    RunningProgram program;
    Required(TimeStartUp(options.empty_window, -1, program), "the empty window did not start");
    Sleep(kSettleMs);
    peaks.push_back(static_cast<double>(Required(PeakWorkingSet(program.process.dwProcessId), "no memory counters")));
    CloseProgram(program);
  }
  return static_cast<size_t>(SpreadOf(peaks).median);
}

MemoryFigures MeasureMemory(const Options& options, int connections, int listed) {
  Progress("%d connections: peak working set after %d refreshes", connections, options.refreshes);
  RunningProgram program;
  Required(TimeStartUp(options.varenkel, listed, program), "Varenkel.exe did not start");
  for (int refreshes = 1; refreshes <= options.refreshes; ++refreshes)
    Required(TimeRefreshAfterRename(program, listed, refreshes), "a rename or its refresh went wrong");
  size_t peak = Required(PeakWorkingSet(program.process.dwProcessId), "no memory counters for Varenkel.exe");
  CloseProgram(program);
  return {connections, options.refreshes, peak, EmptyWindowPeak(options)};
}

bool Contains(const std::vector<int>& numbers, int number) {
  for (int n : numbers)
    if (n == number) return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  Options options = ParseOptions(argc, argv);
  BenchFigures figures{options.runs, {}, {}, {}};
  std::vector<int> counts = options.counts;
  for (int n : options.memory_counts)
    if (!Contains(counts, n)) counts.push_back(n);
  for (int connections : counts) {
    int listed = SeedConnections(connections);  // once per number: seeding 10,000 takes a while
    if (Contains(options.counts, connections)) figures.counts.push_back(MeasureCount(options, connections, listed));
    if (Contains(options.memory_counts, connections)) figures.memory.push_back(MeasureMemory(options, connections, listed));
  }
  figures.sizes = {{"Varenkel.exe", FileSize(options.varenkel), FileSize(options.varenkel_x86)},
                   {"empty window", FileSize(options.empty_window), FileSize(options.empty_window_x86)}};
  Progress("done");
  PrintReport(figures);
  return 0;
}
