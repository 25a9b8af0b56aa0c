#pragma once
#include <array>

namespace frontend {

// The opening of the title screen as data: the logo page, then the title built
// glyph by glyph, each glyph with the disc-placing sound of the hero.

// The logo timer ticks every 200 ms.
inline constexpr int kLogoIntervalMs = 200;
// How long the logo chime is left to ring, and the pause once the empty title
// frame is on screen.
inline constexpr int kLogoChimeMs = 1500;
inline constexpr int kTitleRevealPauseMs = 500;

enum class LogoAction {
    Rest,    // nothing this tick
    Chime,   // the logo chime, then a pause with the timer stopped
    Reveal,  // the logo page goes, the empty title frame is shown, the title starts
};

struct LogoTick {
    int step;
    LogoAction action;
    int next;
};

inline constexpr std::array<LogoTick, 4> kLogoSteps{{
    {0, LogoAction::Rest, 10},
    {10, LogoAction::Chime, 20},
    {20, LogoAction::Rest, 30},
    {30, LogoAction::Reveal, 30},
}};

// The title timer ticks every 100 ms; a tick performs one step.
inline constexpr int kTitleIntervalMs = 100;

struct TitleTick {
    int step;
    // Glyph images shown on this tick (imgTitle1..imgTitle7), 0 for none. A step
    // that shows glyphs plays one disc sound for them, however many they are.
    std::array<int, 2> glyphs;
    // The last step: the start button appears and the window takes input.
    bool finish;
    int next;
};

inline constexpr std::array<TitleTick, 10> kTitleSteps{{
    {0, {0, 0}, false, 150},
    {150, {1, 0}, false, 160},
    {160, {2, 0}, false, 170},
    {170, {3, 0}, false, 190},
    {190, {4, 0}, false, 195},
    {195, {5, 0}, false, 200},
    {200, {0, 0}, false, 210},
    {210, {7, 6}, false, 220},  // the two lines of lettering come together
    {220, {0, 0}, false, 230},
    {230, {0, 0}, true, 240},
}};

// The row for a step counter value; nullptr for a value with nothing to do
// (the counter then stays as it is).
const LogoTick* FindLogoStep(int step);
const TitleTick* FindTitleStep(int step);

} // namespace frontend
