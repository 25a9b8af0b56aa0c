#include "match/match_rules.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

TEST(BoardClicks, MapToSquaresWithTheMarginAndTheLastLineIgnored)
{
    const BoardGeometry board;
    EXPECT_EQ(board.PitchX(), 38);
    struct Case {
        int at;
        int square;  // 0: ignored
    } cases[] = {{0, 0}, {5, 0}, {6, 1}, {43, 1}, {44, 2}, {81, 2}, {82, 3}, {271, 7},
                 {272, 8}, {309, 8}, {310, 0}, {311, 0}, {312, 0}, {316, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.at);
        const auto byColumn = SquareAt(board, c.at, 100);
        const auto byRow = SquareAt(board, 100, c.at);
        if (c.square == 0) {
            EXPECT_FALSE(byColumn.has_value());
            EXPECT_FALSE(byRow.has_value());
        } else {
            ASSERT_TRUE(byColumn && byRow);
            EXPECT_EQ(*byColumn, (Square{c.square, 3}));
            EXPECT_EQ(*byRow, (Square{3, c.square}));
        }
    }
    // Another picture size keeps its own pitch.
    const BoardGeometry wide{400, 317};
    EXPECT_EQ(SquareAt(wide, 6 + 48, 6), (Square{2, 1}));
}

TEST(MatchEnd, WinnerFollowsTheCountAndTheSides)
{
    EXPECT_EQ(DecideOutcome(33, 31, false).result, -1);
    EXPECT_TRUE(DecideOutcome(33, 31, false).playerWon);
    EXPECT_FALSE(DecideOutcome(33, 31, true).playerWon);
    EXPECT_EQ(DecideOutcome(20, 44, true).result, 1);
    EXPECT_TRUE(DecideOutcome(20, 44, true).playerWon);
    EXPECT_FALSE(DecideOutcome(20, 44, false).playerWon);
    for (const bool second : {false, true}) {
        EXPECT_EQ(DecideOutcome(32, 32, second).result, 0);
        EXPECT_FALSE(DecideOutcome(32, 32, second).playerWon);
    }
}

TEST(MatchEnd, CaptionsOfTheResult)
{
    EXPECT_EQ(ResultCaption(DecideOutcome(33, 31, false), "たろう"), "たろうさんの\n勝ちです！");
    EXPECT_EQ(ResultCaption(DecideOutcome(33, 31, true), "はなこ"), "はなこさんの\n負けです！");
    EXPECT_EQ(ResultCaption(DecideOutcome(32, 32, true), "はなこ"), "引き分け");
    EXPECT_EQ(ScoreCaption(0), "Score +0");
    EXPECT_EQ(ScoreCaption(64), "Score +64");
}

TEST(FinalCount, BlocksGrowFromOppositeCorners)
{
    int black = 40;
    int white = 24;
    std::vector<CountStepDiscs> steps;
    for (int n = 0; black > 0 || white > 0; ++n)
        steps.push_back(CountLayoutStep(n, black, white));
    ASSERT_EQ(steps.size(), 40u);
    EXPECT_EQ(steps[0].black, (Square{1, 1}));
    EXPECT_EQ(steps[0].white, (Square{8, 8}));
    EXPECT_EQ(steps[7].black, (Square{8, 1}));
    EXPECT_EQ(steps[7].white, (Square{1, 8}));
    EXPECT_EQ(steps[8].black, (Square{1, 2}));
    EXPECT_EQ(steps[8].white, (Square{8, 7}));
    // The last sixteen steps lay Black only.
    for (std::size_t i = 0; i < steps.size(); ++i)
        EXPECT_EQ(steps[i].white.has_value(), i < 24) << i;
    EXPECT_EQ(steps[39].black, (Square{8, 5}));
}

TEST(FinalCount, FullBoardBlocksMeetExactly)
{
    for (const auto& [blackTotal, whiteTotal] : {std::pair{32, 32}, {50, 14}, {1, 63}, {64, 0}}) {
        int black = blackTotal;
        int white = whiteTotal;
        std::set<std::pair<int, int>> blackSquares;
        std::set<std::pair<int, int>> whiteSquares;
        for (int n = 0; black > 0 || white > 0; ++n) {
            const CountStepDiscs discs = CountLayoutStep(n, black, white);
            if (discs.black)
                blackSquares.insert({discs.black->column, discs.black->row});
            if (discs.white)
                whiteSquares.insert({discs.white->column, discs.white->row});
        }
        EXPECT_EQ(static_cast<int>(blackSquares.size()), blackTotal);
        EXPECT_EQ(static_cast<int>(whiteSquares.size()), whiteTotal);
        for (const auto& square : blackSquares)
            EXPECT_EQ(whiteSquares.count(square), 0u) << blackTotal << ":" << whiteTotal;
    }
}
