// Keys, wheel and focus in both windows: where Enter goes, what the wheel may not do, and a
// focus that can be seen on every control.
#include "ExerciseDriver.h"

#include "reference/ReferenceWindow.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

// Relative luminance and contrast ratio as the accessibility guidelines define them.
double luminance(QRgb colour)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
           0.0722 * linear(qBlue(colour));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

constexpr int Around = 8; // logical pixels grabbed on each side of a control

QImage grabAround(QWidget *control)
{
    const QRect area(control->mapTo(control->window(), QPoint(0, 0)), control->size());
    return control->window()->grab(area.adjusted(-Around, -Around, Around, Around)).toImage();
}

// Pixels outside `control` that changed with a contrast of at least 3:1 when it took the focus.
int visibleFocusArea(const QImage &unfocused, const QImage &focused, const QRect &control)
{
    int count = 0;
    for (int y = 0; y < focused.height(); ++y) {
        for (int x = 0; x < focused.width(); ++x) {
            if (!control.contains(x, y) &&
                contrast(focused.pixel(x, y), unfocused.pixel(x, y)) >= 3)
                ++count;
        }
    }
    return count;
}

} // namespace

class InputTest : public ExerciseTestBase
{
    Q_OBJECT

private slots:
    void enterBelongsToTheMenuBarAndItsMenus();
    void enterPicksInAnOpenList_data();
    void enterPicksInAnOpenList();
    void wheelLeavesAClosedListAlone_data();
    void wheelLeavesAClosedListAlone();
    void focusIsVisibleOnEveryControl_data();
    void focusIsVisibleOnEveryControl();
    void caretStaysWhenTheFocusComesBack_data();
    void caretStaysWhenTheFocusComesBack();

private:
    QWidget *activate(bool reference);
    // The control `name` of the active exercise or reference window; nullptr if none.
    template <typename T> T *controlIn(bool reference, const QString &name)
    {
        QWidget *target = activate(reference);
        return target ? target->findChild<T *>(name) : nullptr;
    }
};

// The exercise or the reference window, active and ready for keys; nullptr if it is not.
QWidget *InputTest::activate(bool reference)
{
    QWidget *target = window.get();
    if (reference) {
        if (!driver->trigger("mnuSegedigek"))
            return nullptr;
        target = window->referenceWindow();
    }
    target->activateWindow();
    return QTest::qWaitForWindowActive(target) ? target : nullptr;
}

void InputTest::enterBelongsToTheMenuBarAndItsMenus()
{
    QVERIFY(activate(false));
    QWindow *keys = window->windowHandle();
    // Alt alone gives the menu bar the keyboard; Enter then opens File.
    QTest::keyPress(keys, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(keys, Qt::Key_Alt);
    QCOMPARE(QApplication::focusWidget(), window->menuBar());
    QTest::keyClick(keys, Qt::Key_Return);
    QMenu *open = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(open);
    QCOMPARE(open->objectName(), QStringLiteral("mnuFile"));

    // In an open menu Enter opens the highlighted submenu, Options > Dialogue language.
    QTest::keyClick(keys, Qt::Key_Right);
    QTRY_COMPARE(QApplication::activePopupWidget()->objectName(), QStringLiteral("mnuOptions"));
    QTest::keyClick(keys, Qt::Key_Return);
    QTRY_COMPARE(QApplication::activePopupWidget()->objectName(), QStringLiteral("mnuDialog"));
    QVERIFY(notifier->messages.isEmpty());
    while (QApplication::activePopupWidget())
        QTest::keyClick(keys, Qt::Key_Escape);
}

void InputTest::enterPicksInAnOpenList_data()
{
    QTest::addColumn<bool>("reference");
    QTest::addColumn<QString>("list");
    QTest::addRow("Auxiliaries") << false << "Combo1";
    QTest::addRow("Persons") << false << "Combo2";
    QTest::addRow("reference auxiliaries") << true << "Combo1";
    QTest::addRow("base sentences") << true << "Combo2";
}

// Enter in an open list picks the highlighted item, not the window's default button.
void InputTest::enterPicksInAnOpenList()
{
    QFETCH(bool, reference);
    QFETCH(QString, list);
    auto *combo = controlIn<QComboBox>(reference, list);
    QVERIFY(combo);
    combo->setFocus(Qt::TabFocusReason);
    QSignalSpy clicks(combo, &QComboBox::activated);
    QWindow *keys = combo->window()->windowHandle();

    QTest::keyClick(keys, Qt::Key_F4);
    QTRY_VERIFY(combo->view()->isVisible());
    QTest::keyClick(keys, Qt::Key_Down);
    const int highlighted = combo->view()->currentIndex().row();
    QTest::keyClick(keys, Qt::Key_Return);
    QTRY_VERIFY(!combo->view()->isVisible());
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(combo->currentIndex(), highlighted);
    QVERIFY(combo->window()->isVisible());
    QVERIFY(notifier->messages.isEmpty());
}

void InputTest::wheelLeavesAClosedListAlone_data()
{
    QTest::addColumn<bool>("reference");
    QTest::addColumn<QString>("list");
    QTest::addColumn<bool>("running");
    QTest::addRow("Auxiliaries, idle") << false << "Combo1" << false;
    QTest::addRow("Persons, idle") << false << "Combo2" << false;
    QTest::addRow("Auxiliaries, running") << false << "Combo1" << true;
    QTest::addRow("Persons, running") << false << "Combo2" << true;
    QTest::addRow("reference auxiliaries") << true << "Combo1" << false;
    QTest::addRow("base sentences") << true << "Combo2" << false;
}

// The wheel over a closed list neither changes the item nor raises a Click; the arrow keys
// on the focused list still pick.
void InputTest::wheelLeavesAClosedListAlone()
{
    QFETCH(bool, reference);
    QFETCH(QString, list);
    QFETCH(bool, running);
    if (running)
        driver->click("Start");
    auto *combo = controlIn<QComboBox>(reference, list);
    QVERIFY(combo);
    combo->setCurrentIndex(1);
    QSignalSpy clicks(combo, &QComboBox::activated);

    const QPoint centre = combo->rect().center();
    for (int notch : {-120, -120, 120, 120, 120}) {
        QWheelEvent wheel(centre, combo->mapToGlobal(centre), QPoint(), QPoint(0, notch),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &wheel);
    }
    QCOMPARE(combo->currentIndex(), 1);
    QCOMPARE(clicks.size(), 0);
    QVERIFY(notifier->messages.isEmpty());

    combo->setFocus(Qt::TabFocusReason);
    QTest::keyClick(combo->window()->windowHandle(), Qt::Key_Down);
    QCOMPARE(combo->currentIndex(), 2);
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(notifier->messages.size(), running ? 1 : 0);
}

void InputTest::focusIsVisibleOnEveryControl_data()
{
    QTest::addColumn<bool>("reference");
    QTest::addColumn<QString>("control");
    for (const char *name : {"Start", "Text2", "Text1", "Nex", "Text3", "Command9", "Solution",
                             "Text4", "Combo1", "Combo2"})
        QTest::addRow("%s", name) << false << name;
    for (const char *name : {"Combo1", "Command1", "Combo2"})
        QTest::addRow("reference %s", name) << true << name;
}

// Tab brings the focus to each control with an indicator at least as large as a 2-pixel
// perimeter of the control that contrasts 3:1 or more with the unfocused look of its pixels.
void InputTest::focusIsVisibleOnEveryControl()
{
    QFETCH(bool, reference);
    QFETCH(QString, control);
    auto *focusable = controlIn<QWidget>(reference, control);
    QVERIFY(focusable);
    QWindow *keys = focusable->window()->windowHandle();
    // The control as it looks without focus anywhere in the window.
    QWidget *start = QApplication::focusWidget();
    start->clearFocus();
    const QImage unfocused = grabAround(focusable);
    start->setFocus(Qt::OtherFocusReason);
    int tabs = 0;
    do
        QTest::keyClick(keys, Qt::Key_Tab);
    while (!focusable->hasFocus() && ++tabs < 16);
    QVERIFY(focusable->hasFocus());
    const QImage focused = grabAround(focusable);

    const qreal ratio = focused.devicePixelRatio();
    const QRect inside(QPoint(Around, Around) * ratio, focusable->size() * ratio);
    const int needed = qRound(2 * ratio * 2 * (inside.width() + inside.height()));
    const int area = visibleFocusArea(unfocused, focused, inside);
    QVERIFY2(area >= needed, qPrintable(QStringLiteral("%1 of %2").arg(area).arg(needed)));
}

void InputTest::caretStaysWhenTheFocusComesBack_data()
{
    QTest::addColumn<QString>("away");
    QTest::addRow("a menu opened by a click") << "menu";
    QTest::addRow("the menu bar by Alt") << "menu bar";
    QTest::addRow("the reference window") << "reference";
}

// A learner mending a word in the middle of an answer looks into a menu or another window,
// comes back and types on: the letters go where the caret was, not to the end.
void InputTest::caretStaysWhenTheFocusComesBack()
{
    QFETCH(QString, away);
    QVERIFY(activate(false));
    QLineEdit *box = driver->answerBox();
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(box, QStringLiteral("Gbor kell"));
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Right);
    QWindow *keys = window->windowHandle();

    if (away == QLatin1String("menu")) {
        QMenuBar *bar = window->menuBar();
        const QRect file = bar->actionGeometry(bar->actions().constFirst());
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, file.center());
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::mouseClick(QApplication::activePopupWidget(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(-10, -10));
    } else if (away == QLatin1String("menu bar")) {
        QTest::keyPress(keys, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(keys, Qt::Key_Alt);
        QCOMPARE(QApplication::focusWidget(), window->menuBar());
        QTest::keyClick(keys, Qt::Key_Escape);
    } else {
        QVERIFY(activate(true));
        QVERIFY(activate(false));
    }
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QCOMPARE(QApplication::focusWidget(), box);
    QTest::keyClick(box, Qt::Key_Apostrophe); // á
    QCOMPARE(box->text(), QStringLiteral("Gábor kell"));
}

QTEST_MAIN(InputTest)
#include "tst_input.moc"
