#include "frontend/ui/front_fixture.h"

#include "platform/shift_jis.h"
#include "platform/ui/desktop.h"

#include <QKeyEvent>
#include <cstring>

namespace {

std::string Sjis(const char* utf8) { return ToShiftJis(utf8).value(); }

// The "▼" buttons of the story that are showing.
std::vector<int> ShownStoryButtons()
{
    std::vector<int> shown;
    for (int number = 6; number <= 9; ++number)
        if (NextButton(number)->isVisibleTo(frmOpening))
            shown.push_back(number);
    return shown;
}

void TypeKey(QWidget* widget, Qt::Key key, const QString& text, bool autoRepeat = false)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text, autoRepeat);
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text, autoRepeat);
    QCoreApplication::sendEvent(widget, &release);
}

} // namespace

using Opening = FrontEnd;

TEST_F(Opening, NewGameOpensWithTheNameBoxReady)
{
    StartNewGame(1);
    EXPECT_FALSE(frmStart->isVisible());
    EXPECT_TRUE(frmOpening->isVisible());
    EXPECT_EQ(frmOpening->focusWidget(), Find<QLineEdit>(frmOpening, "Edit1"));
    EXPECT_TRUE(Find<TPanel>(frmOpening, "Panel1")->isVisible());
    for (TPanel* page : {Find<TPanel>(frmOpening, "Panel2"), Find<TPanel>(frmOpening, "Panel3"), Find<TPanel>(frmOpening, "Panel4"), Find<TPanel>(frmOpening, "Panel5")})
        EXPECT_FALSE(page->isVisibleTo(frmOpening));
    Shoot(frmOpening, "frontend-opening-name");
}

TEST_F(Opening, FigureNeedsANameAndOnlyTheGirlTakesBlanks)
{
    StartNewGame(1);
    ForgetSounds();
    TImage* boyPicture = Find<TImage>(frmOpening, "Image5");
    TImage* girlPicture = Find<TImage>(frmOpening, "Image6");
    QWidget* boyPanel = Find(frmOpening, "Panel6");
    QWidget* girlPanel = Find(frmOpening, "Panel7");

    // An empty box: neither figure does anything, with either mouse button.
    for (QWidget* choice : std::initializer_list<QWidget*>{boyPicture, girlPicture, boyPanel, girlPanel}) {
        Press(choice);
        Press(choice, Qt::RightButton);
    }
    EXPECT_TRUE(Find<TPanel>(frmOpening, "Panel1")->isVisible());
    EXPECT_EQ(AllSounds(), 0);

    // Blanks only: the boy still refuses...
    Type(Find<QLineEdit>(frmOpening, "Edit1"), QStringLiteral("   "));
    ASSERT_EQ(Find<QLineEdit>(frmOpening, "Edit1")->text(), QStringLiteral("   "));
    Press(boyPicture);
    Press(boyPanel, Qt::RightButton);
    EXPECT_TRUE(Find<TPanel>(frmOpening, "Panel1")->isVisible());
    EXPECT_EQ(AllSounds(), 0);

    // ...the girl takes them as an empty name.
    std::memcpy(DUser->Record.PlayerName, "XXXXXXXXXX", 11);
    Press(girlPicture, Qt::RightButton);
    EXPECT_FALSE(Find<TPanel>(frmOpening, "Panel1")->isVisibleTo(frmOpening));
    EXPECT_TRUE(frmOpening->findChild<QWidget*>(QStringLiteral("Panel2"))->isVisible());
    EXPECT_EQ(DUser->Record.GetPlayerName(), "");
    EXPECT_EQ(DUser->Record.GetPlayerCharacter(), 0);
    EXPECT_TRUE(SamePicture(Find<TImage>(frmOpening, "imgHelo")->Picture(), frmData->Picture(QStringLiteral("imgHeroine"))));
    EXPECT_TRUE(SamePicture(Find<TImage>(frmCharSelect, "imgPlayer")->Picture(), frmData->Picture(QStringLiteral("imgHeroine"))));
    EXPECT_EQ(Effects(Effect::Click), 1);
    EXPECT_EQ(AllSounds(), 1);
    Shoot(frmOpening, "frontend-opening-level");

    // The empty name is greeted and labelled without trouble.
    Press(Find(frmOpening, "Button2"));
    EXPECT_EQ(Find<TLabel>(frmOpening, "lblMes1")->text(), Utf("ようこそ さん"));
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblName")->text(), QString());
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblName2")->text(), QString());
}

TEST_F(Opening, NameIsStoredTrimmedAndTheLevelSetsUpTheSelection)
{
    StartNewGame(2);
    Type(Find<QLineEdit>(frmOpening, "Edit1"), Utf(" 太郎 "));
    ASSERT_EQ(Find<QLineEdit>(frmOpening, "Edit1")->text(), Utf(" 太郎 "));
    frmCharSelect->SelectPlace(2, false);
    ForgetSounds();
    Press(Find(frmOpening, "Panel6"));
    EXPECT_EQ(DUser->Record.GetPlayerName(), Sjis("太郎"));
    EXPECT_EQ(DUser->Record.GetPlayerCharacter(), 1);
    EXPECT_TRUE(SamePicture(Find<TImage>(frmOpening, "imgHelo")->Picture(), frmData->Picture(QStringLiteral("imgHelo"))));
    EXPECT_TRUE(SamePicture(Find<TImage>(frmCharSelect, "imgPlayer")->Picture(), frmData->Picture(QStringLiteral("imgHelo"))));

    Press(Find(frmOpening, "Button5"));
    EXPECT_EQ(DUser->Record.GetLevel(), 2);
    EXPECT_EQ(frmCharSelect->PlaceIndex(), 0);
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblDificulty")->text(), Utf("～ 難しい ～"));
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblName")->text(), Utf("太郎"));
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblName2")->text(), Utf("太郎"));
    EXPECT_EQ(Find<TLabel>(frmOpening, "lblMes1")->text(), Utf("ようこそ 太郎さん"));
    EXPECT_TRUE(Find<TLabel>(frmOpening, "lblMes1")->isVisible());
    EXPECT_TRUE(Find<TPanel>(frmOpening, "Panel3")->isVisible());
    EXPECT_EQ(ShownStoryButtons(), std::vector<int>{6});
    EXPECT_EQ(Effects(Effect::Click), 2);
    EXPECT_EQ(AllSounds(), 2);
    // Still nothing on disk: the new game is saved only at its end.
    EXPECT_FALSE(folder.Exists("user02.usr"));
}

TEST_F(Opening, TheThreeLevelsDifferOnlyInLevelAndCaption)
{
    const char* const buttons[] = {"Button2", "Button3", "Button5"};
    const char* const captions[] = {"～ やさしい ～", "～ 普通 ～", "～ 難しい ～"};
    for (int level = 0; level < 3; ++level) {
        SCOPED_TRACE(level);
        StartNewGame(1);
        Type(Find<QLineEdit>(frmOpening, "Edit1"), QStringLiteral("Hanako"));
        Press(Find(frmOpening, "Panel7"));
        const std::string before = DUser->Record.Image();
        Press(Find(frmOpening, buttons[level]));
        EXPECT_EQ(DUser->Record.GetLevel(), level);
        EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblDificulty")->text(), Utf(captions[level]));
        EXPECT_EQ(Find<TLabel>(frmOpening, "lblMes1")->text(), Utf("ようこそ Hanakoさん"));
        // Only the level's four bytes of the record changed.
        const std::string after = DUser->Record.Image();
        EXPECT_EQ(before.substr(0, 52), after.substr(0, 52));
    }
}

TEST_F(Opening, NameBoxesCountShiftJisBytesAndRefuseWhatCannotBeStored)
{
    StartNewGame(1);
    for (QLineEdit* box : {Find<QLineEdit>(frmOpening, "Edit1"), Find<QLineEdit>(frmOpening, "Edit2")}) {
        SCOPED_TRACE(box->objectName().toStdString());
        const auto typed = [box](const QString& keys) {
            box->clear();
            Type(box, keys);
            return box->text();
        };
        EXPECT_EQ(typed(Utf("太郎太郎太郎")), Utf("太郎太郎太"));        // five full-width characters
        EXPECT_EQ(typed(QStringLiteral("abcdefghijkl")), QStringLiteral("abcdefghij"));
        EXPECT_EQ(typed(Utf("ｱｲｳｴｵｶｷｸｹｺｻ")), Utf("ｱｲｳｴｵｶｷｸｹｺ"));   // half-width kana are one byte
        EXPECT_EQ(typed(Utf("a太郎太郎太b")), Utf("a太郎太郎b"));      // the 11th byte cannot go in
        EXPECT_EQ(typed(Utf("ピ😀ヨ")), Utf("ピヨ"));                   // no emoji
        EXPECT_EQ(typed(Utf("한글")), QString());                       // no Hangul
        EXPECT_EQ(typed(Utf("Zoë")), QStringLiteral("Zo"));             // nor letters Shift-JIS lacks
        EXPECT_EQ(typed(Utf("Ωα　ж")), Utf("Ωα　ж"));                  // Greek, Cyrillic, full-width blank are fine
        // Pasting too much is refused as a whole, like typing it.
        box->clear();
        box->insert(Utf("太郎太郎太郎"));
        EXPECT_EQ(box->text(), QString());
        box->insert(Utf("太郎"));
        EXPECT_EQ(box->text(), Utf("太郎"));
    }
}

using OpeningIn = FrontEndIn;

TEST_P(OpeningIn, StoryByClicks)
{
    StartNewGame(1);
    // In English, the widest name the box takes, for the greeting to hold.
    const QString name = InEnglish() ? QStringLiteral("WWWWWWWWWW") : Utf("太郎");
    const auto look = [&] { LookEnglish(frmOpening, {name}); };
    Type(Find<QLineEdit>(frmOpening, "Edit1"), name);
    look();
    Press(Find(frmOpening, "Panel6"));
    look();
    Press(Find(frmOpening, "Button3"));
    EXPECT_EQ(Find<TLabel>(frmOpening, "lblMes1")->text(), TrQ("ようこそ %sさん").replace(QStringLiteral("%s"), name));
    EXPECT_EQ(Find<TLabel>(frmOpening, "lblMes2")->text(), QString());
    look();
    Shoot(frmOpening, "frontend-opening-story-1");
    ForgetSounds();

    Press(NextButton(6));
    EXPECT_EQ(Find<TLabel>(frmOpening, "lblMes1")->text(), TrQ("あなたに不思議な"));
    EXPECT_EQ(Find<TLabel>(frmOpening, "lblMes2")->text(), TrQ("　　　　卵が授けられました"));
    EXPECT_EQ(ShownStoryButtons(), std::vector<int>{7});
    EXPECT_FALSE(Find<TImage>(frmOpening, "imgEgg")->isVisible());
    EXPECT_EQ(Effects(Effect::Blip), 1);
    look();
    Shoot(frmOpening, "frontend-opening-story-2");

    Press(NextButton(7));
    EXPECT_EQ(ShownStoryButtons(), std::vector<int>{8});
    EXPECT_TRUE(Find<TImage>(frmOpening, "imgEgg")->isVisible());
    EXPECT_EQ(Find<TLabel>(frmOpening, "lblMes1")->text(), TrQ("あなたに不思議な"));
    EXPECT_EQ(Effects(Effect::Jingle), 1);
    look();
    Shoot(frmOpening, "frontend-opening-story-3");

    Press(NextButton(8));
    EXPECT_EQ(Find<TLabel>(frmOpening, "lblMes1")->text(), TrQ("栄養を与えて無事に"));
    EXPECT_EQ(Find<TLabel>(frmOpening, "lblMes2")->text(), TrQ("　　　　かえしてあげましょう"));
    EXPECT_EQ(ShownStoryButtons(), std::vector<int>{9});
    EXPECT_EQ(Effects(Effect::Blip), 2);
    look();
    // The shorter line a key press gives fits too.
    if (InEnglish())
        ExpectFits(Find<TLabel>(frmOpening, "lblMes2"), TrQ("　　かえしてあげましょう"));
    Shoot(frmOpening, "frontend-opening-story-4");

    Press(NextButton(9));
    EXPECT_EQ(Effects(Effect::Blip), 3);
    EXPECT_EQ(AllSounds(), 4);
    EXPECT_FALSE(frmOpening->isVisible());
    EXPECT_TRUE(frmCharSelect->isVisible());
    auto* level = Find<TLabel>(frmCharSelect, "lblDificulty");
    EXPECT_EQ(level->text(), InEnglish() ? QStringLiteral("~ Normal ~") : Utf("～ 普通 ～"));
    // Every level's English caption fits, as the opening and a continued game write it.
    if (InEnglish())
        for (const char* caption : {"～ やさしい ～", "～ 普通 ～", "～普通 ～", "～ 難しい ～"})
            ExpectFits(level, TrQ(caption));
}

IN_EACH_LANGUAGE(OpeningIn);

TEST_F(Opening, StoryByCharacterKeysWithTheShorterIndentation)
{
    StartNewGame(1);
    Type(Find<QLineEdit>(frmOpening, "Edit1"), QStringLiteral("Taro"));
    Press(Find(frmOpening, "Panel6"));
    Press(Find(frmOpening, "Button2"));
    ForgetSounds();

    // Keys that type nothing, and a held key's repeats, do not move the story.
    EXPECT_EQ(frmOpening->focusWidget(), NextButton(6));
    TypeKey(NextButton(6), Qt::Key_Shift, QString());
    TypeKey(NextButton(6), Qt::Key_F2, QString());
    TypeKey(NextButton(6), Qt::Key_A, QStringLiteral("a"), true);
    EXPECT_EQ(ShownStoryButtons(), std::vector<int>{6});
    EXPECT_EQ(AllSounds(), 0);

    // Any character key, on whichever button has the focus.
    TypeKey(frmOpening->focusWidget(), Qt::Key_Z, QStringLiteral("z"));
    EXPECT_EQ(Find<TLabel>(frmOpening, "lblMes2")->text(), Utf("　　　　卵が授けられました"));
    EXPECT_EQ(ShownStoryButtons(), std::vector<int>{7});
    ASSERT_EQ(frmOpening->focusWidget(), NextButton(7));
    TypeKey(frmOpening->focusWidget(), Qt::Key_Space, QStringLiteral(" "));
    EXPECT_EQ(ShownStoryButtons(), std::vector<int>{8});
    EXPECT_TRUE(Find<TImage>(frmOpening, "imgEgg")->isVisible());
    ASSERT_EQ(frmOpening->focusWidget(), NextButton(8));
    TypeKey(frmOpening->focusWidget(), Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(Find<TLabel>(frmOpening, "lblMes1")->text(), Utf("栄養を与えて無事に"));
    EXPECT_EQ(Find<TLabel>(frmOpening, "lblMes2")->text(), Utf("　　かえしてあげましょう"));
    ASSERT_EQ(frmOpening->focusWidget(), NextButton(9));
    TypeKey(frmOpening->focusWidget(), Qt::Key_1, QStringLiteral("1"));
    EXPECT_FALSE(frmOpening->isVisible());
    EXPECT_TRUE(frmCharSelect->isVisible());
    EXPECT_EQ(Effects(Effect::Blip), 3);
    EXPECT_EQ(Effects(Effect::Jingle), 1);
    EXPECT_EQ(AllSounds(), 4);
}

TEST_F(Opening, NextButtonsBlinkTogether)
{
    StartProgram();
    // Whatever page is showing, all seven "▼" buttons share one caption that
    // alternates between the mark and nothing.
    std::vector<QString> captions;
    QObject::connect(Find<GameTimer>(frmOpening, "timPanel3Button"), &QTimer::timeout, frmOpening, [&] {
        for (int number = 7; number <= 12; ++number)
            EXPECT_EQ(NextButton(number)->text(), NextButton(6)->text());
        captions.push_back(NextButton(6)->text());
    });
    EXPECT_TRUE(Find<GameTimer>(frmOpening, "timPanel3Button")->isActive());
    ASSERT_TRUE(RunUntil([&] { return captions.size() >= 4; }));
    EXPECT_EQ(captions[0], Utf("▼"));
    EXPECT_EQ(captions[1], QString());
    EXPECT_EQ(captions[2], Utf("▼"));
    EXPECT_EQ(captions[3], QString());
}
