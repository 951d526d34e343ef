#include "common/Fonts.h"

#include <QStringList>

namespace ui {

QFont font(Face face, qreal pointSize, bool bold)
{
    QFont f;
    switch (face) {
    case Face::TimesNewRoman:
        f.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
        f.setStyleHint(QFont::Serif);
        break;
    case Face::Arial:
        f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
        f.setStyleHint(QFont::SansSerif);
        break;
    case Face::MsSansSerif:
        f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"),
                       QStringLiteral("Liberation Sans")});
        f.setStyleHint(QFont::SansSerif);
        break;
    case Face::MsSerif:
        f.setFamilies({QStringLiteral("MS Serif"), QStringLiteral("DejaVu Serif"),
                       QStringLiteral("Liberation Serif")});
        f.setStyleHint(QFont::Serif);
        break;
    }
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

} // namespace ui
