#include "input/dsf_interleave.h"

#include "input/dsd_bit_order.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define ORVI_HAVE_SSE2 1
#endif
// With GCC or Clang on x86-64 an AVX2 path is compiled as well and chosen at
// run time when the processor has it: it reverses bits with a nibble table
// lookup, 32 bytes at a time.
#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>
#define ORVI_HAVE_AVX2_PATH 1
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

#ifdef ORVI_HAVE_AVX2_PATH
__attribute__((target("avx2"))) inline __m256i reverseBitsInBytesAvx2(__m256i v)
{
    const __m256i reversedNibbles =
        _mm256_setr_epi8(0x0, 0x8, 0x4, 0xc, 0x2, 0xa, 0x6, 0xe, 0x1, 0x9, 0x5, 0xd, 0x3, 0xb, 0x7, 0xf, 0x0, 0x8, 0x4,
                         0xc, 0x2, 0xa, 0x6, 0xe, 0x1, 0x9, 0x5, 0xd, 0x3, 0xb, 0x7, 0xf);
    const __m256i nibble = _mm256_set1_epi8(0x0f);
    const __m256i low = _mm256_shuffle_epi8(reversedNibbles, _mm256_and_si256(v, nibble));
    const __m256i high = _mm256_shuffle_epi8(reversedNibbles, _mm256_and_si256(_mm256_srli_epi16(v, 4), nibble));
    // Each byte of `low` is at most 0x0f: the 16-bit shift carries nothing
    // into its neighbour.
    return _mm256_or_si256(_mm256_slli_epi16(low, 4), high);
}

// Returns how many leading bytes per channel it interleaved (a multiple of 32).
__attribute__((target("avx2"))) size_t interleaveStereoAvx2(const uint8_t* left, const uint8_t* right, size_t count,
                                                            uint8_t* out)
{
    size_t i = 0;
    for (; i + 32 <= count; i += 32) {
        const __m256i l = reverseBitsInBytesAvx2(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(left + i)));
        const __m256i r = reverseBitsInBytesAvx2(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(right + i)));
        // The unpacks work within 128-bit lanes: put the lanes back in order.
        const __m256i first = _mm256_unpacklo_epi8(l, r);
        const __m256i second = _mm256_unpackhi_epi8(l, r);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + 2 * i), _mm256_permute2x128_si256(first, second, 0x20));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + 2 * i + 32),
                            _mm256_permute2x128_si256(first, second, 0x31));
    }
    return i;
}
#endif

void interleaveStereo(const uint8_t* left, const uint8_t* right, size_t count, uint8_t* out)
{
    size_t i = 0;
#ifdef ORVI_HAVE_AVX2_PATH
    if (__builtin_cpu_supports("avx2"))
        i = interleaveStereoAvx2(left, right, count, out);
#endif
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
