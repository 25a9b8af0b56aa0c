#include "match/speech.h"

#include "platform/game_random.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

// Lines "L0".."L17", then the given random entries (each a list of text lines)
// and the list's end.
std::vector<std::string> MessageFile(const std::vector<std::vector<std::string>>& entries, bool withEnds = true)
{
    std::vector<std::string> lines;
    for (int i = 0; i <= 17; ++i)
        lines.push_back("L" + std::to_string(i));
    for (const auto& entry : entries) {
        lines.push_back("**");
        lines.insert(lines.end(), entry.begin(), entry.end());
        if (withEnds)
            lines.push_back("*END");
    }
    if (withEnds)
        lines.push_back("*MesEnd");
    return lines;
}

class Speech : public ::testing::Test {
protected:
    std::optional<int> Ask(const std::string& key, int emptySquares = 40, bool playerCorner = false,
                           bool computerCorner = false)
    {
        return script.ChooseLine(key, current, {emptySquares, playerCorner, computerCorner}, memory, random);
    }

    SpeechScript script{MessageFile({{"R1"}, {"R2a", "R2b"}, {"R3"}})};
    SpeechMemory memory;
    GameRandom random;
    int current = 0;
};

// Shows a remark through the bubble to its end; the texts shown, in order.
std::vector<std::string> RunBubble(SpeechBubble& bubble, const SpeechScript& script, int line)
{
    bubble.MessageLine = line;
    std::vector<std::string> shown;
    for (int tick = 0; tick < 1000; ++tick) {
        const SpeechBubble::Step step = bubble.Tick(script);
        if (step.action == SpeechBubble::Action::Close)
            return shown;
        shown.push_back(step.text);
    }
    ADD_FAILURE() << "the bubble never closed";
    return shown;
}

} // namespace

TEST_F(Speech, FixedEventsSayTheirLines)
{
    EXPECT_EQ(Ask("GREETING"), 0);
    EXPECT_EQ(Ask("VICTORY"), 1);
    EXPECT_EQ(Ask("DRAW"), 3);
    EXPECT_EQ(Ask("LOSS"), 4);
    // An unknown key keeps whatever line the bubble holds.
    current = 7;
    EXPECT_EQ(Ask("SOMETHING"), 7);
}

TEST_F(Speech, RepeatedPassesSayTheSecondLine)
{
    EXPECT_EQ(Ask("GREETING"), 0);
    EXPECT_EQ(Ask("GET_PASS"), 8);
    EXPECT_EQ(Ask("GET_PASS"), 9);
    EXPECT_EQ(Ask("GET_PASS"), 9);
    EXPECT_EQ(Ask("GIVE_PASS"), 10);
    EXPECT_EQ(Ask("GIVE_PASS"), 11);
    EXPECT_EQ(Ask("GET_PASS"), 8);
    // The memory outlives the match: a new match's first pass after a pass of
    // the same kind still counts as a repeat.
    EXPECT_EQ(memory.LastMessageKey, "GET_PASS");
    EXPECT_EQ(Ask("GET_PASS"), 9);
}

TEST_F(Speech, CornersFirstAndAgainAndNotLateInTheGame)
{
    EXPECT_EQ(Ask("LOSE_CORNER", 15, false), 12);
    EXPECT_EQ(Ask("LOSE_CORNER", 15, true), 13);
    EXPECT_EQ(Ask("GET_CORNER", 30, false, false), 14);
    EXPECT_EQ(Ask("GET_CORNER", 30, false, true), 15);
    // Fewer than 15 empty squares: dropped, but still the previous request.
    EXPECT_EQ(Ask("GIVE_PASS"), 10);
    EXPECT_EQ(Ask("LOSE_CORNER", 14, false), std::nullopt);
    EXPECT_EQ(memory.LastMessageKey, "LOSE_CORNER");
    EXPECT_EQ(Ask("GIVE_PASS"), 10);
    EXPECT_EQ(Ask("GET_CORNER", 14, false, false), std::nullopt);
}

TEST_F(Speech, RandomEntriesAreListedUpToTheListEnd)
{
    EXPECT_EQ(script.RandomEntries(), (std::vector<int>{19, 22, 26}));
    // Nothing after "*MesEnd" counts, and markers match whole lines only.
    auto lines = MessageFile({{"A"}, {"B"}});
    lines.insert(lines.begin() + 20, " **");
    lines.push_back("**");
    lines.push_back("late");
    EXPECT_EQ(SpeechScript(lines).RandomEntries(), (std::vector<int>{19, 23}));
    // At most a hundred entries.
    std::vector<std::vector<std::string>> many(120, std::vector<std::string>{"x"});
    EXPECT_EQ(SpeechScript(MessageFile(many)).RandomEntries().size(), 100u);
}

TEST_F(Speech, RandomRemarkNeverRepeatsItsPosition)
{
    std::set<int> seen;
    int previous = 0;  // the first remark of a run never takes the first entry
    for (int i = 0; i < 300; ++i) {
        const auto line = Ask("RANDOM");
        ASSERT_TRUE(line.has_value());
        const int position = memory.LastRandomEntry;
        ASSERT_NE(position, previous);
        EXPECT_EQ(*line, script.RandomEntries()[static_cast<std::size_t>(position)]);
        seen.insert(position);
        previous = position;
    }
    EXPECT_EQ(seen, (std::set<int>{0, 1, 2}));

    // Across opponents the position is compared, not the line.
    memory.LastRandomEntry = 1;
    SpeechScript other(MessageFile({{"X"}, {"Y"}}));
    for (int i = 0; i < 20; ++i) {
        memory.LastRandomEntry = 1;
        EXPECT_EQ(other.ChooseLine("RANDOM", 0, {}, memory, random), 19);
    }
}

TEST_F(Speech, OneRandomEntryIsUsedAndNoneSaysNothing)
{
    SpeechScript one(MessageFile({{"only"}}));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(one.ChooseLine("RANDOM", 0, {}, memory, random), 19);
    EXPECT_EQ(memory.LastRandomEntry, 0);

    SpeechScript none(MessageFile({}));
    EXPECT_EQ(none.ChooseLine("RANDOM", 5, {}, memory, random), std::nullopt);
    EXPECT_EQ(memory.LastMessageKey, "RANDOM");
}

TEST(SpeechBubble, FixedRemarkShowsOneLine)
{
    const SpeechScript script(MessageFile({{"R1", "R1b"}}));
    SpeechBubble bubble;
    EXPECT_EQ(RunBubble(bubble, script, 8), (std::vector<std::string>{"L8"}));
    EXPECT_EQ(bubble.MessagePhase, 0);
    // Line 17 is the last single remark: it does not run into the entries.
    EXPECT_EQ(RunBubble(bubble, script, 17), (std::vector<std::string>{"L17"}));
}

TEST(SpeechBubble, RandomEntryShowsLineAfterLine)
{
    const SpeechScript script(MessageFile({{"one"}, {"two a", "two b"}}));
    SpeechBubble bubble;
    EXPECT_EQ(RunBubble(bubble, script, 19), (std::vector<std::string>{"one"}));
    EXPECT_EQ(RunBubble(bubble, script, 22), (std::vector<std::string>{"two a", "two b"}));
}

TEST(SpeechBubble, NewRequestWhileShowingTakesOverAtTheNextTick)
{
    const SpeechScript script(MessageFile({{"a", "b", "c"}}));
    SpeechBubble bubble;
    bubble.MessageLine = 19;
    EXPECT_EQ(bubble.Tick(script).action, SpeechBubble::Action::Open);
    // A fixed remark arrives: the bubble closes at its next tick without it.
    bubble.MessageLine = 10;
    EXPECT_EQ(bubble.Tick(script).action, SpeechBubble::Action::Close);
    // A random entry arriving goes on with the line after the new one.
    bubble.MessageLine = 19;
    EXPECT_EQ(bubble.Tick(script).text, "a");
    bubble.MessageLine = 19;
    const auto step = bubble.Tick(script);
    EXPECT_EQ(step.action, SpeechBubble::Action::Next);
    EXPECT_EQ(step.text, "b");
}

TEST(SpeechBubble, MalformedFilesEndAtTheirLastLine)
{
    SpeechBubble bubble;
    // No "*END" and no "*MesEnd": the last entry runs to the end of the file.
    const SpeechScript noEnds(MessageFile({{"x1", "x2"}}, false));
    EXPECT_EQ(RunBubble(bubble, noEnds, 19), (std::vector<std::string>{"x1", "x2"}));
    // A missing "*END" inside the list stops at the next marker, never shows it.
    SpeechScript missingEnd;
    {
        auto lines = MessageFile({});
        lines.pop_back();
        for (const char* line : {"**", "p", "**", "q", "*END", "*MesEnd"})
            lines.push_back(line);
        missingEnd.SetLines(lines);
    }
    EXPECT_EQ(RunBubble(bubble, missingEnd, 19), (std::vector<std::string>{"p"}));
    // An entry marker as the very last line: nothing to say.
    SpeechScript endsWithMarker(std::vector<std::string>{"L0", "**"});
    EXPECT_EQ(endsWithMarker.RandomEntries(), (std::vector<int>{2}));
    EXPECT_EQ(RunBubble(bubble, endsWithMarker, 2), (std::vector<std::string>{}));
    // Fewer than 18 lines: events past the end say nothing.
    const SpeechScript shortFile(std::vector<std::string>{"hello", "won"});
    EXPECT_EQ(RunBubble(bubble, shortFile, 0), (std::vector<std::string>{"hello"}));
    EXPECT_EQ(RunBubble(bubble, shortFile, 12), (std::vector<std::string>{}));
    EXPECT_EQ(bubble.MessagePhase, 0);
    // An empty file.
    EXPECT_EQ(RunBubble(bubble, SpeechScript{}, 0), (std::vector<std::string>{}));
}

TEST(SpeechScript, SplitsLinesOfAnyEnding)
{
    EXPECT_EQ(SpeechScript::SplitLines("a\r\nb\n\r\nc"), (std::vector<std::string>{"a", "b", "", "c"}));
    EXPECT_EQ(SpeechScript::SplitLines("a\r\n"), (std::vector<std::string>{"a"}));
    EXPECT_EQ(SpeechScript::SplitLines(""), (std::vector<std::string>{}));
    // A lone CR ends a line as a text-mode reader takes it; CR CR LF is an
    // empty line between.
    EXPECT_EQ(SpeechScript::SplitLines("a\rb\n"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(SpeechScript::SplitLines("**\r*END\r\r\n*MesEnd\r"),
              (std::vector<std::string>{"**", "*END", "", "*MesEnd"}));
}
