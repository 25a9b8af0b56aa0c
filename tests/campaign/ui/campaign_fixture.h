#pragma once
// The nine program objects in a throw-away game folder, with dialogs answered
// and sounds recorded, for the campaign's screen tests.
#include "app/screens.h"
#include "campaign/ui/frm_char_select.h"
#include "media/sound_bank.h"
#include "media/ui/frm_data.h"
#include "platform/ui/timing.h"
#include "platform/ui/widgets.h"
#include "profile/player_record.h"
#include "support/game_folder.h"
#include "support/recording_platform.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// A wave player that remembers which file it played, in order.
class RecordingWavePlayer : public WavePlayer {
public:
    void Close() override { open_.clear(); }
    bool Open(const std::string& path) override
    {
        open_ = path;
        return true;
    }
    bool Rewind() override { return true; }
    bool Play() override
    {
        played.push_back(open_);
        return true;
    }
    std::string LastError() const override { return {}; }

    std::vector<std::string> played;  // full paths

private:
    std::string open_;
};

class CampaignScreens : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetTimeScale(0);
        folder.CopyDeliveredData();
        CreateProgramObjects();
        std::array<WavePlayer*, 5> list{};
        for (std::size_t i = 0; i < players.size(); ++i)
            list[i] = &players[i];
        frmData->UsePlayers(list);
    }

    void TearDown() override { DestroyProgramObjects(); }

    // How often a player played the file with this tail ("/data/sdm01.dat").
    int Plays(SoundPlayerIndex player, const std::string& tail) const
    {
        const auto& played = players[player].played;
        return static_cast<int>(std::count_if(played.begin(), played.end(), [&](const std::string& path) {
            return path.size() >= tail.size() && path.compare(path.size() - tail.size(), tail.size(), tail) == 0;
        }));
    }
    void ForgetSounds()
    {
        for (auto& player : players)
            player.played.clear();
    }

    // Presses a widget with a mouse button, as the player would.
    static void Press(QWidget* widget, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(widget, button, Qt::NoModifier, QPoint(widget->width() / 2, widget->height() / 2));
        QTest::mouseRelease(widget, button, Qt::NoModifier, QPoint(widget->width() / 2, widget->height() / 2));
    }
    static void Click(QWidget* widget) { Press(widget, Qt::LeftButton); }

    // Lets the defeat animation run to its end; `afterTick` sees the step
    // each tick has led to. False when it never ends.
    template <typename AfterTick>
    bool RunDefeatAnimation(AfterTick afterTick)
    {
        const auto watch = QObject::connect(frmCharSelect->timDes, &QTimer::timeout, frmCharSelect,
                                            [&] { afterTick(frmCharSelect->DesStep); });
        QElapsedTimer clock;
        clock.start();
        bool ended = false;
        while (!ended && clock.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            ended = frmCharSelect->DesStep == 0 && !frmCharSelect->timDes->isActive();
        }
        QObject::disconnect(watch);
        return ended;
    }
    bool RunDefeatAnimation()
    {
        return RunDefeatAnimation([](int) {});
    }

    // A picture's colour at (x, y) in its own units.
    static QColor PixelAt(const QPixmap& picture, int x, int y)
    {
        const qreal ratio = picture.devicePixelRatio();
        return picture.toImage().pixelColor(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
    }
    static bool IsCrossRed(const QColor& colour) { return colour == QColor(255, 0, 0); }
    static bool SamePicture(const QPixmap& a, const QPixmap& b)
    {
        return !a.isNull() && a.toImage().convertToFormat(QImage::Format_ARGB32) ==
                                  b.toImage().convertToFormat(QImage::Format_ARGB32);
    }

    // The selection screen as a new game leaves it: place 1, score 0, shown.
    void ShowSelection(int level)
    {
        PlayerRecord& record = DUser->Record;
        record.SetPlayerName("Taro");
        record.SetPlayerCharacter(1);
        record.SetSlotNumber(1);
        record.SetLevel(level);
        frmCharSelect->PlaceIndex = 0;
        frmCharSelect->imgPlayer->SetPicture(frmData->Picture(QStringLiteral("imgHelo")));
        frmCharSelect->show();
    }

    GameFolder folder;
    RecordingPlatform platform;
    std::array<RecordingWavePlayer, 5> players;
};
