#include "media/ui/art.h"

#include <QPainter>
#include <QSvgRenderer>

QImage DrawSvgArt(const QString& path, qreal devicePixelRatio, bool figureOnly)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    const QSize size = renderer.defaultSize();
    QImage picture(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(devicePixelRatio);
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

QString PrerenderedArtPath(const QString& identifier, int devicePixelRatio)
{
    return QStringLiteral(":/pictures/%1x/%2.png").arg(devicePixelRatio).arg(identifier);
}
