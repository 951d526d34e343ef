// What a desktop expects of the exercise window: accessibility, keyboard, fonts and scaling.
#include "ExerciseDriver.h"

#include "i18n/InterfaceTexts.h"

#include <QAccessible>
#include <QApplication>
#include <QMenuBar>
#include <QTest>

class DesktopTest : public ExerciseTestBase
{
    Q_OBJECT

private slots:
    void everyControlIsNamedInTheCurrentLanguage_data();
    void everyControlIsNamedInTheCurrentLanguage();
    void keyboardReachesEveryControl();
    void fontsHaveTheirStandIns();
    void picturesAreSharpAtAnyScale();
};

void DesktopTest::everyControlIsNamedInTheCurrentLanguage_data()
{
    QTest::addColumn<int>("menuIndex");
    QTest::addRow("Hungarian") << 0;
    QTest::addRow("English") << 1;
    QTest::addRow("Spanish") << 2;
}

void DesktopTest::everyControlIsNamedInTheCurrentLanguage()
{
    QFETCH(int, menuIndex);
    window->lang_Click(menuIndex);
    driver->pick("Combo2", 0); // shows the pictogram
    const i18n::InterfaceTexts &t = texts;

    const auto accessible = [](QWidget *widget, QAccessible::Text text) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
        return face ? face->text(text) : QString();
    };
    driver->click("Start"); // the segment label shows its text
    for (QWidget *control : window->centralWidget()->findChildren<QWidget *>()) {
        if (!control->isVisible() || control->parentWidget() != window->centralWidget())
            continue;
        QVERIFY2(!accessible(control, QAccessible::Name).isEmpty(),
                 qPrintable(control->objectName()));
    }
    // Hints are descriptions; lists take their headings as names.
    QCOMPARE(accessible(driver->button("Nex"), QAccessible::Description), t[i18n::hintNext]);
    QCOMPARE(accessible(driver->answerBox(), QAccessible::Description), t[i18n::hintAnswer]);
    QCOMPARE(accessible(driver->label("Image1"), QAccessible::Description), t[i18n::hintPerson]);
    QCOMPARE(accessible(driver->list("Combo2"), QAccessible::Description), t[i18n::hintPersonList]);
    // On Linux a list is named by the label it is labelled by.
    const auto relations = QAccessible::queryAccessibleInterface(driver->list("Combo1"))
                               ->relations(QAccessible::Label);
    QCOMPARE(relations.size(), 1);
    QCOMPARE(relations.first().first->text(QAccessible::Name), t[i18n::capAuxLabel]);
    QCOMPARE(accessible(driver->button("Solution"), QAccessible::Name),
             QString(t[i18n::capSolution]).remove(u'&'));
    QCOMPARE(accessible(driver->label("Image1"), QAccessible::Name), QStringLiteral("én:  1"));
    QCOMPARE(accessible(driver->label("Label3"), QAccessible::Name),
             QStringLiteral("korán kelek fel"));
}

void DesktopTest::keyboardReachesEveryControl()
{
    // Tab from Start visits every control that takes the focus, in order.
    const QStringList order = {QStringLiteral("Text2"),    QStringLiteral("Text1"),
                               QStringLiteral("Nex"),      QStringLiteral("Text3"),
                               QStringLiteral("Command9"), QStringLiteral("Solution"),
                               QStringLiteral("Text4"),    QStringLiteral("Combo1"),
                               QStringLiteral("Combo2"),   QStringLiteral("Start")};
    driver->button("Start")->setFocus();
    for (const QString &name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        // A list's text field stands for its list.
        if (qobject_cast<QComboBox *>(focus->parentWidget()))
            focus = focus->parentWidget();
        QCOMPARE(focus->objectName(), name);
    }
    // F10 opens the menu bar, whatever the language's captions.
    window->lang_Click(1); // English "Help" has no access key
    QTest::keyClick(driver->answerBox(), Qt::Key_F10);
    QVERIFY(window->menuBar()->activeAction());
    QCOMPARE(window->menuBar()->activeAction()->text(), QStringLiteral("&File"));
}

void DesktopTest::fontsHaveTheirStandIns()
{
    const auto family = [this](const char *label) {
        return QFontInfo(driver->label(label)->font()).family();
    };
    QVERIFY2(QStringList({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")})
                 .contains(family("Label4")),
             qPrintable(family("Label4")));
    QVERIFY2(QStringList({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")})
                 .contains(family("Label1")),
             qPrintable(family("Label1")));
}

void DesktopTest::picturesAreSharpAtAnyScale()
{
    driver->pick("Combo2", 3); // mi
    const QPixmap picture = driver->label("Image1")->pixmap();
    QCOMPARE(picture.devicePixelRatio(), window->devicePixelRatioF());
    QCOMPARE(picture.width(),
             qRound(driver->label("Image1")->width() * window->devicePixelRatioF()));
    // Nothing is cut off: buttons and headings are at least as large as their texts.
    for (const char *name : {"Nex", "Start", "Solution", "Command9"}) {
        QPushButton *button = driver->button(name);
        QVERIFY(button->width() >= button->sizeHint().width());
    }
    for (const char *name : {"Label4", "Label7", "Label6"}) {
        QLabel *label = driver->label(name);
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
    }
}

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
