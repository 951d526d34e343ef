#include "exercise/MistakeExplanation.h"

#include "content/ExerciseContent.h"
#include "i18n/FeedbackTexts.h"

#include <algorithm>
#include <array>

namespace explanation {

namespace {

// The pronoun that names each person, in the order of the Persons list.
struct PersonPronoun
{
    int person;
    const char16_t *pronoun;
};
constexpr std::array<PersonPronoun, 6> pronouns = {{
    {1, u"én"},
    {2, u"te"},
    {0, u"ő"},
    {11, u"mi"},
    {22, u"ti"},
    {33, u"ők"},
}};

// The choices of the office-day passage, whose keys differ only in the auxiliary.
constexpr std::array<int, 3> officeDayChoices = {1, 2, 3};

QString pronounOf(int person)
{
    for (const PersonPronoun &entry : pronouns) {
        if (entry.person == person)
            return QString::fromUtf16(entry.pronoun);
    }
    return {};
}

// "akar", "fog" or "szokott" for the choices of the office-day passage.
QString auxiliaryName(int auxChoice)
{
    if (auxChoice < 1 || auxChoice > int(content::auxiliaryItems.size()))
        return {};
    return QString::fromUtf8(content::auxiliaryItems[auxChoice - 1].listText);
}

bool isOfficeDayChoice(int auxChoice)
{
    return std::find(officeDayChoices.begin(), officeDayChoices.end(), auxChoice) !=
           officeDayChoices.end();
}

// A selection, its tables still to be filled.
content::ExerciseContent selectionOf(int auxChoice, int person)
{
    content::ExerciseContent material;
    material.auxChoice = auxChoice;
    material.person = person;
    return material;
}

QString keyOf(int auxChoice, int person, int segment)
{
    content::ExerciseContent material = selectionOf(auxChoice, person);
    material.kulcsok();
    return material.keys[segment];
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

// Rules 1 and 2: the answer is a key of the same segment for another selection.
Mistake otherFormMistake(int auxChoice, int person, int segment, const QString &answer)
{
    Mistake mistake;
    for (const content::PersonItem &item : content::personItems) {
        if (item.person != person && answer == keyOf(auxChoice, item.person, segment)) {
            mistake.kind = Mistake::OtherPerson;
            mistake.otherPerson = item.person;
            return mistake;
        }
    }
    if (!isOfficeDayChoice(auxChoice))
        return mistake;
    for (int other : officeDayChoices) {
        if (other != auxChoice && answer == keyOf(other, person, segment)) {
            mistake.kind = Mistake::OtherAuxiliary;
            mistake.otherAuxChoice = other;
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
    if (auxChoice < 1 || auxChoice > 5 || content::personColumn(person) < 0 || segment < 0 ||
        segment >= content::SegmentCount)
        return {};
    content::ExerciseContent material = selectionOf(auxChoice, person);
    material.kerdes();
    material.kulcsok();
    const QString &key = material.keys[segment];
    if (answer == key)
        return {};
    const Mistake otherForm = otherFormMistake(auxChoice, person, segment, answer);
    if (otherForm.kind != Mistake::None)
        return otherForm;
    return shapeMistake(answer, key, material.segments[segment]);
}

QString describeMistake(const Mistake &mistake, int auxChoice, int person, i18n::Language language)
{
    using namespace i18n;
    switch (mistake.kind) {
    case Mistake::None:
        return {};
    case Mistake::OtherPerson:
        return feedbackText(fbOtherPerson, language)
            .arg(pronounOf(mistake.otherPerson), pronounOf(person));
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
