// Announcements for screen readers: a short text that is spoken at once, wherever the
// keyboard focus is.
#pragma once

#include <QMetaObject>
#include <QString>

class QWidget;

namespace ui {

class Notice;

class Announcer
{
public:
    // Announcements of `window`, made through an invisible control of its own.
    explicit Announcer(QWidget *window);
    ~Announcer();

    // Has `text` spoken; an empty text says nothing. While no window of the program is active
    // (a message box has just closed), the text waits until one is, so that it comes after
    // what the screen reader says of the window and its focus, not before.
    void announce(const QString &text);

private:
    void speak();

    Notice *m_notice; // owned by the window
    QString m_pending;
    QMetaObject::Connection m_waiting;
};

// A control's accessible name or description set to `text`, written only when it is new: Qt
// tells screen readers of every write, even of the same text, and each should be heard once.
void updateAccessibleName(QWidget *widget, const QString &text);
void updateAccessibleDescription(QWidget *widget, const QString &text);

} // namespace ui
