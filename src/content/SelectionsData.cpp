// The two selection lists, in list order. One row a line.
#include "content/Selections.h"

// clang-format off

namespace content {

const std::array<AuxChoice, 5> auxChoices = {{
    // code  list text               passage             indicator                   office-day auxiliary
    {1,      "akar",                  Passage::OfficeDay, "+ akar",                   Auxiliary::Akar},
    {2,      "fog",                   Passage::OfficeDay, "+ fog",                    Auxiliary::Fog},
    {3,      "szokott",               Passage::OfficeDay, "+ szokott",                Auxiliary::Szokott},
    {4,      "kell",                  Passage::Trip,      "+ kell",                   std::nullopt},
    {5,      "akar/tud/szokott/kell", Passage::Excursion, "+ akar/kell/szokott/tud",  std::nullopt},
}};

const std::array<Person, 6> persons = {{
    // code  list text     pronoun  group  pictogram
    {1,      "én:  1",     "én",    11,    ":/persons/en.svg"},
    {2,      "te:  2",     "te",    22,    ":/persons/te.svg"},
    {0,      "(ő:  3)",    "ő",     33,    nullptr},
    {11,     "mi:  1 1",   "mi",    11,    ":/persons/mi.svg"},
    {22,     "ti:  2 2",   "ti",    22,    ":/persons/ti.svg"},
    {33,     "(ők:  3 3)", "ők",    33,    nullptr},
}};

} // namespace content

// clang-format on
