#include "media/sound_bank.h"

#include "platform/data_files.h"
#include "platform/services.h"

namespace {

// Sound sets 1..12 of the opponents: the placing and the turning sound.
constexpr int kComPutFile[12] = {1, 2, 3, 4, 1, 1, 3, 5, 6, 3, 7, 8};
constexpr int kComTurnFile[12] = {9, 9, 11, 12, 9, 9, 13, 14, 15, 13, 16, 17};

std::string TwoDigits(int n)
{
    return (n < 10 ? "0" : "") + std::to_string(n);
}

} // namespace

std::string SoundTail(SoundPlayerIndex player, int number)
{
    switch (player) {
    case MultiSound:
        if (number >= 1 && number <= 6)
            return "/data/sdm" + TwoDigits(number - 1) + ".dat";
        break;
    case PlayerPutSound:
        if (number == 1 || number == 2)
            return "/data/sdp" + TwoDigits(number - 1) + ".dat";
        break;
    case PlayerTurnSound:
        if (number == 1 || number == 2)
            return "/data/sdp" + TwoDigits(number + 1) + ".dat";
        break;
    case ComPutSound:
        if (number >= 1 && number <= 12)
            return "/data/sdc" + TwoDigits(kComPutFile[number - 1]) + ".dat";
        break;
    case ComTurnSound:
        if (number >= 1 && number <= 12)
            return "/data/sdc" + TwoDigits(kComTurnFile[number - 1]) + ".dat";
        break;
    }
    return {};
}

void SoundBank::Play(SoundPlayerIndex index, int number)
{
    WavePlayer& player = *players_[index];
    const bool repeat = number == lastNumber_[index];
    lastNumber_[index] = number;
    const std::string path = DataPath(SoundTail(index, number));
    bool ok = true;
    if (!repeat) {
        player.Close();
        ok = player.Open(path);
    }
    ok = ok && player.Rewind() && player.Play();
    if (!ok && reported_.insert(path).second)
        Platform().ShowMessage(player.LastError(), kGameCaption);
}
