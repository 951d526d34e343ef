// The exercise material as stored texts: passages, segments, keys and frames.
// Data only; ExerciseContent reads it. Every text is a UTF-8 literal, so
// nothing here runs at program start-up.
#pragma once

#include <array>

namespace content::data {

constexpr int RowCount = 12;
constexpr int PersonColumnCount = 6;

// One text per person, columns in the order of personCodes: 0, 1, 2, 11, 22, 33.
using PersonTexts = std::array<const char *, PersonColumnCount>;

// Twelve rows of texts by person: a segment or key table of one passage.
using PersonTable = std::array<PersonTexts, RowCount>;

// The passages as the learner reads them before the exercise.
extern const char *const officeDayPassage;
extern const char *const tripPassage;
extern const char *const excursionPassage;

// Rows whose key begins a sentence, by passage.
extern const std::array<int, 4> officeDaySentenceStarts;
extern const std::array<int, 5> tripSentenceStarts;
extern const std::array<int, 3> excursionSentenceStarts;

// Plain segments.
extern const PersonTable officeDaySegments;
extern const PersonTable tripSegments;
extern const PersonTable excursionSegments;

// Which auxiliary form an office-day key is built with.
enum class FormUsed
{
    Person,
    Group
};

// An office-day key is prefix, then the auxiliary form, then suffix.
struct KeyPattern
{
    const char *prefix;
    FormUsed form;
    const char *suffix;
};

extern const std::array<KeyPattern, RowCount> officeDayKeyPatterns;

// Person form and group form of one auxiliary for one person.
struct AuxiliaryForms
{
    const char *personForm;
    const char *groupForm;
};

// Forms of akar, fog and szokott (in that order) for each person column.
extern const std::array<std::array<AuxiliaryForms, 3>, PersonColumnCount> officeDayAuxiliaryForms;

// Whole stored keys of the kell passage and of the mixed choice.
extern const PersonTable tripKeys;
extern const PersonTable excursionKeys;

// The words before and after a segment, as written for person 0.
struct FrameTexts
{
    const char *before;
    const char *after;
};

extern const std::array<FrameTexts, RowCount> officeDayFrames;
extern const std::array<FrameTexts, RowCount> tripFrames;
extern const std::array<FrameTexts, RowCount> excursionFrames;

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

// First frame of the office-day passage for akar, fog and szokott (in that order).
extern const std::array<PersonTexts, 3> officeDayFirstFrames;

extern const std::array<PersonFrameTexts, 1> officeDayPersonFrames;
extern const std::array<PersonFrameTexts, 1> tripPersonFrames;
extern const std::array<PersonFrameTexts, 4> excursionPersonFrames;

} // namespace content::data
