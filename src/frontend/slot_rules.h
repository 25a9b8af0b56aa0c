#pragma once
#include "profile/slot_index.h"

#include <string>
#include <utility>
#include <vector>

class PlayerRecord;

namespace frontend {

// The save slots as the title screen sees them: what the three slot buttons
// read, the question before a used slot is overwritten, and everything a
// continued game restores on the selection screen. Texts are UTF-8.

// The slot index as read at start-up. `complete` is false when the file is
// missing, cannot be read or is shorter than its three columns; the columns it
// does not cover then read "no-file" (the player hears one beep).
struct TitleSlots {
    SlotIndex index;
    bool complete = false;
};
TitleSlots ReadTitleSlots();

// What a slot button shows. An empty slot reads "no-file"; a used slot shows
// its player's name, or a stand-in when the name is empty (a blank name is
// allowed), so that a used slot never looks blank.
struct SlotLabel {
    std::string caption;
    bool used = false;
};
SlotLabel LabelForSlot(const SlotIndex& index, int slot);
inline constexpr const char* kNamelessSlot = "（名前なし）";

// The question before a new game overwrites used slot 1..3, and its title.
std::string EraseQuestion(int slot);
inline constexpr const char* kEraseTitle = "消去します";

// Everything a continued game sets on the selection screen, from its record.
struct ContinuePlan {
    // Red crosses, as (place 1..3, position 1..4), for every beaten opponent.
    std::vector<std::pair<int, int>> crosses;
    std::string levelCaption;
    std::string playerName;
    std::string score;            // the nutrition in decimal
    std::string playerPicture;    // "imgHelo" for the boy, "imgHeroine" otherwise
    bool openPlace2 = false;      // all of stage 0 beaten
    bool openPlace3 = false;      // all of stage 1 beaten
    bool cleared = false;         // the colosseum and the chick's panel
    std::string chickName;
    std::string nutritionCaption; // "栄養：…"
    int eggStrength = 1;
    std::string strengthCaption;  // "強さ：★…"
    std::string chickPicture;     // "imgEgg1".."imgEgg5"
    // The furthest place reached, 2..4; 0 keeps the first place selected.
    int selectPlace = 0;
    // All twelve beaten but the game not cleared: a game saved while the egg
    // was hatching, before the chick had its name. It goes on at the hatching.
    bool hatchingDue = false;
};
ContinuePlan PlanContinue(const PlayerRecord& record);

} // namespace frontend
