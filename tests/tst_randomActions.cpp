// Random learner actions on the real windows, from a seed: after every action the exercise
// keeps its invariants, only the program's own messages appear and nothing crashes.
//   tst_randomActions [--seed N] [--count M] [Qt Test options]
#include "ExerciseDriver.h"

#include "content/ExerciseContent.h"
#include "i18n/InterfaceTexts.h"
#include "reference/ReferenceWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QRandomGenerator>
#include <QTest>

#include <cstdio>

using Icon = Notifier::Icon;

namespace {

quint32 seed = 20240607;
int actionCount = 20000;

// What the exercise looked like before an action.
struct Snapshot
{
    bool running;
    int segment;
    std::array<QString, content::SegmentCount> keys;
    int auxChoice;
    int person;
};

// Types any text, a key event per character (a surrogate pair together), as a keyboard or
// input method delivers it; QTest::keyClicks takes Latin-1 only.
void typeText(QWidget *target, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, text.mid(i, length),
                            Qt::NoModifier);
        i += length - 1;
    }
}

} // namespace

class RandomActionsTest : public ExerciseTestBase
{
    Q_OBJECT

private slots:
    void init();
    void invariantsHoldAfterEveryAction();

private:
    int below(int n) { return int(m_random.bounded(n)); }
    bool chance(int percent) { return below(100) < percent; }
    QString randomText();
    QWidget *randomTarget();
    QComboBox *randomList();
    void act();
    void typeKey(QWidget *target);
    void answerCorrectly();
    void useReference();
    void triggerMenu(const char *name);
    QString messageFault(const RecordedMessage &message) const;
    QString check(const Snapshot &before);
    Snapshot snapshot() const;

    QRandomGenerator m_random;
    QString m_action;
    QString m_fault;
    int m_accepted = 0;
    int m_finishedShown = 0;
    int m_completedRuns = 0;
    bool m_everStarted = false;
    int m_clickLandsIn = 0;
    bool m_waitForClick = false;
};

void RandomActionsTest::init()
{
    m_random.seed(seed);
    ExerciseTestBase::init();
    notifier->onMessage = [this] {
        const RecordedMessage &message = notifier->messages.last();
        if (m_fault.isEmpty())
            m_fault = messageFault(message);
        if (message.text == texts()[i18n::msgFinished])
            ++m_finishedShown;
    };
}

// Mostly short, sometimes up to the box's 32,767 characters, from every kind of text that
// trips up text handling: NUL, controls, direction marks, emoji, combining marks, lone
// surrogates, right-to-left and wide scripts, blanks and the remapped keys.
QString RandomActionsTest::randomText()
{
    static const QString plain = QStringLiteral("  aábcdeéfgiíoóöőuúüűzÁÉŐŰ'\";:`~=+0)[{]}-_\\|.,");
    static const QString special[] = {QString(QChar(0)),
                                      QStringLiteral("\t\n\r"),
                                      QStringLiteral("\u200E\u200F"),
                                      QStringLiteral("\u202E"),
                                      QStringLiteral("\u202C"),
                                      QStringLiteral("\u0301\u0308"),
                                      QStringLiteral("\uFEFF"),
                                      QString(QChar(0xD800)),
                                      QString(QChar(0xDC00)),
                                      QStringLiteral("שלום"),
                                      QStringLiteral("سلام"),
                                      QStringLiteral("中文"),
                                      QStringLiteral("😀"),
                                      QStringLiteral("🇭🇺"),
                                      QStringLiteral("\U0001F469\u200D\U0001F467")};
    const int length = chance(2) ? 1 + below(32767) : below(40);
    QString text;
    while (text.size() < length) {
        text += chance(85) ? QString(plain.at(below(int(plain.size()))))
                           : special[below(int(std::size(special)))];
    }
    text.truncate(length);
    return text;
}

QComboBox *RandomActionsTest::randomList()
{
    ReferenceWindow *reference = window->referenceWindow();
    const char *name = chance(50) ? "Combo1" : "Combo2";
    if (reference && reference->isVisible() && chance(40))
        return reference->findChild<QComboBox *>(QString::fromLatin1(name));
    return driver->list(name);
}

// The answer box most of the time, else whatever has the focus or another control.
QWidget *RandomActionsTest::randomTarget()
{
    const int roll = below(10);
    if (roll < 5)
        return driver->answerBox();
    if (roll < 7 && QApplication::focusWidget())
        return QApplication::focusWidget();
    if (roll < 9)
        return randomList()->lineEdit();
    static const char *const others[] = {"Text2", "Text3",    "Text4",   "Start",
                                         "Nex",   "Solution", "Command9"};
    return driver->control<QWidget>(others[below(int(std::size(others)))]);
}

void RandomActionsTest::typeKey(QWidget *target)
{
    // The remapped keys, and the shifted ones as Shift enters them.
    static const QString remapped = QStringLiteral("'`;=0[\\]-");
    static const QString shifted = QStringLiteral("\"~:+){|}_");
    static const Qt::Key keys[] = {
        Qt::Key_Return,  Qt::Key_Enter,  Qt::Key_Backspace, Qt::Key_Delete,
        Qt::Key_Home,    Qt::Key_End,    Qt::Key_Left,      Qt::Key_Right,
        Qt::Key_Up,      Qt::Key_Down,   Qt::Key_PageUp,    Qt::Key_Tab,
        Qt::Key_Backtab, Qt::Key_Escape, Qt::Key_Space,     Qt::Key_F10};
    const int roll = below(10);
    if (roll < 4) {
        const bool shift = chance(50);
        const QString &row = shift ? shifted : remapped;
        const char typed = char(row.at(below(int(row.size()))).unicode());
        m_action =
            QStringLiteral("key %1%2").arg(shift ? u"Shift+" : u"").arg(QChar::fromLatin1(typed));
        QTest::keyClick(target, typed, shift ? Qt::ShiftModifier : Qt::NoModifier);
    } else if (roll < 7) {
        const char letter = char((chance(50) ? 'a' : 'A') + below(26));
        m_action = QStringLiteral("key %1").arg(QChar::fromLatin1(letter));
        QTest::keyClick(target, letter, letter < 'a' ? Qt::ShiftModifier : Qt::NoModifier);
    } else if (roll < 9) {
        const Qt::Key key = keys[below(int(std::size(keys)))];
        m_action = QStringLiteral("key 0x%1").arg(int(key), 0, 16);
        QTest::keyClick(target, key);
    } else {
        static const char commands[] = "azyxcv";
        const char command = commands[below(6)];
        m_action = QStringLiteral("key Ctrl+%1").arg(QChar::fromLatin1(command));
        QTest::keyClick(target, command, Qt::ControlModifier);
    }
    m_action += QStringLiteral(" on ") + target->objectName();
}

// Types the key of the current segment, sometimes with extra blanks or a small first letter,
// and checks it with Enter or Next; idle, presses Start instead.
void RandomActionsTest::answerCorrectly()
{
    if (!window->isRunning() && chance(70)) {
        m_action = QStringLiteral("click Start");
        driver->click("Start");
        return;
    }
    QString key = window->exercise().keys[window->exercise().segment];
    if (chance(30))
        key = QStringLiteral("  ") + key.replace(QLatin1Char(' '), QStringLiteral("   ")) +
              QStringLiteral(" ");
    if (chance(30) &&
        content::isSentenceInitial(window->exercise().auxChoice, window->exercise().segment)) {
        qsizetype first = 0;
        while (key.at(first) == QLatin1Char(' '))
            ++first;
        key[first] = key[first].toLower();
    }
    m_action = QStringLiteral("answer \"%1\"").arg(key);
    QLineEdit *box = driver->answerBox();
    box->setFocus();
    box->clear();
    QTest::keyClicks(box, typedFor(key));
    if (chance(70))
        QTest::keyClick(box, Qt::Key_Return);
    else
        driver->click("Nex");
}

void RandomActionsTest::useReference()
{
    ReferenceWindow *reference = window->referenceWindow();
    if (!reference || !reference->isVisible() || chance(25)) {
        m_action = QStringLiteral("open the reference window");
        triggerMenu("mnuSegedigek");
        return;
    }
    const int roll = below(10);
    if (roll < 2) {
        m_action = QStringLiteral("close the reference window");
        if (chance(50))
            QTest::mouseClick(reference->findChild<QPushButton *>(QStringLiteral("Command1")),
                              Qt::LeftButton);
        else
            reference->close();
    } else {
        auto *list =
            reference->findChild<QComboBox *>(QString::fromLatin1(roll < 6 ? "Combo1" : "Combo2"));
        const int item = below(list->count());
        m_action =
            QStringLiteral("pick %1 in the reference's %2").arg(item).arg(list->objectName());
        list->setCurrentIndex(item);
        emit list->activated(item);
    }
}

void RandomActionsTest::act()
{
    // An access key presses its button, and Qt lets the button go 100 ms later: a few more
    // actions come first, then the test waits for it, so that a seed replays exactly.
    if (m_clickLandsIn > 0 && --m_clickLandsIn == 0)
        m_waitForClick = true;
    if (m_clickLandsIn == 0 && below(1000) < 3) {
        static const char keys[] = "snlc";
        const char key = !window->isRunning() && chance(50) ? 's' : keys[below(4)];
        QWidget *target = randomTarget();
        m_action = QStringLiteral("key Alt+%1 on %2")
                       .arg(QChar::fromLatin1(key))
                       .arg(target->objectName());
        QTest::keyClick(target, key, Qt::AltModifier);
        m_clickLandsIn = 1 + below(8);
        return;
    }
    // Meanwhile the learner mostly goes on answering.
    if (m_clickLandsIn > 0 && chance(50))
        return answerCorrectly();
    const int roll = below(100);
    if (roll < 30) {
        typeKey(randomTarget());
    } else if (roll < 42) {
        answerCorrectly();
    } else if (roll < 50) {
        QWidget *target = chance(70) ? driver->answerBox() : randomTarget();
        const QString text = randomText();
        m_action = QStringLiteral("paste %1 characters into %2")
                       .arg(text.size())
                       .arg(target->objectName());
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    } else if (roll < 62) {
        static const char *const buttons[] = {"Start", "Nex", "Solution", "Command9"};
        const char *name = buttons[below(4)];
        m_action = QStringLiteral("click %1").arg(QLatin1String(name));
        driver->click(name);
    } else if (roll < 72) {
        // A pick from the drop-down list, or with the arrow keys, in either window.
        QComboBox *list = randomList();
        m_action = QStringLiteral("pick in %1 of %2")
                       .arg(list->objectName(), list->window()->objectName());
        if (chance(50)) {
            const int item = below(list->count());
            list->setCurrentIndex(item);
            emit list->activated(item);
        } else {
            QTest::keyClick(list->lineEdit(), chance(50) ? Qt::Key_Down : Qt::Key_Up);
        }
    } else if (roll < 78) {
        QComboBox *list = randomList();
        const QString text =
            chance(50) ? list->itemText(below(list->count())) : randomText().left(20);
        m_action = QStringLiteral("type \"%1\" in %2 of %3")
                       .arg(text, list->objectName(), list->window()->objectName());
        list->lineEdit()->clear();
        typeText(list->lineEdit(), text);
    } else if (roll < 84) {
        useReference();
    } else if (roll < 94) {
        static const char *const actions[] = {"lang0", "lang1", "lang2", "mnuOntop", "mnuhowto"};
        const char *name = actions[below(5)];
        m_action = QStringLiteral("menu %1").arg(QLatin1String(name));
        triggerMenu(name);
    } else {
        static const char *const hinted[] = {"Start", "Nex", "Label4", "Label6", "Text1", "Text4"};
        QWidget *over = driver->control<QWidget>(hinted[below(6)]);
        m_action = QStringLiteral("hover over %1").arg(over->objectName());
        QTest::mouseMove(over);
    }
}

// The menu items that the learner uses are always there and enabled.
void RandomActionsTest::triggerMenu(const char *name)
{
    if (!driver->trigger(name) && m_fault.isEmpty())
        m_fault =
            QStringLiteral("the menu item %1 is missing or disabled").arg(QLatin1String(name));
}

QString RandomActionsTest::messageFault(const RecordedMessage &message) const
{
    const i18n::InterfaceTexts &t = texts();
    if (message.title != t[i18n::txtTitle])
        return QStringLiteral("message titled \"%1\"").arg(message.title);
    const QString solution =
        t[i18n::msgSolutionPrefix] + window->exercise().keys[window->exercise().segment];
    const QString howTo = t[i18n::txtInstruction] + QStringLiteral("\n\n") + t[i18n::hintChar];
    const std::pair<QString, Icon> known[] = {{t[i18n::msgWrong], Icon::Exclamation},
                                              {t[i18n::msgNotStarted], Icon::Exclamation},
                                              {t[i18n::msgCapitals], Icon::Exclamation},
                                              {t[i18n::msgLocked], Icon::Exclamation},
                                              {i18n::lockedFixed, Icon::Exclamation},
                                              {t[i18n::msgFinished], Icon::Critical},
                                              {solution, Icon::Information},
                                              {howTo, Icon::Information}};
    for (const auto &[text, icon] : known) {
        if (message.text == text)
            return message.icon == icon ? QString()
                                        : QStringLiteral("wrong icon for \"%1\"").arg(text);
    }
    return QStringLiteral("unknown message \"%1\"").arg(message.text);
}

Snapshot RandomActionsTest::snapshot() const
{
    const content::ExerciseContent &e = window->exercise();
    return {window->isRunning(), e.segment, e.keys, e.auxChoice, e.person};
}

QString RandomActionsTest::check(const Snapshot &before)
{
    if (!m_fault.isEmpty())
        return m_fault;
    const content::ExerciseContent &e = window->exercise();
    if (e.segment < 0 || e.segment >= content::SegmentCount)
        return QStringLiteral("segment %1").arg(e.segment);
    const bool running = !driver->button("Start")->isEnabled();
    if (running != window->isRunning())
        return QStringLiteral("running state differs from Start");

    if (!before.running && running) { // Start: a fresh run
        m_accepted = 0;
        m_everStarted = true;
        if (e.segment != 0 || !driver->passageBox()->toPlainText().isEmpty())
            return QStringLiteral("a run started at segment %1 or with text").arg(e.segment);
    } else if (before.running) {
        if (e.keys != before.keys || e.auxChoice != before.auxChoice || e.person != before.person)
            return QStringLiteral("the selection changed during a run");
        const bool accepted = running ? e.segment == before.segment + 1 : true;
        if (running && !accepted && e.segment != before.segment)
            return QStringLiteral("segment went from %1 to %2").arg(before.segment).arg(e.segment);
        if (accepted) {
            ++m_accepted;
            const QStringList lines = driver->passageLines();
            if (lines.isEmpty() || !lines.last().contains(before.keys[before.segment]))
                return QStringLiteral("accepted answer missing from the passage box");
        }
        if (!running) { // the end
            ++m_completedRuns;
            if (m_accepted != content::SegmentCount)
                return QStringLiteral("a run ended after %1 answers").arg(m_accepted);
        }
    }
    const bool ended = before.running && !running;
    if (m_finishedShown != (ended ? 1 : 0))
        return QStringLiteral("%1 end messages").arg(m_finishedShown);
    m_finishedShown = 0;
    if (running || ended) {
        const qsizetype lines = driver->passageLines().size();
        if (lines != m_accepted || (running && m_accepted != e.segment))
            return QStringLiteral("%1 lines for %2 accepted answers at segment %3")
                .arg(lines)
                .arg(m_accepted)
                .arg(e.segment);
    }
    if (running && (!driver->button("Nex")->isEnabled() ||
                    driver->label("Label3")->text() != e.segments[e.segment]))
        return QStringLiteral("the running exercise does not show its segment");
    if (!running && m_everStarted && driver->button("Nex")->isEnabled())
        return QStringLiteral("Next enabled after the end");
    return {};
}

void RandomActionsTest::invariantsHoldAfterEveryAction()
{
    QStringList recent;
    for (int i = 0; i < actionCount; ++i) {
        const Snapshot before = snapshot();
        act();
        if (m_waitForClick) {
            QTest::qWait(150);
            m_waitForClick = false;
            m_action += QStringLiteral(", then the access key's click");
        }
        // Open menus are left to the menu tests; the learner closes them with Escape.
        for (int guard = 0; QApplication::activePopupWidget() && guard < 5; ++guard)
            QApplication::activePopupWidget()->close();
        QCoreApplication::processEvents();
        recent.append(m_action.left(120));
        if (recent.size() > 12)
            recent.removeFirst();
        const QString fault = check(before);
        if (!fault.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3\nlast actions:\n  %4")
                                 .arg(seed)
                                 .arg(i)
                                 .arg(fault, recent.join(QStringLiteral("\n  ")))));
        notifier->clear();
    }
    std::printf("seed %u: %d actions, %d exercises completed\n", seed, actionCount,
                m_completedRuns);
    QVERIFY(m_completedRuns > 0);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if ((argument == "--seed" || argument == "--count") && i + 1 < argc) {
            const uint value = QByteArray(argv[++i]).toUInt();
            argument == "--seed" ? seed = value : actionCount = int(value);
        } else {
            arguments << QString::fromLocal8Bit(argument);
        }
    }
    RandomActionsTest test;
    return QTest::qExec(&test, arguments);
}

#include "tst_randomActions.moc"
