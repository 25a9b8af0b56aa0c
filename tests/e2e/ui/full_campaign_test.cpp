// The whole game as a player gets it, through the real screens only: the
// title, a new game in slot 2, the opening and the egg story, all twelve
// opponents beaten by moves on the board, the hatching, the chick's name and
// the game clear with its save; then the program started again in the same
// folder, the cleared game continued on the colosseum and the chick played.
// Played three times: with the mouse, with the keyboard alone (Tab to reach a
// control, Space to press it, a square typed as "d3" and Enter), and with the
// mouse in English, where every screen on the way must show English that fits;
// each time the cleared game is continued in the other language.
#include "e2e/ui/player_at_the_screens.h"

#include "app/screens.h"
#include "brains/strength_table.h"
#include "campaign/ui/frm_char_select.h"
#include "campaign/ui/frm_turn_select.h"
#include "frontend/ui/frm_opening.h"
#include "frontend/ui/frm_start.h"
#include "match/ui/frm_battle.h"
#include "media/sound_bank.h"
#include "media/ui/frm_data.h"
#include "platform/catalogue.h"
#include "platform/game_random.h"
#include "platform/ui/desktop.h"
#include "platform/ui/timing.h"
#include "platform/ui/widgets.h"
#include "profile/player_record.h"
#include "support/game_folder.h"
#include "support/recording_players.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <iostream>
#include <numeric>
#include <string>
#include <vector>

namespace {

using namespace e2e;
using namespace ui_test;

// "太郎" and "ピヨ" in Shift-JIS, written out by hand.
const std::string kTaroSjis("\x91\xBE\x98\x59", 4);
const std::string kPiyoSjis("\x83\x73\x83\x88", 4);

// How the scripted player sets its search, weakest first: a match it does not
// win is played again at the next setting (a draw counts as not won). Each
// looks at least as far ahead as any opponent at "普通" and reads the last
// squares out further than they do.
const StrengthParams kPlayerStrengths[] = {
    {5, 7, 12, false},
    {6, 8, 14, false},
    {7, 9, 16, false},
};

// The stored form of data files: each 0x0A is written as 0x0D 0x0A.
std::string StoredForm(const std::string& image)
{
    std::string stored;
    for (const char byte : image) {
        if (byte == '\x0A')
            stored += '\x0D';
        stored += byte;
    }
    return stored;
}

void PutInt(std::string& image, std::size_t offset, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i)
        image[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

// The 56 bytes the cleared game must be saved as, from the all-zero template:
// the names with their NULs, the boy, the nutrition, slot 2, all twelve
// opponents beaten, cleared, level 1 ("普通").
std::string ExpectedClearedRecord(std::int32_t nutrition)
{
    std::string image(56, '\0');
    image.replace(0, kTaroSjis.size(), kTaroSjis);
    image.replace(11, kPiyoSjis.size(), kPiyoSjis);
    image[22] = '\x01';
    PutInt(image, 24, nutrition);
    PutInt(image, 28, 2);
    for (std::size_t opponent = 0; opponent < 12; ++opponent)
        image[32 + opponent] = '\x01';
    image[48] = '\x01';
    PutInt(image, 52, 1);
    return image;
}

struct Verdict {
    int strength;
    const char* line1;
    const char* line2;
    const char* stars;
};

// What the hatching announces for the nutrition gathered.
Verdict VerdictFor(std::int32_t nutrition)
{
    if (nutrition > 400)
        return {5, "最高に元気なヒナが", "　　　かえったようです！", "強さ：★★★★★"};
    if (nutrition > 300)
        return {4, "元気なヒナが", "　かえったようです", "強さ：★★★★"};
    if (nutrition > 200)
        return {3, "無事にヒナが", "　かえったようです", "強さ：★★★"};
    if (nutrition > 100)
        return {2, "なんとかヒナは", "　かえったようです", "強さ：★★"};
    return {1, "しかし、栄養は", "　イマイチだったようです", "強さ：★"};
}

const char* const kStageNames[] = {"迷いの森", "魔の山", "電脳立国"};

// How the player plays: by mouse or by keys, and in which language.
struct Play {
    bool byKeys;
    Language language;
};

class FullCampaign : public ScreenTest, public ::testing::WithParamInterface<Play> {
protected:
    void SetUp() override { ScreenTest::SetUp(), SpeakIn(GetParam().language); }
    bool ByKeys() const { return GetParam().byKeys; }

    // In English, what the window shows must be English that fits; the names
    // the player typed are theirs.
    void Look(QWidget* window) const { LookEnglish(window, {Utf("太郎"), Utf("ピヨ")}); }

    // Where a key goes: the focused control, or the active window (once the
    // window system has activated the window just shown).
    static QWidget* KeyTarget()
    {
        QCoreApplication::processEvents();
        QWidget* focused = QApplication::focusWidget();
        return focused ? focused : QApplication::activeWindow();
    }

    // Whether a press of the mouse in the middle of `control` lands on it or
    // on a part of it.
    static bool UnderTheHand(QWidget* control)
    {
        QWidget* window = control->window();
        QWidget* hit = window->childAt(control->mapTo(window, control->rect().center()));
        return control->isVisible() && control->isEnabled() && hit && (hit == control || control->isAncestorOf(hit));
    }

    // Everything the keys reach from the focus (round by Tab, back by
    // Shift+Tab, and each arrow once) and everything a screen reader is
    // offered to press in `window` lies under the hand: nothing covered,
    // hidden or disabled. The focus is left where it was.
    void ExpectOnlyWhatAHandReaches(QWidget* window)
    {
        QWidget* start = KeyTarget();
        const auto pressAndCheck = [](Qt::Key key) {
            QTest::keyClick(KeyTarget(), key);
            QWidget* focused = QApplication::focusWidget();
            EXPECT_TRUE(!focused || UnderTheHand(focused))
                << focused->objectName().toStdString() << " is reached by keys but not by the hand";
            return focused;
        };
        const auto backToStart = [start] {
            if (start && start != start->window())
                start->setFocus();
        };
        for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab})
            for (int presses = 0; presses < 40 && pressAndCheck(key) != start; ++presses) {
            }
        for (const Qt::Key arrow : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down}) {
            backToStart();
            pressAndCheck(arrow);
        }
        backToStart();
        std::vector<QAccessibleInterface*> parts{QAccessible::queryAccessibleInterface(window)};
        while (!parts.empty()) {
            QAccessibleInterface* part = parts.back();
            parts.pop_back();
            if (part->role() == QAccessible::Table)
                continue;  // the board's cells are its squares, pressed by the board's keys
            if (auto* actions = part->actionInterface();
                actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction())) {
                auto* widget = qobject_cast<QWidget*>(part->object());
                EXPECT_TRUE(widget && UnderTheHand(widget))
                    << part->text(QAccessible::Name).toStdString() << " is offered to a reader but not to the hand";
            }
            for (int i = 0; i < part->childCount(); ++i)
                if (QAccessibleInterface* child = part->child(i))
                    parts.push_back(child);
        }
    }

    // The player presses a control: with the mouse, or by Tab until it has
    // the focus and then Space. Played by keys, each screen on the way is
    // first checked for what the keys and a reader reach.
    void Act(QWidget* control)
    {
        ASSERT_NE(control, nullptr);
        Look(control->window());
        if (!ByKeys()) {
            Press(control);
            return;
        }
        ExpectOnlyWhatAHandReaches(control->window());
        for (int tabs = 0; tabs < 40 && !control->hasFocus() && KeyTarget(); ++tabs)
            QTest::keyClick(KeyTarget(), Qt::Key_Tab);
        ASSERT_TRUE(control->hasFocus()) << control->objectName().toStdString() << " is not reached by Tab";
        QTest::keyClick(control, Qt::Key_Space);
    }

    // A move on the board: a press on the square, or its name typed and Enter.
    void PlaySquare(const Square& square)
    {
        QWidget* board = Find(frmBattle, "imgBoard");
        if (!ByKeys()) {
            Press(board, Qt::LeftButton, SquareCentre(square.column, square.row));
            return;
        }
        ASSERT_EQ(KeyTarget(), board) << "the board has no keyboard focus";
        const char name[] = {static_cast<char>('a' + square.column - 1), static_cast<char>('0' + square.row), '\0'};
        QTest::keyClicks(board, QString::fromLatin1(name));
        QTest::keyClick(board, Qt::Key_Return);
    }

    // The pictures for docs/ come from the mouse player's game, whose screens
    // show no keyboard focus.
    void Shoot(QWidget* window, const char* name)
    {
        if (!ByKeys())
            Screenshot(window, ((InEnglish() ? "english-" : "") + std::string(name)).c_str());
    }

    // A name typed into the box that has the focus.
    void TypeName(QWidget* box, const QString& name)
    {
        if (ByKeys()) {
            KeyTarget();
            ASSERT_TRUE(box->hasFocus()) << box->objectName().toStdString() << " has no keyboard focus";
        }
        Type(box, name);
    }

    // The program starts (a second start ends the first run, as a new run of
    // the program would), with the shared generator seeded so the computer's
    // random play starts the same way every run (the title screen has just
    // seeded it from the clock); the title runs until the start button takes
    // presses.
    void StartTheProgram()
    {
        StartProgram();
        GameRandom::Shared().Seed(20240611);
        ASSERT_TRUE(RunTitle());
    }

    // What the computer opponent was set to for the last match.
    static StrengthParams PlayedStrength()
    {
        return {DBrains->SearchDepth, DBrains->LateSearchDepth, DBrains->EndgameEmpties, DBrains->RandomPlay};
    }

    static bool ResultShown() { return Find<TPanel>(frmBattle, "pnlFinish")->isVisible(); }

    struct Match {
        bool won = false;
        int black = 0;          // the discs of the final count
        int white = 0;
        QString scoreLine;      // "Score +n" on the board, empty when hidden
        int beepsBeforeLeaving = 0;
        int unlockSoundsBeforeLeaving = 0;
    };

    // One match from a press on the opponent's portrait: "先手" in the turn
    // dialog, the scripted player's moves pressed on the board until the
    // result shows, then "対局終了".
    void PlayMatch(QWidget* portrait, const StrengthParams& strength, const QString& opponentName, Match& match)
    {
        Act(portrait);
        ASSERT_TRUE(frmTurnSelect->isVisible());
        ASSERT_EQ(Find<TLabel>(frmTurnSelect, "grpChar")->text(), opponentName);
        ASSERT_TRUE(frmCharSelect->isVisible());
        ASSERT_FALSE(frmCharSelect->isEnabled());

        Act(Find(frmTurnSelect, "BitBtn1"));
        ASSERT_TRUE(frmTurnSelect->isHidden());
        ASSERT_TRUE(frmCharSelect->isHidden());
        ASSERT_TRUE(frmBattle->isVisible());
        ASSERT_FALSE(frmBattle->Flow().PlayerIsSecond);
        ASSERT_EQ(Find<TLabel>(frmBattle, "lblChar2")->text(), opponentName);
        ASSERT_TRUE(RunUntil([] { return !Find<GameTimer>(frmBattle, "timStart")->isActive() && frmBattle->isEnabled(); }));

        ScriptedPlayer player(strength);
        for (int moves = 0; moves < 64 && !ResultShown(); ++moves) {
            if (moves == 0)
                Look(frmBattle);
            if (ByKeys() && moves == 0)
                ExpectOnlyWhatAHandReaches(frmBattle);
            const Square square = player.Choose(DBoard->Board, Black);
            ASSERT_TRUE(DBoard->Board.CanPlace(square.column, square.row, Black));
            PlaySquare(square);
            ASSERT_TRUE(RunUntil([] { return ResultShown() || frmBattle->isEnabled(); }));
        }
        ASSERT_TRUE(ResultShown());
        if (!screenshotOfAResult_) {
            Shoot(frmBattle, "match-result");
            screenshotOfAResult_ = true;
        }

        // The board holds the final count, in two blocks.
        match.black = DBoard->Board.CountDiscs(Black);
        match.white = DBoard->Board.CountDiscs(White);
        match.won = match.black > match.white;
        EXPECT_EQ(frmBattle->Flow().PlayerWon, match.won);
        match.scoreLine = Find<TLabel>(frmBattle, "lblScore")->isVisible() ? Find<TLabel>(frmBattle, "lblScore")->text() : QString();

        // "対局終了" blinks in; the player presses it.
        ASSERT_TRUE(RunUntil([] { return Find<TLabel>(frmBattle, "lblFinish")->text().startsWith(TrQ("対局終了")); }));
        if (ByKeys())
            ExpectTheCoveredGiveUpOutOfReach();  // and the keys, as "対局終了" is pressed below
        match.beepsBeforeLeaving = platform.beeps;
        match.unlockSoundsBeforeLeaving = Effects(Effect::Jingle);
        Act(Find<TLabel>(frmBattle, "lblFinish"));
        ASSERT_TRUE(frmBattle->isHidden());
        ASSERT_TRUE(frmCharSelect->isVisible());
    }

    // On the result, "投了" lies under the finish panel: a reader's press on
    // it asks nothing, as no hand can press it.
    void ExpectTheCoveredGiveUpOutOfReach()
    {
        const std::size_t asked = platform.questions.size();
        if (auto* actions = QAccessible::queryAccessibleInterface(Find(frmBattle, "btmGiveUp"))->actionInterface())
            actions->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::processEvents();
        EXPECT_EQ(platform.questions.size(), asked) << "a reader's press on the covered 投了 asks to give up";
        EXPECT_TRUE(ResultShown() && frmBattle->isVisible());
    }

    // Beats the opponent at stage 0..2, position 0..3 for the first time,
    // playing again at a stronger setting after a match not won, and watches
    // the defeat animation: the cross, the count-up and (after the fourth
    // opponent of a stage) the next place's button. Returns through `margin`
    // the nutrition the win brought.
    void BeatOpponent(int stage, int opponent, const char* name, int& margin)
    {
        SCOPED_TRACE(name);
        TImage* portrait = Portrait(stage, opponent);
        ASSERT_NE(portrait, nullptr);
        ASSERT_EQ(frmCharSelect->PlaceIndex(), stage);
        EXPECT_FALSE(AnyCrossRed(portrait->Picture()));
        const std::int32_t nutritionBefore = DUser->Record.GetNutrition();
        EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblScore")->text(), QString::number(nutritionBefore));

        Match match;
        for (const StrengthParams& strength : kPlayerStrengths) {
            ++matchesPlayed;
            PlayMatch(portrait, strength, TrQ(name), match);
            if (HasFatalFailure() || match.won)
                break;
            // Lost or drawn: nothing is recorded, nothing is animated.
            ++matchesNotWon;
            std::cout << "[ e2e     ] " << name << ": not won " << match.black << "-" << match.white
                      << ", playing again stronger\n";
            EXPECT_EQ(DUser->Record.GetNutrition(), nutritionBefore);
            EXPECT_EQ(DUser->Record.OpponentKnockDown(stage, opponent), 0);
            EXPECT_FALSE(Find<GameTimer>(frmCharSelect, "timDes")->isActive());
            EXPECT_TRUE(frmCharSelect->isEnabled());
            EXPECT_FALSE(AnyCrossRed(portrait->Picture()));
        }
        ASSERT_FALSE(HasFatalFailure());
        ASSERT_TRUE(match.won) << "lost at every setting, last " << match.black << "-" << match.white;

        // The opponent played at its strength for "普通".
        StrengthParams expected;
        ASSERT_TRUE(StageOpponentStrength(stage, opponent, 1, expected));
        EXPECT_EQ(PlayedStrength(), expected);

        margin = match.white == 0 ? 64 : match.black - match.white;
        EXPECT_EQ(match.scoreLine, QStringLiteral("Score +%1").arg(margin));
        EXPECT_EQ(DUser->Record.GetNutrition(), nutritionBefore + margin);
        EXPECT_EQ(DUser->Record.OpponentKnockDown(stage, opponent), 1);

        // The defeat animation: the screen takes no presses until it is over.
        ASSERT_TRUE(Find<GameTimer>(frmCharSelect, "timDes")->isActive());
        ASSERT_FALSE(frmCharSelect->isEnabled());
        ASSERT_TRUE(RunUntil([] { return frmCharSelect->DesStep() == 0 && !Find<GameTimer>(frmCharSelect, "timDes")->isActive(); }));
        EXPECT_TRUE(CrossedOut(portrait->Picture()));
        EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblScore")->text(), QString::number(nutritionBefore + margin));
        EXPECT_EQ(platform.beeps - match.beepsBeforeLeaving, margin) << "one beep per unit counted up";

        const bool stageDone = opponent == 3 && stage < 2;
        EXPECT_EQ(Effects(Effect::Jingle) - match.unlockSoundsBeforeLeaving, stageDone ? 1 : 0);
        if (stage == 2 && opponent == 3)
            return;  // the hatching follows
        EXPECT_TRUE(frmCharSelect->isVisible());
        EXPECT_TRUE(frmCharSelect->isEnabled());
        // The place that was showing stays selected.
        EXPECT_EQ(frmCharSelect->PlaceIndex(), stage);
        EXPECT_EQ(PlaceTab(1)->isVisible(), stage > 0 || opponent == 3);
        EXPECT_EQ(PlaceTab(2)->isVisible(), stage > 1 || (stage == 1 && opponent == 3));
        EXPECT_FALSE(Find<TPanel>(frmCharSelect, "pnlPlace4")->isVisible());
    }

    int matchesPlayed = 0;
    int matchesNotWon = 0;

private:
    bool screenshotOfAResult_ = false;
};

TEST_P(FullCampaign, NewGameToGameClearThenTheChickOnTheColosseum)
{
    QElapsedTimer clock;
    clock.start();

    // ---- The first run: the title, a new game in slot 2. ----
    StartTheProgram();
    ASSERT_FALSE(HasFatalFailure());
    const std::string indexBefore = folder.Read("index.dat");
    Act(Find<TButton>(frmStart, "bitStart"));
    ASSERT_TRUE(Find<TPanel>(frmStart, "Panel4")->isVisible());
    Act(Find<TButton>(frmStart, "BitBtn1"));  // はじめから
    ASSERT_TRUE(Find<TPanel>(frmStart, "Panel3")->isVisible());
    EXPECT_EQ(SaveButton(1)->text(), QStringLiteral("no-file"));
    Act(SaveButton(1));
    EXPECT_TRUE(platform.questions.empty()) << "an empty slot is taken without asking";
    ASSERT_TRUE(frmStart->isHidden());
    ASSERT_TRUE(frmOpening->isVisible());
    ASSERT_TRUE(Find<TPanel>(frmOpening, "Panel1")->isVisible());

    // The opening: name, the boy, the level, the egg story.
    ASSERT_EQ(frmOpening->focusWidget(), Find<QLineEdit>(frmOpening, "Edit1"));
    TypeName(Find<QLineEdit>(frmOpening, "Edit1"), Utf("太郎"));
    ASSERT_EQ(Find<QLineEdit>(frmOpening, "Edit1")->text(), Utf("太郎"));
    Act(Find(frmOpening, "Panel6"));  // the boy
    ASSERT_TRUE(Find<TPanel>(frmOpening, "Panel2")->isVisible());
    Act(Find(frmOpening, "Button3"));  // 普通
    ASSERT_TRUE(Find<TPanel>(frmOpening, "Panel3")->isVisible());
    EXPECT_EQ(Find<TLabel>(frmOpening, "lblMes1")->text(), Qs(TrWith("ようこそ %sさん", "太郎")));
    for (const char* next : {"Button6", "Button7", "Button8", "Button9"}) {
        SCOPED_TRACE(next);
        QWidget* button = Find(frmOpening, next);
        ASSERT_TRUE(button->isVisible());
        Act(button);
    }
    ASSERT_TRUE(frmOpening->isHidden());
    ASSERT_TRUE(frmCharSelect->isVisible());
    EXPECT_TRUE(frmCharSelect->isEnabled());
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblDificulty")->text(), TrQ("～ 普通 ～"));
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblName")->text(), Utf("太郎"));
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblScore")->text(), QStringLiteral("0"));
    EXPECT_TRUE(SamePicture(Find<TImage>(frmCharSelect, "imgPlayer")->Picture(), frmData->Picture(QStringLiteral("imgHelo"))));
    EXPECT_EQ(frmCharSelect->PlaceIndex(), 0);
    EXPECT_FALSE(Find<TPanel>(frmCharSelect, "pnlPlace2")->isVisible());
    EXPECT_FALSE(Find<TPanel>(frmCharSelect, "pnlPlace3")->isVisible());
    EXPECT_FALSE(Find<TPanel>(frmCharSelect, "pnlPlace4")->isVisible());
    EXPECT_FALSE(folder.Exists("user02.usr")) << "nothing is saved before the end";

    // ---- Twelve opponents, stage by stage. ----
    const char* const names[3][4] = {
        {"ズモル蝸牛", "ズモル玉ねぎ", "ズモル羊", "ズモル蝶"},
        {"ズモル三兄弟", "ズモルキノコ", "ズモルハロイン", "ズモル富士"},
        {"ズモル棺桶", "ズモルステルス", "メタルズモル", "ズモル電子"},
    };
    std::vector<int> margins;
    for (int stage = 0; stage < 3; ++stage) {
        SCOPED_TRACE(kStageNames[stage]);
        if (stage > 0) {
            // The place opened by the last stage: the player goes there.
            TPanel* tab = PlaceTab(stage);
            ASSERT_TRUE(tab->isVisible());
            Act(tab);
            ASSERT_EQ(frmCharSelect->PlaceIndex(), stage);
            ASSERT_TRUE(Find(frmCharSelect, stage == 1 ? "Panel2" : "Panel3")->isVisible());
            EXPECT_FALSE(Find(frmCharSelect, "Panel1")->isVisible());
        }
        for (int opponent = 0; opponent < 4; ++opponent) {
            int margin = 0;
            BeatOpponent(stage, opponent, names[stage][opponent], margin);
            ASSERT_FALSE(HasFatalFailure());
            margins.push_back(margin);
            if (stage == 0 && opponent == 3)
                Shoot(frmCharSelect, "forest-beaten");
        }
    }

    const std::int32_t nutrition = std::accumulate(margins.begin(), margins.end(), 0);
    std::cout << "[ e2e     ] margins:";
    for (const int margin : margins)
        std::cout << ' ' << margin;
    std::cout << " = nutrition " << nutrition << " in " << matchesPlayed << " matches (" << matchesNotWon
              << " not won)\n";
    EXPECT_EQ(DUser->Record.GetNutrition(), nutrition);

    // ---- The twelfth first win: the egg hatches. ----
    EXPECT_TRUE(frmCharSelect->isHidden());
    EXPECT_EQ(DUser->Record.GetCleared(), 1);
    ASSERT_TRUE(frmOpening->isVisible());
    ASSERT_TRUE(Find<TPanel>(frmOpening, "Panel4")->isVisible());
    EXPECT_FALSE(Find<TPanel>(frmOpening, "Panel1")->isVisible());
    EXPECT_FALSE(Find<TPanel>(frmOpening, "Panel3")->isVisible());
    ASSERT_TRUE(RunUntil([] { return !Find<GameTimer>(frmOpening, "timEgg")->isActive(); }));
    EXPECT_TRUE(Find<TImage>(frmOpening, "imgHina")->isVisible());
    EXPECT_EQ(Find<TLabel>(frmOpening, "lblCMes1")->text(), TrQ("おめでとうございます！"));
    QWidget* verdictButton = Find(frmOpening, "Button10");
    ASSERT_TRUE(verdictButton->isVisible());
    Act(verdictButton);
    const Verdict verdict = VerdictFor(nutrition);
    EXPECT_EQ(Find<TLabel>(frmOpening, "lblCMes1")->text(), TrQ(verdict.line1));
    EXPECT_EQ(Find<TLabel>(frmOpening, "lblCMes2")->text(), TrQ(verdict.line2));
    EXPECT_EQ(frmCharSelect->EggStrength(), verdict.strength);
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblTuyosa")->text(), TrQ(verdict.stars));
    const QString chickPicture = QStringLiteral("imgEgg%1").arg(verdict.strength);

    // The chick is named.
    QWidget* nameButton = Find(frmOpening, "Button11");
    ASSERT_TRUE(nameButton->isVisible());
    Act(nameButton);
    ASSERT_TRUE(Find<QLineEdit>(frmOpening, "Edit2")->isVisible());
    ASSERT_EQ(frmOpening->focusWidget(), Find<QLineEdit>(frmOpening, "Edit2"));
    TypeName(Find<QLineEdit>(frmOpening, "Edit2"), Utf("ピヨ"));
    ASSERT_EQ(Find<QLineEdit>(frmOpening, "Edit2")->text(), Utf("ピヨ"));
    Act(Find(frmOpening, "Button12"));
    EXPECT_EQ(DUser->Record.GetChickName(), kPiyoSjis);

    // The clear page.
    ASSERT_TRUE(Find<TPanel>(frmOpening, "Panel5")->isVisible());
    EXPECT_FALSE(Find<TPanel>(frmOpening, "Panel4")->isVisible());
    ASSERT_TRUE(RunUntil([] { return Find<TLabel>(frmOpening, "Label3")->isVisible(); }));
    Shoot(frmOpening, "game-clear");
    auto* clearButton = Find<QPushButton>(frmOpening, "Button1");
    ASSERT_NE(clearButton, nullptr);
    EXPECT_EQ(clearButton->text(), TrQ("Game Clear！"));
    EXPECT_FALSE(folder.Exists("user02.usr"));
    QSignalSpy ended(frmStart, &TfrmStart::Closed);
    Act(clearButton);
    EXPECT_EQ(ended.count(), 1) << "the game clear ends the program";
    EXPECT_TRUE(platform.messages.empty());

    // The saved game, byte for byte, and slot 2's column of the index.
    const std::string expectedRecord = ExpectedClearedRecord(nutrition);
    const std::string userFile = folder.Read("user02.usr");
    EXPECT_EQ(userFile, StoredForm(expectedRecord));
    std::string expectedIndex = indexBefore;
    expectedIndex.replace(11, 5, kTaroSjis + std::string(1, '\0'));
    const std::string index = folder.Read("index.dat");
    EXPECT_EQ(index, expectedIndex);
    EXPECT_EQ(index.substr(11, 11), kTaroSjis + std::string("\0le\0\0\0\0", 7));
    EXPECT_FALSE(folder.Exists("user01.usr"));
    EXPECT_FALSE(folder.Exists("user03.usr"));

    // ---- The second run: continue slot 2 on the colosseum, in the other
    // language (a save is the same in both). ----
    SpeakIn(InEnglish() ? Language::Japanese : Language::English);
    StartTheProgram();
    ASSERT_FALSE(HasFatalFailure());
    Act(Find<TButton>(frmStart, "bitStart"));
    Act(Find<TButton>(frmStart, "BitBtn2"));  // つづきから
    ASSERT_TRUE(Find<TPanel>(frmStart, "Panel2")->isVisible());
    EXPECT_EQ(LoadButton(1)->text(), Utf("太郎"));
    Act(LoadButton(1));
    ASSERT_TRUE(frmStart->isHidden());
    ASSERT_TRUE(frmCharSelect->isVisible());
    ASSERT_TRUE(frmCharSelect->isEnabled());
    EXPECT_TRUE(Find<TPanel>(frmCharSelect, "pnlPlace2")->isVisible());
    EXPECT_TRUE(Find<TPanel>(frmCharSelect, "pnlPlace3")->isVisible());
    ASSERT_TRUE(Find<TPanel>(frmCharSelect, "pnlPlace4")->isVisible());
    EXPECT_EQ(frmCharSelect->PlaceIndex(), 3);
    EXPECT_TRUE(Find(frmCharSelect, "Panel4")->isVisible());
    EXPECT_FALSE(Find<TPanel>(frmCharSelect, "pnlEgg")->isVisible());
    EXPECT_TRUE(Find<TPanel>(frmCharSelect, "pnlClear")->isVisible());
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblName2")->text(), Utf("太郎"));
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblScore")->text(), QString::number(nutrition));
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblEggName")->text(), Utf("ピヨ"));
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblEiyou")->text(), Qs(TrWith("栄養：%s", std::to_string(nutrition))));
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblTuyosa")->text(), TrQ(verdict.stars));
    EXPECT_EQ(frmCharSelect->EggStrength(), verdict.strength);
    EXPECT_TRUE(SamePicture(Find<TImage>(frmCharSelect, "imgCharEgg")->Picture(), frmData->Picture(chickPicture)));
    for (int stage = 0; stage < 3; ++stage)
        for (int opponent = 0; opponent < 4; ++opponent)
            EXPECT_TRUE(CrossedOut(Portrait(stage, opponent)->Picture())) << stage << "-" << opponent;
    Shoot(frmCharSelect, "colosseum");

    // The chick, played to the end of a match: nothing is recorded.
    const std::string recordBefore = DUser->Record.Image();
    EXPECT_EQ(recordBefore, expectedRecord);
    Match chickMatch;
    ++matchesPlayed;
    PlayMatch(Find<TImage>(frmCharSelect, "imgCharEgg"), kPlayerStrengths[0], Utf("ピヨ"), chickMatch);
    ASSERT_FALSE(HasFatalFailure());
    std::cout << "[ e2e     ] the chick's match: " << chickMatch.black << "-" << chickMatch.white << '\n';
    StrengthParams chickStrength;
    ASSERT_TRUE(ChickStrength(verdict.strength, 1, chickStrength));
    EXPECT_EQ(PlayedStrength(), chickStrength);
    EXPECT_TRUE(chickMatch.scoreLine.isEmpty()) << "the colosseum scores nothing";
    EXPECT_EQ(frmCharSelect->PlaceIndex(), 3);
    EXPECT_FALSE(Find<GameTimer>(frmCharSelect, "timDes")->isActive());
    EXPECT_TRUE(frmCharSelect->isEnabled());
    EXPECT_EQ(platform.beeps, chickMatch.beepsBeforeLeaving);
    EXPECT_EQ(DUser->Record.Image(), recordBefore);
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblScore")->text(), QString::number(nutrition));
    EXPECT_EQ(folder.Read("user02.usr"), userFile);

    // Quitting saves the same game again.
    platform.answers.push_back(true);
    QSignalSpy quit(frmStart, &TfrmStart::Closed);
    Act(Find(frmCharSelect, "Button1"));
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, Tr("ゲームを終了してよろしいですか？"));
    EXPECT_EQ(quit.count(), 1);
    EXPECT_EQ(folder.Read("user02.usr"), userFile);
    EXPECT_EQ(folder.Read("index.dat"), expectedIndex);

    std::cout << "[ e2e     ] the whole game took " << clock.elapsed() / 1000.0 << " s\n";
}

INSTANTIATE_TEST_SUITE_P(ByMouseAndByKeys, FullCampaign,
                         ::testing::Values(Play{false, Language::Japanese}, Play{true, Language::Japanese},
                                           Play{false, Language::English}),
                         [](const ::testing::TestParamInfo<Play>& played) {
                             return std::string(played.param.byKeys ? "Keys" : "Mouse") +
                                    (played.param.language == Language::English ? "InEnglish" : "");
                         });

} // namespace
