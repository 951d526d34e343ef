#include "exercise/AnswerBox.h"

#include "exercise/AnswerChecking.h"

#include <QFocusEvent>
#include <QKeyEvent>

void CaretAtEndLineEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    // A closing menu or the window coming back to the front returns the focus that the box
    // had: the caret stays where the learner left it.
    switch (event->reason()) {
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
    case Qt::ActiveWindowFocusReason:
        return;
    default:
        deselect();
        end(false);
    }
}

void AnswerBox::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    const bool command =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (typed.size() == 1 && !command) {
        const QChar entered = answer::remapTypedCharacter(typed.front());
        if (entered != typed.front()) {
            QKeyEvent remapped(event->type(), event->key(), event->modifiers(), QString(entered),
                               event->isAutoRepeat(), event->count());
            QLineEdit::keyPressEvent(&remapped);
            event->setAccepted(remapped.isAccepted());
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}
