// The new-game template, the slot index and the save files themselves
// missing or damaged: the game starts, says what the player is told for each,
// plays a match and saves at the end without losing any file it did not mean
// to write.
#include "damage/ui/damage_fixture.h"

#include <QPixmap>
#include <filesystem>

using damage_test::DamagedGame;
using namespace ui_test;

namespace {

PlayerRecord Saved(const std::string& stored)
{
    TDUser user;
    PlayerRecord record = user.Record;
    record.Fill(FromStoredForm(stored));
    return record;
}

PlayerRecord Game(const std::string& name, int slot, std::uint8_t figure, std::int32_t level)
{
    TDUser user;
    PlayerRecord record = user.Record;
    record.SetPlayerName(name);
    record.SetSlotNumber(slot);
    record.SetPlayerCharacter(figure);
    record.SetLevel(level);
    return record;
}

// Save files damaged in the ways a disk or another program damages them. Each
// sits in slot 2, named "Damaged" in the index.
struct DamagedSave {
    const char* what;
    std::string bytes;
};

std::vector<DamagedSave> DamagedSaves()
{
    std::string image = Game("Longer", 2, 1, 0).Image();
    return {
        {"short", std::string("Short\0\0\0\0\0\0Piyo\0\0\0\0\0\0\0\1", 23)},
        {"long", ToStoredForm(image) + std::string(300, '\x7F')},
        {"full of 0x0A", std::string(70, '\x0A')},
        {"full of 0x1A", std::string(70, '\x1A')},
        {"figure 2 and level 7", ToStoredForm(Game("Mika", 2, 2, 7).Image())},
    };
}

} // namespace

TEST_F(DamagedGame, AMissingTemplateIsReportedAndANewGameStartsFresh)
{
    std::filesystem::remove(folder.Data() / "user00.usr");
    NewGame(1, QStringLiteral("Taro"), 2);
    EXPECT_EQ(Messages(), "ダメ: ファイルを開けません\n" + DataPath("/data/user00.usr") + "\n");
    EXPECT_EQ(DUser->Record.GetNutrition(), 0);
    EXPECT_EQ(DUser->Record.GetCleared(), 0);
    platform.messages.clear();
    PlayAMatch(0, 0);
    QuitGame();
    EXPECT_EQ(Messages(), "");
    const PlayerRecord saved = Saved(folder.Read("user01.usr"));
    EXPECT_EQ(saved.GetPlayerName(), "Taro");
    EXPECT_EQ(saved.GetLevel(), 2);
    EXPECT_EQ(saved.SlotNumber, 1);
    EXPECT_EQ(SlotIndex::FromBytes(FromStoredForm(folder.Read("index.dat"))).Name(1), "Taro");
    EXPECT_FALSE(folder.Exists("user00.usr")) << "the game never writes the template";
}

TEST_F(DamagedGame, AMissingIndexBeepsAtTheStartAndIsReportedAtTheSave)
{
    std::filesystem::remove(folder.Data() / "index.dat");
    NewGame(2, QStringLiteral("Jiro"), 0);
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_TRUE(platform.questions.empty()) << "every slot reads as empty";
    PlayAMatch(0, 2);
    QuitGame();
    EXPECT_EQ(Messages(), "エラー: ファイルを開けません r\n" + DataPath("/data/index.dat") + "\n");
    EXPECT_EQ(Saved(folder.Read("user02.usr")).GetPlayerName(), "Jiro") << "the user file is saved first";
    EXPECT_FALSE(folder.Exists("index.dat")) << "the game never makes the index";
}

TEST_F(DamagedGame, AShortIndexBeepsAndIsWrittenWholeAtTheSave)
{
    SaveInSlot(1, ToStoredForm(Game("Ichiro", 1, 1, 0).Image()), "Ichiro");
    const std::string index = folder.Read("index.dat");
    folder.Write("index.dat", index.substr(0, 15));
    ContinueGame(1);
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_EQ(LoadButton(1)->text(), QStringLiteral("no-file"));
    PlayAMatch(0, 1);
    QuitGame();
    EXPECT_EQ(Messages(), "");
    const SlotIndex after = SlotIndex::FromBytes(FromStoredForm(folder.Read("index.dat")));
    EXPECT_EQ(folder.Read("index.dat").size(), SlotIndex::kSize);
    EXPECT_EQ(after.Name(1), "Ichiro");
    EXPECT_TRUE(after.IsEmpty(2));
    EXPECT_TRUE(after.IsEmpty(3));
}

TEST_F(DamagedGame, DamagedSaveFilesContinueAndPlayWithoutLosingTheOtherFiles)
{
    const std::string slot1 = ToStoredForm(Game("One", 1, 1, 0).Image());
    const std::string slot3 = ToStoredForm(Game("Three", 3, 0, 2).Image());
    for (const DamagedSave& save : DamagedSaves()) {
        SCOPED_TRACE(save.what);
        folder.CopyDeliveredData();
        SaveInSlot(1, slot1, "One");
        SaveInSlot(3, slot3, "Three");
        SaveInSlot(2, save.bytes, "Damaged");
        platform.messages.clear();

        ContinueGame(2);
        ASSERT_FALSE(HasFatalFailure());
        EXPECT_EQ(Messages(), "");
        PlayAMatch(0, 0);
        ASSERT_FALSE(HasFatalFailure());
        QuitGame();
        EXPECT_EQ(Messages(), "");
        EXPECT_EQ(folder.Read("user01.usr"), slot1);
        EXPECT_EQ(folder.Read("user03.usr"), slot3);
        const SlotIndex index = SlotIndex::FromBytes(FromStoredForm(folder.Read("index.dat")));
        EXPECT_EQ(index.Name(1), "One");
        EXPECT_EQ(index.Name(3), "Three");
    }
}

TEST_F(DamagedGame, AForeignFigureAndLevelPlayAsTheGirlOnTheHardestLevel)
{
    SaveInSlot(2, ToStoredForm(Game("Mika", 2, 2, 7).Image()), "Mika");
    ContinueGame(2);
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblDificulty")->text(), QStringLiteral("～ 難しい ～"));
    EXPECT_TRUE(SamePicture(Find<TImage>(frmCharSelect, "imgPlayer")->Picture(), frmData->Picture(QStringLiteral("imgHeroine"))));
    PlayAMatch(0, 0);
    QuitGame();
    EXPECT_EQ(Messages(), "");
    const PlayerRecord saved = Saved(folder.Read("user02.usr"));
    EXPECT_EQ(saved.GetPlayerCharacter(), 2) << "the record keeps its bytes";
    EXPECT_EQ(saved.GetLevel(), 7);
}

// A continued game belongs to the slot it was loaded from. A damaged file can
// carry any slot number (a short one none at all), and saving by that number
// would write the new-game template (slot number 0) or a file no slot reads.
TEST_F(DamagedGame, AContinuedGameIsSavedBackIntoItsOwnSlot)
{
    for (const DamagedSave& save : DamagedSaves()) {
        SCOPED_TRACE(save.what);
        folder.CopyDeliveredData();
        const std::string template_ = folder.Read("user00.usr");
        SaveInSlot(2, save.bytes, "Damaged");
        ContinueGame(2);
        ASSERT_FALSE(HasFatalFailure());
        const std::string name = DUser->Record.GetPlayerName();
        PlayAMatch(0, 0);
        ASSERT_FALSE(HasFatalFailure());
        QuitGame();
        EXPECT_EQ(folder.Read("user00.usr"), template_) << "the template was overwritten";
        const PlayerRecord saved = Saved(folder.Read("user02.usr"));
        EXPECT_EQ(saved.Image(), DUser->Record.Image()) << "the progress did not go back into slot 2";
        EXPECT_EQ(SlotIndex::FromBytes(FromStoredForm(folder.Read("index.dat"))).Name(2), name.substr(0, 10));
        std::string strays;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Data())) {
            const std::string file = entry.path().filename().string();
            if (file.rfind("user0", 0) == 0 && file.size() != 10)
                strays += file + " ";
        }
        EXPECT_EQ(strays, "") << "saved under a slot number no slot has";
        for (const auto& entry : std::filesystem::directory_iterator(folder.Data()))
            if (entry.path().filename().string().rfind("user0", 0) == 0 && entry.path().filename().string().size() != 10)
                std::filesystem::remove(entry.path());
    }
}
