// What a desktop expects of the exercise window: accessibility, keyboard, fonts and scaling.
#include "ExerciseDriver.h"
#include "HeardAnnouncements.h"
#include "LanguageRows.h"

#include "content/ExerciseContent.h"
#include "i18n/InterfaceTexts.h"

#include <QAccessible>
#include <QApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

class DesktopTest : public ExerciseTestBase
{
    Q_OBJECT

private slots:
    void everyControlIsNamedInTheCurrentLanguage_data();
    void everyControlIsNamedInTheCurrentLanguage();
    void keyboardReachesEveryControl();
    void fontsHaveTheirStandIns();
    void picturesAreSharpAtAnyScale();
    void screenReadersHearEachChangeOnce();
    void oneLineBoxesShowTheirWholeText_data();
    void oneLineBoxesShowTheirWholeText();
    void passageBoxReadsFromItsFirstLine();
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
    QVERIFY(accessible(driver->answerBox(), QAccessible::Description)
                .contains(QStringLiteral("korán kelek fel")));
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

void DesktopTest::screenReadersHearEachChangeOnce()
{
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    HeardAnnouncements heard(window.get());
    QLabel *line = driver->label("lblFeedback");
    QLineEdit *box = driver->answerBox();
    const auto description = [box] {
        return QAccessible::queryAccessibleInterface(box)->text(QAccessible::Description);
    };
    QCOMPARE(description(), texts()[i18n::hintAnswer]);
    QVERIFY(driver->trigger("mnuTutor"));
    // Start moves the focus to the answer box, which is then read with its description.
    QVERIFY(driver->start(4, 0)); // kell
    QCOMPARE(heard.take(), QStringList());
    QCOMPARE(description(), QStringLiteral("Segment 1 of 12: Gábor Angliába utazik\n"
                                           "Words before the gap: Pénteken\n"
                                           "Words after the gap: ."));

    // The tutor's explanation, once the press is over.
    driver->answer(QStringLiteral("kell utaznia"));
    QCoreApplication::processEvents();
    QCOMPARE(heard.take(), QStringList(line->text()));
    box->clear();
    // The next segment is heard in the answer box, which keeps the focus; so is its progress,
    // after the tutor's verdict.
    driver->answer(window->exercise().keys[0]);
    QCOMPARE(line->text(), QStringLiteral("Right! Segment 2 of 12."));
    QCOMPARE(description(), QStringLiteral("Segment 2 of 12: Egy versenyen vesz részt\n"
                                           "Words after the gap: ."));
    QCOMPARE(heard.take(), QStringList(QStringLiteral("Right!\n") + description()));

    driver->click("Command9");
    driver->click("Command9");
    settings->zoomBy(1);
    window->lang_Click(0); // texts change, nothing new happens
    settings->zoomBy(0);
    window->lang_Click(1);
    QCOMPARE(heard.take(),
             QStringList({driver->label("Label5")->text(), QStringLiteral("Text size 125 %"),
                          QStringLiteral("Szövegméret: 100 %")}));

    for (int i = 1; i < content::SegmentCount; ++i)
        driver->answer(window->exercise().keys[i]);
    QCoreApplication::processEvents();
    const QStringList atTheEnd = heard.take();
    QCOMPARE(atTheEnd.size(), content::SegmentCount - 1);
    QCOMPARE(atTheEnd.last(), line->text());
    QCOMPARE(description(),
             QStringLiteral("The exercise is finished. Press Start to begin it again."));
    // Start from the answer box (the tutor's offer to practise has taken the focus), which
    // keeps it.
    box->setFocus();
    window->Start_Click();
    QCOMPARE(heard.take(), QStringList(description()));
}

void DesktopTest::oneLineBoxesShowTheirWholeText_data()
{
    QTest::addColumn<QString>("box");
    QTest::addRow("answer") << QStringLiteral("Text1");
    QTest::addRow("words before the gap") << QStringLiteral("Text2");
    QTest::addRow("words after the gap") << QStringLiteral("Text3");
    QTest::addRow("list field") << QStringLiteral("Combo2");
}

// A screen reader reads a box's line by its text attribute runs and text boundaries: one run
// covers the whole text, with the caret at its end as after typing.
void DesktopTest::oneLineBoxesShowTheirWholeText()
{
    QFETCH(QString, box);
    QWidget *control = window->findChild<QWidget *>(box);
    auto *list = qobject_cast<QComboBox *>(control);
    QLineEdit *edit = list ? list->lineEdit() : qobject_cast<QLineEdit *>(control);
    QVERIFY(edit);
    const QString word = QStringLiteral("Délelőtt");
    edit->setText(word);
    edit->end(false);
    QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(edit)->textInterface();
    QVERIFY(text);
    int start = -1;
    int end = -1;
    for (int offset : {0, int(word.size()) - 1, int(word.size())}) {
        text->attributes(offset, &start, &end);
        QCOMPARE(start, 0);
        QCOMPARE(end, int(word.size()));
    }
    QCOMPARE(
        text->textAtOffset(text->cursorPosition() - 1, QAccessible::LineBoundary, &start, &end),
        word);
    // At the very end a word is looked for once, not forever.
    QCOMPARE(text->textAtOffset(text->cursorPosition(), QAccessible::WordBoundary, &start, &end),
             word);
    const QRect first = text->characterRect(0);
    QVERIFY(!first.isEmpty());
    QVERIFY(QRect(edit->mapToGlobal(QPoint()), edit->size()).contains(first));
}

// The passage box shows its newest line, but its caret stays at its start, where a screen reader
// begins to read it, and the arrow keys move it line by line.
void DesktopTest::passageBoxReadsFromItsFirstLine()
{
    QTextEdit *passage = driver->passageBox();
    const auto newestLineShown = [passage] {
        QTextDocument *lines = passage->document();
        QTextCursor newest(lines->findBlockByNumber(lines->blockCount() - 2)); // before the break
        newest.movePosition(QTextCursor::EndOfBlock);
        return passage->viewport()->rect().contains(passage->cursorRect(newest));
    };
    QCOMPARE(passage->textCursor().position(), 0);
    passage->setFixedHeight(4 * passage->fontMetrics().lineSpacing()); // the lines scroll
    QVERIFY(driver->start(2, 0));
    for (int i = 0; i < content::SegmentCount; ++i) {
        driver->answer(window->exercise().keys[i]);
        QCOMPARE(passage->textCursor().position(), 0);
        QVERIFY(newestLineShown());
    }
    QVERIFY(passage->verticalScrollBar()->value() > 0);
    passage->setFocus();
    QTest::keyClick(passage, Qt::Key_Down);
    QCOMPARE(passage->textCursor().blockNumber(), 1);
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
