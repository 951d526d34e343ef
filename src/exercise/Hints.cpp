#include "exercise/Hints.h"

#include "content/ExerciseContent.h"
#include "exercise/MistakeExplanation.h"
#include "i18n/TutorTexts.h"

namespace hint {

namespace {

// Every form of these auxiliaries begins with its stem: szokott, szoktam, szoktátok; tud,
// tudsz, tudják.
QString stemOf(content::Auxiliary auxiliary)
{
    switch (auxiliary) {
    case content::Auxiliary::Szokott:
        return QStringLiteral("szok");
    case content::Auxiliary::Kell:
        return QString();
    default:
        return QString::fromUtf8(content::auxiliaryName(auxiliary));
    }
}

} // namespace

QString personWord(const QString &key, content::Auxiliary auxiliary)
{
    const QStringList words = explanation::wordsOf(key);
    if (words.isEmpty())
        return QString();
    if (auxiliary == content::Auxiliary::Kell) {
        // The infinitive ends the clause, or stands just before kell when kell ends it.
        const QString kell = QString::fromUtf8(content::auxiliaryName(auxiliary));
        if (words.size() >= 2 && words.last() == kell)
            return words.at(words.size() - 2);
        return words.last() == kell ? QString() : words.last();
    }
    const QString stem = stemOf(auxiliary);
    for (const QString &word : words) {
        if (word.startsWith(stem, Qt::CaseInsensitive))
            return word;
    }
    return QString();
}

int stepCount(const QString &key)
{
    return std::max<int>(1, explanation::wordsOf(key).size());
}

QString stepText(int auxChoice, int segment, const QString &key, int step, i18n::Language language)
{
    using namespace i18n;
    const std::optional<content::Auxiliary> auxiliary = content::rowAuxiliary(auxChoice, segment);
    if (!auxiliary || step < 1 || step > stepCount(key))
        return QString();
    if (step > 1) {
        const QStringList begin = explanation::wordsOf(key).mid(0, step - 1);
        return tutorText(tuHintBegins, language).arg(begin.join(QLatin1Char(' ')));
    }
    const QString word = personWord(key, *auxiliary);
    const bool group = content::isGroupRow(auxChoice, segment);
    if (!content::isMixedChoice(auxChoice))
        return tutorText(group ? tuHintGroup : tuHintUse, language).arg(word);
    return tutorText(group ? tuHintAuxiliaryGroup : tuHintAuxiliary, language)
        .arg(QString::fromUtf8(content::auxiliaryName(*auxiliary)), word);
}

} // namespace hint
