// The reference window's own accessible texts, one row per text in the order of
// ReferenceText, each row in Hungarian, English and Spanish. Data only: read through
// ReferenceTexts.h.

#include "i18n/ReferenceTexts.h"

namespace i18n {

// clang-format off
constexpr TextRow referenceTextRows[] = {
    /* refEmptyCell */ {"üres",              "empty",            "vacía"},
    /* refGrid */      {"Szórendi táblázat", "Word-order table", "Tabla del orden de palabras"},
};
// clang-format on

const TextTable<ReferenceText, ReferenceTextCount> referenceTextTable{referenceTextRows};

} // namespace i18n
