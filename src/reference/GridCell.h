// A cell of the variants grid.
#pragma once

#include <QLabel>

namespace reference {

// A plain box frame takes the text colour; the cell draws its border in its own colour
// instead, so that white text on purple or red still sits in a black box.
class GridCell : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace reference
