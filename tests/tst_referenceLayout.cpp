// The reference window's geometry without the window: the twips grid at the text size, the
// fit into a screen's room, and the heights of the bands.
#include "reference/ReferenceLayout.h"

#include <QTest>

using namespace reference;

namespace {

using Band = ReferenceLayout::Band;
constexpr int ScrollBar = 15;

// Controls whose texts fit the grid at 100 % (9225 by 6615 twips: 615 by 441 pixels).
ReferenceLayout::Needs smallTexts()
{
    ReferenceLayout::Needs needs;
    needs.columnText.fill(40);
    needs.headerText = 20;
    needs.bodyText = 16;
    needs.sentenceList = 200;
    needs.auxList = 100;
    needs.close = 60;
    needs.topRow = 24;
    needs.auxListHeight = 22;
    needs.plus = QSize(20, 18);
    needs.instructionHeight = [](int width) { return width < 400 ? 45 : 30; };
    needs.scrollBar = ScrollBar;
    return needs;
}

QList<int> heights(const std::vector<Band> &bands, int room)
{
    const std::vector<int> fitted = ReferenceLayout::fitHeights(bands, room);
    return QList<int>(fitted.begin(), fitted.end());
}

} // namespace

class TestReferenceLayout : public QObject
{
    Q_OBJECT

private slots:
    void fitHeights_data();
    void fitHeights();
    void fitsTheRoom_data();
    void fitsTheRoom();
    void widensForAWideText();
};

void TestReferenceLayout::fitHeights_data()
{
    QTest::addColumn<int>("room");
    QTest::addColumn<QList<int>>("expected");
    // A gap of 10, a row of 20 that needs 10, a gap of 30.
    QTest::addRow("room for all") << 60 << QList<int>{10, 20, 30};
    QTest::addRow("gaps give way in proportion") << 50 << QList<int>{7, 20, 23};
    QTest::addRow("gaps give way to nothing first") << 20 << QList<int>{0, 20, 0};
    QTest::addRow("then the row") << 15 << QList<int>{0, 15, 0};
    QTest::addRow("never below the least") << 5 << QList<int>{0, 10, 0};
}

void TestReferenceLayout::fitHeights()
{
    QFETCH(int, room);
    QFETCH(QList<int>, expected);
    QCOMPARE(heights({{10, 0, true}, {20, 10, false}, {30, 0, true}}, room), expected);
}

void TestReferenceLayout::fitsTheRoom_data()
{
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QSize>("room");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<bool>("sideways");
    QTest::addColumn<bool>("upAndDown");
    const QSize fullHd(1920, 1080);
    QTest::addRow("ample room") << 100 << fullHd << QSize(615, 441) << false << false;
    QTest::addRow("twice the text") << 200 << fullHd << QSize(1230, 882) << false << false;
    QTest::addRow("gaps give way") << 100 << QSize(1920, 400) << QSize(615, 400) << false << false;
    QTest::addRow("rows scroll") << 100 << QSize(1920, 200) << QSize(615 + ScrollBar, 200) << false
                                 << true;
    // The instruction line wraps to 45 pixels instead of 30.
    QTest::addRow("grid scrolls sideways")
        << 100 << QSize(300, 1080) << QSize(300, 441 + 15 + ScrollBar) << true << false;
    QTest::addRow("both") << 250 << QSize(800, 250) << QSize(800, 250) << true << true;
}

// The window takes the room it needs up to the room there is; the grid scrolls where the
// rows cannot give way further, while the rows keep what their texts need, Close stays right
// of the sentences list inside the window, and the instruction line spans the view.
void TestReferenceLayout::fitsTheRoom()
{
    QFETCH(int, zoom);
    QFETCH(QSize, room);
    QFETCH(QSize, window);
    QFETCH(bool, sideways);
    QFETCH(bool, upAndDown);
    const ReferenceLayout::Needs needs = smallTexts();
    const ReferenceLayout layout(zoom, needs, room);
    QCOMPARE(layout.windowSize(), window);
    QCOMPARE(layout.scrollsSideways(), sideways);
    QCOMPARE(layout.scrollsUpAndDown(), upAndDown);

    for (int row = HeaderRow; row <= LastRow; ++row) {
        const int text = row == HeaderRow ? needs.headerText : needs.bodyText;
        QVERIFY(layout.cellAt(row, ColA).height() >= text + 2 * ReferenceLayout::CellFrame);
        QVERIFY(row == HeaderRow ||
                layout.cellAt(row, ColA).top() >= layout.cellAt(row - 1, ColA).bottom());
    }
    QVERIFY(layout.sentenceList().right() < layout.closeButton().left());
    QVERIFY(layout.closeButton().right() < window.width());
    QCOMPARE(layout.gridView().bottom(), window.height() - 1);
    const int view = window.width() - (upAndDown ? ScrollBar : 0);
    QCOMPARE(layout.instructionLine().width(), view);
    QCOMPARE(layout.instructionLine().bottom(), layout.gridSize().height() - 1);
    QVERIFY(layout.auxList().left() > layout.plusSign().right());
    QVERIFY(layout.auxList().top() >= layout.plusSign().top());
    QVERIFY(layout.auxList().bottom() <= layout.plusSign().bottom());
    QVERIFY(layout.plusSign().top() > layout.cellAt(BaseSentenceRow, ColA).bottom());
    QVERIFY(layout.plusSign().bottom() < layout.cellAt(FirstVariantRow, ColA).top());
}

// At 100 % with room to spare the grid stands where its twips put it; a text wider than its
// column widens the whole window, and every column keeps room for its text.
void TestReferenceLayout::widensForAWideText()
{
    ReferenceLayout::Needs needs = smallTexts();
    const QSize room(1920, 1080);
    const ReferenceLayout plain(100, needs, room);
    QCOMPARE(plain.cellAt(HeaderRow, ColA), QRect(8, 0, 97, 25));
    QCOMPARE(plain.cellAt(LastRow, ColD), QRect(504, 344, 105, 25));

    needs.columnText[ColC1] = 200;
    const ReferenceLayout wide(100, needs, room);
    QVERIFY(wide.windowSize().width() > plain.windowSize().width());
    QCOMPARE(wide.windowSize().height(), plain.windowSize().height());
    for (int column = 0; column < ColumnCount; ++column) {
        const int inside =
            wide.cellAt(BaseSentenceRow, column).width() - 2 * ReferenceLayout::CellFrame;
        QVERIFY(inside >= needs.columnText[column] + 2 * ReferenceLayout::CellIndent);
    }
}

QTEST_APPLESS_MAIN(TestReferenceLayout)
#include "tst_referenceLayout.moc"
