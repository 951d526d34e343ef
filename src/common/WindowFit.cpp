#include "common/WindowFit.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ui {

QMargins frameOf(const QWidget *window)
{
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

QPoint keptInside(QPoint topLeft, QSize outer, const QRect &area)
{
    return {std::max(area.x(), std::min(topLeft.x(), area.x() + area.width() - outer.width())),
            std::max(area.y(), std::min(topLeft.y(), area.y() + area.height() - outer.height()))};
}

namespace {

// Waits, after each Show, for the first geometry that has a frame.
class FrameWatch : public QObject
{
    Q_OBJECT

public:
    FrameWatch(QWidget *window, std::function<void()> fit)
        : QObject(window), m_window(window), m_fit(std::move(fit))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Show:
            m_waiting = true;
            check();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            check();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void check()
    {
        if (!m_waiting || frameOf(m_window).isNull())
            return;
        m_waiting = false;
        const QScreen *display = m_window->screen();
        if (display && !display->availableGeometry().contains(m_window->frameGeometry()))
            m_fit();
    }

    QWidget *m_window;
    std::function<void()> m_fit;
    bool m_waiting = false;
};

} // namespace

void keepOnScreenWhenShown(QWidget *window, std::function<void()> fit)
{
    if (!fit)
        fit = [window] { fitToScreen(window, window->size()); };
    new FrameWatch(window, std::move(fit));
}

QSize roomOnScreen(const QWidget *window)
{
    const QScreen *display = window->screen();
    return display ? display->availableGeometry().size().shrunkBy(frameOf(window))
                   : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void centreOnScreen(QWidget *window, QSize wanted)
{
    const QScreen *display = window->screen();
    wanted = wanted.expandedTo(window->minimumSizeHint());
    if (!display) {
        window->resize(wanted);
        return;
    }
    const QRect area = display->availableGeometry();
    window->resize(wanted.boundedTo(area.size()).expandedTo(window->minimumSizeHint()));
    window->move(area.x() + area.width() / 2 - window->width() / 2,
                 area.y() + area.height() / 2 - window->height() / 2);
}

void fitToScreen(QWidget *window, QSize wanted)
{
    window->resize(wanted.boundedTo(roomOnScreen(window)));
    const QScreen *display = window->screen();
    if (!display)
        return;
    window->move(
        keptInside(window->pos(), window->frameGeometry().size(), display->availableGeometry()));
}

} // namespace ui

#include "WindowFit.moc"
