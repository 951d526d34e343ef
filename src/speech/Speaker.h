// What speaks the Hungarian aloud: the speech engine of the desktop, or a recording fake in
// the tests.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace speech {

// How fast a text is spoken: as usual, or slower for a learner who asked to hear it again.
enum class Pace
{
    Normal,
    Slow
};

// Why speech cannot work.
enum class Failure
{
    NoDispatcher,     // speech-dispatcher, or Qt's engine for it, cannot be reached
    NoHungarianVoice, // speech-dispatcher has no Hungarian voice
    EngineError,      // the engine reported an error
    TimeLimit         // the engine did not get ready in time
};

// A speech engine. None of its calls waits for the engine: they return at once, and what the
// engine does comes back through the signals.
class Speaker : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Gets the engine ready, in Hungarian; ends in ready() or failed().
    virtual void load() = 0;
    // Speaks `text`, after what is already being spoken.
    virtual void say(const QString &text, Pace pace) = 0;
    // Stops what is being spoken, and drops what waits to be.
    virtual void stop() = 0;

signals:
    void ready();
    void failed(speech::Failure failure, const QString &detail);
    // The engine began (true) or ended (false) speaking.
    void speakingChanged(bool speaking);
};

// Makes the engine when the learner first turns speech on.
using SpeakerFactory = std::function<std::unique_ptr<Speaker>()>;

} // namespace speech
