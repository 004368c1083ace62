#pragma once

#include <algorithm>
#include <vector>

namespace bench {

// The middle sample, or the mean of the middle two; the samples must not be empty.
inline double Median(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  const std::size_t middle = samples.size() / 2;
  return samples.size() % 2 != 0 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

}  // namespace bench
