// Accessible names, one row per text in the order of AccessibleText, each row in Hungarian,
// English and Spanish. Data only: read through AccessibleTexts.h.

#include "i18n/AccessibleTexts.h"

namespace i18n {

// clang-format off
constexpr TextRow accessibleTextRows[] = {
    /* accPassage */    {"Szöveg",                   "Passage",                   "Párrafo"},
    /* accBefore */     {"A kihagyás előtti szavak", "Words before the gap",      "Palabras antes del hueco"},
    /* accAnswer */     {"Az Ön válasza",            "Your answer",               "Su respuesta"},
    /* accAfter */      {"A kihagyás utáni szavak",  "Words after the gap",       "Palabras después del hueco"},
    /* accHintLine */   {"Súgósor",                  "Hint line",                 "Línea de ayuda"},
    /* accNewSegment */ {"Új mondatrész: %1",        "New segment: %1",           "Nuevo segmento: %1"},
    /* accFinished */   {"A gyakorlat véget ért.",   "The exercise is finished.", "El ejercicio ha terminado."},
};
// clang-format on

const TextTable<AccessibleText, AccessibleTextCount> accessibleTextTable{accessibleTextRows};

} // namespace i18n
