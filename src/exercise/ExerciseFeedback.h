// What the exercise window reports beyond its messages: the answer box's description that
// screen readers hear, the optional feedback line with progress, explanations of wrong
// answers and the end summary, and the announcements that screen readers speak of them.
#pragma once

#include "exercise/ExerciseSession.h"
#include "i18n/InterfaceTexts.h"

class QLabel;
class QLineEdit;
namespace ui {
class Announcer;
}

class ExerciseFeedback
{
public:
    ExerciseFeedback(QLineEdit *answerBox, QLabel *line, const i18n::InterfaceTexts &texts,
                     const exercise::ExerciseSession &session, ui::Announcer &announcer);

    // The option that shows the feedback line.
    void setExplaining(bool on);
    bool isExplaining() const { return m_explaining; }

    // The course of the exercise. Screen readers are told each change once: a new segment while
    // the answer box has the focus in the active window (otherwise the window moves the focus
    // there after running(), or becomes active again after a message, and a screen reader then
    // reads the box with its description), and the feedback line's explanations and summary.
    void idle();
    void running();
    void wrong(const explanation::Mistake &mistake);
    void finished();

    // Writes everything again in the current language.
    void refresh();

private:
    enum class Phase
    {
        Idle,
        Running,
        Mistake,
        Finished
    };

    void enter(Phase phase);
    void announce();
    QString lineText() const;
    QString answerBoxDescription() const;

    QLineEdit *m_answerBox;
    QLabel *m_line;
    const i18n::InterfaceTexts &m_texts;
    const exercise::ExerciseSession &m_session;
    ui::Announcer &m_announcer;
    bool m_explaining = false;
    Phase m_phase = Phase::Idle;
    explanation::Mistake m_mistake;
};
