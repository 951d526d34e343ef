#include "exercise/ExerciseFeedback.h"

#include "common/Announcer.h"
#include "i18n/AccessibleTexts.h"
#include "i18n/FeedbackTexts.h"

#include <QLabel>
#include <QLineEdit>

ExerciseFeedback::ExerciseFeedback(QLineEdit *answerBox, QLabel *line,
                                   const i18n::InterfaceTexts &texts,
                                   const exercise::ExerciseSession &session,
                                   ui::Announcer &announcer)
    : m_answerBox(answerBox), m_line(line), m_texts(texts), m_session(session),
      m_announcer(announcer)
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
    announce();
}

// The line's progress is in the segment's description, so only its other texts are spoken.
void ExerciseFeedback::announce()
{
    switch (m_phase) {
    case Phase::Idle:
        break;
    case Phase::Running:
        // In an inactive window (a message has just closed) the screen reader reads the
        // focus again when the window is active again.
        if (m_answerBox->hasFocus() && m_answerBox->isActiveWindow())
            m_announcer.announce(m_answerBox->accessibleDescription());
        break;
    case Phase::Mistake:
    case Phase::Finished:
        if (m_explaining)
            m_announcer.announce(m_line->text());
        break;
    }
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

// The feedback line is named by its text, which a screen reader's review reads; its
// description says what it is.
void ExerciseFeedback::refresh()
{
    describe(m_answerBox, answerBoxDescription());
    describe(m_line, i18n::feedbackText(i18n::fbAccessibleName, m_texts.language()));
    m_line->setText(m_explaining ? lineText() : QString());
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
    case Phase::Running:
    case Phase::Mistake: {
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
