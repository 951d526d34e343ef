// Speaking the Hungarian: how long the exercise window's event loop stalls at most while the
// speech engine loads (target < 50 ms), and the time from ticking Options > Speak Hungarian
// to the first spoken word. The engine speaks through a speech-dispatcher of the benchmark's
// own with a silent audio output. Each round is a fresh window, and so a fresh engine. Loading
// keeps one core busy in the engine's thread, so a round of the same length without speech,
// beside a thread that only spins, shows what the machine's scheduler stalls by itself.
//   bench-speech [--rounds N]
#include "PrivateSpeechDispatcher.h"
#include "RecordingNotifier.h"
#include "Stats.h"

#include "common/Settings.h"
#include "exercise/ExerciseWindow.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTextEdit>
#include <QTimer>

#include <stdlib.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <thread>

namespace {

// The longest gap between two turns of the event loop while `loop` runs, seen by a timer
// that asks for a turn every millisecond.
class StallWatch
{
public:
    StallWatch()
    {
        m_tick.setTimerType(Qt::PreciseTimer);
        m_tick.setInterval(1);
        QObject::connect(&m_tick, &QTimer::timeout, [this] {
            m_longest = std::max(m_longest, m_since.nsecsElapsed() / 1e6);
            m_since.restart();
        });
    }
    void start()
    {
        m_longest = 0;
        m_since.start();
        m_tick.start();
    }
    double stop()
    {
        m_tick.stop();
        return m_longest;
    }

private:
    QTimer m_tick;
    QElapsedTimer m_since;
    double m_longest = 0;
};

struct Round
{
    double loaded = -1;    // ms from the tick to the engine being ready
    double firstWord = -1; // ms from the tick to the first word
    double stall = 0;      // the longest stall until then, ms
};

Round speakOnce(StallWatch &watch)
{
    Settings settings;
    RecordingNotifier notifier;
    ExerciseWindow window(settings, notifier);
    window.show();
    QCoreApplication::processEvents();
    speech::Narrator &narrator = window.speech().narrator();
    const QString passage = window.findChild<QTextEdit *>(QStringLiteral("Text4"))->toPlainText();

    Round round;
    QEventLoop loop;
    QElapsedTimer clock;
    QObject::connect(&narrator, &speech::Narrator::loadingChanged, [&](bool loading) {
        if (!loading)
            round.loaded = clock.nsecsElapsed() / 1e6;
    });
    QObject::connect(&narrator, &speech::Narrator::speakingChanged, [&](bool speaking) {
        if (speaking && round.firstWord < 0) {
            round.firstWord = clock.nsecsElapsed() / 1e6;
            loop.quit();
        }
    });
    QObject::connect(&narrator, &speech::Narrator::failed, &loop, &QEventLoop::quit);
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);

    watch.start();
    clock.start();
    window.findChild<QAction *>(QStringLiteral("mnuSpeak"))->trigger();
    // Ctrl+L at once: before any sentence, the passage; it waits for the engine.
    narrator.repeat(passage);
    loop.exec();
    round.stall = watch.stop();
    if (!notifier.messages.isEmpty())
        qFatal("speech failed: %s", qPrintable(notifier.lastText()));
    return round;
}

// The same watch over `milliseconds` of an idle window beside a spinning thread.
double stallBesideBusyThread(StallWatch &watch, int milliseconds)
{
    Settings settings;
    RecordingNotifier notifier;
    ExerciseWindow window(settings, notifier);
    window.show();
    QCoreApplication::processEvents();
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    std::atomic<bool> spinning{true};
    std::thread busy([&spinning] {
        while (spinning.load(std::memory_order_relaxed)) {
        }
    });
    watch.start();
    loop.exec();
    const double longest = watch.stop();
    spinning = false;
    busy.join();
    return longest;
}

} // namespace

int main(int argc, char *argv[])
{
    const int rounds = bench::countOption(argc, argv, "--rounds", 5);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    PrivateSpeechDispatcher daemon;
    if (!daemon.start())
        return 1;
    QApplication app(argc, argv);

    StallWatch watch;
    std::vector<double> loaded, firstWord, stalls, besideBusy;
    for (int i = 0; i < rounds; ++i) {
        const Round round = speakOnce(watch);
        if (round.firstWord < 0)
            qFatal("no word was spoken within 30 s");
        loaded.push_back(round.loaded);
        firstWord.push_back(round.firstWord);
        stalls.push_back(round.stall);
        besideBusy.push_back(stallBesideBusyThread(watch, int(round.firstWord)));
    }

    using bench::fixed;
    const double worstStall = *std::max_element(stalls.begin(), stalls.end());
    double load[1] = {0};
    getloadavg(load, 1);
    std::printf("Speech (%d rounds, offscreen, a private speech-dispatcher with espeak-ng; "
                "load average %.2f)\n",
                rounds, load[0]);
    bench::printRow("measure", {"median ms", "max ms"}, 44);
    bench::printRow("longest stall while the engine loads",
                    {fixed(bench::median(stalls), 1), fixed(worstStall, 1)}, 44);
    bench::printRow("  without speech, beside a busy thread",
                    {fixed(bench::median(besideBusy), 1),
                     fixed(*std::max_element(besideBusy.begin(), besideBusy.end()), 1)},
                    44);
    bench::printRow("tick to engine ready",
                    {fixed(bench::median(loaded), 0),
                     fixed(*std::max_element(loaded.begin(), loaded.end()), 0)},
                    44);
    bench::printRow("tick to first spoken word",
                    {fixed(bench::median(firstWord), 0),
                     fixed(*std::max_element(firstWord.begin(), firstWord.end()), 0)},
                    44);
    daemon.stop();
    return worstStall < 50.0 ? 0 : 1;
}
