#pragma once
#include <QImage>
#include <QString>

// Our pictures are SVG files (art/), each drawn at its own size in pixels. The
// game ships them drawn once more, by the build, as PNG pictures at the two
// whole-number pixel densities it runs at (1 and 2), so that starting the game
// draws no SVG; any other density, and a figure without its backdrop, is drawn
// from the SVG when asked for.

// Draws the SVG file at `path` at its own size and the given pixel density on
// a transparent ground. With `figureOnly`, a picture that has a backdrop of its
// own (a chick, a face) is drawn without it, to lie over another picture. The
// one drawing both the build and the game use; a null image when the file is
// not an SVG picture.
QImage DrawSvgArt(const QString& path, qreal devicePixelRatio, bool figureOnly);

// Where the build puts the drawn picture of an identifier at a density (1 or
// 2): ":/pictures/1x/imgBack.png".
QString PrerenderedArtPath(const QString& identifier, int devicePixelRatio);
