#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Side identifiers double as cell values.
constexpr std::int32_t Black = -1;
constexpr std::int32_t Empty = 0;
constexpr std::int32_t White = 1;

// The cells are a 10 x 10 grid, index = column * 10 + row, columns and rows 1..8
// on the board; the ring of always-empty cells around it stops every walk.
constexpr int CellIndex(int column, int row) { return column * 10 + row; }

// The cells of one position. It is the plain array of 100 cells, so it goes
// wherever the cells are indexed or compared, and it reads and writes the
// board as eight rows of text, the way a person draws it.
struct Position : std::array<std::int32_t, 100> {
    // Eight rows of eight characters, the top row (row 1) first and each row
    // from column 1 to 8: 'X' Black, 'O' White, anything else ('.', '-')
    // empty. A row shorter than eight leaves its last squares empty.
    static Position FromRows(const std::array<std::string_view, 8>& rows);

    // The four discs every game starts from: White on d4 and e5, Black on e4
    // and d5.
    static Position Opening();

    // The eight rows in the same form, joined by '\n' (no newline after the
    // last): 'X' Black, 'O' White, '.' empty, and '?' for a cell that holds
    // anything else.
    std::string ToText() const;
};

// The two pauses of a move: after the placed disc, before its captures turn;
// and between two captured discs turning over. The match says how long.
enum class BoardPause { AfterPlacing, BetweenTurns };

// What storing a disc looks and sounds like. The match screen provides the real
// one (paint the cell, play the sounds, pause); tests record the calls.
class BoardObserver {
public:
    virtual ~BoardObserver() = default;
    // The cell was stored (or, for Empty, only repainted): draw it as `value`.
    virtual void DrawCell(int column, int row, std::int32_t value) = 0;
    // A disc is placed: the computer's placing sound, or the player's.
    virtual void PlacingSound(bool byComputer) = 0;
    // A captured disc turns over.
    virtual void TurningSound(bool byComputer) = 0;
    virtual void Pause(BoardPause pause) = 0;
    virtual void PumpEvents() = 0;
};

class TBoard {
public:
    TBoard();

    Position Cells{};
    static constexpr std::array<std::int32_t, 8> Directions{-11, -10, -9, -1, 1, 9, 10, 11};

    void SetObserver(BoardObserver* observer) { observer_ = observer; }

    void Clear();
    void PutDisc(int column, int row, std::int32_t value);
    void PlaceAndFlip(int column, int row, std::int32_t side, bool byComputer);
    void RedrawAll();

    bool CanPlace(int column, int row, std::int32_t side) const;
    int CountMoves(std::int32_t side) const;
    int CountDiscs(std::int32_t value) const;
    bool IsMatchOver() const;

    std::int32_t At(int column, int row) const { return Cells[CellIndex(column, row)]; }

private:
    BoardObserver* observer_ = nullptr;
};

// The data module that owns the one board of the program.
class TDBoard {
public:
    TDBoard();
    TBoard Board;
};

bool IsCorner(int column, int row);
