#include "content/ExerciseContent.h"

#include "content/ContentData.h"

#include <algorithm>

namespace content {

namespace {

enum class Passage
{
    None,
    OfficeDay,
    Trip,
    Excursion
};

Passage passageOf(int auxChoice)
{
    if (auxChoice >= 1 && auxChoice <= 3)
        return Passage::OfficeDay;
    if (auxChoice == 4)
        return Passage::Trip;
    if (auxChoice == 5)
        return Passage::Excursion;
    return Passage::None;
}

const data::PersonTable *segmentTable(Passage passage)
{
    switch (passage) {
    case Passage::OfficeDay:
        return &data::officeDaySegments;
    case Passage::Trip:
        return &data::tripSegments;
    case Passage::Excursion:
        return &data::excursionSegments;
    case Passage::None:
        break;
    }
    return nullptr;
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

template <std::size_t N>
void writePersonFrames(std::array<Frame, SegmentCount> &frames,
                       const std::array<data::PersonFrameTexts, N> &source, int column)
{
    for (const data::PersonFrameTexts &entry : source) {
        Frame &frame = frames[entry.row];
        QString &text = entry.side == data::FrameSide::Before ? frame.before : frame.after;
        text = QString::fromUtf8(entry.texts[column]);
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
    const auto contains = [segment](const auto &rows) {
        return std::find(rows.begin(), rows.end(), segment) != rows.end();
    };
    switch (passageOf(auxChoice)) {
    case Passage::OfficeDay:
        return contains(data::officeDaySentenceStarts);
    case Passage::Trip:
        return contains(data::tripSentenceStarts);
    case Passage::Excursion:
        return contains(data::excursionSentenceStarts);
    case Passage::None:
        break;
    }
    return false;
}

void ExerciseContent::alapok()
{
    switch (passageOf(auxChoice)) {
    case Passage::OfficeDay:
        passageText = QString::fromUtf8(data::officeDayPassage);
        break;
    case Passage::Trip:
        passageText = QString::fromUtf8(data::tripPassage);
        break;
    case Passage::Excursion:
        passageText = QString::fromUtf8(data::excursionPassage);
        break;
    case Passage::None:
        break;
    }
}

void ExerciseContent::kerdes()
{
    const data::PersonTable *table = segmentTable(passageOf(auxChoice));
    const int column = personColumn(person);
    if (!table || column < 0)
        return;
    writeColumn(segments, *table, column);
}

void ExerciseContent::kulcsok()
{
    const Passage passage = passageOf(auxChoice);
    const int column = personColumn(person);
    if (passage == Passage::None || column < 0)
        return;

    if (passage == Passage::OfficeDay) {
        const data::AuxiliaryForms &forms = data::officeDayAuxiliaryForms[column][auxChoice - 1];
        for (int i = 0; i < SegmentCount; ++i) {
            const data::KeyPattern &pattern = data::officeDayKeyPatterns[i];
            const char *form =
                pattern.form == data::FormUsed::Group ? forms.groupForm : forms.personForm;
            keys[i] = QString::fromUtf8(pattern.prefix) + QString::fromUtf8(form) +
                      QString::fromUtf8(pattern.suffix);
        }
    } else if (passage == Passage::Trip) {
        writeColumn(keys, data::tripKeys, column);
    } else {
        writeColumn(keys, data::excursionKeys, column);
    }
}

void ExerciseContent::mondat()
{
    const Passage passage = passageOf(auxChoice);
    const int column = personColumn(person);
    if (passage == Passage::None || column < 0)
        return;

    // The person 0 frames first; the texts that change with the person overwrite them.
    switch (passage) {
    case Passage::OfficeDay:
        writeFrames(frames, data::officeDayFrames);
        frames[0].before = QString::fromUtf8(data::officeDayFirstFrames[auxChoice - 1][column]);
        writePersonFrames(frames, data::officeDayPersonFrames, column);
        break;
    case Passage::Trip:
        writeFrames(frames, data::tripFrames);
        writePersonFrames(frames, data::tripPersonFrames, column);
        break;
    case Passage::Excursion:
        writeFrames(frames, data::excursionFrames);
        writePersonFrames(frames, data::excursionPersonFrames, column);
        break;
    case Passage::None:
        break;
    }
}

void ExerciseContent::fillAll()
{
    alapok();
    kerdes();
    kulcsok();
    mondat();
}

} // namespace content
