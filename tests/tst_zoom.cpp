// Text zoom of the exercise window on a 1920×1080 screen: nothing is cut at any step.
#include "ExerciseDriver.h"
#include "NothingCut.h"

#include "content/ExerciseContent.h"
#include "reference/ReferenceWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>

class ZoomTest : public ExerciseTestBase
{
    Q_OBJECT

private slots:
    void stepsUpAndBack();
    void nothingIsCutAtAnyStep();
    void bothWindowsShareTheLevel();

private:
    void press(QKeySequence keys) { QTest::keySequence(window, keys); }
    // Why the window cuts a text or leaves the screen; empty when it does neither.
    QString cut() const;
};

void ZoomTest::stepsUpAndBack()
{
    const qreal built = driver->button("Nex")->font().pointSizeF();
    press(QKeySequence::ZoomOut);
    QCOMPARE(window->textZoom(), 100);
    press(QKeySequence::ZoomIn);
    press(QKeySequence(Qt::CTRL | Qt::Key_Equal));
    QCOMPARE(window->textZoom(), 150);
    QCOMPARE(driver->button("Nex")->font().pointSizeF(), built * 1.5);
    // Menus and the fields inside the lists grow too.
    QCOMPARE(window->findChild<QMenu *>(QStringLiteral("mnuFile"))->font().pointSizeF(),
             QApplication::font().pointSizeF() * 1.5);
    QCOMPARE(driver->list("Combo1")->lineEdit()->font().pointSizeF(),
             driver->list("Combo1")->font().pointSizeF());
    for (int i = 0; i < 10; ++i)
        press(QKeySequence::ZoomIn);
    QCOMPARE(window->textZoom(), 250);
    press(QKeySequence::ZoomOut);
    QCOMPARE(window->textZoom(), 225);
    press(QKeySequence(Qt::CTRL | Qt::Key_0));
    QCOMPARE(window->textZoom(), 100);
    QCOMPARE(driver->button("Nex")->font().pointSizeF(), built);
}

QString ZoomTest::cut() const
{
    QCoreApplication::processEvents();
    const QRect area = window->screen()->availableGeometry();
    if (!area.contains(window->frameGeometry()))
        return QStringLiteral("window outside the screen");
    if (window->width() < window->minimumSizeHint().width() ||
        window->height() < window->minimumSizeHint().height())
        return QStringLiteral("window smaller than its controls need");
    return firstCut(window);
}

void ZoomTest::nothingIsCutAtAnyStep()
{
    QCOMPARE(window->screen()->size(), QSize(1920, 1080));
    // Hungarian has the longest texts; the exercise running shows every row.
    window->lang_Click(0);
    driver->pick("Combo2", 4); // ti: the pictogram is shown
    driver->start(4, 22);
    driver->click("Command9"); // the legend
    for (int percent = 100; percent <= 250; percent += 25) {
        window->setTextZoom(percent);
        QCOMPARE(window->textZoom(), percent);
        // Once the layout has settled.
        QTRY_VERIFY2_WITH_TIMEOUT(
            cut().isEmpty(), qPrintable(QStringLiteral("%1 %: %2").arg(percent).arg(cut())), 1000);
    }
}

void ZoomTest::bothWindowsShareTheLevel()
{
    window->setTextZoom(150);
    driver->trigger("mnuSegedigek");
    ReferenceWindow *reference = window->referenceWindow();
    QCOMPARE(reference->textZoom(), 150);
    // The keys in the reference window change the level of both.
    QTest::keySequence(reference, QKeySequence::ZoomIn);
    QCOMPARE(window->textZoom(), 175);
    QCOMPARE(reference->textZoom(), 175);
    QTest::keySequence(reference, QKeySequence(Qt::CTRL | Qt::Key_0));
    QCOMPARE(window->textZoom(), 100);
    QCOMPARE(reference->textZoom(), 100);
}

QTEST_MAIN(ZoomTest)
#include "tst_zoom.moc"
