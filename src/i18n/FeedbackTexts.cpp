#include "i18n/FeedbackTexts.h"

namespace i18n {

namespace {

// A count with its noun: the form for one, or the form for any other count. Languages
// whose nouns do not change after a numeral store the same text twice.
QString counted(int count, FeedbackText one, FeedbackText many, Language language)
{
    return feedbackText(count == 1 ? one : many, language).arg(count);
}

} // namespace

QString rightWordsText(int rightWords, Language language)
{
    if (rightWords <= 0)
        return feedbackText(fbFirstWordWrong, language);
    if (rightWords == 1)
        return feedbackText(fbFirstWordRight, language);
    return feedbackText(fbFirstWordsRight, language).arg(rightWords);
}

QString progressText(int current, int total, Language language)
{
    return feedbackText(fbProgress, language).arg(current).arg(total);
}

QString summaryText(const Counts &counts, Language language)
{
    return feedbackText(fbSummary, language)
        .arg(counted(counts.segments, fbSegmentsOne, fbSegmentsMany, language),
             counted(counts.rightFirstTime, fbRightFirstOne, fbRightFirstMany, language),
             counted(counts.wrongAnswers, fbWrongAnswersOne, fbWrongAnswersMany, language),
             counted(counts.hints, fbHintsOne, fbHintsMany, language),
             counted(counts.solutionsShown, fbSolutionsShownOne, fbSolutionsShownMany, language));
}

} // namespace i18n
