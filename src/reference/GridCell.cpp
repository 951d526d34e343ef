#include "reference/GridCell.h"

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

} // namespace reference
