#include "match/ui/match_fixture.h"

using namespace match_test;

namespace {

const QColor kTeal(0, 128, 128);
const QColor kGrey(128, 128, 128);
const QColor kSilver(192, 192, 192);
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);

} // namespace

using BoardPicture = MatchScreen;

TEST_F(BoardPicture, EmptyBoardHasNineLinesEachWayAndFourStarPoints)
{
    frmBattle->RedrawBoardBackground();
    const QPixmap& board = Find<TImage>(frmBattle, "imgBoard")->Picture();
    EXPECT_EQ(Find<TImage>(frmBattle, "imgBoard")->size(), QSize(317, 317));
    for (int i = 0; i < 9; ++i) {
        const int at = 6 + 38 * i;
        SCOPED_TRACE(at);
        EXPECT_EQ(PixelAt(board, at, 25), kBlack);
        EXPECT_EQ(PixelAt(board, 25, at), kBlack);
        EXPECT_EQ(PixelAt(board, at + 1, 25), kTeal);
        EXPECT_EQ(PixelAt(board, 25, at - 1), kTeal);
    }
    // Lines run from 6 to 310 and stop short of the picture's edge.
    EXPECT_EQ(PixelAt(board, 6, 6), kBlack);
    EXPECT_EQ(PixelAt(board, 310, 310), kBlack);
    EXPECT_EQ(PixelAt(board, 6, 5), kTeal);
    EXPECT_EQ(PixelAt(board, 5, 6), kTeal);
    EXPECT_EQ(PixelAt(board, 6, 311), kTeal);
    EXPECT_EQ(PixelAt(board, 311, 6), kTeal);
    EXPECT_EQ(PixelAt(board, 316, 316), kTeal);
    EXPECT_EQ(PixelAt(board, 0, 0), kTeal);
    // An empty square, and the star points on the intersections 2 and 6.
    EXPECT_EQ(PixelAt(board, 25, 25), kTeal);
    for (const int cx : {82, 234})
        for (const int cy : {82, 234}) {
            EXPECT_EQ(PixelAt(board, cx + 1, cy + 1), kBlack);
            EXPECT_EQ(PixelAt(board, cx - 1, cy + 1), kBlack);
            EXPECT_EQ(PixelAt(board, cx + 3, cy + 1), kTeal);
            EXPECT_EQ(PixelAt(board, cx + 1, cy - 3), kTeal);
        }
    EXPECT_EQ(PixelAt(board, 120, 120), kBlack);  // a plain intersection
    EXPECT_EQ(PixelAt(board, 121, 121), kTeal);
}

TEST_F(BoardPicture, DiscsAreThreeEllipsesInsideTheirSquare)
{
    frmBattle->RedrawBoardBackground();
    const QImage empty = Find<TImage>(frmBattle, "imgBoard")->Picture().toImage();
    DBoard->Board.PutDisc(3, 4, Black);
    DBoard->Board.PutDisc(6, 2, White);
    const QPixmap& board = Find<TImage>(frmBattle, "imgBoard")->Picture();

    struct Disc {
        int x0, y0;
        QColor rim, edge, face;
    } discs[] = {{76, 114, kSilver, kBlack, kBlack}, {190, 38, kGrey, kSilver, kWhite}};
    for (const Disc& d : discs) {
        SCOPED_TRACE(d.x0);
        EXPECT_EQ(PixelAt(board, d.x0 + 25, d.y0 + 22), d.face);
        EXPECT_EQ(PixelAt(board, d.x0 + 12, d.y0 + 22), d.face);
        EXPECT_EQ(PixelAt(board, d.x0 + 25, d.y0 + 38), d.edge);
        EXPECT_EQ(PixelAt(board, d.x0 + 25, d.y0 + 40), d.rim);
        // The grey outlines: the face's top and the rim's bottom.
        EXPECT_EQ(PixelAt(board, d.x0 + 25, d.y0 + 8), kGrey);
        EXPECT_EQ(PixelAt(board, d.x0 + 25, d.y0 + 41), kGrey);
        EXPECT_EQ(PixelAt(board, d.x0 + 25, d.y0 + 42), kTeal);
        // The square's corners stay teal, the grid lines stay black.
        EXPECT_EQ(PixelAt(board, d.x0 + 8, d.y0 + 8), kTeal);
        EXPECT_EQ(PixelAt(board, d.x0 + 41, d.y0 + 41), kTeal);
        EXPECT_EQ(PixelAt(board, d.x0 + 6, d.y0 + 25), kBlack);
        EXPECT_EQ(PixelAt(board, d.x0 + 44, d.y0 + 25), kBlack);
    }

    // Only the two squares changed.
    const QImage drawn = board.toImage();
    for (int y = 0; y < 317; ++y)
        for (int x = 0; x < 317; ++x) {
            const bool inside = (x >= 84 && x < 118 && y >= 122 && y < 156) ||
                                (x >= 198 && x < 232 && y >= 46 && y < 80);
            if (!inside && drawn.pixel(x, y) != empty.pixel(x, y))
                FAIL() << "pixel " << x << "," << y << " changed";
        }

    // Turning a disc over repaints it as a fresh one.
    DBoard->Board.PutDisc(3, 4, White);
    DBoard->Board.PutDisc(7, 7, White);
    const QImage turned = Find<TImage>(frmBattle, "imgBoard")->Picture().toImage();
    EXPECT_EQ(turned.copy(84, 122, 34, 34), turned.copy(236, 236, 34, 34));

    // An empty disc paints the square teal but keeps what the board holds.
    DBoard->Board.PutDisc(3, 4, Empty);
    EXPECT_EQ(PixelAt(Find<TImage>(frmBattle, "imgBoard")->Picture(), 101, 136), kTeal);
    EXPECT_EQ(DBoard->Board.At(3, 4), White);
    EXPECT_EQ(Find<TImage>(frmBattle, "imgBoard")->Picture().toImage().copy(76, 114, 50, 50), empty.copy(76, 114, 50, 50));
}

TEST_F(BoardPicture, CountLayoutIsDrawnBlockByBlock)
{
    StartMatch(false);
    SetPosition({"XO......", "........", "........", "...XO...", "...OX...", "........", "........", "........"});
    LetSpeechEnd();
    frmBattle->Flow().MatchEnd();
    // Watch the first ticks of the count: Black from the top left, White from
    // the bottom right, one of each per tick.
    std::vector<std::pair<int, int>> counts;
    const auto watch = QObject::connect(Find<GameTimer>(frmBattle, "timPieceCount"), &QTimer::timeout, frmBattle, [&] {
        counts.push_back({DBoard->Board.CountDiscs(Black), DBoard->Board.CountDiscs(White)});
    });
    ASSERT_TRUE(RunUntil([this] { return ResultShown(); }));
    QObject::disconnect(watch);
    EXPECT_EQ(counts, (std::vector<std::pair<int, int>>{{1, 1}, {2, 2}, {3, 3}, {3, 3}}));
    const QPixmap& board = Find<TImage>(frmBattle, "imgBoard")->Picture();
    for (int column = 1; column <= 3; ++column) {
        EXPECT_EQ(PixelAt(board, 38 * (column - 1) + 31, 28), kBlack);
        EXPECT_EQ(PixelAt(board, 38 * (8 - column) + 31, 38 * 7 + 28), kWhite);
    }
    EXPECT_EQ(PixelAt(board, 38 * 3 + 31, 28), kTeal);
    EXPECT_EQ(Find<TLabel>(frmBattle, "lblWinner")->text(), QStringLiteral("引き分け"));
}
