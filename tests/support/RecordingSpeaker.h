// A speaker that records what it is asked to say instead of speaking, and gets ready or fails
// when the test says so.
#pragma once

#include "speech/Speaker.h"

#include <QStringList>

class RecordingSpeaker;

// What every speaker made by factory() was asked, in order: "stop", "say TEXT" and, for the
// slow pace, "slow TEXT".
struct SpeechRecord
{
    QStringList calls;
    int made = 0;
    // The newest speaker, for the test to make it ready or fail.
    RecordingSpeaker *current = nullptr;
    // Whether a speaker gets ready as soon as it is loaded.
    bool readyAtOnce = true;

    speech::SpeakerFactory factory();
};

class RecordingSpeaker : public speech::Speaker
{
    Q_OBJECT

public:
    explicit RecordingSpeaker(SpeechRecord &record) : m_record(record) {}
    ~RecordingSpeaker() override
    {
        if (m_record.current == this)
            m_record.current = nullptr;
    }

    void load() override
    {
        if (m_record.readyAtOnce)
            emit ready();
    }
    void say(const QString &text, speech::Pace pace) override
    {
        m_record.calls << (pace == speech::Pace::Slow ? QStringLiteral("slow ")
                                                      : QStringLiteral("say ")) +
                              text;
    }
    void stop() override { m_record.calls << QStringLiteral("stop"); }

private:
    SpeechRecord &m_record;
};

inline speech::SpeakerFactory SpeechRecord::factory()
{
    return [this] {
        auto speaker = std::make_unique<RecordingSpeaker>(*this);
        current = speaker.get();
        ++made;
        return speaker;
    };
}
