// The user file as the game reads it: any bytes in data/user01.usr. Loading
// must fill exactly the bytes the file holds (after undoing the line-end
// translation) and keep the rest of the record; every text that a continued
// game puts on the screen must be valid UTF-8; names stored back must keep
// their limits; and the record must survive its own stored form unchanged.
#include "campaign/roster.h"
#include "campaign/selection.h"
#include "frontend/name_rules.h"
#include "fuzz_support.h"
#include "platform/data_files.h"
#include "platform/services.h"
#include "platform/shift_jis.h"
#include "profile/player_record.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

class CountingPlatform : public PlatformServices {
public:
    void ShowMessage(const std::string&, const std::string&) override { ++messages; }
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    void Beep() override {}
    void Pause(int) override {}
    void PumpEvents() override {}
    int messages = 0;
};

CountingPlatform platform;

void CheckName(const std::string& name, const char* which)
{
    FUZZ_CHECK(name.size() <= PlayerRecord::kNameField, which);
    FUZZ_CHECK(name.find('\0') == std::string::npos, which);
    FUZZ_CHECK(fuzz::IsUtf8(FromShiftJis(name)), which);
}

// Any bytes given as a name: the stored name keeps the limits, and the bytes
// after its NUL keep what the field held.
void CheckStoredNameLimits(PlayerRecord record, std::string_view sjis)
{
    const std::string before(record.PlayerName, PlayerRecord::kNameField);
    record.SetPlayerName(sjis);
    const std::string name = record.GetPlayerName();
    FUZZ_CHECK(name.size() <= PlayerRecord::kNameBytes, "a stored name keeps the 10-byte limit");
    FUZZ_CHECK(name.empty() || (static_cast<unsigned char>(name.front()) > 0x20 &&
                                static_cast<unsigned char>(name.back()) > 0x20),
               "a stored name has no blanks or control characters at its ends");
    FUZZ_CHECK(record.PlayerName[name.size()] == '\0', "the stored name ends with its NUL");
    FUZZ_CHECK(std::string(record.PlayerName + name.size() + 1, PlayerRecord::kNameField - name.size() - 1) ==
                   before.substr(name.size() + 1),
               "the bytes after the NUL keep what the field held");
}

// A name as the opening stores it: typed text (UTF-8) through the name box's
// conversion. Such a name is whole characters, each with its Shift-JIS code.
void CheckTypedName(PlayerRecord record, const std::string& utf8)
{
    record.SetPlayerName(frontend::NameBytes(utf8));
    const std::string name = record.GetPlayerName();
    FUZZ_CHECK(ShiftJisPrefix(name, PlayerRecord::kNameBytes) == name, "a stored name never ends in half a character");
    const std::string shown = FromShiftJis(name);
    FUZZ_CHECK(shown.find("\xEF\xBF\xBD") == std::string::npos || utf8.find("\xEF\xBF\xBD") != std::string::npos,
               "a typed name reads back without undecodable bytes");
    FUZZ_CHECK(ToShiftJis(shown) == name, "a typed name converts back to the same bytes");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::MakeScratchGameFolder();
    InstallPlatform(&platform);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view stored(reinterpret_cast<const char*>(data), size);
    const std::string plain = FromStoredForm(stored);
    FUZZ_CHECK(FromStoredForm(ToStoredForm(plain)) == plain, "the stored form reads back as written");
    FUZZ_CHECK(plain.size() <= stored.size(), "undoing line ends never adds bytes");

    // The record as it was before the load: a recognisable pattern.
    PlayerRecord record;
    std::memset(static_cast<void*>(&record), 0xA5, sizeof record);
    const std::string before = record.Image();

    fuzz::WriteDataFile("user01.usr", stored);
    platform.messages = 0;
    {
        fuzz::InScratchFolder inside;
        record.LoadRecord(1);
    }
    FUZZ_CHECK(platform.messages == 0, "an existing user file loads without a message");
    const std::string image = record.Image();
    const std::size_t filled = std::min(plain.size(), PlayerRecord::kImageSize);
    FUZZ_CHECK(image.compare(0, filled, plain, 0, filled) == 0, "the file's bytes fill the record from its start");
    FUZZ_CHECK(image.compare(filled, std::string::npos, before, filled, std::string::npos) == 0,
               "bytes the file does not cover keep their contents");

    CheckName(record.GetPlayerName(), "player name");
    CheckName(record.GetChickName(), "chick name");

    // What continuing this save would put on the selection screen.
    const campaign::ContinuePlan plan = campaign::PlanContinue(record);
    FUZZ_CHECK(fuzz::IsUtf8(plan.playerName) && fuzz::IsUtf8(plan.chickName), "names on screen are UTF-8");
    FUZZ_CHECK(fuzz::IsUtf8(plan.levelCaption) && !plan.levelCaption.empty(), "level caption");
    FUZZ_CHECK(plan.crosses.size() <= 12, "at most twelve crosses");
    const campaign::ChickPanel chick = campaign::ChickPanelFor(plan.nutrition);
    FUZZ_CHECK(chick.eggStrength >= 1 && chick.eggStrength <= 5, "egg strength 1..5");
    FUZZ_CHECK(plan.selectPlace == -1 || (plan.selectPlace >= 1 && plan.selectPlace <= 3), "place to select");
    FUZZ_CHECK(plan.playerPicture == "imgHelo" || plan.playerPicture == "imgHeroine", "player picture");
    FUZZ_CHECK(chick.picture.size() == 7 && chick.picture.compare(0, 6, "imgEgg") == 0, "chick picture");
    const int eggStrength = campaign::EggStrength(record.GetNutrition());
    FUZZ_CHECK(eggStrength >= 1 && eggStrength <= 5, "egg strength");

    // The record survives its own stored form, whatever bytes it holds.
    const std::string written = ToStoredForm(image);
    FUZZ_CHECK(written.size() == PlayerRecord::kImageSize + static_cast<std::size_t>(
                                     std::count(image.begin(), image.end(), '\n')),
               "each 0x0A costs one byte more");
    PlayerRecord reread;
    std::memset(static_cast<void*>(&reread), 0, sizeof reread);
    reread.Fill(FromStoredForm(written));
    FUZZ_CHECK(reread.Image() == image, "a saved record reads back byte for byte");

    // The same bytes given as a name, and their text typed into the name box
    // (which never holds a NUL character).
    std::string bytes = plain;
    bytes.erase(std::remove(bytes.begin(), bytes.end(), '\0'), bytes.end());
    CheckStoredNameLimits(record, bytes);
    CheckTypedName(record, FromShiftJis(bytes));
    return 0;
}
