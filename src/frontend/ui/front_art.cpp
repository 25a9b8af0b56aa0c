#include "frontend/ui/front_art.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

static void LoadArtResources()
{
    // The title screen draws before the media catalogue exists, so it makes
    // sure the art is there itself (loading it twice does no harm).
#ifdef ZUMORU_HAS_ART
    static const bool loaded = [] {
        Q_INIT_RESOURCE(art);
        return true;
    }();
    (void)loaded;
#endif
}

namespace frontend {

QPixmap FrontArt(const QString& identifier, bool figureOnly)
{
    LoadArtResources();
    QSvgRenderer renderer(QStringLiteral(":/art/%1.svg").arg(identifier));
    if (!renderer.isValid())
        return {};
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    const QSize size = renderer.defaultSize();
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QString figure = QStringLiteral("figure");
    if (figureOnly && renderer.elementExists(figure)) {
        const QRectF box = renderer.viewBoxF();
        painter.scale(size.width() / box.width(), size.height() / box.height());
        renderer.render(&painter, figure, renderer.boundsOnElement(figure));
    } else {
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    return picture;
}

} // namespace frontend
