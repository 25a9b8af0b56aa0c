// zumoru-prerender-art: draws our SVG pictures to PNG for the game, at the
// pixel densities it runs at, with the game's own drawing. Run by the build.
//
//   zumoru-prerender-art OUTDIR RATIO INPUT.svg...
//
// Writes OUTDIR/NAME.png for every INPUT NAME.svg, drawn at RATIO (1 or 2).
#include "media/ui/art.h"

#include <QFileInfo>
#include <QString>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fputs("usage: zumoru-prerender-art OUTDIR RATIO INPUT.svg...\n", stderr);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const int ratio = QString::fromLocal8Bit(argv[2]).toInt();
    if (ratio < 1 || ratio > 4) {
        std::fprintf(stderr, "zumoru-prerender-art: ratio %s is not 1 to 4\n", argv[2]);
        return 2;
    }
    for (int i = 3; i < argc; ++i) {
        const QString input = QString::fromLocal8Bit(argv[i]);
        const QImage picture = DrawSvgArt(input, ratio, false);
        const QString output = out + QLatin1Char('/') + QFileInfo(input).completeBaseName() + QStringLiteral(".png");
        if (picture.isNull()) {
            std::fprintf(stderr, "zumoru-prerender-art: cannot read %s\n", argv[i]);
            return 1;
        }
        // The pixels exactly as drawn: the PNG holds them unpremultiplied,
        // and reading it back premultiplies them to the same values. Packed
        // as tightly as PNG goes (quality 0): they are read once, at most.
        if (!picture.save(output, "PNG", 0)) {
            std::fprintf(stderr, "zumoru-prerender-art: cannot write %s\n", qPrintable(output));
            return 1;
        }
    }
    return 0;
}
