#include "platform/ui/sdl_wave_player.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace {
bool deviceOpen = false;
}

void SdlWavePlayer::OpenDevice()
{
    if (deviceOpen)
        return;
    // SDL would otherwise swallow SIGTERM and SIGINT, and the game would
    // outlive a logout or a plain kill.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 || Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) != 0) {
        // No sound card: carry on with SDL's silent driver.
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 || Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) != 0)
            return;
    }
    Mix_AllocateChannels(5);
    deviceOpen = true;
}

void SdlWavePlayer::CloseDevice()
{
    if (!deviceOpen)
        return;
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    deviceOpen = false;
}

SdlWavePlayer::SdlWavePlayer(int channel) : channel_(channel) {}

SdlWavePlayer::~SdlWavePlayer() { Close(); }

void SdlWavePlayer::Close()
{
    if (!chunk_)
        return;
    if (deviceOpen)
        Mix_HaltChannel(channel_);
    Mix_FreeChunk(chunk_);
    chunk_ = nullptr;
}

bool SdlWavePlayer::Open(const std::string& path)
{
    if (!deviceOpen)
        return true;  // silent game: nothing to open
    SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
    if (!file) {
        error_ = "サウンドを開けません: " + path;
        return false;
    }
    chunk_ = Mix_LoadWAV_RW(file, 1);
    if (!chunk_) {
        error_ = "サウンドを開けません: " + path + "\n" + Mix_GetError();
        return false;
    }
    return true;
}

bool SdlWavePlayer::Rewind()
{
    if (!deviceOpen)
        return true;
    if (!chunk_) {
        error_ = "サウンドが開かれていません";
        return false;
    }
    Mix_HaltChannel(channel_);
    return true;
}

bool SdlWavePlayer::Play()
{
    if (!deviceOpen)
        return true;
    if (Mix_PlayChannel(channel_, chunk_, 0) < 0) {
        error_ = std::string("サウンドを再生できません: ") + Mix_GetError();
        return false;
    }
    return true;
}
