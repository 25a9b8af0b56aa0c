#include "platform/ui/sdl_wave_player.h"

#include "platform/catalogue.h"
#include "platform/data_files.h"
#include "platform/ui/desktop.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// Far more than the longest of the game's sounds.
constexpr std::size_t kMaxSoundBytes = 16 << 20;

// SDL2_mixer, with SDL2 under it, is some forty libraries: loaded with the
// game they would hold up its first window by a good part of its start. They
// are loaded when the first sound is wanted, or when the first window is on
// the screen (the catalogue asks then, well before the title's first sound).
struct Sdl {
    decltype(&::SDL_SetHint) SetHint;
    decltype(&::SDL_InitSubSystem) InitSubSystem;
    decltype(&::SDL_QuitSubSystem) QuitSubSystem;
    decltype(&::SDL_RWFromConstMem) RWFromConstMem;
    decltype(&::SDL_GetError) GetError;
    decltype(&::Mix_OpenAudio) OpenAudio;
    decltype(&::Mix_QuerySpec) QuerySpec;
    decltype(&::Mix_AllocateChannels) AllocateChannels;
    decltype(&::Mix_CloseAudio) CloseAudio;
    decltype(&::Mix_LoadWAV_RW) LoadWAV_RW;
    decltype(&::Mix_QuickLoad_RAW) QuickLoad_RAW;
    decltype(&::Mix_FreeChunk) FreeChunk;
    decltype(&::Mix_PlayChannelTimed) PlayChannelTimed;
    decltype(&::Mix_HaltChannel) HaltChannel;
};

template <typename Function>
bool Take(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

// The library's functions, or nullptr when it cannot be loaded (the game is
// then silent). Loaded once; it stays for the rest of the run.
const Sdl* LoadSdl()
{
    static const Sdl* const loaded = []() -> const Sdl* {
        void* library = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return nullptr;
        static Sdl sdl{};
        const bool complete =
            Take(library, "SDL_SetHint", sdl.SetHint) && Take(library, "SDL_InitSubSystem", sdl.InitSubSystem) &&
            Take(library, "SDL_QuitSubSystem", sdl.QuitSubSystem) && Take(library, "SDL_RWFromConstMem", sdl.RWFromConstMem) &&
            Take(library, "SDL_GetError", sdl.GetError) && Take(library, "Mix_OpenAudio", sdl.OpenAudio) &&
            Take(library, "Mix_QuerySpec", sdl.QuerySpec) &&
            Take(library, "Mix_AllocateChannels", sdl.AllocateChannels) &&
            Take(library, "Mix_CloseAudio", sdl.CloseAudio) && Take(library, "Mix_LoadWAV_RW", sdl.LoadWAV_RW) &&
            Take(library, "Mix_QuickLoad_RAW", sdl.QuickLoad_RAW) && Take(library, "Mix_FreeChunk", sdl.FreeChunk) &&
            Take(library, "Mix_PlayChannelTimed", sdl.PlayChannelTimed) &&
            Take(library, "Mix_HaltChannel", sdl.HaltChannel);
        return complete ? &sdl : nullptr;
    }();
    return loaded;
}

// SDL2_mixer's functions, once the device has been asked for.
const Sdl* sdl = nullptr;
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
    if (sdl->QuerySpec(&rate, &format, &channels) == 0 || format != AUDIO_S16SYS || channels < 1)
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
    beepChunk = sdl->QuickLoad_RAW(reinterpret_cast<Uint8*>(beepSamples.data()),
                                  static_cast<Uint32>(beepSamples.size() * sizeof(std::int16_t)));
    return beepChunk;
}

} // namespace

void SdlWavePlayer::OpenDevice()
{
    if (deviceOpen)
        return;
    sdl = LoadSdl();
    if (!sdl)
        return;
    // SDL would otherwise swallow SIGTERM and SIGINT, and the game would
    // outlive a logout or a plain kill.
    sdl->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The desktop's volume mixer lists the game's sound under its own name,
    // not as "SDL Application".
    sdl->SetHint(SDL_HINT_APP_NAME, kGameCaption);
    sdl->SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, kGameCaption);
    if (sdl->InitSubSystem(SDL_INIT_AUDIO) != 0 || sdl->OpenAudio(22050, AUDIO_S16SYS, 2, 1024) != 0) {
        // No sound card: carry on with SDL's silent driver.
        sdl->QuitSubSystem(SDL_INIT_AUDIO);
        sdl->SetHint(SDL_HINT_AUDIODRIVER, "dummy");
        if (sdl->InitSubSystem(SDL_INIT_AUDIO) != 0 || sdl->OpenAudio(22050, AUDIO_S16SYS, 2, 1024) != 0)
            return;
        silentFallback = true;
    }
    sdl->AllocateChannels(kPlayerChannels + 1);
    deviceOpen = true;
}

void SdlWavePlayer::CloseDevice()
{
    if (!deviceOpen)
        return;
    sdl->HaltChannel(-1);
    if (beepChunk) {
        sdl->FreeChunk(beepChunk);
        beepChunk = nullptr;
    }
    sdl->CloseAudio();
    sdl->QuitSubSystem(SDL_INIT_AUDIO);
    deviceOpen = false;
}

SdlWavePlayer::SdlWavePlayer(int channel) : channel_(channel) {}

SdlWavePlayer::~SdlWavePlayer() { Close(); }

void SdlWavePlayer::Close()
{
    if (!chunk_)
        return;
    if (deviceOpen)
        sdl->HaltChannel(channel_);
    sdl->FreeChunk(chunk_);
    chunk_ = nullptr;
}

bool SdlWavePlayer::Open(const std::string& path)
{
    OpenDevice();
    if (!deviceOpen)
        return true;  // silent game: nothing to open
    // Read by the game's own reader, which never waits on a FIFO in the
    // sound's place; the chunk keeps a decoded copy of the bytes.
    const auto bytes = ReadRawFile(path, kMaxSoundBytes);
    SDL_RWops* file = bytes ? sdl->RWFromConstMem(bytes->data(), static_cast<int>(bytes->size())) : nullptr;
    if (!file) {
        error_ = Tr("サウンドを開けません: ") + path;
        return false;
    }
    chunk_ = sdl->LoadWAV_RW(file, 1);
    if (!chunk_) {
        error_ = Tr("サウンドを開けません: ") + path + "\n" + sdl->GetError();
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
    sdl->HaltChannel(channel_);
    return true;
}

bool SdlWavePlayer::Play()
{
    if (!deviceOpen)
        return true;
    if (sdl->PlayChannelTimed(channel_, chunk_, 0, -1) < 0) {
        error_ = Tr("サウンドを再生できません: ") + sdl->GetError();
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
    sdl->HaltChannel(kBeepChannel);
    return sdl->PlayChannelTimed(kBeepChannel, chunk, 0, -1) >= 0;
}
