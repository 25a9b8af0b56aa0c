#pragma once
// Positions the match tests of the core and of the screen both play from,
// as eight rows: 'X' Black, 'O' White, '.' empty.

#include <array>
#include <string_view>

namespace match_positions {

using Rows = std::array<std::string_view, 8>;

// White can never answer on these edges; Black has three moves.
inline constexpr Rows kWhiteCannotAnswer = {
    "XO.....X",
    ".......O",
    "........",
    "........",
    "........",
    "........",
    "........",
    "XO......",
};

// Black's last move, on the corner h8, fills the board 36 : 28.
inline constexpr Rows kLastMoveFillsTheBoard = {
    "XXXXXOOO",
    "XXXXXOOO",
    "XXXXXOOO",
    "XXXXXOOO",
    "XXXXOOOO",
    "XXXXOOOO",
    "XXXOOOXX",
    "OOOOOXO.",
};

// Black's one move leaves White moving again and again, Black passing each
// time, until the board is full.
inline constexpr Rows kBlackPassesUntilTheEnd = {
    "OOOOOOOO",
    "OO.OOOOO",
    ".OOOXOOO",
    "O..O.OOO",
    "OOOOOOOO",
    "OOOOOOOO",
    "OOOXOOOO",
    "OOOOOOOO",
};

} // namespace match_positions
