#include "content/ExerciseContent.h"

#include "content/ContentData.h"

#include <algorithm>

namespace content {

namespace {

const data::PassageTexts *passageOf(const AuxChoice *choice)
{
    return choice ? &data::passages[std::size_t(choice->passage)] : nullptr;
}

void writeColumn(std::array<QString, SegmentCount> &table, const data::PersonTable &source,
                 int column)
{
    for (int i = 0; i < SegmentCount; ++i)
        table[i] = QString::fromUtf8(source[i][column]);
}

void writeFrames(std::array<Frame, SegmentCount> &frames,
                 const std::array<data::FrameTexts, data::RowCount> &source)
{
    for (int i = 0; i < SegmentCount; ++i)
        frames[i] = {QString::fromUtf8(source[i].before), QString::fromUtf8(source[i].after)};
}

void writePersonFrames(std::array<Frame, SegmentCount> &frames,
                       data::Rows<data::PersonFrameTexts> source, int column)
{
    for (const data::PersonFrameTexts &entry : source) {
        Frame &frame = frames[entry.row];
        QString &text = entry.side == data::FrameSide::Before ? frame.before : frame.after;
        text = QString::fromUtf8(entry.texts[column]);
    }
}

bool contains(data::Rows<int> rows, int row)
{
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

// An office-day key is its row's pattern around the form of the auxiliary: the person's
// own form, or that of its group code where a group is the subject.
void composeOfficeDayKeys(std::array<QString, SegmentCount> &keys, const AuxChoice &choice,
                          const Person &person)
{
    const data::PersonTexts &forms =
        data::officeDayAuxiliaryForms[std::size_t(*choice.officeDayAuxiliary)];
    const QString personForm = QString::fromUtf8(forms[personColumn(person.code)]);
    const QString groupForm = QString::fromUtf8(forms[personColumn(person.groupCode)]);
    const data::Rows<int> groupRows = passageOf(&choice)->groupRows;
    for (int i = 0; i < SegmentCount; ++i) {
        const data::KeyPattern &pattern = data::officeDayKeyPatterns[i];
        keys[i] = QString::fromUtf8(pattern.prefix) +
                  (contains(groupRows, i) ? groupForm : personForm) +
                  QString::fromUtf8(pattern.suffix);
    }
}

} // namespace

int personColumn(int person)
{
    const auto it = std::find(personCodes.begin(), personCodes.end(), person);
    return it == personCodes.end() ? -1 : int(it - personCodes.begin());
}

bool isSentenceInitial(int auxChoice, int segment)
{
    const data::PassageTexts *passage = passageOf(auxChoiceOf(auxChoice));
    if (!passage)
        return false;
    return contains(passage->sentenceStarts, segment);
}

bool isGroupRow(int auxChoice, int segment)
{
    const data::PassageTexts *passage = passageOf(auxChoiceOf(auxChoice));
    return passage && contains(passage->groupRows, segment);
}

std::optional<Auxiliary> rowAuxiliary(int auxChoice, int segment)
{
    const AuxChoice *choice = auxChoiceOf(auxChoice);
    if (!choice || segment < 0 || segment >= SegmentCount)
        return std::nullopt;
    if (choice->officeDayAuxiliary)
        return choice->officeDayAuxiliary;
    return (*passageOf(choice)->rowAuxiliaries)[segment];
}

bool isMixedChoice(int auxChoice)
{
    for (int segment = 1; segment < SegmentCount; ++segment) {
        if (rowAuxiliary(auxChoice, segment) != rowAuxiliary(auxChoice, 0))
            return true;
    }
    return false;
}

void ExerciseContent::alapok()
{
    if (const data::PassageTexts *passage = passageOf(auxChoiceOf(auxChoice)))
        passageText = QString::fromUtf8(passage->text);
}

void ExerciseContent::kerdes()
{
    const data::PassageTexts *passage = passageOf(auxChoiceOf(auxChoice));
    const int column = personColumn(person);
    if (!passage || column < 0)
        return;
    writeColumn(segments, passage->segments, column);
}

void ExerciseContent::kulcsok()
{
    const AuxChoice *choice = auxChoiceOf(auxChoice);
    const Person *who = personOf(person);
    if (!choice || !who)
        return;
    if (choice->officeDayAuxiliary)
        composeOfficeDayKeys(keys, *choice, *who);
    else
        writeColumn(keys, *passageOf(choice)->keys, personColumn(person));
}

void ExerciseContent::mondat()
{
    const AuxChoice *choice = auxChoiceOf(auxChoice);
    const data::PassageTexts *passage = passageOf(choice);
    const int column = personColumn(person);
    if (!passage || column < 0)
        return;

    // The person 0 frames first; the texts that change with the person overwrite them.
    writeFrames(frames, passage->frames);
    if (choice->officeDayAuxiliary) {
        frames[0].before = QString::fromUtf8(
            data::officeDayFirstFrames[std::size_t(*choice->officeDayAuxiliary)][column]);
    }
    writePersonFrames(frames, passage->personFrames, column);
}

void ExerciseContent::fillAll()
{
    alapok();
    kerdes();
    kulcsok();
    mondat();
}

ExerciseContent ExerciseContent::forSelection(int auxChoice, int person)
{
    ExerciseContent content;
    content.auxChoice = auxChoice;
    content.person = person;
    content.fillAll();
    return content;
}

} // namespace content
