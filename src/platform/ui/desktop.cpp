#include "platform/ui/desktop.h"

#include "platform/ui/timing.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFont>
#include <QMessageBox>
#include <QScreen>
#include <QThread>
#include <QWidget>

void DesktopServices::ShowMessage(const std::string& text, const std::string& title)
{
    QMessageBox box(QMessageBox::NoIcon, Qs(title), Qs(text), QMessageBox::Ok);
    box.exec();
}

bool DesktopServices::AskYesNo(const std::string& text, const std::string& title)
{
    QMessageBox box(QMessageBox::Question, Qs(title), Qs(text), QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void DesktopServices::Beep() { QApplication::beep(); }

void DesktopServices::Pause(int ms)
{
    const int scaled = ScaledMs(ms);
    if (scaled > 0)
        QThread::msleep(static_cast<unsigned long>(scaled));
}

void DesktopServices::PumpEvents() { QCoreApplication::processEvents(); }

void CentreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void SetUpGameWindow(QWidget* window, int clientWidth, int clientHeight)
{
    window->setWindowTitle(QString::fromUtf8(kGameCaption));
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    window->setFixedSize(clientWidth, clientHeight);
    window->setFont(GameFont(12));
    CentreOnScreen(window);
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
