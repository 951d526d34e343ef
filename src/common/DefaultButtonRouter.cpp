#include "common/DefaultButtonRouter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>

#include <utility>

namespace {

bool isEnter(const QKeyEvent *key)
{
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

} // namespace

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
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::ShortcutOverride) || !watched->isWidgetType())
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    // An open drop-down list picks its highlighted item on the shortcut check that comes
    // before the key press, and closes; the press that follows is then still the list's.
    if (type == QEvent::ShortcutOverride) {
        if (isEnter(key) && QApplication::activePopupWidget())
            m_enterTakenByPopup = true;
        return false;
    }
    const bool takenByPopup = std::exchange(m_enterTakenByPopup, false);
    auto *widget = static_cast<QWidget *>(watched);
    if (!isEnter(key) || widget->window() != m_window)
        return false;
    if (takenByPopup)
        return true;
    // The menu bar or an open menu or list has the keyboard: Enter is theirs.
    if (QApplication::activePopupWidget() || qobject_cast<QMenuBar *>(QApplication::focusWidget()))
        return false;

    // A focused push button takes Enter itself, as on any desktop.
    auto *focused = qobject_cast<QPushButton *>(widget);
    QPushButton *target = focused ? focused : m_button.data();
    if (target && target->isEnabled() && target->isVisible())
        target->click();
    return true;
}
