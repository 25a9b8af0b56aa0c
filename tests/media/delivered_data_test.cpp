#include "match/speech.h"
#include "media/sound_bank.h"
#include "platform/data_files.h"
#include "platform/shift_jis.h"
#include "support/game_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

// More than any of the short sounds holds.
constexpr std::size_t kWholeSound = 8 << 20;

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
        const auto bytes = ReadRawFile((DeliveredData().parent_path() / tail.substr(1)).string(), kWholeSound);
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

// Every opponent's message file, and its English one under en/: read by the
// same reader, so the English is plain printable ASCII (Shift-JIS as it
// stands) in the same layout.
TEST(DeliveredData, SpeechFilesAreShiftJisInTheirLayout)
{
    std::vector<std::string> names;
    for (const std::string folder : {"", "en/"})
        for (const char* opponent : {"00", "01", "02", "03", "10", "11", "12", "13", "20", "21", "22", "23"})
            names.push_back(folder + "ms" + opponent);
    for (const auto& name : names) {
        const auto bytes = ReadRawFile((DeliveredData() / (name + ".dat")).string(), speech::kMaxFileBytes);
        ASSERT_TRUE(bytes) << name;
        const std::string text = FromShiftJis(*bytes);
        EXPECT_EQ(text.find("\xEF\xBF\xBD"), std::string::npos) << name << " decodes as CP932";
        if (name.rfind("en/", 0) == 0) {
            EXPECT_TRUE(std::all_of(bytes->begin(), bytes->end(),
                                    [](char c) { return c == '\r' || c == '\n' || (c >= ' ' && c <= '~'); }))
                << name << " holds only printable ASCII";
        }
        const SpeechScript script(SpeechScript::SplitLines(text));
        const auto& lines = script.Lines();
        ASSERT_GT(lines.size(), 18u) << name;
        for (int line = 0; line <= speech::kLastFixedLine; ++line)
            EXPECT_FALSE(speech::IsMarker(lines[line]) || lines[line].empty()) << name << " line " << line;
        const auto entries = script.RandomEntries();
        EXPECT_GE(entries.size(), 6u) << name;
        // Every entry closes with "*END" before the list ends with "*MesEnd".
        bool inEntry = false;
        bool ended = false;
        for (std::size_t line = 18; line < lines.size() && !ended; ++line) {
            if (lines[line] == speech::kEntryStart) {
                EXPECT_FALSE(inEntry) << name << " line " << line;
                inEntry = true;
            } else if (lines[line] == speech::kEntryEnd) {
                EXPECT_TRUE(inEntry) << name << " line " << line;
                inEntry = false;
            } else if (lines[line] == speech::kListEnd) {
                ended = true;
            }
        }
        EXPECT_TRUE(ended && !inEntry) << name;
    }
}
