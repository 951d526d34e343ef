// The reference window driven as a learner drives it: picks in its two lists, typing,
// Enter, Close, and opening it again while it is open or after it was closed.
#include "NothingCut.h"
#include "common/Settings.h"

#include "i18n/InterfaceTexts.h"
#include "reference/ReferenceLayout.h"
#include "reference/ReferenceWindow.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalSpy>
#include <QStyleOptionComboBox>
#include <QTest>

#include <memory>

using namespace reference;

namespace {

QStringList texts(std::initializer_list<const char *> utf8)
{
    QStringList list;
    for (const char *text : utf8)
        list << QString::fromUtf8(text);
    return list;
}

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

} // namespace

class TestReference : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_window.reset(); }

    void opensFresh_data();
    void opensFresh();
    void sentenceViewMatchesTheExampleAndAligns();
    void kellTurnsTheSubjectsDative();
    void eachViewShowsItsRowsAndResetsTheOtherList();
    void typingSelectsNothingAndEnterCloses_data();
    void typingSelectsNothingAndEnterCloses();
    void openingAgainAfterLanguageSwitch();
    void everyTextFits();
    void everyControlIsNamedInTheLoadLanguage_data();
    void everyControlIsNamedInTheLoadLanguage();
    void escapeCloses_data();
    void escapeCloses();
    void zoomKeysStepTheProgramWideLevel_data();
    void zoomKeysStepTheProgramWideLevel();
    void zoomedTextFitsAFullHdScreen_data();
    void zoomedTextFitsAFullHdScreen();
    void fitsASmallScreen_data();
    void fitsASmallScreen();

private:
    void open();
    void pick(QComboBox *list, int entry);
    QString text(int row, int column) const { return m_window->cellAt(row, column)->text(); }
    QStringList row(int row) const;
    bool rowShown(int row) const { return !m_window->cellAt(row, ColA)->isHidden(); }
    QStringList grid() const;
    bool bodyEmptyAndShown() const;
    void verifyNothingCut(const QString &when) const;
    void verifyEveryEntryFits();
    QScrollArea *gridArea() const
    {
        return m_window->findChild<QScrollArea *>(QStringLiteral("gridArea"));
    }

    // The window reads the texts of these settings, as it reads the program's.
    void useLanguage(i18n::Language language)
    {
        m_settings->setLanguage(language);
        m_settings->loadInterfaceTexts();
    }

    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<ReferenceWindow> m_window;
    QComboBox *m_auxList = nullptr;
    QComboBox *m_sentenceList = nullptr;
};

void TestReference::init()
{
    m_settings = std::make_unique<Settings>();
    useLanguage(i18n::Hungarian);
    m_window = std::make_unique<ReferenceWindow>(*m_settings);
    m_auxList = m_window->findChild<QComboBox *>(QStringLiteral("Combo1"));
    m_sentenceList = m_window->findChild<QComboBox *>(QStringLiteral("Combo2"));
    open();
}

void TestReference::open()
{
    m_window->showReference();
    // A list's closed popup may still count as the active window for a moment.
    QTRY_COMPARE(QApplication::activeWindow(), m_window.get());
}

// Opens the list's popup with a click on its arrow and clicks the entry.
void TestReference::pick(QComboBox *list, int entry)
{
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = true;
    const QRect arrow =
        list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, list);
    QTest::mouseClick(list, Qt::LeftButton, {}, arrow.center());
    QAbstractItemView *view = list->view();
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    // The popup ignores a release that comes within a double-click time of its opening.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    const QPoint item = view->visualRect(list->model()->index(entry, 0)).center();
    QTest::mouseMove(view->viewport(), item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item);
    QTRY_VERIFY(!view->window()->isVisible());
}

QStringList TestReference::row(int row) const
{
    QStringList cells;
    for (int column = 0; column < ColumnCount; ++column)
        cells << text(row, column);
    return cells;
}

QStringList TestReference::grid() const
{
    QStringList cells;
    for (int index = 0; index < RowCount; ++index)
        cells << row(index) << QString::number(rowShown(index));
    return cells;
}

bool TestReference::bodyEmptyAndShown() const
{
    for (int row = BaseSentenceRow; row <= LastRow; ++row) {
        for (int column = 0; column < ColumnCount; ++column) {
            const QLabel *cell = m_window->cellAt(row, column);
            if (!cell->text().isEmpty() || cell->isHidden() || cell->alignment() != Qt::AlignCenter)
                return false;
        }
    }
    return true;
}

void TestReference::opensFresh_data()
{
    QTest::addColumn<QString>("before");
    QTest::addRow("first opening") << QString();
    QTest::addRow("after Close button") << QStringLiteral("click");
    QTest::addRow("after Enter") << QStringLiteral("enter");
    QTest::addRow("after close box") << QStringLiteral("box");
}

// Every opening loads the window afresh, in the language current at that moment.
void TestReference::opensFresh()
{
    QFETCH(QString, before);
    auto *closeButton = m_window->findChild<QPushButton *>(QStringLiteral("Command1"));
    if (!before.isEmpty()) {
        pick(m_sentenceList, 0); // leaves the base row right/left aligned
        pick(m_auxList, Kell);   // and hides it
        if (before == QLatin1String("click"))
            QTest::mouseClick(closeButton, Qt::LeftButton);
        else if (before == QLatin1String("enter"))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        else
            m_window->close();
        QTRY_VERIFY(!m_window->isVisible());
        QVERIFY(!m_window->testAttribute(Qt::WA_DeleteOnClose));
        useLanguage(i18n::English);
        open();
    }
    const i18n::InterfaceTexts &table = m_settings->texts();
    QCOMPARE(m_window->windowTitle(), i18n::titlePrefix + table[i18n::txtTopic]);
    QCOMPARE(closeButton->text(), table[i18n::capClose]);
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("Label3"))->text(),
             table[i18n::hintReference]);
    QCOMPARE(m_auxList->currentText(), table[i18n::capAuxiliaries]);
    QCOMPARE(m_sentenceList->currentText(), table[i18n::capBaseSentences]);
    QCOMPARE(m_auxList->currentIndex(), -1);
    QCOMPARE(m_sentenceList->currentIndex(), -1);
    QCOMPARE(m_auxList->count(), AuxiliaryCount);
    QCOMPARE(m_sentenceList->count(), SentenceCount);
    QCOMPARE(row(0), texts({"A", "B1", "B", "C", "C1", "D"}));
    QVERIFY(rowShown(0));
    QVERIFY(bodyEmptyAndShown());

    // Focus starts in the auxiliaries list; Tab goes on to Close, then to the sentences.
    QCOMPARE(QApplication::focusWidget(), m_auxList);
    QTest::keyClick(m_auxList, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), closeButton);
    QTest::keyClick(closeButton, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_sentenceList);
}

void TestReference::sentenceViewMatchesTheExampleAndAligns()
{
    pick(m_sentenceList, 2);
    const QList<QStringList> expected = {
        texts({"", "", "János", "fordítja", "le", "a cikket."}),
        texts({"", "", "János", "akarja", "lefordítani", "a cikket."}),
        texts({"", "", "János", "tudja", "lefordítani", "a cikket."}),
        texts({"", "", "Jánosnak", "kell", "lefordítania", "a cikket."}),
        texts({"", "", "János", "szokta", "lefordítani", "a cikket."}),
        texts({"", "", "János", "fogja", "lefordítani", "a cikket."}),
    };
    for (int index = 1; index <= 6; ++index) {
        QCOMPARE(row(index), expected[index - 1]);
        QVERIFY(rowShown(index));
    }
    for (int index = 7; index < RowCount; ++index)
        QVERIFY(!rowShown(index));
    QLabel *prefix = m_window->cellAt(BaseSentenceRow, ColB);
    QLabel *verb = m_window->cellAt(BaseSentenceRow, ColC);
    QCOMPARE(prefix->alignment(), Qt::AlignCenter);
    QCOMPARE(verb->alignment(), Qt::AlignCenter);

    // White letters on purple, in a black box like every other cell.
    const QImage image = prefix->grab().toImage();
    QCOMPARE(QColor(image.pixel(0, image.height() / 2)), QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(2, 2)), QColor(128, 0, 128));

    // A prefix right before its verb is pushed against it; each sentence sets both cells.
    pick(m_sentenceList, 0);
    QCOMPARE(prefix->text() + verb->text(), QStringLiteral("hazamegy."));
    QCOMPARE(prefix->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(verb->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
    pick(m_sentenceList, 2);
    QCOMPARE(prefix->alignment(), Qt::AlignCenter);
    QCOMPARE(verb->alignment(), Qt::AlignCenter);

    // The by-auxiliary view leaves the hidden base row alone; variant rows stay centred.
    pick(m_sentenceList, 4);
    pick(m_auxList, Akar);
    QCOMPARE(prefix->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    for (int row = FirstVariantRow; row <= LastRow; ++row) {
        for (int column = 0; column < ColumnCount; ++column)
            QCOMPARE(m_window->cellAt(row, column)->alignment(), Qt::AlignCenter);
    }
}

void TestReference::kellTurnsTheSubjectsDative()
{
    pick(m_auxList, Akar);
    const QStringList withAkar = grid();

    pick(m_auxList, Kell);
    QCOMPARE(m_auxList->currentText(), QStringLiteral("kell"));
    QCOMPARE(text(2, ColA), QStringLiteral("Katinak"));
    QCOMPARE(text(3, ColA), QStringLiteral("Évának"));
    QCOMPARE(text(4, ColB), QStringLiteral("Jánosnak"));
    QCOMPARE(text(6, ColB1), QStringLiteral("Mindenkinek"));
    QCOMPARE(text(7, ColB), QStringLiteral("Nekem"));
    QCOMPARE(text(8, ColC), QStringLiteral("nem kell"));

    // Rows without a written subject differ only in the auxiliary and the infinitive.
    const QStringList withKell = grid();
    for (int index : {5, 8, 9, 10}) {
        for (int column = 0; column <= ColumnCount; ++column) {
            const int at = index * (ColumnCount + 1) + column;
            QCOMPARE(withKell[at] != withAkar[at], column == ColC || column == ColC1);
        }
    }

    pick(m_auxList, Kell);
    QCOMPARE(grid(), withKell);
}

void TestReference::eachViewShowsItsRowsAndResetsTheOtherList()
{
    pick(m_auxList, Fog);
    QVERIFY(!rowShown(1));
    for (int index = 2; index < RowCount; ++index)
        QVERIFY(rowShown(index));
    QCOMPARE(m_sentenceList->currentText(), QStringLiteral("Alapmondatok"));
    QCOMPARE(text(10, ColC1), QStringLiteral("külföldre utazni?"));

    pick(m_sentenceList, 6);
    QCOMPARE(m_sentenceList->currentText(), QStringLiteral("Este nem maradunk otthon."));
    QCOMPARE(m_auxList->currentText(), QStringLiteral("Segédigék"));
    QCOMPARE(m_auxList->currentIndex(), -1);
    for (int index = 0; index < RowCount; ++index)
        QCOMPARE(rowShown(index), index <= 6);
    QCOMPARE(text(6, ColC), QStringLiteral("nem fogunk"));
    QCOMPARE(text(10, ColC1), QStringLiteral("külföldre utazni?")); // hidden, not cleared

    pick(m_auxList, Tud);
    QCOMPARE(m_sentenceList->currentIndex(), -1);
    QCOMPARE(m_sentenceList->currentText(), QStringLiteral("Alapmondatok"));
    QCOMPARE(text(10, ColC), QStringLiteral("tudsz"));
}

void TestReference::typingSelectsNothingAndEnterCloses_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addRow("auxiliaries, Return")
        << QStringLiteral("Combo1") << QStringLiteral("kell") << int(Qt::Key_Return);
    QTest::addRow("sentences, Enter")
        << QStringLiteral("Combo2") << QStringLiteral("Kati hazamegy.") << int(Qt::Key_Enter);
}

// Text that spells an entry is still no pick, not even when the field loses the focus.
void TestReference::typingSelectsNothingAndEnterCloses()
{
    QFETCH(QString, list);
    QFETCH(QString, typed);
    QFETCH(int, key);
    auto *combo = m_window->findChild<QComboBox *>(list);

    QTest::mouseClick(combo->lineEdit(), Qt::LeftButton);
    QTRY_COMPARE(QApplication::focusWidget(), combo);
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo, typed);
    QCOMPARE(combo->currentText(), typed);
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(combo->count(), combo == m_auxList ? AuxiliaryCount : SentenceCount);

    QTest::keyClick(combo, Qt::Key(key));
    QTRY_VERIFY(!m_window->isVisible());
    QCOMPARE(combo->currentIndex(), -1);
    QVERIFY(bodyEmptyAndShown());
}

// Opening the open window again reloads nothing, so it keeps its texts after a language
// switch; only a placeholder that a later pick sets follows the new language.
void TestReference::openingAgainAfterLanguageSwitch()
{
    pick(m_sentenceList, 3);
    const QStringList before = grid();
    useLanguage(i18n::English);
    open();
    QCOMPARE(grid(), before);
    QCOMPARE(m_sentenceList->currentIndex(), 3);
    QCOMPARE(m_auxList->currentText(), QStringLiteral("Segédigék"));
    int shown = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        shown += qobject_cast<ReferenceWindow *>(window) && window->isVisible();
    QCOMPARE(shown, 1);

    pick(m_sentenceList, 1);
    QCOMPARE(m_auxList->currentText(), QStringLiteral("Auxiliaries"));
    QCOMPARE(m_window->windowTitle(),
             QStringLiteral("ZELTO   -  (Modális) segédigék és a szórend"));
    QVERIFY(m_window->findChild<QLabel *>(QStringLiteral("Label3"))
                ->text()
                .startsWith(QStringLiteral("Válassza ki")));
    QCOMPARE(m_window->findChild<QPushButton *>(QStringLiteral("Command1"))->text(),
             QStringLiteral("&Bezár"));
    // The grid has its own texts: the list says "leveleket" and "kérítek".
    QCOMPARE(text(1, ColD), QStringLiteral("a levelet."));
    pick(m_sentenceList, 7);
    QCOMPARE(m_sentenceList->currentText(), QStringLiteral("Nem tőle kérítek kölcsön az autóját?"));
    QCOMPARE(text(1, ColC), QStringLiteral("kéritek"));
}

// Every text fits its cell in both views for every entry, and the instruction line holds
// its text in every language; the entries are picked with the arrow keys.
void TestReference::everyTextFits()
{
    verifyEveryEntryFits();

    for (i18n::Language language : {i18n::Hungarian, i18n::English, i18n::Spanish}) {
        m_window->close();
        useLanguage(language);
        open();
        verifyNothingCut(QStringLiteral("on opening"));
    }
}

void TestReference::verifyNothingCut(const QString &when) const
{
    const QString cut = firstCut(m_window.get());
    QVERIFY2(cut.isEmpty(), qPrintable(when + QStringLiteral(": ") + cut));
}

// Each entry of each list picked by the arrow keys: the grid, and the other list's
// placeholder, fit.
void TestReference::verifyEveryEntryFits()
{
    for (QComboBox *list : {m_sentenceList, m_auxList}) {
        QTest::mouseClick(list->lineEdit(), Qt::LeftButton);
        for (int entry = 0; entry < list->count(); ++entry) {
            QTest::keyClick(list, Qt::Key_Down);
            QCOMPARE(list->currentIndex(), entry);
            verifyNothingCut(QStringLiteral("%1 entry %2").arg(list->objectName()).arg(entry));
        }
    }
}

void TestReference::everyControlIsNamedInTheLoadLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("empty");
    QTest::addColumn<QString>("close");
    QTest::addRow("Hungarian") << int(i18n::Hungarian) << QStringLiteral("üres")
                               << QStringLiteral("Bezár");
    QTest::addRow("English") << int(i18n::English) << QStringLiteral("empty")
                             << QStringLiteral("Close");
    QTest::addRow("Spanish") << int(i18n::Spanish) << QStringLiteral("vacía")
                             << QStringLiteral("Cerrar");
}

// What a screen reader finds: a window with its title, named controls, column headers, and
// cells read out with their column, all in the language of the load.
void TestReference::everyControlIsNamedInTheLoadLanguage()
{
    QFETCH(int, language);
    QFETCH(QString, empty);
    QFETCH(QString, close);
    m_window->close();
    useLanguage(i18n::Language(language));
    open();
    QCOMPARE(accessible(m_window.get())->role(), QAccessible::Window);
    QCOMPARE(accessible(m_window.get())->text(QAccessible::Name), m_window->windowTitle());
    for (QWidget *control : m_window->findChildren<QWidget *>()) {
        if (control->isVisible() &&
            (qobject_cast<QComboBox *>(control) || qobject_cast<QLabel *>(control) ||
             qobject_cast<QPushButton *>(control) || qobject_cast<QScrollArea *>(control)))
            QVERIFY2(!accessible(control)->text(QAccessible::Name).isEmpty(),
                     qPrintable(control->objectName()));
    }
    QCOMPARE(accessible(m_window->findChild<QPushButton *>(QStringLiteral("Command1")))
                 ->text(QAccessible::Name),
             close);
    QCOMPARE(accessible(m_window->cellAt(HeaderRow, ColB1))->role(), QAccessible::ColumnHeader);
    QCOMPARE(accessible(m_window->cellAt(HeaderRow, ColB1))->text(QAccessible::Name),
             QStringLiteral("B1"));
    QCOMPARE(accessible(m_window->cellAt(BaseSentenceRow, ColB))->text(QAccessible::Name),
             QStringLiteral("B: ") + empty);

    // A later language switch leaves the open window's names alone, and a pick keeps the
    // lists' names.
    const QStringList listNames = {m_settings->texts()[i18n::capAuxiliaries],
                                   m_settings->texts()[i18n::capBaseSentences]};
    useLanguage(language == i18n::English ? i18n::Spanish : i18n::English);
    pick(m_auxList, 1);
    pick(m_sentenceList, 0);
    for (QComboBox *list : {m_auxList, m_sentenceList}) {
        const auto labels = accessible(list)->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->text(QAccessible::Name),
                 listNames[list == m_auxList ? 0 : 1]);
    }
    const QStringList names = {QStringLiteral("A: Kati"),      QStringLiteral("B1: ") + empty,
                               QStringLiteral("B: haza"),      QStringLiteral("C: megy."),
                               QStringLiteral("C1: ") + empty, QStringLiteral("D: ") + empty};
    for (int column = 0; column < ColumnCount; ++column)
        QCOMPARE(accessible(m_window->cellAt(BaseSentenceRow, column))->text(QAccessible::Name),
                 names[column]);
}

void TestReference::escapeCloses_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("popup");
    QTest::addRow("auxiliaries list") << QStringLiteral("Combo1") << false;
    QTest::addRow("sentences list") << QStringLiteral("Combo2") << false;
    QTest::addRow("Close") << QStringLiteral("Command1") << false;
    QTest::addRow("open popup") << QStringLiteral("Combo2") << true;
}

// Esc closes the window as Close does; in an open list it first closes only the list.
void TestReference::escapeCloses()
{
    QFETCH(QString, focus);
    QFETCH(bool, popup);
    auto *widget = m_window->findChild<QWidget *>(focus);
    widget->setFocus();
    QTRY_VERIFY(widget->hasFocus());
    if (popup) {
        auto *list = qobject_cast<QComboBox *>(widget);
        list->showPopup();
        QVERIFY(QTest::qWaitForWindowExposed(list->view()->window()));
        QTest::keyClick(list->view(), Qt::Key_Escape);
        QTRY_VERIFY(!list->view()->window()->isVisible());
        QVERIFY(m_window->isVisible());
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!m_window->isVisible());
}

void TestReference::zoomKeysStepTheProgramWideLevel_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("level"); // after the key, from 150 %
    QTest::addRow("Ctrl+Plus") << int(Qt::Key_Plus) << 175;
    QTest::addRow("Ctrl+Equal") << int(Qt::Key_Equal) << 175;
    QTest::addRow("Ctrl+Minus") << int(Qt::Key_Minus) << 125;
    QTest::addRow("Ctrl+0") << int(Qt::Key_0) << 100;
}

// The zoom keys step the program-wide text size, which the window follows.
void TestReference::zoomKeysStepTheProgramWideLevel()
{
    QFETCH(int, key);
    QFETCH(int, level);
    m_settings->setTextZoom(150);
    QCOMPARE(m_window->textZoom(), 150);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(m_settings->textZoom(), level);
    QCOMPARE(m_window->textZoom(), level);
}

void TestReference::zoomedTextFitsAFullHdScreen_data()
{
    QTest::addColumn<int>("language");
    QTest::addRow("Hungarian") << int(i18n::Hungarian);
    QTest::addRow("English") << int(i18n::English);
    QTest::addRow("Spanish") << int(i18n::Spanish);
}

// At every text size up to 250 % the window fits a 1920 x 1080 screen without scrolling,
// every font and the grid grow, and no text is cut.
void TestReference::zoomedTextFitsAFullHdScreen()
{
    QFETCH(int, language);
    m_window->close();
    useLanguage(i18n::Language(language));
    open();
    const QSize screen(1920, 1080);
    QHash<QWidget *, qreal> points;
    for (QWidget *control : m_window->findChildren<QWidget *>()) {
        // A label that is never shown has no text size to keep.
        if (control->isHidden())
            continue;
        if (qobject_cast<QLabel *>(control) || qobject_cast<QComboBox *>(control) ||
            qobject_cast<QLineEdit *>(control) || qobject_cast<QPushButton *>(control))
            points[control] = control->font().pointSizeF();
    }
    for (int zoom = 100; zoom <= 250; zoom += 25) {
        m_window->setTextZoom(zoom);
        m_window->layOut(screen);
        QVERIFY(m_window->width() <= screen.width() && m_window->height() <= screen.height());
        QScrollArea *area = gridArea();
        QVERIFY(area->widget()->width() <= area->viewport()->width());
        QVERIFY(area->widget()->height() <= area->viewport()->height());
        for (auto at = points.cbegin(); at != points.cend(); ++at)
            QCOMPARE(at.key()->font().pointSizeF(), at.value() * zoom / 100);
        // The grid grows; the gaps between rows give way before the rows do.
        using Twips = ReferenceLayout;
        QVERIFY(m_window->cellAt(HeaderRow, ColC1)->width() >=
                Twips::ColumnWidth[ColC1] * zoom / 100 / Twips::TwipsPerPixel);
        QVERIFY(m_window->cellAt(LastRow, ColD)->height() >=
                Twips::CellHeight * zoom / 100 / Twips::TwipsPerPixel);
        verifyEveryEntryFits();
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("at %1 %").arg(zoom)));
    }
}

void TestReference::fitsASmallScreen_data()
{
    QTest::addColumn<int>("zoom");
    QTest::newRow("100 %") << 100; // wider than 800 pixels where the Liberation fonts are missing
    QTest::newRow("150 %") << 150;
    QTest::newRow("250 %") << 250;
}

// A window bigger than its screen still fits it, frame included, with Close and the
// sentences list in view; the grid scrolls so that every cell can be brought into view.
void TestReference::fitsASmallScreen()
{
    QFETCH(int, zoom);
    m_window->setTextZoom(zoom);
    const QRect available = m_window->screen()->availableGeometry();
    QVERIFY(available.contains(m_window->frameGeometry()));
    for (const char *name : {"Command1", "Combo2"}) {
        auto *control = m_window->findChild<QWidget *>(QString::fromLatin1(name));
        QCOMPARE(control->visibleRegion().boundingRect(), control->rect());
    }
    QScrollArea *area = gridArea();
    for (const auto &[row, column] : {std::pair(HeaderRow, ColA), std::pair(HeaderRow, ColD),
                                      std::pair(LastRow, ColA), std::pair(LastRow, ColD)}) {
        QLabel *cell = m_window->cellAt(row, column);
        area->ensureWidgetVisible(cell, 0, 0);
        const QRect inView(cell->mapTo(area->viewport(), QPoint()), cell->size());
        QVERIFY(area->viewport()->rect().contains(inView));
    }
    // The auxiliaries list scrolls into view when it takes the focus.
    m_sentenceList->setFocus();
    QTest::keyClick(m_sentenceList, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_auxList);
    QTRY_COMPARE(m_auxList->visibleRegion().boundingRect(), m_auxList->rect());
    // Close and the instruction line keep their whole texts; the sentences list gives way.
    for (const char *name : {"Command1", "Label3"})
        QCOMPARE(cutOf(m_window->findChild<QWidget *>(QString::fromLatin1(name))), QString());
}

QTEST_MAIN(TestReference)
#include "tst_reference.moc"
