// Texts of the tutor's feedback line: the explanations of wrong answers, the menu item that
// turns the tutor on, the progress line and the end summary, in Hungarian, English and
// Spanish.
#pragma once

#include "i18n/TextTable.h"

#include <QString>

namespace i18n {

// Placeholders: %1, %2 and %3 are filled by the functions below or by the caller.
enum FeedbackText
{
    fbNoAnswer,        // nothing was typed
    fbPunctuation,     // the key with a punctuation mark at an end
    fbOtherPerson,     // %1 the person whose form was typed, %2 the person asked for
    fbOtherAuxiliary,  // %1 the auxiliary that was used, %2 the auxiliary asked for
    fbPlainSegment,    // the segment copied unchanged
    fbAccents,         // %1 the number of the first word with a wrong accent, from 1
    fbWordOrder,       // the right words in another order
    fbSpacing,         // the right letters, blanks elsewhere
    fbCapitals,        // a difference of case only
    fbFirstWordsRight, // %1 how many leading words are right, two or more
    fbFirstWordRight,  // exactly the first word is right
    fbFirstWordWrong,  // not even the first word is right
    fbMenuCaption,     // the Options item that turns the tutor on
    fbAccessibleName,  // what assistive technology calls the feedback line
    fbProgress,        // %1 the current segment, from 1; %2 the number of segments
    fbSummary,         // %1 to %5: the counts below, in their order
    fbSegmentsOne,     // %1 a count of 1
    fbSegmentsMany,    // %1 any other count
    fbRightFirstOne,   // segments right at the first try
    fbRightFirstMany,
    fbWrongAnswersOne,
    fbWrongAnswersMany,
    fbHintsOne,
    fbHintsMany,
    fbSolutionsShownOne,
    fbSolutionsShownMany,
    FeedbackTextCount
};

// The rows, in FeedbackTextsData.cpp.
extern const TextTable<FeedbackText, FeedbackTextCount> feedbackTextTable;

// The text as stored for `language`, by the rule of TextTable for a language out of range.
inline QString feedbackText(FeedbackText text, Language language)
{
    return feedbackTextTable.text(text, language);
}

// "The first 2 words are right.", with the forms for one word and for none.
QString rightWordsText(int rightWords, Language language);

// "Segment 4 of 12": `current` counts from 1.
QString progressText(int current, int total, Language language);

// The counts of an exercise or of a practise round.
struct Counts
{
    int segments = 0;
    int rightFirstTime = 0; // accepted with no wrong answer, hint or solution before
    int wrongAnswers = 0;
    int hints = 0;
    int solutionsShown = 0;
};

// "Done: 12 segments, 8 right at the first try, 5 wrong answers, 2 hints, 1 solution shown.",
// each count with its own noun form.
QString summaryText(const Counts &counts, Language language);

} // namespace i18n
