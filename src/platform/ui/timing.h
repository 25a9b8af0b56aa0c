#pragma once
#include <QTimer>

// Every wait and animation interval of the game goes through one time scale:
// 1 in the game, 0 in tests (so every animation runs at once).
void SetTimeScale(double scale);
double TimeScale();
int ScaledMs(int ms);

// A window timer whose interval is given in the game's own milliseconds.
class GameTimer : public QTimer {
    Q_OBJECT
public:
    explicit GameTimer(QObject* parent, int intervalMs, const char* name);
    void SetInterval(int ms);
    int Interval() const { return designInterval_; }

private:
    int designInterval_;
};
