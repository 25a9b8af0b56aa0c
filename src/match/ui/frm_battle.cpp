#include "match/ui/frm_battle.h"

#include "app/screens.h"
#include "brains/brains.h"
#include "campaign/ui/frm_char_select.h"
#include "campaign/ui/frm_turn_select.h"
#include "media/ui/frm_data.h"
#include "platform/data_files.h"
#include "platform/game_random.h"
#include "platform/shift_jis.h"
#include "platform/ui/desktop.h"
#include "platform/ui/timing.h"
#include "platform/ui/widgets.h"
#include "profile/player_record.h"

#include <QApplication>
#include <QHash>
#include <QPainter>

namespace {

// Board colours.
const QColor kTeal(0, 128, 128);
const QColor kGrey(128, 128, 128);
const QColor kSilver(192, 192, 192);

constexpr int kBoardSize = 317;

// The screen's fixed layout, back to front. Positions are in the client area,
// or in the named parent panel.
enum class Kind { Image, StretchedImage, Panel, Label, RoundRect, Bubble, Disc, Button };

struct WidgetRow {
    Kind kind;
    const char* name;
    const char* parent;  // nullptr: the screen itself
    QRect geometry;
    const char* caption;
    int fontPx;
    bool bold;
    Qt::Alignment alignment;
    bool hidden;
};

constexpr Qt::Alignment kCentred = Qt::AlignCenter;
constexpr Qt::Alignment kLeftMiddle = Qt::AlignLeft | Qt::AlignVCenter;

const WidgetRow kLayout[] = {
    // The background: one stretched copy of the pattern per quarter.
    {Kind::StretchedImage, "Image1", nullptr, {304, 176, 300, 174}, "", 0, false, {}, false},
    {Kind::StretchedImage, "Image2", nullptr, {288, 0, 316, 176}, "", 0, false, {}, false},
    {Kind::StretchedImage, "Image3", nullptr, {0, 0, 288, 176}, "", 0, false, {}, false},
    {Kind::StretchedImage, "Image4", nullptr, {0, 176, 304, 174}, "", 0, false, {}, false},
    // The board in its frame, with the notices over it.
    {Kind::Panel, "pnlBoard", nullptr, {136, 8, 330, 330}, "", 0, false, {}, false},
    {Kind::Image, "imgBoard", "pnlBoard", {5, 5, kBoardSize, kBoardSize}, "", 0, false, {}, false},
    {Kind::Label, "lblWinner", "pnlBoard", {7, 80, 313, 137}, "", 40, true, kCentred, true},
    {Kind::Label, "lblScore", "pnlBoard", {8, 232, 313, 33}, "", 33, false, kCentred, true},
    // The left side: the first mover, Black.
    {Kind::RoundRect, "Shape6", nullptr, {8, 32, 121, 41}, "", 0, false, {}, false},
    {Kind::Label, "Label1", nullptr, {32, 39, 52, 27}, "先手", 20, true, kLeftMiddle, false},
    {Kind::Disc, "Shape3", nullptr, {88, 36, 33, 33}, "", 0, false, {}, false},
    {Kind::Label, "lblChar1", nullptr, {0, 89, 137, 24}, "", 16, true, kCentred, false},
    {Kind::Image, "imgChar1", nullptr, {24, 120, 90, 90}, "", 0, false, {}, false},
    // The right side: the second mover, White.
    {Kind::RoundRect, "Shape7", nullptr, {475, 224, 121, 41}, "", 0, false, {}, false},
    {Kind::Label, "Label2", nullptr, {525, 231, 52, 27}, "後手", 20, true, kLeftMiddle, false},
    {Kind::Disc, "Shape4", nullptr, {485, 228, 33, 33}, "", 0, false, {}, false},
    {Kind::Label, "lblChar2", nullptr, {466, 185, 137, 24}, "", 16, true, kCentred, false},
    {Kind::Image, "imgChar2", nullptr, {488, 88, 90, 90}, "", 0, false, {}, false},
    // The opponent's speech bubble; the set-up moves it next to the opponent.
    {Kind::Bubble, "shpMessage", nullptr, {472, 16, 121, 65}, "", 0, false, {}, true},
    {Kind::Label, "lblMessage", nullptr, {480, 24, 109, 49}, "", 16, true, kLeftMiddle, true},
    // Giving up, and the end-of-match button over it.
    {Kind::Button, "btmGiveUp", nullptr, {496, 292, 81, 33}, "投了", 16, true, {}, false},
    {Kind::Panel, "pnlFinish", nullptr, {480, 288, 113, 41}, "", 0, false, {}, true},
    {Kind::Label, "lblFinish", "pnlFinish", {2, 2, 109, 37}, "対局終了", 15, true, kCentred, false},
};

void SetTextColour(QWidget* widget, QColor colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// An ellipse in the bounds (x1, y1)-(x2, y2), right and bottom edges excluded.
// At one picture pixel per screen pixel it is drawn pixel-exact; on high-DPI
// screens, where there are more pixels than the board's own, it is smoothed.
void Ellipse(QPainter& painter, int x1, int y1, int x2, int y2)
{
    if (painter.testRenderHint(QPainter::Antialiasing))
        painter.drawEllipse(QRectF(x1 + 0.5, y1 + 0.5, x2 - x1 - 1, y2 - y1 - 1));
    else
        painter.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

// A disc's ellipse: its colour with a 1-pixel grey outline.
void DiscEllipse(QPainter& painter, int x1, int y1, int x2, int y2, QColor fill)
{
    painter.setPen(QPen(kGrey, 1));
    painter.setBrush(fill);
    Ellipse(painter, x1, y1, x2, y2);
}

void SmoothOnHighDpi(QPainter& painter, const QPixmap& canvas)
{
    painter.setRenderHint(QPainter::Antialiasing, canvas.devicePixelRatio() > 1.0);
}

} // namespace

// Storing a disc on the board paints its square here and sounds through the
// media catalogue's players.
class TfrmBattle::BoardView : public BoardObserver {
public:
    explicit BoardView(TfrmBattle& screen) : screen_(screen) {}

    void DrawCell(int column, int row, std::int32_t value) override { screen_.DrawCell(column, row, value); }
    void PlacingSound(bool byComputer) override
    {
        if (byComputer)
            frmData->PlayComPut(screen_.OpponentSoundSet);
        else
            frmData->PlayPlayerPut(PlayerSoundVariant(DUser->Record.GetPlayerCharacter()));
    }
    void TurningSound(bool byComputer) override
    {
        if (byComputer)
            frmData->PlayComTurn(screen_.OpponentSoundSet);
        else
            frmData->PlayPlayerTurn(PlayerSoundVariant(DUser->Record.GetPlayerCharacter()));
    }
    void Pause(int ms) override { Platform().Pause(ms); }
    void PumpEvents() override { Platform().PumpEvents(); }

private:
    TfrmBattle& screen_;
};

TfrmBattle::TfrmBattle(QWidget* parent)
    : QWidget(parent), boardView_(new BoardView(*this))
{
    setObjectName(QStringLiteral("frmBattle"));
    SetUpGameWindow(this, 604, 350);
    BuildWidgets();

    timStart = new GameTimer(this, 170, "timStart");
    timPieceCount = new GameTimer(this, 120, "timPieceCount");
    timGameEnd = new GameTimer(this, 500, "timGameEnd");
    timMessage = new GameTimer(this, 100, "timMessage");
    connect(timStart, &QTimer::timeout, this, &TfrmBattle::timStartTimer);
    connect(timPieceCount, &QTimer::timeout, this, &TfrmBattle::timPieceCountTimer);
    connect(timGameEnd, &QTimer::timeout, this, &TfrmBattle::timGameEndTimer);
    connect(timMessage, &QTimer::timeout, this, &TfrmBattle::timMessageTimer);

    connect(imgBoard, &TImage::MouseDown, this, [this](Qt::MouseButton, QPoint position) { imgBoardMouseDown(position); });
    connect(btmGiveUp, &QPushButton::clicked, this, &TfrmBattle::btmGiveUpClick);
    connect(lblFinish, &TLabel::MouseDown, this, &TfrmBattle::lblFinishMouseDown);

    RedrawBoardBackground();
}

TfrmBattle::~TfrmBattle()
{
    if (DBoard)
        DBoard->Board.SetObserver(nullptr);
    delete boardView_;
}

void TfrmBattle::BuildWidgets()
{
    QHash<QString, QWidget*> built;
    for (const WidgetRow& row : kLayout) {
        QWidget* parent = row.parent ? built.value(QString::fromLatin1(row.parent)) : this;
        QWidget* widget = nullptr;
        switch (row.kind) {
        case Kind::Image:
        case Kind::StretchedImage:
            widget = new TImage(parent, row.name, row.geometry, row.kind == Kind::StretchedImage);
            break;
        case Kind::Panel:
            widget = new TPanel(parent, row.name, row.geometry);
            break;
        case Kind::Label: {
            auto* label = new TLabel(parent, row.name, row.geometry, QString::fromUtf8(row.caption));
            label->setFont(GameFont(row.fontPx, row.bold));
            label->setAlignment(row.alignment);
            label->setWordWrap(true);
            widget = label;
            break;
        }
        case Kind::RoundRect:
            widget = new TShape(parent, row.name, row.geometry, TShape::Kind::RoundRect, kSilver);
            break;
        case Kind::Bubble:
            widget = new TShape(parent, row.name, row.geometry, TShape::Kind::RoundRect, Qt::white, Qt::black, 2,
                                false);
            break;
        case Kind::Disc:
            widget = new TShape(parent, row.name, row.geometry, TShape::Kind::Ellipse, Qt::black, kGrey);
            break;
        case Kind::Button: {
            auto* button = new TButton(parent, row.name, row.geometry, QString::fromUtf8(row.caption));
            button->setFont(GameFont(row.fontPx, row.bold));
            widget = button;
            break;
        }
        }
        if (row.hidden)
            widget->hide();
        built.insert(QString::fromLatin1(row.name), widget);
    }
    auto get = [&built](const char* name) { return built.value(QString::fromLatin1(name)); };
    Image1 = static_cast<TImage*>(get("Image1"));
    Image2 = static_cast<TImage*>(get("Image2"));
    Image3 = static_cast<TImage*>(get("Image3"));
    Image4 = static_cast<TImage*>(get("Image4"));
    pnlBoard = static_cast<TPanel*>(get("pnlBoard"));
    imgBoard = static_cast<TImage*>(get("imgBoard"));
    lblWinner = static_cast<TLabel*>(get("lblWinner"));
    lblScore = static_cast<TLabel*>(get("lblScore"));
    Shape6 = static_cast<TShape*>(get("Shape6"));
    Label1 = static_cast<TLabel*>(get("Label1"));
    Shape3 = static_cast<TShape*>(get("Shape3"));
    lblChar1 = static_cast<TLabel*>(get("lblChar1"));
    imgChar1 = static_cast<TImage*>(get("imgChar1"));
    Shape7 = static_cast<TShape*>(get("Shape7"));
    Label2 = static_cast<TLabel*>(get("Label2"));
    Shape4 = static_cast<TShape*>(get("Shape4"));
    lblChar2 = static_cast<TLabel*>(get("lblChar2"));
    imgChar2 = static_cast<TImage*>(get("imgChar2"));
    shpMessage = static_cast<TShape*>(get("shpMessage"));
    lblMessage = static_cast<TLabel*>(get("lblMessage"));
    btmGiveUp = static_cast<TButton*>(get("btmGiveUp"));
    pnlFinish = static_cast<TPanel*>(get("pnlFinish"));
    lblFinish = static_cast<TLabel*>(get("lblFinish"));

    // What the table does not say.
    pnlBoard->SetColour(kTeal);
    pnlBoard->SetBevels(TPanel::Bevel::Raised, TPanel::Bevel::None, 6);
    SetTextColour(lblWinner, Qt::red);
    SetTextColour(lblScore, Qt::red);
    // The notices lie over the board without taking its clicks.
    lblWinner->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblScore->setAttribute(Qt::WA_TransparentForMouseEvents);
    Shape4->SetBrush(Qt::white);

    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap canvas(QSize(kBoardSize, kBoardSize) * ratio);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(kTeal);
    imgBoard->SetPicture(canvas);
}

void TfrmBattle::AttachBoard()
{
    DBoard->Board.SetObserver(boardView_);
}

bool TfrmBattle::LoadOpponentMessage(const std::string& path)
{
    const auto bytes = ReadRawFile(path);
    if (!bytes)
        return false;
    std::vector<std::string> lines;
    for (const std::string& line : SpeechScript::SplitLines(*bytes))
        lines.push_back(FromShiftJis(line));
    OpponentMessage.SetLines(std::move(lines));
    return true;
}

int TfrmBattle::PlaceIndex() const { return frmCharSelect ? frmCharSelect->PlaceIndex : 0; }
int TfrmBattle::CharIndex() const { return frmCharSelect ? frmCharSelect->CharIndex : 0; }

// ---------------------------------------------------------------- drawing

void TfrmBattle::RedrawBoardBackground()
{
    const BoardGeometry geometry{imgBoard->width(), imgBoard->height()};
    QPixmap& canvas = imgBoard->Canvas();
    {
        QPainter painter(&canvas);
        painter.fillRect(QRect(0, 0, geometry.width, geometry.height), kTeal);
        // Nine grid lines each way; a tenth would lie outside the picture.
        const int pitch = geometry.PitchX();
        const int margin = BoardGeometry::kMargin;
        for (int i = 0; i <= 9; ++i) {
            const int at = margin + pitch * i;
            painter.fillRect(QRect(at, margin, 1, geometry.height - 2 * margin), Qt::black);
            painter.fillRect(QRect(margin, at, geometry.height - 2 * margin, 1), Qt::black);
        }
        // The four star points.
        SmoothOnHighDpi(painter, canvas);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::black);
        for (const auto& [line, lineY] : {std::pair{2, 2}, {6, 2}, {2, 6}, {6, 6}}) {
            const int cx = margin + pitch * line;
            const int cy = margin + pitch * lineY;
            Ellipse(painter, cx - 2, cy - 2, cx + 3, cy + 3);
        }
    }
    imgBoard->update();
    lblWinner->hide();
    const QPixmap background = frmData ? frmData->Picture(QStringLiteral("imgBack")) : QPixmap();
    for (TImage* image : {Image1, Image2, Image3, Image4})
        image->SetPicture(background);
}

void TfrmBattle::DrawCell(int column, int row, std::int32_t value)
{
    const BoardGeometry geometry{imgBoard->width(), imgBoard->height()};
    const int x0 = geometry.OriginX(column);
    const int y0 = geometry.OriginY(row);
    const QRect square(x0 + 8, y0 + 8, 34, 34);
    {
        QPainter painter(&imgBoard->Canvas());
        painter.fillRect(square, kTeal);
        if (value == Black || value == White) {
            // A disc seen slightly from above: a rim, a thick lower edge and the
            // face lifted 5 pixels over them.
            const bool black = value == Black;
            SmoothOnHighDpi(painter, imgBoard->Canvas());
            DiscEllipse(painter, x0 + 8, y0 + 13, x0 + 42, y0 + 42, black ? kSilver : kGrey);
            DiscEllipse(painter, x0 + 8, y0 + 13, x0 + 42, y0 + 40, black ? QColor(Qt::black) : kSilver);
            DiscEllipse(painter, x0 + 8, y0 + 8, x0 + 42, y0 + 38, black ? QColor(Qt::black) : QColor(Qt::white));
        }
    }
    imgBoard->update(square);
}

// ---------------------------------------------------------------- set-up and start

void TfrmBattle::SetUpMatch(bool playerIsSecond, const QPixmap& playerPicture, const QString& playerName,
                            const QPixmap& opponentPicture, const QString& opponentName)
{
    // Black, the first mover, on the left; the left face looks into the screen.
    const QPixmap& left = playerIsSecond ? opponentPicture : playerPicture;
    const QPixmap& right = playerIsSecond ? playerPicture : opponentPicture;
    imgChar1->SetPicture(left);
    imgChar1->MirrorSquareFrom(left, 89);
    imgChar2->SetPicture(right);
    lblChar1->setText(playerIsSecond ? opponentName : playerName);
    lblChar2->setText(playerIsSecond ? playerName : opponentName);
    // The bubble goes next to the opponent.
    if (playerIsSecond) {
        shpMessage->move(8, 232);
        lblMessage->move(16, 240);
    } else {
        shpMessage->move(472, 16);
        lblMessage->move(480, 24);
    }

    RedrawBoardBackground();
    setEnabled(false);
    show();
    activateWindow();
    DBoard->Board.Clear();
    PlayerIsSecond = playerIsSecond;
    timStart->start();
    ComputerTookCorner = false;
    PlayerTookCorner = false;
    Shape6->SetBrush(frmData->shpColorSample1->Brush());
    Shape7->SetBrush(frmData->shpColorSample2->Brush());
}

void TfrmBattle::timStartTimer()
{
    TBoard& board = DBoard->Board;
    switch (StartStep) {
    case 0:
        StartStep = 10;
        break;
    case 10:
        frmData->PlayPlayerPut(1);
        board.PutDisc(4, 4, White);
        StartStep = 20;
        break;
    case 20:
        frmData->PlayPlayerPut(1);
        board.PutDisc(5, 5, White);
        StartStep = 30;
        break;
    case 30:
        frmData->PlayPlayerPut(1);
        board.PutDisc(4, 5, Black);
        StartStep = 40;
        break;
    case 40:
        frmData->PlayPlayerPut(1);
        board.PutDisc(5, 4, Black);
        if (!PlayerIsSecond && !moveInProgress_)
            setEnabled(true);
        StartStep = 50;
        break;
    case 50:
        StartStep = 60;
        break;
    case 60:
        // From now on, for the rest of the run, the start goes at this slower pace.
        timStart->SetInterval(400);
        Speak("GREETING");
        StartStep = 70;
        break;
    default:
        timStart->stop();
        StartStep = 0;
        // A player who moved early is still in the middle of that move (the
        // computer may be replying): the move enables the screen when it ends.
        if (moveInProgress_)
            break;
        if (PlayerIsSecond) {
            const MoveInProgress computerMoving(moveInProgress_);
            Platform().Pause(500);
            Platform().PumpEvents();
            ComputerMove(Black);
            IndicatorTo(White);
        }
        setEnabled(true);
        break;
    }
}

// ---------------------------------------------------------------- moves

void TfrmBattle::IndicatorTo(std::int32_t side)
{
    const QColor active = frmData->shpColorSample1->Brush();
    const QColor inactive = frmData->shpColorSample2->Brush();
    Shape6->SetBrush(side == Black ? active : inactive);
    Shape7->SetBrush(side == Black ? inactive : active);
}

void TfrmBattle::ComputerMove(std::int32_t side)
{
    DBrains->ChooseMove(DBoard->Board.Cells, side, DBrains->RandomPlay ? 0 : 1);
    DBoard->Board.PlaceAndFlip(DBrains->BestX, DBrains->BestY, side, true);
}

void TfrmBattle::ShowPassNotice()
{
    lblWinner->setText(QStringLiteral("パスです!"));
    lblWinner->show();
    frmData->PlayEffect(6);
    Platform().PumpEvents();
    Platform().Pause(1000);
    lblWinner->hide();
}

void TfrmBattle::imgBoardMouseDown(QPoint position)
{
    if (!isEnabled() || moveInProgress_)
        return;
    const auto square = SquareAt({imgBoard->width(), imgBoard->height()}, position.x(), position.y());
    if (!square)
        return;
    TBoard& board = DBoard->Board;
    const std::int32_t player = PlayerIsSecond ? White : Black;
    const std::int32_t computer = -player;
    if (!board.CanPlace(square->column, square->row, player))
        return;

    // From here until the player's turn comes back the screen stays disabled,
    // whatever the start sequence's timer does meanwhile.
    const MoveInProgress moving(moveInProgress_);
    if (player == Black)
        IndicatorTo(Black);
    setEnabled(false);
    board.PlaceAndFlip(square->column, square->row, player, false);
    if (!timMessage->isActive() && IsCorner(square->column, square->row)) {
        Speak("LOSE_CORNER");
        PlayerTookCorner = true;
    }
    if (board.IsMatchOver()) {
        MatchEnd();
        return;
    }
    if (board.CountMoves(computer) == 0) {
        // The computer passes; the player moves again.
        ShowPassNotice();
        setEnabled(true);
        Speak("GET_PASS");
        return;
    }

    Platform().PumpEvents();
    // The computer answers, and goes on answering while the player has no move.
    int iteration = 0;
    do {
        ++iteration;
        IndicatorTo(computer);
        Platform().Pause(300);
        Platform().PumpEvents();
        if (iteration > 1) {
            ShowPassNotice();
            Speak("GIVE_PASS");
            // The opponent has its say before it moves again.
            while (timMessage->isActive()) {
                Platform().PumpEvents();
                Platform().Pause(10);
            }
        }
        ComputerMove(computer);
        const int empty = board.CountDiscs(Empty);
        if (!timMessage->isActive() && empty > 5) {
            if (IsCorner(DBrains->BestX, DBrains->BestY)) {
                if (empty > 9) {
                    Speak("GET_CORNER");
                    ComputerTookCorner = true;
                }
            } else if (GameRandom::Shared().Next(5) == 0) {
                Speak("RANDOM");
            }
        }
        if (board.IsMatchOver()) {
            MatchEnd();
            return;
        }
        Platform().PumpEvents();
    } while (board.CountMoves(player) == 0);

    IndicatorTo(player);
    setEnabled(true);
}

void TfrmBattle::btmGiveUpClick()
{
    if (moveInProgress_ || !Platform().AskYesNo("投了してよろしいですか？", "投了"))
        return;
    // Giving up before the four discs are down ends the start sequence too,
    // so the next match starts from its first step.
    timStart->stop();
    StartStep = 0;
    frmCharSelect->show();
    frmCharSelect->activateWindow();
    hide();
    DBoard->Board.Clear();
}

// ---------------------------------------------------------------- speech

void TfrmBattle::Speak(const std::string& key)
{
    // The chick in the colosseum never talks.
    if (PlaceIndex() == kColosseum)
        return;
    GameRandom::Shared().SeedFromClock();
    const SpeechSituation situation{DBoard->Board.CountDiscs(Empty), PlayerTookCorner, ComputerTookCorner};
    const auto line =
        OpponentMessage.ChooseLine(key, Bubble.MessageLine, situation, Memory, GameRandom::Shared());
    if (!line)
        return;
    Bubble.MessageLine = *line;
    // A bubble already showing keeps its rhythm; it only gets the new line.
    if (!timMessage->isActive())
        timMessage->start();
}

void TfrmBattle::timMessageTimer()
{
    const SpeechBubble::Step step = Bubble.Tick(OpponentMessage);
    switch (step.action) {
    case SpeechBubble::Action::Open:
        timMessage->stop();
        lblMessage->setText(QString::fromStdString(step.text));
        shpMessage->show();
        lblMessage->show();
        timMessage->SetInterval(2000);
        timMessage->start();
        break;
    case SpeechBubble::Action::Next:
        lblMessage->setText(QString::fromStdString(step.text));
        break;
    case SpeechBubble::Action::Close:
        shpMessage->hide();
        lblMessage->hide();
        timMessage->SetInterval(100);
        timMessage->stop();
        break;
    }
}

// ---------------------------------------------------------------- match end

void TfrmBattle::MatchEnd()
{
    setEnabled(false);
    TBoard& board = DBoard->Board;
    BlackCount = board.CountDiscs(Black);
    WhiteCount = board.CountDiscs(White);
    // Let the final position be seen.
    Platform().Pause(1500);
    Platform().PumpEvents();

    const MatchOutcome outcome = DecideOutcome(BlackCount, WhiteCount, PlayerIsSecond);
    MatchResult = outcome.result;
    PlayerWon = outcome.playerWon;
    // Only a first win outside the colosseum feeds the egg; any other match
    // scores nothing (a repeated win reads "Score +0").
    const bool beaten = PlaceIndex() != kColosseum && DUser->Record.OpponentKnockDown(PlaceIndex(), CharIndex()) != 0;
    ScoreGained = NutritionGained(outcome, BlackCount, WhiteCount, PlaceIndex(), beaten);
    if (ScoreGained > 0)
        DUser->Record.AddNutrition(ScoreGained);

    board.Clear();
    board.RedrawAll();
    Platform().PumpEvents();
    timPieceCount->start();
}

void TfrmBattle::timPieceCountTimer()
{
    if (BlackCount <= 0 && WhiteCount <= 0) {
        timPieceCount->stop();
        Platform().Pause(300);
        ShowResult();
        return;
    }
    frmData->PlayComPut(1);
    const CountStepDiscs discs = CountLayoutStep(CountStep, BlackCount, WhiteCount);
    if (discs.black)
        DBoard->Board.PutDisc(discs.black->column, discs.black->row, Black);
    if (discs.white)
        DBoard->Board.PutDisc(discs.white->column, discs.white->row, White);
    ++CountStep;
}

void TfrmBattle::SetFace(TImage* image, const QPixmap& picture)
{
    image->SetPicture(picture);
    if (image == imgChar1)
        image->MirrorSquareFrom(picture, 89);
}

void TfrmBattle::ShowResult()
{
    const MatchOutcome outcome{MatchResult, PlayerWon};
    const std::string name = FromShiftJis(DUser->Record.GetPlayerName());
    lblWinner->setText(QString::fromStdString(ResultCaption(outcome, name)));
    TImage* playerFace = PlayerIsSecond ? imgChar2 : imgChar1;
    TImage* opponentFace = PlayerIsSecond ? imgChar1 : imgChar2;
    const bool boy = DUser->Record.GetPlayerCharacter() == 1;

    if (MatchResult == 0) {
        Speak("DRAW");
        frmData->PlayEffect(5);
    } else if (PlayerWon) {
        frmData->PlayEffect(3);
        Speak("LOSS");
        if (PlaceIndex() != kColosseum) {
            lblScore->setText(QString::fromStdString(ScoreCaption(ScoreGained)));
            lblScore->show();
        }
        SetFace(playerFace, frmData->Picture(boy ? QStringLiteral("imgHeloW") : QStringLiteral("imgHeroineW")));
        SetFace(opponentFace, frmTurnSelect->imgComLoss->Picture());
    } else {
        frmData->PlayEffect(4);
        Speak("VICTORY");
        SetFace(playerFace, frmData->Picture(boy ? QStringLiteral("imgHeloL") : QStringLiteral("imgHeroineL")));
        SetFace(opponentFace, frmTurnSelect->imgComWin->Picture());
    }

    lblWinner->show();
    CountStep = 0;
    timGameEnd->start();
    pnlFinish->show();
    setEnabled(true);
}

void TfrmBattle::timGameEndTimer()
{
    // "対局終了" blinks with a hint to click it.
    lblFinish->setText(lblFinish->text().isEmpty() ? QStringLiteral("対局終了\nクリック!") : QString());
}

void TfrmBattle::lblFinishMouseDown()
{
    frmData->PlayEffect(2);
    lblScore->hide();
    frmCharSelect->show();
    frmCharSelect->activateWindow();
    hide();
    DBoard->Board.Clear();
    timGameEnd->stop();
    pnlFinish->hide();
    const int place = PlaceIndex();
    const int opponent = CharIndex();
    if (place != kColosseum && PlayerWon && DUser->Record.OpponentKnockDown(place, opponent) == 0) {
        DUser->Record.SetOpponentKnockDown(place, opponent, 1);
        frmCharSelect->StartDefeatAnimation();
    }
}
