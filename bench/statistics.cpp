#include "bench/statistics.h"

#include <algorithm>

Spread SpreadOf(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  size_t middle = samples.size() / 2;
  double median = samples.size() % 2 == 1 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
  return {median, samples.front(), samples.back()};
}

std::vector<double> RatiosPerRun(const std::vector<double>& measured, const std::vector<double>& baseline) {
  std::vector<double> ratios;
  for (size_t run = 0; run < measured.size() && run < baseline.size(); ++run)
    ratios.push_back(measured[run] / baseline[run]);
  return ratios;
}
