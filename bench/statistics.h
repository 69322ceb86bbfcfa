// Summaries of repeated samples: the median and the range they spread over.
#pragma once

#include <vector>

struct Spread {
  double median;
  double low;
  double high;
};

// For a non-empty list of samples.
Spread SpreadOf(std::vector<double> samples);
// Each sample of `measured` divided by the baseline's sample of the same run.
std::vector<double> RatiosPerRun(const std::vector<double>& measured, const std::vector<double>& baseline);
