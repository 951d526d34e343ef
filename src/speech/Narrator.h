// The rules of what is spoken and when, without widgets: the exercise window tells it what
// happens, and it drives a Speaker that it makes when speech is first turned on.
#pragma once

#include "speech/Speaker.h"

#include <QTimer>

#include <chrono>

namespace speech {

class Narrator : public QObject
{
    Q_OBJECT

public:
    // The engine may take this long to get ready; it takes about 3 s, and a wedged
    // speech-dispatcher can keep it waiting for more than 40 s.
    static constexpr std::chrono::seconds loadTimeLimit{15};

    explicit Narrator(SpeakerFactory factory, QObject *parent = nullptr);
    ~Narrator() override;

    // For the tests: another engine, and a shorter time limit. Both apply to the next load.
    void setSpeakerFactory(SpeakerFactory factory) { m_factory = std::move(factory); }
    void setTimeLimit(std::chrono::milliseconds limit) { m_limit.setInterval(limit); }

    // The learner turned speech on or off. The first time on makes and loads the engine;
    // off keeps it for the next time.
    void setOn(bool on);
    bool isOn() const { return m_on; }
    bool isLoading() const { return m_speaker && !m_ready; }

    // A new Hungarian sentence: it stops the one being spoken. While the engine loads, the
    // newest waits for it.
    void speakSentence(const QString &text);
    // The last sentence again, more slowly on a second press in a row; before any sentence,
    // `passage`.
    void repeat(const QString &passage);
    // The learner did something else between two repeats.
    void breakRepeatRun() { m_repeatRun = false; }
    // A new passage or exercise: no sentence has been spoken in it yet.
    void forgetSentence();

signals:
    void loadingChanged(bool loading);
    // Speech cannot work, and is off again. Said once for each time it was turned on.
    void failed(speech::Failure failure, const QString &detail);
    // The engine began (true) or ended (false) speaking.
    void speakingChanged(bool speaking);

private:
    void speak(const QString &text, Pace pace);
    void engineReady();
    void engineFailed(Failure failure, const QString &detail);

    SpeakerFactory m_factory;
    std::unique_ptr<Speaker> m_speaker;
    QTimer m_limit;
    bool m_on = false;
    bool m_ready = false;
    QString m_lastSentence;
    bool m_repeatRun = false;
    // What to say once the engine is ready.
    QString m_waiting;
    Pace m_waitingPace = Pace::Normal;
};

} // namespace speech
