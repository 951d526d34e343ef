// The tutor in the exercise window: whether it is on, its feedback line, and the state of its
// buttons (Hint, Show the pattern, Practise). The window asks it at each step of the flow.
#pragma once

#include "exercise/ExerciseSession.h"
#include "exercise/TutorLine.h"
#include "i18n/InterfaceTexts.h"

class ExerciseControls;
class QPushButton;

class Tutor
{
public:
    Tutor(const ExerciseControls &ui, const i18n::InterfaceTexts &texts,
          const exercise::ExerciseSession &session, ui::Announcer &announcer);

    bool isOn() const { return m_on; }
    TutorLine &line() { return m_line; }

    // Takes the option as it is now: the window calls this at each press of one of its
    // buttons, so that a change takes effect from the next press.
    void follow(bool option, bool running);

    // A new segment is current: its progress, its hint from the first step, no pattern.
    void newSegment();
    // After a wrong answer: its explanation, and the pattern of the segment on offer.
    void wrong(bool capitalised, const explanation::Mistake &mistake);
    // After a step of the hint was taken.
    void hintTaken(int step);
    // At the end of an exercise or a practise round: the summary and, while segments are
    // missed, the offer to practise them. Returns the offer, which Enter should press, or
    // nullptr.
    QPushButton *finished(bool capitalised);
    // The practise round begins: the offer goes.
    void practiseBegins();

    // Writes the line and the offer again in the current language and text size.
    void refresh();

private:
    void enableHint();

    const ExerciseControls &m_ui;
    const i18n::InterfaceTexts &m_texts;
    const exercise::ExerciseSession &m_session;
    TutorLine m_line;
    bool m_on = false;
    bool m_running = false;
};
