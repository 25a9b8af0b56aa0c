#include "frontend/ui/front_fixture.h"

#include "platform/data_files.h"
#include "platform/shift_jis.h"
#include "profile/slot_index.h"

#include <QKeyEvent>
#include <set>

namespace {

std::set<int> VisibleGlyphs()
{
    std::set<int> shown;
    for (int glyph = 1; glyph <= 7; ++glyph)
        if (TitleGlyph(static_cast<std::size_t>(glyph - 1))->isVisibleTo(frmStart))
            shown.insert(glyph);
    return shown;
}

// The pages of the title screen that are showing.
std::vector<std::string> ShownPages()
{
    std::vector<std::string> shown;
    for (const char* page : {"pnlLogo", "Panel1", "Panel2", "Panel3", "Panel4"})
        if (frmStart->findChild<QWidget*>(QString::fromLatin1(page))->isVisibleTo(frmStart))
            shown.emplace_back(page);
    return shown;
}

} // namespace

using TitleScreen = FrontEnd;

TEST_F(TitleScreen, LogoThenTitleGlyphByGlyphAndNoInputBeforeTheStartButton)
{
    StartProgram();
    EXPECT_FALSE(frmStart->isEnabled());
    EXPECT_EQ(ShownPages(), (std::vector<std::string>{"pnlLogo", "Panel1"}));
    Shoot(frmStart, "frontend-logo");

    std::vector<int> titleSteps;
    std::vector<std::set<int>> glyphStages;
    std::vector<int> soundsAtGlyphs;
    bool chimeBeforeTitle = false;
    bool frameEmptyWhenRevealed = false;
    bool inputOnlyWithStart = true;
    int pressesTried = 0;
    // Looks at the screen after every tick of the two animation timers.
    const auto look = [&] {
        if (titleSteps.empty() || titleSteps.back() != frmStart->TitleStep())
            titleSteps.push_back(frmStart->TitleStep());
        const std::set<int> glyphs = VisibleGlyphs();
        if (glyphStages.empty() || glyphStages.back() != glyphs) {
            glyphStages.push_back(glyphs);
            soundsAtGlyphs.push_back(static_cast<int>(sounds.players[PlayerPutSound].played.size()));
        }
        const bool logoGone = !Find<TPanel>(frmStart, "pnlLogo")->isVisibleTo(frmStart);
        if (logoGone && frmStart->TitleStep() == 0) {
            chimeBeforeTitle = Effects(Effect::Jingle) == 1;
            frameEmptyWhenRevealed = glyphs.empty();
            if (glyphStages.size() == 1)
                Shoot(frmStart, "frontend-title-empty");
        }
        if (glyphs.size() == 5)
            Shoot(frmStart, "frontend-title-row");
        inputOnlyWithStart &= frmStart->isEnabled() == Find<TButton>(frmStart, "bitStart")->isVisibleTo(frmStart);
        // The player presses about while the animation runs: nothing may happen.
        if (!frmStart->isEnabled()) {
            Press(Find<TButton>(frmStart, "bitStart"));
            QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            QCoreApplication::sendEvent(Find<TButton>(frmStart, "bitStart"), &key);
            ++pressesTried;
        }
    };
    QObject::connect(Find<GameTimer>(frmStart, "timLogo"), &QTimer::timeout, frmStart, look);
    QObject::connect(Find<GameTimer>(frmStart, "timStart"), &QTimer::timeout, frmStart, look);
    ASSERT_TRUE(RunTitle());
    Shoot(frmStart, "frontend-title");

    EXPECT_TRUE(inputOnlyWithStart);
    EXPECT_GT(pressesTried, 10);
    EXPECT_TRUE(chimeBeforeTitle);
    EXPECT_TRUE(frameEmptyWhenRevealed);
    EXPECT_EQ(titleSteps, (std::vector<int>{0, 150, 160, 170, 190, 195, 200, 210, 220, 230, 240}));
    // The first row comes glyph by glyph, then both lines of lettering at once,
    // each change with one disc sound.
    EXPECT_EQ(glyphStages, (std::vector<std::set<int>>{{}, {1}, {1, 2}, {1, 2, 3}, {1, 2, 3, 4}, {1, 2, 3, 4, 5},
                                                        {1, 2, 3, 4, 5, 6, 7}}));
    EXPECT_EQ(soundsAtGlyphs, (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(sounds.players[PlayerPutSound].played.size(), 6u);
    EXPECT_EQ(Sounds().back(), "put sdp00.dat");
    EXPECT_EQ(Effects(Effect::Jingle), 1);
    EXPECT_EQ(Effects(Effect::Click), 1);  // the start button appears with a click
    EXPECT_EQ(platform.pauses, (std::vector<int>{1500, 500}));
    EXPECT_EQ(ShownPages(), (std::vector<std::string>{"Panel1"}));
    EXPECT_TRUE(frmStart->isEnabled());

    // Neither animation runs again.
    EXPECT_FALSE(Find<GameTimer>(frmStart, "timLogo")->isActive());
    EXPECT_FALSE(Find<GameTimer>(frmStart, "timStart")->isActive());
    frmStart->hide();
    frmStart->show();
    for (int turn = 0; turn < 20; ++turn)
        QCoreApplication::processEvents();
    EXPECT_EQ(frmStart->TitleStep(), 240);
    EXPECT_EQ(frmStart->LogoStep(), 30);
    EXPECT_EQ(Effects(Effect::Jingle), 1);
}

using TitleScreenIn = FrontEndIn;

TEST_P(TitleScreenIn, MenuLeadsToBothSlotPagesAndBack)
{
    // A saved game under a name, one under an empty name, and an empty slot.
    auto index = SlotIndex::FromBytes(folder.Read("index.dat"));
    index.SetName(1, "Wilhelmina");
    index.SetName(2, "");
    folder.Write("index.dat", index.Bytes());
    const auto look = [this] { LookEnglish(frmStart); };
    StartProgram();
    look();
    ASSERT_TRUE(RunTitle());
    look();
    ForgetSounds();

    Press(Find<TButton>(frmStart, "bitStart"));
    EXPECT_EQ(ShownPages(), (std::vector<std::string>{"Panel4"}));
    EXPECT_EQ(Effects(Effect::Click), 1);
    look();
    Shoot(frmStart, "frontend-menu");

    Press(Find<TButton>(frmStart, "BitBtn1"));
    EXPECT_EQ(ShownPages(), (std::vector<std::string>{"Panel3"}));
    EXPECT_EQ(Effects(Effect::Click), 2);
    look();
    Shoot(frmStart, "frontend-slots-new-game");
    // Starting over a saved game is asked first, in the player's language.
    platform.answers = {false};
    Press(SaveButton(0));
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(HasJapanese(Utf(platform.questions[0].text.c_str())), !InEnglish());
    EXPECT_EQ(HasJapanese(Utf(platform.questions[0].title.c_str())), !InEnglish());
    Press(Find(frmStart, "Button8"));
    EXPECT_EQ(ShownPages(), (std::vector<std::string>{"Panel4"}));
    EXPECT_EQ(Effects(Effect::Blip), 1);

    Press(Find<TButton>(frmStart, "BitBtn2"));
    EXPECT_EQ(ShownPages(), (std::vector<std::string>{"Panel2"}));
    look();
    Shoot(frmStart, "frontend-slots-continue");
    Press(Find(frmStart, "Button4"));
    EXPECT_EQ(ShownPages(), (std::vector<std::string>{"Panel4"}));
    EXPECT_EQ(Effects(Effect::Blip), 2);
    EXPECT_EQ(Effects(Effect::Click), 5);
    EXPECT_TRUE(frmStart->isVisible());
}

IN_EACH_LANGUAGE(TitleScreenIn);

TEST_F(TitleScreen, DeliveredIndexGivesSixEmptySlotsAndContinueDoesNothing)
{
    StartProgram();
    EXPECT_EQ(platform.beeps, 0);
    for (int slot = 0; slot < 3; ++slot) {
        for (TButton* button : {LoadButton(slot), SaveButton(slot)}) {
            SCOPED_TRACE(button->objectName().toStdString());
            EXPECT_EQ(button->text(), QStringLiteral("no-file"));
            EXPECT_TRUE(button->font().italic());
            EXPECT_TRUE(button->font().fixedPitch());
            EXPECT_EQ(button->font().pixelSize(), 13);
            EXPECT_EQ(button->palette().color(QPalette::ButtonText), QColor(128, 128, 128));
        }
    }
    ASSERT_TRUE(RunTitle());
    Press(Find<TButton>(frmStart, "bitStart"));
    Press(Find<TButton>(frmStart, "BitBtn2"));
    ForgetSounds();
    for (int slot = 0; slot < 3; ++slot)
        Press(LoadButton(slot), Qt::RightButton), Press(LoadButton(slot));
    // Only the press sounds: nothing is loaded, the page stays.
    EXPECT_EQ(Effects(Effect::Click), 6);
    EXPECT_EQ(AllSounds(), 6);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(ShownPages(), (std::vector<std::string>{"Panel2"}));
    EXPECT_FALSE(frmCharSelect->isVisible());
}
