// The strongest settings search deeper than the literal reference can follow
// in a test run. There the fast search is checked against plain alpha-beta:
// no table, no move ordering, no null windows, moves in scan order. Plain
// alpha-beta is itself checked against the literal reference first.
#include "brains/bitboard.h"
#include "brains/brains.h"
#include "brains/engine.h"
#include "brains/game_positions.h"
#include "brains/position_text.h"
#include "brains/reference/reference_search.h"

#include <gtest/gtest.h>

namespace {

using bits::Set;

constexpr int Infinity = 30000;

class PlainAlphaBeta {
public:
    int mode = 0;

    // Value for the computer (discs `own`) to move, `depth` plies, and the
    // first best move in scan order (-1 for a pass).
    int Root(Set own, Set opp, int depth, int& square)
    {
        square = -1;
        const Set moves = bits::Moves(own, opp);
        if (!moves)
            return depth == 1 ? Score(own, opp) : -Node(opp, own, false, depth - 1, -Infinity, Infinity);
        int best = -Infinity;
        for (int column = 1; column <= 8; ++column)
            for (int row = 1; row <= 8; ++row) {
                const int sq = bits::Square(column, row);
                if (!(moves & bits::Bit(sq)))
                    continue;
                const Set flips = bits::Flips(sq, own, opp);
                const Set nextOwn = own | flips | bits::Bit(sq);
                const Set nextOpp = opp & ~flips;
                const int v = depth == 1 ? Score(nextOwn, nextOpp)
                                         : -Node(nextOpp, nextOwn, false, depth - 1, -Infinity, -best);
                if (v > best) {
                    best = v;
                    square = sq;
                }
            }
        return best;
    }

private:
    int Score(Set own, Set opp) const
    {
        if (mode == 2)
            return bits::Count(own) - bits::Count(opp);
        return brains::PositionalScore(own, opp);
    }

    // Fail-hard negamax; `computer` says whose discs `mover` are.
    int Node(Set mover, Set other, bool computer, int depth, int alpha, int beta)
    {
        const Set moves = bits::Moves(mover, other);
        auto value = [&](Set m, Set o) { return computer ? Score(m, o) : -Score(o, m); };
        if (!moves) {
            if (depth == 1 || !bits::Moves(other, mover))
                return value(mover, other);
            return -Node(other, mover, !computer, depth - 1, -beta, -alpha);
        }
        for (Set m = moves; m; m &= m - 1) {
            const int sq = bits::Lowest(m);
            const Set flips = bits::Flips(sq, mover, other);
            const Set nextMover = mover | flips | bits::Bit(sq);
            const Set nextOther = other & ~flips;
            const int v = depth == 1 ? value(nextMover, nextOther)
                                     : -Node(nextOther, nextMover, !computer, depth - 1, -beta, -alpha);
            if (v >= beta)
                return beta;
            if (v > alpha)
                alpha = v;
        }
        return alpha;
    }
};

void ToBits(const Position& cells, int side, Set& own, Set& opp)
{
    own = opp = 0;
    for (int column = 1; column <= 8; ++column)
        for (int row = 1; row <= 8; ++row) {
            if (cells[CellIndex(column, row)] == side)
                own |= bits::At(column, row);
            else if (cells[CellIndex(column, row)] == -side)
                opp |= bits::At(column, row);
        }
}

TEST(DeepSearch, PlainAlphaBetaAgreesWithTheLiteralReference)
{
    const auto positions = RandomGamePositions(77, 12);
    PlainAlphaBeta plain;
    ReferenceSearch reference;
    int compared = 0;
    for (const auto& p : positions) {
        // 3 plies in the middle game and the late game, the read-out below 9.
        reference.SearchDepth = reference.LateSearchDepth = 3;
        reference.EndgameEmpties = 8;
        reference.BestX = reference.BestY = 0;
        auto cells = p.cells;
        reference.ChooseMove(cells, p.side);
        plain.mode = reference.EvalMode;
        Set own, opp;
        ToBits(p.cells, p.side, own, opp);
        int square;
        const int value = plain.Root(own, opp, std::max(reference.DepthLimit, 1), square);
        ASSERT_EQ(value, reference.RootValue) << FormatPositionLine(p.cells, p.side);
        if (square >= 0) {
            ASSERT_EQ(bits::ColumnOf(square), reference.BestX);
            ASSERT_EQ(bits::RowOf(square), reference.BestY);
        } else {
            ASSERT_EQ(reference.BestX, 0);
        }
        ++compared;
    }
    EXPECT_GT(compared, 600);
}

// The strongest opponent, the chick at strength 5 on 難しい: 7 plies, 11 plies
// below 20 empty squares, the read-out from 15. Each phase is checked on a
// handful of positions, which keeps plain alpha-beta affordable.
void CheckStrongest(int fewestEmpties, int mostEmpties, int wanted)
{
    const auto positions = RandomGamePositions(4242, 60);
    TDBrains wide;
    TDBrains portable;
    portable.SetInstructionSet(brains::InstructionSet::Portable);
    PlainAlphaBeta plain;
    int checked = 0;
    for (std::size_t i = 0; i < positions.size() && checked < wanted; i += 5) {
        const auto& p = positions[i];
        if (p.empties < fewestEmpties || p.empties > mostEmpties)
            continue;
        Set own, opp;
        ToBits(p.cells, p.side, own, opp);
        plain.mode = p.empties <= 15 ? 2 : 0;
        const int depth = p.empties <= 15 ? p.empties : p.empties < 20 ? 11 : 7;
        int square;
        const int value = plain.Root(own, opp, depth, square);
        for (TDBrains* brains : {&wide, &portable}) {
            brains->SetStrength(StrengthParams{7, 11, 15, false});
            brains->BestX = brains->BestY = 0;
            auto cells = p.cells;
            brains->ChooseMove(cells, p.side, 1);
            ASSERT_EQ(brains->DepthLimit, depth);
            ASSERT_EQ(brains->LastValue, value) << FormatPositionLine(p.cells, p.side);
            ASSERT_EQ(brains->BestX, square < 0 ? 0 : bits::ColumnOf(square)) << FormatPositionLine(p.cells, p.side);
            ASSERT_EQ(brains->BestY, square < 0 ? 0 : bits::RowOf(square));
        }
        ++checked;
    }
    EXPECT_EQ(checked, wanted);
}

TEST(DeepSearch, SevenPliesInTheMiddleGame) { CheckStrongest(20, 60, 24); }

TEST(DeepSearch, ElevenPliesInTheLateGame) { CheckStrongest(16, 19, 5); }

TEST(DeepSearch, ReadOutFromFifteenEmptySquares) { CheckStrongest(12, 15, 16); }

} // namespace
