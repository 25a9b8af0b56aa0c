// The desktop side of the platform layer. The message boxes are tried on any
// display; the rest needs a real X server and SDL's disk audio, which the
// ui.real_display test gives it (these cases skip themselves elsewhere).
#include "platform/ui/desktop.h"
#include "platform/ui/sdl_wave_player.h"
#include "platform/ui/timing.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <gtest/gtest.h>

namespace {

bool OnX11() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

// The words on the buttons of the message box that is open, and a press on
// the one that reads `answer`.
QStringList AnswerBox(const QString& answer, QString* title)
{
    QStringList captions;
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box)
        return captions;
    *title = box->windowTitle();
    QAbstractButton* press = nullptr;
    for (QAbstractButton* button : box->buttons()) {
        captions << button->text();
        if (button->text() == answer)
            press = button;
    }
    if (press)
        press->click();
    return captions;
}

} // namespace

TEST(Desktop, MessageBoxesSpeakJapanese)
{
    DesktopServices desktop;
    QStringList captions;
    QString title;
    QTimer::singleShot(0, [&] { captions = AnswerBox(QStringLiteral("いいえ"), &title); });
    EXPECT_FALSE(desktop.AskYesNo("投了してよろしいですか？", "投了"));
    EXPECT_EQ(captions, (QStringList{QStringLiteral("はい"), QStringLiteral("いいえ")}));
    EXPECT_EQ(title, QStringLiteral("投了"));

    QTimer::singleShot(0, [&] { captions = AnswerBox(QStringLiteral("はい"), &title); });
    EXPECT_TRUE(desktop.AskYesNo("ゲームを終了してよろしいですか？", "ゲーム終了"));

    // A box without a title of its own carries the game's caption.
    QTimer::singleShot(0, [&] { captions = AnswerBox(QStringLiteral("OK"), &title); });
    ShowGameMessageBox(QMessageBox::NoIcon, QString(), QStringLiteral("アプリケーションはすでに実行されています"),
                       QMessageBox::Ok);
    EXPECT_EQ(captions, QStringList{QStringLiteral("OK")});
    EXPECT_EQ(title, QStringLiteral("ズモルリバロ"));
}

TEST(Desktop, WhatIsShownBeforeAWaitIsOnTheDisplayDuringIt)
{
    if (!OnX11())
        GTEST_SKIP() << "needs a real X display";
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

    // Shown, then one "let pending window events run" before a blocking wait:
    // the X server must already show it, nothing else runs until the wait ends.
    notice.show();
    DesktopServices().PumpEvents();
    const QPoint at = window.mapToGlobal(QPoint(0, 0));
    const QImage shown = window.screen()->grabWindow(0, at.x(), at.y(), 240, 80).toImage();
    int red = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QColor pixel = shown.pixelColor(x, y);
            red += pixel.red() > 200 && pixel.green() < 60 && pixel.blue() < 60;
        }
    EXPECT_GT(red, 100) << "the notice is not on the display";
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
