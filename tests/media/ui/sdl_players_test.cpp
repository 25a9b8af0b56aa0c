#include "media/ui/frm_data.h"
#include "platform/ui/sdl_wave_player.h"
#include "support/game_folder.h"

#include <QTest>
#include <QWidget>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

// The real players on SDL's silent driver: five channels sound at once, a
// ".dat" file is opened as wave audio, and anything else is refused. The
// first sound opens the device (and loads the library) itself.
TEST(SdlPlayers, FiveEffectsSoundAtOnceAndNonWaveFilesAreRefused)
{
    SdlWavePlayer::CloseDevice();
    const std::string wave = (DeliveredData() / "sdm02.dat").string();
    std::vector<std::unique_ptr<SdlWavePlayer>> players;
    for (int channel = 0; channel < 5; ++channel) {
        players.push_back(std::make_unique<SdlWavePlayer>(channel));
        ASSERT_TRUE(players.back()->Open(wave)) << players.back()->LastError();
        ASSERT_TRUE(players.back()->Rewind());
        ASSERT_TRUE(players.back()->Play()) << players.back()->LastError();
    }
    EXPECT_EQ(Mix_Playing(-1), 5);
    // A repeat rewinds: the channel stays busy with the same sound.
    ASSERT_TRUE(players[0]->Rewind());
    ASSERT_TRUE(players[0]->Play());
    EXPECT_EQ(Mix_Playing(0), 1);

    // Every delivered sound loads as wave audio.
    for (const auto& entry : std::filesystem::directory_iterator(DeliveredData())) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("sd", 0) != 0)
            continue;
        SdlWavePlayer player(4);
        EXPECT_TRUE(player.Open(entry.path().string())) << name << ": " << player.LastError();
    }

    SdlWavePlayer speech(0);
    EXPECT_FALSE(speech.Open((DeliveredData() / "ms00.dat").string())) << "speech text is not wave audio";
    EXPECT_NE(speech.LastError().find("ms00.dat"), std::string::npos);
    EXPECT_FALSE(speech.Rewind()) << "nothing open to rewind";
    SdlWavePlayer missing(1);
    EXPECT_FALSE(missing.Open("/nowhere/sdm09.dat"));
    players.clear();
    SdlWavePlayer::CloseDevice();
}

// Opening the device is left until the game's first window is on the screen,
// so it does not hold that window up; it is open well before the title's
// first sound.
TEST(SdlPlayers, TheCatalogueOpensTheDeviceOnceAWindowIsOnTheScreen)
{
    SdlWavePlayer::CloseDevice();
    TfrmData catalogue;
    QCoreApplication::processEvents();
    EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 0) << "opened while the game was starting";
    QWidget window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 1);
}
