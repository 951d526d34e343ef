// Pictures drawn from the program's own SVG resources, sharp at any scale.
#pragma once

#include <QPixmap>
#include <QString>

namespace ui {

// `path` drawn at `size` logical pixels for a screen of `devicePixelRatio`.
QPixmap svgPixmap(const QString &path, int size, qreal devicePixelRatio);

} // namespace ui
