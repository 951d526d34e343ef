#include "speech/Narrator.h"

#include <utility>

namespace speech {

Narrator::Narrator(SpeakerFactory factory, QObject *parent)
    : QObject(parent), m_factory(std::move(factory))
{
    m_limit.setSingleShot(true);
    m_limit.setInterval(loadTimeLimit);
    connect(&m_limit, &QTimer::timeout, this, [this] {
        // Whole seconds, rounded up.
        const auto limit = m_limit.intervalAsDuration().count();
        engineFailed(Failure::TimeLimit, QString::number((limit + 999) / 1000));
    });
}

Narrator::~Narrator() = default;

void Narrator::setOn(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    if (!on) {
        m_waiting.clear();
        if (m_ready)
            m_speaker->stop();
        return;
    }
    if (m_speaker)
        return;
    m_speaker = m_factory();
    connect(m_speaker.get(), &Speaker::ready, this, &Narrator::engineReady);
    connect(m_speaker.get(), &Speaker::failed, this, &Narrator::engineFailed);
    connect(m_speaker.get(), &Speaker::speakingChanged, this, &Narrator::speakingChanged);
    m_limit.start();
    emit loadingChanged(true);
    m_speaker->load();
}

void Narrator::speakSentence(const QString &text)
{
    m_lastSentence = text.trimmed();
    m_repeatRun = false;
    speak(m_lastSentence, Pace::Normal);
}

void Narrator::repeat(const QString &passage)
{
    if (!m_on)
        return;
    const Pace pace = m_repeatRun ? Pace::Slow : Pace::Normal;
    m_repeatRun = true;
    speak(m_lastSentence.isEmpty() ? passage.trimmed() : m_lastSentence, pace);
}

void Narrator::forgetSentence()
{
    m_lastSentence.clear();
    m_repeatRun = false;
}

void Narrator::speak(const QString &text, Pace pace)
{
    if (!m_on || text.isEmpty())
        return;
    if (!m_ready) {
        m_waiting = text;
        m_waitingPace = pace;
        return;
    }
    m_speaker->stop();
    m_speaker->say(text, pace);
}

void Narrator::engineReady()
{
    m_limit.stop();
    m_ready = true;
    emit loadingChanged(false);
    const QString waiting = std::exchange(m_waiting, QString());
    speak(waiting, m_waitingPace);
}

// The engine is given up: a failed one is of no more use, and the next time on makes a new
// one, which finds what the learner has installed meanwhile.
void Narrator::engineFailed(Failure failure, const QString &detail)
{
    m_limit.stop();
    const bool wasLoading = !m_ready;
    m_speaker->disconnect(this);
    // It may be the sender of this signal.
    m_speaker.release()->deleteLater();
    m_ready = false;
    m_waiting.clear();
    if (wasLoading)
        emit loadingChanged(false);
    if (m_on) {
        m_on = false;
        emit failed(failure, detail);
    }
}

} // namespace speech
