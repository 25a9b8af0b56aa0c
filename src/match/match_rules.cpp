#include "match/match_rules.h"

#include "match/board_cursor.h"

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
        return "引き分け";
    return playerName + (outcome.playerWon ? "さんの\n勝ちです！" : "さんの\n負けです！");
}

std::string ScoreCaption(int scoreGained)
{
    return "Score +" + std::to_string(scoreGained);
}

std::string MoveAnnouncement(const std::string& who, int column, int row, int turned)
{
    return who + " " + SquareName(column, row) + "、" + std::to_string(turned) + " 枚返しました";
}

std::string PassAnnouncement(const std::string& who) { return who + "はパスです"; }

std::string ResultAnnouncement(const std::string& caption, int blackCount, int whiteCount, const std::string& score)
{
    std::string said;
    for (const char c : caption)
        if (c != '\n')
            said += c;
    said += " 黒 " + std::to_string(blackCount) + " 枚、白 " + std::to_string(whiteCount) + " 枚";
    if (!score.empty())
        said += "、" + score;
    return said;
}
