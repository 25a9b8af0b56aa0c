#pragma once
// Positions for checking the computer opponent: every position of games
// played at random from the opening position, with the side to move as the
// computer's colour. The games include passes and their finished positions.
#include <cstdint>
#include <random>
#include <vector>

#include "board/board.h"

struct GamePosition {
    Position cells{};
    int side = Black; // the computer's colour
    int empties = 0;
};

inline void PlayOnCells(Position& cells, int column, int row, int side)
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

// Plays `games` random games; every position met is returned, with the side to
// move. A side without a move is recorded too (it must pass), and the last
// position of every game is recorded for both colours.
inline std::vector<GamePosition> RandomGamePositions(std::uint32_t seed, int games)
{
    std::mt19937 random(seed);
    std::vector<GamePosition> positions;
    for (int g = 0; g < games; ++g) {
        TBoard board;
        board.Cells = Position::Opening();
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

inline Position Inverted(Position cells)
{
    for (auto& c : cells)
        c = -c;
    return cells;
}
