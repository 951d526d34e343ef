// Texts of the reference window's own for assistive technology, in the three interface
// languages; the interface string table has no slot that fits them.
#pragma once

#include "i18n/TextTable.h"

#include <QString>

namespace i18n {

enum ReferenceText
{
    refEmptyCell, // what a screen reader says for a grid cell without text
    refGrid,      // the area that holds the grid
    ReferenceTextCount
};

// The rows, in ReferenceTextsData.cpp.
extern const TextTable<ReferenceText, ReferenceTextCount> referenceTextTable;

// The text in `language`, by the rule of TextTable for a language out of range.
inline QString referenceText(ReferenceText text, Language language)
{
    return referenceTextTable.text(text, language);
}

} // namespace i18n
