#pragma once
// Bitboards for the search: one 64-bit set of squares per colour. Square
// (column, row), both 1..8, is bit (row - 1) * 8 + (column - 1), so a shift by
// 1 steps one column to the right and a shift by 8 one row down.
#include <array>
#include <cstdint>

namespace bits {

using Set = std::uint64_t;

constexpr int Square(int column, int row) { return (row - 1) * 8 + (column - 1); }
constexpr int ColumnOf(int square) { return square % 8 + 1; }
constexpr int RowOf(int square) { return square / 8 + 1; }
constexpr Set Bit(int square) { return Set{1} << square; }
constexpr Set At(int column, int row) { return Bit(Square(column, row)); }

inline int Count(Set s)
{
#if defined(__POPCNT__)
    return __builtin_popcountll(s);
#else
    // Without the popcount instruction the library call is slower than this.
    s = s - ((s >> 1) & 0x5555555555555555ULL);
    s = (s & 0x3333333333333333ULL) + ((s >> 2) & 0x3333333333333333ULL);
    s = (s + (s >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((s * 0x0101010101010101ULL) >> 56);
#endif
}

[[gnu::always_inline]] inline int Lowest(Set s) { return __builtin_ctzll(s); }

// Squares of `mask` reachable from `from` through runs of `mask` in one
// direction pair (shift left and right by `step`), one step beyond the run.
[[gnu::always_inline]] inline Set RunsBeyond(Set from, Set mask, int step)
{
    const int twice = step + step;
    Set left = mask & (from << step);
    Set right = mask & (from >> step);
    left |= mask & (left << step);
    right |= mask & (right >> step);
    const Set pairLeft = mask & (mask << step);
    const Set pairRight = mask & (mask >> step);
    left |= pairLeft & (left << twice);
    right |= pairRight & (right >> twice);
    left |= pairLeft & (left << twice);
    right |= pairRight & (right >> twice);
    return (left << step) | (right >> step);
}

// Every empty square where the side owning `own` may play against `opp`.
[[gnu::always_inline]] inline Set Moves(Set own, Set opp)
{
    // Horizontal and diagonal runs must not wrap from column 8 to column 1.
    const Set inner = opp & 0x7E7E7E7E7E7E7E7EULL;
    const Set reach = RunsBeyond(own, inner, 1) | RunsBeyond(own, opp, 8) | RunsBeyond(own, inner, 7)
                      | RunsBeyond(own, inner, 9);
    return reach & ~(own | opp);
}

// The rays from every square in the eight directions, nearest square first.
// Directions 0..3 walk towards higher bits, 4..7 towards lower bits.
struct RayTable {
    std::array<std::array<Set, 8>, 64> ray{};
    constexpr RayTable()
    {
        constexpr int dc[8] = {1, 0, 1, -1, -1, 0, -1, 1};
        constexpr int dr[8] = {0, 1, 1, 1, 0, -1, -1, -1};
        for (int square = 0; square < 64; ++square)
            for (int d = 0; d < 8; ++d) {
                Set r = 0;
                int c = ColumnOf(square) + dc[d];
                int w = RowOf(square) + dr[d];
                while (c >= 1 && c <= 8 && w >= 1 && w <= 8) {
                    r |= At(c, w);
                    c += dc[d];
                    w += dr[d];
                }
                ray[square][d] = r;
            }
    }
};

inline constexpr RayTable Rays{};

// The discs of `opp` turned when `own` plays on `square` (empty set if the
// move captures nothing).
[[gnu::always_inline]] inline Set Flips(int square, Set own, Set opp)
{
    // Branch-free: whether a direction captures is close to a coin toss, and
    // a mispredicted jump costs more than the arithmetic.
    const auto& ray = Rays.ray[square];
    Set flips = 0;
    for (int d = 0; d < 4; ++d) {
        // Towards higher bits: the nearest square of the ray that is not the
        // opponent's closes the run; it must be ours.
        const Set r = ray[d];
        const Set stop = r & ~opp;
        const Set first = stop & (0 - stop);
        const Set take = Set{0} - static_cast<Set>((first & own) != 0);
        flips |= r & (first - 1) & take;
    }
    for (int d = 4; d < 8; ++d) {
        const Set r = ray[d];
        const Set stop = r & ~opp;
        const Set first = (Set{1} << (63 - __builtin_clzll(stop | 1))) & r;
        const Set take = Set{0} - static_cast<Set>((first & own) != 0);
        flips |= r & ~((first << 1) - 1) & take;
    }
    return flips;
}

} // namespace bits
