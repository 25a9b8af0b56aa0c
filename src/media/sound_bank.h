#pragma once
#include "platform/wave_player.h"

#include <array>
#include <set>
#include <string>


enum SoundPlayerIndex { MultiSound, PlayerPutSound, PlayerTurnSound, ComPutSound, ComTurnSound };

// The six effect sounds (sdm00.dat .. sdm05.dat), by what they sound like.
enum class Effect {
    Chime = 1,    // a soft two-stroke chime; nothing asks for it
    Click = 2,    // buttons, tabs and portraits
    Fanfare = 3,  // a match won, the egg hatched, the game clear
    Lament = 4,   // a match lost
    Jingle = 5,   // a draw, the title logo, a place opening, a step of the story
    Blip = 6,     // a pass, the story going on, going back or cancelling
};

// The file tail ("/data/sdm01.dat") that a player plays for a number; empty for
// a number outside the player's table.
std::string SoundTail(SoundPlayerIndex player, int number);

// The five players of the game and the rule that drives them: a repeated number
// rewinds and restarts the sound already open; a changed number closes the
// player and opens the new file, even when both numbers name the same file.
// A sound that cannot be opened or played is skipped: the player is told once
// per file in a run, and the move or animation that asked for it goes on.
class SoundBank {
public:
    explicit SoundBank(const std::array<WavePlayer*, 5>& players) : players_(players) {}

    void PlayEffect(Effect effect) { Play(MultiSound, static_cast<int>(effect)); }
    void PlayPlayerPut(int v) { Play(PlayerPutSound, v); }
    void PlayPlayerTurn(int v) { Play(PlayerTurnSound, v); }
    void PlayComPut(int n) { Play(ComPutSound, n); }
    void PlayComTurn(int n) { Play(ComTurnSound, n); }

private:
    void Play(SoundPlayerIndex player, int number);

    std::array<WavePlayer*, 5> players_;
    std::array<int, 5> lastNumber_{};
    std::set<std::string> reported_;  // files whose failure the player has been told of
};

// The player's figure picks the first sound of each pair for the boy (1) and the
// second for anyone else.
inline int PlayerSoundVariant(int playerCharacter) { return playerCharacter == 1 ? 1 : 2; }
