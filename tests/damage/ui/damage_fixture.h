#pragma once
// The whole game on damaged data: the game folder holds the delivered data,
// which a test damages before the start. The screens are driven as a player
// would (clicks and typing), with the real SDL sound players on SDL's silent
// driver, so a damaged sound file reaches the same code as on a desktop. Every
// wait gives up after a while, so a hang fails the test instead of stopping
// the run.
#include "ui_support/screen_fixture.h"

#include "platform/data_files.h"
#include "profile/slot_index.h"

#include <string>

namespace damage_test {

using namespace ui_test;

class DamagedGame : public ScreenTest {
protected:
    DamagedGame() { realSound = true; }

    // A whole match against (place, position), moving first.
    void PlayAMatch(int place, int position)
    {
        ASSERT_TRUE(PickOpponent(place, position)) << "the opponent could not be picked";
        StartMatchMovingFirst();
        PlayMatchToTheEnd();
        LeaveMatch();
    }

    // The messages shown so far, one a line as "title: text".
    std::string Messages() const
    {
        std::string all;
        for (const auto& message : platform.messages)
            all += message.title + ": " + message.text + "\n";
        return all;
    }

    // Writes a saved game into `slot` and names it in the slot index.
    void SaveInSlot(int slot, const std::string& userFileBytes, const std::string& name)
    {
        folder.Write("user0" + std::to_string(slot) + ".usr", userFileBytes);
        SlotIndex index = SlotIndex::FromBytes(FromStoredForm(folder.Read("index.dat")));
        index.SetName(slot, name);
        folder.Write("index.dat", index.Bytes());
    }
};

} // namespace damage_test
