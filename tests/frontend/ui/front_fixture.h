#pragma once
// The nine program objects in a throw-away game folder with the delivered data,
// dialogs answered, waits instant and sounds recorded, for the title screen and
// opening tests. A test may change the data files before it starts the program.
#include "app/screens.h"
#include "campaign/ui/frm_char_select.h"
#include "frontend/ui/front_form.h"
#include "frontend/ui/frm_opening.h"
#include "frontend/ui/frm_start.h"
#include "media/sound_bank.h"
#include "media/ui/frm_data.h"
#include "platform/ui/timing.h"
#include "platform/ui/widgets.h"
#include "profile/player_record.h"
#include "support/game_folder.h"
#include "support/recording_platform.h"
#include "support/recording_players.h"
#include "ui_support/screenshots.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

class FrontEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetTimeScale(0);
        folder.CopyDeliveredData();
    }

    void TearDown() override
    {
        if (started_)
            DestroyProgramObjects();
    }

    // Creates the program's objects as the start-up does (the title screen reads
    // the slot index now) and puts recording players in place.
    void StartProgram()
    {
        if (started_)
            DestroyProgramObjects();
        ForgetSounds();
        CreateProgramObjects();
        started_ = true;
        frmData->UsePlayers(sounds.Pointers());
    }

    // Shows the title screen and lets the logo and the title run until the start
    // button is there; `eachTurn` looks at the screen between events.
    bool RunTitle(const std::function<void()>& eachTurn = {})
    {
        frmStart->show();
        return RunUntil([] { return frmStart->bitStart->isVisibleTo(frmStart); }, eachTurn);
    }

    // Starts the program and picks slot `slot` for a new game from the menu
    // (the slot is empty, or the question is answered from `platform`).
    void StartNewGame(int slot = 1)
    {
        StartProgram();
        ASSERT_TRUE(RunTitle());
        Click(frmStart->bitStart);
        Click(frmStart->BitBtn1);
        Click(frmStart->btnSave[static_cast<std::size_t>(slot - 1)]);
    }

    // Processes events until `done` holds (false after 10 seconds).
    static bool RunUntil(const std::function<bool()>& done, const std::function<void()>& eachTurn = {})
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 10000) {
            if (eachTurn)
                eachTurn();
            if (done())
                return true;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        return false;
    }

    // The sounds played so far, as "effect 2", "put 1"... in order of starting.
    std::vector<std::string> Sounds() const
    {
        static const char* const kPlayers[] = {"effect", "put", "turn", "computer put", "computer turn"};
        std::vector<std::string> heard;
        for (std::size_t player = 0; player < 5; ++player)
            for (const std::string& path : sounds.players[player].played)
                heard.push_back(std::string(kPlayers[player]) + " " + path.substr(path.size() - 9));
        return heard;
    }
    // How often the effect player started sdm0(n-1).dat, i.e. PlayEffect(n).
    int Effects(int n) const
    {
        const std::string tail = "/data/sdm0" + std::to_string(n - 1) + ".dat";
        const auto& played = sounds.players[MultiSound].played;
        return static_cast<int>(std::count_if(played.begin(), played.end(), [&](const std::string& path) {
            return path.size() >= tail.size() && path.compare(path.size() - tail.size(), tail.size(), tail) == 0;
        }));
    }
    int AllSounds() const
    {
        int total = 0;
        for (const auto& player : sounds.players)
            total += static_cast<int>(player.played.size());
        return total;
    }
    void ForgetSounds()
    {
        for (auto& player : sounds.players)
            player.played.clear();
    }

    // A press and release of a mouse button in the middle of a widget.
    static void Click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPoint middle(widget->width() / 2, widget->height() / 2);
        QTest::mousePress(widget, button, Qt::NoModifier, middle);
        QTest::mouseRelease(widget, button, Qt::NoModifier, middle);
    }

    // Types text into a widget one character at a time, as the keyboard (or an
    // input method) would deliver it.
    static void Type(QWidget* widget, const QString& text)
    {
        for (qsizetype at = 0; at < text.size(); ++at) {
            QString character = text.mid(at, text.at(at).isHighSurrogate() ? 2 : 1);
            at += character.size() - 1;
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
            QCoreApplication::sendEvent(widget, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
            QCoreApplication::sendEvent(widget, &release);
        }
    }

    template <typename T = QWidget>
    static T* Find(QWidget* window, const char* name)
    {
        return window->findChild<T*>(QString::fromLatin1(name));
    }

    static bool SamePicture(const QPixmap& a, const QPixmap& b)
    {
        return !a.isNull() && a.toImage().convertToFormat(QImage::Format_ARGB32) ==
                                  b.toImage().convertToFormat(QImage::Format_ARGB32);
    }

    // Saves a picture of the window for docs/ (see ui_support/screenshots.h).
    static void Shoot(QWidget* window, const char* name)
    {
        QCoreApplication::processEvents();
        SaveScreenshot(window, (std::string(name) + ".png").c_str());
    }

    GameFolder folder;
    RecordingPlatform platform;
    RecordingPlayers sounds;

private:
    bool started_ = false;
};
