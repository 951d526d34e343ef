// A notifier that records messages and beeps instead of showing them.
#pragma once

#include "common/Notifier.h"

#include <QList>
#include <QString>
#include <functional>

struct RecordedMessage
{
    Notifier::Icon icon;
    QString title;
    QString text;
};

class RecordingNotifier : public Notifier
{
public:
    void beep() override { ++beeps; }
    void message(QWidget *, Icon icon, const QString &title, const QString &text) override
    {
        messages.append({icon, title, text});
        if (onMessage)
            onMessage();
    }

    void clear()
    {
        beeps = 0;
        messages.clear();
    }
    QString lastText() const { return messages.isEmpty() ? QString() : messages.last().text; }

    int beeps = 0;
    QList<RecordedMessage> messages;
    // Runs while a message is "open", to look at the window at that moment.
    std::function<void()> onMessage;
};
