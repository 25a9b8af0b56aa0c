#pragma once
// The computer's search, made fast: the same fixed-depth minimax as the game's
// rules define it (passes take a ply, a finished game is evaluated once the
// ply limit is reached, ties at the root go to the first square in
// column-major order), computed with bitboards, alpha-beta pruning, move
// ordering and a transposition table. It gives the same move and the same root
// value as the plain search, only much sooner.
#include "brains/bitboard.h"

#include <chrono>
#include <cstdint>
#include <memory>

namespace brains {

// Scoring at the last ply.
constexpr int PositionalMode = 0;   // corners, edges and the computer's mobility
constexpr int DiscDifferenceMode = 2; // own discs minus the opponent's

struct SearchOutcome {
    int square = -1;          // the chosen square, as a bit index; -1 when the computer passes
    int value = 0;            // the minimax value at the root, from the computer's view
    std::uint64_t nodes = 0;  // positions visited: searched nodes plus evaluated last-ply positions
};

// The positional score of a position from the computer's view.
int PositionalScore(bits::Set own, bits::Set opp);

class SearchEngine {
public:
    using PumpFunction = void (*)(void* context);

    SearchEngine();
    ~SearchEngine();
    SearchEngine(const SearchEngine&) = delete;
    SearchEngine& operator=(const SearchEngine&) = delete;

    // Lets the user interface run pending events while a search goes on: the
    // function is called at most once per `interval`, checked every few
    // thousand nodes, never at all for a search shorter than `interval`.
    void SetPump(PumpFunction pump, void* context, std::chrono::microseconds interval);

    // Searches for the computer, whose discs are `own`, to move. `depthLimit`
    // plies (at least 1) are searched; `evalMode` is PositionalMode or
    // DiscDifferenceMode (any other mode scores every position 0).
    SearchOutcome Run(bits::Set own, bits::Set opp, int evalMode, int depthLimit);

private:
    struct Entry;
    struct RootMove {
        bits::Set flips;
        int square; // bit index
        int scan;   // place in column-major order
        int order;  // first guess of its worth
    };

    template <int Mode, bool Computer> int Value(bits::Set mover, bits::Set other, int depth, int alpha, int beta);
    template <int Mode, bool Computer> int LastPly(bits::Set mover, bits::Set other, bits::Set moves, int beta);
    template <int Mode, bool Computer> int Leaf(bits::Set mover, bits::Set other);
    int Endgame(bits::Set mover, bits::Set other, int depth, int alpha, int beta);
    int SmallEndgameStart(bits::Set mover, bits::Set other, int depth, int alpha, int beta, bits::Set empty);
    int SmallEndgame(bits::Set mover, bits::Set other, int depth, int alpha, int beta, const std::uint8_t* squares,
                     int count);
    template <int Mode> int RootPass(RootMove* list, int count, bits::Set own, bits::Set opp, int depth);
    template <int Mode> SearchOutcome Root(bits::Set own, bits::Set opp, int depth);

    void Tick();

    std::unique_ptr<Entry[]> table_;
    std::uint32_t stamp_ = 0;
    std::uint64_t nodes_ = 0;

    PumpFunction pump_ = nullptr;
    void* pumpContext_ = nullptr;
    std::chrono::microseconds pumpInterval_{5000};
    std::chrono::steady_clock::time_point lastPump_{};
};

} // namespace brains
