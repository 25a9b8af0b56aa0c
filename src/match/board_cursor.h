#pragma once
// The keyboard's square on the board. The arrow keys move it a square at a
// time; a letter a–h puts it in that column and a digit 1–8 in that row, so
// typing "d3" takes it to d3. Columns a–h run from left to right and rows 1–8
// from top to bottom: "a1" is the top-left corner, as players name squares.
#include <cstdint>
#include <string>

struct BoardCursor {
    int column = 4;  // 1..8
    int row = 4;     // 1..8

    // Some squares along; the cursor stays on the board.
    void Move(int columns, int rows);
    // A typed character: true when it was a column letter or a row digit
    // (either case) and the cursor went there.
    bool Type(char typed);
};

// "a1" … "h8".
std::string SquareName(int column, int row);
// A square and what lies on it, for a screen reader, in the game's language:
// "d4 白", "d5 黒", "e6 空き".
std::string SquareDescription(int column, int row, std::int32_t value);
