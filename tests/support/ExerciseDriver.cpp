#include "ExerciseDriver.h"

#include "content/Selections.h"

#include <QAction>

bool ExerciseDriver::trigger(const char *name) const
{
    QAction *action = window.findChild<QAction *>(QString::fromLatin1(name));
    if (!action || !action->isEnabled()) {
        qWarning("menu item %s is %s", name, action ? "disabled" : "missing");
        return false;
    }
    action->trigger();
    return true;
}

bool ExerciseDriver::start(int auxChoice, int person) const
{
    const int aux = content::auxListPosition(auxChoice);
    const int who = content::personListPosition(person);
    if (aux < 0 || who < 0) {
        qWarning("no list item for auxChoice %d, person %d", auxChoice, person);
        return false;
    }
    if (!pick("Combo1", aux) || !pick("Combo2", who))
        return false;
    click("Start");
    if (!window.isRunning())
        qWarning("Start did not start the exercise");
    return window.isRunning();
}

bool ExerciseDriver::pick(const char *listName, int index) const
{
    QComboBox *combo = list(listName);
    combo->setFocus();
    QWidget *target = combo->lineEdit() ? static_cast<QWidget *>(combo->lineEdit()) : combo;
    // Each step moves one item; more steps than items means the list does not follow.
    for (int steps = combo->count(); combo->currentIndex() != index && steps > 0; --steps)
        QTest::keyClick(target, combo->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
    if (combo->currentIndex() != index)
        qWarning("%s stays at item %d instead of %d", listName, combo->currentIndex(), index);
    return combo->currentIndex() == index;
}

void ExerciseTestBase::init()
{
    settings = std::make_unique<Settings>();
    notifier = std::make_unique<RecordingNotifier>();
    window = std::make_unique<ExerciseWindow>(*settings, *notifier);
    driver = std::make_unique<ExerciseDriver>(ExerciseDriver{*window});
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

// The window goes before the notifier that it reports to.
void ExerciseTestBase::cleanup()
{
    driver.reset();
    window.reset();
    notifier.reset();
    settings.reset();
}
