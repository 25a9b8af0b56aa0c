#include "ui_support/screenshots.h"

#include "platform/ui/desktop.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

QImage Capture(QWidget* window)
{
    // A window the display has not exposed yet (just shown, with every wait
    // scaled to nothing) is not on the display: its own rendering stands in.
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !window->isVisible() ||
        !window->windowHandle() || !window->windowHandle()->isExposed())
        return window->grab().toImage();
    window->raise();
    PaintPendingUpdates();
    const QPoint at = window->mapToGlobal(QPoint(0, 0));
    QImage shown = window->screen()->grabWindow(0, at.x(), at.y(), window->width(), window->height()).toImage();
    shown.setDevicePixelRatio(window->devicePixelRatioF());
    return shown;
}

void SaveScreenshot(const QImage& picture, const char* file)
{
    const QByteArray folder = qgetenv("ZUMORU_SCREENSHOTS");
    if (!folder.isEmpty())
        picture.save(QDir(QString::fromLocal8Bit(folder)).filePath(QString::fromLatin1(file)));
}

void SaveScreenshot(QWidget* window, const char* file)
{
    if (!qEnvironmentVariableIsEmpty("ZUMORU_SCREENSHOTS"))
        SaveScreenshot(Capture(window), file);
}
