// The search's rules on chosen positions: which depth and scoring apply,
// how passes and finished games are scored, ties, and the positional score.
#include "brains/bitboard.h"
#include "brains/brains.h"
#include "brains/engine.h"
#include "brains/game_positions.h"
#include "brains/reference/reference_search.h"

#include <gtest/gtest.h>

namespace {

struct Answer {
    int x, y, value, evalMode, depthLimit;
};

Answer Engine(const Position& position, int side, StrengthParams strength,
              brains::InstructionSet set = brains::InstructionSet::Wide)
{
    TDBrains brains;
    brains.SetInstructionSet(set);
    brains.SetStrength(strength);
    brains.BestX = brains.BestY = 0;
    Position cells = position;
    brains.ChooseMove(cells, side, 1);
    EXPECT_EQ(cells, position);
    return {brains.BestX, brains.BestY, brains.LastValue, brains.EvalMode, brains.DepthLimit};
}

Answer Reference(const Position& position, int side, StrengthParams strength)
{
    ReferenceSearch reference;
    reference.SearchDepth = strength.SearchDepth;
    reference.LateSearchDepth = strength.LateSearchDepth;
    reference.EndgameEmpties = strength.EndgameEmpties;
    reference.BestX = reference.BestY = 0;
    Position cells = position;
    reference.ChooseMove(cells, side);
    EXPECT_EQ(cells, position);
    return {reference.BestX, reference.BestY, reference.RootValue, reference.EvalMode, reference.DepthLimit};
}

void ExpectSame(const Answer& a, const Answer& b)
{
    EXPECT_EQ(a.x, b.x);
    EXPECT_EQ(a.y, b.y);
    EXPECT_EQ(a.value, b.value);
    EXPECT_EQ(a.evalMode, b.evalMode);
    EXPECT_EQ(a.depthLimit, b.depthLimit);
}

const GamePosition& FirstWithEmpties(const std::vector<GamePosition>& positions, int empties)
{
    for (const auto& p : positions) {
        TBoard board;
        board.Cells = p.cells;
        if (p.empties == empties && board.CountMoves(p.side) > 1)
            return p;
    }
    throw std::runtime_error("no such position");
}

TEST(SearchRules, TwentyEmptySquaresUseTheMiddleGameDepthNineteenTheLateOne)
{
    const auto positions = RandomGamePositions(5, 10);
    const StrengthParams strength{1, 3, 5, false};
    const Answer at20 = Engine(FirstWithEmpties(positions, 20).cells, FirstWithEmpties(positions, 20).side, strength);
    EXPECT_EQ(at20.evalMode, 0);
    EXPECT_EQ(at20.depthLimit, 1);
    ExpectSame(at20, Reference(FirstWithEmpties(positions, 20).cells, FirstWithEmpties(positions, 20).side, strength));

    const Answer at19 = Engine(FirstWithEmpties(positions, 19).cells, FirstWithEmpties(positions, 19).side, strength);
    EXPECT_EQ(at19.evalMode, 0);
    EXPECT_EQ(at19.depthLimit, 3);
    ExpectSame(at19, Reference(FirstWithEmpties(positions, 19).cells, FirstWithEmpties(positions, 19).side, strength));
}

TEST(SearchRules, ReadOutStartsAtExactlyTheEndgameEmpties)
{
    const auto positions = RandomGamePositions(6, 10);
    const StrengthParams strength{3, 3, 9, false};
    const GamePosition& nine = FirstWithEmpties(positions, 9);
    const Answer atNine = Engine(nine.cells, nine.side, strength);
    EXPECT_EQ(atNine.evalMode, 2);
    EXPECT_EQ(atNine.depthLimit, 9);
    ExpectSame(atNine, Reference(nine.cells, nine.side, strength));

    const GamePosition& ten = FirstWithEmpties(positions, 10);
    const Answer atTen = Engine(ten.cells, ten.side, strength);
    EXPECT_EQ(atTen.evalMode, 0);
    EXPECT_EQ(atTen.depthLimit, 3);
    ExpectSame(atTen, Reference(ten.cells, ten.side, strength));
}

// The read-out maximises the final margin, not merely the win: among moves
// that all win, the one winning by most is chosen.
TEST(SearchRules, ReadOutPrefersTheLargestMargin)
{
    const auto positions = RandomGamePositions(7, 40);
    const StrengthParams strength{3, 3, 8, false};
    int found = 0;
    for (const auto& p : positions) {
        if (p.empties != 8)
            continue;
        // Each move's outcome: the opponent's read-out of what follows,
        // turned round.
        TBoard board;
        board.Cells = p.cells;
        int best = -1000, winners = 0, worstWin = 1000, bestX = 0, bestY = 0;
        for (int column = 1; column <= 8; ++column)
            for (int row = 1; row <= 8; ++row) {
                if (!board.CanPlace(column, row, p.side))
                    continue;
                Position after = p.cells;
                PlayOnCells(after, column, row, p.side);
                const int v = -Reference(after, -p.side, strength).value;
                if (v > 0) {
                    ++winners;
                    worstWin = std::min(worstWin, v);
                }
                if (v > best) {
                    best = v;
                    bestX = column;
                    bestY = row;
                }
            }
        if (winners < 2 || worstWin == best)
            continue;
        const Answer answer = Engine(p.cells, p.side, strength);
        EXPECT_EQ(answer.value, best);
        EXPECT_EQ(answer.x, bestX);
        EXPECT_EQ(answer.y, bestY);
        if (++found == 5)
            break;
    }
    EXPECT_EQ(found, 5);
}

// Black everywhere but a1 and h8, White on b1, e3 and c5. Black's only move is
// a1 (taking b1); after it neither side can move, with h8 still empty.
Position GameEndsAfterOneMove()
{
    return Position::FromRows({
        "-OXXXXXX",
        "XXXXXXXX",
        "XXXXOXXX",
        "XXXXXXXX",
        "XXOXXXXX",
        "XXXXXXXX",
        "XXXXXXXX",
        "XXXXXXX-",
    });
}

TEST(SearchRules, PassInsideTheReadOutScoresTheBoardWithEmptySquaresLeft)
{
    // Two empty squares: the read-out looks two plies, the second is White's
    // pass, and the position is counted with h8 still empty: 61 - 2.
    const StrengthParams strength{3, 3, 5, false};
    const Answer answer = Engine(GameEndsAfterOneMove(), Black, strength);
    EXPECT_EQ(answer.evalMode, 2);
    EXPECT_EQ(answer.depthLimit, 2);
    EXPECT_EQ(answer.x, 1);
    EXPECT_EQ(answer.y, 1);
    EXPECT_EQ(answer.value, 59);
    ExpectSame(answer, Reference(GameEndsAfterOneMove(), Black, strength));
}

TEST(SearchRules, FinishedGameInThePositionalSearchIsScoredPositionally)
{
    // Three plies with no read-out: after a1 both sides pass to ply 3, and
    // the final position is scored by corners, not by who won: three own
    // corners with both edge neighbours (3 x 1400), the diagonal g7 beside
    // the empty h8 (-100), no moves left (0).
    const StrengthParams strength{3, 3, 1, false};
    const Answer answer = Engine(GameEndsAfterOneMove(), Black, strength);
    EXPECT_EQ(answer.evalMode, 0);
    EXPECT_EQ(answer.depthLimit, 3);
    EXPECT_EQ(answer.value, 3 * 1400 - 100);
    ExpectSame(answer, Reference(GameEndsAfterOneMove(), Black, strength));
}

TEST(SearchRules, FullBoardOrNoMoveIsAPassThatStillEnds)
{
    // A full board makes the read-out's limit 0 plies: the search must still
    // end, pass, and score the board.
    Position full = GameEndsAfterOneMove();
    full[CellIndex(1, 1)] = Black;
    full[CellIndex(8, 8)] = White;
    for (StrengthParams strength : {StrengthParams{3, 3, 5, false}, StrengthParams{7, 11, 15, false}}) {
        const Answer answer = Engine(full, Black, strength);
        EXPECT_EQ(answer.x, 0);
        EXPECT_EQ(answer.y, 0);
        EXPECT_EQ(answer.value, 60 - 4);
        ExpectSame(answer, Reference(full, Black, strength));
    }
    // White to move in the two-empty position has no move: a pass, with the
    // value of what follows (Black takes a1: 2 - 61 for White).
    const Answer pass = Engine(GameEndsAfterOneMove(), White, StrengthParams{3, 3, 5, false});
    EXPECT_EQ(pass.x, 0);
    EXPECT_EQ(pass.value, 2 - 61);
    ExpectSame(pass, Reference(GameEndsAfterOneMove(), White, StrengthParams{3, 3, 5, false}));
}

TEST(SearchRules, EqualMovesGoToTheFirstInColumnOrder)
{
    // The opening position is symmetric: Black's four moves are worth the
    // same at every depth, and c4 (column 3) comes first.
    const Position opening = Position::Opening();
    for (int depth = 1; depth <= 9; depth += 2)
        for (auto set : {brains::InstructionSet::Wide, brains::InstructionSet::Portable}) {
            const Answer answer = Engine(opening, Black, StrengthParams{depth, depth, 5, false}, set);
            EXPECT_EQ(answer.x, 3) << "depth " << depth;
            EXPECT_EQ(answer.y, 4) << "depth " << depth;
            if (depth <= 5)
                ExpectSame(answer, Reference(opening, Black, StrengthParams{depth, depth, 5, false}));
        }
    // White's answers to c4 are c3, c5 and e3: c3 and e3 mirror each other.
    Position afterC4 = opening;
    PlayOnCells(afterC4, 3, 4, Black);
    for (int depth = 1; depth <= 5; depth += 2)
        ExpectSame(Engine(afterC4, White, StrengthParams{depth, depth, 5, false}),
                   Reference(afterC4, White, StrengthParams{depth, depth, 5, false}));
}

TEST(SearchRules, OnePlyTakesTheBestScoringPosition)
{
    // Black can take the corner a1 (over b2) or play elsewhere; with no
    // look-ahead the corner's +1000 decides.
    const Position cells = Position::FromRows({
        "--------",
        "-O------",
        "--X-----",
        "---XO---",
        "---OX---",
        "--------",
        "--------",
        "--------",
    });
    const Answer answer = Engine(cells, Black, StrengthParams{1, 1, 3, false});
    EXPECT_EQ(answer.depthLimit, 1);
    EXPECT_EQ(answer.x, 1);
    EXPECT_EQ(answer.y, 1);
    Position after = cells;
    PlayOnCells(after, 1, 1, Black);
    ReferenceSearch reference;
    EXPECT_EQ(answer.value, reference.Evaluate(after, 0));
    ExpectSame(answer, Reference(cells, Black, StrengthParams{1, 1, 3, false}));
}

// Positional scores of typical corner shapes. The mobility term is the
// computer's (Black's) legal moves, counted by the board's own rules.
int Mobility(const Position& cells)
{
    TBoard board;
    board.Cells = cells;
    return board.CountMoves(Black);
}

int EngineScore(const Position& cells)
{
    bits::Set own = 0, opp = 0;
    for (int column = 1; column <= 8; ++column)
        for (int row = 1; row <= 8; ++row) {
            if (cells[CellIndex(column, row)] == Black)
                own |= bits::At(column, row);
            else if (cells[CellIndex(column, row)] == White)
                opp |= bits::At(column, row);
        }
    return brains::PositionalScore(own, opp);
}

void ExpectPositional(const Position& cells, int cornerTerms)
{
    ReferenceSearch reference;
    EXPECT_EQ(EngineScore(cells), cornerTerms + Mobility(cells));
    EXPECT_EQ(reference.Evaluate(cells, 0), cornerTerms + Mobility(cells));
    EXPECT_EQ(reference.Evaluate(cells, 1), 0); // an unknown mode scores nothing
}

TEST(SearchRules, PositionalScoreExamples)
{
    // Own corner a1 with own discs on b1 and a2: +1400.
    ExpectPositional(Position::FromRows({"XX------", "X-------", "--------", "---XO---", "---OX---", "--------",
                                    "--------", "--------"}),
                     1400);
    // The opponent's corner a1 with own discs beside it: -1400; with the
    // opponent's discs there: -1000.
    ExpectPositional(Position::FromRows({"OX------", "X-------", "--------", "---XO---", "---OX---", "--------",
                                    "--------", "--------"}),
                     -1400);
    ExpectPositional(Position::FromRows({"OO------", "O-------", "--------", "---XO---", "---OX---", "--------",
                                    "--------", "--------"}),
                     -1000);
    // Empty corner h8 with an own disc on g7: -100 (and +100 for the
    // opponent's disc there).
    ExpectPositional(Position::FromRows({"--------", "--------", "--------", "---XO---", "---OX---", "--------",
                                    "------X-", "--------"}),
                     -100);
    ExpectPositional(Position::FromRows({"--------", "--------", "--------", "---XO---", "---OX---", "--------",
                                    "------O-", "--------"}),
                     100);
    // An own disc on h7 with h3..h6 empty: -80; a disc anywhere on h3..h6
    // takes the penalty away.
    ExpectPositional(Position::FromRows({"--------", "--------", "--------", "---XO---", "---OX---", "--------",
                                    "-------X", "--------"}),
                     -80);
    ExpectPositional(Position::FromRows({"--------", "--------", "--------", "---XO---", "---OX---", "-------O",
                                    "-------X", "--------"}),
                     0);
    // An own disc on a7 with a8 empty and a3..a6 empty: -80.
    ExpectPositional(Position::FromRows({"--------", "--------", "--------", "---XO---", "---OX---", "--------",
                                    "X-------", "--------"}),
                     -80);
    // The opponent's disc on a7 costs nothing.
    ExpectPositional(Position::FromRows({"--------", "--------", "--------", "---XO---", "---OX---", "--------",
                                    "O-------", "--------"}),
                     0);
}

TEST(SearchRules, DiscDifferenceCountsOwnMinusOpponent)
{
    ReferenceSearch reference;
    const Position cells = GameEndsAfterOneMove();
    EXPECT_EQ(reference.Evaluate(cells, 2), 59 - 3);
    EXPECT_EQ(reference.Evaluate(Inverted(cells), 2), 3 - 59);
}

} // namespace
