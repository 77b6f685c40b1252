// Timing figures for the level benchmarks; see FrameStats.h.
#include "FrameStats.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {
const double kBudget = 1.0 / 60.0;
}

FrameStats::FrameStats(const char* statName, int expected) : name(statName) {
  samples.reserve(static_cast<size_t>(expected));
}

double FrameStats::Total() const {
  double total = 0.0;
  for (double s : samples) total += s;
  return total;
}

double FrameStats::Median() const {
  if (samples.empty()) return 0.0;
  std::vector<double> sorted(samples);
  std::sort(sorted.begin(), sorted.end());
  size_t n = sorted.size();
  return n % 2 ? sorted[n / 2] : 0.5 * (sorted[n / 2 - 1] + sorted[n / 2]);
}

void FrameStats::Print() const {
  if (samples.empty()) {
    std::printf("  %-22s no samples\n", name);
    return;
  }
  std::vector<double> sorted(samples);
  std::sort(sorted.begin(), sorted.end());
  size_t n = sorted.size();
  double mean = Total() / static_cast<double>(n);
  double median = Median();
  double p99 = sorted[std::min(n - 1, n * 99 / 100)];
  double worst = sorted.back();
  std::printf("  %-22s mean %8.3f ms  median %8.3f  p99 %8.3f  worst %8.3f  (mean %5.1f%%, worst %5.1f%% of 1/60 s)\n",
              name, mean * 1e3, median * 1e3, p99 * 1e3, worst * 1e3, 100.0 * mean / kBudget, 100.0 * worst / kBudget);
}

double BenchNow() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}
