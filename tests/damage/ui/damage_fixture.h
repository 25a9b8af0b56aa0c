#pragma once
// The whole game on damaged data: the nine program objects in a throw-away
// game folder holding the delivered data, which a test damages before the
// start. The screens are driven as a player would (clicks and typing), with
// the real SDL sound players on SDL's silent driver, so a damaged sound file
// reaches the same code as on a desktop. Every wait gives up after a while,
// so a hang fails the test instead of stopping the run.
#include "app/screens.h"
#include "frontend/ui/front_form.h"
#include "board/board.h"
#include "campaign/ui/frm_char_select.h"
#include "campaign/ui/frm_turn_select.h"
#include "frontend/ui/frm_opening.h"
#include "frontend/ui/frm_start.h"
#include "match/ui/frm_battle.h"
#include "media/ui/frm_data.h"
#include "platform/data_files.h"
#include "platform/ui/timing.h"
#include "platform/ui/widgets.h"
#include "profile/player_record.h"
#include "profile/slot_index.h"
#include "support/game_folder.h"
#include "support/recording_platform.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace damage_test {

// Waits are instant, but letting window events run really runs them (the
// speech bubble and the other timers go on during the computer's move).
class PumpingPlatform : public RecordingPlatform {
public:
    void PumpEvents() override
    {
        ++pumps;
        QCoreApplication::processEvents();
    }
};

class DamagedGame : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetTimeScale(0);
        folder.CopyDeliveredData();
    }

    void TearDown() override
    {
        if (started_)
            DestroyProgramObjects();
    }

    // The program's start: the nine objects, the title screen reading the slot
    // index. The sound players are the real ones. A second start ends the
    // first run's objects first, as a new run of the program would.
    void StartProgram()
    {
        if (started_)
            DestroyProgramObjects();
        CreateProgramObjects();
        started_ = true;
    }

    // Processes events until `done` holds; false after 20 seconds.
    static bool RunUntil(const std::function<bool()>& done)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done()) {
            if (clock.elapsed() > 20000)
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        return true;
    }

    static void Click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton)
    {
        ASSERT_NE(widget, nullptr);
        const QPoint middle(widget->width() / 2, widget->height() / 2);
        QTest::mousePress(widget, button, Qt::NoModifier, middle);
        QTest::mouseRelease(widget, button, Qt::NoModifier, middle);
    }

    static void Type(QWidget* widget, const QString& text)
    {
        for (const QChar character : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
            QCoreApplication::sendEvent(widget, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
            QCoreApplication::sendEvent(widget, &release);
        }
    }

    template <typename T = QWidget>
    static T* Find(QWidget* window, const char* name)
    {
        return window->findChild<T*>(QString::fromLatin1(name));
    }

    // Start-up to the main menu: the logo and the title run, the start button
    // is pressed.
    void ToMainMenu()
    {
        StartProgram();
        frmStart->show();
        ASSERT_TRUE(RunUntil([] { return frmStart->bitStart->isVisibleTo(frmStart) && frmStart->isEnabled(); }))
            << "the title never finished";
        Click(frmStart->bitStart);
        ASSERT_TRUE(frmStart->BitBtn1->isVisible());
    }

    // A new game in `slot` (an empty slot, or Yes to the question), through the
    // opening: name, the boy figure, level `level`, the story, to the selection.
    void NewGame(int slot, const QString& name, int level)
    {
        ToMainMenu();
        Click(frmStart->BitBtn1);
        platform.answers.push_back(true);
        Click(frmStart->btnSave[static_cast<std::size_t>(slot - 1)]);
        ASSERT_TRUE(frmOpening->isVisible()) << "the opening did not open";
        Type(frmOpening->Edit1, name);
        Click(Find(frmOpening, "Panel6"));
        static const char* const kLevels[] = {"Button2", "Button3", "Button5"};
        Click(Find(frmOpening, kLevels[level]));
        for (int button = 6; button <= 9; ++button)
            Click(frmOpening->NextButtons[static_cast<std::size_t>(button - 6)]);
        ASSERT_TRUE(frmCharSelect->isVisible()) << "the story did not lead to the selection";
    }

    // Continues the saved game in `slot` from the main menu.
    void ContinueGame(int slot)
    {
        ToMainMenu();
        Click(frmStart->BitBtn2);
        Click(frmStart->btnLoad[static_cast<std::size_t>(slot - 1)]);
        ASSERT_TRUE(frmCharSelect->isVisible()) << "the slot did not open the selection";
    }

    // Picks the opponent at (place 1..3, position 1..4); true when the turn
    // dialog came up.
    bool PickOpponent(int place, int position)
    {
        if (place != frmCharSelect->PlaceIndex + 1)
            frmCharSelect->SelectPlace(place, false);
        Click(frmCharSelect->Portrait(place, position));
        return frmTurnSelect->isVisible();
    }

    // The turn dialog's first-move button, and the match's start sequence.
    void StartMatchMovingFirst()
    {
        Click(Find(frmTurnSelect, "BitBtn1"));
        ASSERT_TRUE(frmBattle->isVisible());
        ASSERT_TRUE(RunUntil([] { return !frmBattle->timStart->isActive() && frmBattle->isEnabled(); }))
            << "the match never started";
    }

    // Plays the human's side to the end of the match, always the first legal
    // square column by column; then the result is shown.
    void PlayMatchToTheEnd()
    {
        const std::int32_t side = frmBattle->PlayerIsSecond ? White : Black;
        for (int moves = 0; moves < 64 && frmBattle->pnlFinish->isHidden(); ++moves) {
            ASSERT_TRUE(RunUntil([] { return frmBattle->isEnabled() || !frmBattle->pnlFinish->isHidden(); }))
                << "the match hung after move " << moves;
            if (!frmBattle->pnlFinish->isHidden())
                break;
            int column = 0, row = 0;
            for (int c = 1; c <= 8 && !column; ++c)
                for (int r = 1; r <= 8 && !column; ++r)
                    if (DBoard->Board.CanPlace(c, r, side)) {
                        column = c;
                        row = r;
                    }
            ASSERT_NE(column, 0) << "the player has no move, yet the screen waits for one";
            const QPoint centre(6 + 38 * (column - 1) + 19, 6 + 38 * (row - 1) + 19);
            QTest::mousePress(frmBattle->imgBoard, Qt::LeftButton, Qt::NoModifier, centre);
            QTest::mouseRelease(frmBattle->imgBoard, Qt::LeftButton, Qt::NoModifier, centre);
        }
        ASSERT_TRUE(RunUntil([] { return !frmBattle->pnlFinish->isHidden() && frmBattle->isEnabled(); }))
            << "no result after the last move";
    }

    // "対局終了": back to the selection, and its defeat animation if any.
    void LeaveMatch()
    {
        Click(frmBattle->lblFinish);
        ASSERT_TRUE(frmCharSelect->isVisible());
        ASSERT_TRUE(RunUntil([] { return !frmCharSelect->timDes->isActive(); })) << "the defeat animation hung";
    }

    // A whole match against (place, position), moving first.
    void PlayAMatch(int place, int position)
    {
        ASSERT_TRUE(PickOpponent(place, position)) << "the opponent could not be picked";
        StartMatchMovingFirst();
        PlayMatchToTheEnd();
        LeaveMatch();
    }

    // "ゲームを終わる" and Yes: the record is saved and the program ends.
    void QuitGame()
    {
        QSignalSpy closed(frmStart, &TfrmStart::Closed);
        platform.answers.push_back(true);
        Click(Find(frmCharSelect, "Button1"));
        EXPECT_EQ(closed.count(), 1) << "the main window closes: the program ends";
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

    GameFolder folder;
    PumpingPlatform platform;

private:
    bool started_ = false;
};

} // namespace damage_test
