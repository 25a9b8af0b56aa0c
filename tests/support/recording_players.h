#pragma once
#include "media/sound_bank.h"

#include <array>
#include <string>
#include <vector>

// A wave player that only writes down what it is asked to do.
class RecordingPlayer : public WavePlayer {
public:
    void Close() override { calls.push_back("close"); open = false; }
    bool Open(const std::string& path) override
    {
        calls.push_back("open " + path);
        open = !failOpen;
        return open;
    }
    bool Rewind() override
    {
        calls.push_back("rewind");
        return open;
    }
    bool Play() override
    {
        calls.push_back("play");
        if (open)
            played.push_back(currentPathFrom(calls));
        return open;
    }
    std::string LastError() const override { return "device error"; }

    std::vector<std::string> calls;
    std::vector<std::string> played;  // the file of every sound that started
    bool failOpen = false;
    bool open = false;

private:
    static std::string currentPathFrom(const std::vector<std::string>& calls)
    {
        for (auto it = calls.rbegin(); it != calls.rend(); ++it)
            if (it->rfind("open ", 0) == 0)
                return it->substr(5);
        return {};
    }
};

// The five players of the game, recording.
struct RecordingPlayers {
    std::array<RecordingPlayer, 5> players;
    std::array<WavePlayer*, 5> Pointers()
    {
        return {&players[0], &players[1], &players[2], &players[3], &players[4]};
    }
};
