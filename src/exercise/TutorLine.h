// The tutor's feedback line: what the message boxes of an exercise would say, the verdict on
// each answer, the hints, the comparison after Solution and the summary, each in words with
// the icon of its kind, in the current interface language.
#pragma once

#include "exercise/AnswerComparison.h"
#include "exercise/ExerciseSession.h"
#include "i18n/InterfaceTexts.h"

class QLabel;
namespace ui {
class Announcer;
}

class TutorLine
{
public:
    // Screen readers hear each new text of the line through `announcer`, but for the
    // progress and a right answer, which the window says with the new segment.
    TutorLine(QLabel *icon, QLabel *line, const i18n::InterfaceTexts &texts,
              const exercise::ExerciseSession &session, ui::Announcer &announcer);

    void clear();
    // "Segment 1 of 12": the current segment.
    void progress();
    // "Right! Segment 5 of 12.": the current segment is the one that now follows. With
    // `capitalised`, the note on the capital goes first. Returns what screen readers should
    // hear before the new segment, which says its number itself: the line without it.
    QString right(bool capitalised);
    // "Not yet. " and what kind of mistake it is.
    void wrong(bool capitalised, const explanation::Mistake &mistake);
    // "Type your answer first."
    void noAnswer();
    // The key of the current segment with the solution prefix; with `compare`, after a wrong
    // answer on the segment, the last wrong answer against it.
    void solution(bool compare);
    // `step` of the hint on the current segment.
    void hint(int step);
    // A message that the window would show in a box: not started, locked.
    void message(const QString &text);
    // The counts of the exercise or round that has just ended.
    void summary(bool capitalised);

    // Writes the line again in the current language, with an icon as tall as its text.
    void refresh();
    // What screen readers hear of the line, its accessible name: the comparison as a sentence.
    QString spokenText() const;

private:
    enum class Kind
    {
        Empty,
        Progress,
        Right,
        Wrong,
        NoAnswer,
        Hint,
        Solution,
        Comparison,
        Message,
        Summary
    };

    void show(Kind kind);
    QString capitalNote() const;
    QString plainText() const;

    QLabel *m_icon;
    QLabel *m_line;
    const i18n::InterfaceTexts &m_texts;
    const exercise::ExerciseSession &m_session;
    ui::Announcer &m_announcer;

    // What the line shows, to write it again in another language.
    Kind m_kind = Kind::Empty;
    bool m_capitalised = false;
    int m_number = 0; // the segment (from 1) or the hint's step
    int m_auxChoice = 0;
    QString m_text; // the key, or the message
    explanation::Mistake m_mistake;
    comparison::Comparison m_comparison;
    i18n::Counts m_counts;
};
