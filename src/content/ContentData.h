// The exercise material as stored texts: passages, segments, keys and frames.
// Data only; ExerciseContent reads it. Every text is a UTF-8 literal, so
// nothing here runs at program start-up.
#pragma once

#include "content/Selections.h"

#include <array>
#include <cstddef>

namespace content::data {

constexpr int RowCount = 12;
constexpr int PersonColumnCount = 6;

// One text per person, columns in the order of personCodes: 0, 1, 2, 11, 22, 33.
using PersonTexts = std::array<const char *, PersonColumnCount>;

// Twelve rows of texts by person: a segment or key table of one passage.
using PersonTable = std::array<PersonTexts, RowCount>;

// A run of rows of a fixed array, so that lists of different lengths share one type.
template <typename T> struct Rows
{
    const T *first;
    std::size_t count;

    const T *begin() const { return first; }
    const T *end() const { return first + count; }
};

template <typename T, std::size_t N> constexpr Rows<T> rowsOf(const std::array<T, N> &rows)
{
    return {rows.data(), N};
}

// An office-day key is prefix, then the auxiliary form, then suffix.
struct KeyPattern
{
    const char *prefix;
    const char *suffix;
};

// The words before and after a segment, as written for person 0.
struct FrameTexts
{
    const char *before;
    const char *after;
};

// A frame text that changes with the person, written over the person 0 text.
enum class FrameSide
{
    Before,
    After
};

struct PersonFrameTexts
{
    int row;
    FrameSide side;
    PersonTexts texts;
};

// The texts of one passage.
struct PassageTexts
{
    const char *text; // as the learner reads it before the exercise
    const PersonTable &segments;
    const PersonTable *keys; // stored whole; none for the office day, whose keys are composed
    const std::array<FrameTexts, RowCount> &frames;
    Rows<int> sentenceStarts; // rows whose key begins a sentence
    Rows<PersonFrameTexts> personFrames;
    // Rows whose subject is a group with the person (Edit and her friend, Péter and his
    // friends): their keys take the form of the person's group code.
    Rows<int> groupRows;
    // The auxiliary of each row; none for the office day, whose choice names it.
    const std::array<Auxiliary, RowCount> *rowAuxiliaries;
};

// The three passages, by Passage.
extern const std::array<PassageTexts, 3> passages;

// The dictionary forms of the auxiliaries, by Auxiliary.
extern const std::array<const char *, 5> auxiliaryNames;
// The forms of each office-day auxiliary by person, by Auxiliary.
extern const std::array<PersonTexts, OfficeDayAuxiliaryCount> officeDayAuxiliaryForms;
// The first frame of the office-day passage, which changes with the auxiliary too.
extern const std::array<PersonTexts, OfficeDayAuxiliaryCount> officeDayFirstFrames;

extern const std::array<KeyPattern, RowCount> officeDayKeyPatterns;

} // namespace content::data
