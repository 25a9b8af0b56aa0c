// A close from the desktop (Alt+F4, a logout) answered はい at any moment of a
// match and what follows it: the game is saved either as it stood before the
// match or with the match recorded whole, never a part of it. Each phase of
// the table is closed, the game is started again on its slot, the record is
// compared byte for byte, and the same opponent is beaten once more: the egg is
// fed for that opponent exactly once.
#include "ui_support/screen_fixture.h"

#include "app/window_exits.h"
#include "platform/data_files.h"
#include "profile/slot_index.h"
#include "support/match_positions.h"

#include <QSignalSpy>
#include <functional>
#include <memory>

namespace {

using namespace ui_test;

// The saved game every close starts from: slot 2, "Hana", the girl, "普通",
// the forest's first opponent beaten for 10 nutrition.
PlayerRecord SavedGame()
{
    TDUser user;
    PlayerRecord& record = user.Record;
    record.SetPlayerName("Hana");
    record.SetPlayerCharacter(0);
    record.SetSlotNumber(2);
    record.SetLevel(1);
    record.SetOpponentKnockDown(0, 0, 1);
    record.AddNutrition(10);
    return record;
}

// The same game once the forest's second opponent has been beaten 36 : 28.
PlayerRecord WithTheWin()
{
    PlayerRecord record = SavedGame();
    record.SetOpponentKnockDown(0, 1, 1);
    record.AddNutrition(8);
    return record;
}

enum class Saved { BeforeTheMatch, MatchWhole };

class CloseFromTheDesktop : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        folder.Write("user02.usr", ToStoredForm(SavedGame().Image()));
        SlotIndex index = SlotIndex::FromBytes(FromStoredForm(folder.Read("index.dat")));
        index.SetName(2, "Hana");
        folder.Write("index.dat", ToStoredForm(index.Bytes()));
    }

    // Slot 2 continued, the forest's second opponent picked.
    void PickTheOpponent()
    {
        ContinueGame(2);
        exits = std::make_unique<WindowExits>();
        exits->WatchScreens();
        ASSERT_TRUE(PickOpponent(0, 1));
    }

    // The match begun moving first and the board one move from a 36 : 28 win;
    // the last move pressed.
    void PlayTheLastMove()
    {
        StartMatchMovingFirst();
        DBoard->Board.Cells = Position::FromRows(match_positions::kLastMoveFillsTheBoard);
        Press(Find(frmBattle, "imgBoard"), Qt::LeftButton, SquareCentre(8, 8));
    }

    void ShowTheResult()
    {
        PlayTheLastMove();
        ASSERT_TRUE(RunUntil([] { return Find(frmBattle, "pnlFinish")->isVisible() && frmBattle->isEnabled(); }));
    }

    // The window manager's close, answered はい; the program ends.
    void CloseNow()
    {
        QSignalSpy closed(frmStart, &TfrmStart::Closed);
        platform.answers.push_back(true);
        EXPECT_TRUE(exits->CloseFromWindowManager());
        EXPECT_EQ(closed.count(), 1);
        closes++;
    }

    // A close the first time the game waits this long.
    void CloseAtThePause(int ms)
    {
        platform.onPause = [this, ms](int paused) {
            if (paused == ms && closes == 0)
                CloseNow();
        };
    }

    std::unique_ptr<WindowExits> exits;
    int closes = 0;
};

struct ClosePhase {
    const char* name;
    std::function<void()> reachAndClose;
    Saved saved;
};

} // namespace

TEST_F(CloseFromTheDesktop, EveryPhaseSavesTheRecordBeforeTheMatchOrTheMatchWhole)
{
    const ClosePhase phases[] = {
        {"the turn dialog open", [this] { CloseNow(); }, Saved::BeforeTheMatch},
        {"the computer thinking over its reply",
         [this] {
             StartMatchMovingFirst();
             CloseAtThePause(300);
             Press(Find(frmBattle, "imgBoard"), Qt::LeftButton, SquareCentre(4, 3));
         },
         Saved::BeforeTheMatch},
        {"the finished board held before the count",
         [this] {
             CloseAtThePause(1500);
             PlayTheLastMove();
         },
         Saved::BeforeTheMatch},
        {"the result with 対局終了 blinking",
         [this] {
             ShowTheResult();
             CloseNow();
         },
         Saved::MatchWhole},
        {"the cross being drawn",
         [this] {
             ShowTheResult();
             // Closed on the tick that draws the first stroke.
             QObject::connect(Find<QTimer>(frmCharSelect, "timDes"), &QTimer::timeout, frmCharSelect, [this] {
                 if (frmCharSelect->DesStep() == 2 && closes == 0)
                     CloseNow();
             });
             Press(Find(frmBattle, "lblFinish"));
             ASSERT_TRUE(RunUntil([this] { return closes > 0; }));
         },
         Saved::MatchWhole},
        {"the nutrition counting up",
         [this] {
             ShowTheResult();
             CloseAtThePause(10);
             Press(Find(frmBattle, "lblFinish"));
             ASSERT_TRUE(RunUntil([this] { return closes > 0; }));
         },
         Saved::MatchWhole},
    };

    for (const ClosePhase& phase : phases) {
        SCOPED_TRACE(phase.name);
        closes = 0;
        platform.onPause = nullptr;
        folder.Write("user02.usr", ToStoredForm(SavedGame().Image()));
        PickTheOpponent();
        ASSERT_FALSE(HasFatalFailure());
        phase.reachAndClose();
        ASSERT_FALSE(HasFatalFailure());
        ASSERT_EQ(closes, 1);
        platform.onPause = nullptr;
        exits.reset();

        // Started again on the slot: the record as it must be, byte for byte.
        const PlayerRecord expected = phase.saved == Saved::MatchWhole ? WithTheWin() : SavedGame();
        EXPECT_EQ(folder.Read("user02.usr"), ToStoredForm(expected.Image()));
        PickTheOpponent();
        ASSERT_FALSE(HasFatalFailure());
        EXPECT_EQ(DUser->Record.Image(), expected.Image());

        // Beaten once more: the win feeds the egg only if it was not already saved.
        ShowTheResult();
        ASSERT_FALSE(HasFatalFailure());
        EXPECT_EQ(DUser->Record.Image(), WithTheWin().Image());
        Press(Find(frmBattle, "lblFinish"));
        EXPECT_EQ(Find<QTimer>(frmCharSelect, "timDes")->isActive(), phase.saved == Saved::BeforeTheMatch)
            << "a win already saved is not crossed out again";
        exits.reset();
    }
}
