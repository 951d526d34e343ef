// The feedback texts, one column per language, one row per text in the order of the
// FeedbackText enumeration. Data only: read by FeedbackTexts.cpp.

#include "i18n/FeedbackTexts.h"
#include "i18n/InterfaceTexts.h"

namespace i18n {

extern const char *const feedbackTextData[LanguageCount][FeedbackTextCount];
// clang-format off
const char *const feedbackTextData[LanguageCount][FeedbackTextCount] = {
    // Hungarian: nouns after a numeral stay singular, so both count forms are the same.
    {
        /* fbOtherPerson */ "Ez az alak ehhez a személyhez tartozik: %1. A feladatban kért személy: %2.",
        /* fbOtherAuxiliary */ "Ez az alak ehhez a segédigéhez tartozik: %1. A feladatban kért segédige: %2.",
        /* fbPlainSegment */ "Ez a mondatrész eredeti alakja. Írja át a segédige felhasználásával!",
        /* fbAccents */ "Ellenőrizze az ékezeteket (%1. szó)!",
        /* fbWordOrder */ "A szavak helyesek, de a sorrendjük hibás.",
        /* fbSpacing */ "Ellenőrizze az egybeírást és a különírást!",
        /* fbCapitals */ "Ellenőrizze a kis- és nagybetűket!",
        /* fbFirstWordsRight */ "Az első %1 szó helyes.",
        /* fbFirstWordRight */ "Az első szó helyes.",
        /* fbFirstWordWrong */ "Ellenőrizze az első szót!",
        /* fbMenuCaption */ "&Hibák magyarázata",
        /* fbAccessibleName */ "Visszajelzés",
        /* fbProgress */ "%1. mondatrész (összesen %2)",
        /* fbSummary */ "Kész: %1, %2, %3.",
        /* fbSegmentsOne */ "%1 mondatrész",
        /* fbSegmentsMany */ "%1 mondatrész",
        /* fbWrongAnswersOne */ "%1 hibás válasz",
        /* fbWrongAnswersMany */ "%1 hibás válasz",
        /* fbSolutionsShownOne */ "%1 megmutatott megoldás",
        /* fbSolutionsShownMany */ "%1 megmutatott megoldás",
    },
    // English
    {
        /* fbOtherPerson */ "That is the form for %1. The exercise asks for %2.",
        /* fbOtherAuxiliary */ "That is the form with %1. The exercise asks for %2.",
        /* fbPlainSegment */ "That is the segment as it stands. Rewrite it with the auxiliary.",
        /* fbAccents */ "Check the accents in word %1.",
        /* fbWordOrder */ "The words are right, but their order is not.",
        /* fbSpacing */ "Check which words are written together and which apart.",
        /* fbCapitals */ "Check the capital letters.",
        /* fbFirstWordsRight */ "The first %1 words are right.",
        /* fbFirstWordRight */ "The first word is right.",
        /* fbFirstWordWrong */ "Check the first word.",
        /* fbMenuCaption */ "E&xplain mistakes",
        /* fbAccessibleName */ "Feedback",
        /* fbProgress */ "Segment %1 of %2",
        /* fbSummary */ "Done: %1, %2, %3.",
        /* fbSegmentsOne */ "%1 segment",
        /* fbSegmentsMany */ "%1 segments",
        /* fbWrongAnswersOne */ "%1 wrong answer",
        /* fbWrongAnswersMany */ "%1 wrong answers",
        /* fbSolutionsShownOne */ "%1 solution shown",
        /* fbSolutionsShownMany */ "%1 solutions shown",
    },
    // Spanish
    {
        /* fbOtherPerson */ "Esa es la forma de «%1». El ejercicio pide la de «%2».",
        /* fbOtherAuxiliary */ "Esa es la forma con «%1». El ejercicio pide la de «%2».",
        /* fbPlainSegment */ "Es el segmento tal como está. Vuelva a escribirlo con el verbo auxiliar.",
        /* fbAccents */ "Revise los acentos de la palabra %1.",
        /* fbWordOrder */ "Las palabras son correctas, pero el orden no.",
        /* fbSpacing */ "Revise qué palabras se escriben juntas y cuáles separadas.",
        /* fbCapitals */ "Revise las mayúsculas y las minúsculas.",
        /* fbFirstWordsRight */ "Las %1 primeras palabras son correctas.",
        /* fbFirstWordRight */ "La primera palabra es correcta.",
        /* fbFirstWordWrong */ "Revise la primera palabra.",
        /* fbMenuCaption */ "&Explicar los errores",
        /* fbAccessibleName */ "Observaciones",
        /* fbProgress */ "Segmento %1 de %2",
        /* fbSummary */ "Terminado: %1, %2, %3.",
        /* fbSegmentsOne */ "%1 segmento",
        /* fbSegmentsMany */ "%1 segmentos",
        /* fbWrongAnswersOne */ "%1 respuesta incorrecta",
        /* fbWrongAnswersMany */ "%1 respuestas incorrectas",
        /* fbSolutionsShownOne */ "%1 solución mostrada",
        /* fbSolutionsShownMany */ "%1 soluciones mostradas",
    },
};
// clang-format on

} // namespace i18n
