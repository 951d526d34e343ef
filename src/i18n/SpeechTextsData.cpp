// The texts of the speech option, one row per text in the order of SpeechText, each row in
// Hungarian, English and Spanish. Data only: read through SpeechTexts.h.

#include "i18n/SpeechTexts.h"

namespace i18n {

// clang-format off
constexpr TextRow speechTextRows[] = {
    /* spMenuCaption */ {"&Felolvasás magyarul", "&Speak Hungarian", "Leer en &voz alta en húngaro"},
    /* spLoadingCaption */ {"&Felolvasás magyarul (betöltés…)", "&Speak Hungarian (loading…)", "Leer en &voz alta en húngaro (cargando…)"},
    /* spHint */ {"Felolvassa a magyar szöveget: minden elfogadott mondatot és minden megoldást. Ctrl+L: az utolsó mondat újra, kétszer egymás után lassabban; az első mondat előtt a szöveg.", "Reads the Hungarian aloud: each accepted sentence and each solution. Ctrl+L: the last sentence again, more slowly when pressed twice in a row; before the first sentence, the passage.", "Lee en voz alta el texto húngaro: cada oración aceptada y cada solución. Ctrl+L: la última oración otra vez, más despacio si se pulsa dos veces seguidas; antes de la primera oración, el párrafo."},
    /* spNoDispatcher */ {"A felolvasáshoz a speech-dispatcher szükséges, de nem érhető el. Telepítse a speech-dispatcher, a speech-dispatcher-espeak-ng és a qt6-speech-speechd-plugin csomagot, majd kapcsolja be újra a felolvasást.", "Speaking needs speech-dispatcher, which cannot be reached. Install the packages speech-dispatcher, speech-dispatcher-espeak-ng and qt6-speech-speechd-plugin, then turn the option on again.", "La lectura en voz alta necesita speech-dispatcher, que no responde. Instale los paquetes speech-dispatcher, speech-dispatcher-espeak-ng y qt6-speech-speechd-plugin, y vuelva a activar la opción."},
    /* spNoHungarian */ {"A speech-dispatcher nem talált magyar hangot. Telepítse a speech-dispatcher-espeak-ng csomagot, majd kapcsolja be újra a felolvasást.", "speech-dispatcher has no Hungarian voice. Install the package speech-dispatcher-espeak-ng, then turn the option on again.", "speech-dispatcher no tiene ninguna voz húngara. Instale el paquete speech-dispatcher-espeak-ng y vuelva a activar la opción."},
    /* spEngineError */ {"A beszédmotor hibát jelzett (%1). Telepítse újra a speech-dispatcher és a speech-dispatcher-espeak-ng csomagot, majd kapcsolja be újra a felolvasást.", "The speech engine reported an error (%1). Reinstall the packages speech-dispatcher and speech-dispatcher-espeak-ng, then turn the option on again.", "El motor de voz ha indicado un error (%1). Vuelva a instalar los paquetes speech-dispatcher y speech-dispatcher-espeak-ng, y vuelva a activar la opción."},
    /* spTimeLimit */ {"A speech-dispatcher %1 másodperc alatt sem válaszolt. Lehet, hogy elakadt: jelentkezzen ki és be, majd kapcsolja be újra a felolvasást.", "speech-dispatcher did not answer within %1 seconds. It may be stuck: log out and in again, then turn the option on again.", "speech-dispatcher no ha respondido en %1 segundos. Puede que esté bloqueado: cierre la sesión y vuelva a entrar, y después vuelva a activar la opción."},
};
// clang-format on

const TextTable<SpeechText, SpeechTextCount> speechTextTable{speechTextRows};

} // namespace i18n
