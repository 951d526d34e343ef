// The course of an exercise in the real window, driven by keys, clicks and list picks.
#include "ExerciseDriver.h"

#include "content/ExerciseContent.h"
#include "i18n/InterfaceTexts.h"
#include "reference/ReferenceWindow.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>

using Icon = Notifier::Icon;

class ExerciseFlowTest : public ExerciseTestBase
{
    Q_OBJECT

private slots:
    void startUpState();
    void nextBeforeStartOnlyWarns();
    void solutionBeforeFirstStartShowsStartUpKey();
    void everySelectionEndsAfterTwelveAnswers_data();
    void everySelectionEndsAfterTwelveAnswers();
    void rebuiltPassageLines();
    void wrongAnswersAndSolutionDoNotAdvance();
    void picksWhileIdleShowTheSelection();
    void picksDuringARunAreRefused();
    void afterTheEnd();
    void onTopToggles();
    void keyboardStart();
    void referenceWindowFromTheHelpMenu();

private:
    void answerAll();
};

void ExerciseFlowTest::answerAll()
{
    for (int i = 0; i < content::SegmentCount; ++i)
        driver->answer(window->exercise().keys[i]);
}

void ExerciseFlowTest::startUpState()
{
    QCOMPARE(window->objectName(), QStringLiteral("gyakorlat1"));
    QCOMPARE(window->windowTitle(),
             QStringLiteral("ZELTO   -  Grammar exercises:  (Modal) auxiliaries and word order"));
    QVERIFY(window->findChild<QAction *>(QStringLiteral("lang1"))->isChecked());
    QVERIFY(window->findChild<QAction *>(QStringLiteral("mnuOntop"))->isChecked());
    QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(driver->button("Nex")->isDefault());
    QVERIFY(driver->button("Start")->isEnabled());
    QCOMPARE(driver->button("Nex")->text(), QStringLiteral("&Next"));
    QCOMPARE(driver->button("Solution")->text(), QStringLiteral("So&lution"));

    // The lists show akar and the third person, while the tables hold fog.
    QCOMPARE(driver->list("Combo1")->currentText(), QStringLiteral("akar"));
    QCOMPARE(driver->list("Combo2")->currentText(), QStringLiteral("(ő:  3)"));
    QCOMPARE(driver->list("Combo1")->count(), 5);
    QCOMPARE(driver->list("Combo2")->count(), 6);
    QCOMPARE(window->exercise().auxChoice, 2);
    QCOMPARE(window->exercise().person, 0);
    QCOMPARE(window->exercise().keys[0], QStringLiteral("korán fog felkelni"));
    QCOMPARE(driver->label("Label6")->text(), QStringLiteral(" +  akar"));
    QVERIFY(!driver->label("Image1")->isVisible());
    QVERIFY(!driver->label("Label5")->isVisible());
    QVERIFY(driver->label("Label1")->text().isEmpty());
    QVERIFY(driver->passageBox()->toPlainText().startsWith(
        QStringLiteral("Reggel Edit korán kel fel.")));
    QVERIFY(driver->passageBox()->isReadOnly());

    // The window is centred on the screen.
    const QRect screen = window->screen()->availableGeometry();
    QVERIFY(qAbs(window->geometry().center().x() - screen.center().x()) <= 2);
}

void ExerciseFlowTest::nextBeforeStartOnlyWarns()
{
    const QString passage = driver->passageBox()->toPlainText();
    driver->answer(QStringLiteral("korán fog felkelni"));
    QCOMPARE(notifier->messages.size(), 1);
    QCOMPARE(notifier->messages[0].icon, Icon::Exclamation);
    QCOMPARE(notifier->messages[0].text, texts()[i18n::msgNotStarted]);
    QCOMPARE(notifier->messages[0].title, texts()[i18n::txtTitle]);
    QCOMPARE(notifier->beeps, 0);
    QCOMPARE(driver->passageBox()->toPlainText(), passage);
    QVERIFY(!window->isRunning());
}

void ExerciseFlowTest::solutionBeforeFirstStartShowsStartUpKey()
{
    driver->click("Solution");
    QCOMPARE(notifier->messages.size(), 1);
    QCOMPARE(notifier->messages[0].icon, Icon::Information);
    QCOMPARE(notifier->messages[0].text,
             QStringLiteral("The correct solution is: korán fog felkelni"));
    QCOMPARE(QApplication::focusWidget(), driver->answerBox());
}

void ExerciseFlowTest::everySelectionEndsAfterTwelveAnswers_data()
{
    QTest::addColumn<int>("auxChoice");
    QTest::addColumn<int>("person");
    for (int auxChoice = 1; auxChoice <= 5; ++auxChoice) {
        for (int person : content::personCodes)
            QTest::addRow("aux %d person %d", auxChoice, person) << auxChoice << person;
    }
}

void ExerciseFlowTest::everySelectionEndsAfterTwelveAnswers()
{
    QFETCH(int, auxChoice);
    QFETCH(int, person);
    QVERIFY(driver->start(auxChoice, person));
    QCOMPARE(window->exercise().auxChoice, auxChoice);
    QCOMPARE(window->exercise().person, person);

    int finishedAt = -1;
    for (int i = 0; i < content::SegmentCount; ++i) {
        QCOMPARE(window->exercise().segment, i);
        QCOMPARE(driver->label("Label3")->text(), window->exercise().segments[i]);
        driver->answer(window->exercise().keys[i]);
        if (!window->isRunning() && finishedAt < 0)
            finishedAt = i;
    }
    QCOMPARE(finishedAt, 11);
    // Accepted answers draw no message until the end; the end beeps once.
    QCOMPARE(notifier->messages.size(), 1);
    QCOMPARE(notifier->messages[0].icon, Icon::Critical);
    QCOMPARE(notifier->messages[0].text, texts()[i18n::msgFinished]);
    QCOMPARE(notifier->beeps, 1);

    const QStringList lines = driver->passageLines();
    QCOMPARE(lines.size(), 12);
    for (int i = 0; i < content::SegmentCount; ++i)
        QVERIFY2(lines[i].contains(window->exercise().keys[i]), qPrintable(lines[i]));
}

void ExerciseFlowTest::rebuiltPassageLines()
{
    QVERIFY(driver->start(1, 0)); // akar, third person singular
    notifier->onMessage = [] { QFAIL("no message expected before the end"); };
    for (int i = 0; i < 5; ++i)
        driver->answer(window->exercise().keys[i]);
    notifier->onMessage = nullptr;
    // A missing `before` leaves a leading blank; "." and "," follow the key directly.
    const QStringList expected = {
        QStringLiteral("Ma reggel Edit korán akar felkelni."),
        QStringLiteral(" Pontosan akar az irodába érkezni."),
        QStringLiteral("Délelőtt sok levelet akar írni."),
        QStringLiteral("Délben le akar menni a büfébe."),
        QStringLiteral(" Nem akar ebédelni,"),
    };
    QCOMPARE(driver->passageLines(), expected);
    // The box after the gap shows a blank before the mark.
    QCOMPARE(driver->control<QLineEdit>("Text3")->text(), QStringLiteral(" ,"));
    QCOMPARE(driver->control<QLineEdit>("Text2")->text(), QStringLiteral("csak"));
}

void ExerciseFlowTest::wrongAnswersAndSolutionDoNotAdvance()
{
    QVERIFY(driver->start(4, 0)); // kell, third person singular
    driver->answer(QStringLiteral("Gábor Angliába kell utaznia"));
    QCOMPARE(window->exercise().segment, 0);
    QCOMPARE(notifier->beeps, 1);
    QCOMPARE(notifier->lastText(), texts()[i18n::msgWrong]);
    QCOMPARE(notifier->messages.last().icon, Icon::Exclamation);
    // The wrong answer stays in the box for correcting.
    QCOMPARE(driver->answerBox()->text(), QStringLiteral("Gábor Angliába kell utaznia"));

    driver->click("Solution");
    QCOMPARE(notifier->lastText(),
             QStringLiteral("The correct solution is: Gábornak Angliába kell utaznia"));
    QCOMPARE(window->exercise().segment, 0);
    QCOMPARE(driver->answerBox()->text(), QStringLiteral("Gábor Angliába kell utaznia"));

    driver->answerBox()->clear();
    driver->answer(QStringLiteral("Gábornak Angliába kell utaznia"));
    QCOMPARE(window->exercise().segment, 1);
    QCOMPARE(driver->passageLines().size(), 1);
}

void ExerciseFlowTest::picksWhileIdleShowTheSelection()
{
    QVERIFY(driver->pick("Combo2", 1)); // te
    QCOMPARE(window->exercise().person, 2);
    QVERIFY(driver->label("Image1")->isVisible());
    QVERIFY(!driver->label("Image1")->pixmap().isNull());
    QVERIFY(driver->pick("Combo2", 2)); // ő
    QCOMPARE(window->exercise().person, 0);
    QVERIFY(!driver->label("Image1")->isVisible());
    QVERIFY(driver->label("Label6")->isVisible());

    QVERIFY(driver->pick("Combo1", 4));
    QCOMPARE(window->exercise().auxChoice, 5);
    QCOMPARE(driver->label("Label6")->text(), QStringLiteral("+ akar/kell/szokott/tud"));
    QVERIFY(driver->passageBox()->toPlainText().startsWith(QStringLiteral("Péter minden")));
    // The tables wait for Start.
    QCOMPARE(window->exercise().keys[0], QStringLiteral("korán fog felkelni"));
    QVERIFY(notifier->messages.isEmpty());

    // A typed text that is no item leaves the selection as it was.
    QComboBox *persons = driver->list("Combo2");
    persons->setEditText(QStringLiteral("mi: 1 1"));
    driver->click("Start");
    QCOMPARE(window->exercise().person, 0);
    QCOMPARE(window->exercise().auxChoice, 5);
}

void ExerciseFlowTest::picksDuringARunAreRefused()
{
    QVERIFY(driver->start(2, 0)); // fog
    driver->answer(window->exercise().keys[0]);
    QVERIFY(driver->pick("Combo1", 2));
    QCOMPARE(notifier->messages.size(), 1);
    QCOMPARE(notifier->lastText(), texts()[i18n::msgLocked]);
    QCOMPARE(QApplication::focusWidget(), driver->answerBox());
    // The list shows the new pick while the exercise goes on unchanged.
    QCOMPARE(driver->list("Combo1")->currentText(), QStringLiteral("szokott"));
    QCOMPARE(window->exercise().auxChoice, 2);
    QCOMPARE(window->exercise().segment, 1);

    // The persons list always says it in English, under the title of the current language.
    window->lang_Click(0);
    QVERIFY(driver->pick("Combo2", 3));
    QCOMPARE(notifier->lastText(),
             QStringLiteral(
                 "Sorry. You cannot change settings before completing the current exercise."));
    QCOMPARE(notifier->messages.last().icon, Icon::Exclamation);
    QCOMPARE(notifier->messages.last().title, texts()[i18n::txtTitle]);
    QCOMPARE(QApplication::focusWidget(), driver->answerBox());
    QCOMPARE(window->exercise().person, 0);
    window->lang_Click(1);

    // Typing an item's text and leaving the list is no pick: no lock message.
    notifier->clear();
    QLineEdit *auxField = driver->list("Combo1")->lineEdit();
    auxField->setFocus();
    auxField->selectAll();
    QTest::keyClicks(auxField, QStringLiteral("akar"));
    QTest::keyClick(auxField, Qt::Key_Tab);
    QVERIFY(notifier->messages.isEmpty());
    QCOMPARE(driver->list("Combo1")->currentText(), QStringLiteral("akar"));
    auxField->setText(QStringLiteral("szokott"));

    // The next Start takes both picks.
    for (int i = 1; i < content::SegmentCount; ++i)
        driver->answer(window->exercise().keys[i]);
    QVERIFY(!window->isRunning());
    driver->click("Start");
    QCOMPARE(window->exercise().auxChoice, 3);
    QCOMPARE(window->exercise().person, 11);
}

void ExerciseFlowTest::afterTheEnd()
{
    QVERIFY(driver->start(3, 33)); // szokott, third person plural
    // Everything happens in order: the message is shown while Start is still disabled.
    bool runningAtMessage = false;
    notifier->onMessage = [&] { runningAtMessage = window->isRunning(); };
    answerAll();
    notifier->onMessage = nullptr;
    QVERIFY(runningAtMessage);
    QVERIFY(!window->isRunning());
    QVERIFY(!driver->button("Nex")->isEnabled());
    QVERIFY(!driver->button("Nex")->isDefault());
    QCOMPARE(QApplication::focusWidget(), driver->answerBox());
    QCOMPARE(window->exercise().segment, 11);
    QVERIFY(driver->label("Label3")->text().isEmpty());
    QCOMPARE(driver->passageLines().size(), 12);

    // Enter does nothing now; Solution still shows the last key.
    notifier->clear();
    QTest::keyClick(driver->answerBox(), Qt::Key_Return);
    QVERIFY(notifier->messages.isEmpty());
    driver->click("Solution");
    QCOMPARE(notifier->lastText(),
             QStringLiteral("The correct solution is: Együtt szoktak moziba menni"));

    // Start again begins at segment 0 with the current lists and an empty passage box.
    QVERIFY(driver->pick("Combo1", 0));
    driver->click("Start");
    QVERIFY(window->isRunning());
    QCOMPARE(window->exercise().segment, 0);
    QCOMPARE(window->exercise().auxChoice, 1);
    QVERIFY(driver->passageBox()->toPlainText().isEmpty());
    QVERIFY(driver->button("Nex")->isEnabled());
    QVERIFY(driver->button("Nex")->isDefault());
}

void ExerciseFlowTest::keyboardStart()
{
    // Alt+S starts from the keyboard; what the learner types then lands in the answer box.
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(window->isRunning());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("kor'n akar felkelni"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(window->exercise().segment, 1);
    QVERIFY(notifier->messages.isEmpty());
}

void ExerciseFlowTest::onTopToggles()
{
    QAction *onTop = window->findChild<QAction *>(QStringLiteral("mnuOntop"));
    onTop->trigger();
    QVERIFY(!onTop->isChecked());
    QVERIFY(!(window->windowFlags() & Qt::WindowStaysOnTopHint));
    QVERIFY(window->isVisible());
    window->mnuOntop_Click();
    QVERIFY(onTop->isChecked());
    QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(window->isVisible());
}

void ExerciseFlowTest::referenceWindowFromTheHelpMenu()
{
    QAction *onTop = window->findChild<QAction *>(QStringLiteral("mnuOntop"));
    QAction *help = window->findChild<QAction *>(QStringLiteral("mnuSegedigek"));
    QVERIFY(onTop->isChecked());
    QVERIFY(!window->referenceWindow());
    help->trigger();
    // Opening releases the exercise window from staying on top.
    QVERIFY(!onTop->isChecked());
    QVERIFY(!(window->windowFlags() & Qt::WindowStaysOnTopHint));
    ReferenceWindow *reference = window->referenceWindow();
    QVERIFY(reference);
    QVERIFY(reference->isVisible());
    QVERIFY(!reference->parentWidget());
    QCOMPARE(reference->objectName(), QStringLiteral("help1"));

    help->trigger();
    QCOMPARE(window->referenceWindow(), reference);
    QVERIFY(!onTop->isChecked());
    onTop->trigger();
    help->trigger();
    QVERIFY(!onTop->isChecked());
    QVERIFY(notifier->messages.isEmpty());

    // Closing the exercise window by its close box leaves the reference standing.
    window->close();
    QVERIFY(reference->isVisible());

    // File > Exit ends the program, reference window included.
    QTimer::singleShot(0, window.get(), [this] { window->mnuExit_Click(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
}

QTEST_MAIN(ExerciseFlowTest)
#include "tst_exerciseFlow.moc"
