// Message boxes and the beep, behind one small interface so that tests can record them.
#pragma once

#include <QString>

class QWidget;

class Notifier
{
public:
    enum class Icon
    {
        Exclamation,
        Information,
        Critical
    };

    virtual ~Notifier() = default;
    virtual void beep() = 0;
    // A modal box with an OK button only; returns when the learner has closed it.
    virtual void message(QWidget *parent, Icon icon, const QString &title, const QString &text) = 0;
};

// The real program: QMessageBox and the system beep.
class SystemNotifier : public Notifier
{
public:
    void beep() override;
    void message(QWidget *parent, Icon icon, const QString &title, const QString &text) override;
};

Notifier &systemNotifier();
