// Options > Speak Hungarian in the real window, with a recording speaker: what is spoken when,
// the repeat key, loading, and what the learner is told when speech cannot work.
#include "ExerciseDriver.h"
#include "RecordingSpeaker.h"

#include "content/ExerciseContent.h"
#include "i18n/SpeechTexts.h"

#include <QAction>
#include <QMenu>
#include <QShortcut>

using speech::Failure;

class SpeechTest : public ExerciseTestBase
{
    Q_OBJECT

private slots:
    void init();
    void offAtStartUpAndSilent();
    void speaksAcceptedLinesAndSolutions();
    void repeatsSlowerOnASecondPressInARow();
    void newestSentenceWaitsForTheEngine();
    void failureTurnsItOffAndTellsOnce_data();
    void failureTurnsItOffAndTellsOnce();
    void keysClashWithNothing();

private:
    QAction *option() const { return window->findChild<QAction *>(QStringLiteral("mnuSpeak")); }
    void pressAgainKey() const
    {
        QTest::keyClick(driver->answerBox(), Qt::Key_L, Qt::ControlModifier);
    }
    QString line(int segment) const;

    SpeechRecord record;
};

void SpeechTest::init()
{
    ExerciseTestBase::init();
    record = SpeechRecord();
    window->speech().narrator().setSpeakerFactory(record.factory());
}

// The passage line of an accepted segment, as spoken.
QString SpeechTest::line(int segment) const
{
    return driver->passageLines().value(segment).trimmed();
}

void SpeechTest::offAtStartUpAndSilent()
{
    QVERIFY(option()->isCheckable());
    QVERIFY(!option()->isChecked());
    QVERIFY(!settings->speaksHungarian());
    QCOMPARE(option()->text(), QStringLiteral("&Speak Hungarian"));
    QVERIFY(driver->start(1, 1));
    driver->answer(window->exercise().keys[0]);
    driver->click("Solution");
    pressAgainKey();
    QCOMPARE(record.made, 0);
    QVERIFY(record.calls.isEmpty());
    QCOMPARE(driver->passageLines().size(), 1);
    QVERIFY(driver->answerBox()->text().isEmpty());
}

void SpeechTest::speaksAcceptedLinesAndSolutions()
{
    QVERIFY(driver->trigger("mnuSpeak"));
    QVERIFY(driver->start(1, 1));
    driver->answer(window->exercise().keys[0]);
    driver->answer(QStringLiteral("nem jó"));
    driver->click("Solution");
    // Each new sentence stops the one before.
    QCOMPARE(record.calls, QStringList({QStringLiteral("stop"), QStringLiteral("say ") + line(0),
                                        QStringLiteral("stop"),
                                        QStringLiteral("say ") + window->exercise().keys[1]}));
    QCOMPARE(line(0), QStringLiteral("Ma reggel korán akarok felkelni."));

    record.calls.clear();
    QVERIFY(driver->trigger("mnuSpeak"));
    driver->answer(window->exercise().keys[1]);
    pressAgainKey();
    QCOMPARE(record.calls, QStringList{QStringLiteral("stop")});
    QCOMPARE(record.made, 1);
}

void SpeechTest::repeatsSlowerOnASecondPressInARow()
{
    QVERIFY(driver->trigger("mnuSpeak"));
    // Before any sentence: the passage in the passage box.
    const QString passage = driver->passageBox()->toPlainText().trimmed();
    pressAgainKey();
    pressAgainKey();
    QCOMPARE(record.calls,
             QStringList({QStringLiteral("stop"), QStringLiteral("say ") + passage,
                          QStringLiteral("stop"), QStringLiteral("slow ") + passage}));

    QVERIFY(driver->start(1, 1));
    driver->answer(window->exercise().keys[0]);
    record.calls.clear();
    pressAgainKey();
    pressAgainKey();
    pressAgainKey();
    QTest::keyClick(driver->answerBox(), Qt::Key_A);
    pressAgainKey();
    QCOMPARE(record.calls.filter(QStringLiteral(" ")),
             QStringList({QStringLiteral("say ") + line(0), QStringLiteral("slow ") + line(0),
                          QStringLiteral("slow ") + line(0), QStringLiteral("say ") + line(0)}));
}

void SpeechTest::newestSentenceWaitsForTheEngine()
{
    record.readyAtOnce = false;
    QVERIFY(driver->trigger("mnuSpeak"));
    QVERIFY(option()->isChecked());
    QVERIFY(settings->speaksHungarian());
    QCOMPARE(option()->text(), QStringLiteral("&Speak Hungarian (loading…)"));
    window->lang_Click(0);
    QCOMPARE(option()->text(), QStringLiteral("&Felolvasás magyarul (betöltés…)"));

    QVERIFY(driver->start(1, 1));
    driver->answer(window->exercise().keys[0]);
    driver->answer(window->exercise().keys[1]);
    QVERIFY(record.calls.isEmpty());
    emit record.current->ready();
    QCOMPARE(record.calls, QStringList({QStringLiteral("stop"), QStringLiteral("say ") + line(1)}));
    QCOMPARE(option()->text(), QStringLiteral("&Felolvasás magyarul"));
}

void SpeechTest::failureTurnsItOffAndTellsOnce_data()
{
    QTest::addColumn<int>("failure");
    QTest::addColumn<bool>("whileLoading");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("told");
    QTest::addRow("no speech-dispatcher")
        << int(Failure::NoDispatcher) << true << int(i18n::Hungarian)
        << i18n::speechText(i18n::spNoDispatcher, i18n::Hungarian);
    QTest::addRow("no Hungarian voice")
        << int(Failure::NoHungarianVoice) << true << int(i18n::Spanish)
        << i18n::speechText(i18n::spNoHungarian, i18n::Spanish);
    QTest::addRow("engine error while speaking")
        << int(Failure::EngineError) << false << int(i18n::English)
        << QStringLiteral("The speech engine reported an error (broken pipe). Reinstall the "
                          "packages speech-dispatcher and speech-dispatcher-espeak-ng, then turn "
                          "the option on again.");
    QTest::addRow("time limit") << int(Failure::TimeLimit) << true << int(i18n::English)
                                << QStringLiteral("speech-dispatcher did not answer within 1 "
                                                  "seconds. It may be stuck: log out and in "
                                                  "again, then turn the option on again.");
}

void SpeechTest::failureTurnsItOffAndTellsOnce()
{
    QFETCH(int, failure);
    QFETCH(bool, whileLoading);
    QFETCH(int, language);
    QFETCH(QString, told);
    window->lang_Click(language - 1);
    QVERIFY(driver->start(1, 1));
    driver->answerBox()->setText(QStringLiteral("félig"));
    record.readyAtOnce = !whileLoading;
    window->speech().narrator().setTimeLimit(std::chrono::milliseconds(100));
    notifier->clear();
    QVERIFY(driver->trigger("mnuSpeak"));

    if (Failure(failure) == Failure::TimeLimit) {
        QTRY_VERIFY(!option()->isChecked());
    } else {
        emit record.current->failed(Failure(failure), QStringLiteral("broken pipe"));
        // An engine that fails again before it is gone is not heard of again.
        if (record.current)
            emit record.current->failed(Failure(failure), QStringLiteral("broken pipe"));
    }
    QVERIFY(!option()->isChecked());
    QVERIFY(!settings->speaksHungarian());
    QCOMPARE(notifier->messages.size(), 1);
    QCOMPARE(notifier->messages[0].icon, Notifier::Icon::Exclamation);
    QCOMPARE(notifier->messages[0].title, texts()[i18n::txtTitle]);
    QCOMPARE(notifier->lastText(), told);
    QCOMPARE(option()->text(), i18n::speechText(i18n::spMenuCaption, i18n::Language(language)));
    // Nothing else changes.
    QVERIFY(window->isRunning());
    QCOMPARE(window->exercise().segment, 0);
    QCOMPARE(driver->answerBox()->text(), QStringLiteral("félig"));
    QCOMPARE(notifier->beeps, 0);

    // On again, a new engine is tried.
    QVERIFY(driver->trigger("mnuSpeak"));
    QCOMPARE(record.made, 2);
}

// The item's access key is its own in the Options menu in every language, and no other key of
// the window, nor of Qt's text boxes, is Ctrl+L.
void SpeechTest::keysClashWithNothing()
{
    const auto accessKey = [](const QString &caption) {
        const qsizetype at = caption.indexOf(u'&');
        return (at >= 0 ? caption.at(at + 1) : caption.at(0)).toLower();
    };
    QMenu *options = window->findChild<QMenu *>(QStringLiteral("mnuOptions"));
    for (int language = 0; language <= i18n::LanguageCount; ++language) {
        // First the built-in captions of start-up.
        if (language > 0)
            window->lang_Click(language - 1);
        const QChar key = accessKey(option()->text());
        QVERIFY(key.isLetter());
        for (const QAction *item : options->actions()) {
            if (item != option() && !item->isSeparator())
                QVERIFY2(accessKey(item->text()) != key, qPrintable(item->text()));
        }
    }

    const QKeySequence again(Qt::CTRL | Qt::Key_L);
    for (const QAction *action : window->findChildren<QAction *>())
        QVERIFY2(!action->shortcuts().contains(again), qPrintable(action->text()));
    const QList<QShortcut *> shortcuts = window->findChildren<QShortcut *>();
    QCOMPARE(std::count_if(shortcuts.begin(), shortcuts.end(),
                           [&](const QShortcut *shortcut) { return shortcut->key() == again; }),
             1);
    for (int key = QKeySequence::HelpContents; key <= QKeySequence::Cancel; ++key)
        QVERIFY(!QKeySequence::keyBindings(QKeySequence::StandardKey(key)).contains(again));
}

QTEST_MAIN(SpeechTest)
#include "tst_speech.moc"
