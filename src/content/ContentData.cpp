// The stored texts of the three passages. One row a line; the six texts of a
// row are the persons 0, 1, 2, 11, 22, 33 (ő, én, te, mi, ti, ők).
#include "content/ContentData.h"

// clang-format off

namespace content::data {

const char *const officeDayPassage = "Reggel Edit korán kel fel. Pontosan érkezik az irodába. Délelőtt sok levelet ír. Délben lemegy a büfébe. Nem ebédel, csak egy szendvicset eszik, és egy kólát iszik. Délután 5 óráig marad bent az irodában. Azután hazamegy. Este nem marad otthon. Telefonál a barátnőjének. Együtt mennek moziba.";

const char *const tripPassage = "Pénteken Gábor Angliába utazik. Egy nemzetközi versenyen vesz részt. Csütörtök délelőtt nem megy edzésre. Pénzt vált a bankban, és elkészíti a csomagjait.  Péntek délben már Londonban tart edzést, ezért a reggeli géppel utazik. 7 órakor érkezik a repülőtérre. A verseny után azonnal hazautazik.  Hétfőn már újra itthon lesz. Edzésre megy. Készül a bajnokságra.";

const char *const excursionPassage = "Péter minden vasárnap kirándul a barátaival. Igaz, nem mennek messzire, de jól érzik magukat. A barátai ezen a héten felmennek a János-hegyre. Az egész napot a hegyen töltik, és csak este mennek haza. Sajnos Péter most nem megy velük. Otthon marad.  Dolgozik. Megjavítja a mosógépet. Talán délutánra befejezi, és akkor az esti filmet megnézi a televízióban.";

// ---- Sentence starts -----------------------------------------------------------

// Rows whose key begins a sentence of the passage.
const std::array<int, 4> officeDaySentenceStarts = {1, 4, 10, 11};
const std::array<int, 5> tripSentenceStarts = {1, 3, 7, 10, 11};
const std::array<int, 3> excursionSentenceStarts = {7, 8, 9};

// ---- Rows whose subject is a group with the person ----------------------------

const std::array<int, 1> officeDayGroupRows = {11}; // Edit and her friend
const std::array<int, 0> tripGroupRows = {};
const std::array<int, 2> excursionGroupRows = {1, 2}; // Péter and his friends

// ---- The auxiliary of each row -------------------------------------------------

const std::array<Auxiliary, RowCount> tripAuxiliaries = {
    Auxiliary::Kell, Auxiliary::Kell, Auxiliary::Kell, Auxiliary::Kell, Auxiliary::Kell, Auxiliary::Kell,
    Auxiliary::Kell, Auxiliary::Kell, Auxiliary::Kell, Auxiliary::Kell, Auxiliary::Kell, Auxiliary::Kell,
};
const std::array<Auxiliary, RowCount> excursionAuxiliaries = {
    Auxiliary::Szokott, Auxiliary::Szokott, Auxiliary::Szokott, Auxiliary::Akar, Auxiliary::Akar, Auxiliary::Akar,
    Auxiliary::Tud,     Auxiliary::Kell,    Auxiliary::Kell,    Auxiliary::Kell, Auxiliary::Tud,  Auxiliary::Tud,
};

// ---- Segments ---------------------------------------------------------------

const PersonTable officeDaySegments = {{
    {"korán kel fel", "korán kelek fel", "korán kelsz fel", "korán kelünk fel", "korán keltek fel", "korán kelnek fel"},
    {"pontosan érkezik az irodába", "pontosan érkezem az irodába", "pontosan érkezel az irodába", "pontosan érkezünk az irodába", "pontosan érkeztek az irodába", "pontosan érkeznek az irodába"},
    {"sok levelet ír", "sok levelet írok", "sok levelet írsz", "sok levelet írunk", "sok levelet írtok", "sok levelet írnak"},
    {"lemegy", "lemegyek", "lemész", "lemegyünk", "lementek", "lemennek"},
    {"nem ebédel", "nem ebédelek", "nem ebédelsz", "nem ebédelünk", "nem ebédeltek", "nem ebédelnek"},
    {"egy szendvicset eszik", "egy szendvicset eszem", "egy szendvicset eszel", "egy szendvicset eszünk", "egy szendvicset esztek", "egy szendvicset esznek"},
    {"egy kólát iszik", "egy kólát iszom", "egy kólát iszol", "egy kólát iszunk", "egy kólát isztok", "egy kólát isznak"},
    {"5 óráig marad bent", "5 óráig maradok bent", "5 óráig maradsz bent", "5 óráig maradunk bent", "5 óráig maradtok bent", "5 óráig maradnak bent"},
    {"hazamegy", "hazamegyek", "hazamész", "hazamegyünk", "hazamentek", "hazamennek"},
    {"nem marad otthon", "nem maradok otthon", "nem maradsz otthon", "nem maradunk otthon", "nem maradtok otthon", "nem maradnak otthon"},
    {"telefonál", "telefonálok", "telefonálsz", "telefonálunk", "telefonáltok", "telefonálnak"},
    {"együtt mennek moziba", "együtt megyünk moziba", "együtt mentek moziba", "együtt megyünk moziba", "együtt mentek moziba", "együtt mennek moziba"},
}};

const PersonTable tripSegments = {{
    {"Gábor Angliába utazik", "Angliába utazom", "Angliába utazol", "Angliába utazunk", "Angliába utaztok", "a lányok Angliába utaznak"},
    {"Egy versenyen vesz részt", "Egy versenyen veszek részt", "Egy versenyen veszel részt", "Egy versenyen veszünk részt", "Egy versenyen vesztek részt", "Egy versenyen vesznek részt"},
    {"nem megy edzésre", "nem megyek edzésre", "nem mész edzésre", "nem megyünk edzésre", "nem mentek edzésre", "nem mennek edzésre"},
    {"Pénzt vált", "Pénzt váltok", "Pénzt váltasz", "Pénzt váltunk", "Pénzt váltotok", "Pénzt váltanak"},
    {"elkészíti", "elkészítem", "elkészíted", "elkészítjük", "elkészítitek", "elkészítik"},
    {"Londonban tart edzést", "Londonban tartok edzést", "Londonban tartasz edzést", "Londonban tartunk edzést", "Londonban tartotok edzést", "Londonban tartanak edzést"},
    {"a reggeli géppel utazik", "a reggeli géppel utazom", "a reggeli géppel utazol", "a reggeli géppel utazunk", "a reggeli géppel utaztok", "a reggeli géppel utaznak"},
    {"Hétkor érkezik a repülőtérre", "Hétkor érkezem a repülőtérre", "Hétkor érkezel a repülőtérre", "Hétkor érkezünk a repülőtérre", "Hétkor érkeztek a repülőtérre", "Hétkor érkeznek a repülőtérre"},
    {"azonnal hazautazik", "azonnal hazautazom", "azonnal hazautazol", "azonnal hazautazunk", "azonnal hazautaztok", "azonnal hazautaznak"},
    {"újra itthon lesz", "újra itthon leszek", "újra itthon leszel", "újra itthon leszünk", "újra itthon lesztek", "újra itthon lesznek"},
    {"Edzésre megy", "Edzésre megyek", "Edzésre mész", "Edzésre megyünk", "Edzésre mentek", "Edzésre mennek"},
    {"Készül", "Készülök", "Készülsz", "Készülünk", "Készültök", "Készülnek"},
}};

const PersonTable excursionSegments = {{
    {"kirándul", "kirándulok", "kirándulsz", "kirándulunk", "kirándultok", "kirándulnak"},
    {"nem mennek messzire", "nem megyünk messzire", "nem mentek messzire", "nem megyünk messzire", "nem mentek messzire", "nem mennek messzire"},
    {"jól érzik magukat", "jól érezzük magunkat", "jól érzitek magatokat", "jól érezzük magunkat", "jól érzitek magatokat", "jól érzik magukat"},
    {"felmennek", "felmennek", "felmennek", "felmennek", "felmennek", "felmennek"},
    {"a hegyen töltik", "a hegyen töltik", "a hegyen töltik", "a hegyen töltik", "a hegyen töltik", "a hegyen töltik"},
    {"este mennek haza", "este mennek haza", "este mennek haza", "este mennek haza", "este mennek haza", "este mennek haza"},
    {"nem megy velük", "nem megyek velük", "nem mész velük", "nem megyünk velük", "nem mentek velük", "nem mennek velük"},
    {"Otthon marad", "Otthon maradok", "Otthon maradsz", "Otthon maradunk", "Otthon maradtok", "Otthon maradnak"},
    {"Dolgozik", "Dolgozom", "Dolgozol", "Dolgozunk", "Dolgoztok", "Dolgoznak"},
    {"Megjavítja", "Megjavítom", "Megjavítod", "Megjavítjuk", "Megjavítjátok", "Megjavítják"},
    {"befejezi", "befejezem", "befejezed", "befejezzük", "befejezitek", "befejezik"},
    {"megnézi", "megnézem", "megnézed", "megnézzük", "megnézitek", "megnézik"},
}};

// ---- Keys -------------------------------------------------------------------

// Office-day keys: prefix + form of akar, fog or szokott + suffix.
const std::array<KeyPattern, RowCount> officeDayKeyPatterns = {{
    {"korán ",           " felkelni"},
    {"Pontosan ",        " az irodába érkezni"},
    {"sok levelet ",     " írni"},
    {"le ",              " menni"},
    {"Nem ",             " ebédelni"},
    {"egy szendvicset ", " enni"},
    {"egy kólát ",       " inni"},
    {"5 óráig ",         " bent maradni"},
    {"haza ",            " menni"},
    {"nem ",             " otthon maradni"},
    {"Telefonálni ",     ""},
    {"Együtt ",          " moziba menni"},
}};

// By Auxiliary.
const std::array<const char *, 5> auxiliaryNames = {"akar", "fog", "szokott", "kell", "tud"};

// The auxiliaries' own forms; a row whose subject is a group uses the form of the group code.

//                      0          1          2          11          22           33
const std::array<PersonTexts, OfficeDayAuxiliaryCount> officeDayAuxiliaryForms = {{
    /* akar    */ {"akar",    "akarok",  "akarsz",  "akarunk",  "akartok",   "akarnak"},
    /* fog     */ {"fog",     "fogok",   "fogsz",   "fogunk",   "fogtok",    "fognak"},
    /* szokott */ {"szokott", "szoktam", "szoktál", "szoktunk", "szoktatok", "szoktak"},
}};

const PersonTable tripKeys = {{
    {"Gábornak Angliába kell utaznia", "Angliába kell utaznom", "Angliába kell utaznod", "Angliába kell utaznunk", "Angliába kell utaznotok", "a lányoknak Angliába kell utazniuk"},
    {"Egy versenyen kell részt vennie", "Egy versenyen kell részt vennem", "Egy versenyen kell részt venned", "Egy versenyen kell részt vennünk", "Egy versenyen kell részt vennetek", "Egy versenyen kell részt venniük"},
    {"nem kell edzésre mennie", "nem kell edzésre mennem", "nem kell edzésre menned", "nem kell edzésre mennünk", "nem kell edzésre mennetek", "nem kell edzésre menniük"},
    {"Pénzt kell váltania", "Pénzt kell váltanom", "Pénzt kell váltanod", "Pénzt kell váltanunk", "Pénzt kell váltanotok", "Pénzt kell váltaniuk"},
    {"el kell készítenie", "el kell készítenem", "el kell készítened", "el kell készítenünk", "el kell készítenetek", "el kell készíteniük"},
    {"Londonban kell edzést tartania", "Londonban kell edzést tartanom", "Londonban kell edzést tartanod", "Londonban kell edzést tartanunk", "Londonban kell edzést tartanotok", "Londonban kell edzést tartaniuk"},
    {"a reggeli géppel kell utaznia", "a reggeli géppel kell utaznom", "a reggeli géppel kell utaznod", "a reggeli géppel kell utaznunk", "a reggeli géppel kell utaznotok", "a reggeli géppel kell utazniuk"},
    {"Hétkor kell a repülőtérre érkeznie", "Hétkor kell a repülőtérre érkeznem", "Hétkor kell a repülőtérre érkezned", "Hétkor kell a repülőtérre érkeznünk", "Hétkor kell a repülőtérre érkeznetek", "Hétkor kell a repülőtérre érkezniük"},
    {"azonnal haza kell utaznia", "azonnal haza kell utaznom", "azonnal haza kell utaznod", "azonnal haza kell utaznunk", "azonnal haza kell utaznotok", "azonnal haza kell utazniuk"},
    {"újra itthon kell lennie", "újra itthon kell lennem", "újra itthon kell lenned", "újra itthon kell lennünk", "újra itthon kell lennetek", "újra itthon kell lenniük"},
    {"Edzésre kell mennie", "Edzésre kell mennem", "Edzésre kell menned", "Edzésre kell mennünk", "Edzésre kell mennetek", "Edzésre kell menniük"},
    {"Készülnie kell", "Készülnöm kell", "Készülnöd kell", "Készülnünk kell", "Készülnötök kell", "Készülniük kell"},
}};

const PersonTable excursionKeys = {{
    {"kirándulni szokott", "kirándulni szoktam", "kirándulni szoktál", "kirándulni szoktunk", "kirándulni szoktatok", "kirándulni szoktak"},
    {"nem szoktak messzire menni", "nem szoktunk messzire menni", "nem szoktatok messzire menni", "nem szoktunk messzire menni", "nem szoktatok messzire menni", "nem szoktak messzire menni"},
    {"jól szokták érezni magukat", "jól szoktuk érezni magunkat", "jól szoktátok érezni magatokat", "jól szoktuk érezni magunkat", "jól szoktátok érezni magatokat", "jól szokták érezni magukat"},
    {"fel akarnak menni", "fel akarnak menni", "fel akarnak menni", "fel akarnak menni", "fel akarnak menni", "fel akarnak menni"},
    {"a hegyen akarják tölteni", "a hegyen akarják tölteni", "a hegyen akarják tölteni", "a hegyen akarják tölteni", "a hegyen akarják tölteni", "a hegyen akarják tölteni"},
    {"este akarnak hazamenni", "este akarnak hazamenni", "este akarnak hazamenni", "este akarnak hazamenni", "este akarnak hazamenni", "este akarnak hazamenni"},
    {"nem tud velük menni", "nem tudok velük menni", "nem tudsz velük menni", "nem tudunk velük menni", "nem tudtok velük menni", "nem tudnak velük menni"},
    {"Otthon kell maradnia", "Otthon kell maradnom", "Otthon kell maradnod", "Otthon kell maradnunk", "Otthon kell maradnotok", "Otthon kell maradniuk"},
    {"Dolgoznia kell", "Dolgoznom kell", "Dolgoznod kell", "Dolgoznunk kell", "Dolgoznotok kell", "Dolgozniuk kell"},
    {"Meg kell javítania", "Meg kell javítanom", "Meg kell javítanod", "Meg kell javítanunk", "Meg kell javítanotok", "Meg kell javítaniuk"},
    {"be tudja fejezni", "be tudom fejezni", "be tudod fejezni", "be tudjuk fejezni", "be tudjátok fejezni", "be tudják fejezni"},
    {"meg tudja nézni", "meg tudom nézni", "meg tudod nézni", "meg tudjuk nézni", "meg tudjátok nézni", "meg tudják nézni"},
}};

// ---- Frames -----------------------------------------------------------------

const std::array<FrameTexts, RowCount> officeDayFrames = {{
    {"Ma reggel Edit", "."},
    {"",               "."},
    {"Délelőtt",       "."},
    {"Délben",         "a büfébe."},
    {"",               ","},
    {"csak",           ","},
    {"és",             "."},
    {"Délután",        "az irodában."},
    {"Azután",         "."},
    {"Este",           "."},
    {"",               "a barátnőjének."},
    {"",               "."},
}};

//           0                     1                2                11               22               33
const std::array<PersonTexts, OfficeDayAuxiliaryCount> officeDayFirstFrames = {{
    /* akar    */ {"Ma reggel Edit",     "Ma reggel",     "Ma reggel",     "Ma reggel",     "Ma reggel",     "Ma reggel a lányok"},
    /* fog     */ {"Holnap reggel Edit", "Holnap reggel", "Holnap reggel", "Holnap reggel", "Holnap reggel", "Holnap reggel a lányok"},
    /* szokott */ {"Reggel Edit",        "Reggel",        "Reggel",        "Reggel",        "Reggel",        "Ma reggel a lányok"},
}};

const std::array<PersonFrameTexts, 1> officeDayPersonFrames = {{
    {10, FrameSide::After, {"a barátnőjének.", "a barátnőmnek.", "a barátnődnek.", "a barátnőnknek.", "a barátnőtöknek.", "a barátnőjüknek."}},
}};

const std::array<FrameTexts, RowCount> tripFrames = {{
    {"Pénteken",           "."},
    {"",                   "."},
    {"Csütörtök délelőtt", "."},
    {"",                   "a bankban,"},
    {"és",                 "a csomagjait."},
    {"Péntek délután már", ","},
    {"ezért",              "."},
    {"",                   "."},
    {"A verseny után",     "."},
    {"Hétfőn már",         "."},
    {"",                   "."},
    {"",                   "a bajnokságra."},
}};

const std::array<PersonFrameTexts, 1> tripPersonFrames = {{
    {4, FrameSide::After, {"a csomagjait.", "a csomagjaimat.", "a csomagjaidat.", "a csomagjainkat.", "a csomagjaitokat.", "a csomagjaikat."}},
}};

const std::array<FrameTexts, RowCount> excursionFrames = {{
    {"Péter minden vasárnap",   "a barátaival."},
    {"Igaz,",                   ","},
    {"de",                      "."},
    {"A barátai ezen a héten",  "a János-hegyre."},
    {"Az egész napot",          ","},
    {"és csak",                 "."},
    {"Sajnos Péter most",       "."},
    {"",                        "."},
    {"",                        "."},
    {"",                        "a mosógépet."},
    {"Talán délutánra",         ","},
    {"és akkor az esti filmet", "a televízióban."},
}};

const std::array<PersonFrameTexts, 4> excursionPersonFrames = {{
    {0, FrameSide::Before, {"Péter minden vasárnap", "Minden vasárnap", "Minden vasárnap", "Minden vasárnap", "Minden vasárnap", "Péter minden vasárnap"}},
    {0, FrameSide::After,  {"a barátaival.", "a barátaimmal.", "a barátaiddal.", "a barátainkkal.", "a barátaitokkal.", "a barátaikkal."}},
    {3, FrameSide::Before, {"A barátai ezen a héten", "A barátaim ezen a héten is", "A barátaid ezen a héten is", "A barátaink ezen a héten is", "A barátaitok ezen a héten is", "A barátaik ezen a héten is"}},
    {6, FrameSide::Before, {"Sajnos Péter most", "Sajnos most", "Sajnos most", "Sajnos most", "Sajnos most", "Sajnos Péterék most"}},
}};

// ---- Passages ---------------------------------------------------------------

// By Passage: text, segments, whole keys, frames, sentence starts, frames by person, group
// rows, auxiliaries by row.
const std::array<PassageTexts, 3> passages = {{
    {officeDayPassage, officeDaySegments, nullptr,        officeDayFrames, rowsOf(officeDaySentenceStarts), rowsOf(officeDayPersonFrames), rowsOf(officeDayGroupRows), nullptr},
    {tripPassage,      tripSegments,      &tripKeys,      tripFrames,      rowsOf(tripSentenceStarts),      rowsOf(tripPersonFrames),      rowsOf(tripGroupRows),      &tripAuxiliaries},
    {excursionPassage, excursionSegments, &excursionKeys, excursionFrames, rowsOf(excursionSentenceStarts), rowsOf(excursionPersonFrames), rowsOf(excursionGroupRows), &excursionAuxiliaries},
}};

// clang-format on

} // namespace content::data
