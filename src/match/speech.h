#pragma once
#include "platform/language.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class GameRandom;

// The opponent's remarks. Each stage opponent has a message file: one remark per
// line, in a fixed order of events, followed by a list of random remarks:
//
//   line  0  greeting                     line  8  the opponent must pass
//   line  1  the opponent won             line  9  ... and again
//   line  3  a draw                       line 10  the player must pass
//   line  4  the opponent lost            line 11  ... and again
//                                         line 12  the player took a corner
//                                         line 13  ... another one
//                                         line 14  the opponent took a corner
//                                         line 15  ... another one
//   from line 18:  "**", text lines, "*END"   (one random remark, repeated)
//                  "*MesEnd"                  (the end of the list)
//
// Lines 2, 5-7 and 16-17 are never said. Markers are whole lines, compared
// exactly. Files that break the layout never hang the game or read past their
// last line: a random remark ends at the end of the file when its "*END" is
// missing, one random entry is simply used every time, and with none a random
// remark says nothing.

namespace speech {

inline constexpr std::string_view kEntryStart = "**";
inline constexpr std::string_view kEntryEnd = "*END";
inline constexpr std::string_view kListEnd = "*MesEnd";
// Lines up to this one are single remarks; lines after it belong to random entries.
inline constexpr int kLastFixedLine = 17;
// The random list holds at most this many entries.
inline constexpr int kMaxRandomEntries = 100;
// A speech file is a page or two of text; what lies beyond this many bytes of
// a file is never read.
inline constexpr std::size_t kMaxFileBytes = 1 << 20;

// A line that only structures the file and is never said.
bool IsMarker(std::string_view line);

// Where an opponent's lines in `language` are kept: the message file of the
// same name in the language's own folder beside `path` ("/data/en/ms00.dat"
// for "/data/ms00.dat"). Japanese is the file at `path` itself.
std::string FileInLanguage(const std::string& path, Language language);

} // namespace speech

// What the opponent remembers between remarks for the whole run, across
// matches and opponents.
struct SpeechMemory {
    std::string LastMessageKey;  // the key of the last request that was not silenced
    int LastRandomEntry = 0;     // the position in the random list of the last random remark
};

// The facts of the match a remark depends on.
struct SpeechSituation {
    int emptySquares = 60;
    bool playerTookCorner = false;
    bool computerTookCorner = false;
};

// The lines of one opponent's message file (UTF-8 text).
class SpeechScript {
public:
    SpeechScript() = default;
    explicit SpeechScript(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    // Splits file bytes into lines (CR LF, LF or a lone CR ends one); a last
    // line without an end is kept.
    static std::vector<std::string> SplitLines(std::string_view text);
    // The lines of a Shift-JIS message file, as UTF-8, in the language the
    // game speaks: its file in that language (FileInLanguage), or the file at
    // `path` when that one cannot be read; nothing when neither can be read.
    static std::optional<std::vector<std::string>> ReadFile(const std::string& path);

    const std::vector<std::string>& Lines() const { return lines_; }
    void SetLines(std::vector<std::string> lines) { lines_ = std::move(lines); }

    // The text of a line, nothing past the end of the file.
    std::optional<std::string> Line(int index) const;

    // The first text line of every random entry, in file order: the line after
    // each "**" up to the first "*MesEnd" (or the end of the file), at most
    // kMaxRandomEntries of them.
    std::vector<int> RandomEntries() const;

    // The line the opponent says for a request `key`. `currentLine` is the line
    // the bubble holds now (an unknown key keeps it). Nothing when the request
    // is dropped: a corner remark with fewer than 15 empty squares, or a random
    // remark with no random entry in the file. Updates the memory as a request
    // does (the key is remembered even when the remark is dropped).
    std::optional<int> ChooseLine(const std::string& key, int currentLine, const SpeechSituation& situation,
                                  SpeechMemory& memory, GameRandom& random) const;

private:
    std::vector<std::string> lines_;
};

// The speech bubble: a remark shows its line for two seconds; a random entry
// shows its text lines one after another, two seconds each.
class SpeechBubble {
public:
    enum class Action {
        Open,   // show `text` and tick again in two seconds
        Next,   // show `text` in place of the previous line; tick again in two seconds
        Close,  // hide the bubble; the timer stops and goes back to its short interval
    };
    struct Step {
        Action action;
        std::string text;
    };

    int MessageLine = 0;
    int MessagePhase = 0;  // 0 idle, 1 showing

    // One tick of the bubble's timer.
    Step Tick(const SpeechScript& script);
};
