#pragma once
// What the selection screen shows and hands over, without a window: the
// opponent the player picks (for the turn dialog and the match), the screen
// as a continued game sets it up, and the captions of its player's panel.
// Texts are UTF-8.
#include "match/opponent.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class PlayerRecord;

namespace campaign {

// A stage opponent (stage 0..2, position 0..3) as a pick at the player's game
// level hands it to the match, its speech not yet read.
MatchOpponent StageOpponentAt(int stage, int position, int level);
// The chick of the colosseum, of this strength and name, at the game level.
MatchOpponent ChickAt(int eggStrength, const std::string& chickName, int level);

// What a screen reader hears of a portrait, in the language the game speaks:
// the opponent's name and its strength in stars, and "倒した" once beaten
// ("ズモル蝸牛 強さ 星1つ、倒した"); of the chick, its name and strength.
std::string PortraitDescription(int stage, int position, bool beaten);
std::string ChickDescription(const std::string& chickName, int eggStrength);
// "強さ 星3つ".
std::string StrengthInWords(int stars);

// The level caption the opening puts on the selection screen (levels 0..2).
std::string OpeningLevelCaption(int level);
// The level caption a continued game shows. Its "普通" has no blank after the
// first "～", unlike the opening's; any level other than 0 or 1 reads "難しい".
std::string ContinueLevelCaption(std::int32_t level);
// "栄養：" and the nutrition in decimal, in the language the game speaks.
std::string NutritionCaption(std::int32_t nutrition);

// The chick's panel of the colosseum, for the nutrition it hatched from.
struct ChickPanel {
    int eggStrength = 1;
    std::string strengthCaption;   // "強さ：★" … "強さ：★★★★★"
    std::string picture;           // "imgEgg1" … "imgEgg5"
    std::string nutritionCaption;  // "栄養：…"
};
ChickPanel ChickPanelFor(std::int32_t nutrition);

// Everything a continued game sets on the selection screen, from its record.
struct ContinuePlan {
    // Red crosses, as (place 0..2, position 0..3), for every beaten opponent.
    std::vector<std::pair<int, int>> crosses;
    std::string levelCaption;
    std::string playerName;
    std::string score;            // the nutrition in decimal
    std::string playerPicture;    // "imgHelo" for the boy, "imgHeroine" otherwise
    bool openPlace2 = false;      // all of stage 0 beaten
    bool openPlace3 = false;      // all of stage 1 beaten
    bool cleared = false;         // the colosseum and the chick's panel
    std::string chickName;
    std::int32_t nutrition = 0;
    // The furthest place reached, 1..3; -1 keeps the first place selected.
    int selectPlace = -1;
    // All twelve beaten but the game not cleared: a game saved while the egg
    // was hatching, before the chick had its name. It goes on at the hatching.
    bool hatchingDue = false;
};
ContinuePlan PlanContinue(const PlayerRecord& record);

} // namespace campaign
