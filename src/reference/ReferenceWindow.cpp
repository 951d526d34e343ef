#include "reference/ReferenceWindow.h"

#include "common/Colours.h"
#include "common/DefaultButtonRouter.h"
#include "common/EditableList.h"
#include "common/FocusRing.h"
#include "common/Settings.h"
#include "common/TextZoom.h"
#include "common/WindowFit.h"
#include "i18n/InterfaceTexts.h"
#include "i18n/ReferenceTexts.h"
#include "reference/GridCell.h"
#include "reference/GridLook.h"
#include "reference/VariantsGrid.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStyleOptionComboBox>

using namespace reference;

namespace {

// The by-sentence view uses the base row and one variant row for each auxiliary.
constexpr int LastSentenceViewRow = FirstVariantRow + AuxiliaryCount - 1;

// A caption as a screen reader should say it: "&&" is an ampersand, any other '&' only
// marks an access key or stands where it marks nothing ("&Close&").
QString withoutAccessKeys(const QString &caption)
{
    QString name;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&')
            name += caption[i];
        else if (i + 1 < caption.size() && caption[i + 1] == u'&')
            name += caption[++i];
    }
    return name;
}

// Lets screen readers see the window as a window (a plain widget is a mere filler to them)
// and the header cells as column headers. Asked before Qt's own interfaces for QWidget and
// QLabel, which would answer "filler" and "label".
QAccessibleInterface *accessibleFor(const QString &, QObject *object)
{
    if (auto *window = qobject_cast<ReferenceWindow *>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    if (auto *cell = qobject_cast<GridCell *>(object); cell && cell->isHeader())
        return new QAccessibleWidget(cell, QAccessible::ColumnHeader);
    return nullptr;
}

// Room a list's text needs beyond its own width inside the text field: the field's margins
// and a pixel of rounding on each side.
constexpr int ListTextMargin = 6;

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

// Screen readers name an editable list by its text, which is the pick once one is made, unless
// a label names it: this one is never shown.
QLabel *nameLabel(QComboBox *list)
{
    auto *label = new QLabel(list->parentWidget());
    label->setBuddy(list);
    label->hide();
    return label;
}

} // namespace

ReferenceWindow::ReferenceWindow(Settings &settings, QWidget *parent)
    : QWidget(parent, Qt::Window), m_texts(settings.texts())
{
    setObjectName(QStringLiteral("help1"));
    QAccessible::installFactory(accessibleFor);
    createControls();
    createCells();
    setTextZoom(settings.textZoom());
    connect(&settings, &Settings::textZoomChanged, this, &ReferenceWindow::setTextZoom);
    // The zoom keys step the program-wide text size, which both windows follow.
    ui::addZoomKeys(this, [&settings](int steps) { settings.zoomBy(steps); });
    layOut(ui::roomOnScreen(this));
    ui::keepOnScreenWhenShown(this, [this] { fitToScreen(); });
    ui::showFocusRing(this);

    setTabOrder(m_combo1, m_command1);
    setTabOrder(m_command1, m_combo2);

    m_router = new DefaultButtonRouter(this);
    m_router->setDefaultButton(m_command1);

    connect(m_combo1, &QComboBox::activated, this, &ReferenceWindow::Combo1_Click);
    connect(m_combo2, &QComboBox::activated, this, &ReferenceWindow::Combo2_Click);
    connect(m_command1, &QPushButton::clicked, this, &ReferenceWindow::Command1_Click);
    // Where the grid scrolls, the auxiliaries list comes into view when it takes the focus.
    // (The scroll area's own ensureWidgetVisible would only bring the text cursor into view.)
    m_focusWatch =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
            if (now != m_combo1 && !m_combo1->isAncestorOf(now))
                return;
            const QRect list = m_combo1->geometry();
            m_scroll->ensureVisible(list.center().x(), list.center().y(), list.width() / 2 + 1,
                                    list.height() / 2 + 1);
        });
}

ReferenceWindow::~ReferenceWindow()
{
    // Destroying the controls moves the focus, which must not reach a window half gone.
    disconnect(m_focusWatch);
}

void ReferenceWindow::createControls()
{
    m_combo2 = new QComboBox(this);
    m_combo2->setObjectName(QStringLiteral("Combo2"));

    m_command1 = new QPushButton(this);
    m_command1->setObjectName(QStringLiteral("Command1"));

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("gridArea"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setBackgroundRole(QPalette::Window);
    m_grid = new QWidget;
    m_scroll->setWidget(m_grid);

    m_combo1 = new QComboBox(m_grid);
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
        list->setFont(ui::font(ListFace, ListPointSize, true));
    }
    m_combo1Name = nameLabel(m_combo1);
    m_combo2Name = nameLabel(m_combo2);

    m_label2 = new QLabel(QStringLiteral("+"), m_grid);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setAlignment(Qt::AlignCenter);
    m_label2->setFont(ui::font(PlusFace, PlusPointSize, true));
    QPalette plus = m_label2->palette();
    plus.setColor(QPalette::WindowText, PlusText);
    m_label2->setPalette(plus);

    m_label3 = new QLabel(m_grid);
    m_label3->setObjectName(QStringLiteral("Label3"));
    m_label3->setAlignment(Qt::AlignCenter);
    m_label3->setWordWrap(true);
    m_label3->setTextFormat(Qt::PlainText);
    m_label3->setFont(ui::font(InstructionFace, InstructionPointSize, true));
    ui::setColours(m_label3, QColor(InstructionText), QColor(InstructionBack));
}

void ReferenceWindow::createCells()
{
    for (int index = 0; index < CellCount; ++index) {
        const int row = index / ColumnCount;
        const int column = index % ColumnCount;
        const ColumnLook &look = columnLooks[column];
        auto *label = new GridCell(row == HeaderRow, m_grid);
        label->setObjectName(QStringLiteral("Label1_%1").arg(index));
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(ReferenceLayout::CellFrame);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignCenter);
        label->setIndent(ReferenceLayout::CellIndent);
        label->setFont(
            ui::font(CellFace, row == HeaderRow ? HeaderPointSize : BodyPointSize, look.bold));
        // WindowText is the border colour, Text the colour of the letters.
        ui::setColours(label, QColor(CellBorder),
                       QColor(row == HeaderRow ? look.headerBack : look.bodyBack));
        QPalette palette = label->palette();
        palette.setColor(QPalette::Text, row == HeaderRow ? look.headerText : look.bodyText);
        label->setPalette(palette);
        label->setForegroundRole(QPalette::Text);
        if (row == HeaderRow) {
            label->setText(QString::fromUtf8(columnHeaders[column]));
            label->setAccessibleName(label->text());
        }
        m_label1[index] = label;
    }
}

// Esc closes the window as Close does, as it would a dialog. It comes here only when no
// control takes it, so Esc in an open list closes just the list.
void ReferenceWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel))
        Command1_Click();
    else
        QWidget::keyPressEvent(event);
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

void ReferenceWindow::showAuxiliary(const QString &auxiliary)
{
    showReference();
    const int item = m_combo1->findText(auxiliary);
    if (item < 0)
        return;
    m_combo1->setCurrentIndex(item);
    Combo1_Click();
}

void ReferenceWindow::Form_Load()
{
    const i18n::InterfaceTexts &texts = m_texts;

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

    // Screen readers hear the names in the language of this load.
    m_loadLanguage = texts.language();
    m_combo1->setAccessibleName(texts[i18n::capAuxiliaries]);
    m_combo2->setAccessibleName(texts[i18n::capBaseSentences]);
    m_combo1Name->setText(texts[i18n::capAuxiliaries]);
    m_combo2Name->setText(texts[i18n::capBaseSentences]);
    for (QComboBox *list : {m_combo1, m_combo2})
        list->setAccessibleDescription(texts[i18n::hintReference]);
    m_command1->setAccessibleName(withoutAccessKeys(texts[i18n::capClose]));
    m_scroll->setAccessibleName(i18n::referenceText(i18n::refGrid, m_loadLanguage));
    resetGrid();

    // Sized for the texts just set, then centred on the screen.
    layOut(ui::roomOnScreen(this));
    ui::centreOnScreen(this, size());
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
    for (int row = LastSentenceViewRow + 1; row <= LastRow; ++row)
        setRowVisible(row, false);
    setRowVisible(BaseSentenceRow, true);
    m_combo1->setCurrentIndex(-1);
    m_combo1->setEditText(m_texts[i18n::capAuxiliaries]);

    const int sentence = m_combo2->currentIndex();
    if (sentence < 0 || sentence >= SentenceCount)
        return;
    const BaseRow &base = baseRows[sentence];
    writeRow(BaseSentenceRow, base.cells);
    cellAt(BaseSentenceRow, ColB)->setAlignment(base.prefixAlign | Qt::AlignVCenter);
    cellAt(BaseSentenceRow, ColC)->setAlignment(base.verbAlign | Qt::AlignVCenter);
    for (int auxiliary = 0; auxiliary < AuxiliaryCount; ++auxiliary)
        writeRow(FirstVariantRow + auxiliary, variantRow(sentence, auxiliary));
}

void ReferenceWindow::mondat()
{
    setRowVisible(BaseSentenceRow, false);
    for (int row = LastSentenceViewRow + 1; row <= LastRow; ++row)
        setRowVisible(row, true);
    m_combo2->setCurrentIndex(-1);
    m_combo2->setEditText(m_texts[i18n::capBaseSentences]);

    const int auxiliary = m_combo1->currentIndex();
    if (auxiliary < 0 || auxiliary >= AuxiliaryCount)
        return;
    for (int sentence = 0; sentence < SentenceCount; ++sentence)
        writeRow(FirstVariantRow + sentence, variantRow(sentence, auxiliary));
}

void ReferenceWindow::writeRow(int row, const RowTexts &texts)
{
    for (int column = 0; column < ColumnCount; ++column) {
        cellAt(row, column)->setText(QString::fromUtf8(texts[column]));
        nameCell(row, column);
    }
}

void ReferenceWindow::setRowVisible(int row, bool visible)
{
    for (int column = 0; column < ColumnCount; ++column)
        cellAt(row, column)->setVisible(visible);
}

// A body cell is read out with its column: "B: haza", or "B: empty".
void ReferenceWindow::nameCell(int row, int column)
{
    const QLabel *header = cellAt(HeaderRow, column);
    QLabel *label = cellAt(row, column);
    const QString text = label->text().isEmpty()
                             ? i18n::referenceText(i18n::refEmptyCell, m_loadLanguage)
                             : label->text();
    label->setAccessibleName(header->text() + QStringLiteral(": ") + text);
}

// The grid as a freshly loaded window shows it: header row, empty centred body cells.
void ReferenceWindow::resetGrid()
{
    for (int row = BaseSentenceRow; row <= LastRow; ++row) {
        for (int column = 0; column < ColumnCount; ++column) {
            QLabel *label = cellAt(row, column);
            label->clear();
            label->setAlignment(Qt::AlignCenter);
            label->setVisible(true);
            nameCell(row, column);
        }
    }
}

void ReferenceWindow::setTextZoom(int percent)
{
    m_zoom = ui::steppedZoom(percent, 0);
    ui::applyTextZoom(this, m_zoom);
    if (isVisible())
        fitToScreen();
}

// Laid out for the room its screen leaves, and kept inside the screen.
void ReferenceWindow::fitToScreen()
{
    layOut(ui::roomOnScreen(this));
    ui::fitToScreen(this, size());
}

void ReferenceWindow::layOut(QSize room)
{
    const ReferenceLayout layout(m_zoom, needs(), room);
    m_scroll->setHorizontalScrollBarPolicy(layout.scrollsSideways() ? Qt::ScrollBarAlwaysOn
                                                                    : Qt::ScrollBarAlwaysOff);
    m_scroll->setVerticalScrollBarPolicy(layout.scrollsUpAndDown() ? Qt::ScrollBarAlwaysOn
                                                                   : Qt::ScrollBarAlwaysOff);
    setFixedSize(layout.windowSize());
    m_command1->setGeometry(layout.closeButton());
    m_combo2->setGeometry(layout.sentenceList());
    m_scroll->setGeometry(layout.gridView());
    m_grid->resize(layout.gridSize());
    m_label3->setGeometry(layout.instructionLine());
    for (int row = HeaderRow; row <= LastRow; ++row) {
        for (int column = 0; column < ColumnCount; ++column)
            cellAt(row, column)->setGeometry(layout.cellAt(row, column));
    }
    m_label2->setGeometry(layout.plusSign());
    m_combo1->setGeometry(layout.auxList());
}

// What the controls need at their present fonts: the widest text of each column among all
// the grid rows, the lists' texts in every language, Close, the plus sign and the
// instruction line.
ReferenceLayout::Needs ReferenceWindow::needs() const
{
    ReferenceLayout::Needs needs;
    for (int column = 0; column < ColumnCount; ++column) {
        const QFontMetrics header(cellAt(HeaderRow, column)->font());
        const QFontMetrics body(cellAt(BaseSentenceRow, column)->font());
        int widest = header.horizontalAdvance(QString::fromUtf8(columnHeaders[column]));
        for (int sentence = 0; sentence < SentenceCount; ++sentence) {
            widest = std::max(widest, body.horizontalAdvance(
                                          QString::fromUtf8(baseRows[sentence].cells[column])));
            for (int auxiliary = 0; auxiliary < AuxiliaryCount; ++auxiliary)
                widest = std::max(widest, body.horizontalAdvance(QString::fromUtf8(
                                              variantRow(sentence, auxiliary)[column])));
        }
        needs.columnText[column] = widest;
        needs.headerText =
            std::max(needs.headerText, cellAt(HeaderRow, column)->fontMetrics().height());
        needs.bodyText =
            std::max(needs.bodyText, cellAt(BaseSentenceRow, column)->fontMetrics().height());
    }
    needs.sentenceList = listWidthFor(m_combo2, listTexts(m_combo2, i18n::capBaseSentences));
    needs.auxList = listWidthFor(m_combo1, listTexts(m_combo1, i18n::capAuxiliaries));
    needs.close = m_command1->sizeHint().width();
    needs.topRow = std::max(m_combo2->sizeHint().height(), m_command1->sizeHint().height());
    needs.auxListHeight = m_combo1->sizeHint().height();
    const QRect plusInk = m_label2->fontMetrics().tightBoundingRect(m_label2->text());
    needs.plus = QSize(m_label2->sizeHint().width(), plusInk.height() + 2);
    needs.instructionHeight = [this](int width) { return m_label3->heightForWidth(width); };
    needs.scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scroll);
    return needs;
}
