#include "exercise/ExerciseSession.h"

#include "exercise/AnswerChecking.h"
#include "exercise/Hints.h"

namespace exercise {

bool Verdict::isEmpty() const
{
    return answer::trimBlanks(answer).isEmpty();
}

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
    else if (!isLastOfRun())
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

bool ExerciseSession::isLastOfRun() const
{
    if (m_roundRuns)
        return m_position + 1 >= m_run.size();
    return m_content.segment >= content::SegmentCount - 1;
}

bool ExerciseSession::advance()
{
    if (isLastOfRun()) {
        m_roundRuns = false;
        return false;
    }
    if (m_roundRuns)
        m_content.segment = m_run.at(++m_position);
    else
        ++m_content.segment;
    return true;
}

void ExerciseSession::beginExercise()
{
    m_records.fill(SegmentRecord());
    m_run.clear();
    for (int segment = 0; segment < content::SegmentCount; ++segment)
        m_run.append(segment);
    m_position = 0;
    m_roundRuns = false;
}

void ExerciseSession::beginRound()
{
    m_run = missedSegments();
    if (m_run.isEmpty())
        return;
    for (int segment : m_run)
        m_records[segment] = SegmentRecord();
    m_position = 0;
    m_content.segment = m_run.first();
    m_roundRuns = true;
}

void ExerciseSession::countWrongAnswer(const Verdict &verdict)
{
    SegmentRecord &record = m_records[segment()];
    ++record.wrongAnswers;
    record.lastWrongAnswer = answer::trimBlanks(verdict.answer);
}

int ExerciseSession::hintSteps() const
{
    return hint::stepCount(key());
}

int ExerciseSession::nextHint() const
{
    const int step = m_records[segment()].hints + 1;
    return step <= hintSteps() ? step : 0;
}

int ExerciseSession::takeHint()
{
    const int step = nextHint();
    if (step > 0)
        m_records[segment()].hints = step;
    return step;
}

i18n::Counts ExerciseSession::counts() const
{
    i18n::Counts counts;
    counts.segments = int(m_run.size());
    for (int segment : m_run) {
        const SegmentRecord &record = m_records[segment];
        counts.wrongAnswers += record.wrongAnswers;
        counts.hints += record.hints;
        counts.solutionsShown += record.solutionsShown;
    }
    counts.rightFirstTime = counts.segments - int(missedSegments().size());
    return counts;
}

QList<int> ExerciseSession::missedSegments() const
{
    QList<int> missed;
    for (int segment : m_run) {
        const SegmentRecord &record = m_records[segment];
        if (!record.accepted || record.wrongAnswers > 0 || record.hints > 0 ||
            record.solutionsShown > 0)
            missed.append(segment);
    }
    return missed;
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
