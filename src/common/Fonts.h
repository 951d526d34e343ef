// The type faces of both windows, with the stand-ins found on a Linux desktop.
#pragma once

#include <QFont>

namespace ui {

enum class Face
{
    TimesNewRoman, // Liberation Serif has the same metrics
    Arial,         // Liberation Sans has the same metrics
    MsSansSerif,   // the desktop's sans serif
    MsSerif,       // the desktop's serif
};

QFont font(Face face, qreal pointSize, bool bold = false);

} // namespace ui
