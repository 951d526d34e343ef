// The interface string table: exact texts, complete fills, and the rules between slots.
#include "LanguageRows.h"
#include "i18n/InterfaceTexts.h"

#include <QTest>

using namespace i18n;

class StringsTest : public QObject
{
    Q_OBJECT

private slots:
    void outOfRangeLanguageWritesNothing();
    void quotedTexts_data();
    void quotedTexts();
    void everySlotFilledInEveryLanguage();
    void laterFillReplacesEverySlot();
    void rulesBetweenSlots_data();
    void rulesBetweenSlots();
    void freshTableStartsEmpty();
};

void StringsTest::outOfRangeLanguageWritesNothing()
{
    InterfaceTexts table;
    for (int language : {0, 4, -1}) {
        table.load(Language(language));
        for (int slot = 0; slot < SlotCount; ++slot)
            QVERIFY(table[Slot(slot)].isEmpty());
    }
    // After a real fill, an out-of-range language keeps the texts.
    table.load(Spanish);
    table.load(Language(7));
    QCOMPARE(table[capStart], QStringLiteral("&Comenzar"));
    QCOMPARE(table.language(), Spanish);
}

void StringsTest::quotedTexts_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("text");

    // Double blanks, trailing blanks, quotation marks and spelling are all part of the texts.
    QTest::addRow("hu instruction")
        << 1 << int(txtInstruction)
        << QStringLiteral(
               "Olvassa el az alábbi szöveget! Kattintson a \"Start\" gombra, és  írja át a "
               "szöveget mondatonként a kiválasztott modális segédige felhasználásával a "
               "megfelelő számban és személyben!");
    QTest::addRow("hu person hint")
        << 1 << int(hintPerson) << QStringLiteral("Ez az választott alany személye és száma.");
    QTest::addRow("hu char hint")
        << 1 << int(hintChar)
        << QStringLiteral(
               "Ha látni akarja, hogyan írhatja be az ékezetes magánhangzókat (á, é etc.) "
               "az angol billentyűzeten, kattintson a \"Char\" gombra! Ha el akarja "
               "rejteni a karakterlistát, kattintson újra!");
    QTest::addRow("hu not started")
        << 1 << int(msgNotStarted)
        << QStringLiteral(
               "Először el kell indítania a gyakorlatot. (Kattintson a \"Start\" gombra!)");
    QTest::addRow("hu capitals") << 1 << int(msgCapitals)
                                 << QStringLiteral("Figyeljen a mondatkezdő nagybetűkre!");
    QTest::addRow("hu aux list hint")
        << 1 << int(hintAuxList)
        << QStringLiteral("Válassza ki a segédigét (segédigéket), amellyel (amellyekkel) el akarja "
                          "végezni a gyakorlatot!");
    QTest::addRow("hu help") << 1 << int(capHelp) << QStringLiteral("Sú&gó");
    QTest::addRow("hu close") << 1 << int(capClose) << QStringLiteral("&Bezár");
    QTest::addRow("hu aux label") << 1 << int(capAuxLabel) << QStringLiteral("Segédigék");
    QTest::addRow("hu aux placeholder") << 1 << int(capAuxiliaries) << QStringLiteral("Segédigék");
    QTest::addRow("hu next") << 1 << int(capNext) << QStringLiteral("&Tovább");

    QTest::addRow("en instruction")
        << 2 << int(txtInstruction)
        << QStringLiteral(
               "Read the passage below. Then click on the \"Start\" button and rewrite the "
               "passage  phrase by phrase using the selected modal. Pay attention to the "
               "person and number of the subject.");
    QTest::addRow("en title") << 2 << int(txtTitle)
                              << QStringLiteral(
                                     "Grammar exercises:  (Modal) auxiliaries and word order");
    QTest::addRow("en char hint")
        << 2 << int(hintChar)
        << QStringLiteral(
               "Click here to see how to type the special Hungarian characters (á, é etc.) "
               "on an English keyboard. If you want this information to desappear, click "
               "again.");
    QTest::addRow("en reference")
        << 2 << int(hintReference)
        << QStringLiteral(
               "In the \"Base sentences\" list select a sentence to see its variants with "
               "auxiliaries, or choose an auxiliary from the \"Auxiliaries\"  list to see "
               "its use on different base sentences.");
    QTest::addRow("en start hint")
        << 2 << int(hintStart)
        << QStringLiteral(
               "After selecting the auxiliary (akar, szokott, etc.) and the person of the "
               "grammatical subject (én:1; te: 2;  11: mi; etc.) , click here to begin the "
               "exercice.");
    QTest::addRow("en not started")
        << 2 << int(msgNotStarted)
        << QStringLiteral("First you have to start the exercice. (Click on the \"Start\" button.)");
    QTest::addRow("en next") << 2 << int(capNext) << QStringLiteral("&Check it");
    QTest::addRow("en solution") << 2 << int(capSolution) << QStringLiteral("S&olution");
    QTest::addRow("en help") << 2 << int(capHelp) << QStringLiteral("Help");
    QTest::addRow("en close") << 2 << int(capClose) << QStringLiteral("&Close&");
    QTest::addRow("en work language") << 2 << int(capWorkLang) << QStringLiteral("Dilago language");
    QTest::addRow("en on top") << 2 << int(capOnTop) << QStringLiteral("OnTop");

    QTest::addRow("es locked")
        << 3 << int(msgLocked)
        << QStringLiteral(
               "Las opciones se podrán modificar sólo después de terminarse  el ejercicio "
               "ya comenzado.");
    QTest::addRow("es start hint")
        << 3 << int(hintStart)
        << QStringLiteral(
               "Después de elegir el verbo auxiliar (akar, szokott, etc.) y la persona "
               "gramatical que desea utilizar (én:1; te: 2;  11: mi; etc.), haga click aquí "
               "para empezar el ejercicio.");
    QTest::addRow("es title")
        << 3 << int(txtTitle)
        << QStringLiteral(
               "Ejercicios gramaticales: Verbos auxiliares (modales) y el orden de palabras");
    QTest::addRow("es next") << 3 << int(capNext) << QStringLiteral("C&omprobar");
    QTest::addRow("es base sentences")
        << 3 << int(capBaseSentences) << QStringLiteral("Oraciones de base");
}

void StringsTest::quotedTexts()
{
    QFETCH(int, language);
    QFETCH(int, slot);
    QFETCH(QString, text);
    InterfaceTexts table;
    table.load(Language(language));
    QCOMPARE(table[Slot(slot)], text);
}

void StringsTest::everySlotFilledInEveryLanguage()
{
    for (int language : {1, 2, 3}) {
        InterfaceTexts table;
        table.load(Language(language));
        for (int slot = 0; slot < SlotCount; ++slot) {
            QVERIFY2(!table[Slot(slot)].isEmpty(), qPrintable(QString::number(slot)));
            // Stand-ins of the old code page never reach the screen.
            for (QChar stale : {u'\u00f5', u'\u00fb', u'\u00d5', u'\u00db'})
                QVERIFY(!table[Slot(slot)].contains(stale));
        }
    }
}

void StringsTest::laterFillReplacesEverySlot()
{
    InterfaceTexts spanish;
    spanish.load(Spanish);

    InterfaceTexts table;
    table.load(Spanish);
    table.load(Hungarian);
    for (int slot = 0; slot < SlotCount; ++slot) {
        // No slot keeps its Spanish text.
        const QString &text = table[Slot(slot)];
        if (text == spanish[Slot(slot)])
            QFAIL(qPrintable(QStringLiteral("slot %1 still Spanish: %2").arg(slot).arg(text)));
    }
}

void StringsTest::rulesBetweenSlots_data()
{
    addLanguageRows();
}

void StringsTest::rulesBetweenSlots()
{
    QFETCH(int, language);
    InterfaceTexts table;
    table.load(Language(language));

    QCOMPARE(table[txtTopic], table[capHelpTopic]);
    QVERIFY(table[txtTitle].endsWith(table[txtTopic]));
    QVERIFY(table[txtTitle] != table[txtTopic]);
    // The key of the solution stands one blank after the lead-in.
    QVERIFY(table[msgSolutionPrefix].endsWith(QLatin1String(": ")));
    QVERIFY(!table[msgSolutionPrefix].endsWith(QLatin1String("  ")));
    // Headings of the lists end with a colon except in Hungarian; placeholders never do.
    QCOMPARE(table[capAuxLabel].endsWith(u':'), language != Hungarian);
    QVERIFY(!table[capAuxiliaries].endsWith(u':'));
    // The longest hint still fits the hint line's wrapping budget.
    for (Slot hint : {hintChar, hintSolution, hintNext, hintAux, hintAnswer, hintPerson,
                      hintAuxList, hintPersonList, hintStart})
        QVERIFY(table[hint].size() <= 190);
}

void StringsTest::freshTableStartsEmpty()
{
    // Nothing has chosen a language for a new table yet.
    InterfaceTexts table;
    QCOMPARE(table.language(), NoLanguage);
    QVERIFY(table[txtTitle].isEmpty());
    table.load(English);
    QCOMPARE(table[capStart], QStringLiteral("&Start"));
}

QTEST_APPLESS_MAIN(StringsTest)
#include "tst_strings.moc"
