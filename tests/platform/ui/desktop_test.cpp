// The desktop side of the platform layer. The message boxes are tried on any
// display; the rest needs a real display server and SDL's disk audio, which
// the ui.real_display test (X) and the ui.wayland_display test (a Wayland
// compositor, read back with grim) give it (these cases skip themselves
// elsewhere).
#include "platform/ui/desktop.h"
#include "platform/ui/sdl_wave_player.h"
#include "platform/ui/timing.h"
#include "platform/ui/x11_display.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

namespace {

bool OnX11() { return QGuiApplication::platformName() == QLatin1String("xcb"); }
bool OnWayland() { return QGuiApplication::platformName() == QLatin1String("wayland"); }

// What the display server shows of a window now: read from the X server, or
// the whole of the Wayland compositor's output, taken by grim while this
// process blocks as it would in a wait.
QImage Displayed(QWidget& window)
{
    if (OnX11()) {
        const QPoint at = window.mapToGlobal(QPoint(0, 0));
        return window.screen()->grabWindow(0, at.x(), at.y(), window.width(), window.height()).toImage();
    }
    QTemporaryDir folder;
    const QString shot = folder.filePath(QStringLiteral("screen.png"));
    if (std::system(("grim '" + shot.toStdString() + "'").c_str()) != 0)
        return {};
    return QImage(shot);
}

int RedPixels(const QImage& image)
{
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            red += pixel.red() > 200 && pixel.green() < 60 && pixel.blue() < 60;
        }
    return red;
}

// The title a window has on the display: on X11 read back from the server,
// which shows it in the frame; elsewhere the window's own.
QString ShownTitle(QWidget* window)
{
    xcb_connection_t* x = X11Connection();
    if (!x)
        return window->windowTitle();
    const auto atom = [x](const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            x, xcb_intern_atom(x, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
        const xcb_atom_t found = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
        return found;
    };
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        x,
        xcb_get_property(x, 0, static_cast<xcb_window_t>(window->winId()), atom("_NET_WM_NAME"), atom("UTF8_STRING"),
                         0, 256),
        nullptr);
    QString title;
    if (reply)
        title = QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(reply)),
                                  xcb_get_property_value_length(reply));
    std::free(reply);
    return title;
}

// The words on the buttons of the message box that is open, and a press on
// the one that reads `answer` (the box is closed when none does).
QStringList AnswerBox(const QString& answer, QString* title)
{
    QStringList captions;
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box)
        return captions;
    *title = ShownTitle(box);
    QAbstractButton* press = nullptr;
    for (QAbstractButton* button : box->buttons()) {
        captions << button->text();
        if (button->text() == answer)
            press = button;
    }
    if (press)
        press->click();
    else
        box->reject();
    return captions;
}

// Types `key` into the message box that is open. A box the key leaves open
// is answered `otherwise` a moment later.
void AnswerWithKey(Qt::Key key, QMessageBox::StandardButton otherwise)
{
    QPointer<QWidget> box = QApplication::activeModalWidget();
    if (!box)
        return;
    QTest::keyClick(box, key);
    QTimer::singleShot(2000, [box, otherwise] {
        if (box && box->isVisible())
            qobject_cast<QMessageBox*>(box.data())->done(otherwise);
    });
}

} // namespace

TEST(Desktop, MessageBoxesSpeakTheGamesLanguage)
{
    DesktopServices desktop;
    QStringList captions;
    QString title;
    // "はい(Y)" and "いいえ(N)", Y and N underlined; the title as given, alone.
    QTimer::singleShot(0, [&] { captions = AnswerBox(QStringLiteral("いいえ(&N)"), &title); });
    EXPECT_FALSE(desktop.AskYesNo("投了してよろしいですか？", "投了"));
    EXPECT_EQ(captions, (QStringList{QStringLiteral("はい(&Y)"), QStringLiteral("いいえ(&N)")}));
    EXPECT_EQ(title.toStdString(), "投了");

    QTimer::singleShot(0, [&] { captions = AnswerBox(QStringLiteral("はい(&Y)"), &title); });
    EXPECT_TRUE(desktop.AskYesNo("ゲームを終了してよろしいですか？", "ゲーム終了"));
    EXPECT_EQ(title.toStdString(), "ゲーム終了");
    QTimer::singleShot(0, [&] { captions = AnswerBox(QStringLiteral("OK"), &title); });
    desktop.ShowMessage("ファイルを開けません\n/tmp/data/user01.usr", "エラー");
    EXPECT_EQ(title.toStdString(), "エラー");

    // The Y and N keys answer as the buttons do.
    QTimer::singleShot(0, [] { AnswerWithKey(Qt::Key_Y, QMessageBox::No); });
    EXPECT_TRUE(desktop.AskYesNo("ゲームを終了してよろしいですか？", "ゲーム終了"));
    QTimer::singleShot(0, [] { AnswerWithKey(Qt::Key_N, QMessageBox::Yes); });
    EXPECT_FALSE(desktop.AskYesNo("投了してよろしいですか？", "投了"));

    // A box without a title of its own carries the game's caption.
    QTimer::singleShot(0, [&] { captions = AnswerBox(QStringLiteral("OK"), &title); });
    ShowGameMessageBox(QMessageBox::NoIcon, QString(), QStringLiteral("アプリケーションはすでに実行されています"),
                       QMessageBox::Ok);
    EXPECT_EQ(captions, QStringList{QStringLiteral("OK")});
    EXPECT_EQ(title.toStdString(), "ズモルリバロ");
    // The application keeps its name for everything else.
    EXPECT_EQ(QGuiApplication::applicationDisplayName().toStdString(), "ズモルリバロ");

    // In English the answers read Yes and No, and the Y and N keys still answer.
    UseLanguage(Language::English);
    QTimer::singleShot(0, [&] { captions = AnswerBox(QStringLiteral("&No"), &title); });
    EXPECT_FALSE(desktop.AskYesNo("Quit the game?", "ズモルリバロ"));
    EXPECT_EQ(captions, (QStringList{QStringLiteral("&Yes"), QStringLiteral("&No")}));
    QTimer::singleShot(0, [] { AnswerWithKey(Qt::Key_Y, QMessageBox::No); });
    EXPECT_TRUE(desktop.AskYesNo("Quit the game?", "ズモルリバロ"));
    QTimer::singleShot(0, [] { AnswerWithKey(Qt::Key_N, QMessageBox::Yes); });
    EXPECT_FALSE(desktop.AskYesNo("Quit the game?", "ズモルリバロ"));
    UseLanguage(Language::Japanese);
}

TEST(Desktop, WhatIsShownBeforeAWaitIsOnTheDisplayDuringIt)
{
    if (!OnX11() && !OnWayland())
        GTEST_SKIP() << "needs a real display server";
    QWidget window;
    window.setFixedSize(240, 80);
    window.setStyleSheet(QStringLiteral("background: white"));
    QLabel notice(QStringLiteral("パスです!"), &window);
    notice.setGeometry(0, 0, 240, 80);
    notice.setStyleSheet(QStringLiteral("color: red; font: bold 40px"));
    notice.hide();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(200);

    EXPECT_LT(RedPixels(Displayed(window)), 100) << "the notice shows before it is shown";

    // Shown, then one "let pending window events run" before a blocking wait:
    // the display server must already show it, nothing else runs until the
    // wait ends.
    notice.show();
    DesktopServices().PumpEvents();
    EXPECT_GT(RedPixels(Displayed(window)), 100) << "the notice is not on the display";
}

TEST(Desktop, AWaitAnswersAScreenReaderAndTakesNothingElse)
{
    // A reader on the bus asks for what it was just told and gives up when no
    // answer comes within a second; its questions reach the game's thread as
    // queued calls. A key and a timer are what the wait holds back.
    SetTimeScale(1);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    struct KeyCount : QObject {
        int keys = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            keys += event->type() == QEvent::KeyPress;
            return false;
        }
    } screenKeys;
    QWidget screen;
    screen.installEventFilter(&screenKeys);
    QObject reader;
    bool answered = false, timerRan = false;
    QMetaObject::invokeMethod(&reader, [&] { answered = true; }, Qt::QueuedConnection);
    QCoreApplication::postEvent(&screen, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier));
    QTimer::singleShot(1, &reader, [&] { timerRan = true; });
    DesktopServices().Pause(100);
    EXPECT_TRUE(answered) << "the reader's question waited for the end of the wait";
    EXPECT_EQ(screenKeys.keys, 0) << "a key was taken during the wait";
    EXPECT_FALSE(timerRan) << "a timer ran during the wait";
    QCoreApplication::processEvents();
    EXPECT_EQ(screenKeys.keys, 1);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    SetTimeScale(0);
}

TEST(Desktop, TheBeepSoundsThroughTheGamesAudio)
{
    const QByteArray file = qgetenv("SDL_DISKAUDIOFILE");
    if (qgetenv("SDL_AUDIODRIVER") != "disk" || file.isEmpty())
        GTEST_SKIP() << "needs SDL's disk audio";
    // A count-up's worth of beeps, ten milliseconds apart.
    for (int unit = 0; unit < 30; ++unit) {
        ASSERT_TRUE(SdlWavePlayer::PlayBeep());
        QTest::qWait(10);
    }
    QTest::qWait(300);
    SdlWavePlayer::CloseDevice();
    QFile written(QString::fromLocal8Bit(file));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray audio = written.readAll();
    EXPECT_GT(audio.size() - audio.count('\0'), 1000) << "only silence was written";
}
