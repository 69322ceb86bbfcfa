// The figures of one benchmark run and the Markdown report made of them (docs/performance.md).
#pragma once

#include <cstddef>
#include <vector>

// Seconds per run, each list in run order, so that ratios are taken within a run.
struct CountFigures {
  int connections;
  int listed;
  std::vector<double> start_up;        // Varenkel.exe
  std::vector<double> empty_start_up;  // the empty-window program
  std::vector<double> refresh;         // RefreshConnectionList after a rename
  std::vector<double> raw_with_events;
  std::vector<double> raw_bare;
  int retimed;  // samples thrown away because a registry save fell into them
};

struct MemoryFigures {
  int connections;
  int refreshes;
  size_t varenkel_peak;  // bytes
  size_t empty_peak;
};

struct ExeSize {
  const char* program;
  long long x64;  // bytes; -1 when the exe was not there
  long long x86;
};

struct BenchFigures {
  int runs;
  std::vector<CountFigures> counts;
  std::vector<MemoryFigures> memory;
  std::vector<ExeSize> sizes;
};

// Prints the tables and which goals were met, as Markdown on stdout.
void PrintReport(const BenchFigures& figures);
