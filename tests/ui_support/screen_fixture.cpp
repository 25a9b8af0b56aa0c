#include "ui_support/screen_fixture.h"

#include "platform/catalogue.h"

#include <QCoreApplication>
#include <QStyleOptionButton>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <algorithm>

namespace ui_test {

void PumpingPlatform::PumpEvents()
{
    ++pumps;
    QCoreApplication::processEvents();
}

void PumpingPlatform::Pause(int ms)
{
    RecordingPlatform::Pause(ms);
    if (onPause)
        onPause(ms);
}

bool RunUntil(const std::function<bool()>& done, const std::function<void()>& eachTurn, int limitMs)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < limitMs) {
        if (eachTurn)
            eachTurn();
        if (done())
            return true;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return false;
}

TImage* TitleGlyph(int index) { return Find<TImage>(frmStart, "imgTitle" + std::to_string(index + 1)); }
TButton* LoadButton(int slot0) { return Find<TButton>(frmStart, "btnLoad" + std::to_string(slot0 + 1)); }
TButton* SaveButton(int slot0) { return Find<TButton>(frmStart, "btnSave" + std::to_string(slot0 + 1)); }
TNextButton* NextButton(int number) { return Find<TNextButton>(frmOpening, "Button" + std::to_string(number)); }
TPanel* PlaceTab(int place) { return Find<TPanel>(frmCharSelect, "pnlPlace" + std::to_string(place + 1)); }

TImage* Portrait(int place, int position)
{
    return Find<TImage>(frmCharSelect, "imgChar" + std::to_string(place + 1) + "_" + std::to_string(position + 1));
}

void Press(QWidget* widget, Qt::MouseButton button, QPoint at)
{
    ASSERT_NE(widget, nullptr);
    if (at.x() < 0)
        at = QPoint(widget->width() / 2, widget->height() / 2);
    QTest::mousePress(widget, button, Qt::NoModifier, at);
    QTest::mouseRelease(widget, button, Qt::NoModifier, at);
}

void Type(QWidget* widget, const QString& text)
{
    for (qsizetype at = 0; at < text.size(); ++at) {
        QString character = text.mid(at, text.at(at).isHighSurrogate() ? 2 : 1);
        at += character.size() - 1;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QCoreApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
        QCoreApplication::sendEvent(widget, &release);
    }
}

QColor PixelAt(const QPixmap& picture, int x, int y)
{
    const qreal ratio = picture.devicePixelRatio();
    return picture.toImage().pixelColor(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
}

bool SamePicture(const QPixmap& a, const QPixmap& b)
{
    return !a.isNull() &&
           a.toImage().convertToFormat(QImage::Format_ARGB32) == b.toImage().convertToFormat(QImage::Format_ARGB32);
}

QPoint SquareCentre(int column, int row) { return {6 + 38 * (column - 1) + 19, 6 + 38 * (row - 1) + 19}; }

bool HasJapanese(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return (c.unicode() >= 0x3000 && c.unicode() <= 0x9FFF) || (c.unicode() >= 0xFF00 && c.unicode() <= 0xFFEF);
    });
}

void ExpectFits(QWidget* widget, const QString& text)
{
    // The room a label or button gives its text, and how it lays it out there.
    QRect room = widget->rect();
    int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        room = label->contentsRect();
        flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    } else if (qobject_cast<TPanel*>(widget)) {
        flags |= Qt::TextWordWrap;  // a panel wraps its caption
    }
    const QFontMetrics metrics(widget->font());
    QRect needed = metrics.boundingRect(room, flags, text);
    // A line may be taller than its label (19-pixel lines in a 19-pixel type,
    // as designed): only the ink of its letters needs the room.
    if (!text.contains(QLatin1Char('\n')) && needed.height() > room.height())
        needed.setHeight(metrics.tightBoundingRect(text).height());
    EXPECT_TRUE(needed.width() <= room.width() && needed.height() <= room.height())
        << widget->objectName().toStdString() << " needs " << needed.width() << " x " << needed.height() << " for \""
        << text.toStdString() << "\" in " << room.width() << " x " << room.height();
}

void ExpectEnglishThatFits(QWidget* window, const QStringList& typed)
{
    const auto japanese = [&](QString text) {
        text.remove(Utf(kGameCaption));
        for (const QString& name : typed)
            text.remove(name);
        return HasJapanese(text);
    };
    EXPECT_FALSE(japanese(window->windowTitle()));
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window))
            continue;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget))
            text = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            text = button->text();
        else if (auto* panel = qobject_cast<TPanel*>(widget))
            text = panel->Caption();
        EXPECT_FALSE(japanese(text) || japanese(widget->accessibleName()))
            << widget->objectName().toStdString() << " shows \"" << text.toStdString() << "\", named \""
            << widget->accessibleName().toStdString() << '"';
        if (!text.isEmpty())
            ExpectFits(widget, text);
    }
}

// ---------------------------------------------------------------- the fixture

void ScreenTest::SetUp() { folder.CopyDeliveredData(); }

void ScreenTest::TearDown()
{
    if (started_)
        DestroyProgramObjects();
    UseLanguage(Language::Japanese);
}

void ScreenTest::SpeakIn(Language language)
{
    UseLanguage(language);
    language_ = language;
}

void ScreenTest::StartProgram()
{
    if (started_)
        DestroyProgramObjects();
    ForgetSounds();
    CreateProgramObjects();
    started_ = true;
    if (!realSound)
        frmData->UsePlayers(sounds.Pointers());
}

std::vector<std::string> ScreenTest::Sounds() const
{
    static const char* const kPlayers[] = {"effect", "put", "turn", "computer put", "computer turn"};
    std::vector<std::string> heard;
    for (std::size_t player = 0; player < sounds.players.size(); ++player)
        for (const std::string& path : sounds.players[player].played)
            heard.push_back(std::string(kPlayers[player]) + " " + path.substr(path.rfind('/') + 1));
    return heard;
}

int ScreenTest::Plays(SoundPlayerIndex player, const std::string& tail) const
{
    const auto& played = sounds.players[player].played;
    return static_cast<int>(std::count_if(played.begin(), played.end(), [&](const std::string& path) {
        return path.size() >= tail.size() && path.compare(path.size() - tail.size(), tail.size(), tail) == 0;
    }));
}

int ScreenTest::Effects(Effect effect) const
{
    return Plays(MultiSound, "/data/sdm0" + std::to_string(static_cast<int>(effect) - 1) + ".dat");
}

void ScreenTest::ForgetSounds()
{
    // What the players hold open stays: a repeated sound plays that file again.
    for (auto& player : sounds.players)
        player.played.clear();
}

bool ScreenTest::RunTitle(const std::function<void()>& eachTurn)
{
    frmStart->show();
    return RunUntil([] { return Find(frmStart, "bitStart")->isVisibleTo(frmStart) && frmStart->isEnabled(); },
                    eachTurn);
}

void ScreenTest::ToMainMenu()
{
    StartProgram();
    ASSERT_TRUE(RunTitle()) << "the title never finished";
    Press(Find(frmStart, "bitStart"));
    ASSERT_TRUE(Find(frmStart, "BitBtn1")->isVisible());
}

void ScreenTest::NewGame(int slot, const QString& name, int level)
{
    ToMainMenu();
    Press(Find(frmStart, "BitBtn1"));
    platform.answers.push_back(true);
    Press(SaveButton(slot - 1));
    ASSERT_TRUE(frmOpening->isVisible()) << "the opening did not open";
    Type(Find(frmOpening, "Edit1"), name);
    Press(Find(frmOpening, "Panel6"));
    static const char* const kLevels[] = {"Button2", "Button3", "Button5"};
    Press(Find(frmOpening, kLevels[level]));
    for (int button = 6; button <= 9; ++button)
        Press(NextButton(button));
    ASSERT_TRUE(frmCharSelect->isVisible()) << "the story did not lead to the selection";
}

void ScreenTest::ContinueGame(int slot)
{
    ToMainMenu();
    Press(Find(frmStart, "BitBtn2"));
    Press(LoadButton(slot - 1));
    ASSERT_TRUE(frmCharSelect->isVisible()) << "the slot did not open the selection";
}

bool ScreenTest::PickOpponent(int place, int position)
{
    if (place != frmCharSelect->PlaceIndex())
        frmCharSelect->SelectPlace(place, false);
    Press(Portrait(place, position));
    return frmTurnSelect->isVisible();
}

void ScreenTest::StartMatchMovingFirst()
{
    Press(Find(frmTurnSelect, "BitBtn1"));
    ASSERT_TRUE(frmBattle->isVisible());
    ASSERT_TRUE(RunUntil([] { return !Find<QTimer>(frmBattle, "timStart")->isActive() && frmBattle->isEnabled(); }))
        << "the match never started";
}

void ScreenTest::PlayMatchToTheEnd()
{
    QWidget* finish = Find(frmBattle, "pnlFinish");
    const std::int32_t side = frmBattle->Flow().PlayerIsSecond ? White : Black;
    for (int moves = 0; moves < 64 && finish->isHidden(); ++moves) {
        ASSERT_TRUE(RunUntil([&] { return frmBattle->isEnabled() || !finish->isHidden(); }))
            << "the match hung after move " << moves;
        if (!finish->isHidden())
            break;
        int column = 0, row = 0;
        for (int c = 1; c <= 8 && !column; ++c)
            for (int r = 1; r <= 8 && !column; ++r)
                if (DBoard->Board.CanPlace(c, r, side)) {
                    column = c;
                    row = r;
                }
        ASSERT_NE(column, 0) << "the player has no move, yet the screen waits for one";
        Press(Find(frmBattle, "imgBoard"), Qt::LeftButton, SquareCentre(column, row));
    }
    ASSERT_TRUE(RunUntil([&] { return !finish->isHidden() && frmBattle->isEnabled(); }))
        << "no result after the last move";
}

void ScreenTest::LeaveMatch()
{
    Press(Find(frmBattle, "lblFinish"));
    ASSERT_TRUE(frmCharSelect->isVisible());
    ASSERT_TRUE(RunUntil([] { return !Find<QTimer>(frmCharSelect, "timDes")->isActive(); }))
        << "the defeat animation hung";
}

void ScreenTest::QuitGame()
{
    QSignalSpy closed(frmStart, &TfrmStart::Closed);
    platform.answers.push_back(true);
    Press(Find(frmCharSelect, "Button1"));
    EXPECT_EQ(closed.count(), 1) << "the main window closes: the program ends";
}

} // namespace ui_test
