// What a desktop expects of the exercise window: accessibility, keyboard, fonts and scaling.
#include "ExerciseDriver.h"
#include "LanguageRows.h"

#include "content/ExerciseContent.h"
#include "i18n/InterfaceTexts.h"

#include <QAccessible>
#include <QApplication>
#include <QLayout>
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
    void screenReadersHearEachNewSegment();
    void pickingAPersonMovesNothingElse();
};

void DesktopTest::everyControlIsNamedInTheCurrentLanguage_data()
{
    addLanguageRows();
}

void DesktopTest::everyControlIsNamedInTheCurrentLanguage()
{
    QFETCH(int, language);
    window->lang_Click(language - 1);
    QVERIFY(driver->pick("Combo2", 0)); // shows the pictogram
    const i18n::InterfaceTexts &t = texts();

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
    QVERIFY(
        accessible(driver->answerBox(), QAccessible::Description).endsWith(t[i18n::hintAnswer]));
    QCOMPARE(accessible(driver->label("Image1"), QAccessible::Description), t[i18n::hintPerson]);
    QCOMPARE(accessible(driver->list("Combo2"), QAccessible::Description), t[i18n::hintPersonList]);
    // On Linux a list is named by the label it is labelled by.
    const auto relations = QAccessible::queryAccessibleInterface(driver->list("Combo1"))
                               ->relations(QAccessible::Label);
    QCOMPARE(relations.size(), 1);
    QCOMPARE(relations.first().first->text(QAccessible::Name), t[i18n::capAuxLabel]);
    // So are their text fields, which a screen reader meets on its own.
    QCOMPARE(accessible(driver->list("Combo1")->lineEdit(), QAccessible::Name),
             t[i18n::capAuxLabel]);
    QCOMPARE(accessible(driver->list("Combo2")->lineEdit(), QAccessible::Name),
             t[i18n::capPersonLabel]);
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
    QVERIFY(driver->pick("Combo2", 3)); // mi
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

void DesktopTest::screenReadersHearEachNewSegment()
{
    // What a screen reader reads of the answer box, which keeps the focus: its description
    // changes with every segment, and Qt announces each change.
    const auto description = [this] {
        return QAccessible::queryAccessibleInterface(driver->answerBox())
            ->text(QAccessible::Description)
            .split(u'\n');
    };
    QCOMPARE(description(), QStringList(texts()[i18n::hintAnswer]));
    QVERIFY(driver->start(4, 0)); // kell: segment 1 has no words before the gap
    driver->answer(window->exercise().keys[0]);
    QCOMPARE(description(),
             QStringList({QStringLiteral("New segment: Egy versenyen vesz részt"),
                          QStringLiteral("Words after the gap: ."), texts()[i18n::hintAnswer]}));
    driver->answer(window->exercise().keys[1]);
    QCOMPARE(description().mid(0, 2),
             QStringList({QStringLiteral("New segment: nem megy edzésre"),
                          QStringLiteral("Words before the gap: Csütörtök délelőtt")}));
    for (int i = 2; i < content::SegmentCount; ++i)
        driver->answer(window->exercise().keys[i]);
    QCOMPARE(description().first(), QStringLiteral("The exercise is finished."));
    window->lang_Click(0);
    QCOMPARE(description().first(), QStringLiteral("A gyakorlat véget ért."));
}

void DesktopTest::pickingAPersonMovesNothingElse()
{
    const auto places = [this] {
        // Laid out now, whatever is still queued.
        window->centralWidget()->layout()->activate();
        QList<QRect> rects;
        for (QWidget *control :
             window->centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (control->objectName() != QLatin1String("Image1"))
                rects << control->geometry();
        }
        return rects;
    };
    QTest::qWait(20);
    const QList<QRect> before = places();
    for (int person = 0; person < 6; ++person) {
        QVERIFY(driver->pick("Combo2", person));
        QCOMPARE(places(), before);
    }
}

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
