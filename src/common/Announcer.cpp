#include "common/Announcer.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace ui {

// An invisible control that screen readers know as a notification: they speak its text each
// time it appears. Orca 43 cannot speak Qt 6.4's change of a name or a description, and Qt 6.4
// has no announcement event of its own.
class Notice : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;
    QString text;
};

namespace {

class NoticeAccessible : public QAccessibleWidget
{
public:
    explicit NoticeAccessible(Notice *notice) : QAccessibleWidget(notice, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<const Notice *>(widget())->text;
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *noticeAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(Notice::staticMetaObject.className()))
        return new NoticeAccessible(static_cast<Notice *>(object));
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget *window) : m_notice(new Notice(window))
{
    QAccessible::installFactory(noticeAccessible);
    m_notice->setObjectName(QStringLiteral("announcement"));
    m_notice->setGeometry(0, 0, 0, 0);
    m_notice->setFocusPolicy(Qt::NoFocus);
    m_notice->hide();
}

Announcer::~Announcer()
{
    QObject::disconnect(m_waiting);
}

void Announcer::announce(const QString &text)
{
    if (text.isEmpty())
        return;
    m_pending = text;
    if (QApplication::activeWindow()) {
        speak();
        return;
    }
    if (m_waiting)
        return;
    // Once a window is active again and the screen reader has been told of its focus.
    m_waiting = QObject::connect(qApp, &QGuiApplication::focusWindowChanged, m_notice,
                                 [this](QWindow *window) {
                                     if (!window)
                                         return;
                                     QObject::disconnect(m_waiting);
                                     QMetaObject::invokeMethod(
                                         m_notice, [this] { speak(); }, Qt::QueuedConnection);
                                 });
}

void Announcer::speak()
{
    if (m_pending.isEmpty())
        return;
    m_notice->text = m_pending;
    m_pending.clear();
    m_notice->hide();
    m_notice->show();
}

void updateAccessibleName(QWidget *widget, const QString &text)
{
    if (widget->accessibleName() != text)
        widget->setAccessibleName(text);
}

void updateAccessibleDescription(QWidget *widget, const QString &text)
{
    if (widget->accessibleDescription() != text)
        widget->setAccessibleDescription(text);
}

} // namespace ui

#include "Announcer.moc"
