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

// Crosses out opponents of a place, counted from 1 as the screen names them.
void Cross(int place, std::initializer_list<int> positions)
{
    for (int position : positions) {
        DUser->Record.SetOpponentKnockDown(place - 1, position - 1, 1);
        frmCharSelect->DrawCross(place - 1, position - 1);
    }
}

} // namespace

using CampaignLooks = CampaignScreensIn;
IN_EACH_LANGUAGE(CampaignLooks);

TEST_P(CampaignLooks, EachPlaceTheTurnDialogAndTheBonusStage)
{
    ShowSelection(1);
    // The names as a player of the language would type them.
    const std::string player = InEnglish() ? "Taro" : "たろう";
    const std::string chick = InEnglish() ? "Pip" : "ピヨ";
    DUser->Record.SetPlayerName(*ToShiftJis(player));
    frmCharSelect->BeginNewGame(campaign::OpeningLevelCaption(1), QString::fromStdString(player));

    // The forest with two opponents beaten.
    Cross(1, {1, 3});
    Find<TLabel>(frmCharSelect, "lblScore")->setText(QStringLiteral("57"));
    QImage shot = Capture(frmCharSelect);
    EXPECT_EQ(shot.size() / shot.devicePixelRatio(), QSize(510, 333));
    EXPECT_TRUE(IsCrossRed(OnScreen(shot, Portrait(0, 0), {45, 45})));
    EXPECT_TRUE(IsCrossRed(OnScreen(shot, Portrait(0, 2), {20, 70})));
    EXPECT_FALSE(IsCrossRed(OnScreen(shot, Portrait(0, 1), {45, 45})));
    EXPECT_EQ(OnScreen(shot, Find<TPanel>(frmCharSelect, "pnlPlace1"), {36, 10}), QColor(0xB6, 0xCF, 0xB1));
    SaveScreenshot(shot, ShotName("campaign-forest.png").c_str());

    // The mountain, opened, with one more beaten.
    Cross(1, {2, 4});
    Cross(2, {2});
    Find<TPanel>(frmCharSelect, "pnlPlace2")->show();
    frmCharSelect->SelectPlace(1, false);
    Find<TLabel>(frmCharSelect, "lblScore")->setText(QStringLiteral("148"));
    shot = Capture(frmCharSelect);
    EXPECT_TRUE(IsCrossRed(OnScreen(shot, Portrait(1, 1), {45, 45})));
    EXPECT_FALSE(IsCrossRed(OnScreen(shot, Portrait(1, 0), {45, 45})));
    EXPECT_EQ(OnScreen(shot, Find<TPanel>(frmCharSelect, "pnlPlace2"), {36, 10}), QColor(0xBF, 0xBF, 0xFF));
    SaveScreenshot(shot, ShotName("campaign-mountain.png").c_str());

    // The cyber state, the last stage.
    Cross(2, {1, 3, 4});
    Cross(3, {1, 2});
    Find<TPanel>(frmCharSelect, "pnlPlace3")->show();
    frmCharSelect->SelectPlace(2, false);
    Find<TLabel>(frmCharSelect, "lblScore")->setText(QStringLiteral("263"));
    shot = Capture(frmCharSelect);
    EXPECT_TRUE(IsCrossRed(OnScreen(shot, Portrait(2, 1), {45, 45})));
    EXPECT_FALSE(IsCrossRed(OnScreen(shot, Portrait(2, 3), {45, 45})));
    SaveScreenshot(shot, ShotName("campaign-cyber.png").c_str());

    // The turn dialog for メタルズモル.
    Press(Portrait(2, 2));
    ASSERT_TRUE(frmTurnSelect->isVisible());
    shot = Capture(frmTurnSelect);
    EXPECT_EQ(shot.size() / shot.devicePixelRatio(), QSize(271, 202));
    SaveScreenshot(shot, ShotName("campaign-turn.png").c_str());
    // "先手" and "後手" lean as italic type does (the discs beside them are
    // no letters).
    for (const char* name : {"BitBtn1", "BitBtn2"})
        EXPECT_GT(Slant(Find(frmTurnSelect, name), Qt::black, 30), 0.15) << name;
    // The portrait's figure stands on the dialog's background: around it the
    // dialog shows what it shows without the portrait.
    auto* portrait = Find<TImage>(frmTurnSelect, "imgChar");
    portrait->hide();
    const QImage behind = Capture(frmTurnSelect);
    portrait->show();
    const QPixmap figure = RenderArt(QStringLiteral("imgChar22"), true);
    for (const QPoint at : {QPoint(2, 2), QPoint(87, 2), QPoint(2, 60)}) {
        ASSERT_EQ(PixelAt(figure, at.x(), at.y()).alpha(), 0) << "the figure covers " << at.x() << "," << at.y();
        EXPECT_EQ(OnScreen(shot, portrait, at).name().toStdString(), OnScreen(behind, portrait, at).name().toStdString())
            << at.x() << "," << at.y();
    }
    EXPECT_NE(OnScreen(shot, portrait, {45, 45}), OnScreen(behind, portrait, {45, 45}));
    Press(Find(frmTurnSelect, "Button3"));
    ASSERT_TRUE(frmCharSelect->isEnabled());

    // The bonus stage of a cleared game, as a continued game shows it.
    Cross(3, {3, 4});
    DUser->Record.SetChickName(*ToShiftJis(chick));
    DUser->Record.SetCleared(1);
    DUser->Record.AddNutrition(327);
    DUser->Record.SetSlotNumber(3);
    DUser->Record.SaveRecord();
    frmCharSelect->Continue(Campaign().Continue(3));
    EXPECT_EQ(frmCharSelect->PlaceIndex(), 3);
    EXPECT_EQ(frmCharSelect->EggStrength(), 4);
    shot = Capture(frmCharSelect);
    EXPECT_EQ(OnScreen(shot, Find<TPanel>(frmCharSelect, "pnlPlace4"), {36, 4}), QColor(0, 0, 0));
    EXPECT_EQ(OnScreen(shot, Find<TImage>(frmCharSelect, "imgCharEgg"), {45, 45}),
              PixelAt(frmData->Picture(QStringLiteral("imgEgg4")), 45, 45));
    SaveScreenshot(shot, ShotName("campaign-bonus.png").c_str());
}
