#include "ExerciseDriver.h"

#include "content/Selections.h"

#include <QAction>

void ExerciseDriver::trigger(const char *name) const
{
    QAction *action = window.findChild<QAction *>(QString::fromLatin1(name));
    QVERIFY2(action, name);
    QVERIFY2(action->isEnabled(), name);
    action->trigger();
}

void ExerciseDriver::start(int auxChoice, int person) const
{
    const int aux = content::auxListPosition(auxChoice);
    const int who = content::personListPosition(person);
    QVERIFY(aux >= 0 && who >= 0);
    pick("Combo1", aux);
    pick("Combo2", who);
    click("Start");
    QVERIFY(window.isRunning());
}

void ExerciseTestBase::init()
{
    texts = i18n::InterfaceTexts();
    notifier = new RecordingNotifier;
    window = new ExerciseWindow(texts, *notifier);
    driver = new ExerciseDriver{*window};
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

void ExerciseTestBase::cleanup()
{
    delete driver;
    delete window;
    delete notifier;
    driver = nullptr;
    window = nullptr;
    notifier = nullptr;
}
