// zumoru-bench [--games N] [--repeat R] [--sample K] [--limit NODES] [--no-reference] [--slowest N]
//
// Plays N self-play games (default 20) from a fixed seed: the first 8 moves
// at random, the rest by the computer at 5/5/9 for both sides. Every position
// where the side to move has a legal move is a test position, that side the
// computer. For each distinct strength of the opponent table the engine
// chooses a move on every position, R times (default 3): a move's time is the
// fastest of its runs, which keeps other programs on a shared machine out of
// the figures. The median and maximum time (wall clock, and the thread's CPU
// time of that run) and nodes per move are printed. The literal reference
// search then runs on every K-th position (default 10) for the strengths it
// can follow, giving up on a position after NODES nodes (default 3,000,000);
// the speed-up is its total time over the engine's (first runs) on the
// positions it finished, both measured in this run. --slowest N also lists the N slowest
// positions at 7/11/15 as zumoru-think input lines.
#include "board/board.h"
#include "brains/brains.h"
#include "brains/position_text.h"
#include "brains/strength_table.h"
#include "brains/reference/reference_search.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

struct SuitePosition {
    Position cells;
    int side;
    int empties;
};

void Play(Position& cells, int column, int row, int side)
{
    const int cell = CellIndex(column, row);
    for (const int d : TBoard::Directions) {
        int end = cell + d;
        while (cells[end] == -side)
            end += d;
        if (end != cell + d && cells[end] == side)
            for (int turn = cell + d; turn != end; turn += d)
                cells[turn] = side;
    }
    cells[cell] = side;
}

std::vector<SuitePosition> SelfPlaySuite(int games)
{
    std::mt19937 random(19990707);
    TDBrains player;
    player.SetStrength(StrengthParams{5, 5, 9, false});
    std::vector<SuitePosition> suite;
    for (int g = 0; g < games; ++g) {
        TBoard board;
        board.Cells = Position::Opening();
        int side = Black;
        for (int ply = 0;; ++ply) {
            const int moves = board.CountMoves(side);
            if (moves == 0) {
                if (board.CountMoves(-side) == 0)
                    break;
                side = -side;
                continue;
            }
            suite.push_back({board.Cells, side, board.CountDiscs(Empty)});
            int column = 0, row = 0;
            if (ply < 8) {
                int pick = std::uniform_int_distribution<int>(0, moves - 1)(random);
                for (int c = 1; c <= 8 && !column; ++c)
                    for (int r = 1; r <= 8; ++r)
                        if (board.CanPlace(c, r, side) && pick-- == 0) {
                            column = c;
                            row = r;
                            break;
                        }
            } else {
                player.ChooseMove(board.Cells, side, 1);
                column = player.BestX;
                row = player.BestY;
            }
            Play(board.Cells, column, row, side);
            side = -side;
        }
    }
    return suite;
}

std::vector<StrengthParams> SearchingStrengths()
{
    std::vector<StrengthParams> all;
    auto add = [&](StrengthParams p) {
        if (!p.RandomPlay && std::find(all.begin(), all.end(), p) == all.end())
            all.push_back(p);
    };
    for (const auto& stage : StageStrengthTable)
        for (const auto& opponent : stage)
            for (const auto& p : opponent)
                add(p);
    for (const auto& chick : ChickStrengthTable)
        for (const auto& p : chick)
            add(p);
    std::sort(all.begin(), all.end(), [](const StrengthParams& a, const StrengthParams& b) {
        return std::tie(a.SearchDepth, a.LateSearchDepth, a.EndgameEmpties)
               < std::tie(b.SearchDepth, b.LateSearchDepth, b.EndgameEmpties);
    });
    return all;
}

double ThreadSeconds()
{
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

template <class T> T Median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

template <class T> T Largest(const std::vector<T>& v) { return *std::max_element(v.begin(), v.end()); }

std::string Name(const StrengthParams& p)
{
    return std::to_string(p.SearchDepth) + "/" + std::to_string(p.LateSearchDepth) + "/"
           + std::to_string(p.EndgameEmpties);
}

struct Timing {
    std::vector<double> wallMs, cpuMs;
    std::vector<double> firstWallMs; // the first run alone, to set against the reference's single run
    std::vector<std::uint64_t> nodes;
    std::vector<int> x, y, value;
};

Timing TimeEngine(const std::vector<SuitePosition>& suite, const StrengthParams& strength, brains::InstructionSet set,
                  int repeat)
{
    TDBrains brains;
    brains.SetInstructionSet(set);
    brains.SetStrength(strength);
    Timing t;
    for (const SuitePosition& p : suite) {
        double wall = 1e300, cpu = 0;
        for (int r = 0; r < repeat; ++r) {
            Position cells = p.cells;
            const double cpuStart = ThreadSeconds();
            const auto start = std::chrono::steady_clock::now();
            brains.ChooseMove(cells, p.side, 1);
            const auto stop = std::chrono::steady_clock::now();
            const double ms = std::chrono::duration<double, std::milli>(stop - start).count();
            if (r == 0)
                t.firstWallMs.push_back(ms);
            if (ms < wall) {
                wall = ms;
                cpu = (ThreadSeconds() - cpuStart) * 1e3;
            }
        }
        t.wallMs.push_back(wall);
        t.cpuMs.push_back(cpu);
        t.nodes.push_back(brains.LastNodes);
        t.x.push_back(brains.BestX);
        t.y.push_back(brains.BestY);
        t.value.push_back(brains.LastValue);
    }
    return t;
}

} // namespace

int main(int argc, char** argv)
{
    int games = 20, sample = 10, repeat = 3;
    std::uint64_t limit = 3'000'000;
    bool reference = true;
    int slowest = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--games" && i + 1 < argc)
            games = std::atoi(argv[++i]);
        else if (arg == "--repeat" && i + 1 < argc)
            repeat = std::atoi(argv[++i]);
        else if (arg == "--sample" && i + 1 < argc)
            sample = std::atoi(argv[++i]);
        else if (arg == "--limit" && i + 1 < argc)
            limit = std::strtoull(argv[++i], nullptr, 10);
        else if (arg == "--no-reference")
            reference = false;
        else if (arg == "--slowest" && i + 1 < argc)
            slowest = std::atoi(argv[++i]);
        else {
            std::fprintf(stderr, "usage: zumoru-bench [--games N] [--repeat R] [--sample K] [--limit NODES] "
                                 "[--no-reference] [--slowest N]\n");
            return 2;
        }
    }
    if (games < 1 || sample < 1 || repeat < 1) {
        std::fprintf(stderr, "zumoru-bench: --games, --repeat and --sample must be at least 1\n");
        return 2;
    }

    const auto suite = SelfPlaySuite(games);
    const auto strengths = SearchingStrengths();
    const bool wide = TDBrains().ActiveInstructionSet() == brains::InstructionSet::Wide;
    std::printf("Suite: %d self-play games (seed 19990707, 8 random moves, then 5/5/9 both sides), %zu positions\n",
                games, suite.size());
    std::printf("Engine instructions: %s; time per move: the fastest of %d runs\n\n", wide ? "wide (AVX2)" : "portable",
                repeat);
    std::printf("%-10s %6s | %10s %10s %10s | %12s %12s\n", "strength", "moves", "median ms", "max ms", "max cpu ms",
                "median nodes", "max nodes");

    std::vector<Timing> timings;
    for (const StrengthParams& s : strengths) {
        timings.push_back(TimeEngine(suite, s, brains::InstructionSet::Wide, repeat));
        const Timing& t = timings.back();
        std::printf("%-10s %6zu | %10.3f %10.3f %10.3f | %12llu %12llu\n", Name(s).c_str(), suite.size(),
                    Median(t.wallMs), Largest(t.wallMs), Largest(t.cpuMs),
                    static_cast<unsigned long long>(Median(t.nodes)),
                    static_cast<unsigned long long>(Largest(t.nodes)));
    }
    if (wide) {
        const StrengthParams strongest{7, 11, 15, false};
        const Timing t = TimeEngine(suite, strongest, brains::InstructionSet::Portable, repeat);
        std::printf("%-10s %6zu | %10.3f %10.3f %10.3f | %12llu %12llu   (portable instructions)\n",
                    Name(strongest).c_str(), suite.size(), Median(t.wallMs), Largest(t.wallMs), Largest(t.cpuMs),
                    static_cast<unsigned long long>(Median(t.nodes)),
                    static_cast<unsigned long long>(Largest(t.nodes)));
    }

    if (slowest > 0) {
        const auto at = std::find(strengths.begin(), strengths.end(), StrengthParams{7, 11, 15, false});
        const Timing& t = timings[static_cast<std::size_t>(at - strengths.begin())];
        std::vector<std::size_t> order(suite.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return t.wallMs[a] > t.wallMs[b]; });
        std::printf("\nSlowest positions at 7/11/15 (ms, empty squares, position):\n");
        for (int i = 0; i < slowest && i < static_cast<int>(order.size()); ++i) {
            const SuitePosition& p = suite[order[static_cast<std::size_t>(i)]];
            std::printf("%8.3f %2d %s\n", t.wallMs[order[static_cast<std::size_t>(i)]], p.empties,
                        FormatPositionLine(p.cells, p.side).c_str());
        }
    }

    if (!reference)
        return 0;
    std::printf("\nReference search on every %d-th position (%zu positions), giving up after %llu nodes:\n", sample,
                (suite.size() + sample - 1) / sample, static_cast<unsigned long long>(limit));
    std::printf("%-10s | %8s %8s | %12s %12s %9s | %s\n", "strength", "finished", "gave up", "reference s",
                "engine s", "speed-up", "differences");
    ReferenceSearch oracle;
    oracle.NodeLimit = limit;
    for (std::size_t k = 0; k < strengths.size(); ++k) {
        const StrengthParams& s = strengths[k];
        // Seven plies in the middle game are out of the reference's reach.
        if (s.SearchDepth >= 7)
            continue;
        oracle.SearchDepth = s.SearchDepth;
        oracle.LateSearchDepth = s.LateSearchDepth;
        oracle.EndgameEmpties = s.EndgameEmpties;
        int finished = 0, gaveUp = 0, differences = 0;
        double oracleSeconds = 0, engineSeconds = 0;
        for (std::size_t i = 0; i < suite.size(); i += sample) {
            Position cells = suite[i].cells;
            oracle.BestX = oracle.BestY = 0;
            const auto start = std::chrono::steady_clock::now();
            oracle.ChooseMove(cells, suite[i].side);
            const double seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            if (oracle.GaveUp) {
                ++gaveUp;
                continue;
            }
            ++finished;
            oracleSeconds += seconds;
            engineSeconds += timings[k].firstWallMs[i] / 1e3;
            differences += oracle.BestX != timings[k].x[i] || oracle.BestY != timings[k].y[i]
                           || oracle.RootValue != timings[k].value[i];
        }
        std::printf("%-10s | %8d %8d | %12.3f %12.5f %8.0fx | %d\n", Name(s).c_str(), finished, gaveUp,
                    oracleSeconds, engineSeconds, engineSeconds > 0 ? oracleSeconds / engineSeconds : 0.0,
                    differences);
        std::fflush(stdout);
    }
    return 0;
}
