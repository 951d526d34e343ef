// Prints every text of every exercise selection as UTF-8 TSV, for proofreading
// the material and for comparing it with other sources.
#include "content/ExerciseContent.h"

#include <QString>

#include <cstdio>

namespace {

void writeLine(const QString &line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
}

void writeRow(const char *table, int auxChoice, int person, int index, const QString &text)
{
    writeLine(QString::fromLatin1(table) + u'\t' + QString::number(auxChoice) + u'\t' +
              QString::number(person) + u'\t' + QString::number(index) + u'\t' + text);
}

} // namespace

int main()
{
    writeLine(QStringLiteral("table\tauxChoice\tperson\tindex\ttext"));
    for (const content::AuxChoice &choice : content::auxChoices) {
        const int auxChoice = choice.code;
        for (int person : content::personCodes) {
            const auto content = content::ExerciseContent::forSelection(auxChoice, person);

            writeRow("passage", auxChoice, person, 0, content.passageText);
            for (int i = 0; i < content::SegmentCount; ++i)
                writeRow("segments", auxChoice, person, i, content.segments[i]);
            for (int i = 0; i < content::SegmentCount; ++i)
                writeRow("keys", auxChoice, person, i, content.keys[i]);
            for (int i = 0; i < content::SegmentCount; ++i)
                writeRow("before", auxChoice, person, i, content.frames[i].before);
            for (int i = 0; i < content::SegmentCount; ++i)
                writeRow("after", auxChoice, person, i, content.frames[i].after);
        }
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
