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

QIcon programIcon()
{
    const QString path = QStringLiteral(":/icons/zelto.svg");
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(svgPixmap(path, size, 1.0));
    return icon;
}

} // namespace ui
