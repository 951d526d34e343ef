#include "exercise/ExerciseSession.h"

#include "exercise/AnswerChecking.h"

namespace exercise {

bool ExerciseSession::beginsSentence() const
{
    return content::isSentenceInitial(m_content.auxChoice, m_content.segment);
}

Verdict ExerciseSession::checkAnswer(const QString &typed, bool running) const
{
    Verdict verdict;
    verdict.answer = sp(typed, QStringLiteral("  "));
    if (!running)
        return verdict;
    if (beginsSentence())
        verdict.answer = Upper(verdict.answer, &verdict.capitalFixed);
    if (!answer::matchesKey(verdict.answer, key()))
        verdict.outcome = Verdict::Wrong;
    else if (m_content.segment < content::SegmentCount - 1)
        verdict.outcome = Verdict::Accepted;
    else
        verdict.outcome = Verdict::Finished;
    return verdict;
}

QString ExerciseSession::passageLine() const
{
    const content::Frame &words = frame();
    // A bare period or comma follows the key directly.
    const bool bareMark = words.after == QLatin1String(".") || words.after == QLatin1String(",");
    const QString closing = bareMark ? words.after : QLatin1Char(' ') + words.after;
    return words.before + QLatin1Char(' ') + key() + closing + QLatin1Char('\n');
}

bool ExerciseSession::advance()
{
    if (m_content.segment >= content::SegmentCount - 1)
        return false;
    ++m_content.segment;
    return true;
}

explanation::Mistake ExerciseSession::explain(const Verdict &verdict) const
{
    // The answer as the comparison saw it.
    return explanation::explainMistake(m_content.auxChoice, m_content.person, m_content.segment,
                                       answer::trimBlanks(verdict.answer));
}

QString ExerciseSession::sp(const QString &answerText, const QString &findText)
{
    return answer::replaceRunsByBlank(answerText, findText);
}

QString ExerciseSession::Upper(const QString &answerText, bool *changed)
{
    QString text = answer::trimBlanks(answerText);
    *changed = false;
    if (text.isEmpty())
        return text;
    const QChar first = text.front();
    const QChar capital = first.toUpper();
    *changed = first != capital;
    text[0] = capital;
    return text;
}

} // namespace exercise
