// The lines zumoru-think reads on its standard input, any bytes. A line is
// either refused with a printable reason, or read into a position that writes
// back as the same line; the computer then chooses a legal move on it, or
// passes when it has none, as the tool does for every line it accepts.
#include "board/board.h"
#include "brains/brains.h"
#include "brains/position_text.h"
#include "fuzz_support.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static TDBrains brains;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    int searched = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;

        TextPosition position;
        position.side = 7;
        std::string error;
        if (!ParsePositionLine(line, position, error)) {
            FUZZ_CHECK(!error.empty(), "a refused line says why");
            for (char c : error)
                FUZZ_CHECK(c >= 0x20 && c <= 0x7E, "the reason is printable");
            FUZZ_CHECK(position.side == 7, "a refused line leaves the position alone");
            continue;
        }
        std::string_view bare = line;
        if (!bare.empty() && bare.back() == '\r')
            bare.remove_suffix(1);
        FUZZ_CHECK(FormatPositionLine(position.cells, position.side) == bare, "an accepted line writes back the same");
        for (int cell = 0; cell < 100; ++cell) {
            const bool border = cell % 10 == 0 || cell % 10 == 9 || cell < 10 || cell >= 90;
            FUZZ_CHECK(!border || position.cells[static_cast<std::size_t>(cell)] == Empty, "the border ring stays empty");
        }
        // A shallow search on each of the first lines, as the tool would run it.
        if (searched++ >= 4)
            continue;
        brains.SetStrength(StrengthParams{2, 2, 4, false});
        brains.BestX = brains.BestY = 0;
        const auto before = position.cells;
        brains.ChooseMove(position.cells, position.side, 1);
        FUZZ_CHECK(position.cells == before, "the search leaves the cells as they were");
        TBoard board;
        board.Cells = position.cells;
        if (board.CountMoves(position.side) == 0)
            FUZZ_CHECK(brains.BestX == 0 && brains.BestY == 0, "no move: the tool prints a pass");
        else
            FUZZ_CHECK(board.CanPlace(brains.BestX, brains.BestY, position.side), "the chosen move is legal");
    }
    return 0;
}
