#pragma once
// Positions as one line of text, for the analysis tool: 64 characters, row 1
// (top) first and within a row column 1 to 8, 'X' Black, 'O' White, '-'
// empty; a space; the computer's colour, 'X' or 'O'. Moves are written as a
// column letter a-h and a row digit 1-8 ("d3").
#include "board/board.h"

#include <string>
#include <string_view>

struct TextPosition {
    Position cells{};
    int side = -1; // the computer's colour: -1 Black, 1 White
};

// Reads one line (a trailing carriage return is allowed). On failure returns
// false and says what is wrong in `error`.
bool ParsePositionLine(std::string_view line, TextPosition& position, std::string& error);

std::string FormatPositionLine(const Position& cells, int side);

std::string MoveText(int column, int row);
