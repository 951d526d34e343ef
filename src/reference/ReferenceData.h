// The sentence material of the reference window's variants grid and the entries of its
// two lists. Data only: the texts are in ReferenceData.cpp, the logic that reads them in
// VariantsGrid.cpp and the window's own files.
#pragma once

#include <QtCore/qnamespace.h>

#include <array>

namespace reference {

constexpr int SentenceCount = 9;
constexpr int AuxiliaryCount = 5;
constexpr int ColumnCount = 6;
constexpr int RowCount = 11;
constexpr int CellCount = RowCount * ColumnCount;

// Word-order positions, the columns of the grid.
enum Column
{
    ColA,
    ColB1,
    ColB,
    ColC,
    ColC1,
    ColD
};

// Rows of the grid by their role: the header, the base row of the by-sentence view, and the
// variant rows, the first five of which the by-sentence view uses.
enum Row
{
    HeaderRow,
    BaseSentenceRow,
    FirstVariantRow,
    LastRow = RowCount - 1
};

// Positions in the auxiliaries list. "kell" is the one that turns the subject dative.
enum Auxiliary
{
    Akar,
    Tud,
    Kell,
    Szokott,
    Fog
};

// One row of the grid, column by column; an empty cell is "".
using RowTexts = std::array<const char *, ColumnCount>;

struct BaseRow
{
    RowTexts cells;
    // How the B and C cells of the base row are aligned: a prefix that stands right before
    // its verb is pushed against the verb so that both read as one word.
    Qt::AlignmentFlag prefixAlign;
    Qt::AlignmentFlag verbAlign;
};

// The subject cell that the "kell" variant of a sentence rewrites; column -1: none.
struct KellSubject
{
    int column;
    const char *text;
};

extern const BaseRow baseRows[SentenceCount];
extern const char *const auxiliaryForms[SentenceCount][AuxiliaryCount]; // column C
extern const char *const infinitives[SentenceCount];     // column C1 with akar, tud, szokott, fog
extern const char *const kellInfinitives[SentenceCount]; // column C1 with kell
extern const KellSubject kellSubjects[SentenceCount];

// The entries of the two lists; the sentence entries are display texts of their own and
// differ from the grid rows in places.
extern const char *const auxiliaryEntries[AuxiliaryCount];
extern const char *const sentenceEntries[SentenceCount];

extern const char *const columnHeaders[ColumnCount];

} // namespace reference
