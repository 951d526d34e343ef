#include "i18n/TextTable.h"

namespace {

enum Colour
{
    red,
    green,
    ColourCount
};

constexpr i18n::TextRow rows[] = {
    {"piros", "red", "rojo"},
};

} // namespace

const i18n::TextTable<Colour, ColourCount> colourTable{rows};
