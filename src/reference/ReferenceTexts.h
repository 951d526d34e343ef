// Texts of the reference window's own for assistive technology, in the three interface
// languages; the interface string table has no slot that fits them.
#pragma once

#include "i18n/InterfaceTexts.h"

#include <QString>

namespace reference {

enum ReferenceText
{
    refEmptyCell, // what a screen reader says for a grid cell without text
    refGrid,      // the area that holds the grid
    ReferenceTextCount
};

// The text in `language` (1 Hungarian, 2 English, 3 Spanish); English otherwise.
QString referenceText(ReferenceText text, i18n::Language language);

} // namespace reference
