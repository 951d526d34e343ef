// Switching the interface language, hover hints, the how-to message and the legend.
#include "ExerciseDriver.h"

#include "i18n/InterfaceTexts.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

using Icon = Notifier::Icon;

class LanguageSwitchingTest : public ExerciseTestBase
{
    Q_OBJECT

private slots:

    void englishAgainRewritesBuiltInCaptions();
    void hungarianDuringARunLeavesTheExercise();
    void oneCheckMark();
    void switchLeavesOtherStateAlone();
    void hintsFollowTheMouse();
    void hintsStayUntilTheMouseMoves();
    void hintsOverListsAndBoxesKeepTheLine();
    void howToMessage();
    void characterLegendToggles();

private:
    QAction *action(const char *name) const
    {
        return window->findChild<QAction *>(QString::fromLatin1(name));
    }
    QMenu *menu(const char *name) const
    {
        return window->findChild<QMenu *>(QString::fromLatin1(name));
    }
    // Lets pending layout changes settle first, so the point lands where it is meant to.
    void moveOver(QWidget *widget, QPoint at = QPoint(-1, -1)) const
    {
        QCoreApplication::processEvents();
        QTest::mouseMove(widget, at.x() < 0 ? widget->rect().center() : at);
    }
    QString hintLine() const { return driver->label("Label1")->text(); }
};

void LanguageSwitchingTest::englishAgainRewritesBuiltInCaptions()
{
    QVERIFY(driver->trigger("lang1"));
    QCOMPARE(settings->language(), i18n::English);
    QCOMPARE(driver->button("Nex")->text(), QStringLiteral("&Check it"));
    QCOMPARE(driver->button("Solution")->text(), QStringLiteral("S&olution"));
    QCOMPARE(driver->button("Start")->text(), QStringLiteral("&Start"));
    QCOMPARE(menu("mnuDialog")->title(), QStringLiteral("Dilago language"));
    QCOMPARE(action("lang0")->text(), QStringLiteral("&Hungarian"));
    QCOMPARE(action("lang1")->text(), QStringLiteral("&English"));
    QCOMPARE(action("lang2")->text(), QStringLiteral("&Spanish"));
    QCOMPARE(action("mnuOntop")->text(), QStringLiteral("OnTop"));
    QCOMPARE(menu("mnuHelp")->title(), QStringLiteral("Help"));
    QCOMPARE(action("mnuhowto")->text(), QStringLiteral("How to..."));
    QCOMPARE(action("mnuSegedigek")->text(), QStringLiteral("(Modal) auxiliaries and word order"));
    QCOMPARE(window->windowTitle(),
             QStringLiteral("Grammar exercises:  (Modal) auxiliaries and word order"));
    QCOMPARE(driver->button("Command9")->text(), QStringLiteral("&Char"));
}

void LanguageSwitchingTest::hungarianDuringARunLeavesTheExercise()
{
    driver->click("Start");
    driver->answer(window->exercise().keys[0]);
    driver->answerBox()->setText(QStringLiteral("félig kész"));
    const QString passage = driver->passageBox()->toPlainText();

    QVERIFY(driver->trigger("lang0"));
    QCOMPARE(driver->button("Start")->text(), QStringLiteral("&Start"));
    QVERIFY(!driver->button("Start")->isEnabled());
    QCOMPARE(driver->button("Nex")->text(), QStringLiteral("&Tovább"));
    QCOMPARE(driver->label("Label4")->text(), QStringLiteral("Segédigék"));
    QCOMPARE(driver->label("Label7")->text(), QStringLiteral("Személyek"));
    QVERIFY(driver->label("Label2")->text().startsWith(QStringLiteral("Olvassa el")));
    QCOMPARE(driver->answerBox()->text(), QStringLiteral("félig kész"));
    QCOMPARE(window->exercise().segment, 1);
    QCOMPARE(driver->passageBox()->toPlainText(), passage);

    // Segment 1 begins a sentence: first the capital-letter warning, then the verdict.
    QTest::keyClick(driver->answerBox(), Qt::Key_Return);
    QCOMPARE(notifier->messages.size(), 2);
    QCOMPARE(notifier->messages[0].text, QStringLiteral("Figyeljen a mondatkezdő nagybetűkre!"));
    QCOMPARE(notifier->messages[1].text,
             QStringLiteral("Téves. Próbálja meg újra! Figyeljen a szórendre és a helyesírásra!"));
    for (const RecordedMessage &box : notifier->messages) {
        QCOMPARE(box.title,
                 QStringLiteral("Nyelvtani gyakorlatok: (Modális) segédigék és a szórend"));
        QCOMPARE(box.icon, Icon::Exclamation);
    }
}

void LanguageSwitchingTest::oneCheckMark()
{
    QSignalSpy changed(settings.get(), &Settings::languageChanged);
    const auto checkedItems = [this] {
        QStringList names;
        for (const char *name : {"lang0", "lang1", "lang2"}) {
            if (action(name)->isChecked())
                names << QLatin1String(name);
        }
        return names;
    };
    for (int round = 0; round < 2; ++round)
        QVERIFY(driver->trigger("lang2"));
    QCOMPARE(checkedItems(), QStringList(QStringLiteral("lang2")));
    QCOMPARE(settings->language(), i18n::Spanish);
    QCOMPARE(changed.count(), 1); // the second choice of Spanish changes no setting
    QCOMPARE(driver->button("Start")->text(), QStringLiteral("&Comenzar"));
    QVERIFY(driver->trigger("lang0"));
    QCOMPARE(checkedItems(), QStringList(QStringLiteral("lang0")));
    window->lang_Click(1);
    QCOMPARE(checkedItems(), QStringList(QStringLiteral("lang1")));
}

void LanguageSwitchingTest::switchLeavesOtherStateAlone()
{
    QVERIFY(driver->trigger("mnuOntop")); // release
    driver->click("Command9");            // legend shown
    QVERIFY(driver->pick("Combo2", 0));   // én, with its pictogram
    const QString indicator = driver->label("Label6")->text();
    QVERIFY(driver->trigger("lang2"));
    QVERIFY(!action("mnuOntop")->isChecked());
    QVERIFY(!(window->windowFlags() & Qt::WindowStaysOnTopHint));
    QVERIFY(driver->label("Label5")->isVisible());
    QVERIFY(driver->label("Image1")->isVisible());
    QCOMPARE(driver->label("Label6")->text(), indicator);
    QCOMPARE(driver->list("Combo2")->currentText(), QStringLiteral("én:  1"));
    QCOMPARE(driver->list("Combo1")->itemText(0), QStringLiteral("akar"));
}

void LanguageSwitchingTest::hintsFollowTheMouse()
{
    QVERIFY(driver->trigger("lang0"));
    QVERIFY(driver->pick("Combo2", 1)); // te: the pictogram is shown
    moveOver(driver->label("Image1"));
    QCOMPARE(hintLine(), QStringLiteral("Ez az választott alany személye és száma."));
    moveOver(driver->label("Label3"));
    QCOMPARE(hintLine(), QStringLiteral("This is the segment of the sentence you must transform."));
    moveOver(driver->button("Start"));
    QCOMPARE(hintLine(), texts()[i18n::hintStart]);
    moveOver(driver->answerBox());
    QCOMPARE(hintLine(), texts()[i18n::hintAnswer]);
    moveOver(driver->label("Label6"));
    QCOMPARE(hintLine(), QStringLiteral("Ezt a segédigét kell használnia."));
    // Movement over the bare window empties the line.
    moveOver(window->centralWidget(), QPoint(3, 3));
    QVERIFY(hintLine().isEmpty());

    // The longest hint wraps inside the strip instead of being cut off.
    moveOver(driver->button("Start"));
    QLabel *line = driver->label("Label1");
    QVERIFY(line->wordWrap());
    QVERIFY(line->heightForWidth(line->width()) <= line->height());

    // A disabled control raises no movements: the surface under it empties the line.
    driver->click("Start");
    moveOver(driver->button("Nex"));
    QCOMPARE(hintLine(), texts()[i18n::hintNext]);
    moveOver(driver->button("Start"));
    QVERIFY(hintLine().isEmpty());
}

void LanguageSwitchingTest::hintsStayUntilTheMouseMoves()
{
    moveOver(driver->button("Solution"));
    QCOMPARE(hintLine(), QStringLiteral("If you want to see the correct solution, click here."));
    QVERIFY(driver->trigger("lang2"));
    QCOMPARE(hintLine(), QStringLiteral("If you want to see the correct solution, click here."));
    moveOver(driver->button("Solution"), QPoint(3, 3));
    QCOMPARE(hintLine(), QStringLiteral("Si quiere ver la solución correcta, haga clic aquí."));
}

void LanguageSwitchingTest::hintsOverListsAndBoxesKeepTheLine()
{
    moveOver(driver->label("Label4"));
    QCOMPARE(hintLine(), texts()[i18n::hintAuxList]);
    for (QWidget *quiet : std::initializer_list<QWidget *>{
             driver->list("Combo1"), driver->control<QLineEdit>("Text2"),
             driver->control<QLineEdit>("Text3"), driver->passageBox(), driver->label("Label2")}) {
        moveOver(quiet);
        QCOMPARE(hintLine(), texts()[i18n::hintAuxList]);
    }
    moveOver(window->centralWidget(), QPoint(2, 2));
    QVERIFY(hintLine().isEmpty());
}

void LanguageSwitchingTest::howToMessage()
{
    driver->button("Start")->setFocus();
    QVERIFY(driver->trigger("mnuhowto"));
    QCOMPARE(notifier->messages.size(), 1);
    const RecordedMessage &box = notifier->messages[0];
    QCOMPARE(box.icon, Icon::Information);
    QCOMPARE(box.title, QStringLiteral("Grammar exercises:  (Modal) auxiliaries and word order"));
    QCOMPARE(box.text, texts()[i18n::txtInstruction] + QStringLiteral("\n\n") +
                           QStringLiteral("Click here to see how to type the special Hungarian "
                                          "characters (á, é etc.) on an English keyboard. If you "
                                          "want this information to desappear, click again."));
    QCOMPARE(QApplication::focusWidget(), driver->answerBox());
    QVERIFY(!window->isRunning());
}

void LanguageSwitchingTest::characterLegendToggles()
{
    QLabel *legend = driver->label("Label5");
    QCOMPARE(legend->text(), QStringLiteral("á  ( ' );  é ( ; );  í ( ` );  ó ( = );  ö ( 0 );  "
                                            "ő ( [ );  ú ( ] );  ü ( - );  ű ( \\ )"));
    moveOver(driver->button("Nex"));
    driver->button("Start")->setFocus();
    driver->click("Command9");
    QVERIFY(legend->isVisible());
    QVERIFY(driver->trigger("lang0"));
    QVERIFY(legend->isVisible());
    driver->click("Command9");
    QVERIFY(!legend->isVisible());
    QCOMPARE(driver->button("Command9")->text(), QStringLiteral("&Char"));
    // The click changes nothing else: the focus and the hint line stay.
    QCOMPARE(hintLine(), QStringLiteral("To check your solution and go on to the next sentence, "
                                        "click on this button or press \"Enter\"."));
}

QTEST_MAIN(LanguageSwitchingTest)
#include "tst_languageSwitching.moc"
