#include "platform/ui/timing.h"

#include <cmath>

namespace {
double timeScale = 1.0;
}

void SetTimeScale(double scale) { timeScale = scale < 0 ? 0 : scale; }
double TimeScale() { return timeScale; }
int ScaledMs(int ms) { return static_cast<int>(std::lround(ms * timeScale)); }

GameTimer::GameTimer(QObject* parent, int intervalMs, const char* name)
    : QTimer(parent), designInterval_(intervalMs)
{
    setObjectName(QString::fromLatin1(name));
    setInterval(ScaledMs(intervalMs));
}

void GameTimer::SetInterval(int ms)
{
    designInterval_ = ms;
    setInterval(ScaledMs(ms));
}
