#pragma once
// The reference search: the computer's search and evaluation written out step
// by step on the 10 x 10 cells, exactly as the game's rules describe them, with
// no cleverness at all. It is slow on purpose; the fast engine is checked
// against it move for move and value for value, by the tests and the fuzzer,
// and zumoru-think and zumoru-bench run it for comparison. It is not part of
// the game.
#include "board/board.h"

#include <array>
#include <cstdint>

class ReferenceSearch {
public:
    ReferenceSearch();

    // Strength parameters, as the opponent selection writes them.
    std::int32_t SearchDepth = 1;
    std::int32_t LateSearchDepth = 1;
    std::int32_t EndgameEmpties = 1;

    // Result of the last ChooseMove: the chosen square (unchanged when the
    // computer had to pass) and the value the search returned at the root.
    std::int32_t BestX = 1;
    std::int32_t BestY = 1;
    std::int32_t RootValue = 0;

    // Working values of the current search.
    std::int32_t EvalMode = 0;
    std::int32_t DepthLimit = 0;
    std::array<std::int32_t, 8> Directions{};

    // Number of Search calls plus positions evaluated in the last ChooseMove.
    std::uint64_t Nodes = 0;

    // For timing runs only: when not 0, a search that passes this many nodes
    // gives up (GaveUp is set, the result means nothing, the cells are
    // restored as usual).
    std::uint64_t NodeLimit = 0;
    bool GaveUp = false;

    // Chooses a move for `side` (-1 Black, 1 White) by searching; the cells
    // are inverted for White and restored afterwards.
    void ChooseMove(Position& cells, int side);

    // The root's first step: how far this search looks and how it scores
    // (sets EvalMode and DepthLimit from the empty squares of `cells`).
    void PlanSearch(const Position& cells);

    std::int32_t Search(Position& cells, int side, std::int32_t bound, int ply, std::int32_t& recordX,
                        std::int32_t& recordY);
    std::int32_t Evaluate(const Position& cells, int mode);

    // Rule helpers on the cells, for side -1 or 1.
    bool CanPlace(const Position& cells, int column, int row, int side) const;
    int CountMoves(const Position& cells, int side) const;
    static int CountDiscs(const Position& cells, int value);
};
