#include "exercise/ExerciseFeedback.h"

#include "common/Announcer.h"
#include "i18n/AccessibleTexts.h"

#include <QLineEdit>

ExerciseFeedback::ExerciseFeedback(QLineEdit *answerBox, const i18n::InterfaceTexts &texts,
                                   const exercise::ExerciseSession &session,
                                   ui::Announcer &announcer)
    : m_answerBox(answerBox), m_texts(texts), m_session(session), m_announcer(announcer)
{
}

void ExerciseFeedback::running(const QString &lead)
{
    enter(Phase::Running);
    // In an inactive window (a message has just closed) the screen reader reads the focus
    // again when the window is active again.
    if (m_answerBox->hasFocus() && m_answerBox->isActiveWindow()) {
        const QString segment = m_answerBox->accessibleDescription();
        m_announcer.announce(lead.isEmpty() ? segment : lead + QLatin1Char('\n') + segment);
    }
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

void ExerciseFeedback::refresh()
{
    ui::updateAccessibleDescription(m_answerBox, answerBoxDescription());
}

// The answer box's hint before the first exercise, the segment with its number and the words
// around the gap while an exercise runs, and the end with how to begin again.
QString ExerciseFeedback::answerBoxDescription() const
{
    const auto said = [this](i18n::AccessibleText text) {
        return i18n::accessibleText(text, m_texts.language());
    };
    switch (m_phase) {
    case Phase::Idle:
        break;
    case Phase::Running: {
        const content::Frame &frame = m_session.frame();
        QStringList parts = {said(i18n::accSegment)
                                 .arg(QString::number(m_session.segment() + 1),
                                      QString::number(content::SegmentCount),
                                      m_session.segmentText())};
        if (!frame.before.isEmpty())
            parts << said(i18n::accBefore) + QStringLiteral(": ") + frame.before;
        parts << said(i18n::accAfter) + QStringLiteral(": ") + frame.after;
        return parts.join(QLatin1Char('\n'));
    }
    case Phase::Finished:
        return said(i18n::accFinished);
    }
    return m_texts[i18n::hintAnswer];
}
