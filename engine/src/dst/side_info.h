#pragma once

// Filter coefficients and probability tables in a frame: each written raw or
// predicted from its neighbours (CCP methods 0..2) with Rice-coded residuals,
// whichever is shorter; and read back strictly.

#include "dst/bit_io.h"
#include "dst/prediction.h"

#include <span>
#include <string>
#include <vector>

namespace orvi::engine::dst {

inline constexpr int kMaxTableLength = 64;

struct ProbabilityTable {
    std::vector<int> entries; // 1..128: the chance (in 1/256) that a prediction is wrong; 2..64 of them
};

// Bits the shortest coding of a filter or table takes.
size_t filterBits(const Filter& filter);
size_t tableBits(const ProbabilityTable& table);

// `rawOnly`: never Rice-code (the simple strategy).
void writeFilter(BitWriter& out, const Filter& filter, bool rawOnly = false);
void writeTable(BitWriter& out, const ProbabilityTable& table, bool rawOnly = false);

// False with `error` set on a field no decoder accepts.
bool readFilter(BitReader& in, Filter& filter, std::string& error);
bool readTable(BitReader& in, ProbabilityTable& table, std::string& error);

} // namespace orvi::engine::dst
