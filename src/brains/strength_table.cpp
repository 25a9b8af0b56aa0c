#include "brains/strength_table.h"

namespace {

constexpr StrengthParams R = CornerOrRandomStrength;

constexpr StrengthParams S(std::int32_t depth, std::int32_t late, std::int32_t endgame)
{
    return StrengthParams{depth, late, endgame, false};
}

} // namespace

// Rows: the opponent; columns: やさしい, 普通, 難しい.
const StrengthParams StageStrengthTable[3][4][3] = {
    // 迷いの森
    {
        {R, R, S(3, 3, 5)},
        {R, S(1, 1, 3), S(3, 3, 5)},
        {R, S(1, 3, 5), S(3, 3, 7)},
        {R, S(1, 3, 5), S(3, 5, 7)},
    },
    // 魔の山
    {
        {R, S(1, 3, 3), S(5, 5, 5)},
        {R, S(3, 3, 3), S(5, 5, 9)},
        {R, S(3, 3, 3), S(5, 5, 7)},
        {R, S(5, 5, 7), S(5, 7, 9)},
    },
    // 電脳立国
    {
        {S(1, 1, 3), S(3, 3, 5), S(5, 5, 7)},
        {S(1, 1, 3), S(3, 5, 5), S(5, 7, 9)},
        {S(1, 3, 5), S(5, 5, 7), S(7, 7, 11)},
        {S(3, 3, 5), S(5, 7, 9), S(7, 7, 13)},
    },
};

// Rows: the chick's strength 1..5.
const StrengthParams ChickStrengthTable[5][3] = {
    {R, S(1, 3, 5), S(5, 7, 9)},
    {R, S(3, 3, 5), S(5, 7, 11)},
    {S(1, 1, 3), S(3, 5, 7), S(7, 7, 11)},
    {S(1, 3, 5), S(5, 5, 7), S(7, 9, 11)},
    {S(3, 3, 5), S(5, 7, 13), S(7, 11, 15)},
};

bool StageOpponentStrength(int stage, int opponent, int level, StrengthParams& out)
{
    if (stage < 0 || stage > 2 || opponent < 0 || opponent > 3 || level < 0 || level > 2)
        return false;
    out = StageStrengthTable[stage][opponent][level];
    return true;
}

bool ChickStrength(int eggStrength, int level, StrengthParams& out)
{
    if (eggStrength < 1 || eggStrength > 5 || level < 0 || level > 2)
        return false;
    out = ChickStrengthTable[eggStrength - 1][level];
    return true;
}
