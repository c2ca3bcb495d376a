#pragma once

// DST's binary arithmetic coder: a 12-bit range A and a 12-bit code window.
// A symbol 1 (the prediction was right) keeps the lower A - q of the range,
// a 0 the upper q, where q is about A * p / 256 with p (1..128) the chance
// of a 0. The encoder is the exact inverse of the decoder every player uses.

#include "dst/bit_io.h"

#include <bit>
#include <cstdint>

namespace orvi::engine::dst {

inline constexpr unsigned kRangeTop = 4096;

// q for range `a` and probability `p`: the top four bits of A, with bit 7
// or-ed into the lowest, times p.
inline unsigned zeroShare(unsigned a, unsigned p)
{
    return ((a >> 8) | ((a >> 7) & 1u)) * p;
}

// Doublings that bring `a` (1..4095) back to 2048..4095.
inline int renormShift(unsigned a)
{
    return std::countl_zero(a) - 20;
}

class ArithmeticEncoder
{
public:
    explicit ArithmeticEncoder(BitWriter& out) : m_out(out) {}

    [[gnu::always_inline]] void encode(unsigned symbol, unsigned p)
    {
        const unsigned q = zeroShare(m_range, p);
        const unsigned rest = m_range - q;
        const unsigned zeroMask = (symbol & 1u) - 1u; // all ones for symbol 0
        m_low += rest & zeroMask;
        m_range = (rest & ~zeroMask) | (q & zeroMask);
        if (m_low >= kRangeTop) {
            addCarry();
            m_low -= kRangeTop;
        }
        const int shift = renormShift(m_range);
        m_pending = (m_pending << shift) | (m_low >> (12 - shift));
        m_pendingBits += shift;
        if (m_pendingBits >= 32)
            flushPending();
        m_low = (m_low << shift) & (kRangeTop - 1);
        m_range <<= shift;
    }

    // Writes the 12-bit value in [low, low + range) that ends in the most
    // zero bits, so the decoder stops reading within 20 bits of the end.
    void finish()
    {
        for (int zeros = 12; zeros >= 0; --zeros) {
            const unsigned mask = (1u << zeros) - 1u;
            unsigned value = (m_low + mask) & ~mask;
            if (value >= m_low + m_range)
                continue;
            if (value >= kRangeTop) {
                addCarry();
                value -= kRangeTop;
            }
            m_out.put(uint32_t(m_pending), m_pendingBits);
            m_out.put(value, 12);
            return;
        }
    }

private:
    // The newest bits stay in a register-sized buffer (the hot loop's state),
    // older ones in the writer.
    void addCarry()
    {
        if (addOne(m_pending, m_pendingBits))
            m_out.addCarry();
    }

    [[gnu::noinline]] void flushPending()
    {
        m_pendingBits -= 32;
        m_out.put(uint32_t(m_pending >> m_pendingBits), 32);
        m_pending &= (uint64_t(1) << m_pendingBits) - 1;
    }

    BitWriter& m_out;
    unsigned m_range = kRangeTop - 1;
    unsigned m_low = 0;
    uint64_t m_pending = 0;
    int m_pendingBits = 0; // below 32 between symbols
};

class ArithmeticDecoder
{
public:
    explicit ArithmeticDecoder(BitReader& in) : m_in(in), m_code(in.get(12)) {}

    unsigned decode(unsigned p)
    {
        const unsigned q = zeroShare(m_range, p);
        const unsigned rest = m_range - q;
        const unsigned one = m_code < rest ? 1u : 0u;
        const unsigned zeroMask = one - 1u;
        m_code -= rest & zeroMask;
        m_range = (rest & ~zeroMask) | (q & zeroMask);
        const int shift = renormShift(m_range);
        m_range <<= shift;
        m_code = (m_code << shift) | m_in.get(shift);
        m_doublings += size_t(shift);
        return one;
    }

    size_t doublings() const { return m_doublings; }

private:
    BitReader& m_in;
    unsigned m_range = kRangeTop - 1;
    unsigned m_code;
    size_t m_doublings = 0;
};

} // namespace orvi::engine::dst
