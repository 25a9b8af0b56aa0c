#include "brains/engine.h"

#include "brains/engine_core.h"

#include <cstdlib>
#include <new>

namespace brains {

namespace {

// Plain C++ bit primitives, for any processor.
struct PortableIsa {
    static bits::Set Moves(bits::Set own, bits::Set opp) { return bits::Moves(own, opp); }
    static int Count(bits::Set s) { return bits::Count(s); }
    static bits::Set Flips(int square, bits::Set own, bits::Set opp) { return bits::Flips(square, own, opp); }
};

} // namespace

int PositionalScore(bits::Set own, bits::Set opp)
{
    return core::Searcher<PortableIsa>::Positional(own, opp);
}

namespace detail {

SearchOutcome RunPortable(SearchState& state, bits::Set own, bits::Set opp, int evalMode, int depth)
{
    return core::Searcher<PortableIsa>(state).Run(own, opp, evalMode, depth);
}

} // namespace detail

SearchEngine::SearchEngine()
{
    void* table = std::calloc(detail::TableSize, sizeof(detail::TableEntry));
    if (!table)
        throw std::bad_alloc();
    state_.table.reset(static_cast<detail::TableEntry*>(table));
    SetInstructionSet(InstructionSet::Wide);
}

void SearchEngine::SetPump(PumpFunction pump, void* context, std::chrono::microseconds interval)
{
    state_.pump = pump;
    state_.pumpContext = context;
    state_.pumpInterval = interval;
}

void SearchEngine::SetInstructionSet(InstructionSet set)
{
    instructions_ = set == InstructionSet::Wide && detail::WideAvailable() ? InstructionSet::Wide
                                                                           : InstructionSet::Portable;
}

SearchOutcome SearchEngine::Run(bits::Set own, bits::Set opp, int evalMode, int depthLimit)
{
    // Each search marks the table entries it writes; older ones are ignored.
    if (++state_.stamp == 0) {
        for (std::size_t i = 0; i < detail::TableSize; ++i)
            state_.table[i].stamp = 0;
        state_.stamp = 1;
    }
    state_.nodes = 0;
    state_.lastPlyKiller[0] = state_.lastPlyKiller[1] = -1;
    state_.untilClockCheck = detail::NodesBetweenClockChecks;
    state_.lastPump = std::chrono::steady_clock::now();
    const int depth = depthLimit < 1 ? 1 : depthLimit;
    SearchOutcome out = instructions_ == InstructionSet::Wide ? detail::RunWide(state_, own, opp, evalMode, depth)
                                                              : detail::RunPortable(state_, own, opp, evalMode, depth);
    out.nodes = state_.nodes;
    return out;
}

} // namespace brains
