// The feedback texts, one row per text in the order of the FeedbackText enumeration, each row
// in Hungarian, English and Spanish. Data only: read through FeedbackTexts.h.

#include "i18n/FeedbackTexts.h"

namespace i18n {

// clang-format off
constexpr TextRow feedbackTextRows[] = {
    /* fbNoAnswer */ {"Előbb írja be a válaszát!", "Type your answer first.", "Escriba primero su respuesta."},
    /* fbPunctuation */ {"Hagyja el az írásjelet: a mondatnak megvan a sajátja.", "Leave out the punctuation mark: the sentence around the gap has its own.", "Quite el signo de puntuación: la oración ya tiene el suyo."},
    /* fbOtherPerson */ {"Ez „%1” alak, de a feladat „%2” alakot kér.", "That is the form for %1. The exercise asks for %2.", "Esa es la forma de «%1», pero el ejercicio pide la de «%2»."},
    /* fbOtherAuxiliary */ {"Ez „%1” segédigés alak, de a feladat „%2” segédigét kér.", "That is the form with %1. The exercise asks for %2.", "Esa es la forma con «%1», pero el ejercicio pide «%2»."},
    /* fbPlainSegment */ {"Ez még az eredeti mondatrész. Írja át a segédigével!", "That is the segment as it stands. Rewrite it with the auxiliary.", "Ese es el segmento tal cual. Vuelva a escribirlo con el auxiliar."},
    /* fbAccents */ {"Figyeljen az ékezetekre: %1. szó.", "Check the accents in word %1.", "Revise los acentos de la palabra %1."},
    /* fbWordOrder */ {"A szavak jók, de itt más szórendet gyakorolunk.", "The words are right, but this exercise practises another order.", "Las palabras están bien, pero este ejercicio practica otro orden."},
    /* fbSpacing */ {"Figyeljen arra, mit ír egybe és mit külön!", "Check which words are written together and which apart.", "Revise qué palabras van juntas y cuáles separadas."},
    /* fbCapitals */ {"Figyeljen a kis- és nagybetűkre!", "Check the capital letters.", "Revise las mayúsculas."},
    /* fbFirstWordsRight */ {"Az első %1 szó jó.", "The first %1 words are right.", "Las %1 primeras palabras están bien."},
    /* fbFirstWordRight */ {"Az első szó jó.", "The first word is right.", "La primera palabra está bien."},
    /* fbFirstWordWrong */ {"Javítsa az első szót!", "Check the first word.", "Revise la primera palabra."},
    /* fbMenuCaption */ {"&Oktató", "T&utor", "&Tutor"},
    /* fbAccessibleName */ {"Visszajelzés", "Feedback", "Observaciones"},
    /* fbProgress */ {"%1. mondatrész (összesen %2)", "Segment %1 of %2", "Segmento %1 de %2"},
    /* fbSummary */ {"Kész: %1, %2, %3, %4, %5.", "Done: %1, %2, %3, %4, %5.", "Terminado: %1, %2, %3, %4, %5."},
    // Hungarian nouns after a numeral stay singular, so both of its count forms are the same.
    /* fbSegmentsOne */ {"%1 mondatrész", "%1 segment", "%1 segmento"},
    /* fbSegmentsMany */ {"%1 mondatrész", "%1 segments", "%1 segmentos"},
    /* fbRightFirstOne */ {"%1 elsőre jó", "%1 right at the first try", "%1 correcto a la primera"},
    /* fbRightFirstMany */ {"%1 elsőre jó", "%1 right at the first try", "%1 correctos a la primera"},
    /* fbWrongAnswersOne */ {"%1 hibás válasz", "%1 wrong answer", "%1 respuesta incorrecta"},
    /* fbWrongAnswersMany */ {"%1 hibás válasz", "%1 wrong answers", "%1 respuestas incorrectas"},
    /* fbHintsOne */ {"%1 tipp", "%1 hint", "%1 pista"},
    /* fbHintsMany */ {"%1 tipp", "%1 hints", "%1 pistas"},
    /* fbSolutionsShownOne */ {"%1 megmutatott megoldás", "%1 solution shown", "%1 solución mostrada"},
    /* fbSolutionsShownMany */ {"%1 megmutatott megoldás", "%1 solutions shown", "%1 soluciones mostradas"},
};
// clang-format on

const TextTable<FeedbackText, FeedbackTextCount> feedbackTextTable{feedbackTextRows};

} // namespace i18n
