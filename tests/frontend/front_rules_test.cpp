#include "campaign/roster.h"
#include "campaign/selection.h"
#include "frontend/name_rules.h"
#include "frontend/opening_script.h"
#include "frontend/slot_rules.h"
#include "frontend/title_sequence.h"
#include "platform/data_files.h"
#include "platform/shift_jis.h"
#include "profile/player_record.h"
#include "support/game_folder.h"

#include <gtest/gtest.h>

using namespace frontend;

namespace {

PlayerRecord Blank()
{
    TDUser user;
    return user.Record;
}

} // namespace

TEST(NameRules, BoxesCountShiftJisBytes)
{
    EXPECT_EQ(CheckNameInput(""), NameInput::Fits);
    EXPECT_EQ(CheckNameInput("abcdefghij"), NameInput::Fits);
    EXPECT_EQ(CheckNameInput("abcdefghijk"), NameInput::TooLong);
    EXPECT_EQ(CheckNameInput("太郎太郎太"), NameInput::Fits);
    EXPECT_EQ(CheckNameInput("太郎太郎太郎"), NameInput::TooLong);
    EXPECT_EQ(CheckNameInput("ｱｲｳｴｵｶｷｸｹｺ"), NameInput::Fits);     // ten half-width kana, one byte each
    EXPECT_EQ(CheckNameInput("太郎太郎太a"), NameInput::TooLong);
    EXPECT_EQ(CheckNameInput("　　　　　"), NameInput::Fits);      // five full-width blanks
}

TEST(NameRules, CharactersWithoutAShiftJisCodeAreRefused)
{
    EXPECT_EQ(CheckNameInput("ピヨ😀"), NameInput::Unstorable);
    EXPECT_EQ(CheckNameInput("한"), NameInput::Unstorable);
    EXPECT_EQ(CheckNameInput("é"), NameInput::Unstorable);
    EXPECT_EQ(CheckNameInput("中文"), NameInput::Fits);  // kanji Japanese shares
    EXPECT_EQ(CheckNameInput("Ωж"), NameInput::Fits);
    // Refusal wins over length: an overlong text with an emoji is unstorable.
    EXPECT_EQ(CheckNameInput("abcdefghijk😀"), NameInput::Unstorable);
}

TEST(NameRules, StoredBytesLeaveOutWhatCannotBeStored)
{
    EXPECT_EQ(NameBytes("太郎"), ToShiftJis("太郎").value());
    EXPECT_EQ(NameBytes("ピ😀ヨ"), ToShiftJis("ピヨ").value());
    EXPECT_EQ(NameBytes("😀"), "");
    // A broken UTF-8 byte is dropped, not turned into garbage.
    EXPECT_EQ(NameBytes("a\xff" "b"), "ab");
    // The record trims and cuts what it is given.
    PlayerRecord record = Blank();
    record.SetPlayerName(NameBytes(" ピヨピヨピヨ "));
    EXPECT_EQ(record.GetPlayerName(), ToShiftJis("ピヨピヨピ").value());
}

TEST(NameRules, BlankNames)
{
    EXPECT_TRUE(IsBlankName(""));
    EXPECT_TRUE(IsBlankName("  \t "));
    EXPECT_FALSE(IsBlankName(" a "));
    // A full-width blank is a character like any other when a name is stored.
    EXPECT_FALSE(IsBlankName("　"));
}

TEST(TitleSequence, EveryStepLeadsOnAndTheTitleEndsWithTheStartButton)
{
    // Following the steps from 0 reaches the last one in exactly the listed
    // order; every glyph appears once, 6 and 7 on the same tick.
    int step = 0;
    std::vector<int> glyphOrder;
    int ticks = 0;
    while (const TitleTick* row = FindTitleStep(step)) {
        ++ticks;
        for (int glyph : row->glyphs)
            if (glyph)
                glyphOrder.push_back(glyph);
        if (row->finish)
            break;
        ASSERT_NE(row->next, step);
        step = row->next;
    }
    EXPECT_EQ(ticks, 10);
    EXPECT_EQ(glyphOrder, (std::vector<int>{1, 2, 3, 4, 5, 7, 6}));
    EXPECT_EQ(FindTitleStep(240), nullptr);
    EXPECT_EQ(FindTitleStep(155), nullptr);
    // The logo settles on its last step.
    EXPECT_EQ(FindLogoStep(30)->next, 30);
    EXPECT_EQ(FindLogoStep(10)->action, LogoAction::Chime);
}

TEST(OpeningScript, LevelCaptionsDifferBetweenOpeningAndContinue)
{
    EXPECT_EQ(campaign::OpeningLevelCaption(1), "～ 普通 ～");
    EXPECT_EQ(campaign::ContinueLevelCaption(1), "～普通 ～");
    EXPECT_EQ(campaign::ContinueLevelCaption(0), "～ やさしい ～");
    EXPECT_EQ(campaign::ContinueLevelCaption(2), "～ 難しい ～");
    EXPECT_EQ(campaign::ContinueLevelCaption(-1), "～ 難しい ～");
    EXPECT_EQ(campaign::ContinueLevelCaption(7), "～ 難しい ～");
    EXPECT_EQ(Greeting("太郎"), "ようこそ 太郎さん");
    EXPECT_EQ(Greeting(""), "ようこそ さん");
}

TEST(OpeningScript, HatchingTakesElevenTicksAndTheEggComesBack)
{
    int step = 0;
    int x = 0;
    int ticks = 0;
    for (;;) {
        const HatchStep* row = FindHatchStep(step);
        ASSERT_NE(row, nullptr);
        ++ticks;
        if (row->action == HatchAction::WobbleRight)
            x += kEggWobblePixels;
        if (row->action == HatchAction::WobbleLeft)
            x -= kEggWobblePixels;
        if (row->action == HatchAction::Hatch) {
            EXPECT_EQ(ticks, 10);  // 3.0 seconds after the start
        }
        if (row->action == HatchAction::Stop)
            break;
        step = row->next;
    }
    EXPECT_EQ(ticks, 11);
    EXPECT_EQ(x, 0);
}

TEST(OpeningScript, VerdictAtTheStrengthBorders)
{
    EXPECT_STREQ(VerdictFor(campaign::EggStrength(100)).line1, "しかし、栄養は");
    EXPECT_STREQ(VerdictFor(campaign::EggStrength(101)).line1, "なんとかヒナは");
    EXPECT_STREQ(VerdictFor(campaign::EggStrength(300)).line1, "無事にヒナが");
    EXPECT_STREQ(VerdictFor(campaign::EggStrength(400)).line1, "元気なヒナが");
    EXPECT_STREQ(VerdictFor(campaign::EggStrength(401)).line2, "　　　かえったようです！");
    EXPECT_EQ(campaign::ChickPictureId(campaign::EggStrength(-5)), "imgEgg1");
    EXPECT_EQ(campaign::ChickPictureId(campaign::EggStrength(1000)), "imgEgg5");
    EXPECT_EQ(campaign::NutritionCaption(-3), "栄養：-3");
}

TEST(SlotRules, ContinuePlanOpensPlacesByWholeStagesOnly)
{
    PlayerRecord record = Blank();
    // Stage 1 complete while stage 0 is not: the third place opens alone.
    for (int opponent = 0; opponent < 4; ++opponent)
        record.SetOpponentKnockDown(1, opponent, 1);
    record.SetOpponentKnockDown(0, 3, 1);
    // A byte other than 1 is not a defeat.
    record.SetOpponentKnockDown(0, 0, 2);
    campaign::ContinuePlan plan = campaign::PlanContinue(record);
    EXPECT_FALSE(plan.openPlace2);
    EXPECT_TRUE(plan.openPlace3);
    EXPECT_EQ(plan.selectPlace, 2);
    EXPECT_EQ(plan.crosses, (std::vector<std::pair<int, int>>{{0, 3}, {1, 0}, {1, 1}, {1, 2}, {1, 3}}));
    EXPECT_FALSE(plan.cleared);
    EXPECT_EQ(plan.chickName, "");

    record.SetOpponentKnockDown(0, 0, 1);
    record.SetOpponentKnockDown(0, 1, 1);
    record.SetOpponentKnockDown(0, 2, 1);
    EXPECT_EQ(campaign::PlanContinue(record).selectPlace, 2);

    // Cleared wins over everything, even with a stage left unbeaten (a foreign file).
    record.SetCleared(1);
    record.AddNutrition(301);
    record.SetChickName(ToShiftJis("ピヨ").value());
    record.SetPlayerCharacter(2);
    plan = campaign::PlanContinue(record);
    EXPECT_EQ(plan.selectPlace, 3);
    EXPECT_EQ(plan.chickName, "ピヨ");
    EXPECT_EQ(plan.nutrition, 301);
    const campaign::ChickPanel chick = campaign::ChickPanelFor(plan.nutrition);
    EXPECT_EQ(chick.eggStrength, 4);
    EXPECT_EQ(chick.strengthCaption, "強さ：★★★★");
    EXPECT_EQ(chick.picture, "imgEgg4");
    EXPECT_EQ(chick.nutritionCaption, "栄養：301");
    EXPECT_EQ(plan.playerPicture, "imgHeroine");  // any figure but 1 is the girl

    record.SetCleared(2);
    EXPECT_FALSE(campaign::PlanContinue(record).cleared);
}

TEST(SlotRules, SlotLabelsAndQuestions)
{
    SlotIndex index = SlotIndex::FromBytes("");
    index.SetName(1, ToShiftJis("太郎").value());
    index.SetName(2, "");
    EXPECT_EQ(LabelForSlot(index, 1).caption, "太郎");
    EXPECT_TRUE(LabelForSlot(index, 1).used);
    EXPECT_EQ(LabelForSlot(index, 2).caption, kNamelessSlot);
    EXPECT_TRUE(LabelForSlot(index, 2).used);
    EXPECT_EQ(LabelForSlot(index, 3).caption, "no-file");
    EXPECT_FALSE(LabelForSlot(index, 3).used);
    // Only the exact text marks an empty slot.
    index.SetName(3, "No-file");
    EXPECT_TRUE(LabelForSlot(index, 3).used);
    EXPECT_EQ(EraseQuestion(2), "保存場所２番のデータは消去されます。\nよろしいですか？");
}

TEST(SlotRules, TitleReadsTheIndexAndNoticesWhatIsMissing)
{
    GameFolder folder;
    EXPECT_FALSE(ReadTitleSlots().complete);
    folder.Write("index.dat", std::string(32, 'x'));
    EXPECT_FALSE(ReadTitleSlots().complete);
    SlotIndex index = SlotIndex::FromBytes("");
    folder.Write("index.dat", index.Bytes());
    EXPECT_TRUE(ReadTitleSlots().complete);
    // A stored 0x0D 0x0A pair is one byte of the index: 34 stored bytes hold 33.
    index.SetName(1, "a\nb");
    folder.Write("index.dat", ToStoredForm(index.Bytes()));
    const TitleSlots reading = ReadTitleSlots();
    EXPECT_TRUE(reading.complete);
    EXPECT_EQ(reading.index.Name(1), "a\nb");
    EXPECT_EQ(reading.index.Name(3), "no-file");
}
