#include "ExerciseDriver.h"

#include "content/ExerciseContent.h"

#include <QAction>

#include <algorithm>

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
    const auto &auxItems = content::auxiliaryItems;
    const auto &personItems = content::personItems;
    const auto aux = std::find_if(auxItems.begin(), auxItems.end(), [auxChoice](const auto &item) {
        return item.auxChoice == auxChoice;
    });
    const auto who = std::find_if(personItems.begin(), personItems.end(),
                                  [person](const auto &item) { return item.person == person; });
    if (aux == auxItems.end() || who == personItems.end()) {
        qWarning("no list item for auxChoice %d, person %d", auxChoice, person);
        return false;
    }
    if (!pick("Combo1", int(aux - auxItems.begin())) ||
        !pick("Combo2", int(who - personItems.begin())))
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
    texts = i18n::InterfaceTexts();
    notifier = std::make_unique<RecordingNotifier>();
    window = std::make_unique<ExerciseWindow>(texts, *notifier);
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
}
