// Text zoom of the exercise window on screens from 1280×720 to 1920×1080: nothing is cut,
// nothing overlaps and the window stays on the screen at any step.
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
    void nothingIsCutOrOverlapsAtAnyStep_data();
    void nothingIsCutOrOverlapsAtAnyStep();
    void bothWindowsShareTheLevel();

private:
    void press(QKeySequence keys) { QTest::keySequence(window.get(), keys); }
    // Why the window cuts a text, overlaps two controls or leaves the screen; empty when it
    // does none of these.
    QString cut() const;
    QString overlap() const;
};

void ZoomTest::stepsUpAndBack()
{
    const qreal built = driver->button("Nex")->font().pointSizeF();
    press(QKeySequence::ZoomOut);
    QCOMPARE(settings->textZoom(), 100);
    press(QKeySequence::ZoomIn);
    press(QKeySequence(Qt::CTRL | Qt::Key_Equal));
    QCOMPARE(settings->textZoom(), 150);
    QCOMPARE(driver->button("Nex")->font().pointSizeF(), built * 1.5);
    // Menus and the fields inside the lists grow too.
    QCOMPARE(window->findChild<QMenu *>(QStringLiteral("mnuFile"))->font().pointSizeF(),
             QApplication::font().pointSizeF() * 1.5);
    QCOMPARE(driver->list("Combo1")->lineEdit()->font().pointSizeF(),
             driver->list("Combo1")->font().pointSizeF());
    for (int i = 0; i < 10; ++i)
        press(QKeySequence::ZoomIn);
    QCOMPARE(settings->textZoom(), 250);
    press(QKeySequence::ZoomOut);
    QCOMPARE(settings->textZoom(), 225);
    press(QKeySequence(Qt::CTRL | Qt::Key_0));
    QCOMPARE(settings->textZoom(), 100);
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
    const QString cut = firstCut(window.get());
    return cut.isEmpty() ? overlap() : cut;
}

QString ZoomTest::overlap() const
{
    const QWidget *surface = window->centralWidget();
    QList<const QWidget *> controls;
    for (const QWidget *control : surface->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!control->isVisible())
            continue;
        if (!surface->rect().contains(control->geometry()))
            return QStringLiteral("%1 outside the window").arg(control->objectName());
        for (const QWidget *other : controls) {
            if (other->geometry().intersects(control->geometry()))
                return QStringLiteral("%1 overlaps %2")
                    .arg(control->objectName(), other->objectName());
        }
        controls << control;
    }
    return QString();
}

void ZoomTest::nothingIsCutOrOverlapsAtAnyStep_data()
{
    QTest::addColumn<QSize>("screen");
    for (const QSize size : {QSize(1280, 720), QSize(1366, 768), QSize(1920, 1080)})
        QTest::addRow("%dx%d", size.width(), size.height()) << size;
}

void ZoomTest::nothingIsCutOrOverlapsAtAnyStep()
{
    QFETCH(QSize, screen);
    for (QScreen *display : QGuiApplication::screens()) {
        if (display->size() == screen)
            window->move(display->geometry().topLeft());
    }
    QCOMPARE(window->screen()->size(), screen);
    // Hungarian has the longest texts; the exercise running shows every row.
    window->lang_Click(0);
    QVERIFY(driver->pick("Combo2", 4)); // ti: the pictogram is shown
    QVERIFY(driver->start(4, 22));
    QVERIFY(driver->trigger("mnuTutor")); // its row, from the next press of a button
    driver->click("Command9");            // the legend
    // The tutor's line explains, and offers the pattern.
    driver->answer(content::ExerciseContent::forSelection(4, 33).keys[0]);
    QVERIFY(driver->button("cmdPattern")->isVisible());
    for (int round = 0; round < 2; ++round) {
        for (int percent = 100; percent <= 250; percent += 25) {
            settings->setTextZoom(percent);
            // Once the layout has settled.
            QTRY_VERIFY2_WITH_TIMEOUT(
                cut().isEmpty(), qPrintable(QStringLiteral("%1 %: %2").arg(percent).arg(cut())),
                1000);
        }
        // Then the end, with the tutor's summary and its offer to practise.
        settings->setTextZoom(100);
        for (int i = 0; i < content::SegmentCount && window->isRunning(); ++i) {
            driver->answerBox()->clear();
            driver->answer(window->exercise().keys[window->exercise().segment]);
        }
        QVERIFY(driver->button("cmdPractise")->isVisible());
    }
}

void ZoomTest::bothWindowsShareTheLevel()
{
    const qreal built = driver->button("Nex")->font().pointSizeF();
    settings->setTextZoom(150);
    QVERIFY(driver->trigger("mnuSegedigek"));
    ReferenceWindow *reference = window->referenceWindow();
    QCOMPARE(reference->textZoom(), 150);
    // The keys of either window change the level of both.
    QTest::keySequence(reference, QKeySequence::ZoomIn);
    QCOMPARE(settings->textZoom(), 175);
    QCOMPARE(reference->textZoom(), 175);
    QCOMPARE(driver->button("Nex")->font().pointSizeF(), built * 1.75);
    press(QKeySequence::ZoomIn);
    QCOMPARE(reference->textZoom(), 200);
    QTest::keySequence(reference, QKeySequence(Qt::CTRL | Qt::Key_0));
    QCOMPARE(settings->textZoom(), 100);
    QCOMPARE(reference->textZoom(), 100);
    QCOMPARE(driver->button("Nex")->font().pointSizeF(), built);
}

QTEST_MAIN(ZoomTest)
#include "tst_zoom.moc"
