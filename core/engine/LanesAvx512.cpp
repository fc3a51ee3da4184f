// The lanes for AVX-512, compiled for its instructions: 40 blocks at once, in five registers of
// eight, with the lanes' choices in mask registers.
#include <immintrin.h>

#include "core/engine/LanesDraw.h"

namespace zarno::lanes {
namespace {

struct Avx512Ops {
    static constexpr std::size_t width = 8;
    using V = Register<8>::U64;
    using M = __mmask8;

    static __m512i raw(V v) { return reinterpret_cast<__m512i>(v); }
    static V lanes(__m512i v) { return reinterpret_cast<V>(v); }
    static __m512i splat(std::uint64_t x) { return _mm512_set1_epi64(static_cast<long long>(x)); }

    // pcg32's output of `old` made a number's index, the bits times 70 over 2^32: the rotation
    // turns the low half of each lane, and the multiplication takes the low half alone.
    static V number(V old) {
        const __m512i bits = _mm512_rorv_epi32(raw((old ^ (old >> 18)) >> 27), raw(old >> 59));
        // The product's high half is moved down by a shuffle that zeroes the half above it, not
        // by a shift: shifts and multiplications share one port, and a shuffle takes another.
        const __m512i product = _mm512_mul_epu32(bits, splat(numberCount));
        return lanes(_mm512_maskz_shuffle_epi32(0x5555, product, _MM_PERM_ADAB));
    }
    // A shift by 64 or more leaves nothing, so each word's bit needs no mask.
    static V bitLow(V number) { return lanes(_mm512_sllv_epi64(splat(1), raw(number))); }
    static V bitHigh(V number) { return lanes(_mm512_sllv_epi64(splat(1), raw(number - 64))); }
    // Two tests, the second only in the lanes the first passed.
    static M absent(V low, V high, V bitLow, V bitHigh) {
        return _mm512_mask_testn_epi64_mask(_mm512_testn_epi64_mask(raw(low), raw(bitLow)),
                                            raw(high), raw(bitHigh));
    }
    // Each byte's bits, for a byte below 16, and the sum of each lane's bytes.
    static V nibbleBits(V x) {
        const __m512i table = _mm512_set4_epi32(0x04030302, 0x03020201, 0x03020201, 0x02010100);
        return lanes(_mm512_shuffle_epi8(table, raw(x)));
    }
    static V sumBytes(V x) { return lanes(_mm512_sad_epu8(raw(x), _mm512_setzero_si512())); }
    static V count(V low, V high) { return bitsByNibbles<Avx512Ops>(low, high); }
    static M both(M a, M b) { return a & b; }
    static V select(M m, V yes, V no) {
        return lanes(_mm512_mask_blend_epi64(m, raw(no), raw(yes)));
    }
    static V orWhere(V x, M m, V bits) {
        return lanes(_mm512_mask_or_epi64(raw(x), m, raw(x), raw(bits)));
    }
    static V countWhere(V x, M m) {
        return lanes(_mm512_mask_add_epi64(raw(x), m, raw(x), splat(1)));
    }
    static M below(V count, int n) {
        return _mm512_cmplt_epu64_mask(raw(count), splat(static_cast<std::uint64_t>(n)));
    }
    static bool any(M m) { return m != 0; }
};

}  // namespace

const Kernel avx512Kernel = kernel<Avx512Ops, 5>();

}  // namespace zarno::lanes
