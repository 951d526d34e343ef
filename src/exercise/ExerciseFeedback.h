// What the exercise window reports beyond its messages: the answer box's description that
// screen readers hear, and the announcement of each new segment. (The tutor's feedback line
// is TutorLine.)
#pragma once

#include "exercise/ExerciseSession.h"
#include "i18n/InterfaceTexts.h"

class QLineEdit;
namespace ui {
class Announcer;
}

class ExerciseFeedback
{
public:
    ExerciseFeedback(QLineEdit *answerBox, const i18n::InterfaceTexts &texts,
                     const exercise::ExerciseSession &session, ui::Announcer &announcer);

    // The course of the exercise. Screen readers are told of a new segment once: while the
    // answer box has the focus in the active window (otherwise the window moves the focus
    // there after running(), or becomes active again after a message, and a screen reader then
    // reads the box with its description). `lead` goes before it: the tutor's verdict.
    void running(const QString &lead = QString());
    void finished();

    // Writes everything again in the current language.
    void refresh();

private:
    enum class Phase
    {
        Idle,
        Running,
        Finished
    };

    void enter(Phase phase);
    QString answerBoxDescription() const;

    QLineEdit *m_answerBox;
    const i18n::InterfaceTexts &m_texts;
    const exercise::ExerciseSession &m_session;
    ui::Announcer &m_announcer;
    Phase m_phase = Phase::Idle;
};
