#include "brains/reference/reference_search.h"

namespace {

int At(const Position& cells, int column, int row) { return cells[column * 10 + row]; }

void InvertAll(Position& cells)
{
    for (auto& cell : cells)
        cell = -cell;
}

// Corner terms for one corner, from the computer's view (own = -1).
struct CornerShape {
    int cornerColumn, cornerRow;
    int diagonalColumn, diagonalRow;
    // The two edge neighbours, each with the four middle cells of its edge.
    int edgeColumn[2], edgeRow[2];
    int middleColumn[2][4], middleRow[2][4];
};

const CornerShape Corners[4] = {
    // (1,1): (2,1) along row 1, (1,2) along column 1; diagonal (2,2).
    {1, 1, 2, 2, {2, 1}, {1, 2}, {{3, 4, 5, 6}, {1, 1, 1, 1}}, {{1, 1, 1, 1}, {3, 4, 5, 6}}},
    // (8,1): (7,1) along row 1, (8,2) along column 8; diagonal (7,2).
    {8, 1, 7, 2, {7, 8}, {1, 2}, {{3, 4, 5, 6}, {8, 8, 8, 8}}, {{1, 1, 1, 1}, {3, 4, 5, 6}}},
    // (1,8): (1,7) along column 1, (2,8) along row 8; diagonal (2,7).
    {1, 8, 2, 7, {1, 2}, {7, 8}, {{1, 1, 1, 1}, {3, 4, 5, 6}}, {{3, 4, 5, 6}, {8, 8, 8, 8}}},
    // (8,8): (8,7) along column 8, (7,8) along row 8; diagonal (7,7).
    {8, 8, 7, 7, {8, 7}, {7, 8}, {{8, 8, 8, 8}, {3, 4, 5, 6}}, {{3, 4, 5, 6}, {8, 8, 8, 8}}},
};

} // namespace

ReferenceSearch::ReferenceSearch() : Directions{-11, -10, -9, -1, 1, 9, 10, 11} {}

bool ReferenceSearch::CanPlace(const Position& cells, int column, int row, int side) const
{
    const int cell = column * 10 + row;
    if (cells[cell] != 0)
        return false;
    for (int d : Directions) {
        int walk = cell + d;
        if (cells[walk] != -side)
            continue;
        while (cells[walk] == -side)
            walk += d;
        if (cells[walk] == side)
            return true;
    }
    return false;
}

int ReferenceSearch::CountMoves(const Position& cells, int side) const
{
    int moves = 0;
    for (int column = 1; column <= 8; ++column)
        for (int row = 1; row <= 8; ++row)
            if (CanPlace(cells, column, row, side))
                ++moves;
    return moves;
}

int ReferenceSearch::CountDiscs(const Position& cells, int value)
{
    int discs = 0;
    for (int column = 1; column <= 8; ++column)
        for (int row = 1; row <= 8; ++row)
            if (At(cells, column, row) == value)
                ++discs;
    return discs;
}

void ReferenceSearch::ChooseMove(Position& cells, int side)
{
    Nodes = 0;
    GaveUp = false;
    if (side == 1)
        InvertAll(cells);
    RootValue = Search(cells, -1, 10000, 1, BestX, BestY);
    if (side == 1)
        InvertAll(cells);
}

void ReferenceSearch::PlanSearch(const Position& cells)
{
    EvalMode = 0;
    DepthLimit = SearchDepth;
    const int empties = CountDiscs(cells, 0);
    if (empties < 20)
        DepthLimit = LateSearchDepth;
    if (empties <= EndgameEmpties) {
        EvalMode = 2;
        DepthLimit = empties;
    }
}

std::int32_t ReferenceSearch::Search(Position& cells, int side, std::int32_t bound, int ply, std::int32_t& recordX,
                                     std::int32_t& recordY)
{
    ++Nodes;
    if (NodeLimit != 0 && Nodes > NodeLimit)
        GaveUp = true;
    if (GaveUp)
        return 0;
    // The root decides how far this search looks and how it scores.
    if (ply == 1)
        PlanSearch(cells);
    // (The game lets window events run here at plies 1 to 3; the reference
    // has no window.)
    // The last ply is the one at or beyond the limit: with a full board the
    // read-out limit is 0, and a plain equality test would never be met.
    const bool lastPly = ply >= DepthLimit;

    std::int32_t value = 0;
    bool found = false;
    for (int column = 1; column <= 8; ++column) {
        for (int row = 1; row <= 8; ++row) {
            const int cell = column * 10 + row;
            if (cells[cell] != 0)
                continue;
            int undo[64];
            int undoCount = 0;
            for (int d : Directions) {
                int walk = cell + d;
                int run = 0;
                while (cells[walk] == -side) {
                    walk += d;
                    ++run;
                }
                if (run >= 1 && cells[walk] == side) {
                    for (int turn = cell + d; turn != walk; turn += d) {
                        cells[turn] = side;
                        undo[undoCount++] = turn;
                    }
                }
            }
            if (undoCount == 0)
                continue;
            cells[cell] = side;

            bool leaveNow = false;
            if (lastPly) {
                ++Nodes;
                const std::int32_t v = Evaluate(cells, EvalMode);
                if (!found) {
                    value = v;
                    recordX = column;
                    recordY = row;
                    if ((side == -1 && v > bound) || (side == 1 && v < bound))
                        leaveNow = true;
                } else if ((side == -1 && v > value) || (side == 1 && v < value)) {
                    value = v;
                    recordX = column;
                    recordY = row;
                }
            } else {
                std::int32_t childX = 0, childY = 0;
                if (!found) {
                    recordX = column;
                    recordY = row;
                    value = Search(cells, -side, side * 10000, ply + 1, childX, childY);
                } else {
                    const std::int32_t v = Search(cells, -side, value, ply + 1, childX, childY);
                    if (side == -1 && v > value) {
                        value = v;
                        recordX = column;
                        recordY = row;
                    }
                    if (side == 1 && v < value)
                        value = v;
                }
            }
            found = true;

            // Undo: the turned discs go back, the placed cell is empty again.
            for (int i = 0; i < undoCount; ++i)
                cells[undo[i]] = -side;
            cells[cell] = 0;
            if (leaveNow)
                return value;
        }
    }

    if (!found) {
        // A pass: the position stays and the other side moves, one ply on.
        if (lastPly) {
            ++Nodes;
            value = Evaluate(cells, EvalMode);
        } else {
            std::int32_t childX = 0, childY = 0;
            value = Search(cells, -side, side * 10000, ply + 1, childX, childY);
        }
    }
    return value;
}

std::int32_t ReferenceSearch::Evaluate(const Position& cells, int mode)
{
    if (mode == 2)
        return CountDiscs(cells, -1) - CountDiscs(cells, 1);
    if (mode != 0)
        return 0;

    std::int32_t score = 0;
    for (const CornerShape& c : Corners) {
        const int corner = At(cells, c.cornerColumn, c.cornerRow);
        int ownNeighbours = 0;
        for (int e = 0; e < 2; ++e)
            if (At(cells, c.edgeColumn[e], c.edgeRow[e]) == -1)
                ++ownNeighbours;
        if (corner == -1) {
            score += 1000 + 200 * ownNeighbours;
        } else if (corner == 1) {
            score -= 1000 + 200 * ownNeighbours;
        } else {
            const int diagonal = At(cells, c.diagonalColumn, c.diagonalRow);
            if (diagonal == -1)
                score -= 100;
            else if (diagonal == 1)
                score += 100;
            for (int e = 0; e < 2; ++e) {
                if (At(cells, c.edgeColumn[e], c.edgeRow[e]) != -1)
                    continue;
                bool middleEmpty = true;
                for (int m = 0; m < 4; ++m)
                    if (At(cells, c.middleColumn[e][m], c.middleRow[e][m]) != 0)
                        middleEmpty = false;
                if (middleEmpty)
                    score -= 80;
            }
        }
    }
    // Mobility: the computer's legal moves in this position, whoever is to move.
    score += CountMoves(cells, -1);
    return score;
}
