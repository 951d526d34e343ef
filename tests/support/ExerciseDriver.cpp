#include "ExerciseDriver.h"

#include "content/ExerciseContent.h"

#include <QAction>

#include <algorithm>

void ExerciseDriver::trigger(const char *name) const
{
    QAction *action = window.findChild<QAction *>(QString::fromLatin1(name));
    QVERIFY2(action, name);
    QVERIFY2(action->isEnabled(), name);
    action->trigger();
}

void ExerciseDriver::start(int auxChoice, int person) const
{
    const auto &auxItems = content::auxiliaryItems;
    const auto &personItems = content::personItems;
    const auto aux = std::find_if(auxItems.begin(), auxItems.end(), [auxChoice](const auto &item) {
        return item.auxChoice == auxChoice;
    });
    const auto who = std::find_if(personItems.begin(), personItems.end(),
                                  [person](const auto &item) { return item.person == person; });
    QVERIFY(aux != auxItems.end() && who != personItems.end());
    pick("Combo1", int(aux - auxItems.begin()));
    pick("Combo2", int(who - personItems.begin()));
    click("Start");
    QVERIFY(window.isRunning());
}

void ExerciseTestBase::init()
{
    settings = std::make_unique<Settings>();
    notifier = new RecordingNotifier;
    window = new ExerciseWindow(*settings, *notifier);
    driver = new ExerciseDriver{*window};
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

void ExerciseTestBase::cleanup()
{
    delete driver;
    delete window;
    delete notifier;
    settings.reset();
    driver = nullptr;
    window = nullptr;
    notifier = nullptr;
}
