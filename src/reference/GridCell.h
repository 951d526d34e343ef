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
    GridCell(bool header, QWidget *parent);

    // A cell of the header row, which names its column.
    bool isHeader() const { return m_header; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_header;
};

} // namespace reference
