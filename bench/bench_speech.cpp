// Speaking the Hungarian: how long the exercise window's event loop stalls at most while the
// speech engine loads (target < 50 ms), and the time from ticking Options > Speak Hungarian
// to the first spoken word. The engine speaks through a speech-dispatcher of the benchmark's
// own with a silent audio output. Each round is a fresh window, and so a fresh engine; a
// round of the same length without speech shows what the machine stalls by itself.
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

#include <cstring>

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

// The same watch over `milliseconds` of an idle window.
double idleStall(StallWatch &watch, int milliseconds)
{
    Settings settings;
    RecordingNotifier notifier;
    ExerciseWindow window(settings, notifier);
    window.show();
    QCoreApplication::processEvents();
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    watch.start();
    loop.exec();
    return watch.stop();
}

} // namespace

int main(int argc, char *argv[])
{
    int rounds = 5;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--rounds") == 0)
            rounds = std::max(1, std::atoi(argv[++i]));
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    PrivateSpeechDispatcher daemon;
    if (!daemon.start())
        return 1;
    QApplication app(argc, argv);

    StallWatch watch;
    std::vector<double> loaded, firstWord, stalls, idle;
    for (int i = 0; i < rounds; ++i) {
        const Round round = speakOnce(watch);
        if (round.firstWord < 0)
            qFatal("no word was spoken within 30 s");
        loaded.push_back(round.loaded);
        firstWord.push_back(round.firstWord);
        stalls.push_back(round.stall);
        idle.push_back(idleStall(watch, int(round.firstWord)));
    }

    using bench::fixed;
    const double worstStall = *std::max_element(stalls.begin(), stalls.end());
    std::printf("Speech (%d rounds, offscreen, a private speech-dispatcher with espeak-ng)\n",
                rounds);
    bench::printRow("measure", {"median ms", "max ms"}, 44);
    bench::printRow("longest stall while the engine loads",
                    {fixed(bench::median(stalls), 1), fixed(worstStall, 1)}, 44);
    bench::printRow(
        "  the same time idle, without speech",
        {fixed(bench::median(idle), 1), fixed(*std::max_element(idle.begin(), idle.end()), 1)}, 44);
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
