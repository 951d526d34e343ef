#include "reference/ReferenceWindow.h"

#include "common/Colours.h"
#include "common/DefaultButton.h"
#include "common/EditableList.h"
#include "common/Fonts.h"
#include "i18n/InterfaceTexts.h"
#include "reference/GridLook.h"
#include "reference/VariantsGrid.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

using namespace reference;

namespace {

// Space a cell keeps between its border and its text on an aligned side.
constexpr int CellIndent = 2;
constexpr int CellFrame = 1;
// Room a cell text needs beyond its own width: border, indents and a pixel of rounding.
constexpr int CellMargin = 2 * CellFrame + 2 * CellIndent + 2;

int toPixelsY(int twips)
{
    return twips / TwipsPerPixel;
}

QFont cellFont(int row, int column)
{
    return ui::font(CellFace, row == 0 ? HeaderPointSize : BodyPointSize, columnLooks[column].bold);
}

// A grid cell. A plain box frame takes the text colour; the cell draws its border in its
// own colour instead, so that white text on purple or red still sits in a black box.
class GridCell : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QLabel::paintEvent(event);
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

} // namespace

ReferenceWindow::ReferenceWindow(const i18n::InterfaceTexts &texts, QWidget *parent)
    : QWidget(parent, Qt::Window), m_texts(texts)
{
    setObjectName(QStringLiteral("help1"));
    createControls();
    placeControls();

    setTabOrder(m_combo1, m_command1);
    setTabOrder(m_command1, m_combo2);

    m_router = new DefaultButtonRouter(this);
    m_router->setDefaultButton(m_command1);

    connect(m_combo1, &QComboBox::activated, this, &ReferenceWindow::Combo1_Click);
    connect(m_combo2, &QComboBox::activated, this, &ReferenceWindow::Combo2_Click);
    connect(m_command1, &QPushButton::clicked, this, &ReferenceWindow::Command1_Click);
}

void ReferenceWindow::createControls()
{
    const QFont listFont = ui::font(ListFace, ListPointSize, true);

    m_combo2 = new QComboBox(this);
    m_combo2->setObjectName(QStringLiteral("Combo2"));

    m_command1 = new QPushButton(this);
    m_command1->setObjectName(QStringLiteral("Command1"));

    m_combo1 = new QComboBox(this);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    QPalette red = m_combo1->palette();
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window})
        red.setColor(role, AuxListBack);
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        red.setColor(role, AuxListText);
    m_combo1->setPalette(red);

    // Both lists take picks only from their entries: typed text adds, completes and
    // selects nothing, not even when it spells an entry and the field loses the focus.
    for (QComboBox *list : {m_combo1, m_combo2}) {
        ui::makeEditableList(list);
        list->setFont(listFont);
    }

    m_label2 = new QLabel(QStringLiteral("+"), this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setFont(ui::font(PlusFace, PlusPointSize, true));
    m_label2->setAlignment(Qt::AlignCenter);
    QPalette plus = m_label2->palette();
    plus.setColor(QPalette::WindowText, PlusText);
    m_label2->setPalette(plus);

    m_label3 = new QLabel(this);
    m_label3->setObjectName(QStringLiteral("Label3"));
    m_label3->setFont(ui::font(InstructionFace, InstructionPointSize, true));
    m_label3->setAlignment(Qt::AlignCenter);
    m_label3->setWordWrap(true);
    m_label3->setTextFormat(Qt::PlainText);
    ui::setColours(m_label3, QColor(InstructionText), QColor(InstructionBack));

    for (int index = 0; index < CellCount; ++index) {
        const int row = index / ColumnCount;
        const int column = index % ColumnCount;
        const ColumnLook &look = columnLooks[column];
        auto *label = new GridCell(this);
        label->setObjectName(QStringLiteral("Label1_%1").arg(index));
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(CellFrame);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignCenter);
        label->setIndent(CellIndent);
        label->setFont(cellFont(row, column));
        // WindowText is the border colour, Text the colour of the letters.
        ui::setColours(label, QColor(CellBorder),
                       QColor(row == 0 ? look.headerBack : look.bodyBack));
        QPalette palette = label->palette();
        palette.setColor(QPalette::Text, row == 0 ? look.headerText : look.bodyText);
        label->setPalette(palette);
        label->setForegroundRole(QPalette::Text);
        if (row == 0)
            label->setText(QString::fromUtf8(columnHeaders[column]));
        m_label1[index] = label;
    }
}

// The widest text a column can show, plus its margin, against the column's nominal width.
qreal ReferenceWindow::fitScale() const
{
    std::array<int, ColumnCount> widest{};
    auto measure = [&](int row, int column, const char *text) {
        const int width =
            QFontMetrics(cellFont(row, column)).horizontalAdvance(QString::fromUtf8(text));
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
    qreal scale = 1.0;
    for (int column = 0; column < ColumnCount; ++column) {
        const qreal nominal = qreal(columnWidth[column]) / TwipsPerPixel - 2 * CellFrame;
        scale = std::max(scale, (widest[column] + CellMargin) / nominal);
    }
    return scale;
}

int ReferenceWindow::toPixelsX(int twips) const
{
    return qRound(twips * m_scale / TwipsPerPixel);
}

void ReferenceWindow::placeControls()
{
    m_scale = fitScale();
    setFixedSize(toPixelsX(ClientWidth), toPixelsY(ClientHeight));

    auto place = [this](QWidget *widget, const Rect &rect, int y, int height) {
        const int left = toPixelsX(rect.x);
        widget->setGeometry(left, y, toPixelsX(rect.x + rect.width) - left, height);
    };

    const int listHeight = m_combo2->sizeHint().height();
    place(m_combo2, sentenceListRect, toPixelsY(sentenceListRect.y), listHeight);
    place(m_command1, closeButtonRect, toPixelsY(closeButtonRect.y), listHeight);

    const int bandTop = toPixelsY(BandTop);
    const int bandHeight = toPixelsY(BandBottom) - bandTop;
    const int auxHeight = std::min(m_combo1->sizeHint().height(), bandHeight);
    place(m_combo1, auxListRect, bandTop + (bandHeight - auxHeight) / 2, auxHeight);
    place(m_label2, plusRect, toPixelsY(plusRect.y), toPixelsY(plusRect.height));
    place(m_label3, instructionRect, toPixelsY(instructionRect.y),
          toPixelsY(ClientHeight) - toPixelsY(instructionRect.y));

    for (int index = 0; index < CellCount; ++index) {
        const int row = index / ColumnCount;
        const int column = index % ColumnCount;
        const Rect rect{columnLeft[column], rowTop(row), columnWidth[column], CellHeight};
        place(m_label1[index], rect, toPixelsY(rect.y), toPixelsY(CellHeight));
    }
}

void ReferenceWindow::showReference()
{
    if (!isVisible()) {
        Form_Load();
        show();
        m_combo1->setFocus();
    } else if (isMinimized()) {
        showNormal();
    }
    raise();
    activateWindow();
}

void ReferenceWindow::Form_Load()
{
    const i18n::InterfaceTexts &texts = m_texts;

    if (QScreen *display = screen()) {
        const QRect area = display->geometry();
        move(area.x() + area.width() / 2 - width() / 2,
             area.y() + area.height() / 2 - height() / 2);
    }
    setWindowTitle(i18n::titlePrefix + texts[i18n::txtTopic]);
    m_label3->setText(texts[i18n::hintReference]);

    m_combo1->clear();
    for (const char *entry : auxiliaryEntries)
        m_combo1->addItem(QString::fromUtf8(entry));
    m_combo1->setCurrentIndex(-1);
    m_combo1->setEditText(texts[i18n::capAuxiliaries]);

    m_combo2->clear();
    for (const char *entry : sentenceEntries)
        m_combo2->addItem(QString::fromUtf8(entry));
    m_combo2->setCurrentIndex(-1);
    m_combo2->setEditText(texts[i18n::capBaseSentences]);

    m_command1->setText(texts[i18n::capClose]);
    // The placeholders name the lists for screen readers, in the language of this load.
    m_combo1->setAccessibleName(texts[i18n::capAuxiliaries]);
    m_combo2->setAccessibleName(texts[i18n::capBaseSentences]);
    for (QComboBox *list : {m_combo1, m_combo2})
        list->setAccessibleDescription(texts[i18n::hintReference]);
    resetGrid();
}

void ReferenceWindow::Combo1_Click()
{
    mondat();
}

void ReferenceWindow::Combo2_Click()
{
    segedigek();
}

void ReferenceWindow::Command1_Click()
{
    close();
}

void ReferenceWindow::segedigek()
{
    for (int row = 7; row < RowCount; ++row)
        setRowVisible(row, false);
    setRowVisible(1, true);
    m_combo1->setCurrentIndex(-1);
    m_combo1->setEditText(m_texts[i18n::capAuxiliaries]);

    const int sentence = m_combo2->currentIndex();
    if (sentence < 0 || sentence >= SentenceCount)
        return;
    const BaseRow &base = baseRows[sentence];
    writeRow(1, base.cells);
    cell(6 + ColB)->setAlignment(base.prefixAlign | Qt::AlignVCenter);
    cell(6 + ColC)->setAlignment(base.verbAlign | Qt::AlignVCenter);
    for (int auxiliary = 0; auxiliary < AuxiliaryCount; ++auxiliary)
        writeRow(2 + auxiliary, variantRow(sentence, auxiliary));
}

void ReferenceWindow::mondat()
{
    setRowVisible(1, false);
    for (int row = 7; row < RowCount; ++row)
        setRowVisible(row, true);
    m_combo2->setCurrentIndex(-1);
    m_combo2->setEditText(m_texts[i18n::capBaseSentences]);

    const int auxiliary = m_combo1->currentIndex();
    if (auxiliary < 0 || auxiliary >= AuxiliaryCount)
        return;
    for (int sentence = 0; sentence < SentenceCount; ++sentence)
        writeRow(2 + sentence, variantRow(sentence, auxiliary));
}

void ReferenceWindow::writeRow(int row, const RowTexts &texts)
{
    for (int column = 0; column < ColumnCount; ++column)
        cell(row * ColumnCount + column)->setText(QString::fromUtf8(texts[column]));
}

void ReferenceWindow::setRowVisible(int row, bool visible)
{
    for (int column = 0; column < ColumnCount; ++column)
        cell(row * ColumnCount + column)->setVisible(visible);
}

// The grid as a freshly loaded window shows it: header row, empty centred body cells.
void ReferenceWindow::resetGrid()
{
    for (int index = ColumnCount; index < CellCount; ++index) {
        QLabel *label = cell(index);
        label->clear();
        label->setAlignment(Qt::AlignCenter);
        label->setVisible(true);
    }
}
