#pragma once
// The campaign's cast and places as data: the three stages of four opponents
// each, the colosseum, and the chick that waits there after the clear.
#include "brains/strength_table.h"

#include <cstdint>
#include <optional>
#include <string>

namespace campaign {

constexpr int kStageCount = 3;          // 迷いの森, 魔の山, 電脳立国
constexpr int kOpponentsPerStage = 4;   // top left, top right, bottom left, bottom right
constexpr int kPlaceCount = 4;          // the three stages and the colosseum
constexpr int kColosseum = 3;           // the place index of the bonus stage

// One place of the selection screen: its tab caption and the colour of its tab
// and of its opponent panel (0xRRGGBB).
struct PlaceInfo {
    const char* caption;
    std::uint32_t colour;
    std::uint32_t captionColour;
    bool visibleAtFirst;
};

// One stage opponent. `mediaNumber` is the two digits XY (stage, position) that
// name its pictures imgCharXY, imgCharXYw, imgCharXYl. `soundSet` picks the
// computer's disc sounds; it does not follow the roster order.
struct Opponent {
    const char* name;
    const char* strengthCaption;  // "強さ ★" … "強さ ★★★★★" (a half-width blank)
    const char* messageTail;      // the speech file under the game folder
    int soundSet;
    const char* mediaNumber;
};

// Place 0..3; nullptr outside.
const PlaceInfo* CampaignPlace(int placeIndex);
// Stage 0..2, position 0..3; nullptr outside.
const Opponent* StageOpponent(int stage, int position);

// Picture identifiers of a stage opponent.
std::string PortraitId(const Opponent& opponent);
std::string WinFaceId(const Opponent& opponent);
std::string LossFaceId(const Opponent& opponent);

// The strength written into the computer opponent for a pick at the player's
// game level; nothing for a level other than 0..2 (the parameters then stay).
std::optional<StrengthParams> OpponentStrengthAt(int stage, int position, int level);
std::optional<StrengthParams> ChickStrengthAt(int eggStrength, int level);

// The chick on the bonus stage: it plays with the sounds of set 5, has no speech
// file, and one picture imgEgg1..imgEgg5 serves as its portrait and both faces.
constexpr int kChickSoundSet = 5;
// Its strength 1..5 from the nutrition it was fed: above 400, 300, 200 and
// 100 it gains a step each.
int EggStrength(std::int32_t nutrition);
std::string ChickPictureId(int eggStrength);
// "強さ " followed by one star per strength step, as in the roster (the turn
// dialog's caption).
std::string ChickStrengthCaption(int eggStrength);
// "強さ：★" with one star per step (the colosseum's caption).
std::string StrengthCaption(int eggStrength);

} // namespace campaign
