// The rules of one press of Next, on the session alone: what the window will show.
#include "exercise/ExerciseSession.h"

#include <QTest>

using exercise::ExerciseSession;
using exercise::Verdict;

Q_DECLARE_METATYPE(Verdict::Outcome)

namespace {

// The trip passage (kell) for the third person singular, at `segment`.
ExerciseSession tripAt(int segment)
{
    ExerciseSession session;
    session.setAuxChoice(4);
    session.setPerson(0);
    session.mondat();
    session.kerdes();
    session.kulcsok();
    while (session.segment() < segment && session.advance()) {
    }
    return session;
}

} // namespace

class SessionTest : public QObject
{
    Q_OBJECT

private slots:
    void verdicts_data();
    void verdicts();
    void passageLines();
    void hintsStepOnUntilTheLastWord();
    void countsAndPractiseRounds();
};

void SessionTest::verdicts_data()
{
    QTest::addColumn<int>("segment");
    QTest::addColumn<bool>("running");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Verdict::Outcome>("outcome");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("capitalFixed");

    QTest::addRow("idle: blanks collapse, nothing else")
        << 10 << false << QStringLiteral("  edzésre   kell ") << Verdict::NotStarted
        << QStringLiteral(" edzésre kell ") << false;
    QTest::addRow("blank runs inside, not a sentence start")
        << 2 << true << QStringLiteral("  nem  kell edzésre   mennie ") << Verdict::Accepted
        << QStringLiteral(" nem kell edzésre mennie ") << false;
    QTest::addRow("sentence start: trimmed and capitalised")
        << 10 << true << QStringLiteral("  edzésre kell mennie  ") << Verdict::Accepted
        << QStringLiteral("Edzésre kell mennie") << true;
    QTest::addRow("sentence start already a capital")
        << 10 << true << QStringLiteral("Edzésre kell mennie") << Verdict::Accepted
        << QStringLiteral("Edzésre kell mennie") << false;
    QTest::addRow("a name elsewhere is not capitalised")
        << 0 << true << QStringLiteral("gábornak Angliába kell utaznia") << Verdict::Wrong
        << QStringLiteral("gábornak Angliába kell utaznia") << false;
    QTest::addRow("empty sentence start: no warning")
        << 1 << true << QString() << Verdict::Wrong << QString() << false;
    QTest::addRow("capital fixed but still wrong")
        << 10 << true << QStringLiteral("edzésre mennie kell") << Verdict::Wrong
        << QStringLiteral("Edzésre mennie kell") << true;
    QTest::addRow("missing accent")
        << 2 << true << QStringLiteral("nem kell edzesre mennie") << Verdict::Wrong
        << QStringLiteral("nem kell edzesre mennie") << false;
    QTest::addRow("last segment finishes")
        << 11 << true << QStringLiteral("készülnie kell") << Verdict::Finished
        << QStringLiteral("Készülnie kell") << true;
}

void SessionTest::verdicts()
{
    QFETCH(int, segment);
    QFETCH(bool, running);
    QFETCH(QString, typed);
    QFETCH(Verdict::Outcome, outcome);
    QFETCH(QString, shown);
    QFETCH(bool, capitalFixed);

    const ExerciseSession session = tripAt(segment);
    QCOMPARE(session.segment(), segment);
    const Verdict verdict = session.checkAnswer(typed, running);
    QCOMPARE(verdict.outcome, outcome);
    QCOMPARE(verdict.answer, shown);
    QCOMPARE(verdict.capitalFixed, capitalFixed);
    QCOMPARE(session.segment(), segment); // checking changes nothing
}

void SessionTest::passageLines()
{
    ExerciseSession session = tripAt(0);
    QCOMPARE(session.passageLine(), QStringLiteral("Pénteken Gábornak Angliába kell utaznia.\n"));
    QVERIFY(session.advance());
    // An empty `before` leaves the leading blank.
    QCOMPARE(session.passageLine(), QStringLiteral(" Egy versenyen kell részt vennie.\n"));
    session = tripAt(3);
    QCOMPARE(session.passageLine(), QStringLiteral(" Pénzt kell váltania a bankban,\n"));
    session = tripAt(11);
    QCOMPARE(session.segment(), 11);
    QVERIFY(!session.advance());
    QCOMPARE(session.segment(), 11); // the last segment stays current
}

void SessionTest::hintsStepOnUntilTheLastWord()
{
    ExerciseSession session = tripAt(1); // Egy versenyen kell részt vennie
    session.beginExercise();
    QCOMPARE(session.hintSteps(), 5);
    for (int step = 1; step <= 5; ++step)
        QCOMPARE(session.takeHint(), step);
    QCOMPARE(session.takeHint(), 0); // no step left, none counted
    QCOMPARE(session.record().hints, 5);
    QVERIFY(session.advance());
    QCOMPARE(session.nextHint(), 1); // a new segment starts again
}

// An exercise with mistakes of every kind, then practise rounds of what was missed.
void SessionTest::countsAndPractiseRounds()
{
    ExerciseSession session = tripAt(0);
    session.beginExercise();
    const auto answer = [&session](const QString &typed) {
        const Verdict verdict = session.checkAnswer(typed, true);
        if (verdict.outcome == Verdict::Wrong) {
            session.countWrongAnswer(verdict);
        } else {
            session.countAccepted();
            session.advance();
        }
        return verdict.outcome;
    };
    // Segment 2: two wrong answers; 5: a hint; 9: the solution; the others right at once.
    for (int segment = 0; segment < content::SegmentCount; ++segment) {
        if (segment == 2) {
            answer(QStringLiteral("nem kell edzésre menni"));
            answer(QStringLiteral(" nem  kell mennie "));
            QCOMPARE(session.record().lastWrongAnswer, QStringLiteral("nem kell mennie"));
        }
        if (segment == 5)
            session.takeHint();
        if (segment == 9)
            session.countSolutionShown();
        QCOMPARE(answer(session.key()), segment < 11 ? Verdict::Accepted : Verdict::Finished);
    }
    QCOMPARE(session.missedSegments(), QList<int>({2, 5, 9}));
    i18n::Counts counts = session.counts();
    QCOMPARE(counts.segments, 12);
    QCOMPARE(counts.rightFirstTime, 9);
    QCOMPARE(counts.wrongAnswers, 2);
    QCOMPARE(counts.hints, 1);
    QCOMPARE(counts.solutionsShown, 1);

    // The round runs the three in order; a wrong answer on 5 keeps it missed.
    session.beginRound();
    QVERIFY(session.roundRuns());
    QCOMPARE(session.segment(), 2);
    QCOMPARE(session.record().wrongAnswers, 0); // a new record
    QCOMPARE(answer(session.key()), Verdict::Accepted);
    QCOMPARE(session.segment(), 5);
    QCOMPARE(answer(QStringLiteral("Londonban")), Verdict::Wrong);
    QCOMPARE(answer(session.key()), Verdict::Accepted);
    QCOMPARE(session.segment(), 9);
    QCOMPARE(answer(session.key()), Verdict::Finished);
    QVERIFY(!session.roundRuns());
    QCOMPARE(session.segment(), 9);
    counts = session.counts();
    QCOMPARE(counts.segments, 3);
    QCOMPARE(counts.rightFirstTime, 2);
    QCOMPARE(counts.wrongAnswers, 1);
    QCOMPARE(session.missedSegments(), QList<int>({5}));

    session.beginRound();
    QCOMPARE(session.segment(), 5);
    QCOMPARE(answer(session.key()), Verdict::Finished);
    QVERIFY(session.missedSegments().isEmpty());
    session.beginRound(); // nothing missed: no round
    QVERIFY(!session.roundRuns());
}

QTEST_APPLESS_MAIN(SessionTest)
#include "tst_session.moc"
