#pragma once
#include <cstdint>

// How strongly the computer plays: how deep it looks in the middle game and in
// the late game, from how many empty squares on it reads the game to its end,
// and whether it plays the corner-or-random game instead of searching.
struct StrengthParams {
    std::int32_t SearchDepth = 3;
    std::int32_t LateSearchDepth = 3;
    std::int32_t EndgameEmpties = 5;
    bool RandomPlay = true;

    friend bool operator==(const StrengthParams&, const StrengthParams&) = default;
};

// The corner-or-random entries carry 3/3/5; the numbers then have no effect.
constexpr StrengthParams CornerOrRandomStrength{3, 3, 5, true};

// Game levels as kept in the player record.
constexpr int LevelEasy = 0;   // やさしい
constexpr int LevelNormal = 1; // 普通
constexpr int LevelHard = 2;   // 難しい

// The strength of stage opponent `opponent` (0..3: top left, top right, bottom
// left, bottom right) of stage `stage` (0..2) at game level `level` (0..2).
// Returns false, leaving `out` alone, when any index is out of range.
bool StageOpponentStrength(int stage, int opponent, int level, StrengthParams& out);

// The strength of the chick hatched with strength `eggStrength` (1..5) at game
// level `level` (0..2). Returns false, leaving `out` alone, when out of range.
bool ChickStrength(int eggStrength, int level, StrengthParams& out);

// The table itself, for the tools that walk every entry.
extern const StrengthParams StageStrengthTable[3][4][3];
extern const StrengthParams ChickStrengthTable[5][3];
