// The cross-fade of two byte arrays, the work of every morph step:
// a[i] becomes round((1 - Kf) * a[i] + Kf * b[i]), halves to even.
//
// The factor is applied in 16-bit fixed point (Wb = Kf * 65536 rounded,
// Wa = 65536 - Wb) so that the blend runs on 16-bit vector lanes:
//   S = floor(a * Wa / 256) + floor(b * Wb / 256)      (units of 1/256)
//   result = S / 256 rounded.
// When Kf is a multiple of 1/256, S is exact and its ties go to the even
// level: the result is the exactly rounded one. Otherwise S lies within 2.5
// units below and 0.5 above 256 times the exact value, so the result is the
// exactly rounded one whenever the exact value is more than 2.5/256 from a
// half (and one level off at most next to one). The animation steps of 0.2
// never come closer to a half than 0.1, so every step the skinned elements
// draw is exact.
//
// The vector path is picked once from the processor's features; every path
// computes the same integers, so pixels never depend on the processor.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The fixed-point weight of B for a factor, clamped to 0 ... 65536.
std::uint32_t BlendWeight(double Kf);

// a[i] = blend of a[i] and b[i] with B's weight Wb (0 ... 65536) for n bytes.
void BlendBytes(std::uint8_t* a, const std::uint8_t* b, std::size_t n, std::uint32_t Wb);

// Which path BlendBytes uses: "avx512bw", "avx2", "sse2" or "scalar".
const char* BlendBytesPath();

// Makes BlendBytes, and so every morph, take the named path from now on,
// for a benchmark that measures each path the processor can run; "" goes
// back to the best one. False, changing nothing, for a path this processor
// cannot run.
bool ForceBlendBytesPath(const std::string& path);

// Every path this processor can run, best first, "scalar" last; and
// BlendBytes through the named one (false when it is not among them). For
// tests that hold the vector paths to the portable loop.
std::vector<std::string> BlendBytesPaths();
bool BlendBytesVia(const std::string& path, std::uint8_t* a, const std::uint8_t* b, std::size_t n, std::uint32_t Wb);
