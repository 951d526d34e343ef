#include "exercise/ExerciseFeedback.h"

#include "i18n/AccessibleTexts.h"

#include <QLineEdit>

ExerciseFeedback::ExerciseFeedback(QLineEdit *answerBox, const i18n::InterfaceTexts &texts,
                                   const exercise::ExerciseSession &session)
    : m_answerBox(answerBox), m_texts(texts), m_session(session)
{
}

void ExerciseFeedback::idle()
{
    enter(Phase::Idle);
}

void ExerciseFeedback::running()
{
    enter(Phase::Running);
}

void ExerciseFeedback::finished()
{
    enter(Phase::Finished);
}

void ExerciseFeedback::enter(Phase phase)
{
    m_phase = phase;
    refresh();
}

namespace {

// Qt tells screen readers of every write of a name or description, even of the same text:
// only a new text is written, so that each is heard once.
void describe(QWidget *widget, const QString &description)
{
    if (widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
}

} // namespace

void ExerciseFeedback::refresh()
{
    describe(m_answerBox, answerBoxDescription());
}

// The new segment with the words around the gap while an exercise runs, the end after the
// last one, and always the answer box's hint.
QString ExerciseFeedback::answerBoxDescription() const
{
    const auto said = [this](i18n::AccessibleText text) {
        return i18n::accessibleText(text, m_texts.language());
    };
    QStringList parts;
    if (m_phase == Phase::Running) {
        const content::Frame &frame = m_session.frame();
        parts << said(i18n::accNewSegment).arg(m_session.segmentText());
        if (!frame.before.isEmpty())
            parts << said(i18n::accBefore) + QStringLiteral(": ") + frame.before;
        parts << said(i18n::accAfter) + QStringLiteral(": ") + frame.after;
    } else if (m_phase == Phase::Finished) {
        parts << said(i18n::accFinished);
    }
    parts << m_texts[i18n::hintAnswer];
    return parts.join(QLatin1Char('\n'));
}
