// One exercise without its window: the selection, the tables and the rules of a press of
// Next. The window asks it and then shows what it found.
#pragma once

#include "content/ExerciseContent.h"
#include "exercise/MistakeExplanation.h"
#include "i18n/FeedbackTexts.h"

#include <QList>
#include <QString>

#include <array>

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

    // Nothing but blanks was typed: with the tutor on, that is no attempt.
    bool isEmpty() const;
};

// What the tutor keeps of one segment while an exercise or a practise round runs.
struct SegmentRecord
{
    int wrongAnswers = 0;
    int hints = 0;
    int solutionsShown = 0;
    bool accepted = false;
    QString lastWrongAnswer; // as the comparison saw it
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

    // Steps to the next segment, in a practise round to the next of its segments; false after
    // the last one, which stays current.
    bool advance();

    // What kind of mistake a wrong verdict's answer is.
    explanation::Mistake explain(const Verdict &verdict) const;

    // The record of an exercise: Start begins a new one, with all twelve segments in order.
    void beginExercise();
    void countWrongAnswer(const Verdict &verdict);
    void countSolutionShown() { ++m_records[segment()].solutionsShown; }
    void countAccepted() { m_records[segment()].accepted = true; }
    const SegmentRecord &record() const { return m_records[segment()]; }

    // The steps of a hint on the current segment: how many it has, and the next one (from 1),
    // which takeHint() counts. 0 when every step has been given.
    int hintSteps() const;
    int nextHint() const;
    int takeHint();

    // The exercise or round that runs or has just ended: its counts, and the segments it
    // accepted not at the first try (after a wrong answer, a hint or the solution), in order.
    i18n::Counts counts() const;
    QList<int> missedSegments() const;

    // A practise round runs the missed segments again, in their order, with new records;
    // the first becomes current. It ends when its last segment is accepted.
    void beginRound();
    bool roundRuns() const { return m_roundRuns; }
    // Drops a round that runs: the exercise is over as it was before the round.
    void dropRound() { m_roundRuns = false; }

    // Every occurrence of `findText` replaced by one blank, again and again: with two
    // blanks, every run of blanks becomes one.
    static QString sp(const QString &answerText, const QString &findText);
    // The answer without leading and trailing blanks and with a capital first letter;
    // `changed` tells whether the first letter was small.
    static QString Upper(const QString &answerText, bool *changed);

private:
    bool isLastOfRun() const;

    content::ExerciseContent m_content;
    std::array<SegmentRecord, content::SegmentCount> m_records;
    QList<int> m_run; // the segments of the exercise or round, in their order
    int m_position = 0;
    bool m_roundRuns = false;
};

} // namespace exercise
