// How the reference window lays itself out: fonts at its text size, a horizontal scale at
// which every text fits, and rows fitted into the height of the screen.
#include "common/WindowFit.h"
#include "reference/GridLook.h"
#include "reference/ReferenceWindow.h"
#include "reference/RowFit.h"
#include "reference/VariantsGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyleOptionComboBox>

#include <algorithm>

using namespace reference;

namespace {

// Room a cell text needs beyond its own width: border, indents and a pixel of rounding.
constexpr int CellMargin = 2 * CellFrame + 2 * CellIndent + 2;
// Room a list's text needs beyond its own width inside the text field: the field's
// margins and a pixel of rounding on each side.
constexpr int ListTextMargin = 6;
// The least frame reckoned with, also for a window that the window manager has not framed
// yet: a title bar and borders.
const QMargins AssumedFrame(4, 36, 4, 4);

// Where the rows stand among the bands of ReferenceWindow::windowBands.
constexpr int rowBand(int row)
{
    return row == 0 ? 3 : row == 1 ? 5 : 7 + 2 * (row - 2);
}
constexpr int PlusBand = 6; // between rows 1 and 2
constexpr int InstructionBand = rowBand(RowCount - 1) + 2;

QFont cellFont(int row, int column, qreal zoom)
{
    return ui::font(CellFace, (row == 0 ? HeaderPointSize : BodyPointSize) * zoom,
                    columnLooks[column].bold);
}

QFont zoomed(QFont font, qreal zoom)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * zoom);
    else
        font.setPixelSize(qRound(font.pixelSize() * zoom));
    return font;
}

// The width `list` needs to show each of `texts` whole in its text field.
int listWidthFor(const QComboBox *list, const QStringList &texts)
{
    const QFontMetrics metrics(list->font());
    int widest = 0;
    for (const QString &text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = true;
    const QSize content(widest + ListTextMargin, metrics.height());
    return list->style()->sizeFromContents(QStyle::CT_ComboBox, &option, content, list).width();
}

// A list's entries and its placeholder in every language: a pick after a language switch
// shows the placeholder of the new language.
QStringList listTexts(const QComboBox *list, i18n::Slot placeholder)
{
    QStringList texts;
    for (int entry = 0; entry < list->count(); ++entry)
        texts << list->itemText(entry);
    for (i18n::Language language : {i18n::Hungarian, i18n::English, i18n::Spanish}) {
        i18n::InterfaceTexts table;
        table.load(language);
        texts << table[placeholder];
    }
    return texts;
}

} // namespace

void ReferenceWindow::setTextZoom(int percent)
{
    m_zoom = std::clamp(percent, MinTextZoom, MaxTextZoom);
    if (isVisible()) {
        fitToArea(availableArea());
        keepOnScreen(false);
    }
}

void ReferenceWindow::applyFonts()
{
    const QFont list = ui::font(ListFace, ListPointSize * zoom(), true);
    m_combo1->setFont(list);
    m_combo2->setFont(list);
    m_command1->setFont(zoomed(QApplication::font(m_command1), zoom()));
    m_label2->setFont(ui::font(PlusFace, PlusPointSize * zoom(), true));
    m_label3->setFont(ui::font(InstructionFace, InstructionPointSize * zoom(), true));
    for (int index = 0; index < CellCount; ++index)
        cell(index)->setFont(cellFont(index / ColumnCount, index % ColumnCount, zoom()));
}

// How much wider than 15 twips to a pixel the window is drawn: at least the text size,
// more where a text would not fit its control.
qreal ReferenceWindow::fitScale() const
{
    std::array<int, ColumnCount> widest{};
    auto measure = [&](int row, int column, const char *text) {
        const int width =
            QFontMetrics(cellFont(row, column, zoom())).horizontalAdvance(QString::fromUtf8(text));
        widest[column] = std::max(widest[column], width);
    };
    for (int column = 0; column < ColumnCount; ++column) {
        measure(0, column, columnHeaders[column]);
        for (int sentence = 0; sentence < SentenceCount; ++sentence) {
            measure(1, column, baseRows[sentence].cells[column]);
            for (int auxiliary = 0; auxiliary < AuxiliaryCount; ++auxiliary)
                measure(2, column, variantRow(sentence, auxiliary)[column]);
        }
    }
    qreal scale = zoom();
    for (int column = 0; column < ColumnCount; ++column) {
        const qreal nominal = qreal(columnWidth[column]) / TwipsPerPixel - 2 * CellFrame;
        scale = std::max(scale, (widest[column] + CellMargin) / nominal);
    }
    auto fit = [&scale](int needed, int twips) {
        scale = std::max(scale, qreal(needed) * TwipsPerPixel / twips);
    };
    fit(listWidthFor(m_combo1, listTexts(m_combo1, i18n::capAuxiliaries)), auxListRect.width);
    fit(listWidthFor(m_combo2, listTexts(m_combo2, i18n::capBaseSentences)),
        sentenceListRect.width);
    fit(m_command1->sizeHint().width(), closeButtonRect.width);
    fit(m_label2->sizeHint().width(), plusRect.width);
    return scale;
}

int ReferenceWindow::toPixelsX(int twips) const
{
    return qRound(twips * m_scale / TwipsPerPixel);
}

QMargins ReferenceWindow::frameAllowance() const
{
    const QMargins frame = ui::frameOf(this);
    return QMargins(std::max(frame.left(), AssumedFrame.left()),
                    std::max(frame.top(), AssumedFrame.top()),
                    std::max(frame.right(), AssumedFrame.right()),
                    std::max(frame.bottom(), AssumedFrame.bottom()));
}

QRect ReferenceWindow::availableArea() const
{
    QScreen *display = screen() ? screen() : QGuiApplication::primaryScreen();
    return display ? display->availableGeometry() : QRect(0, 0, 1920, 1080);
}

// The window from top to bottom in bands: their heights at this text size, and the least
// each row needs for its font. `width` is the width of the instruction line.
std::vector<Band> ReferenceWindow::windowBands(int width) const
{
    auto y = [this](int twips) { return qRound(twips * zoom() / TwipsPerPixel); };
    std::vector<Band> bands;
    auto gap = [&bands](int from, int to) { bands.push_back({std::max(0, to - from), 0, true}); };
    auto row = [&bands](int from, int to, int need) { bands.push_back({to - from, need, false}); };
    auto cellNeed = [this](int row) {
        int need = 0;
        for (int column = 0; column < ColumnCount; ++column)
            need = std::max(need, cell(row * ColumnCount + column)->fontMetrics().height());
        return need + 2 * CellFrame;
    };
    const int listHeight = std::max(m_combo2->sizeHint().height(), m_command1->sizeHint().height());
    const int plusNeed =
        std::max(m_combo1->sizeHint().height(),
                 m_label2->fontMetrics().tightBoundingRect(m_label2->text()).height() + 2);

    gap(0, y(sentenceListRect.y));
    row(0, listHeight, listHeight);
    gap(y(sentenceListRect.y) + listHeight, y(rowTop(0)));
    for (int r = 0; r < RowCount; ++r) {
        if (r == 2)
            row(y(BandTop), y(BandBottom), plusNeed);
        else if (r > 0)
            gap(y(rowTop(r - 1) + CellHeight), y(rowTop(r)));
        row(y(rowTop(r)), y(rowTop(r) + CellHeight), cellNeed(r == 0 ? 0 : 1));
    }
    gap(y(rowTop(RowCount - 1) + CellHeight), y(instructionRect.y));
    row(y(instructionRect.y), y(ClientHeight), m_label3->heightForWidth(width));
    Q_ASSERT(int(bands.size()) == InstructionBand + 1);
    return bands;
}

void ReferenceWindow::fitToArea(const QRect &area)
{
    applyFonts();
    m_scale = fitScale();
    const QSize room = area.size().shrunkBy(frameAllowance());
    const int gridWidth = toPixelsX(ClientWidth);
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scroll);

    // A grid wider than the screen scrolls sideways, one too tall up and down; each scroll
    // bar takes room of its own.
    const bool wide = gridWidth > room.width();
    const int height = room.height() - (wide ? bar : 0);
    const std::vector<int> heights =
        fitHeights(windowBands(std::min(gridWidth, room.width())), height);
    std::vector<int> tops(heights.size() + 1, 0);
    for (size_t i = 0; i < heights.size(); ++i)
        tops[i + 1] = tops[i] + heights[i];
    const bool tall = tops.back() > height;
    const int needed = gridWidth + (tall ? bar : 0);
    const bool sideways = needed > room.width();
    m_scroll->setHorizontalScrollBarPolicy(sideways ? Qt::ScrollBarAlwaysOn
                                                    : Qt::ScrollBarAlwaysOff);
    m_scroll->setVerticalScrollBarPolicy(tall ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);

    const int width = std::min(needed, room.width());
    const int windowHeight = std::min(tops.back() + (sideways ? bar : 0), room.height());
    setFixedSize(width, windowHeight);
    placeTopRow(width, tops[1], heights[1]);
    const int gridTop = tops[rowBand(0)];
    m_scroll->setGeometry(0, gridTop, width, windowHeight - gridTop);

    // The instruction line spans what the scroll area shows.
    const int lineWidth = width - (tall ? bar : 0);
    const int lineTop = tops[InstructionBand] - gridTop;
    const int lineHeight = std::max(heights[InstructionBand], m_label3->heightForWidth(lineWidth));
    m_grid->resize(gridWidth, lineTop + lineHeight);
    m_label3->setGeometry(0, lineTop, lineWidth, lineHeight);
    std::array<int, RowCount> rowTops{};
    std::array<int, RowCount> rowHeights{};
    for (int r = 0; r < RowCount; ++r) {
        rowTops[r] = tops[rowBand(r)] - gridTop;
        rowHeights[r] = heights[rowBand(r)];
    }
    placeGrid(rowTops, rowHeights, tops[PlusBand] - gridTop, heights[PlusBand], lineWidth);
}

// Close keeps its margin to the right edge of a window narrower than its grid, and the
// sentences list gives way.
void ReferenceWindow::placeTopRow(int width, int top, int height)
{
    const int closeRight = toPixelsX(closeButtonRect.x + closeButtonRect.width);
    const int closeWidth = closeRight - toPixelsX(closeButtonRect.x);
    const int closeLeft = width - (toPixelsX(ClientWidth) - closeRight) - closeWidth;
    m_command1->setGeometry(closeLeft, top, closeWidth, height);
    const int listLeft = toPixelsX(sentenceListRect.x);
    const int listRight =
        std::min(toPixelsX(sentenceListRect.x + sentenceListRect.width), closeLeft - listLeft);
    m_combo2->setGeometry(listLeft, top, listRight - listLeft, height);
}

void ReferenceWindow::placeGrid(const std::array<int, reference::RowCount> &tops,
                                const std::array<int, reference::RowCount> &heights, int bandTop,
                                int bandHeight, int viewWidth)
{
    auto place = [this](QWidget *widget, int x, int width, int top, int height) {
        const int left = toPixelsX(x);
        widget->setGeometry(left, top, toPixelsX(x + width) - left, height);
    };
    for (int index = 0; index < CellCount; ++index) {
        const int row = index / ColumnCount;
        const int column = index % ColumnCount;
        place(cell(index), columnLeft[column], columnWidth[column], tops[row], heights[row]);
    }
    place(m_label2, plusRect.x, plusRect.width, bandTop, bandHeight);
    // The auxiliaries list gives way to a view narrower than itself.
    const int listHeight = std::min(m_combo1->sizeHint().height(), bandHeight);
    const int listLeft = toPixelsX(auxListRect.x);
    const int listRight =
        std::min(toPixelsX(auxListRect.x + auxListRect.width), viewWidth - cell(0)->x());
    m_combo1->setGeometry(listLeft, bandTop + (bandHeight - listHeight) / 2, listRight - listLeft,
                          listHeight);
}

// Centred on the screen, or where it stands, but always inside the available area.
void ReferenceWindow::keepOnScreen(bool centre)
{
    const QRect area = availableArea();
    QPoint at = pos();
    if (centre) {
        const QRect whole = screen() ? screen()->geometry() : area;
        at = QPoint(whole.x() + whole.width() / 2 - width() / 2,
                    whole.y() + whole.height() / 2 - height() / 2);
    }
    move(ui::keptInside(at, size().grownBy(frameAllowance()), area));
}
