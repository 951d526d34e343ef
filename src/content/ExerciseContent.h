// The material of one exercise: the learner's selection and the tables built from it.
#pragma once

#include "content/Selections.h"

#include <QString>

#include <array>
#include <optional>

namespace content {

constexpr int SegmentCount = 12;

// The words around a segment in its rewritten sentence.
struct Frame
{
    QString before;
    QString after;
};

// The six `person` codes in column order of the content tables.
constexpr std::array<int, 6> personCodes = {0, 1, 2, 11, 22, 33};

// Column of `person` in the content tables, or -1 for a value outside the set.
int personColumn(int person);

// Whether the key of `segment` begins a sentence of the passage of `auxChoice`.
bool isSentenceInitial(int auxChoice, int segment);

// Whether the subject of `segment` is a group with the person (Edit and her friend, Péter
// and his friends), so that its key takes the form of the person's group code.
bool isGroupRow(int auxChoice, int segment);

// The auxiliary of the key of `segment`: the choice's own, or in the mixed set the row's;
// none for a value outside the sets.
std::optional<Auxiliary> rowAuxiliary(int auxChoice, int segment);

// Whether the rows of `auxChoice` take more than one auxiliary: the mixed set.
bool isMixedChoice(int auxChoice);

// The selection and the four tables of one exercise. The fill routines read
// `auxChoice` and `person` as they are at the call; for a selection outside
// the value sets they write nothing.
class ExerciseContent
{
public:
    int auxChoice = 0; // a code of auxChoices
    int person = 0;    // a code of persons
    int segment = 0;   // the current segment, 0..11

    QString passageText;
    std::array<QString, SegmentCount> segments;
    std::array<QString, SegmentCount> keys;
    std::array<Frame, SegmentCount> frames;

    void alapok();  // passageText from auxChoice
    void kerdes();  // segments
    void kulcsok(); // keys
    void mondat();  // frames

    // All four, for tools and tests that want the whole material of a selection.
    void fillAll();

    // The whole material of a selection: its codes set and all four tables filled.
    static ExerciseContent forSelection(int auxChoice, int person);
};

} // namespace content
