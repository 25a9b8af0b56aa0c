// An opponent's message file, any bytes, read as the match screen reads it
// (lines, Shift-JIS to UTF-8), then a run of remark requests with the bubble's
// timer ticking in between, as during a match. Whatever the file holds: the
// bubble always closes, it never shows a marker line or invalid text, the
// fixed events take their lines, and a random remark never repeats the
// position of the one before while there is another to take.
#include "fuzz_support.h"
#include "match/speech.h"
#include "platform/game_random.h"
#include "platform/shift_jis.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>

namespace {

const char* const kKeys[] = {"GREETING", "VICTORY", "DRAW",    "LOSS",  "LOSE_CORNER", "GET_CORNER",
                             "GET_PASS", "GIVE_PASS", "RANDOM", "HELLO", ""};

struct Screen {
    const SpeechScript& script;
    SpeechBubble bubble;
    bool timerActive = false;
    int shownLines = 0;

    void Tick()
    {
        if (!timerActive)
            return;
        const int line = bubble.MessageLine;
        const SpeechBubble::Step step = bubble.Tick(script);
        switch (step.action) {
        case SpeechBubble::Action::Open:
            FUZZ_CHECK(script.Line(line) == step.text, "the bubble opens on the chosen line");
            [[fallthrough]];
        case SpeechBubble::Action::Next:
            FUZZ_CHECK(!speech::IsMarker(step.text), "a marker line is never said");
            FUZZ_CHECK(fuzz::IsUtf8(step.text), "the bubble's text is UTF-8");
            FUZZ_CHECK(bubble.MessagePhase == 1, "showing");
            ++shownLines;
            break;
        case SpeechBubble::Action::Close:
            FUZZ_CHECK(bubble.MessagePhase == 0, "closed");
            timerActive = false;
            break;
        }
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const auto seed = input.ConsumeIntegral<std::uint32_t>();
    const int requests = input.ConsumeIntegralInRange(0, 40);
    struct Request {
        std::string key;
        SpeechSituation situation;
        int ticksAfter;
    };
    std::vector<Request> plan;
    for (int i = 0; i < requests; ++i) {
        Request request;
        request.key = kKeys[input.ConsumeIntegralInRange<std::size_t>(0, std::size(kKeys) - 1)];
        request.situation.emptySquares = input.ConsumeIntegralInRange(0, 60);
        request.situation.playerTookCorner = input.ConsumeBool();
        request.situation.computerTookCorner = input.ConsumeBool();
        request.ticksAfter = input.ConsumeIntegralInRange(0, 3);
        plan.push_back(std::move(request));
    }
    SpeechMemory memory;
    // What an earlier opponent's file may have left behind.
    memory.LastRandomEntry = input.ConsumeIntegralInRange(0, speech::kMaxRandomEntries - 1);
    const std::string file = input.ConsumeRemainingBytesAsString();

    std::vector<std::string> lines;
    for (const std::string& line : SpeechScript::SplitLines(file))
        lines.push_back(FromShiftJis(line));
    const SpeechScript script(std::move(lines));
    const std::vector<int> entries = script.RandomEntries();
    FUZZ_CHECK(entries.size() <= static_cast<std::size_t>(speech::kMaxRandomEntries), "at most 100 entries");

    GameRandom random;
    random.Seed(seed);
    Screen screen{script, {}};
    for (const Request& request : plan) {
        const std::string lastKey = memory.LastMessageKey;
        const int lastEntry = memory.LastRandomEntry;
        const auto line = script.ChooseLine(request.key, screen.bubble.MessageLine, request.situation, memory, random);
        FUZZ_CHECK(memory.LastMessageKey == request.key, "every request is remembered");
        const bool same = request.key == lastKey;
        const bool lateCorner = request.situation.emptySquares < 15;
        if (request.key == "GREETING") FUZZ_CHECK(line == 0, "greeting");
        if (request.key == "VICTORY") FUZZ_CHECK(line == 1, "victory");
        if (request.key == "DRAW") FUZZ_CHECK(line == 3, "draw");
        if (request.key == "LOSS") FUZZ_CHECK(line == 4, "loss");
        if (request.key == "GET_PASS") FUZZ_CHECK(line == (same ? 9 : 8), "computer passes");
        if (request.key == "GIVE_PASS") FUZZ_CHECK(line == (same ? 11 : 10), "player passes");
        if (request.key == "LOSE_CORNER")
            FUZZ_CHECK(lateCorner ? !line : line == (request.situation.playerTookCorner ? 13 : 12), "player's corner");
        if (request.key == "GET_CORNER")
            FUZZ_CHECK(lateCorner ? !line : line == (request.situation.computerTookCorner ? 15 : 14),
                       "computer's corner");
        if (request.key == "RANDOM") {
            if (entries.empty()) {
                FUZZ_CHECK(!line, "no random entry, no remark");
            } else {
                FUZZ_CHECK(line && std::find(entries.begin(), entries.end(), *line) != entries.end(),
                           "a random remark starts an entry");
                FUZZ_CHECK(entries[static_cast<std::size_t>(memory.LastRandomEntry)] == *line, "position remembered");
                if (entries.size() > 1)
                    FUZZ_CHECK(memory.LastRandomEntry != lastEntry, "never the same position twice in a row");
            }
        }
        if (request.key == "HELLO" || request.key.empty())
            FUZZ_CHECK(line == screen.bubble.MessageLine, "an unknown key keeps the line");
        if (line) {
            screen.bubble.MessageLine = *line;
            screen.timerActive = true;
        }
        for (int tick = 0; tick < request.ticksAfter; ++tick)
            screen.Tick();
    }
    // Left alone, the bubble closes: after one line, or after the lines of one
    // random entry at most.
    const std::size_t limit = script.Lines().size() + 3;
    for (std::size_t tick = 0; screen.timerActive; ++tick) {
        FUZZ_CHECK(tick < limit, "the bubble closes");
        screen.Tick();
    }
    return 0;
}
