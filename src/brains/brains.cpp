#include "brains/brains.h"

#include "board/board.h"
#include "platform/catalogue.h"
#include "platform/game_random.h"
#include "platform/services.h"

namespace {

void PumpWindowEvents(void*) { Platform().PumpEvents(); }

// Below this many empty squares the late depth applies.
constexpr int LateGameEmpties = 20;

} // namespace

TDBrains::TDBrains()
{
    DBrainsCreate();
    engine_.SetPump(&PumpWindowEvents, nullptr, std::chrono::milliseconds(5));
}

void TDBrains::DBrainsCreate()
{
    SearchDepth = 1;
    LateSearchDepth = 1;
    EndgameEmpties = 1;
    BestX = 1;
    BestY = 1;
    RandomPlay = false;
}

void TDBrains::SetStrength(const StrengthParams& strength)
{
    SearchDepth = strength.SearchDepth;
    LateSearchDepth = strength.LateSearchDepth;
    EndgameEmpties = strength.EndgameEmpties;
    RandomPlay = strength.RandomPlay;
}

void TDBrains::SetPumpInterval(std::chrono::microseconds interval)
{
    engine_.SetPump(&PumpWindowEvents, nullptr, interval);
}

void TDBrains::ChooseMove(const Position& cells, int side, int method)
{
    // The computer's discs count as its own whichever colour it plays, so the
    // live cells need no inverting: the search works on its own copy.
    if (method == 0)
        CornerOrRandomMove(cells, side);
    else if (method == 1)
        SearchMove(cells, side);
}

void TDBrains::CornerOrRandomMove(const Position& cells, int side)
{
    TBoard board;
    board.Cells = cells;

    static constexpr int CornerOrder[4][2] = {{1, 1}, {8, 1}, {1, 8}, {8, 8}};
    for (const auto& corner : CornerOrder)
        if (board.CanPlace(corner[0], corner[1], side)) {
            BestX = corner[0];
            BestY = corner[1];
            return;
        }

    const int moves = board.CountMoves(side);
    const int pick = GameRandom::Shared().Next(moves);
    int seen = 0;
    for (int column = 1; column <= 8; ++column)
        for (int row = 1; row <= 8; ++row)
            if (board.CanPlace(column, row, side)) {
                if (seen == pick) {
                    BestX = column;
                    BestY = row;
                    return;
                }
                ++seen;
            }

    // No legal move: nothing is chosen. The previous square stays, which can
    // only be 0 if something else wrote it.
    if (BestX == 0 || BestY == 0)
        Platform().ShowMessage(Tr("BestX,またはBestYの値が0です。"), "erorr");
}

void TDBrains::SearchMove(const Position& cells, int side)
{
    bits::Set own = 0;
    bits::Set opp = 0;
    int empties = 0;
    for (int column = 1; column <= 8; ++column)
        for (int row = 1; row <= 8; ++row) {
            const std::int32_t cell = cells[CellIndex(column, row)];
            if (cell == side)
                own |= bits::At(column, row);
            else if (cell == -side)
                opp |= bits::At(column, row);
            else if (cell == Empty)
                ++empties;
        }

    // How far to look: the middle-game depth, the late depth below 20 empty
    // squares, and, with few enough empty squares, every ply to the end,
    // scored by discs.
    EvalMode = brains::PositionalMode;
    DepthLimit = SearchDepth;
    if (empties < LateGameEmpties)
        DepthLimit = LateSearchDepth;
    if (empties <= EndgameEmpties) {
        EvalMode = brains::DiscDifferenceMode;
        DepthLimit = empties;
    }

    const brains::SearchOutcome outcome = engine_.Run(own, opp, EvalMode, DepthLimit);
    if (outcome.square >= 0) {
        BestX = bits::ColumnOf(outcome.square);
        BestY = bits::RowOf(outcome.square);
    }
    LastValue = outcome.value;
    LastNodes = outcome.nodes;
}
