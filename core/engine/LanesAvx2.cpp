// The lanes for AVX2, compiled for its instructions: 8 blocks at once, in two registers of four.
#include <immintrin.h>

#include "core/engine/LanesDraw.h"

namespace zarno::lanes {
namespace {

struct Avx2Ops {
    static constexpr std::size_t width = 4;
    using V = Register<4>::U64;
    using M = V;  // all ones or none

    static __m256i raw(V v) { return reinterpret_cast<__m256i>(v); }
    static V lanes(__m256i v) { return reinterpret_cast<V>(v); }
    static __m256i splat(std::uint64_t x) { return _mm256_set1_epi64x(static_cast<long long>(x)); }

    // pcg32's output of `old` made a number's index, the bits times 70 over 2^32: the 32-bit
    // rotation is a shift of the low half held in both halves, and the multiplication takes the
    // low half alone.
    static V number(V old) {
        const __m256i doubled = _mm256_shuffle_epi32(raw((old ^ (old >> 18)) >> 27), 0xa0);
        const __m256i bits = _mm256_srlv_epi64(doubled, raw(old >> 59));
        return lanes(_mm256_srli_epi64(_mm256_mul_epu32(bits, splat(numberCount)), 32));
    }
    // A shift by 64 or more leaves nothing, so each word's bit needs no mask.
    static V bitLow(V number) { return lanes(_mm256_sllv_epi64(splat(1), raw(number))); }
    static V bitHigh(V number) { return lanes(_mm256_sllv_epi64(splat(1), raw(number - 64))); }
    static M absent(V low, V high, V bitLow, V bitHigh) {
        return lanes(_mm256_cmpeq_epi64(raw((low & bitLow) | (high & bitHigh)), splat(0)));
    }
    // Each byte's bits, for a byte below 16, and the sum of each lane's bytes.
    static V nibbleBits(V x) {
        const __m256i table = _mm256_setr_epi8(0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4, 0, 1,
                                               1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4);
        return lanes(_mm256_shuffle_epi8(table, raw(x)));
    }
    static V sumBytes(V x) { return lanes(_mm256_sad_epu8(raw(x), _mm256_setzero_si256())); }
    static V count(V low, V high) { return bitsByNibbles<Avx2Ops>(low, high); }
    static M both(M a, M b) { return a & b; }
    static V select(M m, V yes, V no) {
        return lanes(_mm256_blendv_epi8(raw(no), raw(yes), raw(m)));
    }
    static V orWhere(V x, M m, V bits) { return x | (bits & m); }
    static V countWhere(V x, M m) { return x - m; }
    static M below(V count, int n) {
        return lanes(_mm256_cmpgt_epi64(splat(static_cast<std::uint64_t>(n)), raw(count)));
    }
    static bool any(M m) { return _mm256_testz_si256(raw(m), raw(m)) == 0; }
};

}  // namespace

const Kernel avx2Kernel = kernel<Avx2Ops, 2>();

}  // namespace zarno::lanes
