// zumoru-icon: renders one of our SVG pictures to a square PNG of the given
// size, for the desktop icons the install delivers. Run by the build.
//
//   zumoru-icon INPUT.svg SIZE OUTPUT.png
//
// The picture keeps its proportions and is centred; whatever it leaves
// uncovered stays transparent.
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fputs("usage: zumoru-icon INPUT.svg SIZE OUTPUT.png\n", stderr);
        return 2;
    }
    const QString input = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[3]);
    bool isNumber = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&isNumber);
    if (!isNumber || size < 16 || size > 1024) {
        std::fprintf(stderr, "zumoru-icon: size %s is not between 16 and 1024\n", argv[2]);
        return 2;
    }

    QSvgRenderer renderer(input);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "zumoru-icon: cannot read %s\n", argv[1]);
        return 1;
    }
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(0, 0, size, size));
    }
    if (!image.convertToFormat(QImage::Format_ARGB32).save(output, "PNG")) {
        std::fprintf(stderr, "zumoru-icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
