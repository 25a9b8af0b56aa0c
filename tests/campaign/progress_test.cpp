#include "campaign/progress.h"

#include "campaign/roster.h"
#include "match/match_rules.h"
#include "profile/player_record.h"

#include <gtest/gtest.h>

using namespace campaign;

namespace {

PlayerRecord EmptyRecord()
{
    TDUser user;
    return user.Record;
}

void Beat(PlayerRecord& record, int stage, std::initializer_list<int> positions)
{
    for (int position : positions)
        record.SetOpponentKnockDown(stage, position, 1);
}

} // namespace

TEST(CampaignProgress, CountsOnlyDefeatBytesOfOne)
{
    PlayerRecord record = EmptyRecord();
    EXPECT_EQ(CountBeatenStageOpponents(record), 0);
    Beat(record, 0, {0, 3});
    Beat(record, 2, {1});
    EXPECT_EQ(CountBeatenStageOpponents(record), 3);
    // A damaged byte that is neither 0 nor 1 is not a defeat.
    record.SetOpponentKnockDown(1, 2, 2);
    EXPECT_EQ(CountBeatenStageOpponents(record), 3);
    EXPECT_FALSE(StageCompleted(record, 1));
    Beat(record, 1, {0, 1, 3});
    EXPECT_FALSE(StageCompleted(record, 1));
    Beat(record, 1, {2});
    EXPECT_TRUE(StageCompleted(record, 1));
}

TEST(CampaignProgress, CompletingAStageOpensTheNextHiddenPlace)
{
    PlayerRecord record = EmptyRecord();
    Beat(record, 0, {0, 1, 2});
    AfterFirstWin after = DecideAfterFirstWin(record, false, false);
    EXPECT_FALSE(after.openMountain);
    EXPECT_FALSE(after.openCyber);

    Beat(record, 0, {3});
    after = DecideAfterFirstWin(record, false, false);
    EXPECT_FALSE(after.gameClear);
    EXPECT_TRUE(after.openMountain);
    EXPECT_FALSE(after.openCyber);
    // A tab already showing is not opened again.
    EXPECT_FALSE(DecideAfterFirstWin(record, true, false).openMountain);
}

TEST(CampaignProgress, CyberOpensFromTheMountainAloneWhateverTheForest)
{
    PlayerRecord record = EmptyRecord();
    Beat(record, 1, {0, 1, 2, 3});
    Beat(record, 0, {0});
    const AfterFirstWin after = DecideAfterFirstWin(record, true, false);
    EXPECT_TRUE(after.openCyber);
    EXPECT_FALSE(after.openMountain);
}

TEST(CampaignProgress, TheTwelfthDefeatClearsTheGameOnce)
{
    PlayerRecord record = EmptyRecord();
    for (int stage = 0; stage < 3; ++stage)
        Beat(record, stage, {0, 1, 2, 3});
    AfterFirstWin after = DecideAfterFirstWin(record, true, false);
    EXPECT_TRUE(after.gameClear);
    EXPECT_FALSE(after.openCyber);  // no unlock check on the clear

    record.SetCleared(1);
    after = DecideAfterFirstWin(record, true, false);
    EXPECT_FALSE(after.gameClear);
    EXPECT_TRUE(after.openCyber);
}

TEST(CampaignProgress, CrossStrokesRunFifteenPixelsInFromTheCorners)
{
    EXPECT_EQ(CrossDownStroke(90, 90), (CrossStroke{15, 15, 75, 75}));
    EXPECT_EQ(CrossUpStroke(90), (CrossStroke{75, 15, 15, 75}));
    EXPECT_EQ(CrossDownStroke(90, 89), (CrossStroke{15, 15, 75, 74}));
}

TEST(CampaignProgress, ShownNutritionReadsTheDisplayedNumber)
{
    EXPECT_EQ(ShownNutrition("0"), 0);
    EXPECT_EQ(ShownNutrition("417"), 417);
    EXPECT_EQ(ShownNutrition(" 38 "), 38);
    EXPECT_EQ(ShownNutrition("-5"), -5);
    EXPECT_EQ(ShownNutrition(""), 0);
    EXPECT_EQ(ShownNutrition("12a"), 0);
    EXPECT_EQ(ShownNutrition("栄養"), 0);
}

TEST(Progress, NutritionIsTheMarginOfAFirstWinOutsideTheColosseum)
{
    const MatchOutcome blackWins = DecideOutcome(33, 31, false);
    EXPECT_EQ(NutritionGained(blackWins, 33, 31, 0, false), 2);
    // A wipe-out counts 64 however few discs the winner has.
    EXPECT_EQ(NutritionGained(DecideOutcome(13, 0, false), 13, 0, 1, false), 64);
    EXPECT_EQ(NutritionGained(DecideOutcome(0, 9, true), 0, 9, 2, false), 64);
    EXPECT_EQ(NutritionGained(DecideOutcome(20, 44, true), 20, 44, 2, false), 24);
    // Nothing for a draw, a loss, the colosseum or an opponent beaten before.
    EXPECT_EQ(NutritionGained(DecideOutcome(32, 32, false), 32, 32, 0, false), 0);
    EXPECT_EQ(NutritionGained(DecideOutcome(33, 31, true), 33, 31, 0, false), 0);
    EXPECT_EQ(NutritionGained(blackWins, 33, 31, campaign::kColosseum, false), 0);
    EXPECT_EQ(NutritionGained(blackWins, 33, 31, 0, true), 0);
}
