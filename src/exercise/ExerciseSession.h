// One exercise without its window: the selection, the tables and the rules of a press of
// Next. The window asks it and then shows what it found.
#pragma once

#include "content/ExerciseContent.h"
#include "exercise/MistakeExplanation.h"

#include <QString>

namespace exercise {

// What one press of Next found, in the order the window shows it.
struct Verdict
{
    enum Outcome
    {
        NotStarted, // no exercise runs
        Wrong,
        Accepted, // and the next segment follows
        Finished  // the last segment was accepted
    };

    Outcome outcome = NotStarted;
    // The answer as the answer box shows it after blank collapsing and capitalisation.
    QString answer;
    // A small first letter of a sentence start was made a capital: beep and warn.
    bool capitalFixed = false;
};

class ExerciseSession
{
public:
    // The selection, the tables and the current segment.
    const content::ExerciseContent &content() const { return m_content; }
    int segment() const { return m_content.segment; }
    const QString &key() const { return m_content.keys[m_content.segment]; }
    const QString &segmentText() const { return m_content.segments[m_content.segment]; }
    const content::Frame &frame() const { return m_content.frames[m_content.segment]; }

    void setAuxChoice(int auxChoice) { m_content.auxChoice = auxChoice; }
    void setPerson(int person) { m_content.person = person; }
    // Back to the first segment.
    void rewind() { m_content.segment = 0; }

    // The fill routines of the content, for the selection as it stands.
    void alapok() { m_content.alapok(); }
    void kerdes() { m_content.kerdes(); }
    void kulcsok() { m_content.kulcsok(); }
    void mondat() { m_content.mondat(); }

    // Whether the current segment begins a sentence, so that its answer is capitalised.
    bool beginsSentence() const;

    // Checks `typed` against the key of the current segment; changes nothing.
    Verdict checkAnswer(const QString &typed, bool running) const;

    // The line that an accepted answer adds to the passage: the key in its frame.
    QString passageLine() const;

    // Steps to the next segment; false after the last one, which stays current.
    bool advance();

    // What kind of mistake a wrong verdict's answer is.
    explanation::Mistake explain(const Verdict &verdict) const;

    // The counts of the exercise that runs or has just ended.
    void resetCounts() { m_wrongAnswers = m_solutionsShown = 0; }
    void countWrongAnswer() { ++m_wrongAnswers; }
    void countSolutionShown() { ++m_solutionsShown; }
    int wrongAnswers() const { return m_wrongAnswers; }
    int solutionsShown() const { return m_solutionsShown; }

    // Every occurrence of `findText` replaced by one blank, again and again: with two
    // blanks, every run of blanks becomes one.
    static QString sp(const QString &answerText, const QString &findText);
    // The answer without leading and trailing blanks and with a capital first letter;
    // `changed` tells whether the first letter was small.
    static QString Upper(const QString &answerText, bool *changed);

private:
    content::ExerciseContent m_content;
    int m_wrongAnswers = 0;
    int m_solutionsShown = 0;
};

} // namespace exercise
