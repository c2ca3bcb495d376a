#include "input/dsf_interleave.h"

#include "input/dsd_bit_order.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define ORVI_HAVE_SSE2 1
#endif

namespace orvi::engine {
namespace {

#ifdef ORVI_HAVE_SSE2
// Reverses the bits of each of 16 bytes: swap neighbours, then pairs, then
// nibbles. The masks drop whatever the 16-bit shifts carry across bytes.
inline __m128i reverseBitsInBytes(__m128i v)
{
    const __m128i odd = _mm_set1_epi8(0x55);
    const __m128i pairs = _mm_set1_epi8(0x33);
    const __m128i nibbles = _mm_set1_epi8(0x0f);
    v = _mm_or_si128(_mm_and_si128(_mm_srli_epi16(v, 1), odd), _mm_slli_epi16(_mm_and_si128(v, odd), 1));
    v = _mm_or_si128(_mm_and_si128(_mm_srli_epi16(v, 2), pairs), _mm_slli_epi16(_mm_and_si128(v, pairs), 2));
    return _mm_or_si128(_mm_and_si128(_mm_srli_epi16(v, 4), nibbles), _mm_slli_epi16(_mm_and_si128(v, nibbles), 4));
}
#endif

void interleaveStereo(const uint8_t* left, const uint8_t* right, size_t count, uint8_t* out)
{
    size_t i = 0;
#ifdef ORVI_HAVE_SSE2
    for (; i + 16 <= count; i += 16) {
        const __m128i l = reverseBitsInBytes(_mm_loadu_si128(reinterpret_cast<const __m128i*>(left + i)));
        const __m128i r = reverseBitsInBytes(_mm_loadu_si128(reinterpret_cast<const __m128i*>(right + i)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 2 * i), _mm_unpacklo_epi8(l, r));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 2 * i + 16), _mm_unpackhi_epi8(l, r));
    }
#endif
    for (; i < count; ++i) {
        out[2 * i] = kReversedBits[left[i]];
        out[2 * i + 1] = kReversedBits[right[i]];
    }
}

} // namespace

void interleaveDsfBlocks(const uint8_t* blocks, size_t blockStride, int channels, size_t count, uint8_t* out)
{
    if (channels == 2) {
        interleaveStereo(blocks, blocks + blockStride, count, out);
        return;
    }
    for (int channel = 0; channel < channels; ++channel) {
        const uint8_t* block = blocks + size_t(channel) * blockStride;
        for (size_t i = 0; i < count; ++i)
            out[i * channels + channel] = kReversedBits[block[i]];
    }
}

} // namespace orvi::engine
