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
#include <cstdlib>
#include <memory>

namespace brains {

// Scoring at the last ply.
constexpr int PositionalMode = 0;     // corners, edges and the computer's mobility
constexpr int DiscDifferenceMode = 2; // own discs minus the opponent's

struct SearchOutcome {
    int square = -1;         // the chosen square, as a bit index; -1 when the computer passes
    int value = 0;           // the minimax value at the root, from the computer's view
    std::uint64_t nodes = 0; // positions visited: searched nodes plus evaluated last-ply positions
};

// The positional score of a position from the computer's view.
int PositionalScore(bits::Set own, bits::Set opp);

// Which machine instructions the search uses. Both give identical results;
// the wide one (x86-64 with AVX2, BMI2, LZCNT and POPCNT) is about twice as
// fast and is chosen whenever the processor has it.
enum class InstructionSet { Portable, Wide };

namespace detail {

// One remembered node of the search.
struct TableEntry {
    bits::Set mover = 0;
    bits::Set other = 0;
    std::uint32_t stamp = 0; // the search that wrote it
    std::int16_t lower = 0;  // the value lies in lower..upper
    std::int16_t upper = 0;
    std::uint8_t depth = 0;  // plies searched below the node
    std::uint8_t mode = 0;   // scoring used
    std::int8_t move = -1;   // best square found, or -1
    bool computer = false;   // the computer was to move
};

constexpr int TableBits = 16;
// Searched nodes (not counting last-ply positions) between looks at the clock.
constexpr int NodesBetweenClockChecks = 1024;
constexpr std::size_t TableSize = std::size_t{1} << TableBits;

// Gives the table back as it was taken (from calloc).
struct FreeTable {
    void operator()(TableEntry* table) const { std::free(table); }
};

// Everything one search works with, allocated once with the engine.
struct SearchState {
    // All zero bytes, as the system hands out fresh pages: no page is touched
    // (or counted against the game's memory) before a search writes there, and
    // the zero stamp marks an entry no search has written.
    std::unique_ptr<TableEntry[], FreeTable> table;
    std::uint32_t stamp = 0;
    std::uint64_t nodes = 0;
    int lastPlyKiller[2] = {-1, -1};
    int untilClockCheck = NodesBetweenClockChecks;

    void (*pump)(void*) = nullptr;
    void* pumpContext = nullptr;
    std::chrono::microseconds pumpInterval{5000};
    std::chrono::steady_clock::time_point lastPump{};
};

SearchOutcome RunPortable(SearchState& state, bits::Set own, bits::Set opp, int evalMode, int depth);
bool WideAvailable();
SearchOutcome RunWide(SearchState& state, bits::Set own, bits::Set opp, int evalMode, int depth);

} // namespace detail

class SearchEngine {
public:
    using PumpFunction = void (*)(void* context);

    SearchEngine();
    SearchEngine(const SearchEngine&) = delete;
    SearchEngine& operator=(const SearchEngine&) = delete;

    // Lets the user interface run pending events while a search goes on: the
    // clock is looked at every NodesBetweenClockChecks searched nodes, and the
    // function called when `interval` has passed since the search began or
    // since its last call; a search shorter than `interval` never calls it.
    void SetPump(PumpFunction pump, void* context, std::chrono::microseconds interval);

    // Wide when the processor has it, else Portable; asking for Wide on a
    // processor without it keeps Portable.
    void SetInstructionSet(InstructionSet set);
    InstructionSet ActiveInstructionSet() const { return instructions_; }

    // Searches for the computer, whose discs are `own`, to move. `depthLimit`
    // plies are searched (a limit below 1 counts as 1); `evalMode` is
    // PositionalMode or DiscDifferenceMode (any other mode scores every
    // position 0).
    SearchOutcome Run(bits::Set own, bits::Set opp, int evalMode, int depthLimit);

private:
    detail::SearchState state_;
    InstructionSet instructions_ = InstructionSet::Portable;
};

} // namespace brains
