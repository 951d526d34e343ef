// The desktop's speech: Qt's speech-dispatcher engine with a Hungarian voice. The engine lives
// in a thread of its own, because making it asks speech-dispatcher for every voice it has
// (about 3 s), and a wedged speech-dispatcher blocks each call.
#pragma once

#include "speech/Speaker.h"

class QThread;

namespace speech {

class DispatcherEngine;

class DispatcherSpeaker : public Speaker
{
    Q_OBJECT

public:
    DispatcherSpeaker();
    // Returns at once: the engine is closed in its thread, which then ends by itself.
    ~DispatcherSpeaker() override;

    void load() override;
    void say(const QString &text, Pace pace) override;
    void stop() override;

private:
    QThread *m_thread;
    DispatcherEngine *m_engine; // lives in m_thread, which deletes it
};

// The speaker for the program.
std::unique_ptr<Speaker> dispatcherSpeaker();

} // namespace speech
