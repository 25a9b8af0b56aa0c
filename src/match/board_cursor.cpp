#include "match/board_cursor.h"

#include "board/board.h"
#include "platform/catalogue.h"

#include <algorithm>

void BoardCursor::Move(int columns, int rows)
{
    column = std::clamp(column + columns, 1, 8);
    row = std::clamp(row + rows, 1, 8);
}

bool BoardCursor::Type(char typed)
{
    if (typed >= 'A' && typed <= 'H')
        typed = static_cast<char>(typed - 'A' + 'a');
    if (typed >= 'a' && typed <= 'h') {
        column = typed - 'a' + 1;
        return true;
    }
    if (typed >= '1' && typed <= '8') {
        row = typed - '0';
        return true;
    }
    return false;
}

std::string SquareName(int column, int row)
{
    return {static_cast<char>('a' + column - 1), static_cast<char>('0' + row)};
}

std::string SquareDescription(int column, int row, std::int32_t value)
{
    const char* description = value == Black ? "%s 黒" : value == White ? "%s 白" : "%s 空き";
    return TrWith(description, SquareName(column, row));
}
