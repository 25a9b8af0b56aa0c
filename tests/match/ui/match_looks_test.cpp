// What the match screen looks like at its moments: the window is painted into a
// picture and checked for the marks it must show. With ZUMORU_SCREENSHOTS set
// to a folder the pictures are also saved there as PNG files.
#include "match/ui/match_fixture.h"
#include "support/match_positions.h"

#include "ui_support/screenshots.h"

#include <QDir>

using namespace match_test;

namespace {

QImage Shot() { return Capture(frmBattle); }

// The colour the window shows at a point of a widget inside it.
QColor OnScreen(const QImage& shot, QWidget* widget, QPoint at)
{
    const QPoint p = widget->mapTo(frmBattle, at) * shot.devicePixelRatio();
    return shot.pixelColor(p);
}

// How many pure red pixels the window shows inside a widget.
int RedPixels(const QImage& shot, QWidget* widget)
{
    int red = 0;
    for (int y = 0; y < widget->height(); ++y)
        for (int x = 0; x < widget->width(); ++x)
            if (OnScreen(shot, widget, {x, y}) == QColor(255, 0, 0))
                ++red;
    return red;
}

// The first row, from a widget's top, where the window shows pure red inside
// it; the widget's height when there is none.
int FirstRedRow(const QImage& shot, QWidget* widget)
{
    for (int y = 0; y < widget->height(); ++y)
        for (int x = 0; x < widget->width(); ++x)
            if (OnScreen(shot, widget, {x, y}) == QColor(255, 0, 0))
                return y;
    return widget->height();
}

} // namespace

class MatchLooks : public MatchScreen {
protected:
    void SetUp() override
    {
        MatchScreen::SetUp();
        // The opponent's own lines, in the language the game speaks.
        ASSERT_TRUE(PrepareOpponent("/data/ms01.dat"));
        // A shot of the first moment the bubble shows a line.
        QObject::connect(Find<GameTimer>(frmBattle, "timMessage"), &QTimer::timeout, frmBattle, [this] {
            if (!Find<TLabel>(frmBattle, "lblMessage")->isHidden() && bubbleShot.isNull())
                bubbleShot = Shot();
        });
    }
    QImage bubbleShot;
};
using MatchLooksIn = InEachLanguage<MatchLooks>;

TEST_F(MatchLooks, MidGameWithTheOpponentSpeakingOnTheRight)
{
    StartMatch(false);
    for (int i = 0; i < 6; ++i) {
        const Square square = StrongMove(Black);
        PressSquare(square.column, square.row);
    }
    LetSpeechEnd();
    bubbleShot = QImage();
    frmBattle->Flow().Speak("RANDOM");
    LetSpeechEnd();
    ASSERT_FALSE(bubbleShot.isNull());
    EXPECT_EQ(bubbleShot.size() / bubbleShot.devicePixelRatio(), QSize(604, 350));
    // The bubble's outline above the right-hand face, the red plate on the left.
    EXPECT_EQ(OnScreen(bubbleShot, Find<TShape>(frmBattle, "shpMessage"), {60, 1}), QColor(0, 0, 0));
    EXPECT_EQ(OnScreen(bubbleShot, Find<TShape>(frmBattle, "Shape6"), {6, 20}), QColor(255, 0, 0));
    // The board: a teal square and the discs in play.
    EXPECT_EQ(OnScreen(bubbleShot, Find<TImage>(frmBattle, "imgBoard"), {1, 1}), QColor(0, 128, 128));
    SaveScreenshot(bubbleShot, "match-playing.png");
}

TEST_F(MatchLooks, OpponentOnTheLeftSpeaksBelowItsFace)
{
    DUser->Record.SetPlayerCharacter(0);
    frmBattle->StartMatch(Sides(true, "はなこ"));
    ASSERT_TRUE(RunUntil([] { return !Find<GameTimer>(frmBattle, "timStart")->isActive() && frmBattle->isEnabled(); }));
    ASSERT_FALSE(bubbleShot.isNull());  // the greeting
    EXPECT_EQ(Find<TShape>(frmBattle, "shpMessage")->pos(), QPoint(8, 232));
    EXPECT_EQ(OnScreen(bubbleShot, Find<TShape>(frmBattle, "shpMessage"), {60, 1}), QColor(0, 0, 0));
    SaveScreenshot(bubbleShot, "match-bubble-left.png");
}

TEST_P(MatchLooksIn, TheStartAndAPassNoticeOverTheBoard)
{
    StartMatch(false);
    // The greeting said, the board waits for the first move.
    LetSpeechEnd();
    SaveShot(Shot(), "match-start.png");
    // Black's move on the top edge leaves White nothing to answer.
    SetPosition({"XO.....X",
                 ".......O",
                 "..XXXX..",
                 "..XXXX..",
                 "..XXXX..",
                 "..XXXX..",
                 "........",
                 "XO......"});
    QImage noticeShot;
    platform.onPause = [&](int ms) {
        if (ms == 1000 && noticeShot.isNull())
            noticeShot = Shot();
    };
    PressSquare(3, 1);
    ASSERT_FALSE(noticeShot.isNull());
    EXPECT_GT(RedPixels(noticeShot, Find<TLabel>(frmBattle, "lblWinner")), 100);
    // The notice reads from the top of its label, not from its middle.
    EXPECT_LT(FirstRedRow(noticeShot, Find<TLabel>(frmBattle, "lblWinner")), 10);
    SaveShot(noticeShot, "match-pass.png");
}

TEST_P(MatchLooksIn, ResultWithTheCountLayout)
{
    StartMatch(false);
    for (int i = 0; i < 4; ++i) {
        const Square square = StrongMove(Black);
        PressSquare(square.column, square.row);
    }
    SetPosition(match_positions::kLastMoveFillsTheBoard);
    LetSpeechEnd();
    PressSquare(8, 8);
    ASSERT_TRUE(ResultShown());
    EXPECT_EQ(Find<TLabel>(frmBattle, "lblScore")->text(), QStringLiteral("Score +8"));
    LetSpeechEnd();
    // Let "対局終了" show its hint.
    const QString hint = Said("対局終了\nクリック!", "Game over\nClick!");
    ASSERT_TRUE(RunUntil([&] { return Find<TLabel>(frmBattle, "lblFinish")->text() == hint; }));
    const QImage shot = Shot();
    EXPECT_GT(RedPixels(shot, Find<TLabel>(frmBattle, "lblWinner")), 200);
    EXPECT_LT(FirstRedRow(shot, Find<TLabel>(frmBattle, "lblWinner")), 10);
    EXPECT_GT(RedPixels(shot, Find<TLabel>(frmBattle, "lblScore")), 20);
    // Black's block fills the top row, White's the bottom row.
    for (int column = 1; column <= 8; ++column) {
        EXPECT_EQ(OnScreen(shot, Find<TImage>(frmBattle, "imgBoard"), {38 * (column - 1) + 31, 28}), QColor(0, 0, 0)) << column;
        EXPECT_EQ(OnScreen(shot, Find<TImage>(frmBattle, "imgBoard"), {38 * (column - 1) + 31, 38 * 7 + 28}),
                  QColor(255, 255, 255))
            << column;
    }
    SaveShot(shot, "match-result.png");
}

IN_EACH_LANGUAGE(MatchLooksIn);
