// zumoru-think --params S/L/E [--reference]
//
// Reads positions from standard input, one a line: 64 characters, row 1 (top)
// first and within a row column 1 to 8, X Black, O White, - empty; a space;
// the computer's colour, X or O. For each line prints the computer's move
// (column letter a-h and row digit 1-8, or "pass"), the value of the search
// at the root, the positions visited and the microseconds taken.
// S/L/E are the middle-game depth, the late-game depth (below 20 empty
// squares) and the number of empty squares from which the game is read out.
#include "brains/brains.h"
#include "brains/position_text.h"
#include "brains/reference/reference_search.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

namespace {

void Usage()
{
    std::cerr << "usage: zumoru-think --params S/L/E [--reference] < positions\n"
                 "  S  plies searched with 20 or more empty squares (1..30)\n"
                 "  L  plies searched with fewer than 20 empty squares (1..30)\n"
                 "  E  read the game out to the end from this many empty squares (0..64)\n"
                 "  --reference  use the slow literal reference search instead of the engine\n"
                 "Each input line: 64 squares (row 1 first, X, O or -), a space, the computer's colour X or O.\n"
                 "Each output line: move value nodes microseconds\n";
}

bool ReadNumber(std::string_view text, int low, int high, int& out)
{
    const auto result = std::from_chars(text.data(), text.data() + text.size(), out);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && out >= low && out <= high;
}

bool ReadParams(std::string_view text, int& s, int& l, int& e)
{
    const auto first = text.find('/');
    if (first == std::string_view::npos)
        return false;
    const auto second = text.find('/', first + 1);
    if (second == std::string_view::npos)
        return false;
    return ReadNumber(text.substr(0, first), 1, 30, s) && ReadNumber(text.substr(first + 1, second - first - 1), 1, 30, l)
           && ReadNumber(text.substr(second + 1), 0, 64, e);
}

} // namespace

int main(int argc, char** argv)
{
    int s = 0, l = 0, e = 0;
    bool haveParams = false, reference = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--reference") {
            reference = true;
        } else if (arg == "--params" && i + 1 < argc) {
            if (!ReadParams(argv[++i], s, l, e)) {
                std::cerr << "zumoru-think: --params wants S/L/E, such as 7/11/15, got \"" << argv[i] << "\"\n";
                return 2;
            }
            haveParams = true;
        } else if (arg == "--help" || arg == "-h") {
            Usage();
            return 0;
        } else {
            std::cerr << "zumoru-think: unknown argument \"" << arg << "\"\n";
            Usage();
            return 2;
        }
    }
    if (!haveParams) {
        Usage();
        return 2;
    }

    TDBrains brains;
    brains.SetStrength(StrengthParams{s, l, e, false});
    ReferenceSearch oracle;
    oracle.SearchDepth = s;
    oracle.LateSearchDepth = l;
    oracle.EndgameEmpties = e;

    std::string line;
    for (long number = 1; std::getline(std::cin, line); ++number) {
        TextPosition position;
        std::string error;
        if (!ParsePositionLine(line, position, error)) {
            std::cout.flush();
            std::cerr << "zumoru-think: line " << number << ": " << error << "\n";
            return 1;
        }
        int x = 0, y = 0, value = 0;
        std::uint64_t nodes = 0;
        const auto start = std::chrono::steady_clock::now();
        if (reference) {
            oracle.BestX = oracle.BestY = 0;
            oracle.ChooseMove(position.cells, position.side);
            x = oracle.BestX;
            y = oracle.BestY;
            value = oracle.RootValue;
            nodes = oracle.Nodes;
        } else {
            brains.BestX = brains.BestY = 0;
            brains.ChooseMove(position.cells, position.side, 1);
            x = brains.BestX;
            y = brains.BestY;
            value = brains.LastValue;
            nodes = brains.LastNodes;
        }
        const auto micros =
            std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count();
        std::cout << (x == 0 ? std::string("pass") : MoveText(x, y)) << ' ' << value << ' ' << nodes << ' ' << micros
                  << '\n'
                  << std::flush;
    }
    return 0;
}
