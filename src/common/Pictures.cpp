#include "common/Pictures.h"

#include <QPainter>
#include <QSvgRenderer>

namespace ui {

QPixmap svgPixmap(const QString &path, int size, qreal devicePixelRatio)
{
    QPixmap picture(QSize(size, size) * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    QPainter painter(&picture);
    renderer.render(&painter, QRectF(0, 0, size, size));
    return picture;
}

} // namespace ui
