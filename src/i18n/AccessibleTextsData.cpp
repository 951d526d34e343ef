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
     "Új mondatrész: %1", "A gyakorlat véget ért."},
    // English
    {"Passage", "Words before the gap", "Your answer", "Words after the gap", "Hint line",
     "New segment: %1", "The exercise is finished."},
    // Spanish
    {"Párrafo", "Palabras antes del hueco", "Su respuesta", "Palabras después del hueco", "Línea de ayuda",
     "Nuevo segmento: %1", "El ejercicio ha terminado."},
};
// clang-format on

} // namespace i18n
