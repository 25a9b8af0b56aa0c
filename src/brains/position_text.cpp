#include "brains/position_text.h"

namespace {

constexpr std::size_t SquareCount = 64;
constexpr std::size_t LineLength = SquareCount + 2;

std::string Shown(char c)
{
    if (c >= 0x21 && c <= 0x7E)
        return std::string("'") + c + "'";
    const char* digits = "0123456789ABCDEF";
    const auto byte = static_cast<unsigned char>(c);
    return std::string("byte 0x") + digits[byte >> 4] + digits[byte & 15];
}

} // namespace

bool ParsePositionLine(std::string_view line, TextPosition& position, std::string& error)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (line.size() != LineLength) {
        error = "expected " + std::to_string(LineLength)
                + " characters (64 squares, a space, the computer's colour X or O), got "
                + std::to_string(line.size());
        return false;
    }
    TextPosition parsed;
    for (std::size_t i = 0; i < SquareCount; ++i) {
        const int row = static_cast<int>(i / 8) + 1;
        const int column = static_cast<int>(i % 8) + 1;
        std::int32_t value;
        switch (line[i]) {
        case 'X': value = -1; break;
        case 'O': value = 1; break;
        case '-': value = 0; break;
        default:
            error = "square " + MoveText(column, row) + " (character " + std::to_string(i + 1) + ") is "
                    + Shown(line[i]) + "; squares are X, O or -";
            return false;
        }
        parsed.cells[column * 10 + row] = value;
    }
    if (line[SquareCount] != ' ') {
        error = "character 65 must be a space before the computer's colour, got " + Shown(line[SquareCount]);
        return false;
    }
    const char colour = line[SquareCount + 1];
    if (colour != 'X' && colour != 'O') {
        error = "the computer's colour must be X or O, got " + Shown(colour);
        return false;
    }
    parsed.side = colour == 'X' ? -1 : 1;
    position = parsed;
    return true;
}

std::string FormatPositionLine(const Position& cells, int side)
{
    std::string line;
    for (int row = 1; row <= 8; ++row)
        for (int column = 1; column <= 8; ++column) {
            const std::int32_t v = cells[column * 10 + row];
            line += v == -1 ? 'X' : v == 1 ? 'O' : '-';
        }
    line += ' ';
    line += side == -1 ? 'X' : 'O';
    return line;
}

std::string MoveText(int column, int row)
{
    return std::string(1, static_cast<char>('a' + column - 1)) + static_cast<char>('0' + row);
}
