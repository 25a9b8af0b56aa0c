#pragma once
// The program objects in a throw-away game folder, with the match screen's
// opponent prepared as the selection screen would, dialogs answered, sounds
// recorded and waits instant, for the match screen's tests.
#include "app/screens.h"
#include "board/board.h"
#include "brains/brains.h"
#include "campaign/ui/frm_char_select.h"
#include "campaign/ui/frm_turn_select.h"
#include "match/ui/frm_battle.h"
#include "media/sound_bank.h"
#include "media/ui/frm_data.h"
#include "platform/data_files.h"
#include "platform/shift_jis.h"
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
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace match_test {

// Waits are instant, but letting window events run really runs them, so the
// screen's timers (the speech bubble, the count) go on during a move.
class PumpingPlatform : public RecordingPlatform {
public:
    void PumpEvents() override
    {
        ++pumps;
        QCoreApplication::processEvents();
    }
    void Pause(int ms) override
    {
        RecordingPlatform::Pause(ms);
        if (onPause)
            onPause(ms);
    }
    std::function<void(int)> onPause;
};

// A wave player that remembers the file of every sound it started.
class FilePlayer : public WavePlayer {
public:
    void Close() override { open_.clear(); }
    bool Open(const std::string& path) override
    {
        open_ = path.substr(path.rfind('/') + 1);
        return true;
    }
    bool Rewind() override { return true; }
    bool Play() override
    {
        played.push_back(open_);
        return true;
    }
    std::string LastError() const override { return {}; }

    std::vector<std::string> played;  // file names: "sdm02.dat"

private:
    std::string open_;
};

// Our test opponent's message file: "L0".."L17", then three random remarks.
inline std::string TestMessageFile()
{
    std::string text;
    for (int i = 0; i <= 17; ++i)
        text += "L" + std::to_string(i) + "\r\n";
    text += "**\r\nR1\r\n*END\r\n**\r\nR2a\r\nR2b\r\n*END\r\n**\r\nR3\r\n*END\r\n*MesEnd\r\n";
    return text;
}

class MatchScreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetTimeScale(0);
        folder.CopyDeliveredData();
        folder.Write("mstest.dat", TestMessageFile());
        CreateProgramObjects();
        std::array<WavePlayer*, 5> list{};
        for (std::size_t i = 0; i < players.size(); ++i)
            list[i] = &players[i];
        frmData->UsePlayers(list);

        DUser->Record.SetPlayerName(*ToShiftJis("たろう"));
        DUser->Record.SetPlayerCharacter(1);
        // What picking the second opponent of the forest would leave behind.
        frmCharSelect->PlaceIndex = 0;
        frmCharSelect->CharIndex = 1;
        frmBattle->OpponentSoundSet = 8;
        ASSERT_TRUE(frmBattle->LoadOpponentMessage(DataPath("/data/mstest.dat")));
        frmTurnSelect->imgComWin->SetPicture(frmData->Picture(QStringLiteral("imgChar01w")));
        frmTurnSelect->imgComLoss->SetPicture(frmData->Picture(QStringLiteral("imgChar01l")));
        DBrains->SetStrength(StrengthParams{1, 1, 1, false});

        // Every line the bubble shows, in order.
        QObject::connect(frmBattle->timMessage, &QTimer::timeout, frmBattle, [this] {
            const bool visible = !frmBattle->lblMessage->isHidden();
            const std::string text = frmBattle->lblMessage->text().toStdString();
            if (visible && (!bubbleWasVisible || text != lastLine))
                spoken.push_back(text);
            bubbleWasVisible = visible;
            lastLine = text;
        });
        // What the notice over the board says while the game pauses for it.
        platform.onPause = [this](int ms) {
            // Every wait on the match screen is part of a move or an animation,
            // during which the screen takes no input.
            if (frmBattle->isVisible() && frmBattle->isEnabled())
                ++pausesWhileEnabled;
            if (ms == 1000 && !frmBattle->lblWinner->isHidden())
                notices.push_back(frmBattle->lblWinner->text().toStdString());
        };
    }

    void TearDown() override { DestroyProgramObjects(); }

    // Lets window events run until `done` holds; false after ten seconds.
    static bool RunUntil(const std::function<bool()>& done)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done()) {
            if (clock.elapsed() > 10000)
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        return true;
    }

    // The turn dialog's side button: the match is set up and its start
    // sequence runs to the end.
    void StartMatch(bool playerIsSecond)
    {
        frmBattle->SetUpMatch(playerIsSecond, frmData->Picture(PlayerPicture()), QStringLiteral("たろう"),
                              frmData->Picture(QStringLiteral("imgChar01")), QStringLiteral("ズモル玉ねぎ"));
        ASSERT_TRUE(RunUntil([] { return !frmBattle->timStart->isActive(); }));
        ASSERT_TRUE(frmBattle->isEnabled());
    }
    static QString PlayerPicture()
    {
        return DUser->Record.GetPlayerCharacter() == 1 ? QStringLiteral("imgHelo") : QStringLiteral("imgHeroine");
    }

    // The middle of a square on the board picture.
    static QPoint SquareCentre(int column, int row)
    {
        return {6 + 38 * (column - 1) + 19, 6 + 38 * (row - 1) + 19};
    }
    // Presses the board at a pixel and lets the screen finish what follows:
    // the computer's answer, or the count and the result after the last move.
    void PressBoard(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(frmBattle->imgBoard, button, Qt::NoModifier, at);
        QTest::mouseRelease(frmBattle->imgBoard, button, Qt::NoModifier, at);
        ASSERT_TRUE(RunUntil([] { return frmBattle->isEnabled() || frmBattle->isHidden(); }));
    }
    void PressSquare(int column, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        PressBoard(SquareCentre(column, row), button);
    }
    // Waits for the bubble to close.
    static void LetSpeechEnd()
    {
        ASSERT_TRUE(RunUntil([] { return !frmBattle->timMessage->isActive(); }));
    }
    // Asks the opponent for a remark and lets the bubble run to its end.
    static void SpeakAndWait(const std::string& key)
    {
        frmBattle->Speak(key);
        LetSpeechEnd();
    }
    bool ResultShown() const { return !frmBattle->pnlFinish->isHidden(); }

    // Plays the human's side to the end, choosing each move with `choose`.
    void PlayToTheEnd(const std::function<Square(std::int32_t side)>& choose)
    {
        const std::int32_t side = frmBattle->PlayerIsSecond ? White : Black;
        for (int moves = 0; moves < 64 && !ResultShown(); ++moves) {
            const Square square = choose(side);
            ASSERT_TRUE(DBoard->Board.CanPlace(square.column, square.row, side));
            PressSquare(square.column, square.row, moves % 3 == 2 ? Qt::RightButton : Qt::LeftButton);
        }
        ASSERT_TRUE(ResultShown());
    }
    // A careful player: searches five plies and reads the last twelve squares out.
    static Square StrongMove(std::int32_t side)
    {
        static TDBrains helper;
        helper.SetStrength(StrengthParams{5, 7, 12, false});
        auto cells = DBoard->Board.Cells;
        helper.ChooseMove(cells, side, 1);
        return {helper.BestX, helper.BestY};
    }
    // A careless player: the first legal square, column by column.
    static Square FirstMove(std::int32_t side)
    {
        for (int column = 1; column <= 8; ++column)
            for (int row = 1; row <= 8; ++row)
                if (DBoard->Board.CanPlace(column, row, side))
                    return {column, row};
        return {};
    }

    // Puts a position on the board as rows of 'X' (Black), 'O' (White), '.'.
    static void SetPosition(const std::array<const char*, 8>& rows)
    {
        for (int row = 1; row <= 8; ++row)
            for (int column = 1; column <= 8; ++column) {
                const char cell = rows[static_cast<std::size_t>(row - 1)][column - 1];
                DBoard->Board.Cells[CellIndex(column, row)] = cell == 'X' ? Black : cell == 'O' ? White : Empty;
            }
        DBoard->Board.RedrawAll();
    }

    // How often a player played a file.
    int Plays(SoundPlayerIndex player, const std::string& file) const
    {
        const auto& played = players[player].played;
        return static_cast<int>(std::count(played.begin(), played.end(), file));
    }
    void ForgetSounds()
    {
        for (auto& player : players)
            player.played.clear();
    }

    // A colour of a picture at (x, y) in its own units.
    static QColor PixelAt(const QPixmap& picture, int x, int y)
    {
        const qreal ratio = picture.devicePixelRatio();
        return picture.toImage().pixelColor(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
    }
    static bool SamePicture(const QPixmap& a, const QPixmap& b)
    {
        return !a.isNull() && a.toImage().convertToFormat(QImage::Format_ARGB32) ==
                                  b.toImage().convertToFormat(QImage::Format_ARGB32);
    }
    // The face as the left side shows it: its top-left 89-pixel square mirrored.
    static bool IsMirroredFace(const QPixmap& shown, const QPixmap& face)
    {
        const QImage a = shown.toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage b = face.toImage().convertToFormat(QImage::Format_ARGB32);
        const int square = static_cast<int>(89 * face.devicePixelRatio());
        if (a.size() != b.size() || b.width() < square)
            return false;
        for (int y = 0; y < square; ++y)
            for (int x = 0; x < square; ++x)
                if (a.pixel(x, y) != b.pixel(square - 1 - x, y))
                    return false;
        return true;
    }

    GameFolder folder;
    PumpingPlatform platform;
    std::array<FilePlayer, 5> players;
    std::vector<std::string> spoken;   // the bubble's lines, in order
    std::vector<std::string> notices;  // the notices shown over the board during a pause
    int pausesWhileEnabled = 0;
    bool bubbleWasVisible = false;
    std::string lastLine;
};

} // namespace match_test
