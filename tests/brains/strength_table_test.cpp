#include "brains/brains.h"
#include "brains/strength_table.h"
#include "support/expected_tables.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string Describe(const StrengthParams& p)
{
    // Corner-or-random entries must carry 3/3/5 to count as "R".
    if (p.RandomPlay)
        return p.SearchDepth == 3 && p.LateSearchDepth == 3 && p.EndgameEmpties == 5 ? "R" : "R with odd numbers";
    char text[32];
    std::snprintf(text, sizeof text, "%d/%d/%d", p.SearchDepth, p.LateSearchDepth, p.EndgameEmpties);
    return text;
}

TEST(StrengthTable, EveryStageOpponentHasItsStrength)
{
    for (int stage = 0; stage < 3; ++stage)
        for (int opponent = 0; opponent < 4; ++opponent)
            for (int level = 0; level < 3; ++level) {
                StrengthParams p;
                ASSERT_TRUE(StageOpponentStrength(stage, opponent, level, p));
                EXPECT_EQ(Describe(p), expected::kStageStrength[stage * 4 + opponent][level])
                    << "stage " << stage << " opponent " << opponent << " level " << level;
            }
}

TEST(StrengthTable, EveryChickHasItsStrength)
{
    for (int strength = 1; strength <= 5; ++strength)
        for (int level = 0; level < 3; ++level) {
            StrengthParams p;
            ASSERT_TRUE(ChickStrength(strength, level, p));
            EXPECT_EQ(Describe(p), expected::kChickStrength[strength - 1][level]) << "chick " << strength << " level " << level;
        }
}

TEST(StrengthTable, OutOfRangeLeavesTheParametersAlone)
{
    const StrengthParams before{7, 9, 11, false};
    StrengthParams p = before;
    EXPECT_FALSE(StageOpponentStrength(0, 0, 3, p));
    EXPECT_FALSE(StageOpponentStrength(0, 0, -1, p));
    EXPECT_FALSE(StageOpponentStrength(3, 0, 0, p));
    EXPECT_FALSE(StageOpponentStrength(0, 4, 0, p));
    EXPECT_FALSE(ChickStrength(0, 1, p));
    EXPECT_FALSE(ChickStrength(6, 1, p));
    EXPECT_FALSE(ChickStrength(3, 3, p));
    EXPECT_EQ(p, before);
}

TEST(StrengthTable, EasyLevelSearchesOnlyFromTheThirdStageAndTheStrongerChicks)
{
    for (int stage = 0; stage < 3; ++stage)
        for (int opponent = 0; opponent < 4; ++opponent) {
            StrengthParams p;
            ASSERT_TRUE(StageOpponentStrength(stage, opponent, LevelEasy, p));
            EXPECT_EQ(p.RandomPlay, stage < 2) << "stage " << stage << " opponent " << opponent;
        }
    for (int strength = 1; strength <= 5; ++strength) {
        StrengthParams p;
        ASSERT_TRUE(ChickStrength(strength, LevelEasy, p));
        EXPECT_EQ(p.RandomPlay, strength < 3) << "chick " << strength;
    }
}

TEST(StrengthTable, WritingAStrengthSetsAllFourParameters)
{
    TDBrains brains;
    StrengthParams hard;
    ASSERT_TRUE(ChickStrength(5, LevelHard, hard));
    brains.SetStrength(hard);
    EXPECT_EQ(brains.SearchDepth, 7);
    EXPECT_EQ(brains.LateSearchDepth, 11);
    EXPECT_EQ(brains.EndgameEmpties, 15);
    EXPECT_FALSE(brains.RandomPlay);

    StrengthParams random;
    ASSERT_TRUE(StageOpponentStrength(0, 0, LevelEasy, random));
    brains.SetStrength(random);
    EXPECT_EQ(brains.SearchDepth, 3);
    EXPECT_EQ(brains.LateSearchDepth, 3);
    EXPECT_EQ(brains.EndgameEmpties, 5);
    EXPECT_TRUE(brains.RandomPlay);
}

} // namespace
