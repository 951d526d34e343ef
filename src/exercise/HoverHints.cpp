#include "exercise/HoverHints.h"

#include <QEvent>
#include <QLabel>
#include <QWidget>

HoverHints::HoverHints(QWidget *surface, QLabel *line, const i18n::InterfaceTexts &texts)
    : QObject(surface), m_surface(surface), m_line(line), m_texts(texts)
{
    // Controls without a hint keep the line as it is, so no control passes its mouse
    // movements on to the surface.
    for (QWidget *child : surface->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->setAttribute(Qt::WA_NoMousePropagation);
    surface->setMouseTracking(true);
    surface->installEventFilter(this);
}

void HoverHints::add(QWidget *control, i18n::Slot hint, bool described)
{
    watch(control, {hint, QString(), described});
}

void HoverHints::addFixed(QWidget *control, const QString &hint)
{
    watch(control, {-1, hint, true});
}

void HoverHints::watch(QWidget *control, const Hint &hint)
{
    m_hints.insert(control, hint);
    control->setMouseTracking(true);
    control->installEventFilter(this);
}

QString HoverHints::text(const Hint &hint) const
{
    return hint.slot < 0 ? hint.fixed : m_texts[static_cast<i18n::Slot>(hint.slot)];
}

void HoverHints::updateDescriptions()
{
    for (auto hint = m_hints.cbegin(); hint != m_hints.cend(); ++hint) {
        if (hint->described)
            hint.key()->setAccessibleDescription(text(*hint));
    }
}

void HoverHints::show(QWidget *control)
{
    const auto hint = m_hints.constFind(control);
    const QString shown = hint == m_hints.cend() ? QString() : text(*hint);
    m_line->setText(shown);
    // Screen readers read the line's text as its description.
    m_line->setAccessibleDescription(shown);
}

bool HoverHints::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove && watched->isWidgetType()) {
        auto *control = static_cast<QWidget *>(watched);
        // Hidden and disabled controls raise no movements of their own: the movement
        // belongs to the surface under them.
        show(control->isEnabled() && control->isVisible() ? control : m_surface);
    }
    return false;
}
