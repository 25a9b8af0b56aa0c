#pragma once
// What a first win changes in the campaign: how many stage opponents are
// beaten, which places open, whether the game is cleared; and the two strokes
// that cross a beaten opponent's portrait out.
#include <string_view>

class PlayerRecord;
struct MatchOutcome;

namespace campaign {

// What a finished match feeds the egg: the margin of a win (match_rules.h),
// but only outside the colosseum and only the first time this opponent is
// beaten.
int NutritionGained(const MatchOutcome& outcome, int blackCount, int whiteCount, int placeIndex,
                    bool opponentAlreadyBeaten);

// Stage opponents (stage 0..2, position 0..3) whose defeat byte is 1.
int CountBeatenStageOpponents(const PlayerRecord& record);
// All four opponents of a stage beaten (each byte exactly 1).
bool StageCompleted(const PlayerRecord& record, int stage);

// What follows the count-up after a first win. Either the game clear (all
// twelve beaten and not yet cleared; then nothing opens), or the places whose
// tabs are still hidden and whose previous stage is now complete.
struct AfterFirstWin {
    bool gameClear = false;
    bool openMountain = false;  // the "魔の山" tab
    bool openCyber = false;     // the "電脳立国" tab
};
AfterFirstWin DecideAfterFirstWin(const PlayerRecord& record, bool mountainShown, bool cyberShown);

// A straight stroke from (x1, y1) to (x2, y2) in picture pixels.
struct CrossStroke {
    int x1, y1, x2, y2;
    friend bool operator==(const CrossStroke&, const CrossStroke&) = default;
};
// The first stroke, top left to bottom right, 15 pixels in from the corners of
// a width x height portrait.
CrossStroke CrossDownStroke(int width, int height);
// The second stroke, top right to bottom left, for portraits as wide as the
// first one (`firstWidth`); every portrait is square.
CrossStroke CrossUpStroke(int firstWidth);
constexpr int kCrossPenWidth = 3;
constexpr unsigned kCrossColour = 0xFF0000;

// The number the nutrition display shows: the caption's integer value (an
// optional sign, then decimal digits, blanks around allowed); 0 when the caption
// holds no number.
int ShownNutrition(std::string_view caption);

} // namespace campaign
