#include "match/speech.h"

#include "platform/catalogue.h"
#include "platform/data_files.h"
#include "platform/game_random.h"
#include "platform/shift_jis.h"

#include <algorithm>

bool speech::IsMarker(std::string_view line)
{
    return line == kEntryStart || line == kEntryEnd || line == kListEnd;
}

std::vector<std::string> SpeechScript::SplitLines(std::string_view text)
{
    // As a text-mode line reader: CR LF, a lone LF or a lone CR ends a line.
    // Neither byte is ever part of a Shift-JIS character.
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n')
            ++start;
    }
    return lines;
}

std::string speech::FileInLanguage(const std::string& path, Language language)
{
    if (language == Language::Japanese)
        return path;
    const std::size_t name = path.rfind('/') + 1;  // 0 for a bare file name
    return path.substr(0, name) + std::string(LanguageCode(language)) + "/" + path.substr(name);
}

std::optional<std::vector<std::string>> SpeechScript::ReadFile(const std::string& path)
{
    // Without its lines in the game's language (a game folder prepared before
    // they were delivered, or one a player has pruned) the opponent says its
    // own Japanese lines: it still plays and talks, rather than being refused
    // with an error about a file the game does not strictly need. Only the
    // Japanese file, which every game has, is reported missing.
    const std::string own = speech::FileInLanguage(path, GameLanguage());
    auto bytes = ReadRawFile(own, speech::kMaxFileBytes);
    if (!bytes && own != path)
        bytes = ReadRawFile(path, speech::kMaxFileBytes);
    if (!bytes)
        return std::nullopt;
    std::vector<std::string> lines;
    for (const std::string& line : SplitLines(*bytes))
        lines.push_back(FromShiftJis(line));
    return lines;
}

std::optional<std::string> SpeechScript::Line(int index) const
{
    if (index < 0 || index >= static_cast<int>(lines_.size()))
        return std::nullopt;
    return lines_[static_cast<std::size_t>(index)];
}

std::vector<int> SpeechScript::RandomEntries() const
{
    std::vector<int> entries;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i] == speech::kListEnd)
            break;
        if (lines_[i] == speech::kEntryStart) {
            entries.push_back(static_cast<int>(i) + 1);
            if (static_cast<int>(entries.size()) == speech::kMaxRandomEntries)
                break;
        }
    }
    return entries;
}

std::optional<int> SpeechScript::ChooseLine(const std::string& key, int currentLine,
                                            const SpeechSituation& situation, SpeechMemory& memory,
                                            GameRandom& random) const
{
    const bool same = key == memory.LastMessageKey;
    memory.LastMessageKey = key;

    if (key == "RANDOM") {
        const std::vector<int> entries = RandomEntries();
        const int count = static_cast<int>(entries.size());
        if (count == 0)
            return std::nullopt;
        int pick = 0;
        // Never the same entry twice in a row; with a single entry there is no
        // other to take, so it is said again.
        if (count > 1) {
            do
                pick = random.Next(count);
            while (pick == memory.LastRandomEntry);
        }
        memory.LastRandomEntry = pick;
        return entries[static_cast<std::size_t>(pick)];
    }
    if (key == "GREETING")
        return 0;
    if (key == "VICTORY")
        return 1;
    if (key == "DRAW")
        return 3;
    if (key == "LOSS")
        return 4;
    // Late in the game a corner is nothing to talk about.
    if (key == "LOSE_CORNER") {
        if (situation.emptySquares < 15)
            return std::nullopt;
        return situation.playerTookCorner ? 13 : 12;
    }
    if (key == "GET_CORNER") {
        if (situation.emptySquares < 15)
            return std::nullopt;
        return situation.computerTookCorner ? 15 : 14;
    }
    if (key == "GET_PASS")
        return same ? 9 : 8;
    if (key == "GIVE_PASS")
        return same ? 11 : 10;
    return currentLine;
}

SpeechBubble::Step SpeechBubble::Tick(const SpeechScript& script)
{
    if (MessagePhase == 0) {
        const auto text = script.Line(MessageLine);
        if (!text || speech::IsMarker(*text))
            return {Action::Close, {}};
        MessagePhase = 1;
        return {Action::Open, *text};
    }
    // A random entry goes on with its next text line; everything else closes.
    if (MessageLine > speech::kLastFixedLine) {
        ++MessageLine;
        const auto text = script.Line(MessageLine);
        if (text && !speech::IsMarker(*text))
            return {Action::Next, *text};
    }
    MessagePhase = 0;
    return {Action::Close, {}};
}
