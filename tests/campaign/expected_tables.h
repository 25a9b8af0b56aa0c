#pragma once
// The campaign's tables as the game is meant to have them, written out once more
// by hand so that the tests compare the program's data with them.
#include "brains/strength_table.h"

#include <string>

namespace expected {

struct RosterRow {
    const char* portrait;  // the selection screen's image
    const char* name;
    const char* strength;
    const char* messageFile;
    int soundSet;
    const char* media[3];  // portrait, winning face, losing face
};

inline const RosterRow kRoster[12] = {
    {"imgChar1_1", "ズモル蝸牛", "強さ ★", "/data/ms00.dat", 1, {"imgChar00", "imgChar00w", "imgChar00l"}},
    {"imgChar1_2", "ズモル玉ねぎ", "強さ ★", "/data/ms01.dat", 3, {"imgChar01", "imgChar01w", "imgChar01l"}},
    {"imgChar1_3", "ズモル羊", "強さ ★★", "/data/ms02.dat", 2, {"imgChar02", "imgChar02w", "imgChar02l"}},
    {"imgChar1_4", "ズモル蝶", "強さ ★★", "/data/ms03.dat", 4, {"imgChar03", "imgChar03w", "imgChar03l"}},
    {"imgChar2_1", "ズモル三兄弟", "強さ ★", "/data/ms10.dat", 5, {"imgChar10", "imgChar10w", "imgChar10l"}},
    {"imgChar2_2", "ズモルキノコ", "強さ ★★", "/data/ms11.dat", 7, {"imgChar11", "imgChar11w", "imgChar11l"}},
    {"imgChar2_3", "ズモルハロイン", "強さ ★★", "/data/ms12.dat", 6, {"imgChar12", "imgChar12w", "imgChar12l"}},
    {"imgChar2_4", "ズモル富士", "強さ ★★★", "/data/ms13.dat", 8, {"imgChar13", "imgChar13w", "imgChar13l"}},
    {"imgChar3_1", "ズモル棺桶", "強さ ★★★", "/data/ms20.dat", 9, {"imgChar20", "imgChar20w", "imgChar20l"}},
    {"imgChar3_2", "ズモルステルス", "強さ ★★★", "/data/ms21.dat", 10, {"imgChar21", "imgChar21w", "imgChar21l"}},
    {"imgChar3_3", "メタルズモル", "強さ ★★★★", "/data/ms22.dat", 11, {"imgChar22", "imgChar22w", "imgChar22l"}},
    {"imgChar3_4", "ズモル電子", "強さ ★★★★★", "/data/ms23.dat", 12, {"imgChar23", "imgChar23w", "imgChar23l"}},
};

// "R" is the corner-or-random game; otherwise depth/late depth/endgame empties.
inline const char* const kStageStrength[12][3] = {
    {"R", "R", "3/3/5"},     {"R", "1/1/3", "3/3/5"}, {"R", "1/3/5", "3/3/7"},     {"R", "1/3/5", "3/5/7"},
    {"R", "1/3/3", "5/5/5"}, {"R", "3/3/3", "5/5/9"}, {"R", "3/3/3", "5/5/7"},     {"R", "5/5/7", "5/7/9"},
    {"1/1/3", "3/3/5", "5/5/7"}, {"1/1/3", "3/5/5", "5/7/9"}, {"1/3/5", "5/5/7", "7/7/11"},
    {"3/3/5", "5/7/9", "7/7/13"},
};

inline const char* const kChickStrength[5][3] = {
    {"R", "1/3/5", "5/7/9"},
    {"R", "3/3/5", "5/7/11"},
    {"1/1/3", "3/5/7", "7/7/11"},
    {"1/3/5", "5/5/7", "7/9/11"},
    {"3/3/5", "5/7/13", "7/11/15"},
};

inline const char* const kChickCaption[5] = {"強さ ★", "強さ ★★", "強さ ★★★", "強さ ★★★★", "強さ ★★★★★"};

// The strength parameters a table entry stands for.
inline StrengthParams Strength(const std::string& entry)
{
    if (entry == "R")
        return StrengthParams{3, 3, 5, true};
    StrengthParams out;
    out.RandomPlay = false;
    const auto first = entry.find('/');
    const auto second = entry.find('/', first + 1);
    out.SearchDepth = std::stoi(entry.substr(0, first));
    out.LateSearchDepth = std::stoi(entry.substr(first + 1, second - first - 1));
    out.EndgameEmpties = std::stoi(entry.substr(second + 1));
    return out;
}

} // namespace expected
