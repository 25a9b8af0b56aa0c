// Sound files missing or not wave audio: the game starts, plays a whole
// match and saves; each failing sound is reported with the device's words in
// a message box and the game goes on without it.
#include "damage/ui/damage_fixture.h"

#include <filesystem>
#include <sys/stat.h>
#include <random>

using damage_test::DamagedGame;
using namespace ui_test;

namespace {

const std::string kCannotOpenSound = "サウンドを開けません: ";
const std::string kCannotPlay = "サウンドを再生できません: ";
const std::string kNothingOpen = "サウンドが開かれていません";

// Every message is a sound message (cannot open, cannot play, nothing open):
// returns the ones that are not.
std::string OtherThanSoundMessages(const RecordingPlatform& platform)
{
    std::string others;
    for (const auto& message : platform.messages)
        if (message.title != "ズモルリバロ" ||
            (message.text.rfind(kCannotOpenSound, 0) != 0 && message.text.rfind(kCannotPlay, 0) != 0 &&
             message.text != kNothingOpen))
            others += message.title + ": " + message.text + "\n";
    return others;
}

int MessagesNaming(const RecordingPlatform& platform, const std::string& path)
{
    int count = 0;
    for (const auto& message : platform.messages)
        if (message.text.rfind(kCannotOpenSound + path, 0) == 0)
            ++count;
    return count;
}

} // namespace

TEST_F(DamagedGame, MissingSoundFilesAreReportedAndTheGameGoesOn)
{
    // The click of every button, and the ズモル蝸牛's turning sound; a FIFO
    // for the logo's sound, which must not hold the title up.
    std::filesystem::remove(folder.Data() / "sdm01.dat");
    std::filesystem::remove(folder.Data() / "sdc09.dat");
    const std::filesystem::path fifo = folder.Data() / "sdm04.dat";
    std::filesystem::remove(fifo);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_TRUE(DoneWithoutWaitingOn(
        fifo,
        [&] {
            NewGame(1, QStringLiteral("Taro"), 0);
            PlayAMatch(0, 0);
            QuitGame();
        },
        std::chrono::seconds(60)));

    EXPECT_EQ(OtherThanSoundMessages(platform), "");
    // Each failing file is reported once in a run, however often it is asked for.
    EXPECT_EQ(MessagesNaming(platform, DataPath("/data/sdm01.dat")), 1) << Messages();
    EXPECT_EQ(MessagesNaming(platform, DataPath("/data/sdc09.dat")), 1) << Messages();
    EXPECT_EQ(MessagesNaming(platform, fifo.string()), 1) << Messages();
    EXPECT_EQ(platform.messages.size(), 3u) << Messages();
    // The game was saved as usual.
    PlayerRecord saved;
    saved.Fill(FromStoredForm(folder.Read("user01.usr")));
    EXPECT_EQ(saved.GetPlayerName(), "Taro");
    EXPECT_EQ(SlotIndex::FromBytes(FromStoredForm(folder.Read("index.dat"))).Name(1), "Taro");
}

TEST_F(DamagedGame, SoundFilesThatAreNotWaveAudioAreReportedAndTheGameGoesOn)
{
    std::mt19937 random(20240607);
    std::string noise(4096, '\0');
    for (char& byte : noise)
        byte = static_cast<char>(random());
    // Text where the boy's placing sound should be, noise for the logo's
    // sound, a wave header over noise for the ズモル蝸牛's placing sound, and
    // the boy's turning sound cut off after its header.
    folder.Write("sdp00.dat", "this is not a sound\r\n");
    folder.Write("sdm04.dat", noise);
    folder.Write("sdc01.dat", folder.Read("sdc01.dat").substr(0, 12) + noise);
    folder.Write("sdp02.dat", folder.Read("sdp02.dat").substr(0, 44));
    folder.Write("sdc09.dat", "");

    NewGame(2, QStringLiteral("Hana"), 1);
    PlayAMatch(0, 0);
    QuitGame();

    EXPECT_EQ(OtherThanSoundMessages(platform), "");
    for (const char* tail : {"/data/sdp00.dat", "/data/sdm04.dat", "/data/sdc01.dat", "/data/sdc09.dat"})
        EXPECT_EQ(MessagesNaming(platform, DataPath(tail)), 1) << tail << "\n" << Messages();
    PlayerRecord saved;
    saved.Fill(FromStoredForm(folder.Read("user02.usr")));
    EXPECT_EQ(saved.GetPlayerName(), "Hana");
    EXPECT_EQ(saved.GetLevel(), 1);
}
