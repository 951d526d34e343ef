// The interface texts, one row per slot in the order of the Slot enumeration, each row in
// Hungarian, English and Spanish. Data only: read by InterfaceTexts.cpp.

#include "i18n/InterfaceTexts.h"

namespace i18n {

// clang-format off
constexpr TextRow interfaceTextRows[] = {
    /* txtInstruction */ {"Olvassa el az alábbi szöveget! Kattintson a \"Start\" gombra, és  írja át a szöveget mondatonként a kiválasztott modális segédige felhasználásával a megfelelő számban és személyben!", "Read the passage below. Then click on the \"Start\" button and rewrite the passage  phrase by phrase using the selected modal. Pay attention to the person and number of the subject.", "Lea el párrafo. A continuación, pulse sobre el botón \"Comenzar\" y transcriba el parrafo frase por frase utilizando el verbo auxiliar modal elegido. Preste atención a la persona y el número del sujeto."},
    /* txtTitle */ {"Nyelvtani gyakorlatok: (Modális) segédigék és a szórend", "Grammar exercises:  (Modal) auxiliaries and word order", "Ejercicios gramaticales: Verbos auxiliares (modales) y el orden de palabras"},
    /* txtTopic */ {"(Modális) segédigék és a szórend", "(Modal) auxiliaries and word order", "Verbos auxiliares (modales) y el orden de palabras"},
    /* msgWrong */ {"Téves. Próbálja meg újra! Figyeljen a szórendre és a helyesírásra!", "It's wrong. Try again. Pay attention to the word order and to the spelling too.", "No es correcto. Pruébelo de nuevo. Preste atención al orden de palabras y a la ortografía."},
    /* hintChar */ {"Ha látni akarja, hogyan írhatja be az ékezetes magánhangzókat (á, é etc.) az angol billentyűzeten, kattintson a \"Char\" gombra! Ha el akarja rejteni a karakterlistát, kattintson újra!", "Click here to see how to type the special Hungarian characters (á, é etc.) on an English keyboard. If you want this information to desappear, click again.", "Si quiere ver cómo escribir las vocales húngaras con acento gráfico (á, é, etc.) en un teclado inglés, pulse sobre el botón \"Char\". Si desea ocultar de nuevo la lista, vuelva a hacer clic."},
    /* hintSolution */ {"Ha meg akarja nézni a helyes megoldást, kattintson ide!", "If you want to see the correct solution, click here.", "Si quiere ver la solución correcta, haga clic aquí."},
    /* hintNext */ {"A megoldás ellenőrzéséhez és a következő mondatra való továbblépéshez kattintson erre a gombra!", "To check your solution and go on to the next sentence, click on this button or press \"Enter\".", "Para comprobar su solución y pasar a la oración siguiente, haga clic sobre este botón."},
    /* hintReference */ {"Válassza ki az \"Alapmondatok\" közül azt, amelynek segédigés változatait látni akarja, vagy a \"Segédigék\" közül azt, amelynek használatát több mondaton szeretné megnézni!", "In the \"Base sentences\" list select a sentence to see its variants with auxiliaries, or choose an auxiliary from the \"Auxiliaries\"  list to see its use on different base sentences.", "Elija una \"Oración de base\" para ver sus variantes con diferentes verbos auxiliares, o elija un verbo auxiliar para ver su uso con diferentes oraciones de base."},
    /* msgSolutionPrefix */ {"A helyes megoldás: ", "The correct solution is: ", "La solución correcta es: "},
    /* hintAux */ {"Ezt a segédigét kell használnia.", "This is the auxiliary you have to use.", "Es este el auxiliar que debe usar."},
    /* hintAnswer */ {"Írja be a megoldást ebbe a mezőbe, és kattintson a \"Tovább\" gombra, vagy nyomja le az \"Enter\" billentyűt!", "Type your solution into this text field and click on the \"Next\" button or press \"Enter\".", "Introduzca su solución en esta casilla, luego haga clic sobre el botón \"Comprobar\" o pulse sobre \"Enter\"."},
    /* hintPerson */ {"Ez az választott alany személye és száma.", "This is the person (and number) of the subject you have selected.", "Estos son el número y la persona del sujeto elegido."},
    /* msgNotStarted */ {"Először el kell indítania a gyakorlatot. (Kattintson a \"Start\" gombra!)", "First you have to start the exercice. (Click on the \"Start\" button.)", "Primero hay que empezar el ejercicio. Haga clic sobre el botón \"Comenzar\"."},
    /* msgCapitals */ {"Figyeljen a mondatkezdő nagybetűkre!", "Pay attention to capital letters.", "Preste atención a las letras mayúsculas al comenzar una oración."},
    /* msgLocked */ {"A beállításokat csak a már megkezdett gyakorlat befejezése után változtathatja meg.", "Sorry. You cannot change settings before completing the current exercise.", "Las opciones se podrán modificar sólo después de terminarse  el ejercicio ya comenzado."},
    /* hintAuxList */ {"Válassza ki a segédigét (segédigéket), amellyel (amellyekkel) el akarja végezni a gyakorlatot!", "Select the auxiliary (or the set of auxiliaries) you want to practice with.", "Elija el verbo auxiliar (o los verbos auxiliares) cuyo uso desea practicar."},
    /* hintPersonList */ {"Válassza ki a nyelvtani alany számát és személyét!", "Select the person (and number) of the grammatical subject you want to use.", "Elija la persona y el número del sujeto que desea usar."},
    /* msgFinished */ {"A gyakorlat véget ért. Ha szeretné újra elvégezni, kattintson a \"Start\" gombra! Ha más segédigével vagy személlyel szeretné a gyakorlást folytatni, válassza ki a kívánt elemet a listákon, majd kattintson a \"Start\" gombra!", "The exercise has been accomplished. To restart it, just click again on the \"Start\" button. If you want to practise with another modal or person, first select them in the lists, then click on the \"Start\" button.", "El ejercicio ha terminado. Si quiere recomenzarlo, haga clic sobre el botón \"Comenzar\". Si desea hacer el ejercicio con otro verbo auxiliar u otra persona, elíjalos en las listas de arriba y haga clic sobre el botón \"Comenzar\"."},
    /* capStart */ {"&Start", "&Start", "&Comenzar"},
    /* capSolution */ {"&Megoldás", "S&olution", "&Solución"},
    /* capNext */ {"&Tovább", "&Check it", "C&omprobar"},
    /* capAuxLabel */ {"Segédigék", "Auxiliaries:", "Auxiliares:"},
    /* capPersonLabel */ {"Személyek", "Persons:", "Personas:"},
    /* capFile */ {"&Fájl", "&File", "&Archivo"},
    /* hintStart */ {"Miután kiválasztotta a segédigét (akar, szokott stb.) és megadta a nyelvtani személyt (és számot) melyet használni akar (én: 1; te: 2; mi: 11 stb.), kattintson ide a gyakorlat megkezdéséhez!", "After selecting the auxiliary (akar, szokott, etc.) and the person of the grammatical subject (én:1; te: 2;  11: mi; etc.) , click here to begin the exercice.", "Después de elegir el verbo auxiliar (akar, szokott, etc.) y la persona gramatical que desea utilizar (én:1; te: 2;  11: mi; etc.), haga click aquí para empezar el ejercicio."},
    /* capOptions */ {"&Beállítások", "&Options", "&Opciones"},
    /* capHelp */ {"Sú&gó", "Help", "&Ayuda"},
    /* capHelpTopic */ {"(Modális) segédigék és a szórend", "(Modal) auxiliaries and word order", "Verbos auxiliares (modales) y el orden de palabras"},
    /* capExit */ {"&Kilép", "&Exit", "&Salir"},
    /* capClose */ {"&Bezár", "&Close&", "&Cerrar"},
    /* capWorkLang */ {"Munkanyelv", "Dilago language", "Lengua de trabajo"},
    /* capHungarian */ {"&Magyar", "&Hungarian", "&Húngaro"},
    /* capEnglish */ {"&Angol", "&English", "&Inglés"},
    /* capSpanish */ {"&Spanyol", "&Spanish", "&Español"},
    /* capOnTop */ {"Mindig felül", "OnTop", "Siempre encima"},
    /* capHowTo */ {"Hogyan...", "How to...", "Cómo..."},
    /* capAuxiliaries */ {"Segédigék", "Auxiliaries", "Verbos auxiliares"},
    /* capBaseSentences */ {"Alapmondatok", "Base sentences", "Oraciones de base"},
};
// clang-format on

const TextTable<Slot, SlotCount> interfaceTextTable{interfaceTextRows};

} // namespace i18n
