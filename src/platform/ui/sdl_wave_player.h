#pragma once
#include "platform/wave_player.h"

#include <string>

struct Mix_Chunk;

// A wave-audio player on its own SDL2_mixer channel, so the five players of the
// game sound at the same time.
class SdlWavePlayer : public WavePlayer {
public:
    explicit SdlWavePlayer(int channel);
    ~SdlWavePlayer() override;

    void Close() override;
    bool Open(const std::string& path) override;
    bool Rewind() override;
    bool Play() override;
    std::string LastError() const override { return error_; }

    // Opens the audio device once for the program. Without a usable sound
    // device the game stays silent rather than failing.
    static void OpenDevice();
    static void CloseDevice();

    // The system beep, played through the game's own audio on a channel of
    // its own (the five players keep theirs). False when no sound device
    // could be opened: the caller rings the desktop's bell instead.
    static bool PlayBeep();

private:
    int channel_;
    Mix_Chunk* chunk_ = nullptr;
    std::string error_;
};
