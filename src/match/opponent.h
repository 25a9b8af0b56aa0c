#pragma once
// The opponent of one match, as the campaign hands it over when the player
// picks a portrait: who it is and how it looks, its place on the selection
// screen, its disc sounds and lines, and how strongly the computer plays it.
// Texts are UTF-8; pictures are identifiers of the media catalogue.
#include "brains/strength_table.h"

#include <optional>
#include <string>
#include <vector>

struct MatchOpponent {
    // As the player reads them, in the game's language: the chick's name as typed.
    std::string name;              // the turn dialog's caption and the match's
    std::string strengthCaption;   // "強さ ★" … "強さ ★★★★★"
    std::string portrait;
    std::string winFace;
    std::string lossFace;
    int soundSet = 1;              // the computer's disc sounds
    int place = 0;                 // where it stands on the selection screen
    int position = 0;              // 0..3 within its place
    // The chick of the bonus stage: it never speaks, and a match against it
    // feeds nothing and records nothing.
    bool isChick = false;
    // Nothing: the computer keeps the strength it had (a game level the
    // strength table does not know).
    std::optional<StrengthParams> strength;
    std::vector<std::string> speech;  // the opponent's lines; none for the chick
};
