#include "campaign/ui/campaign_fixture.h"
#include "campaign/ui/frm_turn_select.h"

#include "match/ui/frm_battle.h"
#include "platform/ui/desktop.h"
#include "platform/ui/widgets.h"

using TurnSelectDialog = CampaignScreens;
using TurnSelectDialogIn = CampaignScreensIn;
IN_EACH_LANGUAGE(TurnSelectDialogIn);

namespace {

TButton* DialogButton(const char* name)
{
    return frmTurnSelect->findChild<TButton*>(QString::fromLatin1(name));
}

QString Caption(const char* name)
{
    const auto* label = frmBattle->findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<missing>");
}

} // namespace

TEST_P(TurnSelectDialogIn, LayoutAndDiscPictures)
{
    EXPECT_EQ(frmTurnSelect->size(), QSize(271, 202));
    EXPECT_EQ(frmTurnSelect->windowTitle(), QStringLiteral("ズモルリバロ"));
    EXPECT_EQ(DialogButton("BitBtn1")->text(), TrQ("先手"));
    EXPECT_EQ(DialogButton("BitBtn2")->text(), TrQ("後手"));
    EXPECT_EQ(DialogButton("Button3")->text(), TrQ("キャンセル"));
    EXPECT_FALSE(DialogButton("BitBtn1")->icon().isNull());
    EXPECT_FALSE(DialogButton("BitBtn2")->icon().isNull());
    // White's disc stands to the right of its caption.
    EXPECT_EQ(DialogButton("BitBtn2")->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(Find<TImage>(frmTurnSelect, "imgChar")->geometry(), QRect(15, 95, 90, 90));
}

TEST_F(TurnSelectDialog, MovingFirstPutsThePlayerLeftAndStartsTheMatch)
{
    ShowSelection(1);
    frmCharSelect->SelectPlace(0, false);
    Press(Portrait(0, 1));
    ForgetSounds();
    Press(DialogButton("BitBtn1"));

    EXPECT_EQ(Plays(MultiSound, "/data/sdm01.dat"), 1);
    EXPECT_FALSE(frmTurnSelect->isVisible());
    EXPECT_FALSE(frmCharSelect->isVisible());
    EXPECT_TRUE(frmCharSelect->isEnabled());
    EXPECT_TRUE(frmBattle->isVisible());
    EXPECT_FALSE(frmBattle->Flow().PlayerIsSecond);
    EXPECT_EQ(Caption("lblChar1"), QStringLiteral("Taro"));
    EXPECT_EQ(Caption("lblChar2"), QStringLiteral("ズモル玉ねぎ"));
}

TEST_F(TurnSelectDialog, MovingSecondPutsTheOpponentLeft)
{
    ShowSelection(0);
    Press(Portrait(0, 2));
    Press(DialogButton("BitBtn2"));

    EXPECT_FALSE(frmTurnSelect->isVisible());
    EXPECT_FALSE(frmCharSelect->isVisible());
    EXPECT_TRUE(frmCharSelect->isEnabled());
    EXPECT_TRUE(frmBattle->isVisible());
    EXPECT_TRUE(frmBattle->Flow().PlayerIsSecond);
    EXPECT_EQ(Caption("lblChar1"), QStringLiteral("ズモル羊"));
    EXPECT_EQ(Caption("lblChar2"), QStringLiteral("Taro"));
}
