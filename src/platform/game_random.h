#pragma once
#include <cstdint>
#include <random>

// The one pseudo-random generator of the whole program. The title screen seeds it
// from the clock, and so does every opponent remark; the computer's random play
// and the remark choice both draw from it.
class GameRandom {
public:
    static GameRandom& Shared();

    void Seed(std::uint32_t seed) { engine_.seed(seed); }
    // Seeds from the time of day in milliseconds.
    void SeedFromClock();
    // A uniform integer 0..n-1, and 0 when n is 0 or less.
    int Next(int n);

private:
    std::mt19937 engine_{1};
};
