#include "ui_support/screenshots.h"

#include "platform/ui/desktop.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <vector>

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

namespace {

// The lean of the ink in `area` of a picture (see Slant).
double InkLean(const QImage& picture, QRect area, QColor ink, int tallest)
{
    const qreal ratio = picture.devicePixelRatio();
    const QRect box = QRect(area.topLeft() * ratio, area.size() * ratio) & picture.rect();
    const auto isInk = [&](int x, int y) {
        const QColor p = picture.pixelColor(box.x() + x, box.y() + y);
        return std::max({std::abs(p.red() - ink.red()), std::abs(p.green() - ink.green()),
                         std::abs(p.blue() - ink.blue())}) < 96;
    };
    // The ink in connected shapes; those taller than a letter are left out.
    const int w = box.width(), h = box.height();
    std::vector<int> shape(static_cast<std::size_t>(w * h), -1);
    double n = 0, sx = 0, sy = 0, sxy = 0, syy = 0;
    for (int start = 0; start < w * h; ++start) {
        if (shape[start] >= 0 || !isInk(start % w, start / w))
            continue;
        std::vector<int> members{start};
        shape[start] = start;
        int top = h, bottom = -1;
        for (std::size_t i = 0; i < members.size(); ++i) {
            const int x = members[i] % w, y = members[i] / w;
            top = std::min(top, y);
            bottom = std::max(bottom, y);
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= w || ny >= h || shape[ny * w + nx] >= 0 || !isInk(nx, ny))
                        continue;
                    shape[ny * w + nx] = start;
                    members.push_back(ny * w + nx);
                }
        }
        if (bottom - top + 1 > tallest * ratio)
            continue;
        for (const int member : members) {
            const double x = member % w, y = member / w;
            n += 1;
            sx += x;
            sy += y;
            sxy += x * y;
            syy += y * y;
        }
    }
    if (n < 2)
        return 0;
    const double spread = syy - sy * sy / n;
    if (spread <= 0)
        return 0;
    // Rows grow downwards: a stroke leaning right has x falling as y grows.
    return -(sxy - sx * sy / n) / spread;
}

} // namespace

double Slant(QWidget* widget, QColor ink, int tallest)
{
    QWidget* window = widget->window();
    const QRect area(widget->mapTo(window, QPoint(0, 0)), widget->size());
    const double shown = InkLean(Capture(window), area, ink, tallest);
    // The same caption in the same place, upright: the letters' own shapes.
    const QFont font = widget->font();
    QFont upright = font;
    upright.setItalic(false);
    widget->setFont(upright);
    const double plain = InkLean(Capture(window), area, ink, tallest);
    widget->setFont(font);
    return shown - plain;
}
