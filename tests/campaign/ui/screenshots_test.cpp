// What the campaign's screens look like: each screen is painted into a picture
// and checked for the marks it must show. With ZUMORU_SCREENSHOTS set to a
// folder the pictures are also saved there as PNG files.
#include "campaign/ui/campaign_fixture.h"
#include "campaign/ui/frm_turn_select.h"

#include "platform/shift_jis.h"

#include "ui_support/screenshots.h"

#include <QDir>

namespace {

// The colour the window shows at a point of a widget inside it.
QColor OnScreen(const QImage& shot, QWidget* widget, QPoint at)
{
    const QPoint p = widget->mapTo(widget->window(), at) * shot.devicePixelRatio();
    return shot.pixelColor(p);
}

void Cross(int place, std::initializer_list<int> positions)
{
    for (int position : positions) {
        DUser->Record.SetOpponentKnockDown(place - 1, position - 1, 1);
        frmCharSelect->DrawCross(place, position);
    }
}

} // namespace

using CampaignLooks = CampaignScreens;

TEST_F(CampaignLooks, EachPlaceTheTurnDialogAndTheBonusStage)
{
    ShowSelection(1);
    frmCharSelect->lblName->setText(QStringLiteral("たろう"));
    frmCharSelect->lblName2->setText(QStringLiteral("たろう"));
    frmCharSelect->lblDificulty->setText(QStringLiteral("～ 普通 ～"));

    // The forest with two opponents beaten.
    Cross(1, {1, 3});
    frmCharSelect->lblScore->setText(QStringLiteral("57"));
    QImage shot = Capture(frmCharSelect);
    EXPECT_EQ(shot.size() / shot.devicePixelRatio(), QSize(510, 333));
    EXPECT_TRUE(IsCrossRed(OnScreen(shot, frmCharSelect->Portrait(1, 1), {45, 45})));
    EXPECT_TRUE(IsCrossRed(OnScreen(shot, frmCharSelect->Portrait(1, 3), {20, 70})));
    EXPECT_FALSE(IsCrossRed(OnScreen(shot, frmCharSelect->Portrait(1, 2), {45, 45})));
    EXPECT_EQ(OnScreen(shot, frmCharSelect->pnlPlace1, {36, 10}), QColor(0xB6, 0xCF, 0xB1));
    SaveScreenshot(shot, "campaign-forest.png");

    // The mountain, opened, with one more beaten.
    Cross(1, {2, 4});
    Cross(2, {2});
    frmCharSelect->pnlPlace2->show();
    frmCharSelect->SelectPlace(2, false);
    frmCharSelect->lblScore->setText(QStringLiteral("148"));
    shot = Capture(frmCharSelect);
    EXPECT_TRUE(IsCrossRed(OnScreen(shot, frmCharSelect->Portrait(2, 2), {45, 45})));
    EXPECT_FALSE(IsCrossRed(OnScreen(shot, frmCharSelect->Portrait(2, 1), {45, 45})));
    EXPECT_EQ(OnScreen(shot, frmCharSelect->pnlPlace2, {36, 10}), QColor(0xBF, 0xBF, 0xFF));
    SaveScreenshot(shot, "campaign-mountain.png");

    // The cyber state, the last stage.
    Cross(2, {1, 3, 4});
    Cross(3, {1, 2});
    frmCharSelect->pnlPlace3->show();
    frmCharSelect->SelectPlace(3, false);
    frmCharSelect->lblScore->setText(QStringLiteral("263"));
    shot = Capture(frmCharSelect);
    EXPECT_TRUE(IsCrossRed(OnScreen(shot, frmCharSelect->Portrait(3, 2), {45, 45})));
    EXPECT_FALSE(IsCrossRed(OnScreen(shot, frmCharSelect->Portrait(3, 4), {45, 45})));
    SaveScreenshot(shot, "campaign-cyber.png");

    // The turn dialog for メタルズモル.
    Press(frmCharSelect->Portrait(3, 3));
    ASSERT_TRUE(frmTurnSelect->isVisible());
    shot = Capture(frmTurnSelect);
    EXPECT_EQ(shot.size() / shot.devicePixelRatio(), QSize(271, 202));
    SaveScreenshot(shot, "campaign-turn.png");
    frmTurnSelect->findChild<QWidget*>(QStringLiteral("Button3"))->hide();
    frmTurnSelect->hide();
    frmCharSelect->setEnabled(true);

    // The bonus stage of a cleared game, as a continued game shows it.
    Cross(3, {3, 4});
    DUser->Record.SetChickName(*ToShiftJis("ピヨ"));
    frmCharSelect->imgEgg->hide();
    frmCharSelect->imgPlayer->move(384, frmCharSelect->imgPlayer->y());
    frmCharSelect->pnlEgg->hide();
    frmCharSelect->pnlClear->show();
    frmCharSelect->pnlPlace4->show();
    frmCharSelect->EggStrength = 4;
    frmCharSelect->lblEggName->setText(QStringLiteral("ピヨ"));
    frmCharSelect->lblEiyou->setText(QStringLiteral("栄養：327"));
    frmCharSelect->lblTuyosa->setText(QStringLiteral("強さ：★★★★"));
    frmCharSelect->imgCharEgg->SetPicture(frmData->Picture(QStringLiteral("imgEgg4")));
    frmCharSelect->SelectPlace(4, false);
    shot = Capture(frmCharSelect);
    EXPECT_EQ(OnScreen(shot, frmCharSelect->pnlPlace4, {36, 4}), QColor(0, 0, 0));
    EXPECT_EQ(OnScreen(shot, frmCharSelect->imgCharEgg, {45, 45}),
              PixelAt(frmData->Picture(QStringLiteral("imgEgg4")), 45, 45));
    SaveScreenshot(shot, "campaign-bonus.png");
}
