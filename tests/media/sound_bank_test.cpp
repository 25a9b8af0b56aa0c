#include "media/sound_bank.h"
#include "platform/data_files.h"
#include "support/recording_platform.h"
#include "support/recording_players.h"

#include <gtest/gtest.h>

TEST(SoundBank, EveryNumberNamesItsFile)
{
    EXPECT_EQ(SoundTail(MultiSound, 1), "/data/sdm00.dat");
    EXPECT_EQ(SoundTail(MultiSound, 6), "/data/sdm05.dat");
    EXPECT_EQ(SoundTail(MultiSound, 7), "");
    EXPECT_EQ(SoundTail(PlayerPutSound, 1), "/data/sdp00.dat");
    EXPECT_EQ(SoundTail(PlayerPutSound, 2), "/data/sdp01.dat");
    EXPECT_EQ(SoundTail(PlayerTurnSound, 1), "/data/sdp02.dat");
    EXPECT_EQ(SoundTail(PlayerTurnSound, 2), "/data/sdp03.dat");
    const int put[12] = {1, 2, 3, 4, 1, 1, 3, 5, 6, 3, 7, 8};
    const int turn[12] = {9, 9, 11, 12, 9, 9, 13, 14, 15, 13, 16, 17};
    for (int set = 1; set <= 12; ++set) {
        char expectedPut[32], expectedTurn[32];
        std::snprintf(expectedPut, sizeof expectedPut, "/data/sdc%02d.dat", put[set - 1]);
        std::snprintf(expectedTurn, sizeof expectedTurn, "/data/sdc%02d.dat", turn[set - 1]);
        EXPECT_EQ(SoundTail(ComPutSound, set), expectedPut) << set;
        EXPECT_EQ(SoundTail(ComTurnSound, set), expectedTurn) << set;
    }
    EXPECT_EQ(SoundTail(ComPutSound, 0), "");
    EXPECT_EQ(PlayerSoundVariant(1), 1);
    EXPECT_EQ(PlayerSoundVariant(0), 2);
    EXPECT_EQ(PlayerSoundVariant(2), 2) << "a foreign figure value sounds like the girl";
}

TEST(SoundBank, RepeatRestartsAndAChangedNumberReopensEvenTheSameFile)
{
    RecordingPlatform platform;
    RecordingPlayers five;
    SoundBank bank(five.Pointers());
    const std::string file = DataPath("/data/sdc01.dat");
    bank.PlayComPut(1);
    bank.PlayComPut(1);
    bank.PlayComPut(5);  // set 5 shares the file of set 1
    bank.PlayComPut(5);
    const std::vector<std::string> expected{
        "close", "open " + file, "rewind", "play",
        "rewind", "play",
        "close", "open " + file, "rewind", "play",
        "rewind", "play"};
    EXPECT_EQ(five.players[ComPutSound].calls, expected);
    EXPECT_TRUE(five.players[MultiSound].calls.empty()) << "each player is on its own";
    EXPECT_TRUE(platform.messages.empty());
}

TEST(SoundBank, AFailingFileIsReportedOnceAndTheSameNumberFailsAgainAtTheRewind)
{
    RecordingPlatform platform;
    RecordingPlayers five;
    five.players[MultiSound].failOpen = true;
    SoundBank bank(five.Pointers());
    bank.PlayEffect(Effect::Click);
    bank.PlayEffect(Effect::Click);
    bank.PlayEffect(Effect::Lament);
    bank.PlayEffect(Effect::Click);
    ASSERT_EQ(platform.messages.size(), 2u) << "once for sdm01, once for sdm03";
    EXPECT_EQ(platform.messages[0].text, "device error");
    EXPECT_EQ(five.players[MultiSound].calls[2], "rewind") << "a repeat skips the open and fails at the rewind";
    five.players[MultiSound].failOpen = false;
    bank.PlayEffect(Effect::Fanfare);
    EXPECT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(five.players[MultiSound].played.back(), DataPath("/data/sdm02.dat")) << "a different number opens afresh";
}
