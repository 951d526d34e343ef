// The learner's operations on the real windows (offscreen): Next on long answers, the
// language switch, the reference grid fills, the four content fill routines, and the tutor's
// explanation of a wrong answer, hint and comparison. Every round measures each case once, so the
// cases are compared side by side.
//   bench-operations [--rounds N]
#include "RecordingNotifier.h"
#include "Stats.h"

#include "common/Settings.h"
#include "content/ExerciseContent.h"
#include "exercise/AnswerComparison.h"
#include "exercise/ExerciseWindow.h"
#include "exercise/Hints.h"
#include "exercise/MistakeExplanation.h"
#include "reference/ReferenceWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRandomGenerator>

#include <cstring>
#include <functional>
#include <map>

namespace {

// Words of Hungarian letters with runs of one to six blanks before each.
QString blankRuns(int length)
{
    static const QString letters = QStringLiteral("abcdeéfghiíjklmnoóöőprstuúüűvz");
    QRandomGenerator random(7);
    QString text;
    while (text.size() < length) {
        text.append(QString(random.bounded(1, 7), QLatin1Char(' ')));
        for (int i = random.bounded(2, 9); i > 0; --i)
            text.append(letters.at(random.bounded(int(letters.size()))));
    }
    text.truncate(length);
    return text;
}

struct Case
{
    std::string name;
    std::function<void()> prepare; // untimed
    std::function<void()> work;    // timed
    std::vector<double> times;
};

} // namespace

int main(int argc, char *argv[])
{
    const int rounds = bench::countOption(argc, argv, "--rounds", 31);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    RecordingNotifier notifier;
    Settings settings;
    ExerciseWindow window(settings, notifier);
    window.show();
    QCoreApplication::processEvents();
    auto *answerBox = window.findChild<QLineEdit *>(QStringLiteral("Text1"));
    // An exercise runs at segment 1 of akar, which begins a sentence: Next collapses the
    // blanks, capitalises, warns and compares, the most it ever does for a wrong answer.
    window.Start_Click();
    answerBox->setText(window.exercise().keys[0]);
    window.Nex_Click();
    if (window.exercise().segment != 1 || !content::isSentenceInitial(1, 1))
        qFatal("the exercise did not reach segment 1");

    std::vector<Case> cases;
    const int sizes[] = {1024, 8192, 32767};
    const char *sizeNames[] = {"1 K", "8 K", "32 K"};
    for (int kind = 0; kind < 2; ++kind) {
        for (int s = 0; s < 3; ++s) {
            const QString answer =
                kind == 0 ? QString(sizes[s], QLatin1Char(' ')) : blankRuns(sizes[s]);
            cases.push_back({std::string(kind == 0 ? "blanks " : "runs ") + sizeNames[s],
                             [answerBox, answer, &notifier] {
                                 answerBox->setText(answer);
                                 notifier.clear();
                             },
                             [&window] { window.Nex_Click(); },
                             {}});
        }
    }

    int language = 0;
    cases.push_back({"lang_Click", [] {}, [&] { window.lang_Click(language++ % 3); }, {}});

    ReferenceWindow reference(settings);
    reference.showReference();
    QCoreApplication::processEvents();
    auto *sentences = reference.findChild<QComboBox *>(QStringLiteral("Combo2"));
    auto *auxiliaries = reference.findChild<QComboBox *>(QStringLiteral("Combo1"));
    int pick = 0;
    cases.push_back({"reference segedigek",
                     [&] { sentences->setCurrentIndex(pick++ % sentences->count()); },
                     [&] { reference.segedigek(); },
                     {}});
    cases.push_back({"reference mondat",
                     [&] { auxiliaries->setCurrentIndex(pick++ % auxiliaries->count()); },
                     [&] { reference.mondat(); },
                     {}});

    // Each fill routine once for every one of the 30 selections, on one content whose
    // selection changes in between, as the window's own does.
    content::ExerciseContent content;
    const std::pair<const char *, void (content::ExerciseContent::*)()> fills[] = {
        {"alapok x30", &content::ExerciseContent::alapok},
        {"kerdes x30", &content::ExerciseContent::kerdes},
        {"kulcsok x30", &content::ExerciseContent::kulcsok},
        {"mondat x30", &content::ExerciseContent::mondat}};
    for (const auto &[name, fill] : fills) {
        cases.push_back({name,
                         [] {},
                         [&content, fill = fill] {
                             for (const content::AuxChoice &choice : content::auxChoices) {
                                 for (int person : content::personCodes) {
                                     content.auxChoice = choice.code;
                                     content.person = person;
                                     (content.*fill)();
                                 }
                             }
                         },
                         {}});
    }

    // The costliest explanation: an answer that only the last rule fits, so every other
    // person's key, the other auxiliaries' keys and every other rule are tried first.
    const content::ExerciseContent asked = content::ExerciseContent::forSelection(1, 1);
    const QString lastRuleOnly = asked.keys[1] + QStringLiteral("x");
    if (explanation::explainMistake(1, 1, 1, lastRuleOnly).kind !=
        explanation::Mistake::LeadingWords)
        qFatal("the answer for the explanation is not one that only the last rule fits");
    QString explanationLine;
    cases.push_back({"explain wrong answer",
                     [] {},
                     [&] {
                         const explanation::Mistake mistake =
                             explanation::explainMistake(1, 1, 1, lastRuleOnly);
                         explanationLine = explanation::describeMistake(mistake, 1, i18n::English);
                     },
                     {}});

    // Every step of a hint on a group row of the mixed set.
    const content::ExerciseContent mixed = content::ExerciseContent::forSelection(5, 2);
    QString hintLine;
    cases.push_back({"hint, every step",
                     [] {},
                     [&] {
                         for (int step = 1; step <= hint::stepCount(mixed.keys[2]); ++step)
                             hintLine = hint::stepText(5, 2, mixed.keys[2], step, i18n::English);
                     },
                     {}});

    // The comparison after Solution: a real row with a word in the place of another, one
    // missing and one extra, then answers as long as the answer box takes.
    const QString officeKey = content::ExerciseContent::forSelection(2, 2).keys[7];
    QString compared;
    const auto compareCase = [&](const std::string &name, const QString &answer) {
        cases.push_back(
            {name,
             [] {},
             [&compared, answer, &officeKey] {
                 const comparison::Comparison result = comparison::compare(answer, officeKey);
                 compared = comparison::toHtml(result) + comparison::spoken(result, i18n::English);
             },
             {}});
    };
    compareCase("compare wrong answer", QStringLiteral("5 óráig fogok az maradni"));
    compareCase("compare 32 K of words", blankRuns(32767));
    compareCase("compare 32 K, one word", QString(32767, QLatin1Char('a')));

    for (int round = 0; round < rounds; ++round) {
        for (Case &c : cases) {
            c.prepare();
            QCoreApplication::processEvents(); // repaints, outside the measurement
            c.times.push_back(bench::millisecondsOf(c.work));
        }
    }
    if (window.exercise().segment != 1 || notifier.messages.isEmpty())
        qFatal("Next did not judge the long answers as wrong answers");

    using bench::fixed;
    using bench::median;
    std::map<std::string, double> medians;
    for (const Case &c : cases)
        medians[c.name] = median(c.times);
    bool met = true;

    std::printf("Next on a long answer (median of %d rounds, offscreen; target < 5 ms and "
                "linear: even cost per character)\n",
                rounds);
    bench::printRow("answer", {"1 K ms", "8 K ms", "32 K ms", "ns/char 1K", "8K", "32K"});
    for (const char *kind : {"blanks", "runs"}) {
        std::vector<std::string> cells;
        for (const char *size : sizeNames)
            cells.push_back(fixed(medians[std::string(kind) + " " + size], 3));
        for (int s = 0; s < 3; ++s)
            cells.push_back(
                fixed(medians[std::string(kind) + " " + sizeNames[s]] * 1e6 / sizes[s], 1));
        met = met && medians[std::string(kind) + " 32 K"] < 5.0;
        bench::printRow(std::string(kind) == "blanks" ? "all blanks" : "blank runs", cells);
    }

    std::printf("\nOther operations (median of %d rounds, offscreen; target < 1 ms, < 5 ms for "
                "the 32 K comparisons)\n",
                rounds);
    bench::printRow("operation", {"median ms", "max ms"});
    for (const Case &c : cases) {
        if (c.name.rfind("blanks", 0) == 0 || c.name.rfind("runs", 0) == 0)
            continue;
        const double worst = *std::max_element(c.times.begin(), c.times.end());
        const double target = c.name.find("32 K") != std::string::npos ? 5.0 : 1.0;
        met = met && medians[c.name] < target;
        bench::printRow(c.name, {fixed(medians[c.name], 4), fixed(worst, 4)});
    }
    return met ? 0 : 1;
}
