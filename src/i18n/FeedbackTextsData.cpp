// The feedback texts, one row per text in the order of the FeedbackText enumeration, each row
// in Hungarian, English and Spanish. Data only: read through FeedbackTexts.h.

#include "i18n/FeedbackTexts.h"

namespace i18n {

// clang-format off
constexpr TextRow feedbackTextRows[] = {
    /* fbOtherPerson */ {"Ez az alak ehhez a személyhez tartozik: %1. A feladatban kért személy: %2.", "That is the form for %1. The exercise asks for %2.", "Esa es la forma de «%1». El ejercicio pide la de «%2»."},
    /* fbOtherAuxiliary */ {"Ez az alak ehhez a segédigéhez tartozik: %1. A feladatban kért segédige: %2.", "That is the form with %1. The exercise asks for %2.", "Esa es la forma con «%1». El ejercicio pide la de «%2»."},
    /* fbPlainSegment */ {"Ez a mondatrész eredeti alakja. Írja át a segédige felhasználásával!", "That is the segment as it stands. Rewrite it with the auxiliary.", "Es el segmento tal como está. Vuelva a escribirlo con el verbo auxiliar."},
    /* fbAccents */ {"Ellenőrizze az ékezeteket (%1. szó)!", "Check the accents in word %1.", "Revise los acentos de la palabra %1."},
    /* fbWordOrder */ {"A szavak helyesek, de a sorrendjük hibás.", "The words are right, but their order is not.", "Las palabras son correctas, pero el orden no."},
    /* fbSpacing */ {"Ellenőrizze az egybeírást és a különírást!", "Check which words are written together and which apart.", "Revise qué palabras se escriben juntas y cuáles separadas."},
    /* fbCapitals */ {"Ellenőrizze a kis- és nagybetűket!", "Check the capital letters.", "Revise las mayúsculas y las minúsculas."},
    /* fbFirstWordsRight */ {"Az első %1 szó helyes.", "The first %1 words are right.", "Las %1 primeras palabras son correctas."},
    /* fbFirstWordRight */ {"Az első szó helyes.", "The first word is right.", "La primera palabra es correcta."},
    /* fbFirstWordWrong */ {"Ellenőrizze az első szót!", "Check the first word.", "Revise la primera palabra."},
    /* fbMenuCaption */ {"&Hibák magyarázata", "E&xplain mistakes", "&Explicar los errores"},
    /* fbAccessibleName */ {"Visszajelzés", "Feedback", "Observaciones"},
    /* fbProgress */ {"%1. mondatrész (összesen %2)", "Segment %1 of %2", "Segmento %1 de %2"},
    /* fbSummary */ {"Kész: %1, %2, %3.", "Done: %1, %2, %3.", "Terminado: %1, %2, %3."},
    // Hungarian nouns after a numeral stay singular, so both of its count forms are the same.
    /* fbSegmentsOne */ {"%1 mondatrész", "%1 segment", "%1 segmento"},
    /* fbSegmentsMany */ {"%1 mondatrész", "%1 segments", "%1 segmentos"},
    /* fbWrongAnswersOne */ {"%1 hibás válasz", "%1 wrong answer", "%1 respuesta incorrecta"},
    /* fbWrongAnswersMany */ {"%1 hibás válasz", "%1 wrong answers", "%1 respuestas incorrectas"},
    /* fbSolutionsShownOne */ {"%1 megmutatott megoldás", "%1 solution shown", "%1 solución mostrada"},
    /* fbSolutionsShownMany */ {"%1 megmutatott megoldás", "%1 solutions shown", "%1 soluciones mostradas"},
};
// clang-format on

const TextTable<FeedbackText, FeedbackTextCount> feedbackTextTable{feedbackTextRows};

} // namespace i18n
