#include "frontend/ui/front_fixture.h"

#include "app/window_exits.h"
#include "campaign/session.h"

#include "media/ui/frm_data.h"
#include "platform/data_files.h"
#include "platform/shift_jis.h"
#include "platform/ui/desktop.h"
#include "profile/slot_index.h"

#include <QSignalSpy>

namespace {

QPushButton* Button(const char* name)
{
    return frmOpening->findChild<QPushButton*>(QString::fromLatin1(name));
}

struct HatchCase {
    std::int32_t nutrition;
    int strength;
    const char* line1;
    const char* line2;
    const char* stars;
};

const HatchCase kHatchCases[] = {
    {0, 1, "しかし、栄養は", "　イマイチだったようです", "強さ：★"},
    {100, 1, "しかし、栄養は", "　イマイチだったようです", "強さ：★"},
    {101, 2, "なんとかヒナは", "　かえったようです", "強さ：★★"},
    {250, 3, "無事にヒナが", "　かえったようです", "強さ：★★★"},
    {400, 4, "元気なヒナが", "　かえったようです", "強さ：★★★★"},
    {401, 5, "最高に元気なヒナが", "　　　かえったようです！", "強さ：★★★★★"},
};

} // namespace

class Hatching : public FrontEnd {
protected:
    // The campaign's hand-off after the twelfth first win, in a new game of
    // slot 2 with this much nutrition, run until the egg has hatched.
    void HatchWith(std::int32_t nutrition, std::uint8_t figure = 1)
    {
        StartProgram();
        Campaign().NewGame(2);
        Campaign().ChooseFigure("Taro", figure == 1);
        Campaign().ChooseLevel(1);
        Campaign().BeginCampaign();
        PlayerRecord& record = DUser->Record;
        record.SetPlayerCharacter(figure);
        record.AddNutrition(nutrition);
        for (int stage = 0; stage < 3; ++stage)
            for (int opponent = 0; opponent < 4; ++opponent)
                record.SetOpponentKnockDown(stage, opponent, 1);
        ForgetSounds();
        QObject::connect(Find<GameTimer>(frmOpening, "timEgg"), &QTimer::timeout, frmOpening, [this] {
            eggLeft.push_back(Find<TImage>(frmOpening, "imgEggAnime")->isVisibleTo(frmOpening) ? Find<TImage>(frmOpening, "imgEggAnime")->x() : -1);
            verdictShown.push_back(Button("Button10")->isVisibleTo(frmOpening));
            if (frmOpening->EggStep() == 40)
                Shoot(frmOpening, "frontend-hatching-egg");
        });
        frmCharSelect->ClearGame();
        ASSERT_EQ(record.GetCleared(), 1);
        ASSERT_TRUE(frmOpening->isVisible());
        ASSERT_TRUE(Find<TPanel>(frmOpening, "Panel4")->isVisible());
        ASSERT_TRUE(RunUntil([] { return !Find<GameTimer>(frmOpening, "timEgg")->isActive(); }));
    }

    // Verdict, then the chick's name typed into its box and accepted.
    void NameTheChick(const QString& name)
    {
        Press(Button("Button10"));
        Press(Button("Button11"));
        Type(Find<QLineEdit>(frmOpening, "Edit2"), name);
        Press(Button("Button12"));
    }

    std::vector<int> eggLeft;        // the egg's x after each tick, -1 once gone
    std::vector<bool> verdictShown;  // the verdict button after each tick
};

TEST_F(Hatching, EggRestsWobblesAndHatchesBeforeTheVerdictAppears)
{
    HatchWith(250);
    // Ticks: three at rest, four wobbles, one at rest, gone, hatched, stopped.
    EXPECT_EQ(eggLeft, (std::vector<int>{104, 104, 104, 119, 104, 119, 104, 104, -1, -1, -1}));
    EXPECT_EQ(verdictShown, (std::vector<bool>{false, false, false, false, false, false, false, false, false, true, true}));
    EXPECT_EQ(frmOpening->EggStep(), 100);
    EXPECT_TRUE(Find<TImage>(frmOpening, "imgKara")->isVisible());
    EXPECT_TRUE(Find<TImage>(frmOpening, "imgHina")->isVisible());
    EXPECT_FALSE(Find<QLineEdit>(frmOpening, "Edit2")->isVisibleTo(frmOpening));
    EXPECT_EQ(Find<TLabel>(frmOpening, "lblCMes1")->text(), Utf("おめでとうございます！"));
    EXPECT_EQ(Find<TLabel>(frmOpening, "lblCMes2")->text(), Utf("　卵が無事にかえりました"));
    // A click with each of the two wobbles to the right, the fanfare at the hatch.
    EXPECT_EQ(Effects(Effect::Click), 2);
    EXPECT_EQ(Effects(Effect::Fanfare), 1);
    EXPECT_EQ(AllSounds(), 3);
    // The chick of strength 3 stands free of its backdrop over the shell.
    EXPECT_TRUE(SamePicture(Find<TImage>(frmOpening, "imgHina")->Picture(), RenderArt(QStringLiteral("imgEgg3"), true)));
    EXPECT_EQ(PixelAt(Find<TImage>(frmOpening, "imgHina")->Picture(), 2, 2).alpha(), 0);
    Shoot(frmOpening, "frontend-hatching-hatched");
}

using HatchingIn = InEachLanguage<Hatching>;

TEST_P(HatchingIn, VerdictFollowsTheNutrition)
{
    for (const HatchCase& hatch : kHatchCases) {
        SCOPED_TRACE(hatch.nutrition);
        HatchWith(hatch.nutrition);
        LookEnglish(frmOpening);
        const QString chick = QStringLiteral("imgEgg%1").arg(hatch.strength);
        EXPECT_TRUE(SamePicture(Find<TImage>(frmOpening, "imgHina")->Picture(), RenderArt(chick, true)));
        ForgetSounds();
        Press(Button("Button10"));
        EXPECT_EQ(Effects(Effect::Blip), 1);
        EXPECT_EQ(Find<TLabel>(frmOpening, "lblCMes1")->text(), TrQ(hatch.line1));
        EXPECT_EQ(Find<TLabel>(frmOpening, "lblCMes2")->text(), TrQ(hatch.line2));
        if (InEnglish()) {
            ExpectEnglishThatFits(frmOpening);
        } else {
            EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblTuyosa")->text(), Utf(hatch.stars));
            EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblEiyou")->text(), Utf("栄養：") + QString::number(hatch.nutrition));
        }
        EXPECT_EQ(frmCharSelect->EggStrength(), hatch.strength);
        EXPECT_TRUE(SamePicture(Find<TImage>(frmCharSelect, "imgCharEgg")->Picture(), frmData->Picture(chick)));
        EXPECT_FALSE(Find<TPanel>(frmCharSelect, "pnlEgg")->isVisibleTo(frmCharSelect));
        EXPECT_TRUE(Find<TPanel>(frmCharSelect, "pnlClear")->isVisibleTo(frmCharSelect));
        EXPECT_FALSE(Button("Button10")->isVisibleTo(frmOpening));
        EXPECT_TRUE(Button("Button11")->isVisibleTo(frmOpening));
        EXPECT_FALSE(Find<QLineEdit>(frmOpening, "Edit2")->isVisibleTo(frmOpening));
        if (hatch.strength == 5)
            Shoot(frmOpening, "frontend-hatching-verdict");
    }
}

IN_EACH_LANGUAGE(HatchingIn);

TEST_F(Hatching, NamingTheChickLeadsToTheClearPage)
{
    HatchWith(410);
    Press(Button("Button10"));
    ForgetSounds();
    Press(Button("Button11"));
    EXPECT_EQ(Find<TLabel>(frmOpening, "lblCMes1")->text(), Utf("名前をつけてあげましょう"));
    EXPECT_EQ(Find<TLabel>(frmOpening, "lblCMes2")->text(), QString());
    EXPECT_TRUE(Find<QLineEdit>(frmOpening, "Edit2")->isVisible());
    EXPECT_EQ(frmOpening->focusWidget(), Find<QLineEdit>(frmOpening, "Edit2"));
    EXPECT_TRUE(Button("Button12")->isVisible());
    EXPECT_EQ(Effects(Effect::Blip), 1);
    Type(Find<QLineEdit>(frmOpening, "Edit2"), Utf("ピヨ"));
    Shoot(frmOpening, "frontend-hatching-naming");
    Find<QLineEdit>(frmOpening, "Edit2")->clear();

    // An empty box is refused without a sound.
    Press(Button("Button12"));
    EXPECT_TRUE(Find<TPanel>(frmOpening, "Panel4")->isVisible());
    EXPECT_EQ(AllSounds(), 1);

    Type(Find<QLineEdit>(frmOpening, "Edit2"), Utf(" ピヨ "));
    Press(Button("Button12"));
    EXPECT_EQ(DUser->Record.GetChickName(), ToShiftJis("ピヨ").value());
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblEggName")->text(), Utf(" ピヨ "));
    EXPECT_FALSE(Find<TPanel>(frmOpening, "Panel4")->isVisibleTo(frmOpening));
    EXPECT_TRUE(Find<TPanel>(frmOpening, "Panel5")->isVisible());
    EXPECT_TRUE(Find<GameTimer>(frmOpening, "Timer1")->isActive());
    EXPECT_EQ(Effects(Effect::Blip), 2);
    EXPECT_EQ(Effects(Effect::Fanfare), 1);
    EXPECT_EQ(platform.pauses.back(), 500);
    EXPECT_TRUE(SamePicture(Find<TImage>(frmOpening, "imgEndHelo")->Picture(), frmData->Picture(QStringLiteral("imgHeloW"))));

    // The chick on the clear page is the hatched one, turned to face the boy.
    const QPixmap hina = Find<TImage>(frmOpening, "imgHina")->Picture();
    const QPixmap end = Find<TImage>(frmOpening, "imgEndEgg")->Picture();
    int differences = 0;
    for (int y = 0; y < 89; y += 4)
        for (int x = 0; x < 89; x += 4)
            differences += PixelAt(end, x, y) != PixelAt(hina, 88 - x, y);
    EXPECT_EQ(differences, 0);
    EXPECT_FALSE(SamePicture(end, hina));
}

TEST_F(Hatching, GirlWithABlankChickName)
{
    HatchWith(50, 0);
    std::memcpy(DUser->Record.ChickName, "XXXXXXXXXX", 11);
    NameTheChick(QStringLiteral("  "));
    EXPECT_TRUE(Find<TPanel>(frmOpening, "Panel5")->isVisible());
    EXPECT_EQ(DUser->Record.GetChickName(), "");
    EXPECT_EQ(Find<TLabel>(frmCharSelect, "lblEggName")->text(), QStringLiteral("  "));
    EXPECT_TRUE(SamePicture(Find<TImage>(frmOpening, "imgEndHelo")->Picture(), frmData->Picture(QStringLiteral("imgHeroineW"))));
}

TEST_F(Hatching, ClearPageBlinksAndGameClearSavesTheSlotAndEnds)
{
    // 266 nutrition holds a 0x0A byte: the file stores it as 0x0D 0x0A.
    HatchWith(266);
    NameTheChick(Utf("ピヨ"));
    std::vector<bool> shown;
    double slant = 0;
    QObject::connect(Find<GameTimer>(frmOpening, "Timer1"), &QTimer::timeout, frmOpening, [&] {
        shown.push_back(Find<TLabel>(frmOpening, "Label3")->isVisibleTo(frmOpening));
        if (shown.size() == 1) {
            Shoot(frmOpening, "frontend-clear");
            slant = Slant(Find(frmOpening, "Label3"), QColor(0, 0, 255), 40);
        }
    });
    ASSERT_TRUE(RunUntil([&] { return shown.size() >= 4; }));
    shown.resize(4);
    EXPECT_EQ(shown, (std::vector<bool>{true, false, true, false}));
    // "Congratulations!" leans as italic type does.
    EXPECT_GT(slant, 0.15);

    const std::string indexBefore = folder.Read("index.dat");
    QSignalSpy closed(frmStart, &TfrmStart::Closed);
    ForgetSounds();
    Press(Button("Button1"));
    EXPECT_EQ(Effects(Effect::Blip), 1);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(platform.messages.empty());

    // The record as the game left it, byte for byte.
    PlayerRecord expected{};
    std::memcpy(static_cast<void*>(&expected), DUser->Record.Image().data(), PlayerRecord::kImageSize);
    EXPECT_EQ(expected.GetPlayerName(), "Taro");
    EXPECT_EQ(expected.GetChickName(), ToShiftJis("ピヨ").value());
    EXPECT_EQ(expected.GetNutrition(), 266);
    EXPECT_EQ(expected.GetCleared(), 1);
    EXPECT_EQ(expected.GetLevel(), 1);
    const std::string file = folder.Read("user02.usr");
    EXPECT_EQ(file.size(), 57u);
    EXPECT_EQ(file, ToStoredForm(DUser->Record.Image()));
    EXPECT_EQ(file.substr(24, 5), std::string("\x0D\x0A\x01\x00\x00", 5));
    // Only slot 2's column of the index changed: the name and its NUL.
    const std::string index = folder.Read("index.dat");
    ASSERT_EQ(index.size(), indexBefore.size());
    EXPECT_EQ(index.substr(0, 11), indexBefore.substr(0, 11));
    EXPECT_EQ(index.substr(11, 5), std::string("Taro\0", 5));
    EXPECT_EQ(index.substr(16), indexBefore.substr(16));
}

TEST_F(Hatching, AWindowManagerCloseBeforeTheNamingKeepsTheWinsAndTheNextRunHatchesAgain)
{
    HatchWith(250);
    WindowExits exits;
    exits.WatchScreens();
    Press(Button("Button10"));
    platform.answers = {true};
    ASSERT_TRUE(exits.CloseFromWindowManager());

    // Saved as it stood before the hatching: twelve wins, the nutrition, no chick yet.
    PlayerRecord saved;
    saved.LoadRecord(2);
    EXPECT_EQ(saved.GetCleared(), 0);
    EXPECT_EQ(saved.GetNutrition(), 250);
    for (int stage = 0; stage < 3; ++stage)
        for (int opponent = 0; opponent < 4; ++opponent)
            EXPECT_EQ(saved.OpponentKnockDown(stage, opponent), 1);
    EXPECT_EQ(DUser->Record.GetCleared(), 1) << "the running game is left as it was";

    // The next run continues the slot straight into the hatching, and the
    // game clear saves the chick's name.
    StartProgram();
    ASSERT_TRUE(RunTitle());
    Press(Find<TButton>(frmStart, "bitStart"));
    Press(Find<TButton>(frmStart, "BitBtn2"));
    Press(LoadButton(1));
    EXPECT_TRUE(frmStart->isHidden());
    EXPECT_TRUE(frmCharSelect->isHidden());
    EXPECT_TRUE(Find<TPanel>(frmOpening, "Panel4")->isVisible());
    ASSERT_TRUE(RunUntil([] { return !Find<GameTimer>(frmOpening, "timEgg")->isActive(); }));
    NameTheChick(Utf("ピヨ"));
    Press(Button("Button1"));
    PlayerRecord cleared;
    cleared.LoadRecord(2);
    EXPECT_EQ(cleared.GetCleared(), 1);
    EXPECT_EQ(FromShiftJis(cleared.GetChickName()), "ピヨ");
}

TEST_F(Hatching, AKeyboardPlayerGoesOnWithSpaceAndEnter)
{
    HatchWith(150);
    const auto press = [](QWidget* button, Qt::Key key) {
        ASSERT_TRUE(button->isVisible());
        button->setFocus();
        QTest::keyClick(button, key);
    };
    press(Button("Button10"), Qt::Key_Space);
    EXPECT_EQ(Find<TLabel>(frmOpening, "lblCMes1")->text(), Utf("なんとかヒナは"));
    press(Button("Button11"), Qt::Key_Return);
    ASSERT_TRUE(Find<QLineEdit>(frmOpening, "Edit2")->isVisible());
    Type(Find<QLineEdit>(frmOpening, "Edit2"), Utf("ピヨ"));
    press(Button("Button12"), Qt::Key_Enter);
    ASSERT_TRUE(Find<TPanel>(frmOpening, "Panel5")->isVisible());
    QSignalSpy closed(frmStart, &TfrmStart::Closed);
    press(Button("Button1"), Qt::Key_Space);
    EXPECT_EQ(closed.count(), 1);
    PlayerRecord saved;
    saved.LoadRecord(2);
    EXPECT_EQ(FromShiftJis(saved.GetChickName()), "ピヨ");
}
