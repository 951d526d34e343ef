// The real speech engine: a Hungarian sentence spoken through a speech-dispatcher of the
// test's own with a silent audio output, and the option turning itself off where no
// speech-dispatcher listens.
#include "ExerciseDriver.h"
#include "PrivateSpeechDispatcher.h"

#include "common/Settings.h"
#include "i18n/SpeechTexts.h"
#include "speech/DispatcherSpeaker.h"

#include <QAction>
#include <QSignalSpy>

class SpeechEngineTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_daemon.start()); }
    void speaksHungarianAndGetsReadyAgain();
    void optionTurnsItselfOffWhereNothingListens();
    void cleanupTestCase() { QVERIFY(m_daemon.stop()); }

private:
    PrivateSpeechDispatcher m_daemon;
};

void SpeechEngineTest::speaksHungarianAndGetsReadyAgain()
{
    speech::DispatcherSpeaker speaker;
    QSignalSpy ready(&speaker, &speech::Speaker::ready);
    QSignalSpy failed(&speaker, &speech::Speaker::failed);
    QSignalSpy speaking(&speaker, &speech::Speaker::speakingChanged);
    speaker.load();
    QTRY_VERIFY_WITH_TIMEOUT(!ready.isEmpty() || !failed.isEmpty(), 30000);
    QVERIFY2(failed.isEmpty(), qPrintable(failed.value(0).value(1).toString()));

    speaker.say(QStringLiteral("Holnap korán fogok felkelni, és sokáig fogok dolgozni."),
                speech::Pace::Normal);
    QTRY_VERIFY_WITH_TIMEOUT(!speaking.isEmpty(), 10000);
    QCOMPARE(speaking.first().first().toBool(), true);
    QTRY_VERIFY_WITH_TIMEOUT(!speaking.last().first().toBool(), 10000);
    QVERIFY(failed.isEmpty());
}

void SpeechEngineTest::optionTurnsItselfOffWhereNothingListens()
{
    qputenv("SPEECHD_ADDRESS", m_daemon.deadAddress().toUtf8());
    Settings settings;
    RecordingNotifier notifier;
    ExerciseWindow window(settings, notifier);
    ExerciseDriver driver{window};
    window.lang_Click(2);
    QVERIFY(driver.trigger("mnuSpeak"));
    auto *option = window.findChild<QAction *>(QStringLiteral("mnuSpeak"));
    QTRY_VERIFY_WITH_TIMEOUT(!option->isChecked(), 10000);
    QCOMPARE(notifier.messages.size(), 1);
    QCOMPARE(notifier.lastText(), i18n::speechText(i18n::spNoDispatcher, i18n::Spanish));
}

QTEST_MAIN(SpeechEngineTest)
#include "tst_speechEngine.moc"
