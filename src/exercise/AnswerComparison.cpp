#include "exercise/AnswerComparison.h"

#include "exercise/MistakeExplanation.h"
#include "i18n/TutorTexts.h"

#include <vector>

namespace comparison {

namespace {

// One step of an edit script: keep an element of the first sequence (Same), drop it (Extra)
// or add one of the second (Missing); `at` is its place in its sequence.
struct Step
{
    Mark mark;
    qsizetype at;
};

// The shortest script of keeps, drops and adds that turns `from` into `to`, drops before adds
// in each change: a longest common subsequence by dynamic programming. A key has a handful of
// words and a word a handful of letters, so the table stays small however long the answer.
// (Debian's libdtl-dev would do it too, but its header starts the C++ streams, which costs
// every start-up of the program 0.45 MiB.)
template <typename Sequence> std::vector<Step> editScript(const Sequence &from, const Sequence &to)
{
    const qsizetype n = from.size();
    const qsizetype m = to.size();
    // common[i * (m + 1) + j]: the length of a longest common subsequence of the rests
    // from[i..] and to[j..].
    std::vector<int> common(std::size_t((n + 1) * (m + 1)), 0);
    const auto cell = [m](qsizetype i, qsizetype j) { return std::size_t(i * (m + 1) + j); };
    for (qsizetype i = n - 1; i >= 0; --i) {
        for (qsizetype j = m - 1; j >= 0; --j) {
            common[cell(i, j)] = from.at(i) == to.at(j)
                                     ? common[cell(i + 1, j + 1)] + 1
                                     : std::max(common[cell(i + 1, j)], common[cell(i, j + 1)]);
        }
    }
    std::vector<Step> script;
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && from.at(i) == to.at(j)) {
            script.push_back({Mark::Same, i});
            ++i;
            ++j;
        } else if (i < n && (j == m || common[cell(i + 1, j)] >= common[cell(i, j + 1)])) {
            script.push_back({Mark::Extra, i++});
        } else {
            script.push_back({Mark::Missing, j++});
        }
    }
    return script;
}

// How two words differ: their longest common run of letters, and the letters marked.
struct LetterDiff
{
    int common = 0;
    int edits = 0;
    QList<Piece> letters;
};

LetterDiff letterDiff(const QString &typed, const QString &key)
{
    LetterDiff result;
    for (const auto &[mark, at] : editScript(typed, key)) {
        const QChar letter = (mark == Mark::Missing ? key : typed).at(at);
        if (mark == Mark::Same)
            ++result.common;
        else
            ++result.edits;
        // Neighbouring letters with the same mark make one piece.
        if (!result.letters.isEmpty() && result.letters.last().mark == mark)
            result.letters.last().text.append(letter);
        else
            result.letters.append({mark, QString(letter)});
    }
    return result;
}

// A typed word stands in the place of a key word when at least half of the longer one's
// letters are common to both, in order.
bool resembles(const QString &typed, const QString &key)
{
    const qsizetype longer = std::max(typed.size(), key.size());
    if (2 * std::min(typed.size(), key.size()) < longer)
        return false;
    return 2 * letterDiff(typed, key).common >= longer;
}

// Accents, case, or a letter or two.
bool differsSlightly(const QString &typed, const QString &key, const LetterDiff &diff)
{
    return diff.edits <= 2 || explanation::foldAccents(typed).compare(explanation::foldAccents(key),
                                                                      Qt::CaseInsensitive) == 0;
}

Word replaced(const QString &typed, const QString &key)
{
    Word word{Word::Replaced, typed, key, {}};
    LetterDiff diff = letterDiff(typed, key);
    if (differsSlightly(typed, key, diff))
        word.letters = std::move(diff.letters);
    return word;
}

// The key words from `nextKey` up to `keyEnd` as missing, then the typed words from
// `nextTyped` up to `typedEnd` as extra.
void appendUnpaired(Comparison &result, const QStringList &typed, int &nextTyped,
                    qsizetype typedEnd, const QStringList &key, int &nextKey, qsizetype keyEnd)
{
    for (; nextKey < keyEnd; ++nextKey)
        result.append({Word::Missing, QString(), key.at(nextKey), {}});
    for (; nextTyped < typedEnd; ++nextTyped)
        result.append({Word::Extra, typed.at(nextTyped), QString(), {}});
}

// One change between common words: the typed words that were deleted and the key words that
// were added. A deleted word pairs with an added one in its place (at most two places
// apart, in order) that it resembles; the others are extra or missing.
void appendChange(Comparison &result, const QStringList &typed, const QStringList &key)
{
    constexpr int reach = 2;
    int nextTyped = 0;
    int nextKey = 0;
    for (int k = 0; k < key.size(); ++k) {
        int match = -1;
        for (int t = std::max(nextTyped, k - reach); t < typed.size() && t <= k + reach; ++t) {
            if (resembles(typed.at(t), key.at(k))) {
                match = t;
                break;
            }
        }
        if (match < 0)
            continue;
        appendUnpaired(result, typed, nextTyped, match, key, nextKey, k);
        result.append(replaced(typed.at(match), key.at(k)));
        nextTyped = match + 1;
        nextKey = k + 1;
    }
    appendUnpaired(result, typed, nextTyped, typed.size(), key, nextKey, key.size());
}

// What was pasted rather than typed is cut short, so that the key's words stay in sight and
// the line fits the window: a long run of extra words shows its first words and an ellipsis,
// as one word, and a long extra word its first letters.
Comparison shortened(const Comparison &words)
{
    constexpr int shownWords = 3;
    constexpr int shownLetters = 24;
    const QString ellipsis = QStringLiteral("…");
    Comparison result;
    int run = 0;
    for (Word word : words) {
        run = word.kind == Word::Extra ? run + 1 : 0;
        if (run > 0 && word.typed.size() > shownLetters)
            word.typed = word.typed.left(shownLetters) + ellipsis;
        if (run <= shownWords)
            result.append(word);
        else if (run == shownWords + 1)
            result.last().typed += QLatin1Char(' ') + ellipsis;
    }
    return result;
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString marked(const Piece &piece)
{
    switch (piece.mark) {
    case Mark::Same:
        return escaped(piece.text);
    case Mark::Extra:
        return QStringLiteral("<s style=\"color:%1\">%2</s>")
            .arg(extraColour.name(), escaped(piece.text));
    case Mark::Missing:
        return QStringLiteral("<u style=\"color:%1\">%2</u>")
            .arg(missingColour.name(), escaped(piece.text));
    }
    return QString();
}

} // namespace

Comparison compare(const QString &answer, const QString &key)
{
    const QStringList typedWords = explanation::wordsOf(answer);
    const QStringList keyWords = explanation::wordsOf(key);
    Comparison result;
    QStringList deleted;
    QStringList added;
    for (const auto &[mark, at] : editScript(typedWords, keyWords)) {
        if (mark == Mark::Extra) {
            deleted.append(typedWords.at(at));
        } else if (mark == Mark::Missing) {
            added.append(keyWords.at(at));
        } else {
            appendChange(result, deleted, added);
            deleted.clear();
            added.clear();
            result.append({Word::Same, typedWords.at(at), typedWords.at(at), {}});
        }
    }
    appendChange(result, deleted, added);
    return shortened(result);
}

QList<Piece> pieces(const Comparison &comparison)
{
    QList<Piece> result;
    for (const Word &word : comparison) {
        if (!result.isEmpty())
            result.append({Mark::Same, QStringLiteral(" ")});
        switch (word.kind) {
        case Word::Same:
            result.append({Mark::Same, word.typed});
            break;
        case Word::Extra:
            result.append({Mark::Extra, word.typed});
            break;
        case Word::Missing:
            result.append({Mark::Missing, word.key});
            break;
        case Word::Replaced:
            if (!word.letters.isEmpty()) {
                result.append(word.letters);
            } else {
                result.append({Mark::Extra, word.typed});
                result.append({Mark::Same, QStringLiteral(" ")});
                result.append({Mark::Missing, word.key});
            }
            break;
        }
    }
    return result;
}

QString toHtml(const Comparison &comparison)
{
    QString html;
    for (const Piece &piece : pieces(comparison))
        html += marked(piece);
    return html;
}

QString spoken(const Comparison &comparison, i18n::Language language)
{
    using namespace i18n;
    QStringList parts;
    for (const Word &word : comparison) {
        switch (word.kind) {
        case Word::Same:
            break;
        case Word::Extra:
            parts << tutorText(tuExtra, language).arg(word.typed);
            break;
        case Word::Missing:
            parts << tutorText(tuMissing, language).arg(word.key);
            break;
        case Word::Replaced:
            parts << tutorText(tuShouldBe, language).arg(word.typed, word.key);
            break;
        }
    }
    return parts.isEmpty() ? QString() : parts.join(QStringLiteral("; ")) + QLatin1Char('.');
}

} // namespace comparison
