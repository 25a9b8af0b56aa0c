#include "frontend/ui/frm_opening.h"

#include "campaign/roster.h"
#include "campaign/selection.h"
#include "campaign/session.h"
#include "frontend/name_rules.h"
#include "frontend/opening_script.h"
#include "media/figure.h"
#include "media/ui/frm_data.h"
#include "platform/services.h"
#include "platform/shift_jis.h"
#include "platform/ui/accessibility.h"
#include "platform/ui/desktop.h"
#include "platform/ui/keyboard.h"
#include "platform/ui/layout.h"
#include "platform/ui/timing.h"
#include "platform/ui/widgets.h"
#include "profile/player_record.h"

#include <QLineEdit>

using namespace frontend;
using namespace layout;

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlue = 0x0000FF;
constexpr std::uint32_t kFigurePanel = 0xFFF6E0;
constexpr std::uint32_t kBlack = 0x000000;

// Every page is 271 x 185 at the window's origin.
constexpr QRect kPage(0, 0, 271, 185);
constexpr QRect kStoryNext(224, 147, 37, 30);
constexpr QRect kHatchNext(224, 144, 37, 30);

constexpr Row kLayout[] = {
    // Name and figure.
    {Kind::Page, "Panel1", nullptr, kPage, nullptr, 0, Plain, kBlack, kWhite},
    {Kind::Image, "img1", "Panel1", kPage, nullptr, 0, Stretch},
    {Kind::Label, "Label1", "Panel1", {9, 5, 250, 24}, "あなたのお名前は？", 19, Bold},
    {Kind::Edit, "Edit1", "Panel1", {40, 32, 121, 32}, nullptr, 24},
    {Kind::Panel, "Panel6", "Panel1", {40, 72, 81, 105}, nullptr, 0, Plain, kBlack, kFigurePanel},
    {Kind::Image, "Image5", "Panel6", {-4, 8, 90, 90}},
    {Kind::Panel, "Panel7", "Panel1", {136, 72, 81, 105}, nullptr, 0, Plain, kBlack, kFigurePanel},
    {Kind::Image, "Image6", "Panel7", {-4, 8, 90, 90}},

    // The game level.
    {Kind::Page, "Panel2", nullptr, kPage, nullptr, 0, Hidden, kBlack, kWhite},
    {Kind::Image, "Image1", "Panel2", kPage, nullptr, 0, Stretch},
    {Kind::Label, "Label2", "Panel2", {18, 13, 240, 24}, "ゲームレベルは？", 19, Bold},
    {Kind::Button, "Button2", "Panel2", {79, 48, 108, 34}, "やさしい", 17, Bold},
    {Kind::Button, "Button3", "Panel2", {79, 94, 108, 34}, "普通", 17, Bold},
    {Kind::Button, "Button5", "Panel2", {79, 140, 108, 34}, "難しい", 17, Bold},

    // The egg story.
    {Kind::Page, "Panel3", nullptr, kPage, nullptr, 0, Hidden, kBlack, kWhite},
    {Kind::Image, "Image2", "Panel3", kPage, nullptr, 0, Stretch},
    {Kind::Label, "lblMes1", "Panel3", {15, 9, 242, 19}, nullptr, 19, Bold | Hidden},
    {Kind::Label, "lblMes2", "Panel3", {15, 28, 242, 19}, nullptr, 19, Bold},
    {Kind::Image, "imgHelo", "Panel3", {114, 72, 90, 90}},
    {Kind::Image, "imgEgg", "Panel3", {80, 120, 33, 41}, nullptr, 0, Stretch | Hidden},
    {Kind::Next, "Button6", "Panel3", kStoryNext, "▼"},
    {Kind::Next, "Button7", "Panel3", kStoryNext, "▼", 0, Hidden},
    {Kind::Next, "Button8", "Panel3", kStoryNext, "▼", 0, Hidden},
    {Kind::Next, "Button9", "Panel3", kStoryNext, "▼", 0, Hidden},

    // Hatching and naming the chick.
    {Kind::Page, "Panel4", nullptr, kPage, nullptr, 0, Hidden, kBlack, kWhite},
    {Kind::Image, "Image4", "Panel4", kPage, nullptr, 0, Stretch},
    {Kind::Label, "lblCMes1", "Panel4", {16, 9, 241, 19}, nullptr, 19, Bold},
    {Kind::Label, "lblCMes2", "Panel4", {15, 36, 242, 19}, nullptr, 19, Bold},
    {Kind::Image, "imgEggAnime", "Panel4", {104, 96, 58, 73}},
    {Kind::Image, "imgKara", "Panel4", {48, 96, 170, 77}, nullptr, 0, Stretch | Hidden},
    {Kind::Image, "imgHina", "Panel4", {88, 72, 90, 90}, nullptr, 0, Hidden},
    {Kind::Next, "Button10", "Panel4", kHatchNext, "▼", 0, Hidden},
    {Kind::Next, "Button11", "Panel4", kHatchNext, "▼", 0, Hidden},
    {Kind::Next, "Button12", "Panel4", kHatchNext, "▼", 0, Hidden},
    {Kind::Edit, "Edit2", "Panel4", {16, 35, 137, 32}, nullptr, 24, Hidden},

    // Game clear.
    {Kind::Page, "Panel5", nullptr, kPage, nullptr, 0, Hidden, kBlack, kWhite},
    {Kind::Image, "Image3", "Panel5", kPage, nullptr, 0, Stretch},
    {Kind::Label, "Label3", "Panel5", {32, 10, 217, 27}, "Congratulations!", 27, Bold | Italic, kBlue},
    {Kind::Image, "imgEndHelo", "Panel5", {130, 45, 90, 90}},
    {Kind::Image, "imgEndEgg", "Panel5", {53, 53, 90, 90}},
    {Kind::Button, "Button1", "Panel5", {80, 144, 121, 33}, "Game Clear！", 16, Bold | Italic},
};

bool NameFits(const std::string& utf8) { return CheckNameInput(utf8) == NameInput::Fits; }

} // namespace

TfrmOpening::TfrmOpening(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmOpening"));
    SetUpGameWindow(this, 271, 185);
    Build(this, kLayout);

    namePage_ = Find<TPanel>(this, "Panel1");
    levelPage_ = Find<TPanel>(this, "Panel2");
    storyPage_ = Find<TPanel>(this, "Panel3");
    hatchingPage_ = Find<TPanel>(this, "Panel4");
    clearPage_ = Find<TPanel>(this, "Panel5");
    playerName_ = Find<QLineEdit>(this, "Edit1");
    chickName_ = Find<QLineEdit>(this, "Edit2");
    story1_ = Find<TLabel>(this, "lblMes1");
    story2_ = Find<TLabel>(this, "lblMes2");
    hatching1_ = Find<TLabel>(this, "lblCMes1");
    hatching2_ = Find<TLabel>(this, "lblCMes2");
    congratulations_ = Find<TLabel>(this, "Label3");
    figure_ = Find<TImage>(this, "imgHelo");
    smallEgg_ = Find<TImage>(this, "imgEgg");
    egg_ = Find<TImage>(this, "imgEggAnime");
    shell_ = Find<TImage>(this, "imgKara");
    chick_ = Find<TImage>(this, "imgHina");
    clearFigure_ = Find<TImage>(this, "imgEndHelo");
    clearChick_ = Find<TImage>(this, "imgEndEgg");
    for (int number = 6; number <= 12; ++number)
        nextButtons_[static_cast<std::size_t>(number - 6)] =
            Find<TNextButton>(this, ("Button" + std::to_string(number)).c_str());
    // The name boxes take only names the game can store.
    for (QLineEdit* box : {playerName_, chickName_})
        box->setValidator(new TNameValidator(box, NameFits));
    blinkTimer_ = new GameTimer(this, kBlinkIntervalMs, "timPanel3Button");
    hatchTimer_ = new GameTimer(this, kHatchIntervalMs, "timEgg");
    clearTimer_ = new GameTimer(this, kCongratulationsIntervalMs, "Timer1");

    // Our own pictures: the two figures to pick, the eggs and the shell.
    Find<TImage>(this, "Image5")->SetPicture(RenderArt(QStringLiteral("Image5")));
    Find<TImage>(this, "Image6")->SetPicture(RenderArt(QStringLiteral("Image6")));
    smallEgg_->SetPicture(RenderArt(QStringLiteral("imgEgg")));
    egg_->SetPicture(RenderArt(QStringLiteral("imgEggAnime")));
    shell_->SetPicture(RenderArt(QStringLiteral("imgKara")));
    QPixmap clear(clearChick_->size() * devicePixelRatioF());
    clear.setDevicePixelRatio(devicePixelRatioF());
    clear.fill(Qt::transparent);
    clearChick_->SetPicture(clear);
    // Every page shows the game's background pattern.
    const QPixmap back = Media().Picture(QStringLiteral("imgBack"));
    for (const char* background : {"img1", "Image1", "Image2", "Image3", "Image4"})
        Find<TImage>(this, background)->SetPicture(back);

    // Picking a figure: a press of any mouse button on its panel or picture.
    connect(Find<TPanel>(this, "Panel6"), &TPanel::MouseDown, this, [this] { PickFigure(true); });
    connect(Find<TImage>(this, "Image5"), &TImage::MouseDown, this, [this] { PickFigure(true); });
    connect(Find<TPanel>(this, "Panel7"), &TPanel::MouseDown, this, [this] { PickFigure(false); });
    connect(Find<TImage>(this, "Image6"), &TImage::MouseDown, this, [this] { PickFigure(false); });
    const char* const levelButtons[] = {"Button2", "Button3", "Button5"};
    for (int level = 0; level < 3; ++level)
        connect(Find<TButton>(this, levelButtons[level]), &QPushButton::clicked, this,
                [this, level] { PickLevel(level); });
    for (const StoryStep& step : kStorySteps) {
        auto* button = Find<TNextButton>(this, step.button);
        connect(button, &QPushButton::clicked, this, [this, &step] { StoryPress(step, false); });
        connect(button, &TNextButton::KeyPress, this, [this, &step] { StoryPress(step, true); });
    }
    connect(Next(10), &QPushButton::clicked, this, &TfrmOpening::VerdictClick);
    connect(Next(11), &QPushButton::clicked, this, &TfrmOpening::NameChickClick);
    connect(Next(12), &QPushButton::clicked, this, &TfrmOpening::AcceptChickNameClick);
    connect(Find<TButton>(this, "Button1"), &QPushButton::clicked, this, &TfrmOpening::GameClearClick);
    connect(blinkTimer_, &QTimer::timeout, this, &TfrmOpening::BlinkTick);
    connect(hatchTimer_, &QTimer::timeout, this, &TfrmOpening::HatchTick);
    connect(clearTimer_, &QTimer::timeout, this, &TfrmOpening::CongratulationsTick);

    // For a screen reader: the two figures to pick, the "▼" buttons (whose
    // mark blinks) and the pictures of the story, the hatching and the clear.
    Describe(Find<TPanel>(this, "Panel6"), QAccessible::Button, TrQ("男の子"));
    Describe(Find<TPanel>(this, "Panel7"), QAccessible::Button, TrQ("女の子"));
    for (TNextButton* next : nextButtons_)
        next->setAccessibleName(TrQ("次へ"));
    const std::pair<TImage*, const char*> pictures[] = {
        {figure_, "あなた"},   {smallEgg_, "不思議な卵"}, {egg_, "卵"},           {shell_, "卵のから"},
        {chick_, "ヒナ"},      {clearFigure_, "あなた"},  {clearChick_, "ヒナ"},
    };
    for (const auto& [picture, name] : pictures)
        Describe(picture, QAccessible::Graphic, TrQ(name));
    playerName_->setAccessibleName(TrQ("あなたのお名前"));
    chickName_->setAccessibleName(TrQ("ヒナの名前"));

    SetReadingOrder(this, {"Edit1", "Panel6", "Panel7", "Button2", "Button3", "Button5", "Button6", "Button7",
                           "Button8", "Button9", "Button10", "Button11", "Edit2", "Button12", "Button1"});

    // The "▼" buttons blink for the rest of the run.
    blinkTimer_->start();
}

void TfrmOpening::ShowForNewGame()
{
    show();
    activateWindow();
    playerName_->setFocus();
}

void TfrmOpening::PickFigure(bool boy)
{
    // The boy wants a name with something in it; the girl takes any text,
    // blanks only included (the stored name is then empty).
    const std::string typed = playerName_->text().toStdString();
    if (boy ? IsBlankName(typed) : typed.empty())
        return;
    session_->ChooseFigure(NameBytes(typed), boy);
    const std::string picture = FigurePicture(boy ? 1 : 0, FigureMood::AsPicked);
    emit FigurePicked(picture);
    figure_->SetPicture(Media().Picture(picture));
    Media().PlayEffect(Effect::Click);
    namePage_->hide();
    levelPage_->show();
    FocusFirstControl(levelPage_);
}

void TfrmOpening::PickLevel(int level)
{
    session_->ChooseLevel(level);
    Media().PlayEffect(Effect::Click);
    const std::string name = FromShiftJis(session_->Player().GetPlayerName());
    emit LevelPicked(campaign::OpeningLevelCaption(level), Qs(name));
    story1_->setText(Qs(Greeting(name)));
    story1_->show();
    levelPage_->hide();
    storyPage_->show();
    Next(6)->setFocus();
    if (!blinkTimer_->isActive())
        blinkTimer_->start();
}

void TfrmOpening::StoryPress(const StoryStep& step, bool byKey)
{
    if (!step.soundAfterChanges)
        Media().PlayEffect(step.sound);
    if (step.line1)
        story1_->setText(TrQ(step.line1));
    if (step.line2Click)
        story2_->setText(TrQ(byKey ? step.line2Key : step.line2Click));
    if (!step.nextButton) {
        // The story is told: on to the campaign.
        session_->BeginCampaign();
        hide();
        emit StoryTold();
        return;
    }
    Find<TNextButton>(this, step.button)->hide();
    auto* next = Find<TNextButton>(this, step.nextButton);
    next->show();
    // The keyboard goes on with the story where the mouse would.
    next->setFocus();
    if (step.showEgg)
        smallEgg_->show();
    if (step.soundAfterChanges)
        Media().PlayEffect(step.sound);
}

void TfrmOpening::BlinkTick()
{
    blinkOn_ = !blinkOn_;
    const QString caption = blinkOn_ ? QString::fromUtf8(kNextMark) : QString();
    for (TNextButton* button : nextButtons_)
        button->setText(caption);
}

void TfrmOpening::StartHatching()
{
    namePage_->hide();
    levelPage_->hide();
    storyPage_->hide();
    hatchingPage_->show();
    show();
    activateWindow();
    hatchTimer_->start();
}

void TfrmOpening::HatchTick()
{
    const HatchStep* row = FindHatchStep(eggStep_);
    if (!row)
        return;
    switch (row->action) {
    case HatchAction::Rest:
        break;
    case HatchAction::WobbleRight:
        egg_->move(egg_->x() + kEggWobblePixels, egg_->y());
        Media().PlayEffect(Effect::Click);
        break;
    case HatchAction::WobbleLeft:
        egg_->move(egg_->x() - kEggWobblePixels, egg_->y());
        break;
    case HatchAction::HideEgg:
        egg_->hide();
        break;
    case HatchAction::Hatch: {
        shell_->show();
        const int strength = campaign::EggStrength(session_->Player().GetNutrition());
        // The chick stands free of its portrait's backdrop, between the shell halves.
        chick_->SetPicture(RenderArt(Qs(campaign::ChickPictureId(strength)), true));
        chick_->show();
        hatching1_->setText(TrQ(kHatchedLine1));
        hatching2_->setText(TrQ(kHatchedLine2));
        if (!blinkTimer_->isActive())
            blinkTimer_->start();
        Media().PlayEffect(Effect::Fanfare);
        Next(10)->show();
        Next(10)->setFocus();
        break;
    }
    case HatchAction::Stop:
        hatchTimer_->stop();
        break;
    }
    eggStep_ = row->next;
}

void TfrmOpening::VerdictClick()
{
    Media().PlayEffect(Effect::Blip);
    const campaign::ChickPanel chick = session_->JudgeChick();
    const Verdict verdict = VerdictFor(chick.eggStrength);
    const std::string line1 = Tr(verdict.line1);
    const std::string line2 = Tr(verdict.line2);
    hatching1_->setText(Qs(line1));
    hatching2_->setText(Qs(line2));
    Announce(this, Qs(line1 + line2 + " " + campaign::StrengthInWords(chick.eggStrength)));
    // The selection screen's bonus stage gets its chick.
    emit ChickJudged(chick);
    Next(10)->hide();
    Next(11)->show();
    Next(11)->setFocus();
}

void TfrmOpening::NameChickClick()
{
    Media().PlayEffect(Effect::Blip);
    hatching1_->setText(TrQ(kNameTheChick));
    hatching2_->clear();
    chickName_->show();
    chickName_->setFocus();
    Next(11)->hide();
    Next(12)->show();
}

void TfrmOpening::AcceptChickNameClick()
{
    // An empty box is refused without a sound; blanks only are accepted and
    // stored as an empty name, while the label shows them as typed.
    if (chickName_->text().isEmpty())
        return;
    Media().PlayEffect(Effect::Blip);
    session_->NameChick(NameBytes(chickName_->text().toStdString()));
    emit ChickNamed(chickName_->text());
    hatchingPage_->hide();
    clearFigure_->SetPicture(
        Media().Picture(FigurePicture(session_->Player().GetPlayerCharacter(), FigureMood::Winning)));
    // The chick turns to face its keeper.
    clearChick_->MirrorSquareFrom(chick_->Picture(), 89);
    Platform().PumpEvents();
    Platform().Pause(kClearPauseMs);
    Media().PlayEffect(Effect::Fanfare);
    clearTimer_->start();
    clearPage_->show();
    Find<TButton>(this, "Button1")->setFocus();
}

void TfrmOpening::CongratulationsTick()
{
    congratulationsOn_ = !congratulationsOn_;
    congratulations_->setVisible(congratulationsOn_);
}

void TfrmOpening::GameClearClick()
{
    Media().PlayEffect(Effect::Blip);
    emit GameClearPressed();
}
