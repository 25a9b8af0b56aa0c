#include "brains/position_text.h"

#include "brains/game_positions.h"

#include <gtest/gtest.h>

namespace {

const std::string Opening = "---------------------------OX------XO--------------------------- X";

TEST(PositionText, ReadsRowsTopFirstAndColumnsLeftToRight)
{
    TextPosition p;
    std::string error;
    // d4 and e5 white, d5 and e4 black; a1 black, h1 white, a8 white.
    std::string line = Opening;
    line[0] = 'X';
    line[7] = 'O';
    line[56] = 'O';
    line[65] = 'O';
    ASSERT_TRUE(ParsePositionLine(line, p, error)) << error;
    EXPECT_EQ(p.side, White);
    EXPECT_EQ(p.cells[CellIndex(4, 4)], White);
    EXPECT_EQ(p.cells[CellIndex(5, 5)], White);
    EXPECT_EQ(p.cells[CellIndex(4, 5)], Black);
    EXPECT_EQ(p.cells[CellIndex(5, 4)], Black);
    EXPECT_EQ(p.cells[CellIndex(1, 1)], Black);
    EXPECT_EQ(p.cells[CellIndex(8, 1)], White);
    EXPECT_EQ(p.cells[CellIndex(1, 8)], White);
    EXPECT_EQ(FormatPositionLine(p.cells, p.side), line);
    // The border ring stays empty.
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(p.cells[i], Empty);
        EXPECT_EQ(p.cells[90 + i], Empty);
        EXPECT_EQ(p.cells[i * 10], Empty);
        EXPECT_EQ(p.cells[i * 10 + 9], Empty);
    }
}

TEST(PositionText, AcceptsAWindowsLineEnd)
{
    TextPosition p;
    std::string error;
    ASSERT_TRUE(ParsePositionLine(Opening + "\r", p, error)) << error;
    EXPECT_EQ(p.cells, Position::Opening());
    EXPECT_EQ(p.side, Black);
}

TEST(PositionText, MalformedLinesAreRefusedWithTheReason)
{
    struct Case {
        std::string line;
        std::string reasonPart;
    };
    std::string badSquare = Opening;
    badSquare[10] = 'x';
    std::string noSpace = Opening;
    noSpace[64] = '_';
    std::string badColour = Opening;
    badColour[65] = '-';
    std::string control = Opening;
    control[3] = '\t';
    const Case cases[] = {
        {"", "got 0"},
        {Opening.substr(0, 65), "got 65"},
        {Opening + " ", "got 67"},
        {Opening.substr(0, 64), "got 64"},
        {badSquare, "square c2 (character 11) is 'x'"},
        {control, "square d1 (character 4) is byte 0x09"},
        {noSpace, "character 65 must be a space"},
        {badColour, "colour must be X or O, got '-'"},
    };
    for (const Case& c : cases) {
        TextPosition p;
        p.side = 7;
        std::string error;
        EXPECT_FALSE(ParsePositionLine(c.line, p, error)) << c.line;
        EXPECT_NE(error.find(c.reasonPart), std::string::npos) << error;
        EXPECT_EQ(p.side, 7); // untouched
    }
}

TEST(PositionText, MovesAreColumnLetterAndRowDigit)
{
    EXPECT_EQ(MoveText(4, 3), "d3");
    EXPECT_EQ(MoveText(1, 1), "a1");
    EXPECT_EQ(MoveText(8, 8), "h8");
}

} // namespace
