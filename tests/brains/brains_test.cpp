// The computer opponent's move choice: both methods, the colours, the
// corner order, the random draw, and what it leaves behind.
#include "brains/brains.h"
#include "brains/game_positions.h"
#include "platform/game_random.h"
#include "support/recording_platform.h"

#include <gtest/gtest.h>

#include <map>

namespace {

TEST(Brains, CreationSetsTheStartValues)
{
    TDBrains brains;
    brains.SearchDepth = 7;
    brains.BestX = 5;
    brains.RandomPlay = true;
    brains.DBrainsCreate();
    EXPECT_EQ(brains.SearchDepth, 1);
    EXPECT_EQ(brains.LateSearchDepth, 1);
    EXPECT_EQ(brains.EndgameEmpties, 1);
    EXPECT_EQ(brains.BestX, 1);
    EXPECT_EQ(brains.BestY, 1);
    EXPECT_FALSE(brains.RandomPlay);
}

TEST(Brains, WhiteChoosesWhatBlackChoosesOnTheInvertedBoard)
{
    const auto positions = RandomGamePositions(31, 6);
    TDBrains asWhite, asBlack;
    for (StrengthParams strength : {StrengthParams{3, 3, 5, false}, StrengthParams{5, 7, 11, false}}) {
        asWhite.SetStrength(strength);
        asBlack.SetStrength(strength);
        for (const auto& p : positions) {
            asWhite.BestX = asWhite.BestY = asBlack.BestX = asBlack.BestY = 0;
            asWhite.ChooseMove(p.cells, White, 1);
            asBlack.ChooseMove(Inverted(p.cells), Black, 1);
            EXPECT_EQ(asWhite.BestX, asBlack.BestX);
            EXPECT_EQ(asWhite.BestY, asBlack.BestY);
            EXPECT_EQ(asWhite.LastValue, asBlack.LastValue);
        }
    }
}

TEST(Brains, OtherMethodsChooseNothing)
{
    TDBrains brains;
    brains.BestX = 4;
    brains.BestY = 7;
    Position cells = Position::Opening();
    brains.ChooseMove(cells, Black, 2);
    brains.ChooseMove(cells, Black, -1);
    EXPECT_EQ(brains.BestX, 4);
    EXPECT_EQ(brains.BestY, 7);
}

// Black can take each corner over an edge disc; `open` says which.
Position CornersOpen(bool a1, bool h1, bool a8, bool h8)
{
    Position cells = Position::FromRows({
        "--------",
        "--------",
        "--------",
        "---XO---",
        "---OX---",
        "--------",
        "--------",
        "--------",
    });
    auto bracket = [&](bool open, int c1, int r1, int c2, int r2) {
        cells[CellIndex(c1, r1)] = White;
        cells[CellIndex(c2, r2)] = open ? Black : White;
    };
    bracket(a1, 2, 1, 3, 1);
    bracket(h1, 7, 1, 6, 1);
    bracket(a8, 1, 7, 1, 6);
    bracket(h8, 8, 7, 8, 6);
    return cells;
}

TEST(Brains, CornerOrRandomTakesCornersInTheirOrder)
{
    struct Case {
        bool a1, h1, a8, h8;
        int x, y;
    };
    const Case cases[] = {
        {true, true, true, true, 1, 1},    {false, true, true, true, 8, 1}, {false, false, true, true, 1, 8},
        {false, false, false, true, 8, 8}, {true, false, false, true, 1, 1}, {false, true, false, true, 8, 1},
    };
    TDBrains brains;
    for (const Case& c : cases)
        for (int side : {Black, White}) {
            Position cells = side == Black ? CornersOpen(c.a1, c.h1, c.a8, c.h8)
                                        : Inverted(CornersOpen(c.a1, c.h1, c.a8, c.h8));
            TBoard board;
            board.Cells = cells;
            ASSERT_GT(board.CountMoves(side), 4); // other moves are there too
            brains.BestX = brains.BestY = 0;
            brains.ChooseMove(cells, side, 0);
            EXPECT_EQ(brains.BestX, c.x);
            EXPECT_EQ(brains.BestY, c.y);
        }
}

const GamePosition& WithMoves(const std::vector<GamePosition>& positions, int moves)
{
    for (const auto& p : positions) {
        TBoard board;
        board.Cells = p.cells;
        bool corner = false;
        for (int c : {1, 8})
            for (int r : {1, 8})
                corner = corner || board.CanPlace(c, r, p.side);
        if (!corner && board.CountMoves(p.side) == moves)
            return p;
    }
    throw std::runtime_error("no such position");
}

TEST(Brains, CornerOrRandomDrawsEachLegalMoveAlike)
{
    RecordingPlatform platform;
    const auto positions = RandomGamePositions(33, 10);
    const GamePosition& p = WithMoves(positions, 3);
    GameRandom::Shared().Seed(20240607);
    TDBrains brains;
    std::map<std::pair<int, int>, int> chosen;
    TBoard board;
    board.Cells = p.cells;
    constexpr int Draws = 3000;
    for (int i = 0; i < Draws; ++i) {
        Position cells = p.cells;
        brains.ChooseMove(cells, p.side, 0);
        ASSERT_TRUE(board.CanPlace(brains.BestX, brains.BestY, p.side));
        ++chosen[{brains.BestX, brains.BestY}];
    }
    ASSERT_EQ(chosen.size(), 3u);
    for (const auto& [move, count] : chosen) {
        EXPECT_GT(count, Draws / 3 - 150);
        EXPECT_LT(count, Draws / 3 + 150);
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST(Brains, ASingleLegalMoveIsAlwaysTaken)
{
    const auto positions = RandomGamePositions(34, 40);
    const GamePosition& p = WithMoves(positions, 1);
    TBoard board;
    board.Cells = p.cells;
    TDBrains brains;
    brains.SetStrength(StrengthParams{7, 11, 15, false});
    for (int method : {0, 1}) {
        brains.BestX = brains.BestY = 0;
        Position cells = p.cells;
        brains.ChooseMove(cells, p.side, method);
        EXPECT_TRUE(board.CanPlace(brains.BestX, brains.BestY, p.side)) << "method " << method;
    }
}

TEST(Brains, NoLegalMoveKeepsTheLastSquareAndComplainsOnlyAboutZero)
{
    RecordingPlatform platform;
    // Only White has discs: Black cannot move.
    const Position cells = Position::FromRows({
        "........",
        "........",
        "........",
        "...O....",
        "....O...",
        "........",
        "........",
        "........",
    });
    TDBrains brains;
    brains.BestX = 3;
    brains.BestY = 6;
    for (int method : {0, 1})
        brains.ChooseMove(cells, Black, method);
    EXPECT_EQ(brains.BestX, 3);
    EXPECT_EQ(brains.BestY, 6);
    EXPECT_TRUE(platform.messages.empty());

    brains.BestX = 0;
    brains.ChooseMove(cells, Black, 0);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "erorr");
    EXPECT_EQ(platform.messages[0].text, "BestX,またはBestYの値が0です。");
    EXPECT_EQ(brains.BestX, 0);
    EXPECT_EQ(brains.BestY, 6);
}

// Window events run while the computer thinks.
TEST(Brains, LongSearchesLetWindowEventsRun)
{
    RecordingPlatform platform;
    const auto positions = RandomGamePositions(35, 2);
    TDBrains brains;
    brains.SetStrength(StrengthParams{7, 11, 15, false});
    brains.SetPumpInterval(std::chrono::microseconds(0));
    int searches = 0;
    for (const auto& p : positions) {
        if (p.empties < 18 || p.empties > 40)
            continue;
        const int before = platform.pumps;
        brains.ChooseMove(p.cells, p.side, 1);
        // The clock is looked at every 1024 searched nodes; each searched
        // node has fewer than 40 last-ply positions below it.
        if (brains.LastNodes >= 40 * 1024) {
            EXPECT_GT(platform.pumps, before);
        }
        ++searches;
    }
    EXPECT_GT(searches, 20);
    EXPECT_GT(platform.pumps, searches);

    // With the usual interval a short search does not stop for events.
    platform.pumps = 0;
    brains.SetPumpInterval(std::chrono::milliseconds(5));
    brains.SetStrength(StrengthParams{1, 1, 3, false});
    Position cells = Position::Opening();
    brains.ChooseMove(cells, Black, 1);
    EXPECT_EQ(platform.pumps, 0);
}

} // namespace
