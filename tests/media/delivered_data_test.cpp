#include "media/sound_bank.h"
#include "platform/data_files.h"
#include "support/game_folder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>

namespace {

std::uint32_t Le32(const std::string& bytes, std::size_t at)
{
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + at, 4);
    return value;
}

std::uint16_t Le16(const std::string& bytes, std::size_t at)
{
    std::uint16_t value = 0;
    std::memcpy(&value, bytes.data() + at, 2);
    return value;
}

// Every file some player can ask for.
std::set<std::string> EverySoundTail()
{
    std::set<std::string> tails;
    for (int player = MultiSound; player <= ComTurnSound; ++player)
        for (int number = 1; number <= 12; ++number)
            if (auto tail = SoundTail(static_cast<SoundPlayerIndex>(player), number); !tail.empty())
                tails.insert(tail);
    return tails;
}

} // namespace

TEST(DeliveredData, EverySoundIsPcmWaveAudioOfSensibleLength)
{
    const auto tails = EverySoundTail();
    EXPECT_EQ(tails.size(), 26u) << "sdc10 is delivered but no sound set plays it";
    for (const auto& tail : tails) {
        const auto bytes = ReadRawFile((DeliveredData().parent_path() / tail.substr(1)).string());
        ASSERT_TRUE(bytes) << tail;
        ASSERT_GE(bytes->size(), 44u) << tail;
        EXPECT_EQ(bytes->substr(0, 4), "RIFF") << tail;
        EXPECT_EQ(bytes->substr(8, 4), "WAVE") << tail;
        EXPECT_EQ(bytes->substr(12, 4), "fmt ") << tail;
        EXPECT_EQ(Le16(*bytes, 20), 1) << tail << " is PCM";
        const std::uint32_t byteRate = Le32(*bytes, 28);
        const double seconds = static_cast<double>(bytes->size() - 44) / byteRate;
        EXPECT_GT(seconds, 0.02) << tail;
        EXPECT_LT(seconds, 4.0) << tail;
        const bool turnSound = tail.find("sdc09") != std::string::npos || tail.find("sdc1") != std::string::npos ||
                               tail.find("sdp02") != std::string::npos || tail.find("sdp03") != std::string::npos;
        if (turnSound) {
            EXPECT_LT(seconds, 0.13) << tail << " turns are 130 ms apart";
        }
    }
}

TEST(DeliveredData, EveryOpponentHasAMessageFile)
{
    for (int stage = 0; stage < 3; ++stage)
        for (int opponent = 0; opponent < 4; ++opponent) {
            const auto name = "ms" + std::to_string(stage) + std::to_string(opponent) + ".dat";
            const auto bytes = ReadRawFile((DeliveredData() / name).string());
            ASSERT_TRUE(bytes) << name;
            EXPECT_NE(bytes->find("*MesEnd"), std::string::npos) << name;
        }
}
