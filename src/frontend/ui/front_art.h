#pragma once
#include <QPixmap>
#include <QString>

namespace frontend {

// The front end's own pictures, drawn from our art at the screen's pixel
// density on a transparent ground, so that they can lie over the pages'
// backgrounds. With `figureOnly`, a picture that has a backdrop of its own
// (a chick, a face) is drawn without it.
QPixmap FrontArt(const QString& identifier, bool figureOnly = false);

} // namespace frontend
