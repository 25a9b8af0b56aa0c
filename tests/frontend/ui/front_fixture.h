#pragma once
// The title screen, the slot pages, the opening and the hatching on the
// shared screen-test fixture. A test may change the data files before it
// starts the program.
#include "ui_support/screen_fixture.h"

#include <QCoreApplication>
#include <string>

using namespace ui_test;

class FrontEnd : public ScreenTest {
protected:
    // Starts the program and picks slot `slot` for a new game from the menu
    // (the slot is empty, or the question is answered from `platform`).
    void StartNewGame(int slot = 1)
    {
        StartProgram();
        ASSERT_TRUE(RunTitle());
        Press(Find(frmStart, "bitStart"));
        Press(Find(frmStart, "BitBtn1"));
        Press(SaveButton(slot - 1));
    }

    // Every sound started so far, on all five players.
    int AllSounds() const
    {
        int total = 0;
        for (const auto& player : sounds.players)
            total += static_cast<int>(player.played.size());
        return total;
    }

    // Saves a picture of the window for docs/ (see ui_support/screenshots.h),
    // named "english-…" in English.
    void Shoot(QWidget* window, const char* name) const
    {
        QCoreApplication::processEvents();
        SaveScreenshot(window, (ShotName(name) + ".png").c_str());
    }
};

using FrontEndIn = InEachLanguage<FrontEnd>;
