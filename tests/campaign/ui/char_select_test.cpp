#include "support/expected_tables.h"
#include "campaign/ui/campaign_fixture.h"
#include "campaign/ui/frm_turn_select.h"

#include "brains/brains.h"
#include "campaign/session.h"
#include "frontend/ui/frm_opening.h"
#include "frontend/ui/frm_start.h"
#include "match/speech.h"
#include "match/ui/frm_battle.h"
#include "platform/data_files.h"
#include "platform/ui/desktop.h"
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

TButton* DialogButton(const char* name)
{
    return frmTurnSelect->findChild<TButton*>(QString::fromLatin1(name));
}

} // namespace

using CharSelectScreen = CampaignScreens;
using CharSelectScreenIn = CampaignScreensIn;
IN_EACH_LANGUAGE(CharSelectScreenIn);

TEST_P(CharSelectScreenIn, EveryOpponentAtEveryLevelHandsOverItsMatch)
{
    for (int level = 0; level < 3; ++level) {
        ShowSelection(level);
        for (int place = 0; place < 3; ++place) {
            frmCharSelect->SelectPlace(place, false);
            PlaceTab(place)->show();
            LookEnglish(frmCharSelect);
            for (int position = 0; position < 4; ++position) {
                const expected::RosterRow& row = expected::kRoster[place * 4 + position];
                SCOPED_TRACE(testing::Message() << row.portrait << " level " << level);
                MarkBrains();
                ForgetSounds();
                // Either mouse button picks.
                Press(Portrait(place, position), position % 2 ? Qt::RightButton : Qt::LeftButton);

                EXPECT_EQ(BrainsStrength(), expected::Strength(expected::kStageStrength[place * 4 + position][level]));
                EXPECT_EQ(frmBattle->Flow().Opponent().soundSet, row.soundSet);
                const auto file = ReadRawFile(speech::FileInLanguage(DataPath(row.messageFile), GameLanguage()), speech::kMaxFileBytes);
                ASSERT_TRUE(file.has_value());
                std::vector<std::string> lines;
                for (const std::string& line : SpeechScript::SplitLines(*file))
                    lines.push_back(FromShiftJis(line));
                EXPECT_EQ(frmBattle->Flow().OpponentMessage.Lines(), lines);
                EXPECT_EQ(Find<TLabel>(frmTurnSelect, "grpChar")->text(), TrQ(row.name));
                EXPECT_EQ(Find<TLabel>(frmTurnSelect, "Label2")->text(), TrQ(row.strength));
                LookEnglish(frmTurnSelect);
                EXPECT_TRUE(SamePicture(Find<TImage>(frmTurnSelect, "imgChar")->Picture(), RenderArt(row.media[0], true)));
                EXPECT_TRUE(SamePicture(Find<TImage>(frmTurnSelect, "imgComWin")->Picture(), frmData->Picture(row.media[1])));
                EXPECT_TRUE(SamePicture(Find<TImage>(frmTurnSelect, "imgComLoss")->Picture(), frmData->Picture(row.media[2])));
                EXPECT_FALSE(Find<TImage>(frmTurnSelect, "imgComWin")->isVisible());
                EXPECT_FALSE(Find<TImage>(frmTurnSelect, "imgComLoss")->isVisible());
                EXPECT_TRUE(frmTurnSelect->isVisible());
                EXPECT_FALSE(frmCharSelect->isEnabled());
                EXPECT_TRUE(frmCharSelect->isVisible());
                EXPECT_EQ(frmCharSelect->CharIndex(), position);
                EXPECT_EQ(frmCharSelect->PlaceIndex(), place);
                EXPECT_EQ(Plays(MultiSound, "/data/sdm01.dat"), 1);

                // Back out: the selection takes input again and nothing is undone.
                Press(DialogButton("Button3"));
                EXPECT_EQ(Plays(MultiSound, "/data/sdm05.dat"), 1);
                EXPECT_FALSE(frmTurnSelect->isVisible());
                EXPECT_TRUE(frmCharSelect->isEnabled());
                EXPECT_EQ(frmBattle->Flow().Opponent().soundSet, row.soundSet);
            }
        }
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(CharSelectScreen, CancelledPickLeavesNothingOfItselfInTheNextOne)
{
    ShowSelection(2);
    Press(Portrait(0, 3));
    Press(DialogButton("Button3"));
    frmCharSelect->SelectPlace(2, true);
    Press(Portrait(2, 0));
    EXPECT_EQ(Find<TLabel>(frmTurnSelect, "grpChar")->text(), QStringLiteral("ズモル棺桶"));
    EXPECT_EQ(Find<TLabel>(frmTurnSelect, "Label2")->text(), QStringLiteral("強さ ★★★"));
    EXPECT_TRUE(SamePicture(Find<TImage>(frmTurnSelect, "imgChar")->Picture(), RenderArt(QStringLiteral("imgChar20"), true)));
    EXPECT_TRUE(SamePicture(Find<TImage>(frmTurnSelect, "imgComWin")->Picture(), frmData->Picture(QStringLiteral("imgChar20w"))));
    EXPECT_TRUE(SamePicture(Find<TImage>(frmTurnSelect, "imgComLoss")->Picture(), frmData->Picture(QStringLiteral("imgChar20l"))));
    EXPECT_EQ(BrainsStrength(), expected::Strength("5/5/7"));
    EXPECT_EQ(frmBattle->Flow().Opponent().soundSet, 9);
    EXPECT_EQ(frmCharSelect->PlaceIndex(), 2);
    EXPECT_EQ(frmCharSelect->CharIndex(), 0);
}

TEST_F(CharSelectScreen, UnknownLevelLeavesTheStrengthButStillPicks)
{
    ShowSelection(7);
    MarkBrains();
    Press(Portrait(0, 0));
    EXPECT_EQ(BrainsStrength(), (StrengthParams{99, 98, 97, false}));
    EXPECT_EQ(frmBattle->Flow().Opponent().soundSet, 1);
    EXPECT_TRUE(frmTurnSelect->isVisible());
}

TEST_F(CharSelectScreen, UnreadableSpeechFileStopsThePickAndKeepsTheLastOne)
{
    ShowSelection(1);
    Press(Portrait(0, 0));
    Press(DialogButton("Button3"));
    const auto linesBefore = frmBattle->Flow().OpponentMessage.Lines();
    const StrengthParams strengthBefore = BrainsStrength();

    std::filesystem::remove(folder.Data() / "ms03.dat");
    Press(Portrait(0, 3));

    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "ファイルを開けません\n" + DataPath("/data/ms03.dat"));
    EXPECT_EQ(platform.messages[0].title, "エラー");
    EXPECT_EQ(BrainsStrength(), strengthBefore);
    EXPECT_EQ(frmBattle->Flow().Opponent().soundSet, 1);
    EXPECT_EQ(frmBattle->Flow().OpponentMessage.Lines(), linesBefore);
    EXPECT_EQ(Find<TLabel>(frmTurnSelect, "grpChar")->text(), QStringLiteral("ズモル蝸牛"));
    EXPECT_EQ(Find<TLabel>(frmTurnSelect, "Label2")->text(), QStringLiteral("強さ ★"));
    EXPECT_TRUE(SamePicture(Find<TImage>(frmTurnSelect, "imgChar")->Picture(), RenderArt(QStringLiteral("imgChar00"), true)));
    EXPECT_TRUE(SamePicture(Find<TImage>(frmTurnSelect, "imgComWin")->Picture(), frmData->Picture(QStringLiteral("imgChar00w"))));
    EXPECT_FALSE(frmTurnSelect->isVisible());
    EXPECT_TRUE(frmCharSelect->isEnabled());
    EXPECT_EQ(frmCharSelect->CharIndex(), 0);
}

TEST_P(CharSelectScreenIn, TheChickOnTheBonusStage)
{
    ShowSelection(1);
    // The chick is called as the player typed, even by a word the game
    // itself translates.
    frmCharSelect->SetChickName(QStringLiteral("ヒナ"));
    DUser->Record.SetChickName(*ToShiftJis("ヒナ"));
    Find<TPanel>(frmCharSelect, "pnlPlace4")->show();
    Press(Find<TPanel>(frmCharSelect, "pnlPlace4"));
    ASSERT_EQ(frmCharSelect->PlaceIndex(), 3);
    ASSERT_TRUE(Find<TImage>(frmCharSelect, "imgCharEgg")->isVisible());

    // The nutrition the chick hatched from gives its strength 1..5.
    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE(n);
        DUser->Record.Nutrition = n == 1 ? 0 : (n - 1) * 100 + 1;
        frmCharSelect->ShowChick(Campaign().JudgeChick());
        ASSERT_EQ(frmCharSelect->EggStrength(), n);
        MarkBrains();
        Press(Find<TImage>(frmCharSelect, "imgCharEgg"), n == 3 ? Qt::RightButton : Qt::LeftButton);
        EXPECT_EQ(BrainsStrength(), expected::Strength(expected::kChickStrength[n - 1][1]));
        EXPECT_EQ(Find<TLabel>(frmTurnSelect, "Label2")->text(), TrQ(expected::kChickCaption[n - 1]));
        EXPECT_EQ(Find<TLabel>(frmTurnSelect, "grpChar")->text(), QStringLiteral("ヒナ"));
        EXPECT_EQ(frmBattle->Flow().Opponent().name, "ヒナ");
        LookEnglish(frmCharSelect, {QStringLiteral("ヒナ")});
        LookEnglish(frmTurnSelect, {QStringLiteral("ヒナ")});
        const QPixmap chick = frmData->Picture(QStringLiteral("imgEgg%1").arg(n));
        EXPECT_TRUE(SamePicture(Find<TImage>(frmTurnSelect, "imgChar")->Picture(), RenderArt(QStringLiteral("imgEgg%1").arg(n), true)));
        EXPECT_TRUE(SamePicture(Find<TImage>(frmTurnSelect, "imgComWin")->Picture(), chick));
        EXPECT_TRUE(SamePicture(Find<TImage>(frmTurnSelect, "imgComLoss")->Picture(), chick));
        EXPECT_EQ(frmBattle->Flow().Opponent().soundSet, 5);
        EXPECT_EQ(frmCharSelect->PlaceIndex(), 3);
        EXPECT_EQ(frmCharSelect->CharIndex(), 0);
        EXPECT_FALSE(frmCharSelect->isEnabled());
        Press(DialogButton("Button3"));
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(CharSelectScreen, PlaceTabsShowOnePanelAtATime)
{
    ShowSelection(0);
    EXPECT_TRUE(PlaceTab(0)->isVisible());
    EXPECT_FALSE(PlaceTab(1)->isVisible());
    EXPECT_FALSE(PlaceTab(2)->isVisible());
    EXPECT_FALSE(PlaceTab(3)->isVisible());
    EXPECT_EQ(PlaceTab(0)->InnerBevel(), TPanel::Bevel::Lowered);
    EXPECT_EQ(PlaceTab(0)->OuterBevel(), TPanel::Bevel::None);
    EXPECT_EQ(PlaceTab(0)->Caption(), QStringLiteral("迷いの森"));
    EXPECT_EQ(PlaceTab(0)->Colour(), QColor(0xB6, 0xCF, 0xB1));
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblScore")->text(), QStringLiteral("0"));

    PlaceTab(1)->show();
    PlaceTab(2)->show();
    ForgetSounds();
    Press(PlaceTab(1));
    EXPECT_EQ(frmCharSelect->PlaceIndex(), 1);
    EXPECT_TRUE(Find(frmCharSelect, "Panel2")->isVisible());
    EXPECT_FALSE(Find(frmCharSelect, "Panel1")->isVisible());
    EXPECT_EQ(PlaceTab(1)->InnerBevel(), TPanel::Bevel::Lowered);
    EXPECT_EQ(PlaceTab(0)->InnerBevel(), TPanel::Bevel::None);
    EXPECT_EQ(PlaceTab(0)->OuterBevel(), TPanel::Bevel::Raised);
    // The same tab again: the same again, sound included.
    Press(PlaceTab(1));
    EXPECT_EQ(Plays(MultiSound, "/data/sdm01.dat"), 2);
    // All three opponent panels stand in the same place.
    EXPECT_EQ(Find(frmCharSelect, "Panel2")->geometry(), Find(frmCharSelect, "Panel1")->geometry());
    EXPECT_EQ(Find(frmCharSelect, "Panel3")->geometry(), Find(frmCharSelect, "Panel1")->geometry());

    // Only the visible panel's portraits can be pressed; the screen ignores
    // presses while disabled.
    frmCharSelect->setEnabled(false);
    Press(Portrait(1, 0));
    EXPECT_FALSE(frmTurnSelect->isVisible());
}

TEST_P(CharSelectScreenIn, QuitAsksThenSavesTheRecordAndClosesTheGame)
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
    Press(quit);
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, Tr("ゲームを終了してよろしいですか？"));
    EXPECT_EQ(platform.questions[0].title, Tr("ゲーム終了"));
    EXPECT_EQ(HasJapanese(Utf(platform.questions[0].text.c_str())), !InEnglish());
    EXPECT_EQ(HasJapanese(Utf(platform.questions[0].title.c_str())), !InEnglish());
    EXPECT_FALSE(folder.Exists("user02.usr"));
    EXPECT_TRUE(frmStart->isVisible());
    EXPECT_EQ(Plays(MultiSound, "/data/sdm01.dat"), 1);

    platform.answers = {true};
    Press(quit);
    EXPECT_EQ(folder.Read("user02.usr"), ToStoredForm(record.Image()));
    EXPECT_FALSE(frmStart->isVisible());
    EXPECT_TRUE(platform.messages.empty());
}
