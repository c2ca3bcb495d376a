#include "dst/side_info.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace orvi::engine::dst {

namespace {

// What one kind of value list (filter or table) looks like in the frame.
struct ValueKind {
    int lengthBits;    // order - 1 or length - 1
    int rawBits;       // one raw value
    int rawOffset;     // subtracted before writing a raw value
    int maxRiceM;      // the largest Rice parameter the reference tools use
    int weights[3][3]; // CCP predictor weights for methods 0..2
};

constexpr ValueKind kFilterKind{7, 9, 0, 6, {{-8, 0, 0}, {-16, 8, 0}, {-9, -5, 6}}};
constexpr ValueKind kTableKind{6, 7, 1, 4, {{-8, 0, 0}, {-16, 8, 0}, {-24, 24, -8}}};

// floor((x + 4) / 8) for any sign.
int ccpRounding(int x)
{
    return (x + 4) >> 3;
}

int ccpPrediction(const ValueKind& kind, int method, std::span<const int> values, size_t at)
{
    int x = 0;
    for (int i = 0; i <= method; ++i)
        x += kind.weights[method][i] * values[at - 1 - size_t(i)];
    return ccpRounding(x);
}

struct Coding {
    bool coded = false;
    int method = 0;
    int riceM = 0;
    size_t bits = 0; // of the values and their coding fields, after the length field
};

size_t riceBits(int residual, int m)
{
    const unsigned magnitude = unsigned(std::abs(residual));
    return (magnitude >> m) + 1 + size_t(m) + (residual != 0 ? 1 : 0);
}

Coding bestCoding(const ValueKind& kind, std::span<const int> values, bool codedFlag)
{
    Coding best;
    best.bits = (codedFlag ? 1 : 0) + values.size() * size_t(kind.rawBits);
    if (!codedFlag)
        return best;
    for (int method = 0; method < 3; ++method) {
        if (values.size() <= size_t(method) + 1)
            break;
        for (int m = 0; m <= kind.maxRiceM; ++m) {
            size_t bits = 1 + 2 + size_t(method + 1) * size_t(kind.rawBits) + 3;
            for (size_t j = size_t(method) + 1; j < values.size() && bits < best.bits; ++j)
                bits += riceBits(values[j] + ccpPrediction(kind, method, values, j), m);
            if (bits < best.bits)
                best = {true, method, m, bits};
        }
    }
    return best;
}

void writeRice(BitWriter& out, int residual, int m)
{
    const unsigned magnitude = unsigned(std::abs(residual));
    for (unsigned zeros = magnitude >> m; zeros > 0;) {
        const unsigned run = zeros < 32 ? zeros : 31;
        out.put(0, int(run));
        zeros -= run;
    }
    out.put(1, 1);
    out.put(magnitude, m);
    if (residual != 0)
        out.put(residual < 0 ? 1 : 0, 1);
}

void writeValues(BitWriter& out, const ValueKind& kind, std::span<const int> values, bool codedFlag, bool rawOnly)
{
    const Coding coding = rawOnly ? Coding{} : bestCoding(kind, values, codedFlag);
    out.put(uint32_t(values.size() - 1), kind.lengthBits);
    if (codedFlag)
        out.put(coding.coded ? 1 : 0, 1);
    const size_t rawCount = coding.coded ? size_t(coding.method) + 1 : values.size();
    if (coding.coded)
        out.put(uint32_t(coding.method), 2);
    for (size_t j = 0; j < rawCount; ++j)
        out.put(uint32_t(values[j] - kind.rawOffset), kind.rawBits);
    if (!coding.coded)
        return;
    out.put(uint32_t(coding.riceM), 3);
    for (size_t j = rawCount; j < values.size(); ++j)
        writeRice(out, values[j] + ccpPrediction(kind, coding.method, values, j), coding.riceM);
}

// A residual's magnitude never needs more than this many leading zeros; a
// longer run means the frame is damaged.
constexpr unsigned kMaxRiceZeros = 1024;

bool readValues(BitReader& in, const ValueKind& kind, std::vector<int>& values, bool signedRaw, const char* what,
                std::string& error)
{
    const size_t count = in.get(kind.lengthBits) + 1;
    values.assign(count, 0);
    // A one-entry table has no coding flag and means 50 % (as in the reference decoder).
    if (!signedRaw && count == 1) {
        values[0] = 128;
        return true;
    }
    const bool coded = in.bit();
    size_t rawCount = count;
    int method = 0;
    if (coded) {
        method = int(in.get(2));
        if (method == 3) {
            error = std::string(what) + " uses the undefined coding method 3";
            return false;
        }
        if (size_t(method) + 1 >= count) {
            error = std::string(what) + " is too short for its coding method";
            return false;
        }
        rawCount = size_t(method) + 1;
    }
    for (size_t j = 0; j < rawCount; ++j)
        values[j] = (signedRaw ? in.getSigned(kind.rawBits) : int(in.get(kind.rawBits))) + kind.rawOffset;
    if (coded) {
        const int m = int(in.get(3));
        for (size_t j = rawCount; j < count; ++j) {
            unsigned zeros = 0;
            while (!in.bit()) {
                if (++zeros > kMaxRiceZeros || in.pastEnd()) {
                    error = in.pastEnd() ? "the frame ends inside its header"
                                         : std::string(what) + " has a broken Rice code";
                    return false;
                }
            }
            const int magnitude = int((zeros << m) | in.get(m));
            const int residual = magnitude != 0 && in.bit() ? -magnitude : magnitude;
            values[j] = residual - ccpPrediction(kind, method, values, j);
        }
    }
    return true;
}

} // namespace

size_t filterBits(const Filter& filter)
{
    const std::span<const int> values(filter.coefficients.data(), size_t(filter.order));
    return size_t(kFilterKind.lengthBits) + bestCoding(kFilterKind, values, true).bits;
}

size_t tableBits(const ProbabilityTable& table)
{
    return size_t(kTableKind.lengthBits) + bestCoding(kTableKind, table.entries, true).bits;
}

TableCostModel::TableCostModel(std::span<const int> entries) : m_entries(entries)
{
    static_assert(kRiceParameters == kTableKind.maxRiceM + 1);
    for (int method = 0; method < kMethods; ++method) {
        for (int m = 0; m < kRiceParameters; ++m) {
            auto& prefix = m_prefix[size_t(method)][size_t(m)];
            for (size_t j = 0; j < entries.size(); ++j) {
                const bool residual = j > size_t(method);
                prefix[j + 1] = prefix[j]
                    + (residual ? uint32_t(riceBits(entries[j] + ccpPrediction(kTableKind, method, entries, j), m))
                                : 0);
            }
        }
    }
}

size_t TableCostModel::bits(int length, int tail) const
{
    const size_t last = size_t(length - 1);
    size_t best = 1 + size_t(length) * size_t(kTableKind.rawBits);
    for (int method = 0; method < kMethods && size_t(method) + 1 < size_t(length); ++method) {
        // The tail's residual is predicted from the entries before it.
        int x = 0;
        for (int i = 0; i <= method; ++i)
            x += kTableKind.weights[method][i] * m_entries[last - 1 - size_t(i)];
        const int tailResidual = tail + ccpRounding(x);
        for (int m = 0; m < kRiceParameters; ++m) {
            const size_t bits = 1 + 2 + size_t(method + 1) * size_t(kTableKind.rawBits) + 3
                + m_prefix[size_t(method)][size_t(m)][last] + riceBits(tailResidual, m);
            best = std::min(best, bits);
        }
    }
    return size_t(kTableKind.lengthBits) + best;
}

void writeFilter(BitWriter& out, const Filter& filter, bool rawOnly)
{
    writeValues(out, kFilterKind, std::span<const int>(filter.coefficients.data(), size_t(filter.order)), true,
                rawOnly);
}

void writeTable(BitWriter& out, const ProbabilityTable& table, bool rawOnly)
{
    writeValues(out, kTableKind, table.entries, true, rawOnly);
}

bool readFilter(BitReader& in, Filter& filter, std::string& error)
{
    std::vector<int> values;
    if (!readValues(in, kFilterKind, values, true, "a filter", error))
        return false;
    filter = {};
    filter.order = int(values.size());
    for (size_t i = 0; i < values.size(); ++i) {
        if (values[i] < -256 || values[i] > 255) {
            error = "a filter coefficient is out of range";
            return false;
        }
        filter.coefficients[i] = values[i];
    }
    return true;
}

bool readTable(BitReader& in, ProbabilityTable& table, std::string& error)
{
    if (!readValues(in, kTableKind, table.entries, false, "a probability table", error))
        return false;
    for (const int entry : table.entries) {
        if (entry < 1 || entry > 128) {
            error = "a probability table entry is out of range";
            return false;
        }
    }
    return true;
}

} // namespace orvi::engine::dst
