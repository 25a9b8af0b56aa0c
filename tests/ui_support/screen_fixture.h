#pragma once
// The one fixture of the screen tests and the helpers they share: the nine
// program objects in a throw-away game folder holding the delivered data,
// questions answered from a queue, waits instant (but letting window events
// run really runs them, as in the game), the sounds recorded, widgets found
// by their names, and a player's way through the screens.
#include "app/screens.h"
#include "board/board.h"
#include "brains/brains.h"
#include "campaign/selection.h"
#include "campaign/ui/frm_char_select.h"
#include "campaign/ui/frm_turn_select.h"
#include "frontend/ui/frm_opening.h"
#include "frontend/ui/frm_start.h"
#include "match/ui/frm_battle.h"
#include "media/sound_bank.h"
#include "media/ui/frm_data.h"
#include "platform/language.h"
#include "platform/ui/timing.h"
#include "platform/ui/widgets.h"
#include "profile/player_record.h"
#include "support/game_folder.h"
#include "support/recording_platform.h"
#include "support/recording_players.h"
#include "ui_support/screenshots.h"

#include <QLineEdit>
#include <QPixmap>
#include <QStringList>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ui_test {

// Questions answered from a queue and waits instant, but letting window events
// run really runs them: the speech bubble, the count and the blinking go on
// during a move and a count-up, as they do in the game.
class PumpingPlatform : public RecordingPlatform {
public:
    void PumpEvents() override;
    void Pause(int ms) override;
    // Sees every wait as it happens (what the screens show meanwhile).
    std::function<void(int)> onPause;
};

// Lets window events run until `done` holds, looking at the screens with
// `eachTurn` between events; false when it has not after `limitMs`.
bool RunUntil(const std::function<bool()>& done, const std::function<void()>& eachTurn = {}, int limitMs = 20000);

// The widget (or timer) of that name inside a window; null when there is none.
template <typename T = QWidget>
T* Find(const QObject* window, const char* name)
{
    return window->findChild<T*>(QString::fromLatin1(name));
}
template <typename T = QWidget>
T* Find(const QObject* window, const std::string& name)
{
    return Find<T>(window, name.c_str());
}

// The numbered widgets, counted from 0 as the game counts (their names count
// from 1): the title's glyphs and slot buttons, the opening's "▼" buttons
// (Button6..Button12), the selection's portraits and place tabs.
TImage* TitleGlyph(int index);
TButton* LoadButton(int slot0);
TButton* SaveButton(int slot0);
TNextButton* NextButton(int number);
TImage* Portrait(int place, int position);
TPanel* PlaceTab(int place);

// A press and release of a mouse button at a point of a widget (its middle
// unless told otherwise), as the player would.
void Press(QWidget* widget, Qt::MouseButton button = Qt::LeftButton, QPoint at = QPoint(-1, -1));
// Types text into a widget one key per character, each key carrying its
// character (Japanese included).
void Type(QWidget* widget, const QString& text);

// UTF-8 text (a Japanese caption) as Qt text.
inline QString Utf(const char* text) { return QString::fromUtf8(text); }

// A picture's colour at (x, y) in its own units; the same picture, pixel for pixel.
QColor PixelAt(const QPixmap& picture, int x, int y);
bool SamePicture(const QPixmap& a, const QPixmap& b);
// The middle of a board square on the match screen's 317-pixel board picture.
QPoint SquareCentre(int column, int row);

// What a window shows an English player and names for a reader: every showing
// widget's text, measured in its own font, fits the room the widget gives it,
// and no text, accessible name or window title holds a Japanese character,
// except the game's name and `typed` (the names the player typed).
void ExpectEnglishThatFits(QWidget* window, const QStringList& typed = {});
// The same of a text the game will show in `widget`.
void ExpectFits(QWidget* widget, const QString& text);
// True when the text holds kana, kanji, ideographic punctuation or full-width forms.
bool HasJapanese(const QString& text);

class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The program's start: the nine objects (the title screen reads the slot
    // index now), with recording sound players unless `realSound` asks for
    // the real SDL ones. A second start ends the first run's objects first,
    // as a new run of the program would.
    void StartProgram();
    // The language the screens speak from the next start of the program on;
    // Japanese, the game as designed, unless a test asks for another.
    void SpeakIn(Language language);
    bool InEnglish() const { return language_ == Language::English; }
    // In English, everything `window` shows and names is English that fits.
    void LookEnglish(QWidget* window, const QStringList& typed = {}) const
    {
        if (InEnglish())
            ExpectEnglishThatFits(window, typed);
    }
    // A picture's file name for docs/: "english-…" in English.
    std::string ShotName(const std::string& name) const { return (InEnglish() ? "english-" : "") + name; }

    // The sounds started so far, as "effect sdm01.dat", "put sdp00.dat"...
    // player by player, each in order; how often an effect or a file (by
    // its tail) was played.
    std::vector<std::string> Sounds() const;
    int Effects(Effect effect) const;
    int Plays(SoundPlayerIndex player, const std::string& tail) const;
    void ForgetSounds();

    // A player's way through the screens. The title runs to its start button;
    // the menu; a new game in `slot` (an empty slot, or Yes to the question)
    // through the opening (name, the boy, level `level`, the story); a saved
    // game continued from its slot.
    bool RunTitle(const std::function<void()>& eachTurn = {});
    void ToMainMenu();
    void NewGame(int slot, const QString& name, int level);
    void ContinueGame(int slot);
    // Picks the opponent at (place 0..2, position 0..3); true when the turn
    // dialog came up. Then the first-move button and the start sequence; a
    // whole match by the first legal square each time; "対局終了" and the
    // defeat animation.
    bool PickOpponent(int place, int position);
    void StartMatchMovingFirst();
    void PlayMatchToTheEnd();
    void LeaveMatch();
    // "ゲームを終わる" and Yes: the record is saved and the program ends.
    void QuitGame();

    GameFolder folder;
    PumpingPlatform platform;
    RecordingPlayers sounds;
    bool realSound = false;

private:
    bool started_ = false;
    Language language_ = Language::Japanese;
};

// A screen test's walks run once in each language the game speaks: the
// language is set before the fixture's own set-up starts the program.
template <class Screens>
class InEachLanguage : public Screens, public ::testing::WithParamInterface<Language> {
protected:
    void SetUp() override
    {
        this->SpeakIn(this->GetParam());
        Screens::SetUp();
    }
};
#define IN_EACH_LANGUAGE(Suite)                                                                                    \
    INSTANTIATE_TEST_SUITE_P(Languages, Suite, ::testing::Values(Language::Japanese, Language::English),            \
                             [](const auto& language) { return language.param == Language::English ? "English" : "Japanese"; })

} // namespace ui_test
