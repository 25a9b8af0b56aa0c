// The search engine against the literal reference search on any position
// (not only positions reachable in a game: any discs anywhere, either side to
// move, passes and full boards) at small depths. Both must choose the same
// square with the same value, with either instruction set, and leave the cells
// untouched. As in the game, one engine serves every search of the run, so
// what its table keeps from earlier searches must never change a later one; a
// difference is reported with what a fresh engine says on the same position.
#include "brains/brains.h"
#include "fuzz_support.h"
#include "brains/reference/reference_search.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

namespace {

std::string Describe(const Position& cells, int side, const StrengthParams& strength)
{
    return cells.ToText() + "\ncomputer " + (side == -1 ? "X" : "O") + " strength "
           + std::to_string(strength.SearchDepth) + "/" + std::to_string(strength.LateSearchDepth) + "/"
           + std::to_string(strength.EndgameEmpties);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    static TDBrains wide;
    static TDBrains& portable = [] () -> TDBrains& {
        static TDBrains engine;
        engine.SetInstructionSet(brains::InstructionSet::Portable);
        return engine;
    }();
    ReferenceSearch reference;

    const int searches = input.ConsumeIntegralInRange(1, 3);
    for (int search = 0; search < searches && input.remaining_bytes() > 0; ++search) {
        StrengthParams strength;
        strength.SearchDepth = input.ConsumeIntegralInRange(1, 4);
        strength.LateSearchDepth = input.ConsumeIntegralInRange(1, 4);
        strength.EndgameEmpties = input.ConsumeIntegralInRange(0, 8);
        strength.RandomPlay = false;
        const int side = input.ConsumeBool() ? 1 : -1;
        Position cells{};
        for (int column = 1; column <= 8; ++column)
            for (int row = 1; row <= 8; ++row)
                cells[static_cast<std::size_t>(column * 10 + row)] = input.ConsumeIntegralInRange(-1, 1);
        const auto original = cells;

        reference.SearchDepth = strength.SearchDepth;
        reference.LateSearchDepth = strength.LateSearchDepth;
        reference.EndgameEmpties = strength.EndgameEmpties;
        reference.BestX = reference.BestY = 0;
        reference.ChooseMove(cells, side);
        FUZZ_CHECK(cells == original, "the reference restores the cells");

        for (TDBrains* engine : {&wide, &portable}) {
            engine->SetStrength(strength);
            engine->BestX = engine->BestY = 0;
            engine->ChooseMove(cells, side, 1);
            const bool same = engine->BestX == reference.BestX && engine->BestY == reference.BestY &&
                              engine->LastValue == reference.RootValue;
            std::string fresh;
            if (!same) {
                TDBrains another;
                another.SetInstructionSet(engine->ActiveInstructionSet());
                another.SetStrength(strength);
                another.BestX = another.BestY = 0;
                another.ChooseMove(cells, side, 1);
                fresh = "\nfresh engine " + std::to_string(another.BestX) + "," + std::to_string(another.BestY) +
                        " value " + std::to_string(another.LastValue);
            }
            const std::string where = fresh + "\n" + Describe(original, side, strength) + (engine == &wide ? " (wide)" : " (portable)") +
                                      "\nengine " + std::to_string(engine->BestX) + "," + std::to_string(engine->BestY) +
                                      " value " + std::to_string(engine->LastValue) + ", reference " +
                                      std::to_string(reference.BestX) + "," + std::to_string(reference.BestY) +
                                      " value " + std::to_string(reference.RootValue);
            FUZZ_CHECK(cells == original, "the engine leaves the cells as they were\n" + where);
            FUZZ_CHECK(engine->EvalMode == reference.EvalMode && engine->DepthLimit == reference.DepthLimit,
                       "same plan\n" + where);
            FUZZ_CHECK(engine->BestX == reference.BestX && engine->BestY == reference.BestY, "same move\n" + where);
            FUZZ_CHECK(engine->LastValue == reference.RootValue, "same value\n" + where);
        }
    }
    return 0;
}
