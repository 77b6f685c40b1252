// Per-frame timings gathered in a benchmark and printed as figures against
// the 1/60 s frame budget.
#pragma once
#include <vector>

class FrameStats {
 public:
  explicit FrameStats(const char* statName, int expected = 4096);
  void Add(double seconds) { samples.push_back(seconds); }
  double Total() const;
  double Median() const;  // 0 without samples
  // One line: mean, median, 99th percentile and worst in ms, and the mean's
  // and the worst's share of the frame budget.
  void Print() const;

 private:
  const char* name;
  std::vector<double> samples;
};

// Seconds on a monotonic clock.
double BenchNow();
