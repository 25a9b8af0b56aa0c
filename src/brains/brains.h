#pragma once
// The computer opponent: picks the computer's move, either by taking a corner
// or a random legal square, or by searching a fixed number of plies ahead with
// a positional score and, near the end, reading the game out by disc count.
#include "board/board.h"
#include "brains/engine.h"
#include "brains/strength_table.h"

#include <chrono>
#include <cstdint>

class TDBrains {
public:
    TDBrains();

    // The creation handler: 1 for the three strength numbers and the chosen
    // square; the computer searches by default.
    void DBrainsCreate();

    // Strength parameters (the opponent selection writes them).
    std::int32_t SearchDepth = 1;     // plies while 20 or more squares are empty
    std::int32_t LateSearchDepth = 1; // plies while fewer than 20 squares are empty
    std::int32_t EndgameEmpties = 1;  // at most this many empty squares: read out to the end
    // Result: column and row (1..8) of the chosen move.
    std::int32_t BestX = 1;
    std::int32_t BestY = 1;
    // Working values of the current search: 0 positional score, 2 disc difference;
    // the number of plies searched.
    std::int32_t EvalMode = 0;
    std::int32_t DepthLimit = 0;
    // true: corner-or-random play instead of the search.
    bool RandomPlay = false;

    // Figures of the last search, for analysis: the value at the root from the
    // computer's view and the positions visited.
    std::int32_t LastValue = 0;
    std::uint64_t LastNodes = 0;

    void SetStrength(const StrengthParams& strength);

    // Chooses the move of `side` (Black -1 or White 1) on `cells` and leaves it
    // in BestX/BestY. Method 0: corner or random; method 1: search; any other
    // method changes nothing. The caller only asks when the computer has a
    // legal move; without one BestX/BestY stay as they were.
    void ChooseMove(const Position& cells, int side, int method);

    // Method 0: a legal corner in the order (1,1), (8,1), (1,8), (8,8), else a
    // legal square drawn uniformly from the game's shared random generator.
    void CornerOrRandomMove(const Position& cells, int side);

    // Method 1, on the search engine.
    void SearchMove(const Position& cells, int side);

    // How often, at most, the search lets window events run.
    void SetPumpInterval(std::chrono::microseconds interval);

    // The search's machine instructions (both give the same moves).
    void SetInstructionSet(brains::InstructionSet set) { engine_.SetInstructionSet(set); }
    brains::InstructionSet ActiveInstructionSet() const { return engine_.ActiveInstructionSet(); }

private:
    brains::SearchEngine engine_;
};
