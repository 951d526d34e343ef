// Names for assistive technology where the interface texts have none that fits.
#pragma once

#include "i18n/InterfaceTexts.h"

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

// The text in `language` (1 Hungarian, 2 English, 3 Spanish); English otherwise.
QString accessibleText(AccessibleText text, Language language);

} // namespace i18n
