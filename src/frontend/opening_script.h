#pragma once
#include "media/sound_bank.h"

#include <array>
#include <cstdint>
#include <string>

namespace frontend {

// The words and steps of the opening window: the level captions, the greeting,
// the egg story behind the blinking "▼" buttons, the hatching animation, the
// verdict on the chick and the clear page. All texts are UTF-8.


// "ようこそ 太郎さん" for the stored name 太郎.
std::string Greeting(const std::string& name);

// One press of a "▼" button of the egg story (a click or a character key).
struct StoryStep {
    const char* button;       // the button pressed
    Effect sound;             // its effect sound
    bool soundAfterChanges;   // the sound comes after the page has changed
    const char* line1;        // nullptr: the first line stays
    const char* line2Click;   // nullptr: the second line stays
    const char* line2Key;     // the second line when a key was pressed
    bool showEgg;             // the small egg appears
    const char* nextButton;   // nullptr: the story is over, on to the campaign
};

// The story's second lines start with full-width spaces to sit under the first.
inline constexpr std::array<StoryStep, 4> kStorySteps{{
    {"Button6", Effect::Blip, false, "あなたに不思議な", "　　　　卵が授けられました", "　　　　卵が授けられました", false,
     "Button7"},
    {"Button7", Effect::Jingle, true, nullptr, nullptr, nullptr, true, "Button8"},
    {"Button8", Effect::Blip, false, "栄養を与えて無事に", "　　　　かえしてあげましょう", "　　かえしてあげましょう", false,
     "Button9"},
    {"Button9", Effect::Blip, false, nullptr, nullptr, nullptr, false, nullptr},
}};

// The "▼" buttons blink every 700 ms, all seven together.
inline constexpr int kBlinkIntervalMs = 700;
inline constexpr const char* kNextMark = "▼";

// The hatching animation: one step per 300 ms tick.
inline constexpr int kHatchIntervalMs = 300;
inline constexpr int kEggWobblePixels = 15;

enum class HatchAction {
    Rest,        // the egg lies still
    WobbleRight, // the egg rocks 15 pixels right, with a click
    WobbleLeft,  // and back
    HideEgg,     // the egg is gone
    Hatch,       // the shell and the chick appear, with the fanfare
    Stop,        // the animation is over
};

struct HatchStep {
    int step;
    HatchAction action;
    int next;
};

inline constexpr std::array<HatchStep, 11> kHatchSteps{{
    {0, HatchAction::Rest, 10},
    {10, HatchAction::Rest, 20},
    {20, HatchAction::Rest, 30},
    {30, HatchAction::WobbleRight, 40},
    {40, HatchAction::WobbleLeft, 50},
    {50, HatchAction::WobbleRight, 60},
    {60, HatchAction::WobbleLeft, 70},
    {70, HatchAction::Rest, 80},
    {80, HatchAction::HideEgg, 90},
    {90, HatchAction::Hatch, 100},
    {100, HatchAction::Stop, 100},
}};

// nullptr for a counter value with nothing to do.
const HatchStep* FindHatchStep(int step);

inline constexpr const char* kHatchedLine1 = "おめでとうございます！";
inline constexpr const char* kHatchedLine2 = "　卵が無事にかえりました";
inline constexpr const char* kNameTheChick = "名前をつけてあげましょう";

// What is said of the chick, by its strength 1..5.
struct Verdict {
    const char* line1;
    const char* line2;
};
Verdict VerdictFor(int eggStrength);


// The clear page: its blinking greeting (every 700 ms), its button, and the
// pause between the naming and the clear page.
inline constexpr int kCongratulationsIntervalMs = 700;
inline constexpr int kClearPauseMs = 500;

} // namespace frontend
