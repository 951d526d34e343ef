// From keystrokes to verdict: remapping, blank runs, capitals and the comparison.
#include "ExerciseDriver.h"

#include "exercise/AnswerChecking.h"
#include "i18n/InterfaceTexts.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

using Icon = Notifier::Icon;

class AnswerCheckingTest : public ExerciseTestBase
{
    Q_OBJECT

private slots:

    void replaceRuns_data();
    void replaceRuns();
    void comparison_data();
    void comparison();

    void typedKeysEnterAccentedLetters();
    void pastedTextIsNotRemapped();
    void caretGoesToTheEndOnFocus();
    void blankRunsCollapseInTheBox();
    void capitalWarningCorrectsSentenceStarts();
    void namesMustBeTypedWithCapitals();
    void emptyAnswerOnSentenceStart();
    void notRunningCollapsesButNeverCapitalises();

private:
    [[nodiscard]] bool runTo(int auxChoice, int person, int segment);
};

// Starts the exercise and answers it up to `segment`, forgetting the messages; false unless
// the exercise then stands at `segment`.
bool AnswerCheckingTest::runTo(int auxChoice, int person, int segment)
{
    if (!driver->start(auxChoice, person))
        return false;
    for (int i = 0; i < segment; ++i)
        driver->answer(window->exercise().keys[i]);
    notifier->clear();
    return window->exercise().segment == segment;
}

void AnswerCheckingTest::replaceRuns_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("findText");
    QTest::addColumn<QString>("expected");
    const QString two = QStringLiteral("  ");
    QTest::addRow("empty") << QString() << two << QString();
    QTest::addRow("single blanks") << QStringLiteral("a b c") << two << QStringLiteral("a b c");
    QTest::addRow("inner runs") << QStringLiteral("a  b     c") << two << QStringLiteral("a b c");
    QTest::addRow("ends") << QStringLiteral("   a   ") << two << QStringLiteral(" a ");
    QTest::addRow("only blanks") << QString(32767, u' ') << two << QStringLiteral(" ");
    QTest::addRow("tabs are not blanks")
        << QStringLiteral("a\t\tb \t c") << two << QStringLiteral("a\t\tb \t c");
    QTest::addRow("no-break space is not a blank")
        << QStringLiteral("a\u00a0\u00a0 b") << two << QStringLiteral("a\u00a0\u00a0 b");
    // The general rule: replace the first occurrence again and again.
    QTest::addRow("three-character pattern")
        << QStringLiteral("xx  x") << QStringLiteral("x ") << QStringLiteral("  x");
    QTest::addRow("a single blank would never end")
        << QStringLiteral("a  b") << QStringLiteral(" ") << QStringLiteral("a  b");
}

void AnswerCheckingTest::replaceRuns()
{
    QFETCH(QString, text);
    QFETCH(QString, findText);
    QFETCH(QString, expected);
    QCOMPARE(answer::replaceRunsByBlank(text, findText), expected);

    // The same result as the rescanning definition, for short texts.
    if (text.size() < 100 && findText.size() > 1) {
        QString slow = text;
        for (qsizetype at; (at = slow.indexOf(findText)) >= 0;)
            slow.replace(at, findText.size(), QStringLiteral(" "));
        QCOMPARE(expected, slow);
    }
}

void AnswerCheckingTest::comparison_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("correct");
    const QString key = QStringLiteral("nem kell edzésre mennie");
    QTest::addRow("exact") << key << true;
    QTest::addRow("outer blanks") << QStringLiteral("  nem kell edzésre mennie ") << true;
    QTest::addRow("inner double blank") << QStringLiteral("nem kell  edzésre mennie") << false;
    QTest::addRow("case") << QStringLiteral("nem kell Edzésre mennie") << false;
    QTest::addRow("missing accent") << QStringLiteral("nem kell edzesre mennie") << false;
    QTest::addRow("trailing period") << QStringLiteral("nem kell edzésre mennie.") << false;
    QTest::addRow("tab at end") << QStringLiteral("nem kell edzésre mennie\t") << false;
    QTest::addRow("empty") << QString() << false;
}

void AnswerCheckingTest::comparison()
{
    QFETCH(QString, answer);
    QFETCH(bool, correct);
    QCOMPARE(answer::matchesKey(answer, QStringLiteral("nem kell edzésre mennie")), correct);
}

void AnswerCheckingTest::typedKeysEnterAccentedLetters()
{
    QLineEdit *box = driver->answerBox();
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("\"')+-0:;=[\\]_`{|}~"));
    QCOMPARE(box->text(), QStringLiteral("ÁáÖÓüöÉéóőűúÜíŐŰÚÍ"));
    box->clear();
    // Ordinary letters, digits other than zero and other marks pass unchanged.
    QTest::keyClicks(box, QStringLiteral("aZ5.,?!(<"));
    QCOMPARE(box->text(), QStringLiteral("aZ5.,?!(<"));
    // Digit zero can't be typed at all: it enters ö, also on the keypad.
    box->clear();
    QTest::keyClick(box, Qt::Key_0, Qt::KeypadModifier);
    QCOMPARE(box->text(), QStringLiteral("ö"));
    // A remapped letter replaces a selection like any typed letter.
    box->setText(QStringLiteral("xyz"));
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("["));
    QCOMPARE(box->text(), QStringLiteral("ő"));
    // Other boxes are not remapped.
    QLineEdit *before = driver->control<QLineEdit>("Text2");
    before->setFocus();
    QTest::keyClicks(before, QStringLiteral("0;"));
    QCOMPARE(before->text(), QStringLiteral("0;"));
}

void AnswerCheckingTest::pastedTextIsNotRemapped()
{
    QLineEdit *box = driver->answerBox();
    box->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("0;'[x"));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->text(), QStringLiteral("0;'[x"));
}

void AnswerCheckingTest::caretGoesToTheEndOnFocus()
{
    QLineEdit *box = driver->answerBox();
    box->setText(QStringLiteral("abc def"));
    driver->button("Start")->setFocus();
    // Tab from Text2 lands in the answer box with the caret at the end, nothing selected.
    QLineEdit *before = driver->control<QLineEdit>("Text2");
    before->setText(QStringLiteral("Délben"));
    QTest::keyClick(driver->button("Start"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), before);
    QCOMPARE(before->cursorPosition(), 6);
    QVERIFY(!before->hasSelectedText());
    QTest::keyClick(before, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), box);
    QCOMPARE(box->cursorPosition(), 7);
    QVERIFY(!box->hasSelectedText());
    // The words after the gap keep a text box's usual behaviour: Tab selects them all.
    QLineEdit *after = driver->control<QLineEdit>("Text3");
    after->setText(QStringLiteral(" a bankban,"));
    driver->button("Nex")->setFocus();
    QTest::keyClick(driver->button("Nex"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), after);
    QVERIFY(after->hasSelectedText());
}

void AnswerCheckingTest::blankRunsCollapseInTheBox()
{
    // Segment 2 of the trip does not begin a sentence: blanks collapse, none are trimmed.
    QVERIFY(runTo(4, 0, 2));
    QLineEdit *box = driver->answerBox();
    box->setFocus();
    QTest::keyClicks(box, typedFor(QStringLiteral("   nem  kell   edzésre  mennie x   ")));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(box->text(), QStringLiteral(" nem kell edzésre mennie x "));
    QCOMPARE(notifier->lastText(), texts()[i18n::msgWrong]);

    box->clear();
    driver->answer(QStringLiteral("   nem  kell   edzésre  mennie   "));
    QCOMPARE(window->exercise().segment, 3);

    // Segment 3 begins a sentence: the box is trimmed as well.
    notifier->clear();
    box->setFocus();
    QTest::keyClicks(box, typedFor(QStringLiteral("  Pénzt   kell  x  ")));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(box->text(), QStringLiteral("Pénzt kell x"));
    QCOMPARE(notifier->messages.size(), 1);
}

void AnswerCheckingTest::capitalWarningCorrectsSentenceStarts()
{
    QVERIFY(runTo(4, 0, 10));
    bool correctedBeforeMessage = false;
    notifier->onMessage = [&] {
        correctedBeforeMessage =
            driver->answerBox()->text() == QStringLiteral("Edzésre kell mennie");
    };
    driver->answer(QStringLiteral("  edzésre kell mennie"));
    notifier->onMessage = nullptr;
    QVERIFY(correctedBeforeMessage);
    QCOMPARE(notifier->messages.size(), 1);
    QCOMPARE(notifier->messages[0].icon, Icon::Exclamation);
    QCOMPARE(notifier->messages[0].text, texts()[i18n::msgCapitals]);
    QCOMPARE(notifier->beeps, 1);
    // Accepted after the warning.
    QCOMPARE(window->exercise().segment, 11);
    QCOMPARE(driver->passageLines().last(), QStringLiteral(" Edzésre kell mennie."));

    // A small accented first letter is capitalised too; a wrong rest is still wrong.
    notifier->clear();
    driver->answer(QStringLiteral("készülnie kell!"));
    QCOMPARE(driver->answerBox()->text(), QStringLiteral("Készülnie kell!"));
    QCOMPARE(notifier->messages.size(), 2);
    QCOMPARE(notifier->messages[1].text, texts()[i18n::msgWrong]);
    QCOMPARE(notifier->beeps, 2);
}

void AnswerCheckingTest::namesMustBeTypedWithCapitals()
{
    QVERIFY(runTo(4, 0, 0));
    driver->answer(QStringLiteral("gábornak Angliába kell utaznia"));
    QCOMPARE(notifier->messages.size(), 1);
    QCOMPARE(notifier->lastText(), texts()[i18n::msgWrong]);
    QCOMPARE(driver->answerBox()->text(), QStringLiteral("gábornak Angliába kell utaznia"));
    QCOMPARE(window->exercise().segment, 0);
}

void AnswerCheckingTest::emptyAnswerOnSentenceStart()
{
    QVERIFY(runTo(1, 0, 1));
    driver->answer(QString());
    QCOMPARE(notifier->messages.size(), 1);
    QCOMPARE(notifier->lastText(), texts()[i18n::msgWrong]);
    // A first character without case draws no warning.
    notifier->clear();
    driver->answer(QStringLiteral("5 óráig"));
    QCOMPARE(notifier->messages.size(), 1);
    QCOMPARE(notifier->lastText(), texts()[i18n::msgWrong]);
}

void AnswerCheckingTest::notRunningCollapsesButNeverCapitalises()
{
    driver->answer(QStringLiteral("  pontosan   fog "));
    QCOMPARE(driver->answerBox()->text(), QStringLiteral(" pontosan fog "));
    QCOMPARE(notifier->messages.size(), 1);
    QCOMPARE(notifier->lastText(), texts()[i18n::msgNotStarted]);
    QCOMPARE(notifier->beeps, 0);
}

QTEST_MAIN(AnswerCheckingTest)
#include "tst_answerChecking.moc"
