#include "reference/GridCell.h"

#include <QAccessibleWidget>
#include <QPainter>

namespace reference {

GridCell::GridCell(bool header, QWidget *parent) : QLabel(parent), m_header(header) {}

void GridCell::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

namespace {

// Asked for every class of an object from the most derived one up, before Qt's own
// interfaces for QWidget and QLabel, which would answer "filler" and "label".
QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("ReferenceWindow"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String(GridCell::staticMetaObject.className()) &&
        static_cast<GridCell *>(widget)->isHeader())
        return new QAccessibleWidget(widget, QAccessible::ColumnHeader);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    QAccessible::installFactory(accessibleFor);
}

} // namespace reference
