// Damaged save files and data files, read by the game's own readers: what
// each kind of damage does to the record, what a continued game would then
// show, and that whatever lies in a file's place is reported as the game
// reports a file it cannot read, never read whole and never waited on.
#include "campaign/selection.h"
#include "frontend/slot_rules.h"
#include "platform/data_files.h"
#include "profile/player_record.h"
#include "profile/slot_index.h"
#include "support/game_folder.h"
#include "support/recording_platform.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace {

PlayerRecord Patterned()
{
    PlayerRecord record;
    std::memset(static_cast<void*>(&record), 0x5A, sizeof record);
    return record;
}

class DamagedFiles : public ::testing::Test {
protected:
    GameFolder folder;
    RecordingPlatform platform;
};

} // namespace

TEST_F(DamagedFiles, ShortAndLongUserFilesFillOnlyTheRecord)
{
    // Short: only its bytes change.
    folder.Write("user01.usr", "Hana");
    PlayerRecord record = Patterned();
    record.LoadRecord(1);
    EXPECT_EQ(record.Image(), "Hana" + std::string(52, '\x5A'));
    EXPECT_EQ(record.GetPlayerName(), "Hana" + std::string(7, '\x5A')) << "no NUL: the whole field, never past it";

    // Empty: nothing changes, and nothing is said.
    folder.Write("user01.usr", "");
    record = Patterned();
    record.LoadRecord(1);
    EXPECT_EQ(record.Image(), std::string(56, '\x5A'));

    // Long: the first 56 bytes (after the line ends are undone) make the
    // record, the rest is ignored.
    std::string image(56, '\0');
    image.replace(0, 4, "Taro");
    image[52] = 2;
    folder.Write("user01.usr", ToStoredForm(image + "\n\n" + std::string(4000, 'z')));
    record = Patterned();
    record.LoadRecord(1);
    EXPECT_EQ(record.Image(), image);
    // The longest a record can be stored: every byte 0x0A, 112 bytes.
    folder.Write("user01.usr", ToStoredForm(std::string(60, '\n')));
    record.LoadRecord(1);
    EXPECT_EQ(record.Image(), std::string(56, '\n'));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DamagedFiles, LineFeedAndEndOfFileBytesAreJustData)
{
    // A file of nothing but 0x0A bytes (no 0x0D before them), and one of 0x1A
    // bytes, which other systems take for an end-of-file mark.
    for (const char filler : {'\x0A', '\x1A'}) {
        folder.Write("user02.usr", std::string(80, filler));
        PlayerRecord record = Patterned();
        record.LoadRecord(2);
        EXPECT_EQ(record.Image(), std::string(56, filler));
        const std::int32_t expected = static_cast<std::int32_t>(0x01010101u * static_cast<unsigned char>(filler));
        EXPECT_EQ(record.GetNutrition(), expected);
        EXPECT_EQ(record.GetPlayerName(), std::string(11, filler));
        // What a continued game would show for it.
        const campaign::ContinuePlan plan = campaign::PlanContinue(record);
        EXPECT_EQ(plan.levelCaption, "～ 難しい ～");
        EXPECT_TRUE(plan.crosses.empty()) << "a byte other than 1 is not a beaten opponent";
        EXPECT_EQ(plan.selectPlace, -1);
        EXPECT_FALSE(plan.cleared);
        EXPECT_EQ(plan.score, std::to_string(expected));
    }
    // Mixed with pairs: 0x0D 0x0A reads as one 0x0A, a lone 0x0D stays.
    folder.Write("user02.usr", std::string("\r\n\r\r\n\x1A\r", 7));
    PlayerRecord record = Patterned();
    record.LoadRecord(2);
    EXPECT_EQ(record.Image().substr(0, 5), std::string("\n\r\n\x1A\r", 5));
    EXPECT_EQ(record.Image().substr(5), std::string(51, '\x5A'));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DamagedFiles, AForeignFigureAndLevelReadAsTheGirlAndTheHardestLevel)
{
    TDUser user;
    PlayerRecord saved = user.Record;
    saved.SetPlayerName("Mika");
    saved.SetPlayerCharacter(2);
    saved.SetLevel(7);
    folder.Write("user03.usr", ToStoredForm(saved.Image()));
    PlayerRecord record = Patterned();
    record.LoadRecord(3);
    EXPECT_EQ(record.GetPlayerCharacter(), 2);
    EXPECT_EQ(record.GetLevel(), 7);
    const campaign::ContinuePlan plan = campaign::PlanContinue(record);
    EXPECT_EQ(plan.playerPicture, "imgHeroine");
    EXPECT_EQ(plan.levelCaption, "～ 難しい ～");
    EXPECT_EQ(plan.playerName, "Mika");
}

namespace {

// What can lie in the place of a user file or of the slot index. A folder, a
// FIFO (whose reader would wait for a writer for ever) and a device behind a
// link (bytes without end) are files that cannot be read; a huge regular file
// is read as far as its first record or index goes.
struct InTheWay {
    const char* what;
    void (*make)(const std::filesystem::path&);
    bool readable;
};

const InTheWay kInTheWay[] = {
    {"a folder", [](const std::filesystem::path& at) { std::filesystem::create_directory(at); }, false},
    {"a FIFO", [](const std::filesystem::path& at) { ASSERT_EQ(::mkfifo(at.c_str(), 0600), 0); }, false},
    {"a link to /dev/zero", [](const std::filesystem::path& at) { std::filesystem::create_symlink("/dev/zero", at); }, false},
    {"a sparse file of 1 GiB",
     [](const std::filesystem::path& at) {
         std::ofstream{at}.close();
         std::filesystem::resize_file(at, std::uintmax_t{1} << 30);
     },
     true},
};

// What was said, as "title: text", or nothing.
std::string Said(const RecordingPlatform& platform)
{
    std::string said;
    for (const auto& message : platform.messages)
        said += message.title + ": " + message.text;
    return said;
}

} // namespace

TEST_F(DamagedFiles, WhatLiesInThePlaceOfAFileIsNeverReadWholeNorWaitedOn)
{
    for (const InTheWay& kind : kInTheWay) {
        SCOPED_TRACE(kind.what);
        platform.messages.clear();
        const std::filesystem::path userFile = folder.Data() / "user01.usr";
        kind.make(userFile);
        PlayerRecord record = Patterned();
        EXPECT_TRUE(DoneWithoutWaitingOn(userFile, [&] { record.LoadRecord(1); }));
        EXPECT_EQ(Said(platform), kind.readable ? "" : "ダメ: ファイルを開けません\n" + userFile.string());
        // Kept when it cannot be read; else the file's first 56 bytes.
        EXPECT_EQ(record.Image(), std::string(56, kind.readable ? '\0' : '\x5A'));
        std::filesystem::remove(userFile);

        // The index: the title beeps and shows empty slots, and the save
        // says it cannot open it once the user file is written.
        platform.messages.clear();
        const std::filesystem::path indexFile = folder.Data() / "index.dat";
        kind.make(indexFile);
        frontend::TitleSlots title;
        EXPECT_TRUE(DoneWithoutWaitingOn(indexFile, [&] { title = frontend::ReadTitleSlots(); }));
        EXPECT_EQ(title.complete, kind.readable) << "the title beeps for an index it cannot read";
        for (int slot = 1; slot <= 3; ++slot)
            EXPECT_EQ(title.index.IsEmpty(slot), !kind.readable) << "a huge index holds three empty names";
        TDUser user;
        record = user.Record;
        record.SetPlayerName("Ken");
        record.SetSlotNumber(2);
        EXPECT_TRUE(DoneWithoutWaitingOn(indexFile, [&] { record.SaveRecord(); }));
        EXPECT_EQ(FromStoredForm(folder.Read("user02.usr")), record.Image()) << "the user file is saved first";
        EXPECT_EQ(Said(platform), kind.readable ? "" : "エラー: ファイルを開けません r\n" + indexFile.string());
        // Written anew (33 bytes) over a huge index, else left in its place.
        EXPECT_EQ(std::filesystem::symlink_status(indexFile).type() == std::filesystem::file_type::regular,
                  kind.readable);
        if (kind.readable) {
            EXPECT_EQ(folder.Read("index.dat"), std::string(11, '\0') + "Ken" + std::string(19, '\0'));
        }
        std::filesystem::remove(indexFile);
    }
}

TEST_F(DamagedFiles, ShortIndexFilesSaveIntoTheColumnsTheyHave)
{
    // An index of 15 bytes: slot 1 is covered, slots 2 and 3 read as empty,
    // and a save writes a whole 33-byte index with the slot's name.
    folder.Write("index.dat", std::string("Ichiro\0\0\0\0\0Jir", 15));
    TDUser user;
    PlayerRecord record = user.Record;
    record.SetPlayerName("Saburo");
    record.SetSlotNumber(3);
    record.SaveRecord();
    EXPECT_TRUE(platform.messages.empty());
    const SlotIndex after = SlotIndex::FromBytes(FromStoredForm(folder.Read("index.dat")));
    EXPECT_EQ(FromStoredForm(folder.Read("index.dat")).size(), SlotIndex::kSize);
    EXPECT_EQ(after.Name(1), "Ichiro");
    EXPECT_TRUE(after.IsEmpty(2));
    EXPECT_EQ(after.Name(3), "Saburo");

    // An empty index file: every slot is empty, and a save fills in one.
    folder.Write("index.dat", "");
    record.SetSlotNumber(1);
    record.SaveRecord();
    const SlotIndex second = SlotIndex::FromBytes(FromStoredForm(folder.Read("index.dat")));
    EXPECT_EQ(second.Name(1), "Saburo");
    EXPECT_TRUE(second.IsEmpty(2));
    EXPECT_TRUE(second.IsEmpty(3));
}
