// Where the reference window's controls stand: its geometry in twips drawn at the text size,
// widened where a text would not fit, with its rows fitted into the room a screen leaves.
// Arithmetic only: the window measures what its controls need and puts them where this says.
#pragma once

#include "reference/ReferenceData.h"

#include <QRect>
#include <QSize>

#include <array>
#include <functional>
#include <vector>

namespace reference {

class ReferenceLayout
{
public:
    // The geometry is given in twips (1/1440 inch), drawn at 15 twips to a pixel at 100 %.
    static constexpr int TwipsPerPixel = 15;
    static constexpr int ClientWidth = 9225;
    static constexpr int ClientHeight = 6615;
    static constexpr int CellHeight = 375;
    static constexpr std::array<int, ColumnCount> ColumnLeft = {120, 1560, 2880, 4320, 5880, 7560};
    static constexpr std::array<int, ColumnCount> ColumnWidth = {1455, 1335, 1455,
                                                                 1575, 1695, 1575};
    // A cell's border and the space it keeps between border and text on an aligned side,
    // in pixels.
    static constexpr int CellFrame = 1;
    static constexpr int CellIndent = 2;

    // The top of a grid row, in twips.
    static constexpr int rowTop(int row)
    {
        return row == HeaderRow         ? 600
               : row == BaseSentenceRow ? 1080
                                        : 1920 + 480 * (row - FirstVariantRow);
    }

    // One horizontal band of the window, top to bottom: a gap between controls, or a row of
    // controls that needs at least `least` pixels for its text.
    struct Band
    {
        int natural; // its height when there is room
        int least;
        bool gap;
    };

    // What the controls need at the text size, in pixels, as the window measures them.
    struct Needs
    {
        std::array<int, ColumnCount> columnText{}; // the widest text of each column
        int headerText = 0;                        // the height of a header cell's text
        int bodyText = 0;                          // the height of a body cell's text
        int sentenceList = 0; // the width of the sentences list that shows its every text
        int auxList = 0;      // the same for the auxiliaries list
        int close = 0;        // the width of Close
        int topRow = 0;       // the height of the sentences list and Close
        int auxListHeight = 0;
        QSize plus; // the plus sign: its width, and the height its ink needs
        std::function<int(int width)> instructionHeight;
        int scrollBar = 0; // the width of a scroll bar
    };

    // The window at `zoom` percent text size for controls that need `needs`, its client area
    // at most `room`. The gaps between rows give way first, then rows down to what their
    // text needs; when even that is too big, everything below the sentences list and Close
    // scrolls, and those two stay in view.
    ReferenceLayout(int zoom, const Needs &needs, QSize room);

    // The client area, and whether the grid scrolls sideways or up and down in it.
    QSize windowSize() const { return m_window; }
    bool scrollsSideways() const { return m_sideways; }
    bool scrollsUpAndDown() const { return m_tall; }

    // In the window: the top row, and the view through which the grid scrolls.
    QRect sentenceList() const;
    QRect closeButton() const;
    QRect gridView() const;

    // In the grid that scrolls: the cells, the band with the plus sign and the auxiliaries
    // list, and the instruction line at the bottom.
    QSize gridSize() const { return m_grid; }
    QRect cellAt(int row, int column) const;
    QRect plusSign() const;
    QRect auxList() const;
    QRect instructionLine() const;

    // Heights for `bands` that add up to at most `room`: the gaps give way first, all in
    // proportion, down to nothing; then the rows, down to their least heights. When even that
    // is too much, every band has its least height and the sum stays above `room`.
    static std::vector<int> fitHeights(const std::vector<Band> &bands, int room);

private:
    qreal widenedScale(const Needs &needs) const;
    void addBands(const Needs &needs, int width);
    int addBand(int from, int to, int least, bool gap);
    int x(int twips) const;
    int y(int twips) const;
    int gridTop() const { return m_tops[m_rowBands[HeaderRow]]; }
    QRect inGrid(int band, int left, int width) const;

    qreal m_zoom;
    qreal m_scale; // horizontal: the text size, or more where a text needs it
    int m_auxListHeight;
    std::vector<Band> m_bands;
    int m_topRowBand = 0;
    std::array<int, RowCount> m_rowBands{};
    int m_plusBand = 0;
    int m_instructionBand = 0;
    std::vector<int> m_heights;
    std::vector<int> m_tops; // of every band, and the bottom of the last
    QSize m_window;
    QSize m_grid;
    int m_viewWidth = 0; // of the grid's view, less a vertical scroll bar
    int m_instructionHeight = 0;
    bool m_sideways = false;
    bool m_tall = false;
};

} // namespace reference
