#include "campaign/roster.h"

#include <algorithm>

namespace campaign {

namespace {

const PlaceInfo kPlaces[kPlaceCount] = {
    {"迷いの森", 0xB6CFB1, 0x000000, true},
    {"魔の山", 0xBFBFFF, 0x000000, false},
    {"電脳立国", 0xCDB4B8, 0x000000, false},
    {"コロシアム", 0x000000, 0xFFFFFF, false},
};

const Opponent kRoster[kStageCount][kOpponentsPerStage] = {
    {
        {"ズモル蝸牛", "強さ ★", "/data/ms00.dat", 1, "00"},
        {"ズモル玉ねぎ", "強さ ★", "/data/ms01.dat", 3, "01"},
        {"ズモル羊", "強さ ★★", "/data/ms02.dat", 2, "02"},
        {"ズモル蝶", "強さ ★★", "/data/ms03.dat", 4, "03"},
    },
    {
        {"ズモル三兄弟", "強さ ★", "/data/ms10.dat", 5, "10"},
        {"ズモルキノコ", "強さ ★★", "/data/ms11.dat", 7, "11"},
        {"ズモルハロイン", "強さ ★★", "/data/ms12.dat", 6, "12"},
        {"ズモル富士", "強さ ★★★", "/data/ms13.dat", 8, "13"},
    },
    {
        {"ズモル棺桶", "強さ ★★★", "/data/ms20.dat", 9, "20"},
        {"ズモルステルス", "強さ ★★★", "/data/ms21.dat", 10, "21"},
        {"メタルズモル", "強さ ★★★★", "/data/ms22.dat", 11, "22"},
        {"ズモル電子", "強さ ★★★★★", "/data/ms23.dat", 12, "23"},
    },
};

} // namespace

const PlaceInfo* CampaignPlace(int placeIndex)
{
    if (placeIndex < 0 || placeIndex >= kPlaceCount)
        return nullptr;
    return &kPlaces[placeIndex];
}

const Opponent* StageOpponent(int stage, int position)
{
    if (stage < 0 || stage >= kStageCount || position < 0 || position >= kOpponentsPerStage)
        return nullptr;
    return &kRoster[stage][position];
}

std::string PortraitId(const Opponent& opponent) { return std::string("imgChar") + opponent.mediaNumber; }
std::string WinFaceId(const Opponent& opponent) { return PortraitId(opponent) + "w"; }
std::string LossFaceId(const Opponent& opponent) { return PortraitId(opponent) + "l"; }

std::optional<StrengthParams> OpponentStrengthAt(int stage, int position, int level)
{
    StrengthParams strength;
    if (!StageOpponentStrength(stage, position, level, strength))
        return std::nullopt;
    return strength;
}

std::optional<StrengthParams> ChickStrengthAt(int eggStrength, int level)
{
    StrengthParams strength;
    if (!ChickStrength(eggStrength, level, strength))
        return std::nullopt;
    return strength;
}

int EggStrength(std::int32_t nutrition)
{
    if (nutrition > 400) return 5;
    if (nutrition > 300) return 4;
    if (nutrition > 200) return 3;
    if (nutrition > 100) return 2;
    return 1;
}

namespace {

std::string Stars(const char* head, int count)
{
    std::string caption = head;
    for (int star = 0; star < count; ++star)
        caption += "★";
    return caption;
}

} // namespace

std::string ChickPictureId(int eggStrength)
{
    return "imgEgg" + std::to_string(std::clamp(eggStrength, 1, 5));
}

std::string ChickStrengthCaption(int eggStrength) { return Stars("強さ ", eggStrength); }
std::string StrengthCaption(int eggStrength) { return Stars("強さ：", eggStrength); }

} // namespace campaign
