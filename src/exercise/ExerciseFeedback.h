// What the exercise window reports beyond its messages: the answer box's description that
// screen readers hear. (The tutor's feedback line is TutorLine.)
#pragma once

#include "exercise/ExerciseSession.h"
#include "i18n/InterfaceTexts.h"

class QLineEdit;

class ExerciseFeedback
{
public:
    ExerciseFeedback(QLineEdit *answerBox, const i18n::InterfaceTexts &texts,
                     const exercise::ExerciseSession &session);

    // The course of the exercise.
    void idle();
    void running();
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
    Phase m_phase = Phase::Idle;
};
