#include "ui_support/screen_fixture.h"

#include "platform/shift_jis.h"

#include <QApplication>

// Run with QT_SCALE_FACTOR=2 (its own test entry): pictures and the board are
// drawn at device pixels, and presses still land on the square under them.
using namespace ui_test;

using HighDpi = ScreenTest;

TEST_F(HighDpi, PicturesAndBoardAreDrawnAtDevicePixelsAndPressesStayExact)
{
    if (qApp->devicePixelRatio() < 2.0)
        GTEST_SKIP() << "needs QT_SCALE_FACTOR=2 (the high-DPI test entry sets it)";
    StartProgram();

    const QPixmap portrait = frmData->Picture(QStringLiteral("imgChar00"));
    EXPECT_EQ(portrait.devicePixelRatio(), 2.0);
    EXPECT_EQ(portrait.size(), QSize(180, 180)) << "90 x 90 faces rendered at twice the pixels";

    DUser->Record.SetPlayerName(*ToShiftJis("太郎"));
    DUser->Record.SetPlayerCharacter(1);
    frmBattle->PrepareOpponent(campaign::StageOpponentAt(0, 0, LevelNormal));
    DBrains->SetStrength(StrengthParams{1, 1, 1, false});
    frmBattle->StartMatch(MatchSides{false, "imgHelo", "太郎"});
    ASSERT_TRUE(RunUntil([] { return !Find<GameTimer>(frmBattle, "timStart")->isActive() && frmBattle->isEnabled(); }));

    auto* boardImage = Find<TImage>(frmBattle, "imgBoard");
    const QImage board = boardImage->Picture().toImage();
    EXPECT_EQ(board.size(), QSize(634, 634));
    EXPECT_EQ(board.pixelColor(2 * 6, 2 * 25), QColor(Qt::black)) << "the first grid line";
    EXPECT_EQ(board.pixelColor(2 * 25, 2 * 25), QColor(0, 128, 128)) << "an empty square";
    // The face of Black's (5,4) disc: white rim above, black face.
    EXPECT_EQ(board.pixelColor(2 * (4 * 38 + 25), 2 * (3 * 38 + 20)), QColor(Qt::black));

    // The left column of square 3 and the top row of square 4, in logical pixels.
    QTest::mousePress(boardImage, Qt::LeftButton, Qt::NoModifier, QPoint(6 + 2 * 38, 6 + 3 * 38));
    ASSERT_TRUE(RunUntil([] { return frmBattle->isEnabled() || frmBattle->isHidden(); }));
    EXPECT_EQ(DBoard->Board.At(3, 4), Black);
    EXPECT_EQ(DBoard->Board.CountDiscs(Empty), 58) << "the player's move and the computer's answer";
    SaveScreenshot(frmBattle, "highdpi-match.png");
}
