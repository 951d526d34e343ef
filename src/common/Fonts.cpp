#include "common/Fonts.h"

#include <QStringList>

namespace ui {

// Every face is drawn from the two Liberation families that the program depends on:
// Liberation Serif and Sans have the metrics of Times New Roman and Arial, and serve
// for the old MS Serif and MS Sans Serif too. Each further family, and each family
// that is not installed, costs fontconfig substitution and fallback searches at
// start-up; the names after the first are there for desktops without Liberation.
QFont font(Face face, qreal pointSize, bool bold)
{
    QFont f;
    switch (face) {
    case Face::TimesNewRoman:
        f.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman")});
        f.setStyleHint(QFont::Serif);
        break;
    case Face::Arial:
        f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
        f.setStyleHint(QFont::SansSerif);
        break;
    case Face::MsSansSerif:
        f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
        f.setStyleHint(QFont::SansSerif);
        break;
    case Face::MsSerif:
        f.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
        f.setStyleHint(QFont::Serif);
        break;
    }
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

} // namespace ui
