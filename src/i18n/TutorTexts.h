// Texts of the tutor: the verdicts in the feedback line, the steps of a hint, the comparison
// of a wrong answer with the key, and the captions of its buttons, in Hungarian, English and
// Spanish.
#pragma once

#include "i18n/TextTable.h"

#include <QString>

namespace i18n {

// Placeholders %1 and %2 are filled by the caller.
enum TutorText
{
    tuNotYet,        // before the explanation of a wrong answer
    tuRight,         // before the progress, after a right answer
    tuCapitalised,   // before the verdict, when a sentence start got its capital
    tuHintUse,       // %1 the word of the key that carries the person
    tuHintGroup,     // ... where a group is the subject
    tuHintAuxiliary, // %1 the row's auxiliary in the mixed set, %2 the word
    tuHintAuxiliaryGroup,
    tuHintBegins,     // %1 the first words of the key
    tuShouldBe,       // %1 a typed word, %2 the key's word in its place
    tuMissing,        // %1 a word of the key that was not typed
    tuExtra,          // %1 a typed word that the key does not have
    tuHintCaption,    // the Hint button
    tuPatternCaption, // the button that opens the reference at the segment's auxiliary
    tuPractiseOne,    // the button that runs the one missed segment again
    tuPractiseMany,   // %1 the number of missed segments, two or more
    TutorTextCount
};

// The rows, in TutorTextsData.cpp.
extern const TextTable<TutorText, TutorTextCount> tutorTextTable;

// The text in `language`, by the rule of TextTable for a language out of range.
inline QString tutorText(TutorText text, Language language)
{
    return tutorTextTable.text(text, language);
}

// The caption of the button that practises `missed` segments again.
inline QString practiseCaption(int missed, Language language)
{
    return missed == 1 ? tutorText(tuPractiseOne, language)
                       : tutorText(tuPractiseMany, language).arg(missed);
}

} // namespace i18n
