#include "frontend/ui/front_fixture.h"

#include "platform/data_files.h"
#include "platform/shift_jis.h"
#include "profile/slot_index.h"

#include <QAccessible>
#include <filesystem>

namespace {

// A saved game as a record; the tests write it into a slot.
PlayerRecord SavedGame(const char* name, std::uint8_t figure, std::int32_t level, std::int32_t nutrition)
{
    TDUser user;
    PlayerRecord record = user.Record;
    record.SetPlayerName(ToShiftJis(name).value());
    record.SetPlayerCharacter(figure);
    record.SetLevel(level);
    record.AddNutrition(nutrition);
    return record;
}

bool Crossed(int place, int position)
{
    // The cross's strokes meet in the middle of the portrait.
    return PixelAt(Portrait(place, position)->Picture(), 45, 45) == QColor(255, 0, 0);
}

} // namespace

class SaveSlots : public FrontEnd {
protected:
    // Writes a record into slot `slot` and its name into the slot index.
    void Save(int slot, PlayerRecord record)
    {
        record.SetSlotNumber(slot);
        ASSERT_TRUE(WriteStoredFileAtomically(UserFilePath(slot), record.Image()));
        auto index = SlotIndex::FromBytes(folder.Read("index.dat"));
        index.SetName(slot, record.GetPlayerName());
        folder.Write("index.dat", index.Bytes());
    }

    // Starts the program and goes to one of the two slot pages.
    void OpenSlotPage(bool continuing)
    {
        StartProgram();
        ASSERT_TRUE(RunTitle());
        Press(Find<TButton>(frmStart, "bitStart"));
        Press(continuing ? Find<TButton>(frmStart, "BitBtn2") : Find<TButton>(frmStart, "BitBtn1"));
        ForgetSounds();
    }

    // Which of the selection screen's four places show their tab.
    std::vector<bool> OpenTabs() const
    {
        std::vector<bool> open;
        for (int place = 0; place < 4; ++place)
            open.push_back(PlaceTab(place)->isVisibleTo(frmCharSelect));
        return open;
    }
};

TEST_F(SaveSlots, UsedSlotsShowTheirNamesInTheLargerType)
{
    Save(2, SavedGame("太郎", 1, 0, 0));
    // Ten bytes that a button or a label could take for a shortcut or markup.
    const QString typed = QStringLiteral("<b>A&B</b>");
    Save(3, SavedGame("<b>A&B</b>", 0, 0, 0));
    StartProgram();
    EXPECT_EQ(platform.beeps, 0);
    EXPECT_EQ(LoadButton(1)->text(), Utf("太郎"));
    EXPECT_EQ(SaveButton(1)->text(), Utf("太郎"));
    for (TButton* button : {LoadButton(1), SaveButton(1)}) {
        EXPECT_EQ(button->font().pixelSize(), 19);
        EXPECT_FALSE(button->font().italic());
        EXPECT_EQ(button->palette().color(QPalette::ButtonText), Find<TButton>(frmStart, "btnF")->palette().color(QPalette::ButtonText));
    }
    EXPECT_EQ(LoadButton(0)->text(), QStringLiteral("no-file"));
    EXPECT_TRUE(LoadButton(0)->font().italic());
    // The name reads as typed (what a reader hears is what the button shows),
    // and no key presses the button.
    for (TButton* button : {LoadButton(2), SaveButton(2)}) {
        EXPECT_EQ(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name).toStdString(), typed.toStdString());
        EXPECT_TRUE(button->shortcut().isEmpty());
    }
    // The template button itself lies outside the window's visible part.
    EXPECT_GE(Find<TButton>(frmStart, "btnF")->x(), frmStart->width());
    ASSERT_TRUE(RunTitle());
    Press(Find<TButton>(frmStart, "bitStart"));
    Press(Find<TButton>(frmStart, "BitBtn2"));
    Shoot(frmStart, "frontend-slots-used");

    // Continued, the name reaches the selection screen's labels as typed:
    // every label of every screen shows its text without markup.
    Press(LoadButton(2));
    ASSERT_TRUE(frmCharSelect->isVisible());
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblName")->text(), typed);
    for (QWidget* screen : std::initializer_list<QWidget*>{frmStart, frmOpening, frmCharSelect, frmTurnSelect, frmBattle})
        for (const QLabel* label : screen->findChildren<QLabel*>())
            EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
}

TEST_F(SaveSlots, NewGameOnAnEmptySlotAsksNothing)
{
    const std::string indexBefore = folder.Read("index.dat");
    OpenSlotPage(false);
    Press(SaveButton(2));
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_EQ(Effects(Effect::Click), 1);
    EXPECT_EQ(AllSounds(), 1);
    EXPECT_FALSE(frmStart->isVisible());
    EXPECT_TRUE(frmOpening->isVisible());
    // The record is the template's, for slot 3; nothing is written yet.
    EXPECT_EQ(DUser->Record.SlotNumber, 3);
    EXPECT_EQ(DUser->Record.Image().substr(0, 28), folder.Read("user00.usr").substr(0, 28));
    EXPECT_FALSE(folder.Exists("user03.usr"));
    EXPECT_EQ(folder.Read("index.dat"), indexBefore);
}

TEST_F(SaveSlots, NewGameOnAUsedSlotAsksFirst)
{
    Save(1, SavedGame("Old", 1, 2, 300));
    const std::string saved = folder.Read("user01.usr");

    // No: a click, and the page stays as it was.
    platform.answers = {false};
    OpenSlotPage(false);
    DUser->Record.SetSlotNumber(0);
    Press(SaveButton(0));
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, "保存場所１番のデータは消去されます。\nよろしいですか？");
    EXPECT_EQ(platform.questions[0].title, "消去します");
    EXPECT_EQ(Effects(Effect::Click), 2);  // the press and the answer
    EXPECT_TRUE(Find<TPanel>(frmStart, "Panel3")->isVisible());
    EXPECT_FALSE(frmOpening->isVisible());
    EXPECT_EQ(DUser->Record.SlotNumber, 0);

    // Yes: the template record goes to the opening; the old save stays on disk.
    platform.answers = {true};
    Press(SaveButton(0));
    ASSERT_EQ(platform.questions.size(), 2u);
    EXPECT_TRUE(frmOpening->isVisible());
    EXPECT_FALSE(frmStart->isVisible());
    EXPECT_EQ(DUser->Record.SlotNumber, 1);
    EXPECT_EQ(DUser->Record.GetNutrition(), 0);
    EXPECT_EQ(folder.Read("user01.usr"), saved);
}

TEST_F(SaveSlots, EachSlotAsksWithItsOwnNumber)
{
    for (int slot = 1; slot <= 3; ++slot)
        Save(slot, SavedGame("Someone", 0, 0, 0));
    platform.answers = {false, false, false};
    OpenSlotPage(false);
    for (int slot = 0; slot < 3; ++slot)
        Press(SaveButton(slot));
    ASSERT_EQ(platform.questions.size(), 3u);
    EXPECT_EQ(platform.questions[1].text, "保存場所２番のデータは消去されます。\nよろしいですか？");
    EXPECT_EQ(platform.questions[2].text, "保存場所３番のデータは消去されます。\nよろしいですか？");
}

TEST_F(SaveSlots, ContinuingAFreshGame)
{
    Save(3, SavedGame("花子", 0, 1, 0));
    OpenSlotPage(true);
    Press(LoadButton(2));
    EXPECT_FALSE(frmStart->isVisible());
    EXPECT_TRUE(frmCharSelect->isVisible());
    EXPECT_EQ(Effects(Effect::Click), 1);
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblDificulty")->text(), Utf("～普通 ～"));
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblName")->text(), Utf("花子"));
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblName2")->text(), Utf("花子"));
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblScore")->text(), QStringLiteral("0"));
    EXPECT_TRUE(SamePicture(Find<TImage>(frmCharSelect, "imgPlayer")->Picture(), frmData->Picture(QStringLiteral("imgHeroine"))));
    EXPECT_EQ(OpenTabs(), (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(frmCharSelect->PlaceIndex(), 0);
    for (int place = 0; place < 3; ++place)
        for (int position = 0; position < 4; ++position)
            EXPECT_FALSE(Crossed(place, position));
    EXPECT_TRUE(Find<TPanel>(frmCharSelect, "pnlEgg")->isVisibleTo(frmCharSelect));
    EXPECT_FALSE(Find<TPanel>(frmCharSelect, "pnlClear")->isVisibleTo(frmCharSelect));
    EXPECT_TRUE(Find<TImage>(frmCharSelect, "imgEgg")->isVisibleTo(frmCharSelect));
    // The record is the slot's, to be saved back into it.
    EXPECT_EQ(DUser->Record.SlotNumber, 3);
}

TEST_F(SaveSlots, ContinuingAfterTheFirstStageOpensTheSecondPlace)
{
    PlayerRecord record = SavedGame("Taro", 1, 0, 123);
    for (int opponent = 0; opponent < 4; ++opponent)
        record.SetOpponentKnockDown(0, opponent, 1);
    record.SetOpponentKnockDown(1, 2, 1);
    Save(1, record);
    OpenSlotPage(true);
    const int xBefore = Find<TImage>(frmCharSelect, "imgPlayer")->x();
    Press(LoadButton(0));
    EXPECT_TRUE(frmCharSelect->isVisible());
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblDificulty")->text(), Utf("～ やさしい ～"));
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblScore")->text(), QStringLiteral("123"));
    EXPECT_TRUE(SamePicture(Find<TImage>(frmCharSelect, "imgPlayer")->Picture(), frmData->Picture(QStringLiteral("imgHelo"))));
    EXPECT_EQ(Find<TImage>(frmCharSelect, "imgPlayer")->x(), xBefore);
    for (int position = 0; position < 4; ++position)
        EXPECT_TRUE(Crossed(0, position));
    EXPECT_TRUE(Crossed(1, 2));
    EXPECT_FALSE(Crossed(1, 0));
    EXPECT_FALSE(Crossed(2, 0));
    EXPECT_EQ(OpenTabs(), (std::vector<bool>{true, true, false, false}));
    // The furthest place reached is selected.
    EXPECT_EQ(frmCharSelect->PlaceIndex(), 1);
    EXPECT_EQ(PlaceTab(1)->InnerBevel(), TPanel::Bevel::Lowered);
    EXPECT_EQ(PlaceTab(0)->InnerBevel(), TPanel::Bevel::None);
    EXPECT_TRUE(frmCharSelect->findChild<QWidget*>(QStringLiteral("Panel2"))->isVisibleTo(frmCharSelect));
    EXPECT_FALSE(frmCharSelect->findChild<QWidget*>(QStringLiteral("Panel1"))->isVisibleTo(frmCharSelect));
    EXPECT_EQ(Effects(Effect::Click), 1);  // the press; selecting the place makes no sound
    EXPECT_FALSE(Find<TPanel>(frmCharSelect, "pnlClear")->isVisibleTo(frmCharSelect));
}

TEST_F(SaveSlots, ContinuingAClearedGameOpensTheColosseum)
{
    PlayerRecord record = SavedGame("Taro", 1, 2, 401);
    for (int stage = 0; stage < 3; ++stage)
        for (int opponent = 0; opponent < 4; ++opponent)
            record.SetOpponentKnockDown(stage, opponent, 1);
    record.SetCleared(1);
    record.SetChickName(ToShiftJis("ピヨ").value());
    Save(2, record);
    OpenSlotPage(true);
    Press(LoadButton(1));
    EXPECT_TRUE(frmCharSelect->isVisible());
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblDificulty")->text(), Utf("～ 難しい ～"));
    for (int place = 0; place < 3; ++place)
        for (int position = 0; position < 4; ++position)
            EXPECT_TRUE(Crossed(place, position));
    EXPECT_EQ(OpenTabs(), (std::vector<bool>{true, true, true, true}));
    EXPECT_EQ(frmCharSelect->PlaceIndex(), 3);
    EXPECT_EQ(PlaceTab(3)->InnerBevel(), TPanel::Bevel::Lowered);
    EXPECT_TRUE(frmCharSelect->findChild<QWidget*>(QStringLiteral("Panel4"))->isVisibleTo(frmCharSelect));
    EXPECT_FALSE(Find<TImage>(frmCharSelect, "imgEgg")->isVisibleTo(frmCharSelect));
    EXPECT_EQ(Find<TImage>(frmCharSelect, "imgPlayer")->x(), 384);
    EXPECT_FALSE(Find<TPanel>(frmCharSelect, "pnlEgg")->isVisibleTo(frmCharSelect));
    EXPECT_TRUE(Find<TPanel>(frmCharSelect, "pnlClear")->isVisibleTo(frmCharSelect));
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblEggName")->text(), Utf("ピヨ"));
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblEiyou")->text(), Utf("栄養：401"));
    EXPECT_EQ(frmCharSelect->EggStrength(), 5);
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblTuyosa")->text(), Utf("強さ：★★★★★"));
    EXPECT_TRUE(SamePicture(Find<TImage>(frmCharSelect, "imgCharEgg")->Picture(), frmData->Picture(QStringLiteral("imgEgg5"))));
}

TEST_F(SaveSlots, APlayerNamedNoFileIsAnEmptySlot)
{
    Save(1, SavedGame("no-file", 1, 0, 0));
    OpenSlotPage(true);
    EXPECT_TRUE(LoadButton(0)->font().italic());
    Press(LoadButton(0));
    EXPECT_FALSE(frmCharSelect->isVisible());
    EXPECT_TRUE(frmStart->isVisible());
}

TEST_F(SaveSlots, AnEmptyNameKeepsItsSlotReadable)
{
    // The girl figure accepts a name of blanks: it is saved as an empty name.
    Save(1, SavedGame("", 0, 0, 42));
    OpenSlotPage(true);
    EXPECT_EQ(LoadButton(0)->text(), Utf("（名前なし）"));
    EXPECT_EQ(SaveButton(0)->text(), Utf("（名前なし）"));
    EXPECT_FALSE(LoadButton(0)->font().italic());
    Press(LoadButton(0));
    EXPECT_TRUE(frmCharSelect->isVisible());
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblName")->text(), QString());
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblScore")->text(), QStringLiteral("42"));
}

TEST_F(SaveSlots, MissingIndexBeepsOnceAndLeavesNewGamesPossible)
{
    std::filesystem::remove(folder.Data() / "index.dat");
    OpenSlotPage(false);
    EXPECT_EQ(platform.beeps, 1);
    for (int slot = 0; slot < 3; ++slot) {
        EXPECT_EQ(LoadButton(slot)->text(), QStringLiteral("no-file"));
        EXPECT_EQ(SaveButton(slot)->text(), QStringLiteral("no-file"));
        EXPECT_TRUE(SaveButton(slot)->font().italic());
    }
    Press(SaveButton(1));
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_TRUE(frmOpening->isVisible());
    EXPECT_EQ(DUser->Record.SlotNumber, 2);
    EXPECT_EQ(platform.beeps, 1);
}

TEST_F(SaveSlots, ShortOrUnreadableIndexBeepsOnce)
{
    // 22 bytes cover slots 1 and 2; slot 3 reads as empty.
    auto index = SlotIndex::FromBytes("");
    index.SetName(1, "Aki");
    index.SetName(2, "Ben");
    folder.Write("index.dat", index.Bytes().substr(0, 22));
    StartProgram();
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_EQ(LoadButton(0)->text(), QStringLiteral("Aki"));
    EXPECT_EQ(LoadButton(1)->text(), QStringLiteral("Ben"));
    EXPECT_EQ(LoadButton(2)->text(), QStringLiteral("no-file"));
    EXPECT_TRUE(LoadButton(2)->font().italic());

    // Half a column: that slot is not covered either.
    folder.Write("index.dat", index.Bytes().substr(0, 16));
    platform.beeps = 0;
    StartProgram();
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_EQ(LoadButton(0)->text(), QStringLiteral("Aki"));
    EXPECT_EQ(LoadButton(1)->text(), QStringLiteral("no-file"));

    // A folder where the file should be cannot be read.
    std::filesystem::remove(folder.Data() / "index.dat");
    std::filesystem::create_directory(folder.Data() / "index.dat");
    platform.beeps = 0;
    StartProgram();
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_EQ(LoadButton(0)->text(), QStringLiteral("no-file"));

    // A whole file that stores a 0x0A byte as 0x0D 0x0A is complete.
    std::filesystem::remove(folder.Data() / "index.dat");
    index.SetName(3, "\n");
    folder.Write("index.dat", ToStoredForm(index.Bytes()));
    platform.beeps = 0;
    StartProgram();
    EXPECT_EQ(platform.beeps, 0);
    EXPECT_EQ(LoadButton(2)->text(), QStringLiteral("\n"));
}
