#pragma once

// Puts integers and strings at byte offsets of a descriptor: big-endian for
// the disc's own structures, little-endian (and both) for the file systems.

#include <cstdint>
#include <cstring>
#include <string>

namespace orvi::engine {

class ByteWriter
{
public:
    explicit ByteWriter(uint8_t* base) : m_base(base) {}

    uint8_t* at(size_t offset) const { return m_base + offset; }
    void u8(size_t at, uint32_t v) { m_base[at] = uint8_t(v); }
    void be16(size_t at, uint32_t v) { u8(at, v >> 8 & 0xff), u8(at + 1, v & 0xff); }
    void be32(size_t at, uint32_t v) { be16(at, v >> 16), be16(at + 2, v & 0xffff); }
    void le16(size_t at, uint32_t v) { u8(at, v & 0xff), u8(at + 1, v >> 8 & 0xff); }
    void le32(size_t at, uint32_t v) { le16(at, v & 0xffff), le16(at + 2, v >> 16); }
    void le64(size_t at, uint64_t v) { le32(at, uint32_t(v)), le32(at + 4, uint32_t(v >> 32)); }
    void both16(size_t at, uint32_t v) { le16(at, v), be16(at + 2, v); }
    void both32(size_t at, uint32_t v) { le32(at, v), be32(at + 4, v); }
    void bytes(size_t at, const std::string& s) { std::memcpy(m_base + at, s.data(), s.size()); }
    // `s` cut or padded with spaces to `width`.
    void padded(size_t at, const std::string& s, size_t width)
    {
        std::memset(m_base + at, ' ', width);
        bytes(at, s.substr(0, width));
    }

private:
    uint8_t* m_base;
};

} // namespace orvi::engine
