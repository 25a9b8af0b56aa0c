#include "platform/data_files.h"
#include "profile/player_record.h"
#include "profile/slot_index.h"
#include "support/game_folder.h"
#include "support/recording_platform.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string IndexBytes(const std::string& one, const std::string& two, const std::string& three)
{
    SlotIndex index = SlotIndex::FromBytes("");
    index.SetName(1, one);
    index.SetName(2, two);
    index.SetName(3, three);
    return index.Bytes();
}

PlayerRecord FreshRecord()
{
    TDUser user;
    return user.Record;
}

} // namespace

TEST(PlayerRecord, ImageIsTheUserFileLayout)
{
    PlayerRecord record = FreshRecord();
    record.SetPlayerName("Taro");
    record.SetChickName("Piyo");
    record.SetPlayerCharacter(1);
    record.AddNutrition(0x01020304);
    record.SetSlotNumber(2);
    record.SetOpponentKnockDown(2, 3, 1);
    record.SetOpponentKnockDown(1, 0, 1);
    record.SetCleared(1);
    record.SetLevel(2);
    const std::string image = record.Image();
    ASSERT_EQ(image.size(), 56u);
    EXPECT_EQ(image.substr(0, 5), std::string("Taro\0", 5));
    EXPECT_EQ(image.substr(11, 5), std::string("Piyo\0", 5));
    EXPECT_EQ(image[22], 1);
    EXPECT_EQ(image.substr(24, 4), "\x04\x03\x02\x01");
    EXPECT_EQ(image.substr(28, 4), std::string("\x02\0\0\0", 4));
    EXPECT_EQ(image[32 + 4], 1);
    EXPECT_EQ(image[32 + 11], 1);
    EXPECT_EQ(image[48], 1);
    EXPECT_EQ(image.substr(52, 4), std::string("\x02\0\0\0", 4));
    // A total taken below the field's smallest value stops there.
    record.Nutrition = -2147483600;
    record.AddNutrition(-100);
    EXPECT_EQ(record.GetNutrition(), -2147483647 - 1);
}

TEST(PlayerRecord, NamesAreTrimmedAndKeepBytesAfterTheNul)
{
    PlayerRecord record = FreshRecord();
    record.SetPlayerName("abcdefghij");
    record.SetPlayerName(" \t xy \r\n");
    EXPECT_EQ(record.GetPlayerName(), "xy");
    EXPECT_EQ(std::string(record.PlayerName, 11), std::string("xy\0defghij\0", 11));
    record.SetPlayerName("   ");
    EXPECT_EQ(record.GetPlayerName(), "");
    // Five full-width characters fill the ten bytes; a sixth would split nothing.
    const std::string taro = "\x91\xBE\x98\x59\x91\xBE\x98\x59\x91\xBE\x98\x59";  // 太郎太郎太郎
    record.SetChickName(taro);
    EXPECT_EQ(record.GetChickName(), taro.substr(0, 10));
}

TEST(PlayerRecord, NameWithoutNulIsNeverReadPastItsField)
{
    PlayerRecord record = FreshRecord();
    std::memset(record.PlayerName, 'A', sizeof record.PlayerName);
    std::memset(record.ChickName, 'B', sizeof record.ChickName);
    EXPECT_EQ(record.GetPlayerName(), std::string(11, 'A'));
    EXPECT_EQ(record.GetChickName(), std::string(11, 'B'));
}

TEST(StoredForm, LineFeedsGainACarriageReturnAndOtherBytesStay)
{
    const std::string data("a\nb\r\x1A\n", 6);
    EXPECT_EQ(ToStoredForm(data), std::string("a\r\nb\r\x1A\r\n", 8));
    EXPECT_EQ(FromStoredForm(ToStoredForm(data)), data);
    EXPECT_EQ(FromStoredForm(std::string("\r\r\n\r", 4)), std::string("\r\n\r", 3));
}

class RecordFiles : public ::testing::Test {
protected:
    GameFolder folder;
    RecordingPlatform platform;
};

TEST_F(RecordFiles, NutritionOfTenIsStoredInFiftySevenBytesAndReadsBack)
{
    folder.Write("index.dat", IndexBytes("no-file", "no-file", "no-file"));
    PlayerRecord record = FreshRecord();
    record.SetPlayerName("Hana");
    record.SetSlotNumber(1);
    record.AddNutrition(10);
    record.SaveRecord();
    EXPECT_TRUE(platform.messages.empty());
    const std::string stored = folder.Read("user01.usr");
    ASSERT_EQ(stored.size(), 57u);
    EXPECT_EQ(stored.substr(24, 5), std::string("\r\n\0\0\0", 5));
    PlayerRecord loaded = FreshRecord();
    loaded.LoadRecord(1);
    EXPECT_EQ(loaded.GetNutrition(), 10);
    EXPECT_EQ(loaded.Image(), record.Image());
}

TEST_F(RecordFiles, ShortFileFillsOnlyItsBytesAndControlBytesReadAsData)
{
    PlayerRecord record = FreshRecord();
    record.SetLevel(2);
    record.AddNutrition(77);
    std::string twenty(20, 'x');
    twenty[3] = '\x1A';  // an end-of-file mark on other systems: here just a byte
    folder.Write("user02.usr", twenty);
    record.LoadRecord(2);
    EXPECT_EQ(record.Image().substr(0, 20), twenty);
    EXPECT_EQ(record.GetLevel(), 2);
    EXPECT_EQ(record.GetNutrition(), 77);
}

TEST_F(RecordFiles, MissingUserFileIsReportedAndTheRecordKept)
{
    PlayerRecord record = FreshRecord();
    record.SetLevel(1);
    const std::string before = record.Image();
    record.LoadRecord(0);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "ダメ");
    EXPECT_EQ(platform.messages[0].text, "ファイルを開けません\n" + (folder.Data() / "user00.usr").string());
    EXPECT_EQ(record.Image(), before);
}

TEST_F(RecordFiles, SavingOneSlotLeavesTheOtherColumnsByteForByte)
{
    std::string index = IndexBytes("Ichiro", "no-file", "Saburo");
    index[8] = '\x55';  // stray bytes after a NUL belong to their column
    folder.Write("index.dat", index);
    PlayerRecord record = FreshRecord();
    record.SetPlayerName("Jiro");
    record.SetSlotNumber(2);
    record.SaveRecord();
    const std::string after = FromStoredForm(folder.Read("index.dat"));
    ASSERT_EQ(after.size(), 33u);
    EXPECT_EQ(after.substr(0, 11), index.substr(0, 11));
    EXPECT_EQ(after.substr(11, 5), std::string("Jiro\0", 5));
    EXPECT_EQ(after.substr(16, 6), index.substr(16, 6)) << "bytes after the copied NUL stay";
    EXPECT_EQ(after.substr(22, 11), index.substr(22, 11));
}

TEST_F(RecordFiles, ShortIndexFileReadsUncoveredSlotsAsEmpty)
{
    folder.Write("index.dat", std::string("Ichiro\0\0\0\0\0Ji", 13));
    const auto index = ReadSlotIndex();
    ASSERT_TRUE(index);
    EXPECT_EQ(index->Name(1), "Ichiro");
    EXPECT_TRUE(index->IsEmpty(2));
    EXPECT_TRUE(index->IsEmpty(3));
}

TEST_F(RecordFiles, MissingIndexFileKeepsTheWrittenUserFileAndSaysSo)
{
    PlayerRecord record = FreshRecord();
    record.SetSlotNumber(3);
    record.SaveRecord();
    EXPECT_TRUE(folder.Exists("user03.usr"));
    EXPECT_FALSE(folder.Exists("index.dat")) << "the game never creates the index file";
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "ファイルを開けません r\n" + (folder.Data() / "index.dat").string());
    EXPECT_EQ(platform.messages[0].title, "エラー");
}

TEST_F(RecordFiles, SaveIntoAReadOnlyFolderKeepsTheOldFilesIntact)
{
    const std::string oldUser(56, 'o');
    const std::string oldIndex = IndexBytes("Old", "no-file", "no-file");
    folder.Write("user01.usr", oldUser);
    folder.Write("index.dat", oldIndex);
    namespace fs = std::filesystem;
    fs::permissions(folder.Root(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                       fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(folder.Data(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                       fs::perms::others_exec);
    // Root may write anywhere, so the save runs in a child that gives up root.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(90);
        PlayerRecord record = FreshRecord();
        record.SetPlayerName("New");
        record.SetSlotNumber(1);
        record.SaveRecord();
        const bool told = platform.messages.size() == 1 && platform.messages[0].title == "エラー" &&
                          platform.messages[0].text == "ファイルを開けません\n" + (folder.Data() / "user01.usr").string();
        ::_exit(told ? 0 : 91);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    fs::permissions(folder.Data(), fs::perms::owner_all);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed save is reported with the user file's path";
    EXPECT_EQ(folder.Read("user01.usr"), oldUser);
    EXPECT_EQ(folder.Read("index.dat"), oldIndex);
}

TEST_F(RecordFiles, FailedWriteLeavesTheOldSaveWhole)
{
    // A folder where the user file should be makes the final rename fail, which
    // is what any failed write looks like to the caller, even for root.
    std::filesystem::create_directory(folder.Data() / "user02.usr");
    folder.Write("index.dat", IndexBytes("A", "B", "C"));
    PlayerRecord record = FreshRecord();
    record.SetPlayerName("New");
    record.SetSlotNumber(2);
    record.SaveRecord();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "エラー");
    EXPECT_EQ(folder.Read("index.dat"), IndexBytes("A", "B", "C")) << "no index update after a failed user file";
    for (const auto& entry : std::filesystem::directory_iterator(folder.Data()))
        EXPECT_EQ(entry.path().filename().string().find(".usr."), std::string::npos) << "no temporary left behind";
}

TEST_F(RecordFiles, DeliveredTemplateAndIndexStartAFreshGame)
{
    folder.CopyDeliveredData();
    PlayerRecord record = FreshRecord();
    std::memset(static_cast<void*>(&record), 0x7F, sizeof record);
    record.LoadRecord(0);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(record.GetNutrition(), 0);
    EXPECT_EQ(record.GetCleared(), 0);
    for (int stage = 0; stage < 3; ++stage)
        for (int opponent = 0; opponent < 4; ++opponent)
            EXPECT_EQ(record.OpponentKnockDown(stage, opponent), 0);
    const auto index = ReadSlotIndex();
    ASSERT_TRUE(index);
    for (int slot = 1; slot <= 3; ++slot)
        EXPECT_TRUE(index->IsEmpty(slot));
}
