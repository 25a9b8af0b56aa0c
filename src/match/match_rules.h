#pragma once
#include <cstdint>
#include <optional>
#include <string>

// The arithmetic of the match screen that needs no window: where the board's
// squares lie on its picture, which square a click hits, who won and what the
// egg is fed, and where the final count lays its discs.

// The board picture is a 6-pixel margin and a grid of 8 x 8 squares whose pitch
// follows from the picture's size (38 pixels on the 317-pixel board).
struct BoardGeometry {
    int width = 317;
    int height = 317;

    static constexpr int kMargin = 6;

    int PitchX() const { return (width - 10) / 8; }
    int PitchY() const { return (height - 10) / 8; }
    // Top-left of the square's 50-pixel frame (column, row 1..8); the grid lines
    // run 6 pixels right of and below it.
    int OriginX(int column) const { return (column - 1) * PitchX(); }
    int OriginY(int row) const { return (row - 1) * PitchY(); }
};

struct Square {
    int column = 0;
    int row = 0;
    bool operator==(const Square&) const = default;
};

// The square under a click at (x, y) on the board picture, or nothing for a
// click in the margin or on the last grid line.
std::optional<Square> SquareAt(const BoardGeometry& geometry, int x, int y);

// The result of a finished match.
struct MatchOutcome {
    int result = 0;          // -1 Black won, 1 White won, 0 a draw
    bool playerWon = false;  // the human won (the human plays White when moving second)
};
MatchOutcome DecideOutcome(int blackCount, int whiteCount, bool playerIsSecond);

// The winner's margin: its discs minus the loser's, or 64 when the loser has no
// disc left, however few the winner's are.
int WinMargin(int blackCount, int whiteCount);

// The final count re-lays the discs in two blocks: Black's from the top-left
// corner along the rows, White's from the bottom-right corner backwards, one
// disc of each per step while the colour has discs left.
struct CountStepDiscs {
    std::optional<Square> black;
    std::optional<Square> white;
};
// Step `n` (0, 1, ...) of the count; takes one disc off each count that is
// still above zero.
CountStepDiscs CountLayoutStep(int n, int& blackLeft, int& whiteLeft);

// The result captions (UTF-8), in the game's language. `playerName` is the
// player's name as shown.
std::string ResultCaption(const MatchOutcome& outcome, const std::string& playerName);
std::string ScoreCaption(int scoreGained);

// What a screen reader is told of the match (UTF-8), in the game's language,
// each a whole sentence of the catalogue: a move ("ズモル蝸牛 e3、1 枚返しました"),
// a pass, the result with the count and the score line (empty: none), and a
// remark of the opponent. `opponent` is the opponent's name as shown; empty,
// it is the player who moved or passes ("あなた d3、…", "あなたはパスです").
std::string MoveAnnouncement(const std::string& opponent, int column, int row, int turned);
std::string PassAnnouncement(const std::string& opponent);
std::string ResultAnnouncement(const std::string& caption, int blackCount, int whiteCount, const std::string& score);
std::string RemarkAnnouncement(const std::string& opponent, const std::string& line);
// A side's name for a reader, with its place in the order of play:
// "たろう（先手、黒）", "ズモル玉ねぎ（後手、白）".
std::string SideDescription(const std::string& name, bool movesFirst);
