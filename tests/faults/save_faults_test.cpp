// Saving when the disk says no: a read-only folder or file, a full file system.
// Whatever fails, the user file and the slot index file hold either all of
// their old bytes or all of their new ones, the player is told with the
// game's message, and no half-written file is left where the game reads.
#include "faults/fault_harness.h"
#include "platform/data_files.h"
#include "profile/player_record.h"
#include "profile/slot_index.h"
#include "support/game_folder.h"
#include "support/recording_platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string kCannotOpen = "ファイルを開けません\n";
const std::string kCannotOpenIndex = "ファイルを開けません r\n";

PlayerRecord Record(const std::string& name, int slot, int nutrition)
{
    TDUser user;
    PlayerRecord record = user.Record;
    record.SetPlayerName(name);
    record.SetSlotNumber(slot);
    record.AddNutrition(nutrition);
    record.SetLevel(1);
    return record;
}

std::string IndexWith(const std::string& one, const std::string& two, const std::string& three)
{
    SlotIndex index = SlotIndex::FromBytes("");
    index.SetName(1, one);
    index.SetName(2, two);
    index.SetName(3, three);
    return index.Bytes();
}

// Everything in the data folder besides the game's own files and the filler
// of a full disk.
std::string Strays(const fs::path& data, const std::vector<std::string>& expected)
{
    std::string strays;
    for (const std::string& name : faults::FilesIn(data))
        if (std::find(expected.begin(), expected.end(), name) == expected.end())
            strays += name + " ";
    return strays;
}

// Root may write anywhere: the tests that need permissions to count give the
// data folder and its files to an unprivileged user, whom the saving child
// then becomes.
void GiveAwayWhenRoot(const fs::path& data)
{
    if (::geteuid() != 0)
        return;
    ASSERT_EQ(::chmod(data.parent_path().c_str(), 0755), 0);  // the game folder itself
    ASSERT_EQ(::chown(data.c_str(), 65534, 65534), 0);
    for (const auto& entry : fs::directory_iterator(data))
        ASSERT_EQ(::chown(entry.path().c_str(), 65534, 65534), 0);
}

// What one message box said, for comparing.
std::string Said(const RecordingPlatform& platform)
{
    std::string said;
    for (const auto& message : platform.messages)
        said += message.title + ": " + message.text + "\n";
    return said;
}

class SaveFaults : public ::testing::Test {
protected:
    // The old save: slot 1 holds "Old" (its nutrition 10 is stored with an
    // extra byte), the index names it.
    void WriteOldSave()
    {
        oldUser = ToStoredForm(Record("Old", 1, 10).Image());
        oldIndex = IndexWith("Old", "no-file", "Keep");
        folder.Write("user01.usr", oldUser);
        folder.Write("index.dat", oldIndex);
    }

    GameFolder folder;
    RecordingPlatform platform;
    std::string oldUser;
    std::string oldIndex;
};

} // namespace

TEST_F(SaveFaults, ReadOnlyFolderKeepsBothFilesAndNamesTheUserFile)
{
    WriteOldSave();
    GiveAwayWhenRoot(folder.Data());
    ::chmod(folder.Data().c_str(), 0555);
    const std::string report = faults::InChild([&] {
        std::string failures;
        if (!faults::DropRoot())
            return std::string("cannot give up root\n");
        Record("New", 1, 300).SaveRecord();
        FAULT_CHECK(failures, Said(platform) == "エラー: " + kCannotOpen + (folder.Data() / "user01.usr").string() + "\n",
                    "one message naming the user file: " + Said(platform));
        return failures;
    });
    ::chmod(folder.Data().c_str(), 0755);
    EXPECT_EQ(report, "");
    EXPECT_EQ(folder.Read("user01.usr"), oldUser);
    EXPECT_EQ(folder.Read("index.dat"), oldIndex);
    EXPECT_EQ(Strays(folder.Data(), {"index.dat", "user01.usr"}), "");
}

TEST_F(SaveFaults, ReadOnlyUserFileIsNotReplaced)
{
    // The player made the save read-only: like a file that cannot be opened
    // for writing, it stays as it is and the index is not touched.
    WriteOldSave();
    GiveAwayWhenRoot(folder.Data());
    ::chmod((folder.Data() / "user01.usr").c_str(), 0444);
    const std::string report = faults::InChild([&] {
        std::string failures;
        if (!faults::DropRoot())
            return std::string("cannot give up root\n");
        Record("New", 1, 300).SaveRecord();
        FAULT_CHECK(failures, Said(platform) == "エラー: " + kCannotOpen + (folder.Data() / "user01.usr").string() + "\n",
                    "one message naming the user file: " + Said(platform));
        return failures;
    });
    EXPECT_EQ(report, "");
    EXPECT_EQ(folder.Read("user01.usr"), oldUser);
    EXPECT_EQ(folder.Read("index.dat"), oldIndex);
    EXPECT_EQ(Strays(folder.Data(), {"index.dat", "user01.usr"}), "");
}

TEST_F(SaveFaults, ReadOnlyIndexFileKeepsItsNamesWhileTheUserFileIsSaved)
{
    WriteOldSave();
    GiveAwayWhenRoot(folder.Data());
    ::chmod((folder.Data() / "index.dat").c_str(), 0444);
    const PlayerRecord saved = Record("New", 1, 300);
    const std::string report = faults::InChild([&] {
        std::string failures;
        if (!faults::DropRoot())
            return std::string("cannot give up root\n");
        PlayerRecord(saved).SaveRecord();
        FAULT_CHECK(failures,
                    Said(platform) == "エラー: " + kCannotOpenIndex + (folder.Data() / "index.dat").string() + "\n",
                    "one message naming the index file: " + Said(platform));
        return failures;
    });
    EXPECT_EQ(report, "");
    EXPECT_EQ(FromStoredForm(folder.Read("user01.usr")), saved.Image());
    EXPECT_EQ(folder.Read("index.dat"), oldIndex);
    EXPECT_EQ(Strays(folder.Data(), {"index.dat", "user01.usr"}), "");
}

class FullDisk : public SaveFaults {
protected:
    void SetUp() override
    {
        std::string why;
        if (!faults::CanMount(why))
            GTEST_SKIP() << "full file system tests skipped: " << why;
    }

    // Runs `body` in a child with a 64 KiB tmpfs over the data folder (which
    // starts empty there); the files the body leaves are copied back out into
    // `after` as name -> bytes.
    std::string OnSmallDisk(const std::function<std::string()>& body)
    {
        return faults::InChild([&] {
            const std::string failure = faults::MountSmallTmpfs(folder.Data(), 64 * 1024);
            if (!failure.empty())
                return failure + "\n";
            return body();
        });
    }
};

TEST_F(FullDisk, NoRoomForTheUserFileKeepsTheOldSaveAndSaysSo)
{
    const PlayerRecord saved = Record("New", 1, 300);
    const std::string report = OnSmallDisk([&] {
        std::string failures;
        WriteOldSave();
        FAULT_CHECK(failures, faults::FillFileSystem(folder.Data(), "filler", 0), "the disk fills up");
        PlayerRecord(saved).SaveRecord();
        FAULT_CHECK(failures, Said(platform) == "エラー: " + kCannotOpen + (folder.Data() / "user01.usr").string() + "\n",
                    "one message naming the user file: " + Said(platform));
        FAULT_CHECK(failures, folder.Read("user01.usr") == oldUser, "the old user file is whole");
        FAULT_CHECK(failures, folder.Read("index.dat") == oldIndex, "the index is untouched");
        FAULT_CHECK(failures, Strays(folder.Data(), {"filler", "index.dat", "user01.usr"}).empty(),
                    "left behind: " + Strays(folder.Data(), {"filler", "index.dat", "user01.usr"}));
        // With room again the same save goes through.
        fs::remove(folder.Data() / "filler");
        platform.messages.clear();
        PlayerRecord(saved).SaveRecord();
        FAULT_CHECK(failures, platform.messages.empty(), "saves once there is room: " + Said(platform));
        FAULT_CHECK(failures, FromStoredForm(folder.Read("user01.usr")) == saved.Image(), "the new save is written");
        FAULT_CHECK(failures, folder.Read("index.dat") == IndexWith("New", "no-file", "Keep"), "the index names it");
        return failures;
    });
    EXPECT_EQ(report, "");
}

TEST_F(FullDisk, RoomForTheUserFileOnlyKeepsTheOldIndexAndSaysSo)
{
    // A first save into slot 2: one page is free, the new user file takes it,
    // and nothing is left for the new index.
    const PlayerRecord saved = Record("New", 2, 300);
    const std::string report = OnSmallDisk([&] {
        std::string failures;
        WriteOldSave();
        FAULT_CHECK(failures, faults::FillFileSystem(folder.Data(), "filler", 4096), "the disk fills up");
        PlayerRecord(saved).SaveRecord();
        FAULT_CHECK(failures,
                    Said(platform) == "エラー: " + kCannotOpenIndex + (folder.Data() / "index.dat").string() + "\n",
                    "one message naming the index file: " + Said(platform));
        FAULT_CHECK(failures, FromStoredForm(folder.Read("user02.usr")) == saved.Image(), "the user file is saved");
        FAULT_CHECK(failures, folder.Read("user01.usr") == oldUser, "the other slot is untouched");
        FAULT_CHECK(failures, folder.Read("index.dat") == oldIndex, "the old index is whole");
        const std::vector<std::string> expected{"filler", "index.dat", "user01.usr", "user02.usr"};
        FAULT_CHECK(failures, Strays(folder.Data(), expected).empty(), "left behind: " + Strays(folder.Data(), expected));
        return failures;
    });
    EXPECT_EQ(report, "");
}

TEST_F(FullDisk, ANearlyFullDiskStillTakesASaveOverAnOldOne)
{
    // One free page: the new user file takes it, the old one's page comes
    // free when the new one replaces it, and the index has room again.
    const PlayerRecord saved = Record("New", 1, 300);
    const std::string report = OnSmallDisk([&] {
        std::string failures;
        WriteOldSave();
        FAULT_CHECK(failures, faults::FillFileSystem(folder.Data(), "filler", 4096), "the disk fills up");
        PlayerRecord(saved).SaveRecord();
        FAULT_CHECK(failures, platform.messages.empty(), "no message: " + Said(platform));
        FAULT_CHECK(failures, FromStoredForm(folder.Read("user01.usr")) == saved.Image(), "the user file is saved");
        FAULT_CHECK(failures, folder.Read("index.dat") == IndexWith("New", "no-file", "Keep"), "the index names it");
        return failures;
    });
    EXPECT_EQ(report, "");
}
