#include "ui_support/screen_fixture.h"

#include "app/game_application.h"
#include "app/window_exits.h"
#include "campaign/session.h"
#include "platform/data_files.h"
#include "platform/desktop_choice.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTimer>
#include <QWindow>
#include <new>
#include <stdexcept>
#include <gtest/gtest.h>

namespace {

class ProgramObjects : public ui_test::ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        StartProgram();
    }
};

} // namespace

TEST_F(ProgramObjects, EveryScreenHasTheCaptionItsSizeAndNoTitleBarButtons)
{
    struct Expected {
        QWidget* screen;
        int width, height;
    };
    const Expected screens[] = {{frmStart, 265, 185}, {frmTurnSelect, 271, 202}, {frmOpening, 271, 185},
                                {frmBattle, 604, 350}, {frmCharSelect, 510, 333}};
    for (const auto& [screen, width, height] : screens) {
        EXPECT_EQ(screen->windowTitle(), QStringLiteral("ズモルリバロ")) << screen->metaObject()->className();
        EXPECT_EQ(screen->size(), QSize(width, height)) << screen->metaObject()->className();
        // All fixed but the turn dialog, a tool window with a sizeable border.
        EXPECT_EQ(screen->minimumSize() == screen->maximumSize(), screen != frmTurnSelect);
        EXPECT_EQ(screen->minimumSize(), QSize(width, height));
        // The desktop's scale is only taken when the largest window fits.
        EXPECT_LE(width, kLargestWindowWidth);
        EXPECT_LE(height, kLargestWindowHeight);
        const Qt::WindowFlags flags = screen->windowFlags();
        EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(flags & Qt::WindowSystemMenuHint);
    }
    EXPECT_EQ(frmData->windowTitle(), QStringLiteral("データ集"));
    EXPECT_FALSE(frmData->isVisible());
    EXPECT_NE(DBoard, nullptr);
    EXPECT_NE(DBrains, nullptr);
    EXPECT_NE(DUser, nullptr);
}

TEST_F(ProgramObjects, WindowManagerCloseAsksAndOnNoTheGameGoesOn)
{
    WindowExits exits;
    exits.WatchScreens();
    frmStart->show();
    QSignalSpy closed(frmStart, &TfrmStart::Closed);
    platform.answers = {false};
    EXPECT_FALSE(exits.CloseFromWindowManager());
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, "ゲームを終了してよろしいですか？");
    EXPECT_TRUE(frmStart->isVisible());
    EXPECT_EQ(closed.count(), 0);
    EXPECT_FALSE(folder.Exists("user01.usr"));
}

TEST_F(ProgramObjects, WindowManagerCloseBeforeTheCampaignEndsWithoutSaving)
{
    WindowExits exits;
    exits.WatchScreens();
    frmStart->show();
    QSignalSpy closed(frmStart, &TfrmStart::Closed);
    // A new game was chosen but the opening is not finished: the old save in
    // the slot must survive.
    folder.Write("user02.usr", std::string(56, 'o'));
    DUser->Record.SetSlotNumber(2);
    platform.answers = {true};
    EXPECT_TRUE(exits.CloseFromWindowManager());
    EXPECT_EQ(closed.count(), 1) << "the main window closes, so the program ends";
    EXPECT_EQ(folder.Read("user02.usr"), std::string(56, 'o'));
}

TEST_F(ProgramObjects, WindowManagerCloseDuringTheCampaignSavesFirst)
{
    WindowExits exits;
    exits.WatchScreens();
    // A new game in slot 3 whose story has been told: the campaign has begun.
    Campaign().NewGame(3);
    Campaign().ChooseFigure("Hana", false);
    Campaign().BeginCampaign();
    DUser->Record.AddNutrition(42);
    frmCharSelect->show();
    QSignalSpy closed(frmStart, &TfrmStart::Closed);
    platform.answers = {true};
    EXPECT_TRUE(exits.CloseFromWindowManager());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(FromStoredForm(folder.Read("user03.usr")), DUser->Record.Image());
    EXPECT_EQ(folder.Read("index.dat").substr(22, 5), std::string("Hana\0", 5));
}

TEST_F(ProgramObjects, ClosesFromTheGameItselfAreNotQuestioned)
{
    WindowExits exits;
    exits.WatchScreens();
    frmTurnSelect->show();
    frmStart->show();
    QSignalSpy closed(frmStart, &TfrmStart::Closed);
    // As the game's own code does: not from the window manager.
    WindowExits::CloseFromGame(frmTurnSelect);
    EXPECT_FALSE(frmTurnSelect->isVisible());
    EXPECT_TRUE(frmStart->isVisible());
    WindowExits::CloseFromGame(frmStart);
    EXPECT_EQ(closed.count(), 1) << "the main window closed: the program ends";
    EXPECT_TRUE(platform.questions.empty());
}

TEST_F(ProgramObjects, WaylandClosesAskAndEnlargedWindowsGoBackToTheirSize)
{
    WindowExits exits;
    exits.WatchScreens();
    frmCharSelect->show();
    frmTurnSelect->show();
    QCoreApplication::processEvents();

    // Qt on Wayland passes a compositor's close (or its own title bar's close
    // button) on as a close of the window from code, not as a spontaneous
    // event: it is still the player's question.
    platform.answers = {false};
    frmTurnSelect->windowHandle()->close();
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, "ゲームを終了してよろしいですか？");
    EXPECT_TRUE(frmTurnSelect->isVisible());

    // Qt's own title bar maximises with a button the game's windows do not
    // have: each goes straight back to its own size.
    const auto enlarge = [](QWidget* screen, Qt::WindowState state) {
        screen->windowHandle()->setWindowStates(state);
        for (int pass = 0; pass < 5 && screen->windowState() != Qt::WindowNoState; ++pass)
            QCoreApplication::processEvents();
    };
    for (QWidget* screen : {static_cast<QWidget*>(frmCharSelect), static_cast<QWidget*>(frmTurnSelect)}) {
        const QSize size = screen->size();
        enlarge(screen, Qt::WindowMaximized);
        EXPECT_EQ(screen->windowState(), Qt::WindowNoState) << screen->metaObject()->className();
        EXPECT_EQ(screen->size(), size) << screen->metaObject()->className();
    }
    enlarge(frmCharSelect, Qt::WindowFullScreen);
    EXPECT_EQ(frmCharSelect->windowState(), Qt::WindowNoState);

    // Yes to the same close ends the program; the windows that close with the
    // main one are not asked about again.
    platform.answers = {true};
    QSignalSpy closed(frmStart, &TfrmStart::Closed);
    frmCharSelect->windowHandle()->close();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(platform.questions.size(), 2u);
    frmTurnSelect->close();
    EXPECT_EQ(platform.questions.size(), 2u);
}

TEST_F(ProgramObjects, FailuresAreShownAndTheGameGoesOn)
{
    // An exception out of an event handler is shown; the message loop goes on
    // with the events after it.
    bool later = false;
    QTimer::singleShot(0, [] { throw std::runtime_error("壊れたファイル"); });
    QTimer::singleShot(0, [&later] { later = true; });
    for (int pass = 0; pass < 5 && !later; ++pass)
        QCoreApplication::processEvents();
    EXPECT_TRUE(later);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "壊れたファイル");
    EXPECT_EQ(platform.messages[0].title, "ズモルリバロ");

    // A failure at start-up gives back what was made before it is shown.
    bool released = false;
    EXPECT_FALSE(RunGuarded([] { throw std::bad_alloc(); }, [&released] { released = true; }));
    EXPECT_TRUE(released);
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].text, "メモリが足りません");
    EXPECT_TRUE(RunGuarded([] {}));
    EXPECT_EQ(platform.messages.size(), 2u);
}
