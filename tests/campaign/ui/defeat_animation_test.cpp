#include "campaign/ui/campaign_fixture.h"

#include "frontend/ui/frm_opening.h"
#include "platform/ui/widgets.h"

#include <map>

namespace {

// The record and the selection screen as the match end leaves them after a
// first win over (place, position), counted from 1 as the screen names them:
// the opponent picked, the defeat recorded, the margin added, the screen shown
// again.
void FirstWin(int place, int position, int margin)
{
    frmCharSelect->show();
    frmCharSelect->SelectPlace(place - 1, false);
    Press(Portrait(place - 1, position - 1));
    Press(Find<TButton>(frmTurnSelect, "Button3"));
    DUser->Record.SetOpponentKnockDown(place - 1, position - 1, 1);
    DUser->Record.AddNutrition(margin);
    frmCharSelect->StartDefeatAnimation(place - 1, position - 1);
}

// Earlier wins, crossed out as a continued game shows them.
void BeatenBefore(int place, std::initializer_list<int> positions, int nutrition)
{
    for (int position : positions) {
        DUser->Record.SetOpponentKnockDown(place - 1, position - 1, 1);
        frmCharSelect->DrawCross(place - 1, position - 1);
    }
    DUser->Record.AddNutrition(nutrition);
    Find<TLabel>(frmCharSelect, "lblScore")->setText(QString::number(DUser->Record.GetNutrition()));
}

} // namespace

using DefeatAnimation = CampaignScreens;

TEST_F(DefeatAnimation, FirstWinCrossesOutCountsUpAndGivesBack)
{
    ShowSelection(1);
    const QPixmap& portrait = Portrait(0, 2)->Picture();
    // What the portrait and the score look like after the tick that led to
    // each step.
    std::map<int, std::pair<bool, bool>> strokesAtStep;
    std::map<int, QString> scoreAtStep;

    FirstWin(1, 3, 30);
    EXPECT_FALSE(frmCharSelect->isEnabled());
    ASSERT_TRUE(RunDefeatAnimation([&](int step) {
        strokesAtStep[step] = {IsCrossRed(PixelAt(portrait, 20, 20)), IsCrossRed(PixelAt(portrait, 70, 20))};
        scoreAtStep[step] = Find<TLabel>(frmCharSelect, "lblScore")->text();
    }));

    // One stroke after the other, then the count-up.
    ASSERT_EQ(strokesAtStep.size(), 5u);
    EXPECT_EQ(strokesAtStep[1], std::make_pair(false, false));
    EXPECT_EQ(strokesAtStep[2], std::make_pair(true, false));
    EXPECT_EQ(strokesAtStep[3], std::make_pair(true, true));
    EXPECT_EQ(scoreAtStep[3], QStringLiteral("0"));
    EXPECT_EQ(scoreAtStep[4], QStringLiteral("30"));
    EXPECT_EQ(scoreAtStep[0], QStringLiteral("30"));

    // The cross: 3 units wide and red, corner to corner 15 units in; the
    // catalogue's own picture stays clean.
    for (const QPoint at : {QPoint(15, 15), QPoint(45, 45), QPoint(74, 74), QPoint(75, 15), QPoint(16, 74),
                            QPoint(46, 45), QPoint(44, 45)})
        EXPECT_TRUE(IsCrossRed(PixelAt(portrait, at.x(), at.y()))) << at.x() << "," << at.y();
    for (const QPoint at : {QPoint(45, 20), QPoint(10, 10), QPoint(80, 80), QPoint(48, 45)})
        EXPECT_FALSE(IsCrossRed(PixelAt(portrait, at.x(), at.y()))) << at.x() << "," << at.y();
    EXPECT_FALSE(IsCrossRed(PixelAt(frmData->Picture(QStringLiteral("imgChar02")), 45, 45)));
    EXPECT_FALSE(IsCrossRed(PixelAt(Portrait(0, 3)->Picture(), 45, 45)));

    // One beep and one short pause per unit.
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblScore")->text(), QStringLiteral("30"));
    EXPECT_EQ(platform.beeps, 30);
    EXPECT_EQ(std::count(platform.pauses.begin(), platform.pauses.end(), 10), 30);
    EXPECT_GE(platform.pumps, 30);
    // The hero's disc sound for each stroke, whoever plays.
    EXPECT_EQ(Plays(PlayerPutSound, "/data/sdp00.dat"), 2);
    EXPECT_EQ(Plays(MultiSound, "/data/sdm04.dat"), 0);
    EXPECT_FALSE(Find<TPanel>(frmCharSelect, "pnlPlace2")->isVisible());
    EXPECT_TRUE(frmCharSelect->isEnabled());
    EXPECT_TRUE(frmCharSelect->isVisible());
    EXPECT_EQ(frmCharSelect->DesStep(), 0);
}

TEST_F(DefeatAnimation, CountUpStartsFromTheShownNumber)
{
    ShowSelection(0);
    DUser->Record.AddNutrition(50);
    Find<TLabel>(frmCharSelect, "lblScore")->setText(QStringLiteral("45"));
    FirstWin(1, 1, 2);
    ASSERT_TRUE(RunDefeatAnimation());
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblScore")->text(), QStringLiteral("52"));
    EXPECT_EQ(platform.beeps, 7);

    // A display already at or above the record: no beep, no change.
    Find<TLabel>(frmCharSelect, "lblScore")->setText(QStringLiteral("60"));
    FirstWin(1, 2, 0);
    ASSERT_TRUE(RunDefeatAnimation());
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblScore")->text(), QStringLiteral("60"));
    EXPECT_EQ(platform.beeps, 7);
}

TEST_F(DefeatAnimation, BeatingTheForestOpensTheMountainAndKeepsTheForest)
{
    ShowSelection(0);
    BeatenBefore(1, {1, 2, 3}, 40);
    FirstWin(1, 4, 12);
    ASSERT_TRUE(RunDefeatAnimation());

    EXPECT_EQ(Plays(MultiSound, "/data/sdm04.dat"), 1);
    EXPECT_TRUE(Find<TPanel>(frmCharSelect, "pnlPlace2")->isVisible());
    EXPECT_FALSE(Find<TPanel>(frmCharSelect, "pnlPlace3")->isVisible());
    EXPECT_FALSE(Find<TPanel>(frmCharSelect, "pnlPlace4")->isVisible());
    EXPECT_EQ(frmCharSelect->PlaceIndex(), 0);
    EXPECT_TRUE(frmCharSelect->findChild<QWidget*>(QStringLiteral("Panel1"))->isVisible());
    EXPECT_FALSE(frmCharSelect->findChild<QWidget*>(QStringLiteral("Panel2"))->isVisible());
    EXPECT_EQ(Find<TPanel>(frmCharSelect, "pnlPlace1")->InnerBevel(), TPanel::Bevel::Lowered);
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblScore")->text(), QStringLiteral("52"));
    EXPECT_TRUE(frmCharSelect->isEnabled());
    for (int position = 1; position <= 4; ++position)
        EXPECT_TRUE(IsCrossRed(PixelAt(Portrait(0, position - 1)->Picture(), 45, 45))) << position;
}

TEST_F(DefeatAnimation, TheMountainOpensCyberWhateverTheForest)
{
    ShowSelection(2);
    Find<TPanel>(frmCharSelect, "pnlPlace2")->show();
    BeatenBefore(2, {1, 2, 4}, 20);
    FirstWin(2, 3, 5);
    ASSERT_TRUE(RunDefeatAnimation());
    EXPECT_TRUE(Find<TPanel>(frmCharSelect, "pnlPlace3")->isVisible());
    EXPECT_EQ(Plays(MultiSound, "/data/sdm04.dat"), 1);
    EXPECT_EQ(frmCharSelect->PlaceIndex(), 1);
    EXPECT_TRUE(frmCharSelect->findChild<QWidget*>(QStringLiteral("Panel2"))->isVisible());
}

TEST_F(DefeatAnimation, TheTwelfthFirstWinHandsOverToTheHatching)
{
    ShowSelection(1);
    Find<TPanel>(frmCharSelect, "pnlPlace2")->show();
    Find<TPanel>(frmCharSelect, "pnlPlace3")->show();
    BeatenBefore(1, {1, 2, 3, 4}, 0);
    BeatenBefore(2, {1, 2, 3, 4}, 0);
    BeatenBefore(3, {1, 2, 3}, 250);
    const int playerTop = Find<TImage>(frmCharSelect, "imgPlayer")->y();
    FirstWin(3, 4, 64);
    ASSERT_TRUE(RunDefeatAnimation());

    EXPECT_TRUE(IsCrossRed(PixelAt(Portrait(2, 3)->Picture(), 45, 45)));
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblScore")->text(), QStringLiteral("314"));
    EXPECT_EQ(platform.beeps, 64);
    EXPECT_EQ(DUser->Record.GetCleared(), 1);
    EXPECT_TRUE(Find<TImage>(frmCharSelect, "imgEgg")->isHidden());
    EXPECT_EQ(Find<TImage>(frmCharSelect, "imgPlayer")->pos(), QPoint(384, playerTop));
    EXPECT_TRUE(Find<TLabel>(frmCharSelect, "lblMes1")->text().isEmpty());
    EXPECT_TRUE(Find<TLabel>(frmCharSelect, "lblMes2")->text().isEmpty());
    EXPECT_FALSE(frmCharSelect->isVisible());
    EXPECT_FALSE(frmCharSelect->isEnabled());
    EXPECT_EQ(Plays(MultiSound, "/data/sdm04.dat"), 0);
    // The opening window takes over with its hatching page.
    EXPECT_TRUE(frmOpening->isVisible());
    EXPECT_TRUE(Find<TPanel>(frmOpening, "Panel4")->isVisible());
    EXPECT_FALSE(Find<TPanel>(frmOpening, "Panel1")->isVisible());
    EXPECT_FALSE(Find<TPanel>(frmOpening, "Panel3")->isVisible());
    // The record is saved only at the end of the clear.
    EXPECT_FALSE(folder.Exists("user01.usr"));
}

TEST_F(DefeatAnimation, AllTwelveOnAClearedGameOnlyUnlocks)
{
    ShowSelection(1);
    DUser->Record.SetCleared(1);
    BeatenBefore(1, {1, 2, 3, 4}, 0);
    BeatenBefore(2, {1, 2, 3, 4}, 0);
    BeatenBefore(3, {1, 2, 3}, 0);
    FirstWin(3, 4, 1);
    ASSERT_TRUE(RunDefeatAnimation());
    EXPECT_TRUE(frmCharSelect->isVisible());
    EXPECT_FALSE(frmOpening->isVisible());
    EXPECT_TRUE(Find<TPanel>(frmCharSelect, "pnlPlace2")->isVisible());
    EXPECT_TRUE(Find<TPanel>(frmCharSelect, "pnlPlace3")->isVisible());
    EXPECT_EQ(Plays(MultiSound, "/data/sdm04.dat"), 2);
}

TEST_F(DefeatAnimation, DrawCrossMarksOnlyRealPortraits)
{
    ShowSelection(0);
    std::vector<QImage> before;
    for (int place = 0; place < 3; ++place)
        for (int position = 0; position < 4; ++position)
            before.push_back(Portrait(place, position)->Picture().toImage());
    for (const auto& [place, position] : {std::pair{-1, 0}, {3, 0}, {0, -1}, {0, 4}, {-1, -1}})
        frmCharSelect->DrawCross(place, position);
    std::size_t i = 0;
    for (int place = 0; place < 3; ++place)
        for (int position = 0; position < 4; ++position)
            EXPECT_EQ(Portrait(place, position)->Picture().toImage(), before[i++]);

    frmCharSelect->DrawCross(1, 2);
    const QPixmap& crossed = Portrait(1, 2)->Picture();
    EXPECT_TRUE(IsCrossRed(PixelAt(crossed, 20, 20)));
    EXPECT_TRUE(IsCrossRed(PixelAt(crossed, 70, 20)));
    EXPECT_EQ(platform.beeps, 0);
    EXPECT_TRUE(sounds.players[PlayerPutSound].played.empty());
}
