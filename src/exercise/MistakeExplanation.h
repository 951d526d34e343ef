// Names the kind of mistake in a wrong answer without giving the key away.
#pragma once

#include "i18n/InterfaceTexts.h"

#include <QString>
#include <QStringList>

namespace explanation {

// What a wrong answer is, by the first of these rules that applies.
struct Mistake
{
    enum Kind
    {
        None,           // nothing to explain: the answer equals the key
        NoAnswer,       // nothing was typed
        Punctuation,    // the key with a punctuation mark at either end
        OtherPerson,    // the key of this segment for another person
        OtherAuxiliary, // the key of this segment and person with another of akar, fog, szokott
        PlainSegment,   // the segment as it is shown, copied unchanged
        Accents,        // the key but for accent marks
        WordOrder,      // the key's words in another order
        Spacing,        // the key but for where the blanks stand
        Capitals,       // the key but for upper and lower case
        LeadingWords    // anything else: only how many leading words are right
    };

    Kind kind = None;
    // OtherPerson: the person whose form was typed, and the one asked for. Where a group is
    // the subject, these are group codes, whose pronouns name the forms.
    int otherPerson = -1;
    int askedPerson = -1;
    int otherAuxChoice = 0; // OtherAuxiliary: the auxChoice whose key was typed
    int word = 0;           // Accents: the first word that differs, counted from 1
    int rightWords = 0;     // LeadingWords: how many leading words equal the key's
};

// The mistake in `answer` for `segment` (0..11) of the selection. `answer` is the text as
// the comparison sees it: blank runs collapsed, capitalised where the segment begins a
// sentence, trimmed. A selection outside the value sets gives None.
Mistake explainMistake(int auxChoice, int person, int segment, const QString &answer);

// The line that names the mistake in `language` (English when out of range); empty for None.
QString describeMistake(const Mistake &mistake, int auxChoice, i18n::Language language);

// The words of a text: what stands between blanks (the space character only).
QStringList wordsOf(const QString &text);

// The text with every accented vowel replaced by its plain vowel of the same case
// (á a, é e, í i, ó ö ő o, ú ü ű u); every other character unchanged.
QString foldAccents(const QString &text);

} // namespace explanation
