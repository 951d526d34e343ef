// What screen readers are told to speak wherever the focus is: the text of each notification
// of a window as it appears (the moment Qt tells screen readers of it).
#pragma once

#include <QAccessible>
#include <QEvent>
#include <QObject>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <utility>

class HeardAnnouncements : public QObject
{
    Q_OBJECT

public:
    explicit HeardAnnouncements(QWidget *window)
    {
        QWidget *notice = window->findChild<QWidget *>(QStringLiteral("announcement"));
        if (!notice)
            qFatal("no announcements in %s", qPrintable(window->objectName()));
        notice->installEventFilter(this);
    }

    // What was announced since the last call.
    QStringList take() { return std::exchange(m_heard, {}); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        QAccessibleInterface *notice = QAccessible::queryAccessibleInterface(watched);
        if (event->type() == QEvent::Show && notice->role() == QAccessible::Notification)
            m_heard << notice->text(QAccessible::Name);
        return false;
    }

private:
    QStringList m_heard;
};
