#include "common/TextZoom.h"

#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace ui {

namespace {

// Where a widget keeps the font it had at 100 %.
constexpr char baseFontProperty[] = "zeltoBaseFont";

} // namespace

int steppedZoom(int current, int steps)
{
    return std::clamp(current + steps * ZoomStep, MinZoom, MaxZoom);
}

void applyTextZoom(QWidget *window, int percent)
{
    QList<QWidget *> scaled = {window};
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        // Menus are windows of their own, which inherit no font.
        if (widget->testAttribute(Qt::WA_SetFont) || widget->isWindow())
            scaled << widget;
    }
    for (QWidget *widget : scaled) {
        QVariant base = widget->property(baseFontProperty);
        if (!base.isValid()) {
            base = QVariant::fromValue(widget->font());
            widget->setProperty(baseFontProperty, base);
        }
        QFont font = base.value<QFont>();
        font.setPointSizeF(font.pointSizeF() * percent / 100.0);
        widget->setFont(font);
    }
}

} // namespace ui
