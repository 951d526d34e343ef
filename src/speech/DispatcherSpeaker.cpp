#include "speech/DispatcherSpeaker.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPointer>
#include <QTextToSpeech>
#include <QThread>

#include <utility>

namespace speech {

namespace {

// Qt's engine for speech-dispatcher, asked for by name: the default engine differs between
// machines.
const QString engineName = QStringLiteral("speechd");

// Qt's rate runs from -1 to 1, 0 being the voice's own.
double rateOf(Pace pace)
{
    return pace == Pace::Slow ? -0.5 : 0.0;
}

// The threads of engines given up that may still be closing them. The window never waits
// for them; the program, when it ends, waits for them a second at most, so that no engine is
// cut off while it talks to speech-dispatcher. One that is stuck is left as it is.
QList<QPointer<QThread>> closingThreads;

void waitForClosingThreads()
{
    const QDeadlineTimer deadline(1000);
    for (const QPointer<QThread> &thread : std::exchange(closingThreads, {})) {
        if (thread && thread->wait(deadline))
            delete thread;
    }
}

void closeBeforeTheEnd(QThread *thread)
{
    static const bool waitsAtTheEnd = (qAddPostRoutine(waitForClosingThreads), true);
    Q_UNUSED(waitsAtTheEnd);
    closingThreads.removeAll(nullptr);
    closingThreads.append(thread);
}

} // namespace

// The engine's side, in its own thread: every member runs there.
class DispatcherEngine : public QObject
{
    Q_OBJECT

public:
    void load();
    void say(const QString &text, Pace pace);
    void stop();

signals:
    void ready();
    void failed(speech::Failure failure, const QString &detail);
    void speakingChanged(bool speaking);

private:
    void follow(QTextToSpeech::State state);

    QTextToSpeech *m_speech = nullptr;
};

void DispatcherEngine::load()
{
    if (!QTextToSpeech::availableEngines().contains(engineName)) {
        emit failed(Failure::NoDispatcher, engineName);
        return;
    }
    m_speech = new QTextToSpeech(engineName, this);
    if (m_speech->state() == QTextToSpeech::Error) {
        const bool unreachable =
            m_speech->errorReason() == QTextToSpeech::ErrorReason::Initialization;
        emit failed(unreachable ? Failure::NoDispatcher : Failure::EngineError,
                    m_speech->errorString());
        return;
    }
    m_speech->setLocale(QLocale(QLocale::Hungarian, QLocale::Hungary));
    // The voices of the locale: the first is the language's plain voice, the rest variants.
    const QList<QVoice> voices = m_speech->availableVoices();
    if (m_speech->locale().language() != QLocale::Hungarian || voices.isEmpty() ||
        voices.first().locale().language() != QLocale::Hungarian) {
        emit failed(Failure::NoHungarianVoice, QString());
        return;
    }
    m_speech->setVoice(voices.first());
    connect(m_speech, &QTextToSpeech::stateChanged, this, &DispatcherEngine::follow);
    emit ready();
}

void DispatcherEngine::follow(QTextToSpeech::State state)
{
    if (state == QTextToSpeech::Error)
        emit failed(Failure::EngineError, m_speech->errorString());
    else
        emit speakingChanged(state == QTextToSpeech::Speaking);
}

void DispatcherEngine::say(const QString &text, Pace pace)
{
    if (!m_speech)
        return;
    if (m_speech->rate() != rateOf(pace))
        m_speech->setRate(rateOf(pace));
    m_speech->say(text);
}

void DispatcherEngine::stop()
{
    if (m_speech)
        m_speech->stop();
}

DispatcherSpeaker::DispatcherSpeaker() : m_thread(new QThread), m_engine(new DispatcherEngine)
{
    m_thread->setObjectName(QStringLiteral("speech"));
    m_engine->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
    connect(m_engine, &DispatcherEngine::ready, this, &Speaker::ready);
    connect(m_engine, &DispatcherEngine::failed, this, &Speaker::failed);
    connect(m_engine, &DispatcherEngine::speakingChanged, this, &Speaker::speakingChanged);
}

DispatcherSpeaker::~DispatcherSpeaker()
{
    if (!m_thread->isRunning()) {
        delete m_engine;
        delete m_thread;
        return;
    }
    m_engine->disconnect(this);
    // The engine goes with its thread, after what it is doing now.
    QMetaObject::invokeMethod(m_engine, [engine = m_engine] {
        delete engine;
        QThread::currentThread()->quit();
    });
    closeBeforeTheEnd(m_thread);
}

void DispatcherSpeaker::load()
{
    m_thread->start();
    QMetaObject::invokeMethod(m_engine, &DispatcherEngine::load);
}

void DispatcherSpeaker::say(const QString &text, Pace pace)
{
    QMetaObject::invokeMethod(m_engine,
                              [engine = m_engine, text, pace] { engine->say(text, pace); });
}

void DispatcherSpeaker::stop()
{
    QMetaObject::invokeMethod(m_engine, &DispatcherEngine::stop);
}

std::unique_ptr<Speaker> dispatcherSpeaker()
{
    return std::make_unique<DispatcherSpeaker>();
}

} // namespace speech

#include "DispatcherSpeaker.moc"
