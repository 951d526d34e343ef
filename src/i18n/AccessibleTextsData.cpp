// Accessible names, one row per text in the order of AccessibleText, each row in Hungarian,
// English and Spanish. Data only: read through AccessibleTexts.h.

#include "i18n/AccessibleTexts.h"

namespace i18n {

// clang-format off
constexpr TextRow accessibleTextRows[] = {
    /* accPassage */  {"Szöveg",                                    "Passage",                   "Párrafo"},
    /* accBefore */   {"A kihagyás előtti szavak",                  "Words before the gap",      "Palabras antes del hueco"},
    /* accAnswer */   {"Az Ön válasza",                             "Your answer",               "Su respuesta"},
    /* accAfter */    {"A kihagyás utáni szavak",                   "Words after the gap",       "Palabras después del hueco"},
    /* accHintLine */ {"Súgósor",                                   "Hint line",                 "Línea de ayuda"},
    /* accSegment */  {"%1. mondatrész (összesen %2): %3",          "Segment %1 of %2: %3",      "Segmento %1 de %2: %3"},
    /* accFinished */ {"A gyakorlat véget ért. Újrakezdéshez nyomja meg a Start gombot.",
                       "The exercise is finished. Press Start to begin it again.",
                       "El ejercicio ha terminado. Pulse Comenzar para empezarlo de nuevo."},
    /* accTextSize */ {"Szövegméret: %1 %",                         "Text size %1 %",            "Tamaño del texto: %1 %"},
};
// clang-format on

const TextTable<AccessibleText, AccessibleTextCount> accessibleTextTable{accessibleTextRows};

} // namespace i18n
