#pragma once
// What the whole-game test needs besides the shared screen-test fixture: the
// look of a crossed-out portrait, and a careful Reversi player of its own that
// never draws from the game's shared random generator.
#include "ui_support/screen_fixture.h"

#include "match/match_rules.h"

#include <QCoreApplication>
#include <chrono>
#include <string>

namespace e2e {

using ui_test::PixelAt;

// The red of the cross over a beaten opponent, on both strokes: (30, 30) lies
// on the falling one, (60, 30) on the rising one.
inline bool CrossedOut(const QPixmap& portrait)
{
    const QColor red(255, 0, 0);
    return PixelAt(portrait, 30, 30) == red && PixelAt(portrait, 60, 30) == red;
}
inline bool AnyCrossRed(const QPixmap& portrait)
{
    const QColor red(255, 0, 0);
    return PixelAt(portrait, 30, 30) == red || PixelAt(portrait, 60, 30) == red;
}

// Saves a picture of a window as e2e-<name>.png (see ui_support/screenshots.h).
inline void Screenshot(QWidget* window, const char* name)
{
    QCoreApplication::processEvents();
    SaveScreenshot(window, ("e2e-" + std::string(name) + ".png").c_str());
}

// The scripted player: the game's own search, set stronger than the opponent.
// It looks at a copy of the board, so it never disturbs the match, and its
// search draws nothing from the shared random generator, so the same position
// always gets the same answer.
class ScriptedPlayer {
public:
    explicit ScriptedPlayer(const StrengthParams& strength)
    {
        brains_.SetStrength(strength);
        // The player thinks between presses, while nothing else is going on.
        brains_.SetPumpInterval(std::chrono::hours(1));
    }

    Square Choose(const TBoard& board, std::int32_t side)
    {
        auto cells = board.Cells;
        brains_.ChooseMove(cells, side, 1);
        return {brains_.BestX, brains_.BestY};
    }

private:
    TDBrains brains_;
};

} // namespace e2e
