#pragma once
// The player's figure as the screens show it: the boy (figure 1) or the girl
// (any other value), as picked, winning or losing.
#include <string>

enum class FigureMood { AsPicked, Winning, Losing };

// The picture identifier: "imgHelo", "imgHeloW", "imgHeroineL", ...
inline std::string FigurePicture(int playerCharacter, FigureMood mood)
{
    std::string picture = playerCharacter == 1 ? "imgHelo" : "imgHeroine";
    if (mood == FigureMood::Winning)
        picture += 'W';
    else if (mood == FigureMood::Losing)
        picture += 'L';
    return picture;
}
