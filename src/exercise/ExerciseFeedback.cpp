#include "exercise/ExerciseFeedback.h"

#include "i18n/AccessibleTexts.h"
#include "i18n/FeedbackTexts.h"

#include <QLabel>
#include <QLineEdit>

ExerciseFeedback::ExerciseFeedback(QLineEdit *answerBox, QLabel *line,
                                   const i18n::InterfaceTexts &texts,
                                   const exercise::ExerciseSession &session)
    : m_answerBox(answerBox), m_line(line), m_texts(texts), m_session(session)
{
}

void ExerciseFeedback::setExplaining(bool on)
{
    m_explaining = on;
    m_line->setVisible(on);
    refresh();
}

void ExerciseFeedback::idle()
{
    enter(Phase::Idle);
}

void ExerciseFeedback::running()
{
    enter(Phase::Running);
}

void ExerciseFeedback::wrong(const explanation::Mistake &mistake)
{
    m_mistake = mistake;
    enter(Phase::Mistake);
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
    const QString name = i18n::feedbackText(i18n::fbAccessibleName, m_texts.language());
    if (m_line->accessibleName() != name)
        m_line->setAccessibleName(name);
    const QString text = m_explaining ? lineText() : QString();
    m_line->setText(text);
    describe(m_line, text);
}

QString ExerciseFeedback::lineText() const
{
    const i18n::Language language = m_texts.language();
    const content::ExerciseContent &exercise = m_session.content();
    switch (m_phase) {
    case Phase::Idle:
        break;
    case Phase::Running:
        return i18n::progressText(m_session.segment() + 1, content::SegmentCount, language);
    case Phase::Mistake:
        return explanation::describeMistake(m_mistake, exercise.auxChoice, exercise.person,
                                            language);
    case Phase::Finished:
        return i18n::summaryText(content::SegmentCount, m_session.wrongAnswers(),
                                 m_session.solutionsShown(), language);
    }
    return QString();
}

// The new segment with the words around the gap while an exercise runs, the end after the
// last one, and always the answer box's hint.
QString ExerciseFeedback::answerBoxDescription() const
{
    const auto said = [this](i18n::AccessibleText text) {
        return i18n::accessibleText(text, m_texts.language());
    };
    QStringList parts;
    if (m_phase == Phase::Running || m_phase == Phase::Mistake) {
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
