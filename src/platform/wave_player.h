#pragma once
#include <string>

// One wave-audio player: holds at most one open sound at a time. The desktop
// has SDL2_mixer players (platform/ui); tests record what they are asked.
class WavePlayer {
public:
    virtual ~WavePlayer() = default;
    virtual void Close() = 0;
    // Opens the file as wave audio whatever its extension.
    virtual bool Open(const std::string& path) = 0;
    virtual bool Rewind() = 0;
    // Starts playing and returns at once.
    virtual bool Play() = 0;
    virtual std::string LastError() const = 0;
};
