// The board by keys: the cursor square moved by the arrows and by a typed
// square name, a move played with Enter or Space only on a legal square and
// only on the player's turn, and the cursor's frame shown only while the
// player uses the keys and the screen takes input, never over a disc.
#include "match/ui/match_fixture.h"

#include "platform/ui/keyboard.h"

using namespace match_test;

namespace {

// The match screen as the window system shows it, pixel for pixel.
QImage Shown() { return frmBattle->grab().toImage(); }

void Keys(const char* typed)
{
    for (const char* key = typed; *key; ++key)
        QTest::keyClick(QApplication::focusWidget(), *key);
}

} // namespace

TEST_F(MatchScreen, TheBoardIsPlayedByKeysWithACursorThatNeverCoversADisc)
{
    StartMatch(false);
    QCoreApplication::processEvents();
    QWidget* board = Find(frmBattle, "imgBoard");
    QWidget* cursor = Find(board, "keyCursor");
    ASSERT_EQ(QApplication::focusWidget(), board) << "the board takes the focus when the move is handed over";
    const QImage mouseView = Shown();
    EXPECT_FALSE(ShowsKeyboardFocus(board)) << "no key pressed yet: the designed picture";

    // A key shows the cursor on d4, a frame just inside the square's grid
    // lines around the white disc, which keeps every pixel.
    QTest::keyClick(board, Qt::Key_Right);
    QTest::keyClick(board, Qt::Key_Left);
    EXPECT_TRUE(ShowsKeyboardFocus(board));
    EXPECT_EQ(cursor->geometry(), QRect(6 + 3 * 38 + 1, 6 + 3 * 38 + 1, 36, 36));
    const QImage keyView = Shown();
    EXPECT_NE(keyView, mouseView);
    const QPoint boardAt = board->mapTo(frmBattle, QPoint(0, 0));
    for (int y = 6 + 3 * 38 + 2; y < 6 + 4 * 38 - 2; ++y)
        for (int x = 6 + 3 * 38 + 2; x < 6 + 4 * 38 - 2; ++x)
            ASSERT_EQ(keyView.pixel(boardAt + QPoint(x, y)), mouseView.pixel(boardAt + QPoint(x, y))) << x << "," << y;
    EXPECT_EQ(keyView.pixelColor(boardAt + QPoint(6 + 3 * 38 + 1, 6 + 3 * 38 + 10)), QColor(255, 255, 0));

    // Arrows stay on the board; a letter and a digit jump.
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(board, Qt::Key_Up);
    EXPECT_EQ(cursor->pos(), QPoint(6 + 3 * 38 + 1, 6 + 1));
    Keys("f");
    EXPECT_EQ(cursor->pos().x(), 6 + 5 * 38 + 1);
    Keys("h8");
    EXPECT_EQ(cursor->pos(), QPoint(6 + 7 * 38 + 1, 6 + 7 * 38 + 1));

    // Enter on an illegal square does what a press there does: nothing.
    const Position before = DBoard->Board.Cells;
    QTest::keyClick(board, Qt::Key_Return);
    EXPECT_EQ(DBoard->Board.Cells, before);
    EXPECT_TRUE(frmBattle->isEnabled());

    // On d3 it is the player's move; the computer answers, and the screen
    // takes keys again with the focus still on the board.
    Keys("d3");
    QTest::keyClick(board, Qt::Key_Space);
    EXPECT_EQ(DBoard->Board.At(4, 3), Black);
    EXPECT_EQ(DBoard->Board.CountDiscs(Empty), 58) << "the computer answered";
    ASSERT_TRUE(RunUntil([] { return frmBattle->isEnabled(); }));
    EXPECT_EQ(QApplication::focusWidget(), board);

    // A mouse press hides the cursor again.
    Press(Find(frmBattle, "lblChar1"));
    EXPECT_FALSE(ShowsKeyboardFocus(board));
}

TEST_F(MatchScreen, TheKeysReachEveryControlInReadingOrderAndAMousePressHidesTheFocus)
{
    StartMatch(false);
    QCoreApplication::processEvents();
    QWidget* board = Find(frmBattle, "imgBoard");
    QWidget* giveUp = Find(frmBattle, "btmGiveUp");
    ASSERT_EQ(QApplication::focusWidget(), board);
    // Tab leaves the board for "投了" and comes back; the arrows keep to the board.
    QTest::keyClick(board, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), giveUp);
    QTest::keyClick(giveUp, Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), board);
    QTest::keyClick(board, Qt::Key_Tab);
    // Space on "投了" asks; No keeps the match.
    platform.answers = {false};
    QTest::keyClick(giveUp, Qt::Key_Space);
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, "投了してよろしいですか？");
    EXPECT_TRUE(frmBattle->isVisible());
    EXPECT_TRUE(ShowsKeyboardFocus(giveUp));
    Press(Find(frmBattle, "lblChar1"));
    EXPECT_FALSE(ShowsKeyboardFocus(giveUp));
}
