// The tutor in the real window: one whole exercise with it on, the window with it off, its
// line in another language, its buttons' access keys and the pattern in the reference window.
#include "ExerciseDriver.h"

#include "content/ExerciseContent.h"
#include "i18n/InterfaceTexts.h"
#include "i18n/TutorTexts.h"
#include "reference/ReferenceData.h"
#include "reference/ReferenceWindow.h"

#include <QAccessible>
#include <QAction>
#include <QMenuBar>
#include <QTest>

class TutorWindowTest : public ExerciseTestBase
{
    Q_OBJECT

private slots:
    void offAtStartUpTheWindowIsAsSpecified();
    void wholeExerciseWithTheTutor();
    void lineFollowsTheLanguageAndTheOption();
    void messagesGoToTheLine();
    void offAgainEndsItsOfferRoundAndLine();
    void patternOpensTheReferenceAtTheAuxiliary();
    void accessKeysDoNotClash();

private:
    QLabel *line() const { return driver->label("lblFeedback"); }
    // What the line says, as a screen reader's review reads it.
    QString said() const
    {
        return QAccessible::queryAccessibleInterface(line())->text(QAccessible::Name);
    }
    QString key() const { return window->exercise().keys[window->exercise().segment]; }
    void answerRightUpTo(int segment)
    {
        while (window->isRunning() && window->exercise().segment < segment)
            driver->answer(key());
    }
};

// With the option off: the usual message boxes, no line and no Hint button.
void TutorWindowTest::offAtStartUpTheWindowIsAsSpecified()
{
    QAction *option = window->findChild<QAction *>(QStringLiteral("mnuTutor"));
    QVERIFY(option && option->isCheckable() && !option->isChecked());
    QCOMPARE(option->text(), QStringLiteral("T&utor"));
    QVERIFY(driver->start(4, 0));
    driver->answer(QString()); // an empty answer is wrong
    driver->answer(QStringLiteral("kell utaznia"));
    driver->click("Solution");
    driver->answerBox()->clear();
    for (int i = 0; i < content::SegmentCount; ++i)
        driver->answer(window->exercise().keys[i]);
    QCOMPARE(notifier->messages.size(), 4);
    QCOMPARE(notifier->messages[0].text, texts()[i18n::msgWrong]);
    QCOMPARE(notifier->messages[1].text, texts()[i18n::msgWrong]);
    QCOMPARE(notifier->messages[3].text, texts()[i18n::msgFinished]);
    QCOMPARE(notifier->beeps, 3);
    for (const char *tutorControl : {"tutorRow", "cmdHint", "cmdPattern", "cmdPractise"})
        QVERIFY(!window->findChild<QWidget *>(QLatin1String(tutorControl))->isVisible());
    QVERIFY(line()->text().isEmpty());
}

void TutorWindowTest::wholeExerciseWithTheTutor()
{
    QVERIFY(driver->trigger("mnuTutor"));
    QVERIFY(!driver->button("cmdHint")->isVisible()); // from the next press of a button
    QVERIFY(driver->start(2, 2));                     // fog, te
    QVERIFY(line()->isVisible());
    QVERIFY(driver->button("cmdHint")->isVisible());
    QCOMPARE(said(), QStringLiteral("Segment 1 of 12"));

    driver->answer(key());
    QCOMPARE(said(), QStringLiteral("Right! Segment 2 of 12."));
    // A wrong answer with a small first letter: two beeps, the note before the verdict.
    driver->answer(QStringLiteral("pontosan fogok az irodába érkezni"));
    QCOMPARE(said(), QStringLiteral("A sentence begins here, so its first letter is now a "
                                    "capital. Not yet. That is the form for én. The exercise "
                                    "asks for te."));
    QCOMPARE(notifier->beeps, 2);
    QVERIFY(driver->button("cmdPattern")->isVisible());
    // An empty answer is no attempt.
    driver->answerBox()->clear();
    driver->answer(QStringLiteral("   "));
    QCOMPARE(said(), QStringLiteral("Type your answer first."));
    QCOMPARE(notifier->beeps, 2);
    driver->click("cmdHint");
    QCOMPARE(said(), QStringLiteral("Use fogsz."));
    driver->click("cmdHint");
    QCOMPARE(said(), QStringLiteral("It begins: Pontosan …"));
    QCOMPARE(driver->answerBox(), QApplication::focusWidget());
    // The solution against the last wrong answer.
    driver->click("Solution");
    QCOMPARE(said(), QStringLiteral("The correct solution is: Pontosan fogsz az irodába érkezni. "
                                    "fogok should be fogsz."));
    QVERIFY(line()->text().contains(QStringLiteral("<s ")));
    driver->answerBox()->clear();
    driver->answer(key());
    QVERIFY(!driver->button("cmdPattern")->isVisible());

    // The group row: the forms are named by the group's pronouns.
    answerRightUpTo(11);
    driver->answer(QStringLiteral("Együtt fognak moziba menni"));
    QCOMPARE(said(), QStringLiteral("Not yet. That is the form for ők. The exercise asks for ti."));
    driver->answerBox()->clear();
    driver->answer(key());
    QCOMPARE(said(), QStringLiteral("Done: 12 segments, 10 right at the first try, 2 wrong "
                                    "answers, 2 hints, 1 solution shown."));
    QCOMPARE(notifier->beeps, 4); // and the end
    QVERIFY(!window->isRunning());
    QPushButton *practise = driver->button("cmdPractise");
    QCOMPARE(practise->text(), QStringLiteral("&Practise the 2 missed segments"));
    QCOMPARE(QApplication::focusWidget(), practise);
    const QStringList passage = driver->passageLines();
    QCOMPARE(passage.size(), 12);

    // Enter presses the offer: a round of segments 2 and 12, in their frames.
    QTest::keyClick(practise, Qt::Key_Return);
    QVERIFY(window->isRunning());
    QVERIFY(driver->button("Nex")->isEnabled());
    QCOMPARE(window->exercise().segment, 1);
    QCOMPARE(driver->control<QLineEdit>("Text2")->text(), window->exercise().frames[1].before);
    driver->answer(QStringLiteral("Pontosan fogsz érkezni az irodába"));
    QCOMPARE(said(), QStringLiteral("Not yet. The words are right, but this exercise practises "
                                    "another order."));
    driver->answerBox()->clear();
    driver->answer(key());
    QCOMPARE(said(), QStringLiteral("Right! Segment 12 of 12."));
    driver->answer(key());
    QCOMPARE(said(), QStringLiteral("Done: 2 segments, 1 right at the first try, 1 wrong answer, "
                                    "0 hints, 0 solutions shown."));
    QCOMPARE(practise->text(), QStringLiteral("&Practise the missed segment"));
    QVERIFY(driver->button("Start")->isEnabled());
    QCOMPARE(driver->passageLines(), passage); // a round adds no line

    practise->click();
    QCOMPARE(window->exercise().segment, 1);
    driver->answer(key());
    QCOMPARE(said(), QStringLiteral("Done: 1 segment, 1 right at the first try, 0 wrong answers, 0 "
                                    "hints, 0 solutions shown."));
    QVERIFY(!practise->isVisible());
    QVERIFY(driver->button("Start")->isEnabled());
    QVERIFY(notifier->messages.isEmpty());
}

void TutorWindowTest::lineFollowsTheLanguageAndTheOption()
{
    QVERIFY(driver->trigger("mnuTutor"));
    QVERIFY(driver->start(4, 2)); // kell, te
    QCOMPARE(line()->accessibleDescription(), QStringLiteral("Feedback"));
    driver->answer(QStringLiteral("Gábornak Angliába kell utaznia"));
    QCOMPARE(said(), QStringLiteral("Not yet. That is the form for ő. The exercise asks for te."));
    window->lang_Click(0);
    QCOMPARE(line()->text(),
             QStringLiteral("Még nem jó. Ez „ő” alak, de a feladat „te” alakot kér."));
    QCOMPARE(driver->button("cmdHint")->text(), QStringLiteral("T&ipp"));
    window->lang_Click(2);
    QCOMPARE(line()->text(), QStringLiteral("Todavía no. Esa es la forma de «ő», pero el ejercicio "
                                            "pide la de «te»."));
    window->lang_Click(1);

    // Off again: nothing changes until the next press of a button, then the line goes.
    QVERIFY(driver->trigger("mnuTutor"));
    QVERIFY(line()->isVisible());
    driver->answerBox()->clear();
    driver->answer(window->exercise().keys[0]);
    QVERIFY(!line()->isVisible());
    QVERIFY(!driver->button("cmdHint")->isVisible());
    driver->answer(QStringLiteral("x"));
    QCOMPARE(notifier->lastText(), texts()[i18n::msgWrong]);
}

// The messages the boxes would show are said in the line, in the current language.
void TutorWindowTest::messagesGoToTheLine()
{
    QVERIFY(driver->trigger("mnuTutor"));
    window->lang_Click(2);
    driver->answer(QStringLiteral("x")); // Enter before Start: a press of Next
    QCOMPARE(said(), texts()[i18n::msgNotStarted]);
    driver->click("Solution");
    QCOMPARE(said(), texts()[i18n::msgSolutionPrefix] + window->exercise().keys[0]);
    QVERIFY(driver->start(1, 0));
    QVERIFY(driver->pick("Combo1", 2));
    window->Combo1_Click();
    QCOMPARE(said(), texts()[i18n::msgLocked]);
    window->Combo2_Click();
    QCOMPARE(said(), i18n::lockedFixed);
    QVERIFY(notifier->messages.isEmpty());
}

// Unticked, the tutor goes with the next press or pick: its offer runs no round, a round that
// runs ends as the exercise had ended, and a lock is a box again.
void TutorWindowTest::offAgainEndsItsOfferRoundAndLine()
{
    const auto finishWithAMiss = [this] {
        QVERIFY(driver->start(1, 0));
        driver->answer(QStringLiteral("x"));
        driver->answerBox()->clear();
        answerRightUpTo(content::SegmentCount);
        QVERIFY(driver->button("cmdPractise")->isVisible());
    };
    QVERIFY(driver->trigger("mnuTutor"));
    finishWithAMiss();
    QVERIFY(driver->trigger("mnuTutor"));
    driver->click("cmdPractise");
    QVERIFY(!window->isRunning());
    QVERIFY(!driver->button("cmdPractise")->isVisible());

    QVERIFY(driver->trigger("mnuTutor"));
    finishWithAMiss();
    const QString passage = driver->passageBox()->toPlainText();
    driver->click("cmdPractise");
    QVERIFY(window->isRunning());
    QVERIFY(driver->trigger("mnuTutor"));
    driver->answer(key());
    QVERIFY(!window->isRunning());
    QVERIFY(!driver->button("Nex")->isEnabled());
    QCOMPARE(driver->passageBox()->toPlainText(), passage);

    QVERIFY(driver->trigger("mnuTutor"));
    QVERIFY(driver->start(1, 0));
    QVERIFY(driver->trigger("mnuTutor"));
    window->Combo1_Click();
    QVERIFY(!line()->isVisible());
    QCOMPARE(notifier->messages.size(), 1);
    QCOMPARE(notifier->lastText(), texts()[i18n::msgLocked]);
}

void TutorWindowTest::patternOpensTheReferenceAtTheAuxiliary()
{
    QVERIFY(driver->trigger("mnuTutor"));
    QVERIFY(driver->start(5, 2)); // the mixed set: segment 7 needs tud
    answerRightUpTo(6);
    driver->answer(QStringLiteral("nem tudod velük menni"));
    driver->click("cmdPattern");
    ReferenceWindow *reference = window->referenceWindow();
    QVERIFY(reference && reference->isVisible());
    QCOMPARE(reference->findChild<QComboBox *>(QStringLiteral("Combo1"))->currentText(),
             QStringLiteral("tud"));
    // Its grid shows tud on the base sentences.
    QCOMPARE(reference->cellAt(reference::LastRow, reference::ColC)->text(),
             QStringLiteral("tudsz"));
    driver->answerBox()->clear();
    driver->answer(key()); // the exercise goes on beside it
    QCOMPARE(window->exercise().segment, 7);
}

// Hint's access key is taken by nothing else of the window, built in or in any language;
// Practise and Show the pattern, which never show together, clash with nothing else either.
void TutorWindowTest::accessKeysDoNotClash()
{
    const auto accessKey = [](const QString &caption) {
        const qsizetype at = caption.indexOf(u'&');
        return at >= 0 && at + 1 < caption.size() ? caption.at(at + 1).toLower() : QChar();
    };
    const QWidgetList buttons = {driver->button("Start"), driver->button("Nex"),
                                 driver->button("Solution"), driver->button("Command9")};
    for (int language = 0; language <= 3; ++language) {
        if (language > 0)
            window->lang_Click(language - 1);
        const i18n::Language shown = language > 0 ? i18n::Language(language) : i18n::English;
        QStringList others;
        for (QWidget *button : buttons)
            others << static_cast<QPushButton *>(button)->text();
        for (QAction *action : window->findChildren<QAction *>())
            others << action->text();
        const QString hint = driver->button("cmdHint")->text();
        QCOMPARE(hint, i18n::tutorText(i18n::tuHintCaption, shown));
        const QStringList tutorButtons = {i18n::tutorText(i18n::tuPatternCaption, shown),
                                          i18n::practiseCaption(4, shown)};
        const QStringList own = QStringList(tutorButtons) << hint;
        for (const QString &caption : own) {
            QVERIFY(!accessKey(caption).isNull());
            for (const QString &other : others)
                QVERIFY2(accessKey(caption) != accessKey(other),
                         qPrintable(caption + u' ' + other));
        }
        QVERIFY(accessKey(hint) != accessKey(tutorButtons[0]));
        QVERIFY(accessKey(hint) != accessKey(tutorButtons[1]));
    }
}

QTEST_MAIN(TutorWindowTest)
#include "tst_tutorWindow.moc"
