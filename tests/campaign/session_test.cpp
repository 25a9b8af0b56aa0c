// The campaign without a window: the level chosen in the opening reaching the
// computer's search, each match's end recorded whole, the places opening once,
// the game clear and the chick, and the one save doing what each phase needs.
#include "campaign/session.h"

#include "brains/brains.h"
#include "platform/data_files.h"
#include "platform/game_random.h"
#include "profile/player_record.h"
#include "match/speech.h"
#include "platform/shift_jis.h"
#include "support/expected_tables.h"
#include "support/game_folder.h"
#include "support/logging_match_view.h"
#include "support/recording_platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

namespace {

class CampaignSession : public ::testing::Test {
protected:
    CampaignSession() { folder.CopyDeliveredData(); }

    // The record kept in slot `slot`, as it would be read back.
    std::string Saved(int slot) const { return FromStoredForm(folder.Read("user0" + std::to_string(slot) + ".usr")); }

    GameFolder folder;
    RecordingPlatform platform;
    TDUser user;
    campaign::Session session{user.Record};
};

StrengthParams StrengthOf(const TDBrains& brains)
{
    return {brains.SearchDepth, brains.LateSearchDepth, brains.EndgameEmpties, brains.RandomPlay};
}

// A win of the player, moving first, by 40 to 24.
const MatchOutcome kWin = DecideOutcome(40, 24, false);

} // namespace

TEST_F(CampaignSession, TheLevelChosenInTheOpeningIsTheDepthOfTheSearch)
{
    session.NewGame(1);
    session.ChooseFigure("Taro", true);
    session.ChooseLevel(LevelHard);
    session.BeginCampaign();
    const std::optional<MatchOpponent> picked = session.PickStageOpponent(2, 3);
    ASSERT_TRUE(picked.has_value());
    EXPECT_EQ(picked->name, "ズモル電子");
    EXPECT_EQ(picked->soundSet, 12);
    EXPECT_FALSE(picked->speech.empty()) << "its lines come with it";

    TBoard board;
    TDBrains brains;
    GameRandom random;
    LoggingView view;
    MatchFlow match(board, brains, session, random, view);
    view.flow = &match;
    match.SetOpponent(*picked);
    EXPECT_EQ(StrengthOf(brains), (StrengthParams{7, 7, 13, false}));

    // Moving second, the computer's first move is searched that deep.
    match.Begin(true);
    for (int tick = 0; tick < 8; ++tick)
        match.StartTick();
    EXPECT_EQ(board.CountDiscs(Empty), 59);
    EXPECT_EQ(brains.DepthLimit, 7);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(CampaignSession, EveryPickHandsTheMatchItsWholeOpponent)
{
    session.NewGame(1);
    for (int level = 0; level <= 3; ++level) {
        session.ChooseLevel(level);
        for (int i = 0; i < 12; ++i) {
            const expected::RosterRow& row = expected::kRoster[i];
            SCOPED_TRACE(testing::Message() << row.name << " level " << level);
            const std::optional<MatchOpponent> picked = session.PickStageOpponent(i / 4, i % 4);
            ASSERT_TRUE(picked.has_value());
            EXPECT_EQ(picked->name, row.name);
            EXPECT_EQ(picked->strengthCaption, row.strength);
            EXPECT_EQ(picked->soundSet, row.soundSet);
            EXPECT_EQ((std::vector<std::string>{picked->portrait, picked->winFace, picked->lossFace}),
                      (std::vector<std::string>{row.media[0], row.media[1], row.media[2]}));
            EXPECT_EQ(picked->place, i / 4);
            EXPECT_EQ(picked->position, i % 4);
            EXPECT_FALSE(picked->isChick);
            // A level the table does not know leaves the computer as it is.
            if (level < 3)
                EXPECT_EQ(picked->strength, expected::Strength(expected::kStageStrength[i][level]));
            else
                EXPECT_FALSE(picked->strength.has_value());
            std::vector<std::string> lines;
            for (const std::string& line : SpeechScript::SplitLines(*ReadRawFile(DataPath(row.messageFile), speech::kMaxFileBytes)))
                lines.push_back(FromShiftJis(line));
            EXPECT_EQ(picked->speech, lines);
        }
    }

    // The chick: its strength from the verdict, no lines, the sounds of set 5.
    session.ChooseLevel(LevelHard);
    user.Record.SetChickName("Piyo");
    for (int strength = 1; strength <= 5; ++strength) {
        user.Record.Nutrition = strength == 1 ? 0 : (strength - 1) * 100 + 1;
        ASSERT_EQ(session.JudgeChick().eggStrength, strength);
        const MatchOpponent chick = session.PickChick();
        EXPECT_TRUE(chick.isChick);
        EXPECT_EQ(chick.name, "Piyo");
        EXPECT_EQ(chick.strengthCaption, expected::kChickCaption[strength - 1]);
        EXPECT_EQ(chick.strength, expected::Strength(expected::kChickStrength[strength - 1][LevelHard]));
        EXPECT_EQ(chick.soundSet, 5);
        EXPECT_TRUE(chick.speech.empty());
    }

    // A speech file that cannot be read stops the pick, and says so.
    std::filesystem::remove(folder.Data() / "ms03.dat");
    EXPECT_FALSE(session.PickStageOpponent(0, 3).has_value());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "ファイルを開けません\n" + DataPath("/data/ms03.dat"));
    EXPECT_EQ(platform.messages[0].title, "エラー");
}

TEST_F(CampaignSession, EachStepIsRecordedWholeAndTheOneSaveFitsThePhase)
{
    // A new game leaves the slot's old game alone until its campaign begins.
    folder.Write("user02.usr", std::string(56, 'o'));
    session.NewGame(2);
    session.ChooseFigure("Hana", false);
    session.ChooseLevel(LevelNormal);
    session.Save();
    EXPECT_EQ(folder.Read("user02.usr"), std::string(56, 'o'));
    session.BeginCampaign();
    session.Save();
    EXPECT_EQ(Saved(2), user.Record.Image());

    // A first win feeds the egg and marks the opponent in one step; a second
    // win over it, a loss and a win over the chick record nothing.
    const MatchOpponent snail = campaign::StageOpponentAt(0, 0, LevelNormal);
    const MatchRecord first = session.RecordMatchEnd(snail, kWin, 40, 24);
    EXPECT_EQ(first.scoreGained, 16);
    EXPECT_TRUE(first.firstWin);
    EXPECT_EQ(user.Record.GetNutrition(), 16);
    EXPECT_EQ(user.Record.OpponentKnockDown(0, 0), 1);
    const std::string afterTheWin = user.Record.Image();
    const std::pair<MatchOpponent, MatchOutcome> nothingNew[] = {
        {snail, kWin},
        {campaign::StageOpponentAt(0, 1, LevelNormal), DecideOutcome(20, 44, false)},
        {campaign::ChickAt(2, "Piyo", LevelNormal), kWin},
    };
    for (const auto& [opponent, outcome] : nothingNew) {
        const MatchRecord recorded = session.RecordMatchEnd(opponent, outcome, 40, 24);
        EXPECT_FALSE(recorded.firstWin) << opponent.name;
        EXPECT_EQ(recorded.scoreGained, 0) << opponent.name;
    }
    EXPECT_EQ(user.Record.Image(), afterTheWin);
    // A foreign record whose total lies near the field's limit: a first win
    // by a wipe-out stops the total at the largest value the field holds.
    TDUser foreign;
    foreign.Record.Nutrition = 2147483600;
    campaign::Session nearTheLimit{foreign.Record};
    EXPECT_EQ(nearTheLimit.RecordMatchEnd(snail, DecideOutcome(64, 0, false), 64, 0).scoreGained, 64);
    EXPECT_EQ(foreign.Record.GetNutrition(), 2147483647);

    // Each stage completed opens the next place once.
    for (int position = 1; position < 4; ++position)
        session.RecordMatchEnd(campaign::StageOpponentAt(0, position, LevelNormal), kWin, 40, 24);
    EXPECT_TRUE(session.FollowFirstWin().openMountain);
    EXPECT_FALSE(session.FollowFirstWin().openMountain);
    for (int position = 0; position < 4; ++position)
        session.RecordMatchEnd(campaign::StageOpponentAt(1, position, LevelNormal), kWin, 40, 24);
    const campaign::AfterFirstWin mountainDone = session.FollowFirstWin();
    EXPECT_TRUE(mountainDone.openCyber);
    EXPECT_FALSE(mountainDone.openMountain);

    // The twelfth: the game clear. Saved while the egg hatches, the game is
    // kept as it stood before the clear; once the chick has its name, whole.
    for (int position = 0; position < 4; ++position)
        session.RecordMatchEnd(campaign::StageOpponentAt(2, position, LevelNormal), kWin, 40, 24);
    ASSERT_TRUE(session.FollowFirstWin().gameClear);
    session.ClearGame();
    EXPECT_EQ(user.Record.GetCleared(), 1);
    session.Save();
    PlayerRecord beforeTheClear = user.Record;
    beforeTheClear.SetCleared(0);
    EXPECT_EQ(Saved(2), beforeTheClear.Image());
    EXPECT_EQ(user.Record.GetNutrition(), 192);
    const campaign::ChickPanel chick = session.JudgeChick();
    EXPECT_EQ(chick.eggStrength, 2);
    EXPECT_EQ(session.ChickStrength(), 2);
    session.NameChick("Piyo");
    session.Save();
    EXPECT_EQ(Saved(2), user.Record.Image());
    EXPECT_EQ(user.Record.GetCleared(), 1);

    // Continued in a later run: the colosseum and its chick, at its strength.
    TDUser later;
    campaign::Session continued(later.Record);
    const campaign::ContinuePlan plan = continued.Continue(2);
    EXPECT_TRUE(plan.cleared);
    EXPECT_EQ(later.Record.Image(), user.Record.Image());
    const MatchOpponent piyo = continued.PickChick();
    EXPECT_TRUE(piyo.isChick);
    EXPECT_EQ(piyo.name, "Piyo");
    EXPECT_EQ(piyo.portrait, "imgEgg2");
    ASSERT_TRUE(piyo.strength.has_value());
    EXPECT_EQ(*piyo.strength, (StrengthParams{3, 3, 5, false}));
    EXPECT_TRUE(platform.messages.empty());
}
