#pragma once

// Designs a channel's prediction filter: the autocorrelation of its +-1 bits,
// the least-squares predictor by Levinson-Durbin, the order cut where longer
// filters stop paying, and coefficients scaled into -255..255.

#include "dst/prediction.h"

#include <array>

namespace orvi::engine::dst {

using Autocorrelation = std::array<double, kMaxPredictionOrder + 1>;

// r[k] = sum over t >= k of x[t] * x[t-k], x = +-1, for k = 0..maxLag.
Autocorrelation autocorrelation(const ChannelBits& bits, int maxLag);

// The quantised filter of order at most `maxOrder` for `r` (which may be the
// sum of several channels' autocorrelations); `adaptive` false: keep every
// order up to maxOrder that lowers the error at all.
Filter designFilter(const Autocorrelation& r, int maxOrder, bool adaptive = true);

// The energy the filter's best-scaled prediction leaves unexplained on a
// channel with autocorrelation `r` (0 = every bit predicted).
double residualEnergy(const Filter& filter, const Autocorrelation& r);

} // namespace orvi::engine::dst
