#pragma once
// Positions for checking the computer opponent: every position of games
// played at random from the opening position, with the side to move as the
// computer's colour. The games include passes and their finished positions.
#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "board/board.h"

struct GamePosition {
    std::array<std::int32_t, 100> cells{};
    int side = Black; // the computer's colour
    int empties = 0;
};

inline void PlayOnCells(std::array<std::int32_t, 100>& cells, int column, int row, int side)
{
    const int cell = CellIndex(column, row);
    for (const int d : TBoard::Directions) {
        int end = cell + d;
        while (cells[end] == -side)
            end += d;
        if (end != cell + d && cells[end] == side)
            for (int turn = cell + d; turn != end; turn += d)
                cells[turn] = side;
    }
    cells[cell] = side;
}

inline std::array<std::int32_t, 100> OpeningCells()
{
    std::array<std::int32_t, 100> cells{};
    cells[CellIndex(4, 4)] = White;
    cells[CellIndex(5, 5)] = White;
    cells[CellIndex(4, 5)] = Black;
    cells[CellIndex(5, 4)] = Black;
    return cells;
}

// Plays `games` random games; every position met is returned, with the side to
// move. A side without a move is recorded too (it must pass), and the last
// position of every game is recorded for both colours.
inline std::vector<GamePosition> RandomGamePositions(std::uint32_t seed, int games)
{
    std::mt19937 random(seed);
    std::vector<GamePosition> positions;
    for (int g = 0; g < games; ++g) {
        TBoard board;
        board.Cells = OpeningCells();
        int side = Black;
        for (;;) {
            const int empties = board.CountDiscs(Empty);
            const int moves = board.CountMoves(side);
            if (moves == 0 && board.CountMoves(-side) == 0) {
                positions.push_back({board.Cells, side, empties});
                positions.push_back({board.Cells, -side, empties});
                break;
            }
            positions.push_back({board.Cells, side, empties});
            if (moves > 0) {
                int pick = std::uniform_int_distribution<int>(0, moves - 1)(random);
                for (int column = 1; column <= 8 && pick >= 0; ++column)
                    for (int row = 1; row <= 8 && pick >= 0; ++row)
                        if (board.CanPlace(column, row, side) && pick-- == 0)
                            PlayOnCells(board.Cells, column, row, side);
            }
            side = -side;
        }
    }
    return positions;
}

// A position drawn row by row, row 1 first, each string the columns 1..8:
// 'X' Black, 'O' White, anything else empty.
inline std::array<std::int32_t, 100> CellsFromRows(const std::array<std::string, 8>& rows)
{
    std::array<std::int32_t, 100> cells{};
    for (int row = 1; row <= 8; ++row)
        for (int column = 1; column <= 8; ++column) {
            const char c = rows[row - 1][column - 1];
            cells[CellIndex(column, row)] = c == 'X' ? Black : c == 'O' ? White : Empty;
        }
    return cells;
}

inline std::array<std::int32_t, 100> Inverted(std::array<std::int32_t, 100> cells)
{
    for (auto& c : cells)
        c = -c;
    return cells;
}
