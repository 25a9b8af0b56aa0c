#pragma once
// What the whole-game test needs to sit in front of the real screens as a
// player: a platform that answers the game's questions and really lets window
// events run, presses and typing on widgets, and a careful Reversi player of
// its own that never draws from the game's shared random generator.
#include "board/board.h"
#include "brains/brains.h"
#include "match/match_rules.h"
#include "support/recording_platform.h"
#include "ui_support/screenshots.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QWidget>
#include <chrono>
#include <functional>
#include <string>

namespace e2e {

// Waits are instant and questions are answered from a queue, but letting
// window events run really runs them: the speech bubble, the disc count and
// the blinking go on during a move and a count-up, as they do in the game.
class PumpingPlatform : public RecordingPlatform {
public:
    void PumpEvents() override
    {
        ++pumps;
        QCoreApplication::processEvents();
    }
};

// Lets window events run until `done` holds; false when it has not after the
// given time.
inline bool RunUntil(const std::function<bool()>& done, int limitMs = 20000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// A press and release of the left button at a point of a widget (its middle
// unless told otherwise).
inline void Press(QWidget* widget, QPoint at = QPoint(-1, -1))
{
    if (at.x() < 0)
        at = QPoint(widget->width() / 2, widget->height() / 2);
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, at);
}

// Types text into a widget, one key per character. (QTest::keyClicks passes
// its characters through Latin-1, which would turn a Japanese name into
// question marks, so each key carries its character as text.)
inline void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
}

template <typename T = QWidget>
T* Part(QWidget* window, const char* name)
{
    return window->findChild<T*>(QString::fromLatin1(name));
}

// The middle of a board square on the match screen's board picture: the grid
// starts 6 pixels in and its squares are 38 pixels wide.
inline QPoint SquareCentre(int column, int row)
{
    return {6 + 38 * (column - 1) + 19, 6 + 38 * (row - 1) + 19};
}

// A picture's colour at (x, y) in its own units.
inline QColor PixelAt(const QPixmap& picture, int x, int y)
{
    const qreal ratio = picture.devicePixelRatio();
    return picture.toImage().pixelColor(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
}

// The red of the cross over a beaten opponent, on both strokes: (30, 30) lies
// on the falling one, (60, 30) on the rising one.
inline bool CrossedOut(const QPixmap& portrait)
{
    const QColor red(255, 0, 0);
    return PixelAt(portrait, 30, 30) == red && PixelAt(portrait, 60, 30) == red;
}
inline bool AnyCrossRed(const QPixmap& portrait)
{
    const QColor red(255, 0, 0);
    return PixelAt(portrait, 30, 30) == red || PixelAt(portrait, 60, 30) == red;
}

inline bool SamePicture(const QPixmap& a, const QPixmap& b)
{
    return !a.isNull() && a.toImage().convertToFormat(QImage::Format_ARGB32) ==
                              b.toImage().convertToFormat(QImage::Format_ARGB32);
}

// Saves a picture of a window as e2e-<name>.png (see ui_support/screenshots.h).
inline void Screenshot(QWidget* window, const char* name)
{
    QCoreApplication::processEvents();
    SaveScreenshot(window, ("e2e-" + std::string(name) + ".png").c_str());
}

// The scripted player: the game's own search, set stronger than the opponent.
// It looks at a copy of the board, so it never disturbs the match, and its
// search draws nothing from the shared random generator, so the same position
// always gets the same answer.
class ScriptedPlayer {
public:
    explicit ScriptedPlayer(const StrengthParams& strength)
    {
        brains_.SetStrength(strength);
        // The player thinks between presses, while nothing else is going on.
        brains_.SetPumpInterval(std::chrono::hours(1));
    }

    Square Choose(const TBoard& board, std::int32_t side)
    {
        auto cells = board.Cells;
        brains_.ChooseMove(cells, side, 1);
        return {brains_.BestX, brains_.BestY};
    }

private:
    TDBrains brains_;
};

} // namespace e2e
