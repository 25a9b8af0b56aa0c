#include "match/match_rules.h"

#include "match/board_cursor.h"
#include "platform/catalogue.h"

std::optional<Square> SquareAt(const BoardGeometry& geometry, int x, int y)
{
    const int margin = BoardGeometry::kMargin;
    if (x < margin || x > geometry.width - margin || y < margin || y > geometry.height - margin)
        return std::nullopt;
    const Square square{(x - margin) / geometry.PitchX() + 1, (y - margin) / geometry.PitchY() + 1};
    if (square.column < 1 || square.column > 8 || square.row < 1 || square.row > 8)
        return std::nullopt;
    return square;
}

MatchOutcome DecideOutcome(int blackCount, int whiteCount, bool playerIsSecond)
{
    MatchOutcome outcome;
    if (whiteCount < blackCount) {
        outcome.result = -1;
        outcome.playerWon = !playerIsSecond;
    }
    if (blackCount < whiteCount) {
        outcome.result = 1;
        outcome.playerWon = playerIsSecond;
    }
    return outcome;
}

int WinMargin(int blackCount, int whiteCount)
{
    const int winner = blackCount > whiteCount ? blackCount : whiteCount;
    const int loser = blackCount > whiteCount ? whiteCount : blackCount;
    return loser == 0 ? 64 : winner - loser;
}

CountStepDiscs CountLayoutStep(int n, int& blackLeft, int& whiteLeft)
{
    CountStepDiscs discs;
    if (blackLeft > 0) {
        discs.black = Square{n % 8 + 1, n / 8 + 1};
        --blackLeft;
    }
    if (whiteLeft > 0) {
        discs.white = Square{8 - n % 8, 8 - n / 8};
        --whiteLeft;
    }
    return discs;
}

std::string ResultCaption(const MatchOutcome& outcome, const std::string& playerName)
{
    if (outcome.result == 0)
        return Tr("引き分け");
    return TrWith(outcome.playerWon ? "%sさんの\n勝ちです！" : "%sさんの\n負けです！", playerName);
}

std::string ScoreCaption(int scoreGained) { return TrWith("Score +%s", std::to_string(scoreGained)); }

std::string MoveAnnouncement(const std::string& opponent, int column, int row, int turned)
{
    const std::string square = SquareName(column, row);
    const std::string count = std::to_string(turned);
    if (opponent.empty())
        return turned == 1 ? TrWith("あなた %s、1 枚返しました", square)
                           : TrWith("あなた %s、%s 枚返しました", {square, count});
    return turned == 1 ? TrWith("%s %s、1 枚返しました", {opponent, square})
                       : TrWith("%s %s、%s 枚返しました", {opponent, square, count});
}

std::string PassAnnouncement(const std::string& opponent)
{
    return opponent.empty() ? Tr("あなたはパスです") : TrWith("%sはパスです", opponent);
}

std::string ResultAnnouncement(const std::string& caption, int blackCount, int whiteCount, const std::string& score)
{
    // The caption's line break said as one line: nothing between Japanese
    // words, a space between the words of a language that spaces them.
    const std::string joint = GameLanguage() == Language::Japanese ? "" : " ";
    std::string said;
    for (const char c : caption)
        said += c == '\n' ? joint : std::string(1, c);
    const std::string black = std::to_string(blackCount), white = std::to_string(whiteCount);
    if (score.empty())
        return TrWith("%s 黒 %s 枚、白 %s 枚", {said, black, white});
    return TrWith("%s 黒 %s 枚、白 %s 枚、%s", {said, black, white, score});
}

std::string RemarkAnnouncement(const std::string& opponent, const std::string& line)
{
    return TrWith("%s「%s」", {opponent, line});
}

std::string SideDescription(const std::string& name, bool movesFirst)
{
    return TrWith(movesFirst ? "%s（先手、黒）" : "%s（後手、白）", name);
}
