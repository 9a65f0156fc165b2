#include "skin/paint/portable/BlendBytes.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#define RDZ_BLEND_X86 1
#include <immintrin.h>
#endif

namespace {

inline std::uint8_t BlendOne(unsigned a, unsigned b, unsigned Wa, unsigned Wb) {
    const unsigned s = ((a * Wa) >> 8) + ((b * Wb) >> 8);
    return std::uint8_t((s + 127 + ((s >> 8) & 1)) >> 8);  // halves to even
}

using TBlendFn = void (*)(std::uint8_t*, const std::uint8_t*, std::size_t, unsigned, unsigned);

void ScalarLoop(std::uint8_t* a, const std::uint8_t* b, std::size_t n, unsigned Wa, unsigned Wb) {
    for (std::size_t i = 0; i < n; ++i) a[i] = BlendOne(a[i], b[i], Wa, Wb);
}

#ifdef RDZ_BLEND_X86
// Each vector holds 16-bit lanes of two bytes. The even bytes are moved to
// the high half (x << 8) and the odd bytes masked there (x & 0xFF00), so an
// unsigned high multiply by a weight gives floor(byte * W / 256) for both
// without unpacking. The weights fit 16 bits because 0 < Wb < 65536 on
// these paths.

// SSE2 and AVX2: round each lane set, then put the even results back in the
// low bytes beside the odd ones, which stay in the high bytes.
#define RDZ_BLEND_VECTOR(target_, Vec, Load, Set1, Add, And, Or, ShiftLeft, ShiftRight, MulHigh)                  \
    __attribute__((target(target_), always_inline)) inline Vec Blend(const std::uint8_t* a, const std::uint8_t* b,  \
                                                                    Vec wa, Vec wb) {                                 \
        const Vec high = Set1(short(0xFF00)), bias = Set1(127), one = Set1(1);                                         \
        const Vec va = Load(a), vb = Load(b);                                                                          \
        Vec even = Add(MulHigh(ShiftLeft(va, 8), wa), MulHigh(ShiftLeft(vb, 8), wb));                                  \
        Vec odd = Add(MulHigh(And(va, high), wa), MulHigh(And(vb, high), wb));                                         \
        even = Add(Add(even, bias), And(ShiftRight(even, 8), one));                                                    \
        odd = Add(Add(odd, bias), And(ShiftRight(odd, 8), one));                                                       \
        return Or(ShiftRight(even, 8), And(odd, high));                                                                \
    }

// The loop over whole vectors. A length that is not a multiple of the
// vector takes one more vector ending at the last byte, and the loop starts
// at the first aligned byte after one vector at the start: both extra
// vectors are computed from the untouched input before the loop and stored
// after it, overlapping bytes the loop wrote with the same values. Only
// arrays shorter than a vector go through a padded copy. Each path finishes
// its own tail: handing a few bytes to code of another instruction set costs
// more than a row (the switch of vector encodings stalls).
#define RDZ_BLEND_LOOP(target_, Name, Vec, Store, Set1)                                                               \
    __attribute__((target(target_))) void Name(std::uint8_t* a, const std::uint8_t* b, std::size_t n, unsigned Wa,   \
                                               unsigned Wb) {                                                          \
        constexpr std::size_t Width = sizeof(Vec);                                                                     \
        const Vec wa = Set1(short(Wa)), wb = Set1(short(Wb));                                                          \
        if (n < Width) {                                                                                               \
            alignas(64) std::uint8_t shortA[Width] = {}, shortB[Width] = {};                                           \
            std::memcpy(shortA, a, n);                                                                                 \
            std::memcpy(shortB, b, n);                                                                                 \
            Store(shortA, Blend(shortA, shortB, wa, wb));                                                              \
            std::memcpy(a, shortA, n);                                                                                 \
            return;                                                                                                    \
        }                                                                                                              \
        const Vec first = Blend(a, b, wa, wb);                                                                         \
        const Vec last = Blend(a + n - Width, b + n - Width, wa, wb);                                                  \
        std::size_t i = (Width - reinterpret_cast<std::uintptr_t>(a) % Width) % Width;                                 \
        for (; i + Width <= n; i += Width) Store(a + i, Blend(a + i, b + i, wa, wb));                                  \
        Store(a, first);                                                                                               \
        Store(a + n - Width, last);                                                                                    \
    }

__attribute__((target("sse2"), always_inline)) inline __m128i Load128(const std::uint8_t* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}
__attribute__((target("sse2"), always_inline)) inline void Store128(std::uint8_t* p, __m128i v) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
}
__attribute__((target("avx2"), always_inline)) inline __m256i Load256(const std::uint8_t* p) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}
__attribute__((target("avx2"), always_inline)) inline void Store256(std::uint8_t* p, __m256i v) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v);
}
__attribute__((target("avx512bw"), always_inline)) inline void Store512(std::uint8_t* p, __m512i v) {
    _mm512_storeu_si512(p, v);
}

RDZ_BLEND_VECTOR("sse2", __m128i, Load128, _mm_set1_epi16, _mm_add_epi16, _mm_and_si128, _mm_or_si128,
                 _mm_slli_epi16, _mm_srli_epi16, _mm_mulhi_epu16)
RDZ_BLEND_LOOP("sse2", Sse2Loop, __m128i, Store128, _mm_set1_epi16)
RDZ_BLEND_VECTOR("avx2", __m256i, Load256, _mm256_set1_epi16, _mm256_add_epi16, _mm256_and_si256, _mm256_or_si256,
                 _mm256_slli_epi16, _mm256_srli_epi16, _mm256_mulhi_epu16)
RDZ_BLEND_LOOP("avx2", Avx2Loop, __m256i, Store256, _mm256_set1_epi16)

// AVX-512BW rounds after merging, on bytes: with the floor q and the
// remainder r of each result in byte vectors, the result is q + 1 exactly
// when r > 128 or r == 128 with q odd, that is when (r | (q & 1)) > 128.
// Ternary logic does each merge in one instruction and a byte compare into
// a mask register selects the increment: about a third fewer instructions
// than rounding each lane set, and the blend is bound by them.
__attribute__((target("avx512bw"), always_inline)) inline __m512i Blend(const std::uint8_t* a, const std::uint8_t* b,
                                                                         __m512i wa, __m512i wb) {
    const __m512i high = _mm512_set1_epi16(short(0xFF00)), low = _mm512_set1_epi16(0x00FF);
    const __m512i one = _mm512_set1_epi8(1), half = _mm512_set1_epi8(char(128));
    const __m512i va = _mm512_loadu_si512(a), vb = _mm512_loadu_si512(b);
    const __m512i even = _mm512_add_epi16(_mm512_mulhi_epu16(_mm512_slli_epi16(va, 8), wa),
                                          _mm512_mulhi_epu16(_mm512_slli_epi16(vb, 8), wb));
    const __m512i odd = _mm512_add_epi16(_mm512_mulhi_epu16(_mm512_and_si512(va, high), wa),
                                         _mm512_mulhi_epu16(_mm512_and_si512(vb, high), wb));
    // q = (even >> 8) | (odd & 0xFF00); r = (even & 0x00FF) | (odd << 8)
    const __m512i q = _mm512_ternarylogic_epi32(_mm512_srli_epi16(even, 8), odd, high, 0xF8);  // A | (B & C)
    const __m512i r = _mm512_ternarylogic_epi32(even, _mm512_slli_epi16(odd, 8), low, 0xEC);    // (A & C) | B
    const __m512i tie = _mm512_ternarylogic_epi32(r, q, one, 0xF8);                             // r | (q & 1)
    return _mm512_mask_add_epi8(q, _mm512_cmpgt_epu8_mask(tie, half), q, one);
}
RDZ_BLEND_LOOP("avx512bw", Avx512Loop, __m512i, Store512, _mm512_set1_epi16)

#undef RDZ_BLEND_LOOP
#undef RDZ_BLEND_VECTOR
#endif

struct TBlendPath {
    TBlendFn Fn;
    const char* Name;
};

// The paths this processor runs, best first; the portable loop always last.
std::vector<TBlendPath> AvailablePaths() {
    std::vector<TBlendPath> paths;
#ifdef RDZ_BLEND_X86
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512bw")) paths.push_back({Avx512Loop, "avx512bw"});
    if (__builtin_cpu_supports("avx2")) paths.push_back({Avx2Loop, "avx2"});
    if (__builtin_cpu_supports("sse2")) paths.push_back({Sse2Loop, "sse2"});
#endif
    paths.push_back({ScalarLoop, "scalar"});
    return paths;
}

const TBlendPath& Path() {
    static const TBlendPath path = AvailablePaths().front();  // chosen once, on first use
    return path;
}

// The part every path shares: nothing for weight 0, a copy for 65536.
void BlendWith(TBlendFn fn, std::uint8_t* a, const std::uint8_t* b, std::size_t n, std::uint32_t Wb) {
    if (Wb == 0 || n == 0) return;
    if (Wb >= 65536) {
        std::memmove(a, b, n);
        return;
    }
    fn(a, b, n, 65536 - Wb, Wb);
}

}  // namespace

std::uint32_t BlendWeight(double Kf) {
    if (!(Kf > 0)) return 0;  // also NaN
    if (Kf >= 1) return 65536;
    return std::uint32_t(std::nearbyint(Kf * 65536));  // halves to even in the default rounding mode
}

void BlendBytes(std::uint8_t* a, const std::uint8_t* b, std::size_t n, std::uint32_t Wb) {
    BlendWith(Path().Fn, a, b, n, Wb);
}

const char* BlendBytesPath() { return Path().Name; }

std::vector<std::string> BlendBytesPaths() {
    std::vector<std::string> names;
    for (const TBlendPath& path : AvailablePaths()) names.emplace_back(path.Name);
    return names;
}

bool BlendBytesVia(const std::string& name, std::uint8_t* a, const std::uint8_t* b, std::size_t n, std::uint32_t Wb) {
    for (const TBlendPath& path : AvailablePaths())
        if (name == path.Name) {
            BlendWith(path.Fn, a, b, n, Wb);
            return true;
        }
    return false;
}
