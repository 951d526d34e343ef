// The reference window's own accessible texts, one row per language, in the order of
// ReferenceText. Data only: read by ReferenceTexts.cpp.

#include "reference/ReferenceTexts.h"

namespace reference {

extern const char *const referenceTextData[i18n::LanguageCount][ReferenceTextCount];
// clang-format off
const char *const referenceTextData[i18n::LanguageCount][ReferenceTextCount] = {
    { "üres",   "Szórendi táblázat"           }, // Hungarian
    { "empty",  "Word-order table"            }, // English
    { "vacía",  "Tabla del orden de palabras" }, // Spanish
};
// clang-format on

} // namespace reference
