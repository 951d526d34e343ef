#include "exercise/MistakeExplanation.h"

#include "content/ExerciseContent.h"
#include "i18n/FeedbackTexts.h"

#include <algorithm>

namespace explanation {

namespace {

QString pronounOf(int person)
{
    const content::Person *who = content::personOf(person);
    return who ? QString::fromUtf8(who->pronoun) : QString();
}

// "akar", "fog" or "szokott" for the choices of the office-day passage.
QString auxiliaryName(int auxChoice)
{
    const content::AuxChoice *choice = content::auxChoiceOf(auxChoice);
    if (!choice || !choice->officeDayAuxiliary)
        return QString();
    return QString::fromUtf8(content::auxiliaryName(*choice->officeDayAuxiliary));
}

// The choices of the office-day passage, whose keys differ only in the auxiliary.
bool isOfficeDayChoice(const content::AuxChoice &choice)
{
    return choice.officeDayAuxiliary.has_value();
}

QString keyOf(int auxChoice, int person, int segment)
{
    return content::ExerciseContent::forSelection(auxChoice, person).keys[segment];
}

QString withoutBlanks(QString text)
{
    return text.remove(QLatin1Char(' '));
}

// The text with its first letter in lower case: the capital that begins a sentence.
QString withSmallFirstLetter(QString text)
{
    if (!text.isEmpty())
        text[0] = text.at(0).toLower();
    return text;
}

// The text without blanks and punctuation marks at either end.
QString withoutEndPunctuation(const QString &text)
{
    const auto isEnd = [](QChar c) { return c.isPunct() || c == QLatin1Char(' '); };
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isEnd(text.at(first)))
        ++first;
    while (last > first && isEnd(text.at(last - 1)))
        --last;
    return text.mid(first, last - first);
}

// Rules 1 and 2: the answer is a key of the same segment for another selection.
Mistake otherFormMistake(const content::AuxChoice &choice, const content::Person &person,
                         int segment, const QString &answer)
{
    Mistake mistake;
    // Where a group is the subject, its forms are those of the group codes.
    const bool group = content::isGroupRow(choice.code, segment);
    for (const content::Person &other : content::persons) {
        if (other.code != person.code && answer == keyOf(choice.code, other.code, segment)) {
            mistake.kind = Mistake::OtherPerson;
            mistake.otherPerson = group ? other.groupCode : other.code;
            mistake.askedPerson = group ? person.groupCode : person.code;
            return mistake;
        }
    }
    if (!isOfficeDayChoice(choice))
        return mistake;
    for (const content::AuxChoice &other : content::auxChoices) {
        if (isOfficeDayChoice(other) && other.code != choice.code &&
            answer == keyOf(other.code, person.code, segment)) {
            mistake.kind = Mistake::OtherAuxiliary;
            mistake.otherAuxChoice = other.code;
            return mistake;
        }
    }
    return mistake;
}

// The same words in another order. The first letter of either text counts in any case,
// since the capital that begins a sentence belongs to no word.
bool isReordering(const QString &answer, const QString &key)
{
    QStringList answerWords = wordsOf(withSmallFirstLetter(answer));
    QStringList keyWords = wordsOf(withSmallFirstLetter(key));
    if (answerWords == keyWords)
        return false;
    std::sort(answerWords.begin(), answerWords.end());
    std::sort(keyWords.begin(), keyWords.end());
    return answerWords == keyWords;
}

// How many words from the first on equal the key's.
int leadingRightWords(const QString &answer, const QString &key)
{
    const QStringList answerWords = wordsOf(answer);
    const QStringList keyWords = wordsOf(key);
    int count = 0;
    while (count < answerWords.size() && count < keyWords.size() &&
           answerWords.at(count) == keyWords.at(count))
        ++count;
    return count;
}

// Rules 3 to 8, on the answer, the key and the segment alone.
Mistake shapeMistake(const QString &answer, const QString &key, const QString &segmentText)
{
    Mistake mistake;
    if (withSmallFirstLetter(answer) == withSmallFirstLetter(segmentText)) {
        mistake.kind = Mistake::PlainSegment;
    } else if (foldAccents(answer) == foldAccents(key)) {
        // Folding keeps every blank in place, so the words pair off one by one.
        mistake.kind = Mistake::Accents;
        mistake.word = leadingRightWords(answer, key) + 1;
    } else if (isReordering(answer, key)) {
        mistake.kind = Mistake::WordOrder;
    } else if (withoutBlanks(answer) == withoutBlanks(key)) {
        mistake.kind = Mistake::Spacing;
    } else if (answer.compare(key, Qt::CaseInsensitive) == 0) {
        mistake.kind = Mistake::Capitals;
    } else {
        mistake.kind = Mistake::LeadingWords;
        mistake.rightWords = leadingRightWords(answer, key);
    }
    return mistake;
}

} // namespace

QStringList wordsOf(const QString &text)
{
    return text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QString foldAccents(const QString &text)
{
    static const QString accented = QStringLiteral("áéíóöőúüűÁÉÍÓÖŐÚÜŰ");
    static const QString plain = QStringLiteral("aeiooouuuAEIOOOUUU");
    QString folded = text;
    for (QChar &c : folded) {
        const qsizetype at = accented.indexOf(c);
        if (at >= 0)
            c = plain.at(at);
    }
    return folded;
}

Mistake explainMistake(int auxChoice, int person, int segment, const QString &answer)
{
    const content::AuxChoice *choice = content::auxChoiceOf(auxChoice);
    const content::Person *who = content::personOf(person);
    if (!choice || !who || segment < 0 || segment >= content::SegmentCount)
        return {};
    const content::ExerciseContent material =
        content::ExerciseContent::forSelection(auxChoice, person);
    const QString &key = material.keys[segment];
    if (answer == key)
        return {};
    if (answer.isEmpty())
        return {Mistake::NoAnswer};
    if (withoutEndPunctuation(answer) == key)
        return {Mistake::Punctuation};
    const Mistake otherForm = otherFormMistake(*choice, *who, segment, answer);
    if (otherForm.kind != Mistake::None)
        return otherForm;
    return shapeMistake(answer, key, material.segments[segment]);
}

QString describeMistake(const Mistake &mistake, int auxChoice, i18n::Language language)
{
    using namespace i18n;
    switch (mistake.kind) {
    case Mistake::None:
        return {};
    case Mistake::NoAnswer:
        return feedbackText(fbNoAnswer, language);
    case Mistake::Punctuation:
        return feedbackText(fbPunctuation, language);
    case Mistake::OtherPerson:
        return feedbackText(fbOtherPerson, language)
            .arg(pronounOf(mistake.otherPerson), pronounOf(mistake.askedPerson));
    case Mistake::OtherAuxiliary:
        return feedbackText(fbOtherAuxiliary, language)
            .arg(auxiliaryName(mistake.otherAuxChoice), auxiliaryName(auxChoice));
    case Mistake::PlainSegment:
        return feedbackText(fbPlainSegment, language);
    case Mistake::Accents:
        return feedbackText(fbAccents, language).arg(mistake.word);
    case Mistake::WordOrder:
        return feedbackText(fbWordOrder, language);
    case Mistake::Spacing:
        return feedbackText(fbSpacing, language);
    case Mistake::Capitals:
        return feedbackText(fbCapitals, language);
    case Mistake::LeadingWords:
        return rightWordsText(mistake.rightWords, language);
    }
    return {};
}

} // namespace explanation
