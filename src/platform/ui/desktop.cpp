#include "platform/ui/desktop.h"

#include "platform/ui/accessibility.h"
#include "platform/ui/display_sync.h"
#include "platform/ui/keyboard.h"
#include "platform/ui/sdl_wave_player.h"
#include "platform/ui/timing.h"
#include "platform/ui/window_frame.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDeadlineTimer>
#include <QFont>
#include <QScreen>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {

// The window a message box belongs to: the game's active window, else the
// one shown last. None before any window is shown (a refused second copy).
QWidget* MessageOwner()
{
    if (QWidget* active = QApplication::activeWindow(); active && active->isVisible())
        return active;
    QWidget* owner = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && !qobject_cast<QMessageBox*>(window))
            owner = window;
    return owner;
}

} // namespace

QMessageBox::StandardButton ShowGameMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text,
                                               QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, title.isEmpty() ? QString::fromUtf8(kGameCaption) : title, text, buttons);
    // A path in the text (from the player's own folder names) is shown as it is.
    box.setTextFormat(Qt::PlainText);
    // As a Japanese desktop's question boxes read: the Y and N keys answer
    // (a message box presses the button whose mnemonic key is typed).
    const std::pair<QMessageBox::StandardButton, const char*> captions[] = {
        {QMessageBox::Yes, "はい(&Y)"}, {QMessageBox::No, "いいえ(&N)"}, {QMessageBox::Ok, "OK"}};
    for (const auto& [button, caption] : captions)
        if (QAbstractButton* shown = box.button(button))
            shown->setText(TrQ(caption));

    // Qt ends a window's title with the application's display name ("投了 —
    // ズモルリバロ") unless the title already ends with it; a box carries its
    // own title alone. The window system takes the title as the box is first
    // shown, so for that moment the box's title stands as the display name.
    box.setWindowModality(Qt::ApplicationModal);
    const QString displayName = QGuiApplication::applicationDisplayName();
    QGuiApplication::setApplicationDisplayName(box.windowTitle());
    // Kept above the window it speaks for (on Wayland a box without an owner
    // is placed like any new window, even side by side with the game's).
    // Owned as a window only, not as a child: a box asked over a disabled
    // screen must take the player's answer.
    if (QWidget* owner = MessageOwner()) {
        box.winId();
        owner->winId();
        box.windowHandle()->setTransientParent(owner->windowHandle());
    }
    box.show();
    QGuiApplication::setApplicationDisplayName(displayName);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void DesktopServices::ShowMessage(const std::string& text, const std::string& title)
{
    ShowGameMessageBox(QMessageBox::NoIcon, Qs(title), Qs(text), QMessageBox::Ok);
}

bool DesktopServices::AskYesNo(const std::string& text, const std::string& title)
{
    return ShowGameMessageBox(QMessageBox::Question, Qs(title), Qs(text), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void DesktopServices::Beep()
{
    // Most desktops mute the X bell; the game's own audio is heard.
    if (!SdlWavePlayer::PlayBeep())
        QApplication::beep();
}

void DesktopServices::Pause(int ms)
{
    const int scaled = ScaledMs(ms);
    if (scaled <= 0)
        return;
    if (!QAccessible::isActive()) {
        QThread::msleep(static_cast<unsigned long>(scaled));
        return;
    }
    // A screen reader asks for what it has just been told, and gives up when
    // no answer comes within a second: with one listening, the wait answers
    // it as it goes, and takes nothing else meanwhile.
    const QDeadlineTimer end(scaled);
    for (qint64 left = scaled; left > 0; left = end.remainingTime()) {
        AnswerReaders();
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(left, 5)));
    }
}

void DesktopServices::PumpEvents()
{
    QCoreApplication::processEvents();
    PaintPendingUpdates();
}

void PaintPendingUpdates()
{
    // Qt paints a changed window later, from a queued request (a widget just
    // shown has first queued a note to mark its area); a blocking wait would
    // hold that back for its whole length. Mark, paint, and see the display
    // server take it (X, or the Wayland compositor), without running anything
    // else.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        QEvent paintNow(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(window, &paintNow);
    }
    WaitUntilDisplayed();
}

void CentreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

namespace {

void SetUpWindow(QWidget* window, Qt::WindowType type, bool sizeable, int clientWidth, int clientHeight)
{
    window->setWindowTitle(QString::fromUtf8(kGameCaption));
    window->setWindowFlags(type | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    if (sizeable)
        window->setMinimumSize(clientWidth, clientHeight);
    else
        window->setFixedSize(clientWidth, clientHeight);
    window->resize(clientWidth, clientHeight);
    window->setFont(GameFont(12));
    // A screen disabled for an animation or a dialog ignores input but keeps
    // its looks: its widgets inherit disabled colours equal to the active ones.
    QPalette palette = window->palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colourRole = static_cast<QPalette::ColorRole>(role);
        palette.setColor(QPalette::Disabled, colourRole, palette.color(QPalette::Active, colourRole));
    }
    window->setPalette(palette);
    AskForFrameWithoutButtons(window, sizeable);
    UseKeyboard(window);
    UseGameAccessibility(window);
    CentreOnScreen(window);
}

} // namespace

void SetUpGameWindow(QWidget* window, int clientWidth, int clientHeight)
{
    SetUpWindow(window, Qt::Window, false, clientWidth, clientHeight);
}

void SetUpToolWindow(QWidget* window, int clientWidth, int clientHeight)
{
    SetUpWindow(window, Qt::Tool, true, clientWidth, clientHeight);
}

QFont GameFont(int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                      QStringLiteral("IPAPGothic"), QStringLiteral("IPAexGothic"),
                      QStringLiteral("Noto Sans CJK JP")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}
