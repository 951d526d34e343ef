#include "common/TextZoom.h"

#include <QShortcut>
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

void addZoomKeys(QWidget *window, const std::function<void(int steps)> &zoomBy)
{
    const std::pair<QKeySequence, int> keys[] = {
        {QKeySequence::ZoomIn, 1},
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), 1},
        {QKeySequence::ZoomOut, -1},
        {QKeySequence(Qt::CTRL | Qt::Key_0), 0},
    };
    for (const auto &[sequence, steps] : keys) {
        auto *key = new QShortcut(sequence, window);
        QObject::connect(key, &QShortcut::activated, window,
                         [zoomBy, steps = steps] { zoomBy(steps); });
    }
}

} // namespace ui
