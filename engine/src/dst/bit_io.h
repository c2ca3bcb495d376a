#pragma once

// MSB-first bit packing for DST frames. The writer can add a carry into the
// bits already written (the arithmetic coder needs that); the reader gives
// zeros past the end, as every DST decoder does.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace orvi::engine::dst {

// Adds 1 to the `count` bits held in `bits`; true when it ripples out of them
// (they are then all 0 and the carry belongs to the bits before).
inline bool addOne(uint64_t& bits, int count)
{
    if (count == 0)
        return true;
    ++bits;
    if (bits >> count == 0)
        return false;
    bits &= (uint64_t(1) << count) - 1;
    return true;
}

class BitWriter
{
public:
    // Appends the `bits` (0..32) low bits of `value`, MSB first. Whole
    // words go to the bytes, so the arithmetic coder's hot loop stays short.
    void put(uint32_t value, int bits)
    {
        m_acc = (m_acc << bits) | (value & ((uint64_t(1) << bits) - 1));
        m_accBits += bits;
        if (m_accBits >= 32)
            flushWord();
    }

    // Adds 1 at the last bit written, rippling into earlier bits.
    void addCarry()
    {
        if (!addOne(m_acc, m_accBits))
            return;
        for (auto byte = m_bytes.rbegin(); byte != m_bytes.rend(); ++byte)
            if (++*byte != 0)
                return;
    }

    size_t bitCount() const { return m_bytes.size() * 8 + size_t(m_accBits); }

    // The bytes, the last one padded with 0 bits.
    std::vector<uint8_t> take()
    {
        if (m_accBits % 8)
            put(0, 8 - m_accBits % 8);
        for (; m_accBits > 0; m_accBits -= 8)
            m_bytes.push_back(static_cast<uint8_t>(m_acc >> (m_accBits - 8)));
        m_acc = 0;
        return std::move(m_bytes);
    }

private:
    [[gnu::noinline]] void flushWord()
    {
        m_accBits -= 32;
        const auto word = static_cast<uint32_t>(m_acc >> m_accBits);
        for (int shift = 24; shift >= 0; shift -= 8)
            m_bytes.push_back(static_cast<uint8_t>(word >> shift));
        m_acc &= (uint64_t(1) << m_accBits) - 1;
    }

    std::vector<uint8_t> m_bytes;
    uint64_t m_acc = 0;
    int m_accBits = 0;
};

class BitReader
{
public:
    explicit BitReader(std::span<const uint8_t> bytes) : m_bytes(bytes) {}

    uint32_t bit()
    {
        const size_t at = m_position++;
        return at < m_bytes.size() * 8 ? (m_bytes[at >> 3] >> (7 - (at & 7))) & 1u : 0u;
    }

    uint32_t get(int bits)
    {
        uint32_t value = 0;
        for (int i = 0; i < bits; ++i)
            value = (value << 1) | bit();
        return value;
    }

    // Two's complement field.
    int32_t getSigned(int bits)
    {
        const uint32_t value = get(bits);
        return static_cast<int32_t>(value) - ((value >> (bits - 1)) ? (int32_t(1) << bits) : 0);
    }

    size_t position() const { return m_position; }
    size_t size() const { return m_bytes.size() * 8; }
    bool pastEnd() const { return m_position > size(); }

private:
    std::span<const uint8_t> m_bytes;
    size_t m_position = 0;
};

} // namespace orvi::engine::dst
