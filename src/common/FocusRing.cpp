#include "common/FocusRing.h"

#include <QApplication>
#include <QFocusFrame>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

namespace ui {

namespace {

constexpr int LineWidth = 2; // logical pixels of each of the two lines
const QColor innerLine(Qt::black);
const QColor outerLine(Qt::white);

// The style of the ring alone: it lies on top of the control, reaches two lines out from
// its edges and is painted as two bands. Everything else is the application's style.
class RingStyle : public QProxyStyle
{
    Q_OBJECT

public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        if (metric == PM_FocusFrameHMargin || metric == PM_FocusFrameVMargin)
            return 2 * LineWidth;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returned) const override
    {
        if (hint == SH_FocusFrame_AboveWidget)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        if (element != CE_FocusFrame) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        const QRect outer = option->rect;
        const QRect inner = outer.adjusted(LineWidth, LineWidth, -LineWidth, -LineWidth);
        fillBand(painter, outer, outerLine);
        fillBand(painter, inner, innerLine);
    }

private:
    static void fillBand(QPainter *painter, const QRect &outside, const QColor &colour)
    {
        const QRect inside = outside.adjusted(LineWidth, LineWidth, -LineWidth, -LineWidth);
        for (const QRect &part : QRegion(outside).subtracted(QRegion(inside)))
            painter->fillRect(part, colour);
    }
};

// Moves the ring to whichever control of the window takes the focus, and hides it while
// the focus is elsewhere.
class FocusFollower : public QObject
{
    Q_OBJECT

public:
    explicit FocusFollower(QWidget *window) : QObject(window), m_window(window)
    {
        m_ring = new QFocusFrame(window);
        auto *style = new RingStyle;
        style->setParent(m_ring);
        m_ring->setStyle(style);
        connect(qApp, &QApplication::focusChanged, this,
                [this](QWidget *, QWidget *now) { follow(now); });
        follow(QApplication::focusWidget());
    }

private:
    void follow(QWidget *focused)
    {
        const bool ours = focused && focused->window() == m_window && focused != m_window &&
                          !qobject_cast<QMenuBar *>(focused);
        m_ring->setWidget(ours ? focused : nullptr);
    }

    QWidget *m_window;
    QFocusFrame *m_ring;
};

} // namespace

void showFocusRing(QWidget *window)
{
    new FocusFollower(window);
}

} // namespace ui

#include "FocusRing.moc"
