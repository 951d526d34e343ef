// The sentence material of the variants grid, one row a line. Data only.
#include "reference/ReferenceData.h"

namespace reference {

// clang-format off
const BaseRow baseRows[SentenceCount] = {
    //  A        B1          B            C               C1            D                   B / C alignment
    {{ "Kati",  "",         "haza",      "megy.",        "",           ""                }, Qt::AlignRight,   Qt::AlignLeft    },
    {{ "Éva",   "",         "meg",       "írja",         "",           "a levelet."      }, Qt::AlignRight,   Qt::AlignLeft    },
    {{ "",      "",         "János",     "fordítja",     "le",         "a cikket."       }, Qt::AlignHCenter, Qt::AlignHCenter },
    {{ "",      "",         "Csak este", "olvasom",      "el",         "az újságot."     }, Qt::AlignHCenter, Qt::AlignHCenter },
    {{ "",      "Mindenki", "meg",       "érti",         "",           "a magyarázatot." }, Qt::AlignRight,   Qt::AlignLeft    },
    {{ "",      "",         "Én",        "megyek",       "veletek",    "a színházba."    }, Qt::AlignHCenter, Qt::AlignHCenter },
    {{ "Este",  "",         "",          "nem maradunk", "otthon.",    ""                }, Qt::AlignHCenter, Qt::AlignHCenter },
    {{ "",      "",         "Nem tőle",  "kéritek",      "kölcsön",    "az autóját?"     }, Qt::AlignHCenter, Qt::AlignHCenter },
    {{ "",      "",         "Mikor",     "utazol",       "külföldre?", ""                }, Qt::AlignHCenter, Qt::AlignHCenter },
};

const char *const auxiliaryForms[SentenceCount][AuxiliaryCount] = {
    //  akar           tud            kell        szokott          fog
    { "akar",        "tud",         "kell",     "szokott",       "fog"        },
    { "akarja",      "tudja",       "kell",     "szokta",        "fogja"      },
    { "akarja",      "tudja",       "kell",     "szokta",        "fogja"      },
    { "akarom",      "tudom",       "kell",     "szoktam",       "fogom"      },
    { "akarja",      "tudja",       "kell",     "szokta",        "fogja"      },
    { "akarok",      "tudok",       "kell",     "szoktam",       "fogok"      },
    { "nem akarunk", "nem tudunk",  "nem kell", "nem szoktunk",  "nem fogunk" },
    { "akarjátok",   "tudjátok",    "kell",     "szoktátok",     "fogjátok"   },
    { "akarsz",      "tudsz",       "kell",     "szoktál",       "fogsz"      },
};

const char *const infinitives[SentenceCount] = {
    "menni.",
    "írni",
    "lefordítani",
    "elolvasni",
    "érteni",
    "veletek menni",
    "otthon maradni.",
    "kölcsönkérni",
    "külföldre utazni?",
};

const char *const kellInfinitives[SentenceCount] = {
    "mennie.",
    "írnia",
    "lefordítania",
    "elolvasnom",
    "értenie",
    "veletek mennem",
    "otthon maradnunk.",
    "kölcsönkérnetek",
    "külföldre utaznod?",
};

const KellSubject kellSubjects[SentenceCount] = {
    { ColA,  "Katinak"     },
    { ColA,  "Évának"      },
    { ColB,  "Jánosnak"    },
    { -1,    nullptr       },
    { ColB1, "Mindenkinek" },
    { ColB,  "Nekem"       },
    { -1,    nullptr       },
    { -1,    nullptr       },
    { -1,    nullptr       },
};

const char *const auxiliaryEntries[AuxiliaryCount] = {
    "akar",
    "tud",
    "kell",
    "szokott",
    "fog",
};

const char *const sentenceEntries[SentenceCount] = {
    "Kati hazamegy.",
    "Éva megírja a leveleket.",
    "János fordítja le a cikket.",
    "Csak este olvasom el az újságot.",
    "Mindenki megérti a magyarázatot. ",
    "Én megyek veletek a színházba.",
    "Este nem maradunk otthon.",
    "Nem tőle kérítek kölcsön az autóját?",
    "Mikor utazol külföldre? ",
};

const char *const columnHeaders[ColumnCount] = { "A", "B1", "B", "C", "C1", "D" };
// clang-format on

} // namespace reference
