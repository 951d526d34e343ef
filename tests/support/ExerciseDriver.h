// Drives the exercise window the way a learner does: keys, Enter and list picks.
#pragma once

#include "RecordingNotifier.h"

#include "common/Settings.h"
#include "exercise/ExerciseWindow.h"
#include "i18n/InterfaceTexts.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include <memory>

// The characters typed on an English keyboard for each accented letter.
inline QString typedFor(const QString &text)
{
    static const QString letters = QStringLiteral("ÁáÖÓüöÉéóőűúÜíŐŰÚÍ");
    static const QString keys = QStringLiteral("\"')+-0:;=[\\]_`{|}~");
    QString typed;
    for (QChar c : text) {
        const qsizetype at = letters.indexOf(c);
        typed.append(at < 0 ? c : keys.at(at));
    }
    return typed;
}

struct ExerciseDriver
{
    ExerciseWindow &window;

    template <typename T> T *control(const char *name) const
    {
        T *found = window.findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QLineEdit *answerBox() const { return control<QLineEdit>("Text1"); }
    QTextEdit *passageBox() const { return control<QTextEdit>("Text4"); }
    QPushButton *button(const char *name) const { return control<QPushButton>(name); }
    QComboBox *list(const char *name) const { return control<QComboBox>(name); }
    QLabel *label(const char *name) const { return control<QLabel>(name); }

    void click(const char *name) const { QTest::mouseClick(button(name), Qt::LeftButton); }

    // The helpers that can fail return false, with a warning that says why, for the test to
    // assert: QVERIFY(driver->start(1, 0)).

    // Triggers the menu item `name`; false when it is missing or disabled.
    [[nodiscard]] bool trigger(const char *name) const;

    // Picks the list items of `auxChoice` and `person` (codes, not list positions) and
    // presses Start; false unless the exercise then runs.
    [[nodiscard]] bool start(int auxChoice, int person) const;

    // Picks item `index` with the arrow keys, one step at a time, as on the keyboard; false
    // when the list does not get there.
    [[nodiscard]] bool pick(const char *listName, int index) const;

    // Types `text` into the answer box on an English keyboard, then presses Enter.
    void answer(const QString &text) const
    {
        QLineEdit *box = answerBox();
        box->setFocus();
        QTest::keyClicks(box, typedFor(text));
        QTest::keyClick(box, Qt::Key_Return);
    }

    QStringList passageLines() const
    {
        QStringList lines = passageBox()->toPlainText().split(QLatin1Char('\n'));
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }
};

// The base of the exercise-window suites: fresh settings and a fresh window for each test,
// its messages recorded instead of shown. A suite that needs more in init() calls this one
// first.
class ExerciseTestBase : public QObject
{
    Q_OBJECT

protected slots:
    void init();
    void cleanup();

protected:
    // The interface texts the window has filled.
    const i18n::InterfaceTexts &texts() const { return settings->texts(); }

    std::unique_ptr<Settings> settings;
    std::unique_ptr<RecordingNotifier> notifier;
    std::unique_ptr<ExerciseWindow> window;
    std::unique_ptr<ExerciseDriver> driver;
};
