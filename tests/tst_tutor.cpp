// The tutor without its window: the steps of a hint and the comparison after Solution, on
// real rows of the tables.
#include "content/ExerciseContent.h"
#include "exercise/AnswerComparison.h"
#include "exercise/Hints.h"
#include "exercise/MistakeExplanation.h"
#include "i18n/FeedbackTexts.h"
#include "i18n/TutorTexts.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <cmath>

using content::ExerciseContent;
using i18n::Language;

namespace {

constexpr Language languages[] = {i18n::Hungarian, i18n::English, i18n::Spanish};

QString keyOf(int auxChoice, int person, int segment)
{
    return ExerciseContent::forSelection(auxChoice, person).keys[segment];
}

QSet<QString> wordSet(const QString &text)
{
    static const QRegularExpression separators(QStringLiteral("[^\\p{L}\\d]+"));
    const QStringList words = text.split(separators, Qt::SkipEmptyParts);
    return QSet<QString>(words.begin(), words.end());
}

// The pieces in a short form: "=" plain, "-" struck through, "+" underlined.
QString written(const QList<comparison::Piece> &pieces)
{
    QStringList parts;
    for (const comparison::Piece &piece : pieces) {
        const char *mark = piece.mark == comparison::Mark::Same    ? "="
                           : piece.mark == comparison::Mark::Extra ? "-"
                                                                   : "+";
        parts << QLatin1String(mark) + piece.text;
    }
    return parts.join(u'|');
}

// WCAG 2 contrast ratio of two colours.
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class TutorTest : public QObject
{
    Q_OBJECT

private slots:
    void hintSteps_data();
    void hintSteps();
    void personWordOfEveryRow();
    void noHintGivesMoreThanItsStep();
    void comparison_data();
    void comparison();
    void marksAreNotColourAlone();
    void spelling_data();
    void spelling();
};

void TutorTest::hintSteps_data()
{
    QTest::addColumn<int>("auxChoice");
    QTest::addColumn<int>("person");
    QTest::addColumn<int>("segment");
    QTest::addColumn<QStringList>("steps"); // in English, every step and one too many

    const auto row = [](const char *name, int aux, int person, int segment,
                        std::initializer_list<const char *> steps) {
        QStringList texts;
        for (const char *step : steps)
            texts << QString::fromUtf8(step);
        QTest::addRow("%s", name) << aux << person << segment << (texts << QString());
    };
    row("office day", 2, 2, 0, {"Use fogsz.", "It begins: korán …", "It begins: korán fogsz …"});
    row("office day, group", 2, 2, 11,
        {"The group is the subject: use fogtok.", "It begins: Együtt …",
         "It begins: Együtt fogtok …", "It begins: Együtt fogtok moziba …"});
    row("trip, kell at the end", 4, 0, 0,
        {"Use utaznia.", "It begins: Gábornak …", "It begins: Gábornak Angliába …",
         "It begins: Gábornak Angliába kell …"});
    row("trip, kell last", 4, 11, 11, {"Use Készülnünk.", "It begins: Készülnünk …"});
    row("mixed", 5, 2, 0, {"This segment needs szokott: use szoktál.", "It begins: kirándulni …"});
    row("mixed, group", 5, 2, 1,
        {"This segment needs szokott, and the group is the subject: use szoktatok.",
         "It begins: nem …", "It begins: nem szoktatok …", "It begins: nem szoktatok messzire …"});
    row("mixed, tud", 5, 22, 10,
        {"This segment needs tud: use tudjátok.", "It begins: be …", "It begins: be tudjátok …"});
}

void TutorTest::hintSteps()
{
    QFETCH(int, auxChoice);
    QFETCH(int, person);
    QFETCH(int, segment);
    QFETCH(QStringList, steps);

    const QString key = keyOf(auxChoice, person, segment);
    QCOMPARE(hint::stepCount(key), steps.size() - 1);
    for (int step = 1; step <= steps.size(); ++step)
        QCOMPARE(hint::stepText(auxChoice, segment, key, step, i18n::English), steps.at(step - 1));
    QVERIFY(hint::stepText(auxChoice, segment, key, 0, i18n::English).isEmpty());
}

// Every row has a word that carries the person, and it changes wherever the key changes with
// the person.
void TutorTest::personWordOfEveryRow()
{
    for (const content::AuxChoice &aux : content::auxChoices) {
        for (int segment = 0; segment < content::SegmentCount; ++segment) {
            const content::Auxiliary auxiliary = *content::rowAuxiliary(aux.code, segment);
            QHash<QString, QString> wordOfKey;
            for (int person : content::personCodes) {
                const QString key = keyOf(aux.code, person, segment);
                const QString word = hint::personWord(key, auxiliary);
                QVERIFY2(explanation::wordsOf(key).contains(word), qPrintable(key));
                wordOfKey.insert(key, word);
            }
            const QStringList words = wordOfKey.values();
            QCOMPARE(QSet<QString>(words.begin(), words.end()).size(), wordOfKey.size());
        }
    }
}

void TutorTest::noHintGivesMoreThanItsStep()
{
    for (const content::AuxChoice &aux : content::auxChoices) {
        for (int person : content::personCodes) {
            for (int segment = 0; segment < content::SegmentCount; ++segment) {
                const QString key = keyOf(aux.code, person, segment);
                const QStringList keyWords = explanation::wordsOf(key);
                const QString word =
                    hint::personWord(key, *content::rowAuxiliary(aux.code, segment));
                for (Language language : languages) {
                    for (int step = 1; step <= hint::stepCount(key); ++step) {
                        // What the step may show: the words of its texts, the auxiliary
                        // that the indicator shows, and what the step gives.
                        QSet<QString> allowed = wordSet(QString::fromUtf8(aux.indicator));
                        for (int text = i18n::tuHintUse; text <= i18n::tuHintBegins; ++text)
                            allowed += wordSet(i18n::tutorText(i18n::TutorText(text), language));
                        allowed += step == 1 ? QSet<QString>{word}
                                             : wordSet(keyWords.mid(0, step - 1).join(u' '));
                        const QString text = hint::stepText(aux.code, segment, key, step, language);
                        for (const QString &shown : wordSet(text))
                            QVERIFY2(!keyWords.contains(shown) || allowed.contains(shown),
                                     qPrintable(text));
                    }
                }
            }
        }
    }
}

void TutorTest::comparison_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("pieces");
    QTest::addColumn<QString>("spoken");

    const auto row = [](const char *name, const QString &answer, const QString &key,
                        const char *pieces, const char *spoken) {
        QTest::addRow("%s", name) << answer << key << QString::fromUtf8(pieces)
                                  << QString::fromUtf8(spoken);
    };
    row("a word in the place of another, one missing, one extra",
        QStringLiteral("5 óráig fogok az maradni"), keyOf(2, 2, 7),
        "=5|= |=óráig|= |-fogok|= |+fogsz|= |+bent|= |-az|= |=maradni",
        "fogok should be fogsz; bent is missing; az is extra.");
    row("accents: the letters are marked", QStringLiteral("Pontosan fogsz az irodaba erkezni"),
        keyOf(2, 2, 1), "=Pontosan|= |=fogsz|= |=az|= |=irod|-a|+á|=ba|= |-e|+é|=rkezni",
        "irodaba should be irodába; erkezni should be érkezni.");
    row("case of the first letter", QStringLiteral("együtt fogtok moziba menni"), keyOf(2, 22, 11),
        "-e|+E|=gyütt|= |=fogtok|= |=moziba|= |=menni", "együtt should be Együtt.");
    row("a full stop too many", keyOf(2, 2, 2) + QStringLiteral("."), keyOf(2, 2, 2),
        "=sok|= |=levelet|= |=fogsz|= |=írni|-.", "írni. should be írni.");
    row("the last word missing", QStringLiteral("Készülnöd"), keyOf(4, 2, 11),
        "=Készülnöd|= |+kell", "kell is missing.");
    row("the form of the group", QStringLiteral("Együtt fognak moziba menni"), keyOf(2, 22, 11),
        "=Együtt|= |-fognak|= |+fogtok|= |=moziba|= |=menni", "fognak should be fogtok.");
    row("a long run of extra words is cut", QStringLiteral("le fogsz menni a b c d e"),
        keyOf(2, 2, 3), "=le|= |=fogsz|= |=menni|= |-a|= |-b|= |-c …",
        "a is extra; b is extra; c … is extra.");
    row("a long extra word is cut", keyOf(4, 2, 11) + QLatin1Char(' ') + QString(30, u'x'),
        keyOf(4, 2, 11), "=Készülnöd|= |=kell|= |-xxxxxxxxxxxxxxxxxxxxxxxx…",
        "xxxxxxxxxxxxxxxxxxxxxxxx… is extra.");
    row("a word moved", QStringLiteral("kell Pénzt váltanod"), keyOf(4, 2, 3),
        "-kell|= |=Pénzt|= |+kell|= |=váltanod", "kell is extra; kell is missing.");
}

void TutorTest::comparison()
{
    QFETCH(QString, answer);
    QFETCH(QString, key);
    QFETCH(QString, pieces);
    QFETCH(QString, spoken);

    const comparison::Comparison compared = comparison::compare(answer, key);
    QCOMPARE(written(comparison::pieces(compared)), pieces);
    QCOMPARE(comparison::spoken(compared, i18n::English), spoken);
    // Every language says it, with the words in it.
    for (Language language : languages) {
        const QString said = comparison::spoken(compared, language);
        QVERIFY(!said.contains(u'%'));
        for (const comparison::Word &word : compared) {
            if (word.kind != comparison::Word::Same)
                QVERIFY(said.contains(word.typed) && said.contains(word.key));
        }
    }
}

// Struck-through and underlined, in colours that stand out from the line's background.
void TutorTest::marksAreNotColourAlone()
{
    for (const QColor &colour :
         {comparison::lineText, comparison::extraColour, comparison::missingColour})
        QVERIFY(contrast(colour, comparison::lineBackground) >= 4.5);
    const QString html = comparison::toHtml(
        comparison::compare(QStringLiteral("5 óráig fogok az maradni"), keyOf(2, 2, 7)));
    QCOMPARE(html.count(QStringLiteral("<s ")), 2);
    QCOMPARE(html.count(QStringLiteral("<u ")), 2);
    QCOMPARE(html.count(QStringLiteral("color:")), 4);
    QCOMPARE(QString(html).remove(QRegularExpression(QStringLiteral("<[^>]*>"))),
             QStringLiteral("5 óráig fogok fogsz bent az maradni"));
}

void TutorTest::spelling_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("dictionary");
    QTest::addRow("Hungarian") << int(i18n::Hungarian) << QStringLiteral("hu_HU");
    QTest::addRow("Spanish") << int(i18n::Spanish) << QStringLiteral("es_ES");
}

// Every word of the tutor's and the feedback's texts is in the language's dictionary.
void TutorTest::spelling()
{
    QFETCH(int, language);
    QFETCH(QString, dictionary);
    QStringList texts;
    for (int text = 0; text < i18n::TutorTextCount; ++text)
        texts << i18n::tutorText(i18n::TutorText(text), Language(language));
    for (int text = 0; text < i18n::FeedbackTextCount; ++text)
        texts << i18n::feedbackText(i18n::FeedbackText(text), Language(language));
    const QString words =
        texts.join(u'\n').remove(u'&').remove(QRegularExpression(QStringLiteral("%\\d")));

    QProcess hunspell;
    hunspell.start(QStringLiteral("hunspell"),
                   {QStringLiteral("-i"), QStringLiteral("UTF-8"), QStringLiteral("-d"), dictionary,
                    QStringLiteral("-l")});
    if (!hunspell.waitForStarted())
        QSKIP("hunspell is not installed");
    hunspell.write(words.toUtf8());
    hunspell.closeWriteChannel();
    QVERIFY(hunspell.waitForFinished());
    if (hunspell.exitCode() != 0)
        QSKIP("no dictionary for the language");
    QCOMPARE(QString::fromUtf8(hunspell.readAllStandardOutput()), QString());
}

QTEST_GUILESS_MAIN(TutorTest)
#include "tst_tutor.moc"
