#include "campaign/expected_tables.h"
#include "campaign/ui/campaign_fixture.h"
#include "campaign/ui/frm_turn_select.h"

#include "brains/brains.h"
#include "frontend/ui/frm_opening.h"
#include "frontend/ui/frm_start.h"
#include "match/speech.h"
#include "match/ui/frm_battle.h"
#include "platform/data_files.h"
#include "platform/shift_jis.h"

#include <filesystem>

namespace {

StrengthParams BrainsStrength()
{
    return {DBrains->SearchDepth, DBrains->LateSearchDepth, DBrains->EndgameEmpties, DBrains->RandomPlay};
}

// Values no table entry holds, to see whether a pick wrote the strength.
void MarkBrains()
{
    DBrains->SetStrength(StrengthParams{99, 98, 97, false});
}

TPanel* Tab(int place)
{
    return frmCharSelect->findChild<TPanel*>(QStringLiteral("pnlPlace%1").arg(place));
}

QWidget* PlacePanel(int place)
{
    return frmCharSelect->findChild<QWidget*>(QStringLiteral("Panel%1").arg(place));
}

TButton* DialogButton(const char* name)
{
    return frmTurnSelect->findChild<TButton*>(QString::fromLatin1(name));
}

} // namespace

using CharSelectScreen = CampaignScreens;

TEST_F(CharSelectScreen, EveryOpponentAtEveryLevelHandsOverItsMatch)
{
    for (int level = 0; level < 3; ++level) {
        ShowSelection(level);
        for (int place = 1; place <= 3; ++place) {
            frmCharSelect->SelectPlace(place, false);
            for (int position = 1; position <= 4; ++position) {
                const expected::RosterRow& row = expected::kRoster[(place - 1) * 4 + position - 1];
                SCOPED_TRACE(testing::Message() << row.portrait << " level " << level);
                MarkBrains();
                ForgetSounds();
                // Either mouse button picks.
                Press(frmCharSelect->Portrait(place, position), position % 2 ? Qt::LeftButton : Qt::RightButton);

                EXPECT_EQ(BrainsStrength(), expected::Strength(expected::kStageStrength[(place - 1) * 4 + position - 1][level]));
                EXPECT_EQ(frmBattle->OpponentSoundSet, row.soundSet);
                const auto file = ReadRawFile(DataPath(row.messageFile));
                ASSERT_TRUE(file.has_value());
                std::vector<std::string> lines;
                for (const std::string& line : SpeechScript::SplitLines(*file))
                    lines.push_back(FromShiftJis(line));
                EXPECT_EQ(frmBattle->OpponentMessage.Lines(), lines);
                EXPECT_EQ(frmTurnSelect->grpChar->text(), QString::fromUtf8(row.name));
                EXPECT_EQ(frmTurnSelect->Label2->text(), QString::fromUtf8(row.strength));
                EXPECT_TRUE(SamePicture(frmTurnSelect->imgChar->Picture(), frmData->Picture(row.media[0])));
                EXPECT_TRUE(SamePicture(frmTurnSelect->imgComWin->Picture(), frmData->Picture(row.media[1])));
                EXPECT_TRUE(SamePicture(frmTurnSelect->imgComLoss->Picture(), frmData->Picture(row.media[2])));
                EXPECT_FALSE(frmTurnSelect->imgComWin->isVisible());
                EXPECT_FALSE(frmTurnSelect->imgComLoss->isVisible());
                EXPECT_TRUE(frmTurnSelect->isVisible());
                EXPECT_FALSE(frmCharSelect->isEnabled());
                EXPECT_TRUE(frmCharSelect->isVisible());
                EXPECT_EQ(frmCharSelect->CharIndex, position - 1);
                EXPECT_EQ(frmCharSelect->PlaceIndex, place - 1);
                EXPECT_EQ(Plays(MultiSound, "/data/sdm01.dat"), 1);

                // Back out: the selection takes input again and nothing is undone.
                Click(DialogButton("Button3"));
                EXPECT_EQ(Plays(MultiSound, "/data/sdm05.dat"), 1);
                EXPECT_FALSE(frmTurnSelect->isVisible());
                EXPECT_TRUE(frmCharSelect->isEnabled());
                EXPECT_EQ(frmBattle->OpponentSoundSet, row.soundSet);
            }
        }
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(CharSelectScreen, CancelledPickLeavesNothingOfItselfInTheNextOne)
{
    ShowSelection(2);
    Press(frmCharSelect->Portrait(1, 4));
    Click(DialogButton("Button3"));
    frmCharSelect->SelectPlace(3, true);
    Press(frmCharSelect->Portrait(3, 1));
    EXPECT_EQ(frmTurnSelect->grpChar->text(), QStringLiteral("ズモル棺桶"));
    EXPECT_EQ(frmTurnSelect->Label2->text(), QStringLiteral("強さ ★★★"));
    EXPECT_TRUE(SamePicture(frmTurnSelect->imgChar->Picture(), frmData->Picture(QStringLiteral("imgChar20"))));
    EXPECT_TRUE(SamePicture(frmTurnSelect->imgComWin->Picture(), frmData->Picture(QStringLiteral("imgChar20w"))));
    EXPECT_TRUE(SamePicture(frmTurnSelect->imgComLoss->Picture(), frmData->Picture(QStringLiteral("imgChar20l"))));
    EXPECT_EQ(BrainsStrength(), expected::Strength("5/5/7"));
    EXPECT_EQ(frmBattle->OpponentSoundSet, 9);
    EXPECT_EQ(frmCharSelect->PlaceIndex, 2);
    EXPECT_EQ(frmCharSelect->CharIndex, 0);
}

TEST_F(CharSelectScreen, UnknownLevelLeavesTheStrengthButStillPicks)
{
    ShowSelection(7);
    MarkBrains();
    Press(frmCharSelect->Portrait(1, 1));
    EXPECT_EQ(BrainsStrength(), (StrengthParams{99, 98, 97, false}));
    EXPECT_EQ(frmBattle->OpponentSoundSet, 1);
    EXPECT_TRUE(frmTurnSelect->isVisible());
}

TEST_F(CharSelectScreen, UnreadableSpeechFileStopsThePickAndKeepsTheLastOne)
{
    ShowSelection(1);
    Press(frmCharSelect->Portrait(1, 1));
    Click(DialogButton("Button3"));
    const auto linesBefore = frmBattle->OpponentMessage.Lines();
    const StrengthParams strengthBefore = BrainsStrength();

    std::filesystem::remove(folder.Data() / "ms03.dat");
    Press(frmCharSelect->Portrait(1, 4));

    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "ファイルを開けません\n" + DataPath("/data/ms03.dat"));
    EXPECT_EQ(platform.messages[0].title, "エラー");
    EXPECT_EQ(BrainsStrength(), strengthBefore);
    EXPECT_EQ(frmBattle->OpponentSoundSet, 1);
    EXPECT_EQ(frmBattle->OpponentMessage.Lines(), linesBefore);
    EXPECT_EQ(frmTurnSelect->grpChar->text(), QStringLiteral("ズモル蝸牛"));
    EXPECT_EQ(frmTurnSelect->Label2->text(), QStringLiteral("強さ ★"));
    EXPECT_TRUE(SamePicture(frmTurnSelect->imgChar->Picture(), frmData->Picture(QStringLiteral("imgChar00"))));
    EXPECT_TRUE(SamePicture(frmTurnSelect->imgComWin->Picture(), frmData->Picture(QStringLiteral("imgChar00w"))));
    EXPECT_FALSE(frmTurnSelect->isVisible());
    EXPECT_TRUE(frmCharSelect->isEnabled());
    EXPECT_EQ(frmCharSelect->CharIndex, 0);
}

TEST_F(CharSelectScreen, TheChickOnTheBonusStage)
{
    ShowSelection(1);
    DUser->Record.SetChickName(*ToShiftJis("ピヨ"));
    frmCharSelect->pnlPlace4->show();
    Press(frmCharSelect->pnlPlace4);
    ASSERT_EQ(frmCharSelect->PlaceIndex, 3);
    ASSERT_TRUE(frmCharSelect->imgCharEgg->isVisible());

    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE(n);
        frmCharSelect->EggStrength = n;
        MarkBrains();
        Press(frmCharSelect->imgCharEgg, n == 3 ? Qt::RightButton : Qt::LeftButton);
        EXPECT_EQ(BrainsStrength(), expected::Strength(expected::kChickStrength[n - 1][1]));
        EXPECT_EQ(frmTurnSelect->Label2->text(), QString::fromUtf8(expected::kChickCaption[n - 1]));
        EXPECT_EQ(frmTurnSelect->grpChar->text(), QStringLiteral("ピヨ"));
        const QPixmap chick = frmData->Picture(QStringLiteral("imgEgg%1").arg(n));
        EXPECT_TRUE(SamePicture(frmTurnSelect->imgChar->Picture(), chick));
        EXPECT_TRUE(SamePicture(frmTurnSelect->imgComWin->Picture(), chick));
        EXPECT_TRUE(SamePicture(frmTurnSelect->imgComLoss->Picture(), chick));
        EXPECT_EQ(frmBattle->OpponentSoundSet, 5);
        EXPECT_EQ(frmCharSelect->PlaceIndex, 3);
        EXPECT_EQ(frmCharSelect->CharIndex, 0);
        EXPECT_FALSE(frmCharSelect->isEnabled());
        Click(DialogButton("Button3"));
    }

    // A strength out of range still opens the dialog with the chick's sounds,
    // but leaves the strength and the pictures of the last pick.
    frmCharSelect->EggStrength = 0;
    MarkBrains();
    Press(frmCharSelect->imgCharEgg);
    EXPECT_EQ(BrainsStrength(), (StrengthParams{99, 98, 97, false}));
    EXPECT_EQ(frmTurnSelect->Label2->text(), QStringLiteral("強さ ★★★★★"));
    EXPECT_TRUE(frmTurnSelect->isVisible());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(CharSelectScreen, PlaceTabsShowOnePanelAtATime)
{
    ShowSelection(0);
    EXPECT_TRUE(Tab(1)->isVisible());
    EXPECT_FALSE(Tab(2)->isVisible());
    EXPECT_FALSE(Tab(3)->isVisible());
    EXPECT_FALSE(Tab(4)->isVisible());
    EXPECT_EQ(Tab(1)->InnerBevel(), TPanel::Bevel::Lowered);
    EXPECT_EQ(Tab(1)->OuterBevel(), TPanel::Bevel::None);
    EXPECT_EQ(Tab(1)->Caption(), QStringLiteral("迷いの森"));
    EXPECT_EQ(Tab(1)->Colour(), QColor(0xB6, 0xCF, 0xB1));
    EXPECT_EQ(frmCharSelect->lblScore->text(), QStringLiteral("0"));

    Tab(2)->show();
    Tab(3)->show();
    ForgetSounds();
    Press(Tab(2));
    EXPECT_EQ(frmCharSelect->PlaceIndex, 1);
    EXPECT_TRUE(PlacePanel(2)->isVisible());
    EXPECT_FALSE(PlacePanel(1)->isVisible());
    EXPECT_EQ(Tab(2)->InnerBevel(), TPanel::Bevel::Lowered);
    EXPECT_EQ(Tab(1)->InnerBevel(), TPanel::Bevel::None);
    EXPECT_EQ(Tab(1)->OuterBevel(), TPanel::Bevel::Raised);
    // The same tab again: the same again, sound included.
    Press(Tab(2));
    EXPECT_EQ(Plays(MultiSound, "/data/sdm01.dat"), 2);
    // All three opponent panels stand in the same place.
    EXPECT_EQ(PlacePanel(2)->geometry(), PlacePanel(1)->geometry());
    EXPECT_EQ(PlacePanel(3)->geometry(), PlacePanel(1)->geometry());

    // Only the visible panel's portraits can be pressed; the screen ignores
    // presses while disabled.
    frmCharSelect->setEnabled(false);
    Press(frmCharSelect->Portrait(2, 1));
    EXPECT_FALSE(frmTurnSelect->isVisible());
}

TEST_F(CharSelectScreen, QuitAsksThenSavesTheRecordAndClosesTheGame)
{
    ShowSelection(2);
    frmStart->show();
    PlayerRecord& record = DUser->Record;
    record.SetSlotNumber(2);
    record.AddNutrition(123);
    record.SetOpponentKnockDown(0, 1, 1);
    TButton* quit = frmCharSelect->findChild<TButton*>(QStringLiteral("Button1"));
    ASSERT_NE(quit, nullptr);

    platform.answers = {false};
    Click(quit);
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, "ゲームを終了してよろしいですか？");
    EXPECT_EQ(platform.questions[0].title, "ゲーム終了");
    EXPECT_FALSE(folder.Exists("user02.usr"));
    EXPECT_TRUE(frmStart->isVisible());
    EXPECT_EQ(Plays(MultiSound, "/data/sdm01.dat"), 1);

    platform.answers = {true};
    Click(quit);
    EXPECT_EQ(folder.Read("user02.usr"), ToStoredForm(record.Image()));
    EXPECT_FALSE(frmStart->isVisible());
    EXPECT_TRUE(platform.messages.empty());
}
