#include "platform/ui/sdl_wave_player.h"

#include "platform/catalogue.h"
#include "platform/data_files.h"
#include "platform/ui/desktop.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// Far more than the longest of the game's sounds.
constexpr std::size_t kMaxSoundBytes = 16 << 20;

bool deviceOpen = false;
// The device we asked for did not open and the game fell back to silence.
bool silentFallback = false;

// Channels 0..4 belong to the five players; the beep has the next one.
constexpr int kPlayerChannels = 5;
constexpr int kBeepChannel = kPlayerChannels;

// A short, soft tone: short enough that the count-up's beep per unit, ten
// milliseconds apart, still sounds as separate ticks.
constexpr double kBeepHz = 1320.0;
constexpr double kBeepSeconds = 0.008;
constexpr double kBeepLevel = 0.35;

std::vector<std::int16_t> beepSamples;
Mix_Chunk* beepChunk = nullptr;

// The tone in the device's own format (signed 16-bit, as the device was
// opened), its rate and channel count, with a smooth start and end so that
// it does not click.
Mix_Chunk* BeepChunk()
{
    if (beepChunk)
        return beepChunk;
    int rate = 0;
    Uint16 format = 0;
    int channels = 0;
    if (Mix_QuerySpec(&rate, &format, &channels) == 0 || format != AUDIO_S16SYS || channels < 1)
        return nullptr;
    const int frames = static_cast<int>(rate * kBeepSeconds);
    beepSamples.assign(static_cast<std::size_t>(frames * channels), 0);
    for (int i = 0; i < frames; ++i) {
        const double envelope = std::sin(M_PI * i / frames);
        const double value = kBeepLevel * envelope * std::sin(2.0 * M_PI * kBeepHz * i / rate);
        const auto sample = static_cast<std::int16_t>(std::lround(value * 32767.0));
        for (int c = 0; c < channels; ++c)
            beepSamples[static_cast<std::size_t>(i * channels + c)] = sample;
    }
    beepChunk = Mix_QuickLoad_RAW(reinterpret_cast<Uint8*>(beepSamples.data()),
                                  static_cast<Uint32>(beepSamples.size() * sizeof(std::int16_t)));
    return beepChunk;
}

} // namespace

void SdlWavePlayer::OpenDevice()
{
    if (deviceOpen)
        return;
    // SDL would otherwise swallow SIGTERM and SIGINT, and the game would
    // outlive a logout or a plain kill.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The desktop's volume mixer lists the game's sound under its own name,
    // not as "SDL Application".
    SDL_SetHint(SDL_HINT_APP_NAME, kGameCaption);
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, kGameCaption);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 || Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) != 0) {
        // No sound card: carry on with SDL's silent driver.
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 || Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) != 0)
            return;
        silentFallback = true;
    }
    Mix_AllocateChannels(kPlayerChannels + 1);
    deviceOpen = true;
}

void SdlWavePlayer::CloseDevice()
{
    if (!deviceOpen)
        return;
    Mix_HaltChannel(-1);
    if (beepChunk) {
        Mix_FreeChunk(beepChunk);
        beepChunk = nullptr;
    }
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
    // Read by the game's own reader, which never waits on a FIFO in the
    // sound's place; the chunk keeps a decoded copy of the bytes.
    const auto bytes = ReadRawFile(path, kMaxSoundBytes);
    SDL_RWops* file = bytes ? SDL_RWFromConstMem(bytes->data(), static_cast<int>(bytes->size())) : nullptr;
    if (!file) {
        error_ = Tr("サウンドを開けません: ") + path;
        return false;
    }
    chunk_ = Mix_LoadWAV_RW(file, 1);
    if (!chunk_) {
        error_ = Tr("サウンドを開けません: ") + path + "\n" + Mix_GetError();
        return false;
    }
    return true;
}

bool SdlWavePlayer::Rewind()
{
    if (!deviceOpen)
        return true;
    if (!chunk_) {
        error_ = Tr("サウンドが開かれていません");
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
        error_ = Tr("サウンドを再生できません: ") + Mix_GetError();
        return false;
    }
    return true;
}

bool SdlWavePlayer::PlayBeep()
{
    OpenDevice();
    if (!deviceOpen || silentFallback)
        return false;
    Mix_Chunk* chunk = BeepChunk();
    if (!chunk)
        return false;
    // Each beep restarts the tone, as each unit of a count-up asks for one.
    Mix_HaltChannel(kBeepChannel);
    return Mix_PlayChannel(kBeepChannel, chunk, 0) >= 0;
}
