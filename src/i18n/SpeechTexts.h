// Texts of the option that speaks the Hungarian aloud: its menu item, its hover hint and what
// the learner is told when speech cannot work, in the three interface languages.
#pragma once

#include "i18n/TextTable.h"

#include <QString>

namespace i18n {

enum SpeechText
{
    spMenuCaption,    // the Options item
    spLoadingCaption, // the same item while the speech engine gets ready
    spHint,           // the item's hover hint, with the keys
    spNoDispatcher,   // speech-dispatcher cannot be reached
    spNoHungarian,    // speech-dispatcher has no Hungarian voice
    spEngineError,    // %1 the engine's own words
    spTimeLimit,      // %1 the time limit in seconds
    SpeechTextCount
};

// The rows, in SpeechTextsData.cpp.
extern const TextTable<SpeechText, SpeechTextCount> speechTextTable;

// The text in `language`, by the rule of TextTable for a language out of range.
inline QString speechText(SpeechText text, Language language)
{
    return speechTextTable.text(text, language);
}

} // namespace i18n
