// Names for assistive technology where the interface texts have none that fits.
#pragma once

#include "i18n/TextTable.h"

#include <QString>

namespace i18n {

enum AccessibleText
{
    accPassage,  // the passage box
    accBefore,   // the words before the gap
    accAnswer,   // the answer box
    accAfter,    // the words after the gap
    accHintLine, // the hint line along the bottom
    accSegment,  // what a screen reader hears of the current segment: %1 its number from 1,
                 // %2 the number of segments, %3 the segment
    accFinished, // ... and at the end of the exercise
    accTextSize, // a new text zoom: %1 the percentage
    AccessibleTextCount
};

// The rows, in AccessibleTextsData.cpp.
extern const TextTable<AccessibleText, AccessibleTextCount> accessibleTextTable;

// The text in `language`, by the rule of TextTable for a language out of range.
inline QString accessibleText(AccessibleText text, Language language)
{
    return accessibleTextTable.text(text, language);
}

} // namespace i18n
