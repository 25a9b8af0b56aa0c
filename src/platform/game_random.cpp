#include "platform/game_random.h"

#include <chrono>

GameRandom& GameRandom::Shared()
{
    static GameRandom shared;
    return shared;
}

void GameRandom::SeedFromClock()
{
    using namespace std::chrono;
    const auto now = system_clock::now().time_since_epoch();
    const auto msOfDay = duration_cast<milliseconds>(now).count() % (24LL * 60 * 60 * 1000);
    Seed(static_cast<std::uint32_t>(msOfDay));
}

int GameRandom::Next(int n)
{
    if (n <= 0)
        return 0;
    std::uniform_int_distribution<int> pick(0, n - 1);
    return pick(engine_);
}
