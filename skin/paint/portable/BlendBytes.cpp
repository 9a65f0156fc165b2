#include "skin/paint/portable/BlendBytes.h"

#include <atomic>
#include <cmath>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#define RDZ_BLEND_X86 1
#include <immintrin.h>
#endif

// Two roundings of S (units of 1/256):
//  - a weight that is a multiple of 256 makes S exact, ties included, so
//    they go to the even level: (S + 127 + (S >> 8 & 1)) >> 8;
//  - any other weight leaves S up to 2.5 units off, so a remainder of
//    exactly 128 is no true tie and rounding it up is as good as any:
//    (S + 128) >> 8, which the vector paths do in fewer instructions.
// Every path makes the same choice, so all give the same bytes.

namespace {

inline bool ExactWeight(unsigned Wb) { return Wb % 256 == 0; }

using TBlendFn = void (*)(std::uint8_t*, const std::uint8_t*, std::size_t, unsigned, unsigned);

void ScalarLoop(std::uint8_t* a, const std::uint8_t* b, std::size_t n, unsigned Wa, unsigned Wb) {
    const unsigned tieToEven = ExactWeight(Wb) ? 1 : 0;
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned s = ((a[i] * Wa) >> 8) + ((b[i] * Wb) >> 8);
        const unsigned bias = tieToEven ? 127 + ((s >> 8) & 1) : 128;
        a[i] = std::uint8_t((s + bias) >> 8);
    }
}

#ifdef RDZ_BLEND_X86
// Each vector holds 16-bit lanes of two bytes. The even bytes are moved to
// the high half (x << 8) and the odd bytes masked there (x & 0xFF00), so an
// unsigned high multiply by a weight gives floor(byte * W / 256) for both
// without unpacking. The rounded even results go back to the low bytes
// beside the odd ones, which stay in the high bytes. The weights fit 16 bits
// because 0 < Wb < 65536 on these paths.
//
// For each instruction set: Sums (S of the even and the odd bytes), Near
// and Even (the two roundings, returning the blended vector).
#define RDZ_BLEND_SUMS(target_, Vec, Load, And, Add, Set1, ShiftLeft, MulHigh)                                        \
    __attribute__((target(target_), always_inline)) inline void Sums(const std::uint8_t* a, const std::uint8_t* b,   \
                                                                    Vec wa, Vec wb, Vec& even, Vec& odd) {            \
        const Vec high = Set1(short(0xFF00));                                                                          \
        const Vec va = Load(a), vb = Load(b);                                                                          \
        even = Add(MulHigh(ShiftLeft(va, 8), wa), MulHigh(ShiftLeft(vb, 8), wb));                                      \
        odd = Add(MulHigh(And(va, high), wa), MulHigh(And(vb, high), wb));                                             \
    }

// SSE2 and AVX2 round each lane set on its own.
#define RDZ_BLEND_ROUNDINGS(target_, Vec, Set1, Add, And, Or, ShiftRight)                                             \
    __attribute__((target(target_), always_inline)) inline Vec Near(const std::uint8_t* a, const std::uint8_t* b,   \
                                                                   Vec wa, Vec wb) {                                  \
        const Vec high = Set1(short(0xFF00)), half = Set1(128);                                                        \
        Vec even, odd;                                                                                                 \
        Sums(a, b, wa, wb, even, odd);                                                                                 \
        return Or(ShiftRight(Add(even, half), 8), And(Add(odd, half), high));                                          \
    }                                                                                                                  \
    __attribute__((target(target_), always_inline)) inline Vec Even(const std::uint8_t* a, const std::uint8_t* b,   \
                                                                   Vec wa, Vec wb) {                                  \
        const Vec high = Set1(short(0xFF00)), bias = Set1(127), one = Set1(1);                                         \
        Vec even, odd;                                                                                                 \
        Sums(a, b, wa, wb, even, odd);                                                                                 \
        even = Add(Add(even, bias), And(ShiftRight(even, 8), one));                                                    \
        odd = Add(Add(odd, bias), And(ShiftRight(odd, 8), one));                                                       \
        return Or(ShiftRight(even, 8), And(odd, high));                                                                \
    }

// The loop over whole vectors. A length that is not a multiple of the
// vector takes one more vector ending at the last byte, computed from the
// untouched input before the loop and stored after it: it overlaps bytes the
// loop wrote, with the same values. Only arrays shorter than a vector go
// through a padded copy. Each path finishes its own tail: handing a few
// bytes to code of another instruction set costs more than a row (the
// switch of vector encodings stalls).
#define RDZ_BLEND_LOOP(target_, Name, Vec, Store, Set1, Blend)                                                        \
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
        const Vec last = Blend(a + n - Width, b + n - Width, wa, wb);                                                  \
        for (std::size_t i = 0; i + Width <= n; i += Width) Store(a + i, Blend(a + i, b + i, wa, wb));                 \
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
__attribute__((target("avx512bw"), always_inline)) inline __m512i Load512(const std::uint8_t* p) {
    return _mm512_loadu_si512(p);
}
__attribute__((target("avx512bw"), always_inline)) inline void Store512(std::uint8_t* p, __m512i v) {
    _mm512_storeu_si512(p, v);
}

RDZ_BLEND_SUMS("sse2", __m128i, Load128, _mm_and_si128, _mm_add_epi16, _mm_set1_epi16, _mm_slli_epi16,
               _mm_mulhi_epu16)
RDZ_BLEND_ROUNDINGS("sse2", __m128i, _mm_set1_epi16, _mm_add_epi16, _mm_and_si128, _mm_or_si128, _mm_srli_epi16)
RDZ_BLEND_LOOP("sse2", Sse2Near, __m128i, Store128, _mm_set1_epi16, Near)
RDZ_BLEND_LOOP("sse2", Sse2Even, __m128i, Store128, _mm_set1_epi16, Even)

RDZ_BLEND_SUMS("avx2", __m256i, Load256, _mm256_and_si256, _mm256_add_epi16, _mm256_set1_epi16, _mm256_slli_epi16,
               _mm256_mulhi_epu16)
RDZ_BLEND_ROUNDINGS("avx2", __m256i, _mm256_set1_epi16, _mm256_add_epi16, _mm256_and_si256, _mm256_or_si256,
                    _mm256_srli_epi16)
RDZ_BLEND_LOOP("avx2", Avx2Near, __m256i, Store256, _mm256_set1_epi16, Near)
RDZ_BLEND_LOOP("avx2", Avx2Even, __m256i, Store256, _mm256_set1_epi16, Even)

RDZ_BLEND_SUMS("avx512bw", __m512i, Load512, _mm512_and_si512, _mm512_add_epi16, _mm512_set1_epi16,
               _mm512_slli_epi16, _mm512_mulhi_epu16)

// AVX-512BW merges with ternary logic, one instruction for low | (high & mask).
__attribute__((target("avx512bw"), always_inline)) inline __m512i Near(const std::uint8_t* a, const std::uint8_t* b,
                                                                        __m512i wa, __m512i wb) {
    const __m512i high = _mm512_set1_epi16(short(0xFF00)), half = _mm512_set1_epi16(128);
    __m512i even, odd;
    Sums(a, b, wa, wb, even, odd);
    return _mm512_ternarylogic_epi32(_mm512_srli_epi16(_mm512_add_epi16(even, half), 8),
                                     _mm512_add_epi16(odd, half), high, 0xF8);  // A | (B & C)
}

// The tie to even rounds after merging, on bytes: with the floor q and the
// remainder r of each result in byte vectors, the result is q + 1 exactly
// when r > 128 or r == 128 with q odd, that is when (r | (q & 1)) > 128.
__attribute__((target("avx512bw"), always_inline)) inline __m512i Even(const std::uint8_t* a, const std::uint8_t* b,
                                                                        __m512i wa, __m512i wb) {
    const __m512i high = _mm512_set1_epi16(short(0xFF00)), low = _mm512_set1_epi16(0x00FF);
    const __m512i one = _mm512_set1_epi8(1), half = _mm512_set1_epi8(char(128));
    __m512i even, odd;
    Sums(a, b, wa, wb, even, odd);
    // q = (even >> 8) | (odd & 0xFF00); r = (even & 0x00FF) | (odd << 8)
    const __m512i q = _mm512_ternarylogic_epi32(_mm512_srli_epi16(even, 8), odd, high, 0xF8);  // A | (B & C)
    const __m512i r = _mm512_ternarylogic_epi32(even, _mm512_slli_epi16(odd, 8), low, 0xEC);    // (A & C) | B
    const __m512i tie = _mm512_ternarylogic_epi32(r, q, one, 0xF8);                             // r | (q & 1)
    return _mm512_mask_add_epi8(q, _mm512_cmpgt_epu8_mask(tie, half), q, one);
}

RDZ_BLEND_LOOP("avx512bw", Avx512Near, __m512i, Store512, _mm512_set1_epi16, Near)
RDZ_BLEND_LOOP("avx512bw", Avx512Even, __m512i, Store512, _mm512_set1_epi16, Even)

#undef RDZ_BLEND_LOOP
#undef RDZ_BLEND_ROUNDINGS
#undef RDZ_BLEND_SUMS
#endif

struct TBlendPath {
    TBlendFn Near;  // weights that are not multiples of 256
    TBlendFn Even;  // multiples of 256: ties to even
    const char* Name;
};

// The paths this processor runs, best first; the portable loop always last.
std::vector<TBlendPath> AvailablePaths() {
    std::vector<TBlendPath> paths;
#ifdef RDZ_BLEND_X86
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512bw")) paths.push_back({Avx512Near, Avx512Even, "avx512bw"});
    if (__builtin_cpu_supports("avx2")) paths.push_back({Avx2Near, Avx2Even, "avx2"});
    if (__builtin_cpu_supports("sse2")) paths.push_back({Sse2Near, Sse2Even, "sse2"});
#endif
    paths.push_back({ScalarLoop, ScalarLoop, "scalar"});
    return paths;
}

// Every path this processor runs, looked up once.
const std::vector<TBlendPath>& Paths() {
    static const std::vector<TBlendPath> paths = AvailablePaths();
    return paths;
}

// The path BlendBytes takes: the best one unless a benchmark forced another.
std::atomic<const TBlendPath*> gForced{nullptr};

const TBlendPath& Path() {
    const TBlendPath* forced = gForced.load(std::memory_order_relaxed);
    return forced ? *forced : Paths().front();
}

// The part every path shares: nothing for weight 0, a copy for 65536, and
// the choice of rounding.
void BlendWith(const TBlendPath& path, std::uint8_t* a, const std::uint8_t* b, std::size_t n, std::uint32_t Wb) {
    if (Wb == 0 || n == 0) return;
    if (Wb >= 65536) {
        std::memmove(a, b, n);
        return;
    }
    (ExactWeight(Wb) ? path.Even : path.Near)(a, b, n, 65536 - Wb, Wb);
}

}  // namespace

std::uint32_t BlendWeight(double Kf) {
    if (!(Kf > 0)) return 0;  // also NaN
    if (Kf >= 1) return 65536;
    return std::uint32_t(std::nearbyint(Kf * 65536));  // halves to even in the default rounding mode
}

void BlendBytes(std::uint8_t* a, const std::uint8_t* b, std::size_t n, std::uint32_t Wb) {
    BlendWith(Path(), a, b, n, Wb);
}

const char* BlendBytesPath() { return Path().Name; }

std::vector<std::string> BlendBytesPaths() {
    std::vector<std::string> names;
    for (const TBlendPath& path : Paths()) names.emplace_back(path.Name);
    return names;
}

bool ForceBlendBytesPath(const std::string& name) {
    if (name.empty()) {
        gForced.store(nullptr);
        return true;
    }
    for (const TBlendPath& path : Paths())
        if (name == path.Name) {
            gForced.store(&path);
            return true;
        }
    return false;
}

bool BlendBytesVia(const std::string& name, std::uint8_t* a, const std::uint8_t* b, std::size_t n, std::uint32_t Wb) {
    for (const TBlendPath& path : Paths())
        if (name == path.Name) {
            BlendWith(path, a, b, n, Wb);
            return true;
        }
    return false;
}
