#include "exercise/AnswerChecking.h"

#include <algorithm>

namespace answer {

namespace {

struct Remap
{
    char16_t typed;
    char16_t entered;
};

// The keys of an English keyboard that stand for the Hungarian accented letters.
constexpr Remap remapTable[] = {
    {u'"', u'Á'}, {u'\'', u'á'}, {u')', u'Ö'}, {u'+', u'Ó'}, {u'-', u'ü'},  {u'0', u'ö'},
    {u':', u'É'}, {u';', u'é'},  {u'=', u'ó'}, {u'[', u'ő'}, {u'\\', u'ű'}, {u']', u'ú'},
    {u'_', u'Ü'}, {u'`', u'í'},  {u'{', u'Ő'}, {u'|', u'Ű'}, {u'}', u'Ú'},  {u'~', u'Í'},
};

} // namespace

QChar remapTypedCharacter(QChar typed)
{
    for (const Remap &entry : remapTable) {
        if (typed.unicode() == entry.typed)
            return QChar(entry.entered);
    }
    return typed;
}

QString replaceRunsByBlank(const QString &text, const QString &findText)
{
    if (findText.isEmpty() || findText == QLatin1String(" "))
        return text;
    // Each replacement can only complete a new occurrence that ends at the
    // blank it wrote, so checking the end of the output after every character
    // finds the same occurrences as rescanning from the start.
    // The output never outgrows the input, so it is written in place into one buffer.
    QString out(text.size(), Qt::Uninitialized);
    QChar *const written = out.data();
    const QChar *const find = findText.constData();
    const qsizetype n = findText.size();
    qsizetype length = 0;
    for (QChar c : text) {
        written[length++] = c;
        while (length >= n && written[length - 1] == find[n - 1] &&
               std::equal(find, find + n, written + length - n)) {
            length -= n;
            written[length++] = QLatin1Char(' ');
        }
    }
    out.truncate(length);
    return out;
}

QString trimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

bool matchesKey(const QString &answer, const QString &key)
{
    return trimBlanks(answer) == key;
}

} // namespace answer
