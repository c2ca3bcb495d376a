#pragma once

// Filter coefficients and probability tables in a frame: each written raw or
// predicted from its neighbours (CCP methods 0..2) with Rice-coded residuals,
// whichever is shorter; and read back strictly.

#include "dst/bit_io.h"
#include "dst/prediction.h"

#include <array>
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

// tableBits() of every table made of entries[0 .. length-2] and a last
// entry `tail`, without coding each one: the table-length search asks for
// all lengths 2..64 of every channel in every frame.
class TableCostModel
{
public:
    explicit TableCostModel(std::span<const int> entries); // kMaxTableLength entries
    size_t bits(int length, int tail) const;

private:
    static constexpr int kMethods = 3;
    static constexpr int kRiceParameters = 5;
    std::span<const int> m_entries;
    // Rice bits of the residuals before index j, per method and parameter.
    std::array<std::array<std::array<uint32_t, kMaxTableLength + 1>, kRiceParameters>, kMethods> m_prefix{};
};

// `rawOnly`: never Rice-code (the simple strategy).
void writeFilter(BitWriter& out, const Filter& filter, bool rawOnly = false);
void writeTable(BitWriter& out, const ProbabilityTable& table, bool rawOnly = false);

// False with `error` set on a field no decoder accepts.
bool readFilter(BitReader& in, Filter& filter, std::string& error);
bool readTable(BitReader& in, ProbabilityTable& table, std::string& error);

} // namespace orvi::engine::dst
