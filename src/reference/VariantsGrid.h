// The rows of the variants grid, put together from the stored sentence material.
#pragma once

#include "reference/ReferenceData.h"

namespace reference {

// Sentence `sentence` rewritten with auxiliary `auxiliary`: the base row with C and C1
// replaced and, for "kell", the subject cell as well.
RowTexts variantRow(int sentence, int auxiliary);

} // namespace reference
