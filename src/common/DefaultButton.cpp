#include "common/DefaultButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

DefaultButtonRouter::DefaultButtonRouter(QWidget *window) : QObject(window), m_window(window)
{
    qApp->installEventFilter(this);
}

DefaultButtonRouter::~DefaultButtonRouter()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

void DefaultButtonRouter::setDefaultButton(QPushButton *button)
{
    if (m_button && m_button != button)
        m_button->setDefault(false);
    m_button = button;
    if (m_button)
        m_button->setDefault(true);
}

bool DefaultButtonRouter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (widget->window() != m_window)
        return false;

    // A focused push button takes Enter itself, as on any desktop.
    auto *focused = qobject_cast<QPushButton *>(widget);
    QPushButton *target = focused ? focused : m_button.data();
    if (target && target->isEnabled() && target->isVisible())
        target->click();
    return true;
}
