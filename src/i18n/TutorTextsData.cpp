// The tutor's texts, one row per text in the order of the TutorText enumeration, each row in
// Hungarian, English and Spanish. Data only: read through TutorTexts.h.

#include "i18n/TutorTexts.h"

namespace i18n {

// clang-format off
constexpr TextRow tutorTextRows[] = {
    /* tuNotYet */ {"Még nem jó.", "Not yet.", "Todavía no."},
    /* tuRight */ {"Helyes!", "Right!", "¡Correcto!"},
    /* tuCapitalised */ {"Itt mondat kezdődik, ezért az első betű most nagybetű.", "A sentence begins here, so its first letter is now a capital.", "Aquí empieza una oración, así que la primera letra es ahora mayúscula."},
    /* tuHintUse */ {"Használja ezt: %1.", "Use %1.", "Use %1."},
    /* tuHintGroup */ {"Itt a csoport az alany: %1.", "The group is the subject: use %1.", "El sujeto es el grupo: use %1."},
    /* tuHintAuxiliary */ {"A segédige itt „%1”: %2.", "This segment needs %1: use %2.", "Este segmento lleva «%1»: use %2."},
    /* tuHintAuxiliaryGroup */ {"A segédige itt „%1”, az alany a csoport: %2.", "This segment needs %1, and the group is the subject: use %2.", "Este segmento lleva «%1» y el sujeto es el grupo: use %2."},
    /* tuHintBegins */ {"Így kezdődik: %1 …", "It begins: %1 …", "Empieza así: %1 …"},
    /* tuShouldBe */ {"%1 helyett %2", "%1 should be %2", "%1 debería ser %2"},
    /* tuMissing */ {"hiányzik: %1", "%1 is missing", "falta %1"},
    /* tuExtra */ {"fölösleges: %1", "%1 is extra", "sobra %1"},
    /* tuHintCaption */ {"T&ipp", "H&int", "&Pista"},
    /* tuPatternCaption */ {"Szó&rendi minta", "Show the &pattern", "Ver el &modelo"},
    /* tuPractiseOne */ {"Még eg&yszer: 1 hibás mondatrész", "&Practise the missed segment", "P&racticar el segmento fallado"},
    /* tuPractiseMany */ {"Még eg&yszer: %1 hibás mondatrész", "&Practise the %1 missed segments", "P&racticar los %1 segmentos fallados"},
};
// clang-format on

const TextTable<TutorText, TutorTextCount> tutorTextTable{tutorTextRows};

} // namespace i18n
