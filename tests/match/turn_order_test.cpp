// The match without a screen: the start sequence, whose turn it is, the
// passes with their notices, the opponent's remarks, the corner flags, the
// end with its count and what leaving records, as MatchFlow drives its view.
#include "match/match_flow.h"

#include "brains/brains.h"
#include "campaign/session.h"
#include "platform/game_random.h"
#include "profile/player_record.h"
#include "support/logging_match_view.h"
#include "support/match_positions.h"
#include "support/recording_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

std::vector<std::string> SpeechLines()
{
    std::vector<std::string> lines;
    for (int i = 0; i <= 17; ++i)
        lines.push_back("L" + std::to_string(i));
    for (const char* line : {"**", "R1", "*END", "**", "R2", "*END", "*MesEnd"})
        lines.emplace_back(line);
    return lines;
}

// The forest's second opponent, with the disc sounds of set 8 and the lines
// above; the computer keeps the strength the test gives it.
MatchOpponent ForestOpponent()
{
    MatchOpponent opponent;
    opponent.place = 0;
    opponent.position = 1;
    opponent.soundSet = 8;
    opponent.speech = SpeechLines();
    return opponent;
}

class TurnOrder : public ::testing::Test {
protected:
    TurnOrder() : flow(board, brains, campaign, random, view)
    {
        view.flow = &flow;
        brains.SetStrength(StrengthParams{1, 1, 1, false});
        user.Record.SetPlayerName("Taro");
        user.Record.SetPlayerCharacter(1);
        flow.SetOpponent(ForestOpponent());
    }

    // The start sequence's eight ticks, steps 0 to 70.
    void RunStart()
    {
        for (int tick = 0; tick < 8; ++tick)
            flow.StartTick();
    }

    RecordingPlatform platform;
    TBoard board;
    TDBrains brains;
    TDUser user;
    campaign::Session campaign{user.Record};
    GameRandom random;
    LoggingView view;
    MatchFlow flow;
};

} // namespace

TEST_F(TurnOrder, TheStartThenAMoveAnsweredAndNothingEnabledWhileTheComputerMoves)
{
    flow.Begin(false);
    EXPECT_EQ(view.log, (std::vector<std::string>{"start sequence", "Black to move"}));
    RunStart();
    EXPECT_EQ(view.Count("start disc"), 4);
    EXPECT_EQ(board.CountDiscs(Black) + board.CountDiscs(White), 4);
    EXPECT_EQ(board.At(4, 4), White);
    EXPECT_EQ(board.At(5, 4), Black);
    EXPECT_EQ(view.Count("pace 400"), 1);
    EXPECT_EQ(view.Count("says L0"), 1) << "the greeting";
    EXPECT_EQ(view.log.back(), "enable");
    EXPECT_EQ(flow.StartStep, 0);

    // The player moves; the computer answers; the player's turn comes back.
    const std::size_t before = view.log.size();
    flow.PlayerPress(3, 4);
    const std::vector<std::string> move(view.log.begin() + static_cast<std::ptrdiff_t>(before), view.log.end());
    ASSERT_GE(move.size(), 5u);
    EXPECT_EQ(move[0], "Black to move");
    EXPECT_EQ(move[1], "disable");
    EXPECT_EQ(std::find(move.begin(), move.end(), "White to move") - move.begin(),
              std::find(move.begin(), move.end(), "pause 300") - move.begin() - 1)
        << "the computer's plate lights, then it waits before its move";
    EXPECT_EQ(move[move.size() - 2], "Black to move");
    EXPECT_EQ(move.back(), "enable");
    EXPECT_EQ(std::count(move.begin(), move.end(), "enable"), 1);
    EXPECT_EQ(board.CountDiscs(Empty), 58);
    EXPECT_FALSE(flow.MoveInProgress());
    EXPECT_TRUE(flow.CanGiveUp());

    // A press on an occupied or illegal square does nothing at all.
    const std::size_t quiet = view.log.size();
    flow.PlayerPress(4, 4);
    flow.PlayerPress(1, 1);
    EXPECT_EQ(view.log.size(), quiet);

    // Moving the moment the fourth disc is down: the rest of the start
    // sequence ticks during the move and enables nothing.
    TBoard again;
    LoggingView earlyView;
    MatchFlow early(again, brains, campaign, random, earlyView);
    earlyView.flow = &early;
    early.SetOpponent(ForestOpponent());
    early.Begin(false);
    for (int tick = 0; tick < 5; ++tick)
        early.StartTick();
    ASSERT_TRUE(earlyView.enabled) << "the fourth disc hands the move to the player";
    earlyView.onPump = [&early] {
        if (early.StartStep != 0)
            early.StartTick();
    };
    const std::size_t pressAt = earlyView.log.size();
    early.PlayerPress(3, 4);
    EXPECT_EQ(early.StartStep, 0) << "the start sequence ended during the move";
    EXPECT_EQ(earlyView.Count("enable", pressAt), 1);
    EXPECT_EQ(earlyView.log.back(), "enable");
    EXPECT_EQ(again.CountDiscs(Empty), 58);
}

TEST_F(TurnOrder, PassesShowTheNoticeAndTheOpponentSaysSo)
{
    flow.Begin(false);
    RunStart();
    board.Cells = Position::FromRows(match_positions::kWhiteCannotAnswer);
    std::size_t from = view.log.size();
    flow.PlayerPress(3, 1);
    const std::vector<std::string> computerPasses{"notice パスです!", "effect 6", "pause 1000", "notice off", "enable",
                                                  "says L8"};
    EXPECT_TRUE(std::search(view.log.begin() + static_cast<std::ptrdiff_t>(from), view.log.end(),
                            computerPasses.begin(), computerPasses.end()) != view.log.end());
    EXPECT_EQ(view.Count("White to move", from), 0) << "the computer never moved";
    from = view.log.size();
    view.bubble = false;
    flow.PlayerPress(3, 8);
    EXPECT_EQ(view.Count("says L9", from), 1) << "a pass right after a pass";

    // Now Black's one move leaves the computer moving again and again, each
    // time after the notice and its remark, until the board is full.
    board.Cells = Position::FromRows(match_positions::kBlackPassesUntilTheEnd);
    ASSERT_EQ(board.CountMoves(Black), 1);
    from = view.log.size();
    flow.PlayerPress(1, 3);
    EXPECT_GE(view.Count("notice パスです!", from), 2);
    EXPECT_EQ(view.Count("says L10", from), 1);
    EXPECT_GE(view.Count("says L11", from), 1);
    EXPECT_EQ(view.Count("enable", from), 0) << "the player never had a move again";
    EXPECT_TRUE(view.counting) << "the match ended and the count began";
    EXPECT_EQ(board.CountDiscs(Empty), 64) << "the board empties for the count";
    EXPECT_GT(flow.WhiteCount, flow.BlackCount);
    EXPECT_FALSE(flow.PlayerWon);
}

TEST_F(TurnOrder, CornersTheEndTheCountAndLeaving)
{
    flow.Begin(false);
    RunStart();
    // The player takes a corner with plenty of room: the opponent minds.
    board.Cells = Position::FromRows({".OX.....",
                                      "........",
                                      "...XO...",
                                      "...OX...",
                                      "........",
                                      "........",
                                      "........",
                                      "........"});
    view.bubble = false;
    std::size_t from = view.log.size();
    flow.PlayerPress(1, 1);
    EXPECT_EQ(view.Count("says L12", from), 1);
    EXPECT_TRUE(flow.PlayerTookCorner);

    // Black's last move fills the board 36 : 28: the match ends, the egg is
    // fed the margin, the board empties for the count.
    board.Cells = Position::FromRows(match_positions::kLastMoveFillsTheBoard);
    flow.PlayerPress(8, 8);
    EXPECT_EQ(flow.BlackCount, 36);
    EXPECT_EQ(flow.WhiteCount, 28);
    EXPECT_TRUE(flow.PlayerWon);
    EXPECT_EQ(flow.ScoreGained, 8);
    EXPECT_EQ(user.Record.GetNutrition(), 8);
    EXPECT_EQ(board.CountDiscs(Empty), 64);
    ASSERT_TRUE(view.counting);
    for (int tick = 0; tick < 40 && view.counting; ++tick)
        flow.CountTick();
    EXPECT_FALSE(view.counting);
    EXPECT_EQ(board.CountDiscs(Black), 36);
    EXPECT_EQ(board.At(1, 1), Black);
    EXPECT_EQ(board.At(8, 8), White);
    EXPECT_EQ(view.result.caption, "Taroさんの\n勝ちです！");
    EXPECT_EQ(view.result.score, "Score +8");
    EXPECT_EQ(view.result.playerFace, "imgHeloW");
    EXPECT_FALSE(view.result.opponentWon);
    EXPECT_EQ(view.Count("effect 3"), 1);
    EXPECT_FALSE(flow.CanGiveUp()) << "a match over is left, not given up";

    // Leaving tells of the first win; the opponent is beaten.
    EXPECT_TRUE(flow.Leave());
    EXPECT_EQ(user.Record.OpponentKnockDown(0, 1), 1);
    EXPECT_EQ(board.CountDiscs(Empty), 64);

    // A second win over the same opponent feeds nothing and is no first win.
    flow.Begin(false);
    RunStart();
    board.Cells = Position::FromRows(match_positions::kLastMoveFillsTheBoard);
    flow.PlayerPress(8, 8);
    EXPECT_TRUE(flow.PlayerWon);
    EXPECT_EQ(flow.ScoreGained, 0);
    EXPECT_EQ(user.Record.GetNutrition(), 8);
    EXPECT_FALSE(flow.Leave());

    // In the colosseum nothing is said, fed or recorded.
    flow.SetOpponent(campaign::ChickAt(3, "Piyo", LevelNormal));
    const std::string lastKey = flow.Memory.LastMessageKey;
    flow.Speak("GREETING");
    EXPECT_EQ(flow.Memory.LastMessageKey, lastKey);
    EXPECT_FALSE(flow.Leave());
}

TEST_F(TurnOrder, EveryWaitHasItsLength)
{
    const auto pausesFrom = [this](std::size_t from) {
        std::vector<std::string> pauses;
        for (std::size_t i = from; i < view.log.size(); ++i)
            if (view.log[i].rfind("pause ", 0) == 0)
                pauses.push_back(view.log[i]);
        return pauses;
    };

    // Moving second: the start slows at the greeting, and the computer's
    // first move comes half a second after the start.
    flow.Begin(true);
    RunStart();
    EXPECT_EQ(view.Count("pace 400"), 1);
    EXPECT_EQ(pausesFrom(0), (std::vector<std::string>{"pause 500"}));

    // Moving first, Black's one move leaves the computer moving again and
    // again: a pause before each of its moves, and after the first, the pass
    // notice and the wait for its remark. Then the finished board stays in
    // view before the count, and the result follows the count.
    flow.Begin(false);
    RunStart();
    board.Cells = Position::FromRows(match_positions::kBlackPassesUntilTheEnd);
    const std::size_t from = view.log.size();
    flow.PlayerPress(1, 3);
    for (int tick = 0; tick < 70 && view.counting; ++tick)
        flow.CountTick();
    ASSERT_EQ(view.log.back(), "result");
    const int passes = view.Count("notice パスです!", from);
    ASSERT_GE(passes, 2);
    std::vector<std::string> expected{"pause 300"};
    for (int pass = 0; pass < passes; ++pass)
        expected.insert(expected.end(), {"pause 300", "pause 1000", "pause 10"});
    expected.insert(expected.end(), {"pause 1500", "pause 300"});
    EXPECT_EQ(pausesFrom(from), expected);
}
