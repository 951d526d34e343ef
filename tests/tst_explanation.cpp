// Explaining wrong answers: the rules on real rows of the tables, the texts in three
// languages, and that no explanation gives away a word of the key.
#include "content/ExerciseContent.h"
#include "exercise/MistakeExplanation.h"
#include "i18n/FeedbackTexts.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <iterator>

using content::ExerciseContent;
using explanation::Mistake;
using i18n::Language;

namespace {

QString keyOf(int auxChoice, int person, int segment)
{
    return ExerciseContent::forSelection(auxChoice, person).keys[segment];
}

QString segmentOf(int auxChoice, int person, int segment)
{
    return ExerciseContent::forSelection(auxChoice, person).segments[segment];
}

// As Upper leaves an answer on a segment that begins a sentence.
QString capitalised(QString text)
{
    text[0] = text.at(0).toUpper();
    return text;
}

QString withWord(const QString &text, int index, const QString &word)
{
    QStringList words = explanation::wordsOf(text);
    words[index] = word;
    return words.join(QLatin1Char(' '));
}

QString swapped(const QString &text, int first, int second)
{
    QStringList words = explanation::wordsOf(text);
    words.swapItemsAt(first, second);
    return words.join(QLatin1Char(' '));
}

// The number that goes with the kind: the person, the auxiliary, the word or the count.
int detailOf(const Mistake &mistake)
{
    switch (mistake.kind) {
    case Mistake::OtherPerson:
        return mistake.otherPerson;
    case Mistake::OtherAuxiliary:
        return mistake.otherAuxChoice;
    case Mistake::Accents:
        return mistake.word;
    case Mistake::LeadingWords:
        return mistake.rightWords;
    default:
        return 0;
    }
}

// Words of three letters or more, in lower case. Shorter ones (articles, "el", "le")
// cannot be told from the wording of the texts themselves.
QSet<QString> longWordsOf(const QString &text)
{
    static const QRegularExpression separators(QStringLiteral("[^\\p{L}\\d]+"));
    QSet<QString> words;
    for (const QString &word : text.toLower().split(separators, Qt::SkipEmptyParts)) {
        if (word.size() >= 3)
            words.insert(word);
    }
    return words;
}

} // namespace

class ExplanationTest : public QObject
{
    Q_OBJECT

private slots:
    void rules_data();
    void rules();
    void textsInEveryLanguage();
    void noKeyWordGivenAway();
    void summary_data();
    void summary();
    void progress();
    void menuCaptionHasAFreeAccessKey();
};

void ExplanationTest::rules_data()
{
    QTest::addColumn<int>("auxChoice");
    QTest::addColumn<int>("person");
    QTest::addColumn<int>("segment");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("detail");
    QTest::addColumn<QString>("english");

    const auto row = [](const char *name, int aux, int person, int segment, const QString &answer,
                        Mistake::Kind kind, int detail, const char *english) {
        QTest::addRow("%s", name) << aux << person << segment << answer << int(kind) << detail
                                  << QString::fromUtf8(english);
    };
    const QString officeKey = keyOf(1, 0, 2); // sok levelet akar írni
    const QString tripKey = keyOf(4, 0, 7);   // Hétkor kell a repülőtérre érkeznie

    row("1 other person", 1, 2, 0, keyOf(1, 11, 0), Mistake::OtherPerson, 11,
        "That is the form for mi. The exercise asks for te.");
    row("1 other person, kell", 4, 0, 0, keyOf(4, 33, 0), Mistake::OtherPerson, 33,
        "That is the form for ők. The exercise asks for ő.");
    row("1 wins: én before mi", 1, 0, 11, keyOf(1, 11, 11), Mistake::OtherPerson, 1,
        "That is the form for én. The exercise asks for ő.");
    row("1 wins: ő before ők", 5, 2, 1, keyOf(5, 33, 1), Mistake::OtherPerson, 0,
        "That is the form for ő. The exercise asks for te.");
    row("2 other auxiliary", 1, 0, 3, keyOf(2, 0, 3), Mistake::OtherAuxiliary, 2,
        "That is the form with fog. The exercise asks for akar.");
    row("2 other auxiliary, group form", 3, 22, 11, keyOf(1, 22, 11), Mistake::OtherAuxiliary, 1,
        "That is the form with akar. The exercise asks for szokott.");
    row("3 plain segment", 4, 1, 4, segmentOf(4, 1, 4), Mistake::PlainSegment, 0,
        "That is the segment as it stands. Rewrite it with the auxiliary.");
    row("3 plain segment, capitalised", 1, 0, 1, capitalised(segmentOf(1, 0, 1)),
        Mistake::PlainSegment, 0,
        "That is the segment as it stands. Rewrite it with the auxiliary.");
    row("3 wins over two right words", 1, 0, 2, segmentOf(1, 0, 2), Mistake::PlainSegment, 0,
        "That is the segment as it stands. Rewrite it with the auxiliary.");
    row("4 wins over three right words", 1, 0, 2, QString(officeKey).replace(u'í', u'i'),
        Mistake::Accents, 4, "Check the accents in word 4.");
    row("4 accented capital", 1, 0, 11, QString(keyOf(1, 0, 11)).replace(u'E', u'É'),
        Mistake::Accents, 1, "Check the accents in word 1.");
    row("4 accents, ő is not ö", 4, 0, 7, QString(tripKey).replace(u'ő', u'ö'), Mistake::Accents, 4,
        "Check the accents in word 4.");
    row("4 case is not an accent", 4, 0, 0,
        QString(keyOf(4, 0, 0)).replace(QStringLiteral("Gá"), QStringLiteral("ga")),
        Mistake::LeadingWords, 0, "Check the first word.");
    row("5 word order", 1, 0, 9, swapped(keyOf(1, 0, 9), 1, 2), Mistake::WordOrder, 0,
        "The words are right, but their order is not.");
    row("5 word order, capital moved", 1, 0, 4,
        capitalised(swapped(keyOf(1, 0, 4), 0, 1).toLower()), Mistake::WordOrder, 0,
        "The words are right, but their order is not.");
    row("5 wins over two right words", 1, 0, 11, swapped(keyOf(1, 0, 11), 2, 3), Mistake::WordOrder,
        0, "The words are right, but their order is not.");
    row("6 apart", 5, 0, 5,
        QString(keyOf(5, 0, 5)).replace(QStringLiteral("haza"), QStringLiteral("haza ")),
        Mistake::Spacing, 0, "Check which words are written together and which apart.");
    row("6 together", 1, 0, 3,
        QString(keyOf(1, 0, 3)).replace(QStringLiteral("le "), QStringLiteral("le")),
        Mistake::Spacing, 0, "Check which words are written together and which apart.");
    row("7 first letter", 4, 0, 5, QString(keyOf(4, 0, 5)).replace(u'L', u'l'), Mistake::Capitals,
        0, "Check the capital letters.");
    row("7 inside", 4, 0, 0, QString(keyOf(4, 0, 0)).replace(u'A', u'a'), Mistake::Capitals, 0,
        "Check the capital letters.");
    row("8 two words", 1, 1, 0, withWord(keyOf(1, 1, 0), 2, QStringLiteral("felkelnem")),
        Mistake::LeadingWords, 2, "The first 2 words are right.");
    row("8 one word", 1, 0, 0, withWord(keyOf(1, 0, 0), 1, QStringLiteral("kell")),
        Mistake::LeadingWords, 1, "The first word is right.");
    row("8 no word", 4, 0, 8, withWord(keyOf(4, 0, 8), 0, QStringLiteral("rögtön")),
        Mistake::LeadingWords, 0, "Check the first word.");
    row("8 extra word", 1, 0, 8, keyOf(1, 0, 8) + QStringLiteral(" most"), Mistake::LeadingWords, 3,
        "The first 3 words are right.");
    row("8 empty answer", 1, 0, 1, QString(), Mistake::LeadingWords, 0, "Check the first word.");
    row("the key itself", 5, 11, 7, keyOf(5, 11, 7), Mistake::None, 0, "");
}

void ExplanationTest::rules()
{
    QFETCH(int, auxChoice);
    QFETCH(int, person);
    QFETCH(int, segment);
    QFETCH(QString, answer);
    QFETCH(int, kind);
    QFETCH(int, detail);
    QFETCH(QString, english);

    const Mistake mistake = explanation::explainMistake(auxChoice, person, segment, answer);
    QCOMPARE(int(mistake.kind), kind);
    QCOMPARE(detailOf(mistake), detail);
    QCOMPARE(explanation::describeMistake(mistake, auxChoice, person, i18n::English), english);
}

void ExplanationTest::textsInEveryLanguage()
{
    // One mistake of each kind, with the values its text must show.
    struct Sample
    {
        Mistake mistake;
        QStringList shown;
    };
    const Sample samples[] = {
        {{Mistake::OtherPerson, 33, 0, 0, 0}, {QStringLiteral("ők"), QStringLiteral("te")}},
        {{Mistake::OtherAuxiliary, -1, 3, 0, 0},
         {QStringLiteral("szokott"), QStringLiteral("fog")}},
        {{Mistake::PlainSegment}, {}},
        {{Mistake::Accents, -1, 0, 3, 0}, {QStringLiteral("3")}},
        {{Mistake::WordOrder}, {}},
        {{Mistake::Spacing}, {}},
        {{Mistake::Capitals}, {}},
        {{Mistake::LeadingWords, -1, 0, 0, 4}, {QStringLiteral("4")}},
        {{Mistake::LeadingWords, -1, 0, 0, 1}, {}},
        {{Mistake::LeadingWords, -1, 0, 0, 0}, {}},
    };
    for (Language language : {i18n::Hungarian, i18n::English, i18n::Spanish}) {
        QSet<QString> texts;
        for (const Sample &sample : samples) {
            const QString text = explanation::describeMistake(sample.mistake, 2, 2, language);
            QVERIFY2(!text.isEmpty() && !text.contains(u'%'), qPrintable(text));
            for (const QString &value : sample.shown)
                QVERIFY2(text.contains(value), qPrintable(text));
            texts.insert(text);
        }
        QCOMPARE(texts.size(), int(std::size(samples))); // no two kinds share a text
    }
    // Hungarian and Spanish are translated, not left in English; out of range is English.
    const Mistake order{Mistake::WordOrder};
    const QString english = explanation::describeMistake(order, 1, 0, i18n::English);
    QVERIFY(explanation::describeMistake(order, 1, 0, i18n::Hungarian) != english);
    QVERIFY(explanation::describeMistake(order, 1, 0, i18n::Spanish) != english);
    QCOMPARE(explanation::describeMistake(order, 1, 0, Language(7)), english);
}

void ExplanationTest::noKeyWordGivenAway()
{
    int explained = 0;
    for (const content::AuxChoice &aux : content::auxChoices) {
        // The auxiliary indicator already shows these words.
        const QSet<QString> shown = longWordsOf(QString::fromUtf8(aux.indicator));
        for (int person : content::personCodes) {
            const ExerciseContent material = ExerciseContent::forSelection(aux.code, person);
            for (int segment = 0; segment < content::SegmentCount; ++segment) {
                const QString key = material.keys[segment];
                QStringList answers = {material.segments[segment],
                                       key.toLower(),
                                       explanation::foldAccents(key),
                                       swapped(key, 0, int(explanation::wordsOf(key).size()) - 1),
                                       QString(key).remove(u' '),
                                       withWord(key, 0, QStringLiteral("x")),
                                       QString()};
                for (int other : content::personCodes)
                    answers << keyOf(aux.code, other, segment);
                for (int other = 1; other <= 3; ++other)
                    answers << keyOf(other, person, segment);
                for (const QString &answer : answers) {
                    const Mistake mistake =
                        explanation::explainMistake(aux.code, person, segment, answer);
                    QCOMPARE(mistake.kind == Mistake::None, answer == key);
                    const QSet<QString> known = longWordsOf(answer) + shown;
                    const QSet<QString> keyWords = longWordsOf(key);
                    for (Language language : {i18n::Hungarian, i18n::English, i18n::Spanish}) {
                        const QString text =
                            explanation::describeMistake(mistake, aux.code, person, language);
                        for (const QString &word : longWordsOf(text))
                            QVERIFY2(!keyWords.contains(word) || known.contains(word),
                                     qPrintable(key + QStringLiteral(" / ") + text));
                    }
                    explained += mistake.kind != Mistake::None;
                }
            }
        }
    }
    QVERIFY(explained > 1000);
}

void ExplanationTest::summary_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("wrongAnswers");
    QTest::addColumn<int>("solutionsShown");
    QTest::addColumn<QString>("text");

    QTest::addRow("en 3, 1") << 2 << 3 << 1
                             << QStringLiteral(
                                    "Done: 12 segments, 3 wrong answers, 1 solution shown.");
    QTest::addRow("en 0, 0") << 2 << 0 << 0
                             << QStringLiteral(
                                    "Done: 12 segments, 0 wrong answers, 0 solutions shown.");
    QTest::addRow("en 1, 2") << 2 << 1 << 2
                             << QStringLiteral(
                                    "Done: 12 segments, 1 wrong answer, 2 solutions shown.");
    // Hungarian nouns stay singular after a numeral.
    QTest::addRow("hu 1, 0") << 1 << 1 << 0
                             << QStringLiteral(
                                    "Kész: 12 mondatrész, 1 hibás válasz, 0 megmutatott megoldás.");
    QTest::addRow("hu 3, 2") << 1 << 3 << 2
                             << QStringLiteral(
                                    "Kész: 12 mondatrész, 3 hibás válasz, 2 megmutatott megoldás.");
    QTest::addRow("es 1, 0")
        << 3 << 1 << 0
        << QStringLiteral(
               "Terminado: 12 segmentos, 1 respuesta incorrecta, 0 soluciones mostradas.");
    QTest::addRow("es 3, 1")
        << 3 << 3 << 1
        << QStringLiteral(
               "Terminado: 12 segmentos, 3 respuestas incorrectas, 1 solución mostrada.");
}

void ExplanationTest::summary()
{
    QFETCH(int, language);
    QFETCH(int, wrongAnswers);
    QFETCH(int, solutionsShown);
    QFETCH(QString, text);
    QCOMPARE(i18n::summaryText(12, wrongAnswers, solutionsShown, Language(language)), text);
}

void ExplanationTest::progress()
{
    QCOMPARE(i18n::progressText(4, 12, i18n::English), QStringLiteral("Segment 4 of 12"));
    QCOMPARE(i18n::progressText(4, 12, i18n::Hungarian),
             QStringLiteral("4. mondatrész (összesen 12)"));
    QCOMPARE(i18n::progressText(12, 12, i18n::Spanish), QStringLiteral("Segmento 12 de 12"));
}

void ExplanationTest::menuCaptionHasAFreeAccessKey()
{
    // The letter a caption answers to: the one after its ampersand, else its first letter
    // (where the desktop picks access keys itself).
    const auto accessKey = [](const QString &caption) {
        const qsizetype at = caption.indexOf(u'&');
        return (at >= 0 ? caption.at(at + 1) : caption.at(0)).toLower();
    };
    // The other items of the Options menu: built in, then in each language.
    QList<QStringList> otherItems = {
        {QStringLiteral("&Dialogue language"), QStringLiteral("On&Top")}};
    for (Language language : {i18n::Hungarian, i18n::English, i18n::Spanish}) {
        i18n::InterfaceTexts texts;
        texts.load(language);
        otherItems.append({texts[i18n::capWorkLang], texts[i18n::capOnTop]});
    }
    const Language captionLanguage[] = {i18n::English, i18n::Hungarian, i18n::English,
                                        i18n::Spanish};
    for (int i = 0; i < otherItems.size(); ++i) {
        const QString caption = i18n::feedbackText(i18n::fbMenuCaption, captionLanguage[i]);
        QCOMPARE(caption.count(u'&'), 1);
        QVERIFY(caption.at(caption.indexOf(u'&') + 1).isLetter());
        for (const QString &item : otherItems.at(i))
            QVERIFY2(accessKey(caption) != accessKey(item), qPrintable(caption + u' ' + item));
    }
}

QTEST_GUILESS_MAIN(ExplanationTest)
#include "tst_explanation.moc"
