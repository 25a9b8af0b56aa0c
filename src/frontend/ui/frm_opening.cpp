#include "frontend/ui/frm_opening.h"

#include "app/screens.h"
#include "campaign/ui/frm_char_select.h"
#include "frontend/name_rules.h"
#include "frontend/opening_script.h"
#include "frontend/ui/front_form.h"
#include "media/ui/frm_data.h"
#include "frontend/ui/frm_start.h"
#include "platform/services.h"
#include "platform/shift_jis.h"
#include "platform/ui/desktop.h"
#include "platform/ui/timing.h"
#include "profile/player_record.h"

#include <QLineEdit>

using namespace frontend;

namespace {

constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kBlue = 0xff0000ff;
constexpr QRgb kFigurePanel = 0xfffff6e0;

// Every page is 271 x 185 at the window's origin.
constexpr QRect kPage(0, 0, 271, 185);
constexpr QRect kStoryNext(224, 147, 37, 30);
constexpr QRect kHatchNext(224, 144, 37, 30);
constexpr unsigned kText = Bold;

constexpr FormRow kLayout[] = {
    // Name and figure.
    {Kind::Page, "Panel1", nullptr, kPage, nullptr, 0, Plain, kWhite},
    {Kind::Image, "img1", "Panel1", kPage, nullptr, 0, Stretch},
    {Kind::Label, "Label1", "Panel1", {9, 5, 250, 24}, "あなたのお名前は？", 19, kText, kBlack},
    {Kind::Edit, "Edit1", "Panel1", {40, 32, 121, 32}, nullptr, 24},
    {Kind::Panel, "Panel6", "Panel1", {40, 72, 81, 105}, nullptr, 0, Plain, kFigurePanel},
    {Kind::Image, "Image5", "Panel6", {-4, 8, 90, 90}},
    {Kind::Panel, "Panel7", "Panel1", {136, 72, 81, 105}, nullptr, 0, Plain, kFigurePanel},
    {Kind::Image, "Image6", "Panel7", {-4, 8, 90, 90}},

    // The game level.
    {Kind::Page, "Panel2", nullptr, kPage, nullptr, 0, Hidden, kWhite},
    {Kind::Image, "Image1", "Panel2", kPage, nullptr, 0, Stretch},
    {Kind::Label, "Label2", "Panel2", {18, 13, 240, 24}, "ゲームレベルは？", 19, kText, kBlack},
    {Kind::Button, "Button2", "Panel2", {79, 48, 108, 34}, "やさしい", 17, Bold},
    {Kind::Button, "Button3", "Panel2", {79, 94, 108, 34}, "普通", 17, Bold},
    {Kind::Button, "Button5", "Panel2", {79, 140, 108, 34}, "難しい", 17, Bold},

    // The egg story.
    {Kind::Page, "Panel3", nullptr, kPage, nullptr, 0, Hidden, kWhite},
    {Kind::Image, "Image2", "Panel3", kPage, nullptr, 0, Stretch},
    {Kind::Label, "lblMes1", "Panel3", {15, 9, 242, 19}, nullptr, 19, kText | Hidden, kBlack},
    {Kind::Label, "lblMes2", "Panel3", {15, 28, 242, 19}, nullptr, 19, kText, kBlack},
    {Kind::Image, "imgHelo", "Panel3", {114, 72, 90, 90}},
    {Kind::Image, "imgEgg", "Panel3", {80, 120, 33, 41}, nullptr, 0, Stretch | Hidden},
    {Kind::Next, "Button6", "Panel3", kStoryNext, "▼"},
    {Kind::Next, "Button7", "Panel3", kStoryNext, "▼", 0, Hidden},
    {Kind::Next, "Button8", "Panel3", kStoryNext, "▼", 0, Hidden},
    {Kind::Next, "Button9", "Panel3", kStoryNext, "▼", 0, Hidden},

    // Hatching and naming the chick.
    {Kind::Page, "Panel4", nullptr, kPage, nullptr, 0, Hidden, kWhite},
    {Kind::Image, "Image4", "Panel4", kPage, nullptr, 0, Stretch},
    {Kind::Label, "lblCMes1", "Panel4", {16, 9, 241, 19}, nullptr, 19, kText, kBlack},
    {Kind::Label, "lblCMes2", "Panel4", {15, 36, 242, 19}, nullptr, 19, kText, kBlack},
    {Kind::Image, "imgEggAnime", "Panel4", {104, 96, 58, 73}},
    {Kind::Image, "imgKara", "Panel4", {48, 96, 170, 77}, nullptr, 0, Stretch | Hidden},
    {Kind::Image, "imgHina", "Panel4", {88, 72, 90, 90}, nullptr, 0, Hidden},
    {Kind::Next, "Button10", "Panel4", kHatchNext, "▼", 0, Hidden},
    {Kind::Next, "Button11", "Panel4", kHatchNext, "▼", 0, Hidden},
    {Kind::Next, "Button12", "Panel4", kHatchNext, "▼", 0, Hidden},
    {Kind::Edit, "Edit2", "Panel4", {16, 35, 137, 32}, nullptr, 24, Hidden},

    // Game clear.
    {Kind::Page, "Panel5", nullptr, kPage, nullptr, 0, Hidden, kWhite},
    {Kind::Image, "Image3", "Panel5", kPage, nullptr, 0, Stretch},
    {Kind::Label, "Label3", "Panel5", {32, 10, 217, 27}, "Congratulations!", 27, Bold | Italic, kBlue},
    {Kind::Image, "imgEndHelo", "Panel5", {130, 45, 90, 90}},
    {Kind::Image, "imgEndEgg", "Panel5", {53, 53, 90, 90}},
    {Kind::Button, "Button1", "Panel5", {80, 144, 121, 33}, "Game Clear！", 16, Bold | Italic},
};

QString FromSjis(const std::string& sjis) { return Qs(FromShiftJis(sjis)); }

} // namespace

TfrmOpening::TfrmOpening(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmOpening"));
    SetUpGameWindow(this, 271, 185);
    BuildForm(this, kLayout);

    Panel1 = Part<TPanel>(this, "Panel1");
    Panel2 = Part<TPanel>(this, "Panel2");
    Panel3 = Part<TPanel>(this, "Panel3");
    Panel4 = Part<TPanel>(this, "Panel4");
    Panel5 = Part<TPanel>(this, "Panel5");
    Edit1 = Part<QLineEdit>(this, "Edit1");
    Edit2 = Part<QLineEdit>(this, "Edit2");
    lblMes1 = Part<TLabel>(this, "lblMes1");
    lblMes2 = Part<TLabel>(this, "lblMes2");
    lblCMes1 = Part<TLabel>(this, "lblCMes1");
    lblCMes2 = Part<TLabel>(this, "lblCMes2");
    Label3 = Part<TLabel>(this, "Label3");
    imgHelo = Part<TImage>(this, "imgHelo");
    imgEgg = Part<TImage>(this, "imgEgg");
    imgEggAnime = Part<TImage>(this, "imgEggAnime");
    imgKara = Part<TImage>(this, "imgKara");
    imgHina = Part<TImage>(this, "imgHina");
    imgEndHelo = Part<TImage>(this, "imgEndHelo");
    imgEndEgg = Part<TImage>(this, "imgEndEgg");
    for (int number = 6; number <= 12; ++number)
        NextButtons[static_cast<std::size_t>(number - 6)] =
            Part<TNextButton>(this, ("Button" + std::to_string(number)).c_str());
    timPanel3Button = new GameTimer(this, kBlinkIntervalMs, "timPanel3Button");
    timEgg = new GameTimer(this, kHatchIntervalMs, "timEgg");
    Timer1 = new GameTimer(this, kCongratulationsIntervalMs, "Timer1");

    // Our own pictures: the two figures to pick, the eggs and the shell.
    Part<TImage>(this, "Image5")->SetPicture(RenderArt(QStringLiteral("Image5")));
    Part<TImage>(this, "Image6")->SetPicture(RenderArt(QStringLiteral("Image6")));
    imgEgg->SetPicture(RenderArt(QStringLiteral("imgEgg")));
    imgEggAnime->SetPicture(RenderArt(QStringLiteral("imgEggAnime")));
    imgKara->SetPicture(RenderArt(QStringLiteral("imgKara")));
    QPixmap clear(imgEndEgg->size() * devicePixelRatioF());
    clear.setDevicePixelRatio(devicePixelRatioF());
    clear.fill(Qt::transparent);
    imgEndEgg->SetPicture(clear);

    // Picking a figure: a press of any mouse button on its panel or picture.
    connect(Part<TPanel>(this, "Panel6"), &TPanel::MouseDown, this, [this] { PickFigure(true); });
    connect(Part<TImage>(this, "Image5"), &TImage::MouseDown, this, [this] { PickFigure(true); });
    connect(Part<TPanel>(this, "Panel7"), &TPanel::MouseDown, this, [this] { PickFigure(false); });
    connect(Part<TImage>(this, "Image6"), &TImage::MouseDown, this, [this] { PickFigure(false); });
    const char* const levelButtons[] = {"Button2", "Button3", "Button5"};
    for (int level = 0; level < 3; ++level)
        connect(Part<TButton>(this, levelButtons[level]), &QPushButton::clicked, this,
                [this, level] { PickLevel(level); });
    for (const StoryStep& step : kStorySteps) {
        auto* button = Part<TNextButton>(this, step.button);
        connect(button, &QPushButton::clicked, this, [this, &step] { StoryPress(step, false); });
        connect(button, &TNextButton::KeyPress, this, [this, &step] { StoryPress(step, true); });
    }
    connect(Next(10), &QPushButton::clicked, this, &TfrmOpening::VerdictClick);
    connect(Next(11), &QPushButton::clicked, this, &TfrmOpening::NameChickClick);
    connect(Next(12), &QPushButton::clicked, this, &TfrmOpening::AcceptChickNameClick);
    connect(Part<TButton>(this, "Button1"), &QPushButton::clicked, this, &TfrmOpening::GameClearClick);
    connect(timPanel3Button, &QTimer::timeout, this, &TfrmOpening::timPanel3ButtonTimer);
    connect(timEgg, &QTimer::timeout, this, &TfrmOpening::timEggTimer);
    connect(Timer1, &QTimer::timeout, this, &TfrmOpening::Timer1Timer);

    FormCreate();
}

void TfrmOpening::FormCreate()
{
    // Every page shows the game's background pattern.
    const QPixmap back = frmData->Picture(QStringLiteral("imgBack"));
    for (const char* background : {"img1", "Image1", "Image2", "Image3", "Image4"})
        Part<TImage>(this, background)->SetPicture(back);
    // The "▼" buttons blink for the rest of the run.
    timPanel3Button->start();
}

void TfrmOpening::ShowForNewGame()
{
    show();
    activateWindow();
    Edit1->setFocus();
}

void TfrmOpening::PickFigure(bool boy)
{
    // The boy wants a name with something in it; the girl takes any text,
    // blanks only included (the stored name is then empty).
    const std::string typed = Edit1->text().toStdString();
    if (boy ? IsBlankName(typed) : typed.empty())
        return;
    PlayerRecord& record = DUser->Record;
    record.SetPlayerName(NameBytes(typed));
    record.SetPlayerCharacter(boy ? 1 : 0);
    const QPixmap figure = frmData->Picture(boy ? QStringLiteral("imgHelo") : QStringLiteral("imgHeroine"));
    frmCharSelect->imgPlayer->SetPicture(figure);
    imgHelo->SetPicture(figure);
    frmData->PlayEffect(2);
    Panel1->hide();
    Panel2->show();
}

void TfrmOpening::PickLevel(int level)
{
    PlayerRecord& record = DUser->Record;
    record.SetLevel(level);
    frmCharSelect->PlaceIndex = 0;
    frmData->PlayEffect(2);
    frmCharSelect->lblDificulty->setText(Qs(OpeningLevelCaption(level)));
    const QString name = FromSjis(record.GetPlayerName());
    frmCharSelect->lblName->setText(name);
    frmCharSelect->lblName2->setText(name);
    lblMes1->setText(Qs(Greeting(FromShiftJis(record.GetPlayerName()))));
    lblMes1->show();
    Panel2->hide();
    Panel3->show();
    Next(6)->setFocus();
    if (!timPanel3Button->isActive())
        timPanel3Button->start();
}

void TfrmOpening::StoryPress(const StoryStep& step, bool byKey)
{
    if (!step.soundAfterChanges)
        frmData->PlayEffect(step.sound);
    if (step.line1)
        lblMes1->setText(Qs(step.line1));
    if (step.line2Click)
        lblMes2->setText(Qs(byKey ? step.line2Key : step.line2Click));
    if (!step.nextButton) {
        // The story is told: on to the campaign.
        hide();
        frmCharSelect->show();
        frmCharSelect->activateWindow();
        return;
    }
    Part<TNextButton>(this, step.button)->hide();
    auto* next = Part<TNextButton>(this, step.nextButton);
    next->show();
    // The keyboard goes on with the story where the mouse would.
    next->setFocus();
    if (step.showEgg)
        imgEgg->show();
    if (step.soundAfterChanges)
        frmData->PlayEffect(step.sound);
}

void TfrmOpening::timPanel3ButtonTimer()
{
    blinkOn_ = !blinkOn_;
    const QString caption = blinkOn_ ? QString::fromUtf8(kNextMark) : QString();
    for (TNextButton* button : NextButtons)
        button->setText(caption);
}

void TfrmOpening::StartHatching()
{
    Panel1->hide();
    Panel2->hide();
    Panel3->hide();
    Panel4->show();
    show();
    activateWindow();
    hatching_ = true;
    timEgg->start();
}

void TfrmOpening::timEggTimer()
{
    const HatchStep* row = FindHatchStep(EggStep);
    if (!row)
        return;
    switch (row->action) {
    case HatchAction::Rest:
        break;
    case HatchAction::WobbleRight:
        imgEggAnime->move(imgEggAnime->x() + kEggWobblePixels, imgEggAnime->y());
        frmData->PlayEffect(2);
        break;
    case HatchAction::WobbleLeft:
        imgEggAnime->move(imgEggAnime->x() - kEggWobblePixels, imgEggAnime->y());
        break;
    case HatchAction::HideEgg:
        imgEggAnime->hide();
        break;
    case HatchAction::Hatch: {
        imgKara->show();
        const int strength = EggStrength(DUser->Record.GetNutrition());
        // The chick stands free of its portrait's backdrop, between the shell halves.
        imgHina->SetPicture(RenderArt(Qs(ChickPicture(strength)), true));
        imgHina->show();
        lblCMes1->setText(Qs(kHatchedLine1));
        lblCMes2->setText(Qs(kHatchedLine2));
        if (!timPanel3Button->isActive())
            timPanel3Button->start();
        frmData->PlayEffect(3);
        Next(10)->show();
        Next(10)->setFocus();
        break;
    }
    case HatchAction::Stop:
        timEgg->stop();
        break;
    }
    EggStep = row->next;
}

void TfrmOpening::VerdictClick()
{
    frmData->PlayEffect(6);
    const std::int32_t nutrition = DUser->Record.GetNutrition();
    const int strength = EggStrength(nutrition);
    const Verdict verdict = VerdictFor(strength);
    lblCMes1->setText(Qs(verdict.line1));
    lblCMes2->setText(Qs(verdict.line2));
    // The selection screen's bonus stage gets its chick.
    frmCharSelect->lblTuyosa->setText(Qs(StrengthCaption(strength)));
    frmCharSelect->imgCharEgg->SetPicture(frmData->Picture(Qs(ChickPicture(strength))));
    frmCharSelect->EggStrength = strength;
    frmCharSelect->lblEiyou->setText(Qs(NutritionCaption(nutrition)));
    frmCharSelect->pnlEgg->hide();
    frmCharSelect->pnlClear->show();
    Next(10)->hide();
    Next(11)->show();
    Next(11)->setFocus();
}

void TfrmOpening::NameChickClick()
{
    frmData->PlayEffect(6);
    lblCMes1->setText(Qs(kNameTheChick));
    lblCMes2->clear();
    Edit2->show();
    Edit2->setFocus();
    Next(11)->hide();
    Next(12)->show();
}

void TfrmOpening::AcceptChickNameClick()
{
    // An empty box is refused without a sound; blanks only are accepted and
    // stored as an empty name, while the label shows them as typed.
    if (Edit2->text().isEmpty())
        return;
    frmData->PlayEffect(6);
    DUser->Record.SetChickName(NameBytes(Edit2->text().toStdString()));
    hatching_ = false;
    frmCharSelect->lblEggName->setText(Edit2->text());
    Panel4->hide();
    imgEndHelo->SetPicture(frmData->Picture(DUser->Record.GetPlayerCharacter() == 1 ? QStringLiteral("imgHeloW")
                                                                                    : QStringLiteral("imgHeroineW")));
    // The chick turns to face its keeper.
    imgEndEgg->MirrorSquareFrom(imgHina->Picture(), 89);
    Platform().PumpEvents();
    Platform().Pause(kClearPauseMs);
    frmData->PlayEffect(3);
    Timer1->start();
    Panel5->show();
    Part<TButton>(this, "Button1")->setFocus();
}

void TfrmOpening::Timer1Timer()
{
    congratulationsOn_ = !congratulationsOn_;
    Label3->setVisible(congratulationsOn_);
}

void TfrmOpening::GameClearClick()
{
    frmData->PlayEffect(6);
    DUser->Record.SaveRecord();
    frmStart->close();
}
