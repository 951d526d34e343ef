#include "reference/ReferenceLayout.h"

#include <algorithm>

namespace reference {

namespace {

// Where the other controls stand, in twips: left edge and width. A list's height comes from
// its font; the plus sign and the auxiliaries list stand in the band between the base row
// and the first variant row.
struct Span
{
    int left, width;
};
constexpr Span SentenceList = {120, 5300};
constexpr Span Close = {7530, 1575};
constexpr Span Plus = {120, 450};
constexpr Span AuxList = {600, 2400};
constexpr int TopRowTop = 120;
constexpr int PlusBandTop = ReferenceLayout::rowTop(BaseSentenceRow) + ReferenceLayout::CellHeight;
constexpr int PlusBandBottom = ReferenceLayout::rowTop(FirstVariantRow);
constexpr int InstructionTop = 6165;

// Room a cell text needs beyond its own width: border, indents and a pixel of rounding.
constexpr int CellMargin = 2 * ReferenceLayout::CellFrame + 2 * ReferenceLayout::CellIndent + 2;

// Takes up to `excess` pixels from the bands of the chosen kind, each in proportion to what
// it can give; the rounding is cumulative so that the cuts add up exactly. Returns what
// was taken.
int shrink(std::vector<int> &heights, const std::vector<ReferenceLayout::Band> &bands, bool gaps,
           int excess)
{
    long long slack = 0;
    for (size_t i = 0; i < bands.size(); ++i) {
        if (bands[i].gap == gaps)
            slack += heights[i] - bands[i].least;
    }
    if (slack <= 0 || excess <= 0)
        return 0;
    const long long take = std::min<long long>(excess, slack);
    long long given = 0;
    long long taken = 0;
    for (size_t i = 0; i < bands.size(); ++i) {
        if (bands[i].gap != gaps)
            continue;
        given += heights[i] - bands[i].least;
        const long long until = (take * given + slack / 2) / slack;
        heights[i] -= int(until - taken);
        taken = until;
    }
    return int(take);
}

} // namespace

ReferenceLayout::ReferenceLayout(int zoom, const Needs &needs, QSize room)
    : m_zoom(zoom / 100.0), m_scale(widenedScale(needs)), m_auxListHeight(needs.auxListHeight)
{
    // A grid wider than the room scrolls sideways, one too tall up and down; each scroll bar
    // takes room of its own.
    const int gridWidth = x(ClientWidth);
    const int bar = needs.scrollBar;
    const int height = room.height() - (gridWidth > room.width() ? bar : 0);
    addBands(needs, std::min(gridWidth, room.width()));
    m_heights = fitHeights(m_bands, height);
    m_tops.assign(1, 0);
    for (int band : m_heights)
        m_tops.push_back(m_tops.back() + band);
    m_tall = m_tops.back() > height;
    const int needed = gridWidth + (m_tall ? bar : 0);
    m_sideways = needed > room.width();
    m_window = QSize(std::min(needed, room.width()),
                     std::min(m_tops.back() + (m_sideways ? bar : 0), room.height()));

    // The instruction line spans what the view shows.
    m_viewWidth = m_window.width() - (m_tall ? bar : 0);
    m_instructionHeight =
        std::max(m_heights[m_instructionBand], needs.instructionHeight(m_viewWidth));
    m_grid = QSize(gridWidth, m_tops[m_instructionBand] - gridTop() + m_instructionHeight);
}

// How much wider than 15 twips to a pixel the window is drawn: at least the text size,
// more where a text would not fit its control.
qreal ReferenceLayout::widenedScale(const Needs &needs) const
{
    qreal scale = m_zoom;
    for (int column = 0; column < ColumnCount; ++column) {
        const qreal nominal = qreal(ColumnWidth[column]) / TwipsPerPixel - 2 * CellFrame;
        scale = std::max(scale, (needs.columnText[column] + CellMargin) / nominal);
    }
    auto fit = [&scale](int needed, int twips) {
        scale = std::max(scale, qreal(needed) * TwipsPerPixel / twips);
    };
    fit(needs.auxList, AuxList.width);
    fit(needs.sentenceList, SentenceList.width);
    fit(needs.close, Close.width);
    fit(needs.plus.width(), Plus.width);
    return scale;
}

int ReferenceLayout::x(int twips) const
{
    return qRound(twips * m_scale / TwipsPerPixel);
}

int ReferenceLayout::y(int twips) const
{
    return qRound(twips * m_zoom / TwipsPerPixel);
}

int ReferenceLayout::addBand(int from, int to, int least, bool gap)
{
    m_bands.push_back({gap ? std::max(0, to - from) : to - from, least, gap});
    return int(m_bands.size()) - 1;
}

// The window from top to bottom in bands: their heights at this text size, and the least
// each row needs for its text. `width` is the width of the instruction line.
void ReferenceLayout::addBands(const Needs &needs, int width)
{
    auto gap = [this](int from, int to) { addBand(from, to, 0, true); };
    auto row = [this](int from, int to, int least) { return addBand(from, to, least, false); };
    const int listBottom = y(TopRowTop) + needs.topRow;

    gap(0, y(TopRowTop));
    m_topRowBand = row(0, needs.topRow, needs.topRow);
    gap(listBottom, y(rowTop(HeaderRow)));
    for (int r = HeaderRow; r < RowCount; ++r) {
        if (r == FirstVariantRow)
            m_plusBand = row(y(PlusBandTop), y(PlusBandBottom),
                             std::max(needs.auxListHeight, needs.plus.height()));
        else if (r != HeaderRow)
            gap(y(rowTop(r - 1) + CellHeight), y(rowTop(r)));
        const int text = r == HeaderRow ? needs.headerText : needs.bodyText;
        m_rowBands[r] = row(y(rowTop(r)), y(rowTop(r) + CellHeight), text + 2 * CellFrame);
    }
    gap(y(rowTop(LastRow) + CellHeight), y(InstructionTop));
    m_instructionBand = row(y(InstructionTop), y(ClientHeight), needs.instructionHeight(width));
}

// Close keeps its margin to the right edge of a window narrower than its grid, and the
// sentences list gives way.
QRect ReferenceLayout::closeButton() const
{
    const int right = x(Close.left + Close.width);
    const int width = right - x(Close.left);
    const int left = m_window.width() - (x(ClientWidth) - right) - width;
    return QRect(left, m_tops[m_topRowBand], width, m_heights[m_topRowBand]);
}

QRect ReferenceLayout::sentenceList() const
{
    const int left = x(SentenceList.left);
    const int right =
        std::min(x(SentenceList.left + SentenceList.width), closeButton().left() - left);
    return QRect(left, m_tops[m_topRowBand], right - left, m_heights[m_topRowBand]);
}

QRect ReferenceLayout::gridView() const
{
    return QRect(0, gridTop(), m_window.width(), m_window.height() - gridTop());
}

QRect ReferenceLayout::inGrid(int band, int left, int width) const
{
    return QRect(x(left), m_tops[band] - gridTop(), x(left + width) - x(left), m_heights[band]);
}

QRect ReferenceLayout::cellAt(int row, int column) const
{
    return inGrid(m_rowBands[row], ColumnLeft[column], ColumnWidth[column]);
}

QRect ReferenceLayout::plusSign() const
{
    return inGrid(m_plusBand, Plus.left, Plus.width);
}

// Centred in its band; it gives way to a view narrower than itself.
QRect ReferenceLayout::auxList() const
{
    const QRect band = inGrid(m_plusBand, AuxList.left, AuxList.width);
    const int height = std::min(m_auxListHeight, band.height());
    const int right = std::min(band.right() + 1, m_viewWidth - x(ColumnLeft[0]));
    return QRect(band.left(), band.top() + (band.height() - height) / 2, right - band.left(),
                 height);
}

QRect ReferenceLayout::instructionLine() const
{
    return QRect(0, m_tops[m_instructionBand] - gridTop(), m_viewWidth, m_instructionHeight);
}

std::vector<int> ReferenceLayout::fitHeights(const std::vector<Band> &bands, int room)
{
    std::vector<int> heights;
    int total = 0;
    for (const Band &band : bands) {
        heights.push_back(std::max(band.natural, band.least));
        total += heights.back();
    }
    int excess = total - room;
    excess -= shrink(heights, bands, true, excess);
    shrink(heights, bands, false, excess);
    return heights;
}

} // namespace reference
