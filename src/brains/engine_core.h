#pragma once
// The search itself, written once over a set of bit primitives (`Isa`) and
// compiled once per instruction set: engine.cpp builds it portably,
// engine_wide.cpp for x86-64 processors with AVX2. Only those two files
// include this header, and everything in it stays private to each of them.
#include "brains/bitboard.h"
#include "brains/engine.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <utility>

namespace brains::core {
namespace {

using bits::Set;

// Larger than any score: the positional score stays within a few thousand.
constexpr int Infinity = 30000;

constexpr int MaxMoves = 40; // no position has more than 33 legal moves

// Nodes this far from the last ply and further are remembered in the table.
constexpr int TableMinDepth = 3;
// The read-out remembers nodes this far from the last ply and further; with
// at most this many empty squares it runs on a plain list of them.
constexpr int EndgameTableMinDepth = 7;
constexpr int SmallEndgameEmpties = 5;

// One corner with the squares around it that the positional score looks at.
struct CornerShape {
    Set corner;
    Set edgeA, middleA; // an edge neighbour and the four middle squares of its edge
    Set edgeB, middleB;
    Set diagonal;
};

constexpr Set RowRun(int row, int fromColumn, int toColumn)
{
    Set s = 0;
    for (int c = fromColumn; c <= toColumn; ++c)
        s |= bits::At(c, row);
    return s;
}

constexpr Set ColumnRun(int column, int fromRow, int toRow)
{
    Set s = 0;
    for (int r = fromRow; r <= toRow; ++r)
        s |= bits::At(column, r);
    return s;
}

constexpr CornerShape Corners[4] = {
    {bits::At(1, 1), bits::At(2, 1), RowRun(1, 3, 6), bits::At(1, 2), ColumnRun(1, 3, 6), bits::At(2, 2)},
    {bits::At(8, 1), bits::At(7, 1), RowRun(1, 3, 6), bits::At(8, 2), ColumnRun(8, 3, 6), bits::At(7, 2)},
    {bits::At(1, 8), bits::At(1, 7), ColumnRun(1, 3, 6), bits::At(2, 8), RowRun(8, 3, 6), bits::At(2, 7)},
    {bits::At(8, 8), bits::At(8, 7), ColumnRun(8, 3, 6), bits::At(7, 8), RowRun(8, 3, 6), bits::At(7, 7)},
};

constexpr Set CornerSquares = bits::At(1, 1) | bits::At(8, 1) | bits::At(1, 8) | bits::At(8, 8);

// Diagonal neighbours of empty corners: taking one usually hands the corner
// over.
inline Set DangerousSquares(Set occupied)
{
    Set danger = 0;
    for (const CornerShape& c : Corners)
        if (!(occupied & c.corner))
            danger |= c.diagonal;
    return danger;
}

// The eight squares around each square.
struct NeighbourTable {
    Set around[64]{};
    constexpr NeighbourTable()
    {
        for (int square = 0; square < 64; ++square)
            for (int dc = -1; dc <= 1; ++dc)
                for (int dr = -1; dr <= 1; ++dr) {
                    const int c = bits::ColumnOf(square) + dc;
                    const int r = bits::RowOf(square) + dr;
                    if ((dc || dr) && c >= 1 && c <= 8 && r >= 1 && r <= 8)
                        around[square] |= bits::At(c, r);
                }
    }
};
constexpr NeighbourTable Neighbours{};

// The four quarters of the board. In a quarter with an odd number of empty
// squares the side that moves there first usually also gets the last move
// there, so near the end those moves are tried first.
constexpr Set Quarter[4] = {0x000000000F0F0F0FULL, 0x00000000F0F0F0F0ULL, 0x0F0F0F0F00000000ULL,
                            0xF0F0F0F000000000ULL};

// Every straight line of the board, by direction: rows, columns, and the two
// kinds of diagonal (of two or more squares).
struct LineTable {
    Set rows[8]{}, columns[8]{}, falling[13]{}, rising[13]{};
    constexpr LineTable()
    {
        for (int i = 0; i < 8; ++i)
            for (int j = 1; j <= 8; ++j) {
                rows[i] |= bits::At(j, i + 1);
                columns[i] |= bits::At(i + 1, j);
            }
        // Falling: column - row constant; rising: column + row constant.
        for (int k = 0; k < 13; ++k)
            for (int column = 1; column <= 8; ++column)
                for (int row = 1; row <= 8; ++row) {
                    if (column - row == k - 6)
                        falling[k] |= bits::At(column, row);
                    if (column + row == k + 3)
                        rising[k] |= bits::At(column, row);
                }
    }
};
constexpr LineTable Lines{};

constexpr Set ColumnA = 0x0101010101010101ULL;
constexpr Set ColumnH = 0x8080808080808080ULL;
constexpr Set Row1 = 0x00000000000000FFULL;
constexpr Set Row8 = 0xFF00000000000000ULL;
constexpr Set Border = ColumnA | ColumnH | Row1 | Row8;

// Discs of `own` that can never be turned: along each of the four lines
// through it, the line is full, or it ends at the board's edge on one side,
// or a neighbour on that line is itself such a disc.
inline Set StableDiscs(Set own, Set other)
{
    const Set occupied = own | other;
    Set fullRows = 0, fullColumns = 0, fullFalling = Border, fullRising = Border;
    for (int i = 0; i < 8; ++i) {
        if ((occupied & Lines.rows[i]) == Lines.rows[i])
            fullRows |= Lines.rows[i];
        if ((occupied & Lines.columns[i]) == Lines.columns[i])
            fullColumns |= Lines.columns[i];
    }
    for (int k = 0; k < 13; ++k) {
        if ((occupied & Lines.falling[k]) == Lines.falling[k])
            fullFalling |= Lines.falling[k];
        if ((occupied & Lines.rising[k]) == Lines.rising[k])
            fullRising |= Lines.rising[k];
    }
    const Set rowsDone = fullRows | ColumnA | ColumnH;
    const Set columnsDone = fullColumns | Row1 | Row8;
    Set stable = own & rowsDone & columnsDone & fullFalling & fullRising;
    if (!stable)
        return 0;
    for (;;) {
        const Set along = rowsDone | ((stable << 1) & ~ColumnA) | ((stable >> 1) & ~ColumnH);
        const Set down = columnsDone | (stable << 8) | (stable >> 8);
        const Set falling = fullFalling | ((stable << 9) & ~ColumnA) | ((stable >> 9) & ~ColumnH);
        const Set rising = fullRising | ((stable << 7) & ~ColumnH) | ((stable >> 7) & ~ColumnA);
        const Set grown = stable | (own & along & down & falling & rising);
        if (grown == stable)
            return stable;
        stable = grown;
    }
}

inline std::uint64_t Hash(Set mover, Set other, bool computer)
{
    std::uint64_t h = mover * 0x9E3779B97F4A7C15ULL;
    h ^= (other ^ (computer ? 0x5BD1E9955BD1E995ULL : 0)) * 0xC2B2AE3D27D4EB4FULL;
    h ^= h >> 31;
    h *= 0xFF51AFD7ED558CCDULL;
    return h >> (64 - detail::TableBits);
}

template <class Isa> class Searcher {
public:
    explicit Searcher(detail::SearchState& state) : s_(state) {}

    static int Positional(Set own, Set opp)
    {
        const Set occupied = own | opp;
        int score = 0;
        for (const CornerShape& c : Corners) {
            const int ownNeighbours = ((own & c.edgeA) != 0) + ((own & c.edgeB) != 0);
            if (own & c.corner) {
                score += 1000 + 200 * ownNeighbours;
            } else if (opp & c.corner) {
                score -= 1000 + 200 * ownNeighbours;
            } else {
                if (own & c.diagonal)
                    score -= 100;
                else if (opp & c.diagonal)
                    score += 100;
                // A lone disc of ours beside an empty corner, on an empty edge.
                if ((own & c.edgeA) && !(occupied & c.middleA))
                    score -= 80;
                if ((own & c.edgeB) && !(occupied & c.middleB))
                    score -= 80;
            }
        }
        // The computer's mobility, whoever is to move.
        return score + Isa::Count(Isa::Moves(own, opp));
    }

    SearchOutcome Run(Set own, Set opp, int evalMode, int depth)
    {
        if (evalMode == PositionalMode)
            return Root<PositionalMode>(own, opp, depth);
        if (evalMode == DiscDifferenceMode)
            return Root<DiscDifferenceMode>(own, opp, depth);
        return Root<1>(own, opp, depth);
    }

private:
    struct RootMove {
        Set flips;
        int square; // bit index
        int scan;   // place in column-major order
        int order;  // first guess of its worth
    };

    static int DiscDifference(Set own, Set opp) { return Isa::Count(own) - Isa::Count(opp); }

    static Set OddQuarters(Set empty)
    {
        Set odd = 0;
        for (Set q : Quarter)
            if (Isa::Count(empty & q) & 1)
                odd |= q;
        return odd;
    }

    // Entering a node: count it, and now and then see whether window events
    // are due.
    void Tick()
    {
        ++s_.nodes;
        if (--s_.untilClockCheck == 0) {
            s_.untilClockCheck = detail::NodesBetweenClockChecks;
            if (s_.pump) {
                const auto now = std::chrono::steady_clock::now();
                if (now - s_.lastPump >= s_.pumpInterval) {
                    s_.pump(s_.pumpContext);
                    s_.lastPump = std::chrono::steady_clock::now();
                }
            }
        }
    }

    detail::TableEntry* Probe(Set mover, Set other, bool computer)
    {
        return &s_.table[Hash(mover, other, computer)];
    }

    // The remembered bounds settle the node: returns true and the value.
    bool Settled(const detail::TableEntry& e, int depth, int mode, int alpha, int beta, int& value) const
    {
        if (e.depth != depth || e.mode != mode)
            return false;
        if (e.lower >= beta || e.lower == e.upper) {
            value = e.lower;
            return true;
        }
        if (e.upper <= alpha) {
            value = e.upper;
            return true;
        }
        return false;
    }

    bool Holds(const detail::TableEntry& e, Set mover, Set other, bool computer) const
    {
        return e.stamp == s_.stamp && e.mover == mover && e.other == other && e.computer == computer;
    }

    void Store(detail::TableEntry& e, Set mover, Set other, bool computer, int depth, int mode, int bestSquare,
               int best, int alphaAtEntry, int beta)
    {
        e.mover = mover;
        e.other = other;
        e.computer = computer;
        e.stamp = s_.stamp;
        e.depth = static_cast<std::uint8_t>(depth);
        e.mode = static_cast<std::uint8_t>(mode);
        e.move = static_cast<std::int8_t>(bestSquare);
        e.lower = static_cast<std::int16_t>(best > alphaAtEntry ? best : -Infinity);
        e.upper = static_cast<std::int16_t>(best < beta ? best : Infinity);
    }

    // The score of a position for the side to move (`Computer`: the computer).
    template <int Mode, bool Computer> static int Leaf(Set mover, Set other)
    {
        const Set own = Computer ? mover : other;
        const Set opp = Computer ? other : mover;
        int score = 0;
        if constexpr (Mode == PositionalMode)
            score = Positional(own, opp);
        else if constexpr (Mode == DiscDifferenceMode)
            score = DiscDifference(own, opp);
        return Computer ? score : -score;
    }

    // The last ply: every move is scored by the position it leads to. The
    // best score for the mover is returned, or the first that reaches `beta`.
    template <int Mode, bool Computer> int LastPly(Set mover, Set other, Set moves, int beta)
    {
        if constexpr (Mode == DiscDifferenceMode) {
            // The mover gains its new disc and twice every disc it turns.
            const int base = DiscDifference(mover, other) + 1;
            int mostFlips = -1;
            for (Set m = moves; m; m &= m - 1) {
                const int flips = Isa::Count(Isa::Flips(bits::Lowest(m), mover, other));
                ++s_.nodes;
                if (flips > mostFlips) {
                    mostFlips = flips;
                    if (base + 2 * flips >= beta)
                        break;
                }
            }
            return base + 2 * mostFlips;
        } else {
            // The square that settled the last such node first, then corners:
            // they change the score most, so they end the node soonest when
            // it cannot matter.
            int& killer = s_.lastPlyKiller[Computer];
            const Set first = (killer >= 0 ? moves & bits::Bit(killer) : 0) | (moves & CornerSquares);
            const Set order[2] = {first, moves & ~first};
            int best = -Infinity;
            for (Set group : order)
                for (Set m = group; m; m &= m - 1) {
                    const int square = bits::Lowest(m);
                    const Set flips = Isa::Flips(square, mover, other);
                    ++s_.nodes;
                    const int v = Leaf<Mode, Computer>(mover | flips | bits::Bit(square), other ^ flips);
                    if (v > best) {
                        best = v;
                        if (best >= beta) {
                            killer = square;
                            return best;
                        }
                    }
                }
            return best;
        }
    }

    // Which search a child is searched for in the loop over a node's moves
    // (Children): the first move with the node's whole window, a later move
    // with the null window that only asks whether it beats the best so far,
    // or that move again with the whole window when it did.
    enum class ChildSearch { First, Scout, Research };

    // The loop over the moves of a node, shared by the positional search
    // (Value) and the read-out (Endgame): the table's remembered bounds and
    // best move, the moves ordered by a first guess with the remembered move
    // first, a reply already known to end the node, then every move in that
    // order, the first with the whole window and the others with a null
    // window, searched again only when they beat the best so far. `Node` says
    // what the two searches do differently (PositionalNode, ReadOutNode):
    // from which depth the table is used, how moves are guessed, and which
    // search a child gets. The node has moves and is at least two plies from
    // the last ply. Fail-soft within alpha..beta, as both searches are.
    // Always inlined into the search that uses it: a call of its own at every
    // node would cost time.
    template <class Node>
    [[gnu::always_inline]] int Children(Node& node, Set mover, Set other, Set moves, int depth, int alpha, int beta)
    {
        detail::TableEntry* entry = nullptr;
        int hinted = -1;
        if (depth >= Node::RememberedFrom) {
            entry = Probe(mover, other, Node::MoverIsComputer);
            if (Holds(*entry, mover, other, Node::MoverIsComputer)) {
                hinted = entry->move;
                int known;
                if (Settled(*entry, depth, Node::TableMode, alpha, beta, known))
                    return known;
            }
        }

        using Candidate = typename Node::Candidate;
        Candidate list[MaxMoves];
        int count = 0;
        const Set marked = node.Marked(mover, other);
        for (Set m = moves; m; m &= m - 1) {
            const int square = bits::Lowest(m);
            Candidate c = node.Guess(square, Isa::Flips(square, mover, other), marked, mover, other);
            if (square == hinted)
                c.score += 1 << 20;
            list[count++] = c;
        }

        // A reply already known, from another order of the same moves, to
        // be good enough ends the node before anything is searched.
        if (node.LooksUpReplies(depth))
            for (int i = 0; i < count; ++i) {
                const Set nextMover = other ^ list[i].flips;
                const Set nextOther = mover | list[i].flips | bits::Bit(list[i].square);
                const detail::TableEntry& e = *Probe(nextMover, nextOther, Node::ChildIsComputer);
                if (Holds(e, nextMover, nextOther, Node::ChildIsComputer) && e.depth == depth - 1
                    && e.mode == Node::TableMode && -e.upper >= beta)
                    return -e.upper;
            }

        const int alphaAtEntry = alpha;
        int best = -Infinity;
        int bestSquare = -1;
        for (int i = 0; i < count; ++i) {
            int pick = i;
            for (int j = i + 1; j < count; ++j)
                if (list[j].score > list[pick].score)
                    pick = j;
            std::swap(list[i], list[pick]);
            const Candidate& c = list[i];
            const Set nextMover = other ^ c.flips;
            const Set nextOther = mover | c.flips | bits::Bit(c.square);
            const Set replies = node.Replies(c, nextMover, nextOther);
            int v;
            if (i == 0) {
                v = -node.Child(ChildSearch::First, nextMover, nextOther, replies, depth - 1, -beta, -alpha);
            } else {
                v = -node.Child(ChildSearch::Scout, nextMover, nextOther, replies, depth - 1, -alpha - 1, -alpha);
                if (v > alpha && v < beta)
                    v = -node.Child(ChildSearch::Research, nextMover, nextOther, replies, depth - 1, -beta, -alpha);
            }
            if (v > best) {
                best = v;
                bestSquare = c.square;
                if (v > alpha) {
                    alpha = v;
                    if (alpha >= beta)
                        break;
                }
            }
        }

        if (entry)
            Store(*entry, mover, other, Node::MoverIsComputer, depth, Node::TableMode, bestSquare, best, alphaAtEntry,
                  beta);
        return best;
    }

    // A node of the positional search, as the child loop sees it.
    template <int Mode, bool Computer> struct PositionalNode {
        struct Candidate {
            Set flips;
            Set replies; // the other side's replies, when they were counted
            int square;
            int score;
        };
        // The table: from which depth on it is used, and its keys.
        static constexpr int RememberedFrom = TableMinDepth;
        static constexpr int TableMode = Mode;
        static constexpr bool MoverIsComputer = Computer;
        static constexpr bool ChildIsComputer = !Computer;

        Searcher& search;
        bool expectCut;
        // Order matters where one good move ends the node; where every move
        // must be searched anyway, cheap hints will do.
        bool sortByReplies;

        bool LooksUpReplies(int depth) const { return depth >= 4 && sortByReplies; }

        // The squares beside empty corners.
        static Set Marked(Set mover, Set other) { return DangerousSquares(mover | other); }

        // The move on `square`, turning `flips`, with its first guess.
        Candidate Guess(int square, Set flips, Set danger, Set mover, Set other) const
        {
            const Set bit = bits::Bit(square);
            Set replies = 0;
            int score = 0;
            if (sortByReplies) {
                // Fastest first: the fewer replies the other side has, the better.
                replies = Isa::Moves(other ^ flips, mover | flips | bit);
                score = -16 * Isa::Count(replies);
            }
            if (bit & CornerSquares)
                score += 256;
            else if (bit & danger)
                score -= 128;
            return Candidate{flips, replies, square, score};
        }

        Set Replies(const Candidate& c, Set nextMover, Set nextOther) const
        {
            return sortByReplies ? c.replies : Isa::Moves(nextMover, nextOther);
        }

        int Child(ChildSearch kind, Set nextMover, Set nextOther, Set replies, int depth, int alpha, int beta)
        {
            // The first move goes against the node's expectation; a null
            // window expects its cut, and a move searched again does not.
            const bool childExpectsCut = kind == ChildSearch::First ? !expectCut : kind == ChildSearch::Scout;
            return search.template Value<Mode, !Computer>(nextMover, nextOther, replies, depth, alpha, beta,
                                                          childExpectsCut);
        }
    };

    // The value of a node for the side to move, `depth` plies (at least 1)
    // from the last ply, fail-soft within alpha..beta. `moves` are the mover's
    // legal moves; `expectCut` says one move is likely to settle the node.
    template <int Mode, bool Computer>
    int Value(Set mover, Set other, Set moves, int depth, int alpha, int beta, bool expectCut)
    {
        if constexpr (Mode == DiscDifferenceMode)
            return Endgame(mover, other, depth, alpha, beta);
        Tick();
        if (!moves) {
            // A pass takes a ply. When neither side can move, the passes run
            // on to the last ply over the same position.
            if (depth == 1)
                return Leaf<Mode, Computer>(mover, other);
            const Set replies = Isa::Moves(other, mover);
            if (!replies)
                return Leaf<Mode, Computer>(mover, other);
            return -Value<Mode, !Computer>(other, mover, replies, depth - 1, -beta, -alpha, !expectCut);
        }
        if (depth == 1)
            return LastPly<Mode, Computer>(mover, other, moves, beta);
        PositionalNode<Mode, Computer> node{*this, expectCut, expectCut || beta - alpha > 1};
        return Children(node, mover, other, moves, depth, alpha, beta);
    }

    // A node of the read-out, as the child loop sees it.
    struct ReadOutNode {
        struct Candidate {
            Set flips;
            int square;
            int score;
        };
        // The table: from which depth on it is used, and its keys (the
        // computer's colour plays no part in the read-out).
        static constexpr int RememberedFrom = EndgameTableMinDepth;
        static constexpr int TableMode = DiscDifferenceMode;
        static constexpr bool MoverIsComputer = true;
        static constexpr bool ChildIsComputer = true;

        Searcher& search;

        static bool LooksUpReplies(int depth) { return depth > EndgameTableMinDepth; }

        // The quarters with an odd number of empty squares.
        static Set Marked(Set mover, Set other) { return OddQuarters(~(mover | other)); }

        // The move on `square`, turning `flips`, with its first guess.
        static Candidate Guess(int square, Set flips, Set odd, Set mover, Set other)
        {
            const Set bit = bits::Bit(square);
            // Fastest first: the fewer replies the other side has, the better.
            int score = -16 * Isa::Count(Isa::Moves(other ^ flips, mover | flips | bit));
            if (bit & CornerSquares)
                score += 32;
            if (bit & odd)
                score += 8;
            return Candidate{flips, square, score};
        }

        static Set Replies(const Candidate&, Set, Set) { return 0; }

        int Child(ChildSearch, Set nextMover, Set nextOther, Set, int depth, int alpha, int beta)
        {
            return search.Endgame(nextMover, nextOther, depth, alpha, beta);
        }
    };

    // The read-out to the end, scored by disc difference. The score is the
    // same for both sides with the sign turned, so the computer's colour plays
    // no part. Passes still take a ply: a line with a pass reaches its last
    // ply with empty squares left and is scored as it stands.
    int Endgame(Set mover, Set other, int depth, int alpha, int beta)
    {
        const Set empty = ~(mover | other);
        if (Isa::Count(empty) <= SmallEndgameEmpties)
            return SmallEndgameStart(mover, other, depth, alpha, beta, empty);

        Tick();
        // The other side's stable discs stay theirs: the mover can at best
        // have all the rest.
        if (alpha >= 64 - 2 * Isa::Count(other)) {
            const int ceiling = 64 - 2 * Isa::Count(StableDiscs(other, mover));
            if (ceiling <= alpha)
                return ceiling;
        }
        if (beta <= 2 * Isa::Count(mover) - 64) {
            const int floor = 2 * Isa::Count(StableDiscs(mover, other)) - 64;
            if (floor >= beta)
                return floor;
        }
        const Set moves = Isa::Moves(mover, other);
        if (!moves) {
            if (depth == 1 || !Isa::Moves(other, mover))
                return DiscDifference(mover, other);
            return -Endgame(other, mover, depth - 1, -beta, -alpha);
        }
        if (depth == 1)
            return LastPly<DiscDifferenceMode, true>(mover, other, moves, beta);
        ReadOutNode node{*this};
        return Children(node, mover, other, moves, depth, alpha, beta);
    }

    int SmallEndgameStart(Set mover, Set other, int depth, int alpha, int beta, Set empty)
    {
        // The empty squares as a list: corners first, the squares beside
        // empty corners last; and which quarters hold an odd number of them.
        std::uint8_t squares[SmallEndgameEmpties];
        int count = 0;
        unsigned parity = 0;
        const Set danger = DangerousSquares(~empty);
        const Set groups[3] = {empty & CornerSquares, empty & ~CornerSquares & ~danger, empty & danger};
        for (Set group : groups)
            for (Set m = group; m; m &= m - 1) {
                const int square = bits::Lowest(m);
                squares[count++] = static_cast<std::uint8_t>(square);
                parity ^= QuarterBit(square);
            }
        return SmallEndgame(mover, other, depth, alpha, beta, squares, count, parity);
    }

    static unsigned QuarterBit(int square) { return 1u << ((square >> 2 & 1) | (square >> 4 & 2)); }

    // A few empty squares, kept in `squares` (the array is reordered while a
    // move is tried and put back after). `parity` has a bit set for each
    // quarter with an odd number of them.
    int SmallEndgame(Set mover, Set other, int depth, int alpha, int beta, std::uint8_t* squares, int count,
                     unsigned parity)
    {
        Tick();
        if (depth == 1) {
            // The last ply: the move that turns most discs, or none.
            int mostFlips = 0;
            const int base = DiscDifference(mover, other);
            for (int i = 0; i < count; ++i) {
                const int square = squares[i];
                if (!(Neighbours.around[square] & other))
                    continue;
                const int flips = Isa::Count(Isa::Flips(square, mover, other));
                if (flips > mostFlips) {
                    ++s_.nodes;
                    mostFlips = flips;
                    if (base + 2 * flips + 1 >= beta)
                        break;
                }
            }
            return mostFlips == 0 ? base : base + 2 * mostFlips + 1;
        }

        // Moves in quarters with an odd number of empty squares first.
        int best = -Infinity;
        for (int pass = 0; pass < 2; ++pass)
            for (int i = 0; i < count; ++i) {
                const int square = squares[i];
                if (((parity & QuarterBit(square)) != 0) != (pass == 0))
                    continue;
                if (!(Neighbours.around[square] & other))
                    continue;
                const Set flips = Isa::Flips(square, mover, other);
                if (!flips)
                    continue;
                squares[i] = squares[count - 1];
                squares[count - 1] = static_cast<std::uint8_t>(square);
                const int v = -SmallEndgame(other ^ flips, mover | flips | bits::Bit(square), depth - 1, -beta,
                                            -(alpha > best ? alpha : best), squares, count - 1,
                                            parity ^ QuarterBit(square));
                squares[count - 1] = squares[i];
                squares[i] = static_cast<std::uint8_t>(square);
                if (v > best) {
                    best = v;
                    if (best >= beta)
                        return best;
                }
            }
        if (best > -Infinity)
            return best;

        // No move: a pass, unless the other side cannot move either.
        bool otherCanMove = false;
        for (int i = 0; i < count && !otherCanMove; ++i)
            otherCanMove = (Neighbours.around[squares[i]] & mover) && Isa::Flips(squares[i], other, mover);
        if (!otherCanMove)
            return DiscDifference(mover, other);
        return -SmallEndgame(other, mover, depth - 1, -beta, -alpha, squares, count, parity);
    }

    template <int Mode> int RootPass(RootMove* list, int count, Set own, Set opp, int depth)
    {
        // list[0] is searched with the full window; every later move only
        // needs testing against the best so far: it must be strictly better,
        // or equal and earlier in column-major order. A null window answers
        // that; only a move that passes is searched again for its value.
        int best = -Infinity;
        int bestAt = 0;
        for (int i = 0; i < count; ++i) {
            const RootMove& m = list[i];
            const Set nextOwn = own | m.flips | bits::Bit(m.square);
            const Set nextOpp = opp ^ m.flips;
            if (depth == 1) {
                ++s_.nodes;
                const int v = Leaf<Mode, true>(nextOwn, nextOpp);
                if (i == 0 || v > best || (v == best && m.scan < list[bestAt].scan)) {
                    best = v;
                    bestAt = i;
                }
                continue;
            }
            const Set replies = Isa::Moves(nextOpp, nextOwn);
            if (i == 0) {
                best = -Value<Mode, false>(nextOpp, nextOwn, replies, depth - 1, -Infinity, Infinity, false);
                continue;
            }
            const int threshold = m.scan < list[bestAt].scan ? best - 1 : best;
            const int v = -Value<Mode, false>(nextOpp, nextOwn, replies, depth - 1, -threshold - 1, -threshold, true);
            if (v > threshold) {
                best = -Value<Mode, false>(nextOpp, nextOwn, replies, depth - 1, -Infinity, -threshold, false);
                bestAt = i;
            }
        }
        // The chosen move goes first for the next pass; the others keep their
        // order.
        const RootMove chosen = list[bestAt];
        for (int i = bestAt; i > 0; --i)
            list[i] = list[i - 1];
        list[0] = chosen;
        return best;
    }

    template <int Mode> SearchOutcome Root(Set own, Set opp, int depth)
    {
        SearchOutcome out;
        ++s_.nodes;
        const Set moves = Isa::Moves(own, opp);
        if (!moves) {
            // The computer passes; the value is still that of the position.
            const Set replies = Isa::Moves(opp, own);
            if (depth == 1 || !replies)
                out.value = Leaf<Mode, true>(own, opp);
            else
                out.value = -Value<Mode, false>(opp, own, replies, depth - 1, -Infinity, Infinity, false);
            return out;
        }

        RootMove list[MaxMoves];
        int count = 0;
        const Set danger = DangerousSquares(own | opp);
        for (int column = 1; column <= 8; ++column)
            for (int row = 1; row <= 8; ++row) {
                const int square = bits::Square(column, row);
                const Set bit = bits::Bit(square);
                if (!(moves & bit))
                    continue;
                RootMove& m = list[count];
                m.square = square;
                m.scan = count;
                m.flips = Isa::Flips(square, own, opp);
                m.order = -16 * Isa::Count(Isa::Moves(opp ^ m.flips, own | m.flips | bit));
                if (bit & CornerSquares)
                    m.order += 256;
                else if (bit & danger)
                    m.order -= 128;
                ++count;
            }
        std::stable_sort(list, list + count, [](const RootMove& a, const RootMove& b) { return a.order > b.order; });

        // Shallower searches first: they leave the best replies in the table
        // and put the most promising move first.
        if constexpr (Mode == PositionalMode) {
            for (int d = depth % 2 ? 1 : 2; d < depth; d += 2)
                RootPass<Mode>(list, count, own, opp, d);
        }
        out.value = RootPass<Mode>(list, count, own, opp, depth);
        out.square = list[0].square;
        return out;
    }

    detail::SearchState& s_;
};

} // namespace
} // namespace brains::core
