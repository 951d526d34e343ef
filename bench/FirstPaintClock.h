// For the start-up probes: notices the first paint of a named window, prints the moment
// on the monotonic clock and quits.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace bench {

// CLOCK_MONOTONIC is one clock for every process, so the process that started a probe
// subtracts its own reading taken just before the start from the one printed here.
inline long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

class FirstPaintClock : public QObject
{
    Q_OBJECT

public:
    explicit FirstPaintClock(const char *windowName)
        : QObject(QCoreApplication::instance()), m_windowName(QString::fromLatin1(windowName))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->window()->objectName() == m_windowName) {
            m_seen = true;
            // Queued, so that it runs once the whole paint pass has reached the screen.
            QTimer::singleShot(0, QCoreApplication::instance(), [] {
                std::printf("painted %lld\n", monotonicNanoseconds());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    QString m_windowName;
    bool m_seen = false;
};

// Watches every event of the application; call it as soon as the application exists.
inline void watchFirstPaint(const char *windowName)
{
    QCoreApplication::instance()->installEventFilter(new FirstPaintClock(windowName));
}

} // namespace bench
