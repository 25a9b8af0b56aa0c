// The search compiled for x86-64 processors with AVX2, BMI1/2, LZCNT and
// POPCNT (every such processor since about 2013), chosen at run time. Every
// header is included before the target switch, so nothing shared with the
// rest of the program is compiled for these instructions.
#include "brains/engine.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <utility>

#if defined(__x86_64__) && defined(__GNUC__)

#include <immintrin.h>

#pragma GCC push_options
#pragma GCC target("avx2,bmi,bmi2,lzcnt,popcnt")

namespace brains {
namespace {

struct WideIsa {
    // All eight directions at once: four lanes shift left, four right.
    static bits::Set Moves(bits::Set own, bits::Set opp)
    {
        const __m256i from = _mm256_set1_epi64x(static_cast<long long>(own));
        const __m256i inner = _mm256_set1_epi64x(0x7E7E7E7E7E7E7E7ELL);
        const __m256i mask = _mm256_and_si256(_mm256_set1_epi64x(static_cast<long long>(opp)),
                                              _mm256_blend_epi32(inner, _mm256_set1_epi64x(-1LL), 0x0C));
        const __m256i step = _mm256_set_epi64x(7, 9, 8, 1);
        const __m256i twice = _mm256_add_epi64(step, step);
        __m256i left = _mm256_and_si256(mask, _mm256_sllv_epi64(from, step));
        __m256i right = _mm256_and_si256(mask, _mm256_srlv_epi64(from, step));
        left = _mm256_or_si256(left, _mm256_and_si256(mask, _mm256_sllv_epi64(left, step)));
        right = _mm256_or_si256(right, _mm256_and_si256(mask, _mm256_srlv_epi64(right, step)));
        const __m256i pairLeft = _mm256_and_si256(mask, _mm256_sllv_epi64(mask, step));
        const __m256i pairRight = _mm256_and_si256(mask, _mm256_srlv_epi64(mask, step));
        left = _mm256_or_si256(left, _mm256_and_si256(pairLeft, _mm256_sllv_epi64(left, twice)));
        right = _mm256_or_si256(right, _mm256_and_si256(pairRight, _mm256_srlv_epi64(right, twice)));
        left = _mm256_or_si256(left, _mm256_and_si256(pairLeft, _mm256_sllv_epi64(left, twice)));
        right = _mm256_or_si256(right, _mm256_and_si256(pairRight, _mm256_srlv_epi64(right, twice)));
        const __m256i reach = _mm256_or_si256(_mm256_sllv_epi64(left, step), _mm256_srlv_epi64(right, step));
        __m128i folded = _mm_or_si128(_mm256_castsi256_si128(reach), _mm256_extracti128_si256(reach, 1));
        folded = _mm_or_si128(folded, _mm_unpackhi_epi64(folded, folded));
        return static_cast<bits::Set>(_mm_cvtsi128_si64(folded)) & ~(own | opp);
    }

    static int Count(bits::Set s) { return static_cast<int>(_mm_popcnt_u64(s)); }

    // The four directions towards higher bits in one vector, the four
    // towards lower bits in another; the same rule as bits::Flips.
    static bits::Set Flips(int square, bits::Set own, bits::Set opp)
    {
        const auto& ray = bits::Rays.ray[square];
        const __m256i ownV = _mm256_set1_epi64x(static_cast<long long>(own));
        const __m256i oppV = _mm256_set1_epi64x(static_cast<long long>(opp));
        const __m256i zero = _mm256_setzero_si256();
        const __m256i one = _mm256_set1_epi64x(1);

        // Towards higher bits: the nearest non-opponent square is the lowest bit.
        const __m256i up = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(&ray[0]));
        const __m256i upStop = _mm256_andnot_si256(oppV, up);
        const __m256i upFirst = _mm256_and_si256(upStop, _mm256_sub_epi64(zero, upStop));
        const __m256i upTake = _mm256_cmpeq_epi64(_mm256_and_si256(upFirst, ownV), zero);
        __m256i flips = _mm256_andnot_si256(upTake, _mm256_and_si256(up, _mm256_sub_epi64(upFirst, one)));

        // Towards lower bits: the nearest is the highest bit; smear it down
        // and keep the top.
        const __m256i down = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(&ray[4]));
        __m256i smear = _mm256_andnot_si256(oppV, down);
        smear = _mm256_or_si256(smear, _mm256_srli_epi64(smear, 1));
        smear = _mm256_or_si256(smear, _mm256_srli_epi64(smear, 2));
        smear = _mm256_or_si256(smear, _mm256_srli_epi64(smear, 4));
        smear = _mm256_or_si256(smear, _mm256_srli_epi64(smear, 8));
        smear = _mm256_or_si256(smear, _mm256_srli_epi64(smear, 16));
        smear = _mm256_or_si256(smear, _mm256_srli_epi64(smear, 32));
        const __m256i downFirst = _mm256_andnot_si256(_mm256_srli_epi64(smear, 1), smear);
        const __m256i downTake = _mm256_cmpeq_epi64(_mm256_and_si256(downFirst, ownV), zero);
        // Squares of the ray above the nearest: everything above its smear.
        flips = _mm256_or_si256(flips, _mm256_andnot_si256(downTake, _mm256_andnot_si256(smear, down)));

        __m128i folded = _mm_or_si128(_mm256_castsi256_si128(flips), _mm256_extracti128_si256(flips, 1));
        folded = _mm_or_si128(folded, _mm_unpackhi_epi64(folded, folded));
        return static_cast<bits::Set>(_mm_cvtsi128_si64(folded));
    }
};

} // namespace
} // namespace brains

#include "brains/engine_core.h"

namespace brains::detail {

SearchOutcome RunWide(SearchState& state, bits::Set own, bits::Set opp, int evalMode, int depth)
{
    return core::Searcher<WideIsa>(state).Run(own, opp, evalMode, depth);
}

} // namespace brains::detail

#pragma GCC pop_options

namespace brains::detail {

bool WideAvailable()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") && __builtin_cpu_supports("bmi2")
           && __builtin_cpu_supports("popcnt") && __builtin_cpu_supports("abm");
}

} // namespace brains::detail

#else

namespace brains::detail {

bool WideAvailable() { return false; }

SearchOutcome RunWide(SearchState& state, bits::Set own, bits::Set opp, int evalMode, int depth)
{
    return RunPortable(state, own, opp, evalMode, depth);
}

} // namespace brains::detail

#endif
