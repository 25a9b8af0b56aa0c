#include "board/board.h"
#include "match/match_waits.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Records what storing discs looks and sounds like, in order.
class RecordingObserver : public BoardObserver {
public:
    void DrawCell(int column, int row, std::int32_t value) override
    {
        calls.push_back("draw " + std::to_string(column) + std::to_string(row) + " " + std::to_string(value));
    }
    void PlacingSound(bool byComputer) override { calls.push_back(byComputer ? "put com" : "put player"); }
    void TurningSound(bool byComputer) override { calls.push_back(byComputer ? "turn com" : "turn player"); }
    // How long, as the match times the board's pauses.
    void Pause(BoardPause pause) override { calls.push_back("pause " + std::to_string(BoardPauseMs(pause))); }
    void PumpEvents() override { calls.push_back("pump"); }
    std::vector<std::string> calls;
};

void SetUpInitialPosition(TBoard& board)
{
    board.PutDisc(4, 4, White);
    board.PutDisc(5, 5, White);
    board.PutDisc(4, 5, Black);
    board.PutDisc(5, 4, Black);
}

// Plays a move without animation: the board with no observer does exactly that.
long long Perft(TBoard& board, std::int32_t side, int depth, bool passed = false)
{
    if (depth == 0)
        return 1;
    long long leaves = 0;
    bool moved = false;
    for (int column = 1; column <= 8; ++column) {
        for (int row = 1; row <= 8; ++row) {
            if (!board.CanPlace(column, row, side))
                continue;
            moved = true;
            const auto before = board.Cells;
            board.PlaceAndFlip(column, row, side, false);
            leaves += Perft(board, -side, depth - 1);
            board.Cells = before;
        }
    }
    if (!moved) {
        if (passed)
            return 1;  // neither side can move: the game is over here
        return Perft(board, -side, depth - 1, true);
    }
    return leaves;
}

} // namespace

TEST(Board, StartsEmptyWithTheBorderRing)
{
    TBoard board;
    EXPECT_EQ(board.CountDiscs(Empty), 64);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(board.Cells[i], Empty);
    EXPECT_EQ(TBoard::Directions, (std::array<std::int32_t, 8>{-11, -10, -9, -1, 1, 9, 10, 11}));
}

TEST(Board, InitialPositionHasFourMovesForEachSide)
{
    TBoard board;
    SetUpInitialPosition(board);
    std::vector<std::pair<int, int>> black, white;
    for (int column = 1; column <= 8; ++column)
        for (int row = 1; row <= 8; ++row) {
            if (board.CanPlace(column, row, Black))
                black.emplace_back(column, row);
            if (board.CanPlace(column, row, White))
                white.emplace_back(column, row);
        }
    EXPECT_EQ(black, (std::vector<std::pair<int, int>>{{3, 4}, {4, 3}, {5, 6}, {6, 5}}));
    EXPECT_EQ(white, (std::vector<std::pair<int, int>>{{3, 5}, {4, 6}, {5, 3}, {6, 4}}));
    EXPECT_EQ(board.CountMoves(Black), 4);
    EXPECT_FALSE(board.CanPlace(4, 4, Black)) << "an occupied cell is never a move";
}

TEST(Board, PerftCountsFromTheInitialPosition)
{
    const long long expected[] = {4, 12, 56, 244, 1396, 8200, 55092, 390216};
    TBoard board;
    SetUpInitialPosition(board);
    for (int depth = 1; depth <= 8; ++depth)
        EXPECT_EQ(Perft(board, Black, depth), expected[depth - 1]) << "depth " << depth;
}

TEST(Board, LineRunningIntoTheEdgeCapturesNothing)
{
    TBoard board;
    board.Cells = Position::FromRows({
        "OO......",
        "........",
        "........",
        "........",
        "........",
        "........",
        "........",
        "........",
    });
    // Black at (3,1) would walk left over two whites into the border ring.
    EXPECT_FALSE(board.CanPlace(3, 1, Black));
    board.Cells[CellIndex(1, 1)] = Black;
    EXPECT_TRUE(board.CanPlace(3, 1, Black));
}

TEST(Board, PlaceAndFlipTurnsDirectionByDirectionNearestFirst)
{
    TBoard board;
    RecordingObserver observer;
    // Black at (4,4) will capture up (two whites) and right (one white); the
    // white disc on (3,3) is not bracketed: (2,2) is empty.
    board.Cells = Position::FromRows({
        "...X....",
        "...O....",
        "..OO....",
        "....OX..",
        "........",
        "........",
        "........",
        "........",
    });
    board.SetObserver(&observer);
    board.PlaceAndFlip(4, 4, Black, true);
    const std::vector<std::string> expected{
        "put com", "draw 44 -1", "pump", "pause 300", "pump",
        "turn com", "draw 43 -1", "pump", "pause 130",
        "turn com", "draw 42 -1", "pump", "pause 130",
        "turn com", "draw 54 -1", "pump", "pause 130"};
    EXPECT_EQ(observer.calls, expected);
    EXPECT_EQ(board.At(3, 3), White);
    EXPECT_EQ(board.CountDiscs(Black), 6);
    EXPECT_EQ(board.Cells.ToText(), "...X....\n"
                                    "...X....\n"
                                    "..OX....\n"
                                    "...XXX..\n"
                                    "........\n"
                                    "........\n"
                                    "........\n"
                                    "........");
}

TEST(Board, PlaceAndFlipOnAnOccupiedCellDoesNothing)
{
    TBoard board;
    RecordingObserver observer;
    board.SetObserver(&observer);
    board.Cells[CellIndex(1, 1)] = White;
    board.PlaceAndFlip(1, 1, Black, false);
    EXPECT_TRUE(observer.calls.empty());
    EXPECT_EQ(board.At(1, 1), White);
}

TEST(Board, PutDiscEmptyOnlyRepaintsAndClearEmpties)
{
    TBoard board;
    RecordingObserver observer;
    board.SetObserver(&observer);
    board.PutDisc(2, 3, White);
    board.PutDisc(2, 3, Empty);
    board.PutDisc(2, 3, 7);  // not a disc value: nothing at all
    EXPECT_EQ(observer.calls, (std::vector<std::string>{"draw 23 1", "draw 23 0"}));
    EXPECT_EQ(board.CountDiscs(White), 1) << "repainting empty keeps the stored disc";
    observer.calls.clear();
    board.Clear();
    EXPECT_TRUE(observer.calls.empty()) << "clearing draws nothing";
    EXPECT_EQ(board.CountDiscs(Empty), 64);
    board.RedrawAll();
    ASSERT_EQ(observer.calls.size(), 64u);
    EXPECT_EQ(observer.calls[1], "draw 12 0") << "column outer, row inner";
}

TEST(Board, MatchIsOverWhenFullOrNeitherSideCanMove)
{
    TBoard board;
    for (int column = 1; column <= 8; ++column)
        for (int row = 1; row <= 8; ++row)
            board.Cells[CellIndex(column, row)] = (column + row) % 2 ? Black : White;
    EXPECT_TRUE(board.IsMatchOver());
    board.Cells = Position::FromRows({
        "X.......",
        "........",
        "........",
        "........",
        "........",
        "........",
        "........",
        ".......O",
    });
    EXPECT_TRUE(board.IsMatchOver()) << "empty squares left but no move for either side";
    board.Cells[CellIndex(2, 1)] = White;
    EXPECT_FALSE(board.IsMatchOver());
}

// Positions as eight rows of text: how the tests draw boards and print them.
TEST(Position, ReadsAndWritesEightRowsTopRowFirst)
{
    // Lopsided on purpose: a board read by columns, or bottom row first,
    // would not give the same cells.
    const Position drawn = Position::FromRows({
        "X-.....O",
        "-O-X----",
        "........",
        "...OX...",
        "...XO...",
        "........",
        "......x0",
        "X.......",
    });
    EXPECT_EQ(drawn[CellIndex(1, 1)], Black);
    EXPECT_EQ(drawn[CellIndex(8, 1)], White) << "columns run left to right";
    EXPECT_EQ(drawn[CellIndex(4, 2)], Black);
    EXPECT_EQ(drawn[CellIndex(1, 8)], Black) << "the top row is row 1";
    EXPECT_EQ(drawn[CellIndex(8, 8)], Empty);
    EXPECT_EQ(drawn[CellIndex(7, 7)], Empty) << "a lower-case x is no disc";
    EXPECT_EQ(drawn[CellIndex(8, 7)], Empty) << "nor is a zero";
    for (int i = 0; i < 100; ++i) {
        if (i < 10 || i >= 90 || i % 10 == 0 || i % 10 == 9) {
            EXPECT_EQ(drawn[i], Empty) << "the border ring stays empty at " << i;
        }
    }

    const std::string text = drawn.ToText();
    EXPECT_EQ(text, "X......O\n"
                    ".O.X....\n"
                    "........\n"
                    "...OX...\n"
                    "...XO...\n"
                    "........\n"
                    "........\n"
                    "X.......");
    // The text reads back as the same position.
    std::array<std::string_view, 8> rows;
    for (std::size_t row = 0; row < 8; ++row)
        rows[row] = std::string_view(text).substr(row * 9, 8);
    EXPECT_EQ(Position::FromRows(rows), drawn);

    // Short rows leave the rest of the row empty; a cell holding no disc
    // value shows as '?'.
    Position odd = Position::FromRows({"XO", "", "", "", "", "", "", "......."});
    EXPECT_EQ(odd.ToText(), "XO......\n........\n........\n........\n........\n........\n........\n........");
    odd[CellIndex(3, 2)] = 7;
    EXPECT_EQ(odd.ToText().substr(9, 8), "..?.....");
}
