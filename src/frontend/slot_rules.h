#pragma once
#include "profile/slot_index.h"

#include <string>

class PlayerRecord;

namespace frontend {

// The save slots as the title screen sees them: what the three slot buttons
// read and the question before a used slot is overwritten (what a continued
// game restores is campaign/selection.h). Texts are UTF-8.

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


} // namespace frontend
