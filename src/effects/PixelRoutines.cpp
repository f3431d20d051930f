#include "effects/PixelRoutines.h"

#include <cstring>

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#include <emmintrin.h>
#define TAVIO_X86 1
#endif

#include "effects/Processor.h"

namespace {

void CopyLine(const TbsColor* source, TbsColor* destination, size_t n)
{
    if (source != destination) std::memmove(destination, source, n * sizeof(TbsColor));
}

void KeyCopyLine(const TbsColor* source, TbsColor* destination, size_t n)
{
    for (size_t i = 0; i < n; ++i)
        if ((source[i] & 0xFFFFFF) != TransparentKey) destination[i] = source[i] | 0xFF000000u;
}

void FillAlpha(TbsColor* pixels, size_t n, uint8_t value)
{
    const TbsColor alpha = static_cast<TbsColor>(value) << 24;
    for (size_t i = 0; i < n; ++i) pixels[i] = (pixels[i] & 0xFFFFFF) | alpha;
}

// The two blends differ in the channels mixed (colours only, alpha then 255; or all
// four) and the destination's weight (255 − α or 256 − α). Alpha 0 keeps the
// destination and 255 takes the source in both.
template <int Channels, uint32_t Whole>
void Blend(const TbsColor* source, TbsColor* destination, size_t n)
{
    for (size_t i = 0; i < n; ++i) {
        const TbsColor s = source[i], d = destination[i];
        const uint32_t a = s >> 24;
        if (a == 0) continue;
        if (a == 255) {
            destination[i] = s;
            continue;
        }
        TbsColor out = Channels == 3 ? 0xFF000000u : 0;
        for (int shift = 0; shift < 8 * Channels; shift += 8) {
            const uint32_t sc = s >> shift & 0xFF, dc = d >> shift & 0xFF;
            out |= ((sc * a + dc * (Whole - a)) >> 8) << shift;
        }
        destination[i] = out;
    }
}

} // namespace

void BlendLinePlain(const TbsColor* source, TbsColor* destination, size_t n) { Blend<3, 255>(source, destination, n); }

void BlendLineMmx(const TbsColor* source, TbsColor* destination, size_t n) { Blend<4, 256>(source, destination, n); }

#if TAVIO_X86
__attribute__((target("sse2"))) void BlendLineMmxSse2(const TbsColor* source, TbsColor* destination, size_t n)
{
    const __m128i zero = _mm_setzero_si128(), all = _mm_set1_epi16(256);
    size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + i));
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(destination + i));
        const __m128i alpha = _mm_srli_epi32(s, 24);
        // Alpha 0 keeps d and 255 takes s whole; the formula covers the rest.
        const __m128i keep = _mm_cmpeq_epi32(alpha, zero);
        const __m128i take = _mm_cmpeq_epi32(alpha, _mm_set1_epi32(255));
        // Spread each pixel's alpha over its four 16-bit channel lanes.
        __m128i a16 = _mm_or_si128(alpha, _mm_slli_epi32(alpha, 16));
        const __m128i aLo = _mm_shuffle_epi32(a16, 0x50), aHi = _mm_shuffle_epi32(a16, 0xFA);
        const __m128i sLo = _mm_unpacklo_epi8(s, zero), sHi = _mm_unpackhi_epi8(s, zero);
        const __m128i dLo = _mm_unpacklo_epi8(d, zero), dHi = _mm_unpackhi_epi8(d, zero);
        // s·α + d·(256 − α) fits 16 bits unsigned: at most 255·256.
        const __m128i lo = _mm_srli_epi16(
            _mm_add_epi16(_mm_mullo_epi16(sLo, aLo), _mm_mullo_epi16(dLo, _mm_sub_epi16(all, aLo))), 8);
        const __m128i hi = _mm_srli_epi16(
            _mm_add_epi16(_mm_mullo_epi16(sHi, aHi), _mm_mullo_epi16(dHi, _mm_sub_epi16(all, aHi))), 8);
        __m128i out = _mm_packus_epi16(lo, hi);
        out = _mm_or_si128(_mm_and_si128(take, s), _mm_andnot_si128(take, out));
        out = _mm_or_si128(_mm_and_si128(keep, d), _mm_andnot_si128(keep, out));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(destination + i), out);
    }
    BlendLineMmx(source + i, destination + i, n - i);
}

bool HasSse2()
{
    unsigned a, b, c, d;
    return __get_cpuid(1, &a, &b, &c, &d) && (d & bit_SSE2) != 0;
}
#else
void BlendLineMmxSse2(const TbsColor* source, TbsColor* destination, size_t n) { BlendLineMmx(source, destination, n); }
bool HasSse2() { return false; }
#endif

PixelRoutines MakePixelRoutines(bool mmx)
{
    PixelRoutines r{CopyLine, KeyCopyLine, BlendLinePlain, FillAlpha};
    if (mmx) r.BlendLine = HasSse2() ? BlendLineMmxSse2 : BlendLineMmx;
    return r;
}

const PixelRoutines& Routines()
{
    static const PixelRoutines routines = MakePixelRoutines(HasMmx());
    return routines;
}
