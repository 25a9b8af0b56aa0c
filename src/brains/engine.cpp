#include "brains/engine.h"

#include <algorithm>
#include <utility>

namespace brains {

using bits::Set;

namespace {

// Larger than any score: the positional score stays within a few thousand.
constexpr int Infinity = 30000;

constexpr int TableBits = 18;
constexpr std::size_t TableSize = std::size_t{1} << TableBits;
// Nodes this far from the last ply and further are remembered in the table.
constexpr int TableMinDepth = 3;

constexpr int MaxMoves = 40; // no position has more than 33 legal moves

// The read-out remembers nodes this far from the last ply and further; with
// at most this many empty squares it runs on a plain list of them.
constexpr int EndgameTableMinDepth = 8;
constexpr int SmallEndgameEmpties = 6;

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

// The diagonal neighbour of each corner, and the corner it stands beside.
constexpr Set DiagonalSquares = bits::At(2, 2) | bits::At(7, 2) | bits::At(2, 7) | bits::At(7, 7);

inline Set DangerousSquares(Set occupied)
{
    // Diagonal neighbours of empty corners: taking one usually hands the
    // corner over.
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

// The four quarters of the board. A quarter with an odd number of empty
// squares is where the last move in that region usually falls to the side
// that starts there, so moves there are tried first near the end.
constexpr Set Quarter[4] = {0x000000000F0F0F0FULL, 0x00000000F0F0F0F0ULL, 0x0F0F0F0F00000000ULL,
                            0xF0F0F0F000000000ULL};

inline Set OddQuarters(Set empty)
{
    Set odd = 0;
    for (Set q : Quarter)
        if (bits::Count(empty & q) & 1)
            odd |= q;
    return odd;
}

inline int DiscDifference(Set own, Set opp) { return bits::Count(own) - bits::Count(opp); }

std::uint64_t Hash(Set mover, Set other, bool computer)
{
    std::uint64_t h = mover * 0x9E3779B97F4A7C15ULL;
    h ^= (other ^ (computer ? 0x5BD1E9955BD1E995ULL : 0)) * 0xC2B2AE3D27D4EB4FULL;
    h ^= h >> 31;
    h *= 0xFF51AFD7ED558CCDULL;
    return h >> (64 - TableBits);
}

} // namespace

int PositionalScore(Set own, Set opp)
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
    return score + bits::Count(bits::Moves(own, opp));
}

struct SearchEngine::Entry {
    Set mover = 0;
    Set other = 0;
    std::uint32_t stamp = 0;
    std::int16_t lower = 0;
    std::int16_t upper = 0;
    std::uint8_t depth = 0;
    std::int8_t move = -1;
    std::uint8_t mode = 0;
    bool computer = false;
};

SearchEngine::SearchEngine() : table_(new Entry[TableSize]) {}

SearchEngine::~SearchEngine() = default;

void SearchEngine::SetPump(PumpFunction pump, void* context, std::chrono::microseconds interval)
{
    pump_ = pump;
    pumpContext_ = context;
    pumpInterval_ = interval;
}

inline void SearchEngine::Tick()
{
    if ((++nodes_ & 2047) == 0 && pump_) {
        const auto now = std::chrono::steady_clock::now();
        if (now - lastPump_ >= pumpInterval_) {
            pump_(pumpContext_);
            lastPump_ = std::chrono::steady_clock::now();
        }
    }
}

template <int Mode, bool Computer> inline int SearchEngine::Leaf(Set mover, Set other)
{
    const Set own = Computer ? mover : other;
    const Set opp = Computer ? other : mover;
    int score = 0;
    if constexpr (Mode == PositionalMode)
        score = PositionalScore(own, opp);
    else if constexpr (Mode == DiscDifferenceMode)
        score = DiscDifference(own, opp);
    return Computer ? score : -score;
}

// The last ply: every move is scored by the position it leads to. The best
// score for the mover is returned, or the first one that reaches `beta`.
template <int Mode, bool Computer> int SearchEngine::LastPly(Set mover, Set other, Set moves, int beta)
{
    int best = -Infinity;
    if constexpr (Mode == DiscDifferenceMode) {
        // The mover gains its new disc and twice every disc it turns.
        const int base = DiscDifference(mover, other) + 1;
        int mostFlips = -1;
        for (Set m = moves; m; m &= m - 1) {
            const int square = bits::Lowest(m);
            const int flips = bits::Count(bits::Flips(square, mover, other));
            ++nodes_;
            if (flips > mostFlips) {
                mostFlips = flips;
                if (base + 2 * flips >= beta)
                    break;
            }
        }
        best = base + 2 * mostFlips;
    } else {
        // Corners first: they change the score most, so they end the node
        // soonest when it cannot matter.
        const Set order[2] = {moves & CornerSquares, moves & ~CornerSquares};
        for (Set group : order)
            for (Set m = group; m; m &= m - 1) {
                const int square = bits::Lowest(m);
                const Set flips = bits::Flips(square, mover, other);
                ++nodes_;
                const int v = Leaf<Mode, Computer>(mover | flips | bits::Bit(square), other ^ flips);
                if (v > best) {
                    best = v;
                    if (best >= beta)
                        return best;
                }
            }
    }
    return best;
}

template <int Mode, bool Computer> int SearchEngine::Value(Set mover, Set other, int depth, int alpha, int beta)
{
    if constexpr (Mode == DiscDifferenceMode)
        return Endgame(mover, other, depth, alpha, beta);
    Tick();
    const Set moves = bits::Moves(mover, other);
    if (!moves) {
        // A pass takes a ply. When neither side can move, the passes run on
        // to the last ply over the same position.
        if (depth == 1 || !bits::Moves(other, mover))
            return Leaf<Mode, Computer>(mover, other);
        return -Value<Mode, !Computer>(other, mover, depth - 1, -beta, -alpha);
    }
    if (depth == 1)
        return LastPly<Mode, Computer>(mover, other, moves, beta);

    Entry* entry = nullptr;
    int hinted = -1;
    if (depth >= TableMinDepth) {
        entry = &table_[Hash(mover, other, Computer)];
        if (entry->stamp == stamp_ && entry->mover == mover && entry->other == other && entry->computer == Computer) {
            hinted = entry->move;
            if (entry->depth == depth && entry->mode == Mode) {
                if (entry->lower >= beta)
                    return entry->lower;
                if (entry->upper <= alpha)
                    return entry->upper;
                if (entry->lower == entry->upper)
                    return entry->lower;
            }
        }
    }

    struct Candidate {
        Set flips;
        int square;
        int score;
    };
    Candidate list[MaxMoves];
    int count = 0;
    const Set danger = DangerousSquares(mover | other);
    for (Set m = moves; m; m &= m - 1) {
        const int square = bits::Lowest(m);
        const Set bit = bits::Bit(square);
        const Set flips = bits::Flips(square, mover, other);
        // Fastest first: the fewer replies the other side has, the better.
        int score = -16 * bits::Count(bits::Moves(other ^ flips, mover | flips | bit));
        if (bit & CornerSquares)
            score += 256;
        else if (bit & danger)
            score -= 128;
        if (square == hinted)
            score += 1 << 20;
        list[count++] = Candidate{flips, square, score};
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
        int v;
        if (i == 0) {
            v = -Value<Mode, !Computer>(nextMover, nextOther, depth - 1, -beta, -alpha);
        } else {
            v = -Value<Mode, !Computer>(nextMover, nextOther, depth - 1, -alpha - 1, -alpha);
            if (v > alpha && v < beta)
                v = -Value<Mode, !Computer>(nextMover, nextOther, depth - 1, -beta, -alpha);
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

    if (entry) {
        entry->mover = mover;
        entry->other = other;
        entry->computer = Computer;
        entry->stamp = stamp_;
        entry->depth = static_cast<std::uint8_t>(depth);
        entry->mode = static_cast<std::uint8_t>(Mode);
        entry->move = static_cast<std::int8_t>(bestSquare);
        entry->lower = static_cast<std::int16_t>(best > alphaAtEntry ? best : -Infinity);
        entry->upper = static_cast<std::int16_t>(best < beta ? best : Infinity);
    }
    return best;
}

// The read-out to the end, scored by disc difference. The score is the same
// for both sides with the sign turned, so the computer's colour plays no
// part. Passes still take a ply: a line with a pass reaches its last ply
// with empty squares left, and is scored as it stands.
int SearchEngine::Endgame(Set mover, Set other, int depth, int alpha, int beta)
{
    const Set empty = ~(mover | other);
    const int empties = bits::Count(empty);
    if (empties <= SmallEndgameEmpties)
        return SmallEndgameStart(mover, other, depth, alpha, beta, empty);

    Tick();
    const Set moves = bits::Moves(mover, other);
    if (!moves) {
        if (depth == 1 || !bits::Moves(other, mover))
            return DiscDifference(mover, other);
        return -Endgame(other, mover, depth - 1, -beta, -alpha);
    }
    if (depth == 1)
        return LastPly<DiscDifferenceMode, true>(mover, other, moves, beta);

    Entry* entry = nullptr;
    int hinted = -1;
    if (depth >= EndgameTableMinDepth) {
        entry = &table_[Hash(mover, other, true)];
        if (entry->stamp == stamp_ && entry->mover == mover && entry->other == other && entry->computer) {
            hinted = entry->move;
            if (entry->depth == depth && entry->mode == DiscDifferenceMode) {
                if (entry->lower >= beta)
                    return entry->lower;
                if (entry->upper <= alpha)
                    return entry->upper;
                if (entry->lower == entry->upper)
                    return entry->lower;
            }
        }
    }

    struct Candidate {
        Set flips;
        int square;
        int score;
    };
    Candidate list[MaxMoves];
    int count = 0;
    const Set odd = OddQuarters(empty);
    for (Set m = moves; m; m &= m - 1) {
        const int square = bits::Lowest(m);
        const Set bit = bits::Bit(square);
        const Set flips = bits::Flips(square, mover, other);
        // Fastest first: the fewer replies the other side has, the better.
        int score = -16 * bits::Count(bits::Moves(other ^ flips, mover | flips | bit));
        if (bit & CornerSquares)
            score += 32;
        if (bit & odd)
            score += 8;
        if (square == hinted)
            score += 1 << 20;
        list[count++] = Candidate{flips, square, score};
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
        int v;
        if (i == 0) {
            v = -Endgame(nextMover, nextOther, depth - 1, -beta, -alpha);
        } else {
            v = -Endgame(nextMover, nextOther, depth - 1, -alpha - 1, -alpha);
            if (v > alpha && v < beta)
                v = -Endgame(nextMover, nextOther, depth - 1, -beta, -alpha);
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

    if (entry) {
        entry->mover = mover;
        entry->other = other;
        entry->computer = true;
        entry->stamp = stamp_;
        entry->depth = static_cast<std::uint8_t>(depth);
        entry->mode = DiscDifferenceMode;
        entry->move = static_cast<std::int8_t>(bestSquare);
        entry->lower = static_cast<std::int16_t>(best > alphaAtEntry ? best : -Infinity);
        entry->upper = static_cast<std::int16_t>(best < beta ? best : Infinity);
    }
    return best;
}

int SearchEngine::SmallEndgameStart(Set mover, Set other, int depth, int alpha, int beta, Set empty)
{
    // The empty squares as a list: corners first, the squares beside empty
    // corners last.
    std::uint8_t squares[SmallEndgameEmpties];
    int count = 0;
    const Set danger = DangerousSquares(~empty);
    const Set groups[3] = {empty & CornerSquares, empty & ~CornerSquares & ~danger, empty & danger};
    for (Set group : groups)
        for (Set m = group; m; m &= m - 1)
            squares[count++] = static_cast<std::uint8_t>(bits::Lowest(m));
    return SmallEndgame(mover, other, depth, alpha, beta, squares, count);
}

int SearchEngine::SmallEndgame(Set mover, Set other, int depth, int alpha, int beta, const std::uint8_t* squares,
                              int count)
{
    Tick();
    if (depth == 1) {
        // The last ply: the move that turns most discs, or none.
        int mostFlips = -1;
        const int base = DiscDifference(mover, other) + 1;
        for (int i = 0; i < count; ++i) {
            const int square = squares[i];
            if (!(Neighbours.around[square] & other))
                continue;
            const int flips = bits::Count(bits::Flips(square, mover, other));
            if (flips && flips > mostFlips) {
                ++nodes_;
                mostFlips = flips;
                if (base + 2 * flips >= beta)
                    break;
            }
        }
        return mostFlips < 0 ? base - 1 : base + 2 * mostFlips;
    }

    // Moves in quarters with an odd number of empty squares first.
    Set empty = 0;
    for (int i = 0; i < count; ++i)
        empty |= bits::Bit(squares[i]);
    const Set odd = OddQuarters(empty);

    int best = -Infinity;
    std::uint8_t rest[SmallEndgameEmpties];
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < count; ++i) {
            const int square = squares[i];
            const Set bit = bits::Bit(square);
            if (((bit & odd) != 0) != (pass == 0))
                continue;
            if (!(Neighbours.around[square] & other))
                continue;
            const Set flips = bits::Flips(square, mover, other);
            if (!flips)
                continue;
            int n = 0;
            for (int j = 0; j < count; ++j)
                if (j != i)
                    rest[n++] = squares[j];
            const int v = -SmallEndgame(other ^ flips, mover | flips | bit, depth - 1, -beta,
                                        -(alpha > best ? alpha : best), rest, n);
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
        otherCanMove = (Neighbours.around[squares[i]] & mover) && bits::Flips(squares[i], other, mover);
    if (!otherCanMove)
        return DiscDifference(mover, other);
    return -SmallEndgame(other, mover, depth - 1, -beta, -alpha, squares, count);
}

template <int Mode> int SearchEngine::RootPass(RootMove* list, int count, Set own, Set opp, int depth)
{
    // list[0] is searched with the full window; every later move only needs to
    // be tested against the best so far: it must be strictly better, or equal
    // and earlier in column-major order. A null window answers that; only a
    // move that passes is searched again for its exact value.
    int best = -Infinity;
    int bestAt = 0;
    for (int i = 0; i < count; ++i) {
        const RootMove& m = list[i];
        const Set nextOwn = own | m.flips | bits::Bit(m.square);
        const Set nextOpp = opp ^ m.flips;
        int v;
        if (depth == 1) {
            ++nodes_;
            v = Leaf<Mode, true>(nextOwn, nextOpp);
            if (i == 0 || v > best || (v == best && m.scan < list[bestAt].scan)) {
                best = v;
                bestAt = i;
            }
            continue;
        }
        if (i == 0) {
            best = -Value<Mode, false>(nextOpp, nextOwn, depth - 1, -Infinity, Infinity);
            continue;
        }
        const int threshold = m.scan < list[bestAt].scan ? best - 1 : best;
        v = -Value<Mode, false>(nextOpp, nextOwn, depth - 1, -threshold - 1, -threshold);
        if (v > threshold) {
            best = -Value<Mode, false>(nextOpp, nextOwn, depth - 1, -Infinity, -threshold);
            bestAt = i;
        }
    }
    // The chosen move goes first for the next pass; the others keep their order.
    const RootMove chosen = list[bestAt];
    for (int i = bestAt; i > 0; --i)
        list[i] = list[i - 1];
    list[0] = chosen;
    return best;
}

template <int Mode> SearchOutcome SearchEngine::Root(Set own, Set opp, int depth)
{
    SearchOutcome out;
    ++nodes_;
    const Set moves = bits::Moves(own, opp);
    if (!moves) {
        // The computer passes; the value is still that of the position.
        if (depth == 1 || !bits::Moves(opp, own))
            out.value = Leaf<Mode, true>(own, opp);
        else
            out.value = -Value<Mode, false>(opp, own, depth - 1, -Infinity, Infinity);
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
            m.flips = bits::Flips(square, own, opp);
            m.order = -16 * bits::Count(bits::Moves(opp ^ m.flips, own | m.flips | bit));
            if (bit & CornerSquares)
                m.order += 256;
            else if (bit & danger)
                m.order -= 128;
            ++count;
        }
    std::stable_sort(list, list + count, [](const RootMove& a, const RootMove& b) { return a.order > b.order; });

    // Shallower searches first: they leave the best replies in the table and
    // put the most promising move first.
    if constexpr (Mode == PositionalMode) {
        for (int d = depth % 2 ? 1 : 2; d < depth; d += 2)
            RootPass<Mode>(list, count, own, opp, d);
    }
    out.value = RootPass<Mode>(list, count, own, opp, depth);
    out.square = list[0].square;
    return out;
}

SearchOutcome SearchEngine::Run(Set own, Set opp, int evalMode, int depthLimit)
{
    if (++stamp_ == 0) {
        for (std::size_t i = 0; i < TableSize; ++i)
            table_[i].stamp = 0;
        stamp_ = 1;
    }
    nodes_ = 0;
    lastPump_ = std::chrono::steady_clock::now();
    const int depth = depthLimit < 1 ? 1 : depthLimit;
    SearchOutcome out;
    if (evalMode == PositionalMode)
        out = Root<PositionalMode>(own, opp, depth);
    else if (evalMode == DiscDifferenceMode)
        out = Root<DiscDifferenceMode>(own, opp, depth);
    else
        out = Root<1>(own, opp, depth);
    out.nodes = nodes_;
    return out;
}

} // namespace brains
