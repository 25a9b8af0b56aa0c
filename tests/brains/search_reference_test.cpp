// The fast search against the literal reference search: same move, same
// value, on positions from thousands of random games, for every strength of
// the opponent table wherever the reference can finish in the test run.
#include "brains/brains.h"
#include "brains/game_positions.h"
#include "brains/strength_table.h"
#include "brains/reference/reference_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

namespace {

constexpr int Slices = 4;
constexpr int Games = 170;

std::vector<StrengthParams> SearchingStrengths()
{
    std::vector<StrengthParams> all;
    auto add = [&](StrengthParams p) {
        p.RandomPlay = false; // the corner-or-random entries' 3/3/5 is searched too
        if (std::find(all.begin(), all.end(), p) == all.end())
            all.push_back(p);
    };
    for (const auto& stage : StageStrengthTable)
        for (const auto& opponent : stage)
            for (const auto& p : opponent)
                add(p);
    for (const auto& chick : ChickStrengthTable)
        for (const auto& p : chick)
            add(p);
    return all;
}

// What the reference can finish in the test run: every shallow search, and
// the deeper ones on a sample of the positions.
bool Affordable(int evalMode, int depth, std::size_t index)
{
    if (evalMode == 2) {
        if (depth <= 8)
            return true;
        if (depth <= 10)
            return index % 7 == 0;
        if (depth == 11)
            return index % 53 == 0;
        return false;
    }
    if (depth <= 3)
        return true;
    if (depth == 5)
        return index % 31 == 0;
    return false;
}

struct ReferenceAnswer {
    int bestX, bestY, value;
};

class SearchMatchesReference : public ::testing::TestWithParam<int> {};

TEST_P(SearchMatchesReference, SameMoveAndValueForEveryStrength)
{
    const auto positions = RandomGamePositions(20240607, Games);
    const auto strengths = SearchingStrengths();
    ASSERT_EQ(strengths.size(), 18u);

    TDBrains wide;
    TDBrains portable;
    portable.SetInstructionSet(brains::InstructionSet::Portable);
    ReferenceSearch reference;

    std::map<int, int> comparedPerStrength;
    int positionsCompared = 0, rootPasses = 0, finishedGames = 0, readOuts = 0, lateSearches = 0;

    for (std::size_t index = GetParam(); index < positions.size(); index += Slices) {
        const GamePosition& position = positions[index];
        std::map<std::pair<int, int>, ReferenceAnswer> answers; // by (EvalMode, DepthLimit)
        bool compared = false;
        for (std::size_t s = 0; s < strengths.size(); ++s) {
            const StrengthParams& strength = strengths[s];
            reference.SearchDepth = strength.SearchDepth;
            reference.LateSearchDepth = strength.LateSearchDepth;
            reference.EndgameEmpties = strength.EndgameEmpties;
            reference.PlanSearch(position.cells);
            const int mode = reference.EvalMode;
            const int depth = reference.DepthLimit;
            if (!Affordable(mode, depth, index))
                continue;

            // The reference's search depends only on these two numbers.
            auto found = answers.find({mode, depth});
            if (found == answers.end()) {
                auto cells = position.cells;
                reference.BestX = reference.BestY = 0;
                reference.ChooseMove(cells, position.side);
                ASSERT_EQ(cells, position.cells);
                found = answers.emplace(std::make_pair(mode, depth),
                                        ReferenceAnswer{reference.BestX, reference.BestY, reference.RootValue})
                            .first;
            }
            const ReferenceAnswer& expected = found->second;

            for (TDBrains* brains : {&wide, &portable}) {
                brains->SetStrength(strength);
                brains->BestX = brains->BestY = 0;
                auto cells = position.cells;
                brains->ChooseMove(cells, position.side, 1);
                ASSERT_EQ(cells, position.cells);
                ASSERT_EQ(brains->EvalMode, mode);
                ASSERT_EQ(brains->DepthLimit, depth);
                ASSERT_EQ(brains->BestX, expected.bestX)
                    << "position " << index << " strength " << strength.SearchDepth << "/" << strength.LateSearchDepth
                    << "/" << strength.EndgameEmpties;
                ASSERT_EQ(brains->BestY, expected.bestY) << "position " << index;
                ASSERT_EQ(brains->LastValue, expected.value) << "position " << index;
            }
            ++comparedPerStrength[static_cast<int>(s)];
            compared = true;
            readOuts += mode == 2;
            lateSearches += mode == 0 && position.empties < 20;
        }
        if (!compared)
            continue;
        ++positionsCompared;
        TBoard board;
        board.Cells = position.cells;
        rootPasses += board.CountMoves(position.side) == 0;
        finishedGames += board.IsMatchOver();
    }

    // The slice covered what it should: a quarter of the positions, passes,
    // finished games, read-outs and late searches, and every strength.
    EXPECT_GE(positionsCompared * Slices, 10000);
    EXPECT_GT(rootPasses, 0);
    EXPECT_GT(finishedGames, 0);
    EXPECT_GT(readOuts, 500);
    EXPECT_GT(lateSearches, 500);
    for (std::size_t s = 0; s < strengths.size(); ++s)
        EXPECT_GE(comparedPerStrength[static_cast<int>(s)], 100)
            << strengths[s].SearchDepth << "/" << strengths[s].LateSearchDepth << "/" << strengths[s].EndgameEmpties;
    RecordProperty("positions", positionsCompared);

}

INSTANTIATE_TEST_SUITE_P(Slices, SearchMatchesReference, ::testing::Range(0, Slices));

} // namespace
