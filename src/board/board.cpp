#include "board/board.h"

Position Position::FromRows(const std::array<std::string_view, 8>& rows)
{
    Position cells{};
    for (int row = 1; row <= 8; ++row) {
        const std::string_view text = rows[static_cast<std::size_t>(row - 1)];
        for (int column = 1; column <= 8 && static_cast<std::size_t>(column) <= text.size(); ++column) {
            const char c = text[static_cast<std::size_t>(column - 1)];
            cells[CellIndex(column, row)] = c == 'X' ? Black : c == 'O' ? White : Empty;
        }
    }
    return cells;
}

Position Position::Opening()
{
    return FromRows({
        "........",
        "........",
        "........",
        "...OX...",
        "...XO...",
        "........",
        "........",
        "........",
    });
}

std::string Position::ToText() const
{
    std::string text;
    for (int row = 1; row <= 8; ++row) {
        if (row > 1)
            text += '\n';
        for (int column = 1; column <= 8; ++column) {
            const std::int32_t v = (*this)[CellIndex(column, row)];
            text += v == Black ? 'X' : v == White ? 'O' : v == Empty ? '.' : '?';
        }
    }
    return text;
}

TBoard::TBoard()
{
    Cells.fill(Empty);
}

void TBoard::Clear()
{
    for (int column = 1; column <= 8; ++column)
        for (int row = 1; row <= 8; ++row)
            Cells[CellIndex(column, row)] = Empty;
}

void TBoard::PutDisc(int column, int row, std::int32_t value)
{
    if (value == Black || value == White)
        Cells[CellIndex(column, row)] = value;
    else if (value != Empty)
        return;
    // An Empty disc only repaints the square; the stored position stays.
    if (observer_)
        observer_->DrawCell(column, row, value);
}

void TBoard::RedrawAll()
{
    for (int column = 1; column <= 8; ++column)
        for (int row = 1; row <= 8; ++row)
            PutDisc(column, row, At(column, row));
}

bool TBoard::CanPlace(int column, int row, std::int32_t side) const
{
    const int cell = CellIndex(column, row);
    if (Cells[cell] != Empty)
        return false;
    for (const int d : Directions) {
        int walk = cell + d;
        if (Cells[walk] != -side)
            continue;
        while (Cells[walk] == -side)
            walk += d;
        if (Cells[walk] == side)
            return true;
    }
    return false;
}

int TBoard::CountMoves(std::int32_t side) const
{
    int moves = 0;
    for (int column = 1; column <= 8; ++column)
        for (int row = 1; row <= 8; ++row)
            if (CanPlace(column, row, side))
                ++moves;
    return moves;
}

int TBoard::CountDiscs(std::int32_t value) const
{
    int discs = 0;
    for (int column = 1; column <= 8; ++column)
        for (int row = 1; row <= 8; ++row)
            if (At(column, row) == value)
                ++discs;
    return discs;
}

bool TBoard::IsMatchOver() const
{
    if (CountDiscs(Empty) == 0)
        return true;
    return CountMoves(Black) == 0 && CountMoves(White) == 0;
}

void TBoard::PlaceAndFlip(int column, int row, std::int32_t side, bool byComputer)
{
    const int cell = CellIndex(column, row);
    if (Cells[cell] != Empty)
        return;
    if (observer_)
        observer_->PlacingSound(byComputer);
    PutDisc(column, row, side);
    if (observer_) {
        observer_->PumpEvents();
        observer_->Pause(BoardPause::AfterPlacing);
        observer_->PumpEvents();
    }
    for (const int d : Directions) {
        if (Cells[cell + d] != -side)
            continue;
        int end = cell + d;
        while (Cells[end] == -side)
            end += d;
        if (Cells[end] != side)
            continue;
        // Turn the bracketed discs one at a time, nearest first.
        for (int turn = cell + d; turn != end; turn += d) {
            Cells[turn] = side;
            if (observer_)
                observer_->TurningSound(byComputer);
            PutDisc(turn / 10, turn % 10, side);
            if (observer_) {
                observer_->PumpEvents();
                observer_->Pause(BoardPause::BetweenTurns);
            }
        }
    }
}

TDBoard::TDBoard() = default;

bool IsCorner(int column, int row)
{
    return (column == 1 || column == 8) && (row == 1 || row == 8);
}
