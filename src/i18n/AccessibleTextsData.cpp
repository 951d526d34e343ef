// Accessible names, one column per language, in the order of AccessibleText.
// Data only: read by AccessibleTexts.cpp.

#include "i18n/AccessibleTexts.h"
#include "i18n/InterfaceTexts.h"

namespace i18n {

extern const char *const accessibleTextData[LanguageCount][AccessibleTextCount];
// clang-format off
const char *const accessibleTextData[LanguageCount][AccessibleTextCount] = {
    // Hungarian
    {"Szöveg", "A kihagyás előtti szavak", "Az Ön válasza", "A kihagyás utáni szavak", "Súgósor",
     "%1. mondatrész (összesen %2): %3",
     "A gyakorlat véget ért. Újrakezdéshez nyomja meg a Start gombot.", "Szövegméret: %1 %"},
    // English
    {"Passage", "Words before the gap", "Your answer", "Words after the gap", "Hint line",
     "Segment %1 of %2: %3", "The exercise is finished. Press Start to begin it again.",
     "Text size %1 %"},
    // Spanish
    {"Párrafo", "Palabras antes del hueco", "Su respuesta", "Palabras después del hueco", "Línea de ayuda",
     "Segmento %1 de %2: %3", "El ejercicio ha terminado. Pulse Comenzar para empezarlo de nuevo.",
     "Tamaño del texto: %1 %"},
};
// clang-format on

} // namespace i18n
