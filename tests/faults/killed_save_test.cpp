// The game killed at any moment while it saves (a power cut for the process,
// a kill from the desktop): hundreds of times, a child process saves two
// records in turn into the same slot and is killed after a random few
// microseconds to milliseconds. After every kill the user file and the slot
// index file each hold all the bytes of one of the two saves, never a mix or
// a stub, the old save is never lost, and the game reads the slot normally.
#include "faults/fault_harness.h"
#include "platform/data_files.h"
#include "profile/player_record.h"
#include "profile/slot_index.h"
#include "support/game_folder.h"
#include "support/recording_platform.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <iostream>
#include <map>
#include <random>
#include <thread>

namespace {

constexpr int kKills = 240;

PlayerRecord Record(const std::string& name, int nutrition)
{
    TDUser user;
    PlayerRecord record = user.Record;
    record.SetPlayerName(name);
    record.SetSlotNumber(1);
    record.AddNutrition(nutrition);
    return record;
}

} // namespace

TEST(KilledWhileSaving, EveryKillLeavesTheOldOrTheNewBytesOfEachFile)
{
    GameFolder folder;
    RecordingPlatform platform;

    // Two saves of slot 1 that differ in every way that matters: the
    // nutrition 10 of the first is stored with an extra byte, and the names
    // differ in length, so the index column changes size too.
    const PlayerRecord first = Record("Aki", 10);
    const PlayerRecord second = Record("Bunnosuke1", 401);
    const std::string userFirst = ToStoredForm(first.Image());
    const std::string userSecond = ToStoredForm(second.Image());
    SlotIndex index = SlotIndex::FromBytes("");
    index.SetName(3, "Keep");
    index.SetName(1, second.GetPlayerName());
    const std::string indexSecond = index.Bytes();
    index.SetName(1, first.GetPlayerName());
    const std::string indexFirst = index.Bytes();
    ASSERT_NE(userFirst.size(), userSecond.size());
    folder.Write("user01.usr", userFirst);
    folder.Write("index.dat", indexFirst);

    const std::uint32_t seed = std::random_device{}();
    std::mt19937 random(seed);
    std::map<std::string, int> outcomes;
    int leftovers = 0;
    std::string strangers;
    for (int kill = 0; kill < kKills; ++kill) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(ready[0]);
            PlayerRecord a = first;
            PlayerRecord b = second;
            const char go = 'g';
            if (::write(ready[1], &go, 1) != 1)
                ::_exit(1);
            for (;;) {
                b.SaveRecord();
                a.SaveRecord();
            }
        }
        ::close(ready[1]);
        char go = 0;
        ASSERT_EQ(::read(ready[0], &go, 1), 1);
        ::close(ready[0]);
        // Half the kills come within the first save's first steps, the others
        // anywhere in the first few saves.
        const int limit = kill % 2 == 0 ? 300 : 40000;
        const auto delay = std::chrono::microseconds(std::uniform_int_distribution<int>(0, limit)(random));
        std::this_thread::sleep_for(delay);
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child was still saving when it was killed";

        const std::string user = folder.Read("user01.usr");
        const std::string names = folder.Read("index.dat");
        const char* userState = user == userFirst ? "old" : user == userSecond ? "new" : nullptr;
        const char* indexState = names == indexFirst ? "old" : names == indexSecond ? "new" : nullptr;
        ASSERT_TRUE(userState) << "kill " << kill << " after " << delay.count() << " us (seed " << seed
                               << "): user file of " << user.size() << " bytes is neither save";
        ASSERT_TRUE(indexState) << "kill " << kill << " after " << delay.count() << " us (seed " << seed
                                << "): index file of " << names.size() << " bytes is neither save";
        ++outcomes[std::string("user ") + userState + ", index " + indexState];

        // What the game sees of the slot after the kill.
        PlayerRecord loaded = Record("", 0);
        loaded.LoadRecord(1);
        EXPECT_TRUE(loaded.Image() == first.Image() || loaded.Image() == second.Image());
        const auto read = ReadSlotIndex();
        ASSERT_TRUE(read);
        EXPECT_TRUE(read->Name(1) == "Aki" || read->Name(1) == "Bunnosuke1");
        EXPECT_EQ(read->Name(3), "Keep");

        // A kill between making a temporary file and renaming it leaves the
        // temporary behind: beside the file, under a name the game never opens.
        for (const std::string& name : faults::FilesIn(folder.Data())) {
            if (name == "user01.usr" || name == "index.dat")
                continue;
            if (faults::IsTemporaryOf(name, "user01.usr") || faults::IsTemporaryOf(name, "index.dat"))
                ++leftovers;
            else
                strangers += name + " ";
            std::filesystem::remove(folder.Data() / name);
        }
    }
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(strangers, "") << "files that are neither the game's nor a save's temporaries";

    // The kills fell at every stage of a save: each file was found both before
    // and after its replacement.
    int userOld = 0, userNew = 0, indexOld = 0, indexNew = 0;
    for (const auto& [outcome, count] : outcomes) {
        (outcome.find("user old") != std::string::npos ? userOld : userNew) += count;
        (outcome.find("index old") != std::string::npos ? indexOld : indexNew) += count;
        std::cout << "  " << outcome << ": " << count << "\n";
    }
    std::cout << "  " << kKills << " kills, " << leftovers << " temporary files left behind (seed " << seed << ")\n";
    EXPECT_GT(userOld, 0);
    EXPECT_GT(userNew, 0);
    EXPECT_GT(indexOld, 0);
    EXPECT_GT(indexNew, 0);
    RecordProperty("kills", kKills);
    RecordProperty("leftovers", leftovers);

    // After all that the slot still saves normally.
    PlayerRecord last = Record("Last", 5);
    last.SaveRecord();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(FromStoredForm(folder.Read("user01.usr")), last.Image());
    EXPECT_EQ(SlotIndex::FromBytes(folder.Read("index.dat")).Name(1), "Last");
}
