// The steps of a hint: first the word of the key that carries the person, then the key's
// beginning, one more word with each step, never its last word.
#pragma once

#include "content/Selections.h"
#include "i18n/TextTable.h"

#include <QString>

namespace hint {

// The word of `key` that carries the person: the conjugated auxiliary, or with kell the
// infinitive with its personal ending. Empty when the key has none.
QString personWord(const QString &key, content::Auxiliary auxiliary);

// How many steps the hint of `key` has: the person's word, then the beginning up to every
// word but the last. A key of one word has the first step only.
int stepCount(const QString &key);

// The text of `step` (1 to stepCount) of the hint for `key`, the key of `segment` of
// `auxChoice`, in `language`; empty for a step outside that range.
QString stepText(int auxChoice, int segment, const QString &key, int step, i18n::Language language);

} // namespace hint
