#include "reference/ReferenceWindow.h"

#include "common/Colours.h"
#include "common/DefaultButtonRouter.h"
#include "common/EditableList.h"
#include "common/FocusRing.h"
#include "common/Settings.h"
#include "common/TextZoom.h"
#include "i18n/InterfaceTexts.h"
#include "i18n/ReferenceTexts.h"
#include "reference/GridCell.h"
#include "reference/GridLook.h"
#include "reference/VariantsGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

using namespace reference;

namespace {

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

} // namespace

ReferenceWindow::ReferenceWindow(Settings &settings, QWidget *parent)
    : QWidget(parent, Qt::Window), m_texts(settings.texts())
{
    setObjectName(QStringLiteral("help1"));
    installAccessibility();
    createControls();
    createCells();
    setTextZoom(settings.textZoom());
    connect(&settings, &Settings::textZoomChanged, this, &ReferenceWindow::setTextZoom);
    ui::addZoomKeys(this, [&settings](int steps) { settings.zoomBy(steps); });
    fitToArea(availableArea());
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
    for (QComboBox *list : {m_combo1, m_combo2})
        ui::makeEditableList(list);

    m_label2 = new QLabel(QStringLiteral("+"), m_grid);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setAlignment(Qt::AlignCenter);
    QPalette plus = m_label2->palette();
    plus.setColor(QPalette::WindowText, PlusText);
    m_label2->setPalette(plus);

    m_label3 = new QLabel(m_grid);
    m_label3->setObjectName(QStringLiteral("Label3"));
    m_label3->setAlignment(Qt::AlignCenter);
    m_label3->setWordWrap(true);
    m_label3->setTextFormat(Qt::PlainText);
    ui::setColours(m_label3, QColor(InstructionText), QColor(InstructionBack));
}

void ReferenceWindow::createCells()
{
    for (int index = 0; index < CellCount; ++index) {
        const int row = index / ColumnCount;
        const int column = index % ColumnCount;
        const ColumnLook &look = columnLooks[column];
        auto *label = new GridCell(row == 0, m_grid);
        label->setObjectName(QStringLiteral("Label1_%1").arg(index));
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(CellFrame);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignCenter);
        label->setIndent(CellIndent);
        // WindowText is the border colour, Text the colour of the letters.
        ui::setColours(label, QColor(CellBorder),
                       QColor(row == 0 ? look.headerBack : look.bodyBack));
        QPalette palette = label->palette();
        palette.setColor(QPalette::Text, row == 0 ? look.headerText : look.bodyText);
        label->setPalette(palette);
        label->setForegroundRole(QPalette::Text);
        if (row == 0) {
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
    for (QComboBox *list : {m_combo1, m_combo2})
        list->setAccessibleDescription(texts[i18n::hintReference]);
    m_command1->setAccessibleName(withoutAccessKeys(texts[i18n::capClose]));
    m_scroll->setAccessibleName(i18n::referenceText(i18n::refGrid, m_loadLanguage));
    resetGrid();

    // Sized for the texts just set, then centred on the screen.
    fitToArea(availableArea());
    keepOnScreen(true);
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
    for (int column = 0; column < ColumnCount; ++column) {
        cell(row * ColumnCount + column)->setText(QString::fromUtf8(texts[column]));
        nameCell(row * ColumnCount + column);
    }
}

void ReferenceWindow::setRowVisible(int row, bool visible)
{
    for (int column = 0; column < ColumnCount; ++column)
        cell(row * ColumnCount + column)->setVisible(visible);
}

// A body cell is read out with its column: "B: haza", or "B: empty".
void ReferenceWindow::nameCell(int index)
{
    const QLabel *header = cell(index % ColumnCount);
    QLabel *label = cell(index);
    const QString text = label->text().isEmpty()
                             ? i18n::referenceText(i18n::refEmptyCell, m_loadLanguage)
                             : label->text();
    label->setAccessibleName(header->text() + QStringLiteral(": ") + text);
}

// The grid as a freshly loaded window shows it: header row, empty centred body cells.
void ReferenceWindow::resetGrid()
{
    for (int index = ColumnCount; index < CellCount; ++index) {
        QLabel *label = cell(index);
        label->clear();
        label->setAlignment(Qt::AlignCenter);
        label->setVisible(true);
        nameCell(index);
    }
}
