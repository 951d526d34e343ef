// The type faces of both windows, with the stand-ins found on a Linux desktop.
#pragma once

#include <QFont>

namespace ui {

enum class Face
{
    TimesNewRoman, // Liberation Serif has the same metrics
    Arial,         // Liberation Sans has the same metrics
    MsSansSerif,   // a sans serif: Liberation Sans, else DejaVu Sans
    MsSerif,       // a serif: Liberation Serif, else DejaVu Serif
};

QFont font(Face face, qreal pointSize, bool bold = false);

} // namespace ui
