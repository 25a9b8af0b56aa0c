#pragma once
// The match screen with its opponent prepared as a pick on the selection
// screen would (the second opponent of the forest, with a test speech file),
// for the match screen's tests.
#include "ui_support/screen_fixture.h"
#include "ui_support/screenshots.h"

#include "campaign/roster.h"
#include "match/speech.h"
#include "platform/data_files.h"
#include "platform/shift_jis.h"

#include <QTimer>
#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace match_test {

using namespace ui_test;

// Our test opponent's message file: "L0".."L17", then three random remarks.
inline std::string TestMessageFile()
{
    std::string text;
    for (int i = 0; i <= 17; ++i)
        text += "L" + std::to_string(i) + "\r\n";
    text += "**\r\nR1\r\n*END\r\n**\r\nR2a\r\nR2b\r\n*END\r\n**\r\nR3\r\n*END\r\n*MesEnd\r\n";
    return text;
}

class MatchScreen : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        folder.Write("mstest.dat", TestMessageFile());
        StartProgram();

        DUser->Record.SetPlayerName(*ToShiftJis(PlayerName()));
        DUser->Record.SetPlayerCharacter(1);
        // What picking the second opponent of the forest would hand over.
        ASSERT_TRUE(PrepareOpponent("/data/mstest.dat"));
        DBrains->SetStrength(StrengthParams{1, 1, 1, false});

        // Every line the bubble shows, in order.
        QObject::connect(Find<GameTimer>(frmBattle, "timMessage"), &QTimer::timeout, frmBattle, [this] {
            const bool visible = !Find<TLabel>(frmBattle, "lblMessage")->isHidden();
            const std::string text = Find<TLabel>(frmBattle, "lblMessage")->text().toStdString();
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
            if (ms == 1000 && !Find<TLabel>(frmBattle, "lblWinner")->isHidden()) {
                notices.push_back(Find<TLabel>(frmBattle, "lblWinner")->text().toStdString());
                LooksEnglish();
            }
        };
    }

    // The pick's hand-off to the match: the second opponent of the forest
    // (sound set 8 for these tests) speaking the lines of `speechFile`.
    static bool PrepareOpponent(const char* speechFile, int place = 0)
    {
        auto speech = SpeechScript::ReadFile(DataPath(speechFile));
        if (!speech)
            return false;
        MatchOpponent opponent = campaign::StageOpponentAt(0, 1, LevelNormal);
        opponent.strength.reset();  // the computer keeps the strength the test gives it
        opponent.place = place;
        opponent.isChick = place == campaign::kColosseum;
        opponent.soundSet = 8;
        opponent.speech = std::move(*speech);
        frmBattle->PrepareOpponent(opponent);
        return true;
    }

    // The player's name: "たろう", or in English a name of the ten letters
    // the record holds, to be seen whole.
    const char* PlayerName() const { return InEnglish() ? "Wilhelmina" : "たろう"; }
    // What the turn dialog's side buttons hand over: the player (`PlayerName()` in
    // the figure of the record) on the side chosen.
    MatchSides Sides(bool playerIsSecond, const char* playerName = nullptr) const
    {
        return MatchSides{playerIsSecond, PlayerPicture().toStdString(), playerName ? playerName : PlayerName()};
    }

    // The turn dialog's side button: the match is set up and its start
    // sequence runs to the end.
    void StartMatch(bool playerIsSecond)
    {
        frmBattle->StartMatch(Sides(playerIsSecond));
        ASSERT_TRUE(RunUntil([] { return !Find<GameTimer>(frmBattle, "timStart")->isActive(); }));
        ASSERT_TRUE(frmBattle->isEnabled());
    }
    static QString PlayerPicture()
    {
        return DUser->Record.GetPlayerCharacter() == 1 ? QStringLiteral("imgHelo") : QStringLiteral("imgHeroine");
    }

    // Presses the board at a pixel and lets the screen finish what follows:
    // the computer's answer, or the count and the result after the last move.
    void PressBoard(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(Find<TImage>(frmBattle, "imgBoard"), button, Qt::NoModifier, at);
        QTest::mouseRelease(Find<TImage>(frmBattle, "imgBoard"), button, Qt::NoModifier, at);
        ASSERT_TRUE(RunUntil([] { return frmBattle->isEnabled() || frmBattle->isHidden(); }));
    }
    void PressSquare(int column, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        PressBoard(SquareCentre(column, row), button);
    }
    // Waits for the bubble to close.
    static void LetSpeechEnd()
    {
        ASSERT_TRUE(RunUntil([] { return !Find<GameTimer>(frmBattle, "timMessage")->isActive(); }));
    }
    // Asks the opponent for a remark and lets the bubble run to its end.
    static void SpeakAndWait(const std::string& key)
    {
        frmBattle->Flow().Speak(key);
        LetSpeechEnd();
    }
    bool ResultShown() const { return !Find<TPanel>(frmBattle, "pnlFinish")->isHidden(); }

    // Plays the human's side to the end, choosing each move with `choose`.
    void PlayToTheEnd(const std::function<Square(std::int32_t side)>& choose)
    {
        const std::int32_t side = frmBattle->Flow().PlayerIsSecond ? White : Black;
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
    static void SetPosition(const std::array<std::string_view, 8>& rows)
    {
        DBoard->Board.Cells = Position::FromRows(rows);
        DBoard->Board.RedrawAll();
    }

    // The file names a player played, in order ("sdp00.dat").
    std::vector<std::string> PlayedFiles(SoundPlayerIndex player) const
    {
        std::vector<std::string> files;
        for (const std::string& path : sounds.players[player].played)
            files.push_back(path.substr(path.rfind('/') + 1));
        return files;
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

    // What the screen should show in the language it speaks.
    QString Said(const char* japanese, const char* english) const { return Utf(InEnglish() ? english : japanese); }
    // In English, everything the screen shows and names is English that fits
    // its widget.
    void LooksEnglish() const { LookEnglish(frmBattle); }
    // A picture of the screen (see screenshots.h), "english-…" in English.
    void SaveShot(const QImage& shot, const char* name) const { SaveScreenshot(shot, ShotName(name).c_str()); }

    std::vector<std::string> spoken;   // the bubble's lines, in order
    std::vector<std::string> notices;  // the notices shown over the board during a pause
    int pausesWhileEnabled = 0;
    bool bubbleWasVisible = false;
    std::string lastLine;
};

using MatchScreenIn = InEachLanguage<MatchScreen>;

} // namespace match_test
