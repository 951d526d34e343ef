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
    struct Families
    {
        const char *first;
        const char *second;
        QFont::StyleHint hint;
    };
    // In the order of Face.
    static constexpr Families families[] = {
        {"Liberation Serif", "Times New Roman", QFont::Serif},
        {"Liberation Sans", "Arial", QFont::SansSerif},
        {"Liberation Sans", "DejaVu Sans", QFont::SansSerif},
        {"Liberation Serif", "DejaVu Serif", QFont::Serif},
    };
    const Families &chosen = families[int(face)];
    QFont f;
    f.setFamilies({QLatin1String(chosen.first), QLatin1String(chosen.second)});
    f.setStyleHint(chosen.hint);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

} // namespace ui
