// The menus of the exercise window, and the captions and accessible texts that follow the
// interface language.
#include "exercise/ExerciseControls.h"

#include "exercise/AnswerBox.h"
#include "exercise/PassageBox.h"
#include "i18n/AccessibleTexts.h"
#include "i18n/FeedbackTexts.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

void ExerciseControls::createMenus(QMainWindow *window)
{
    QMenuBar *bar = window->menuBar();
    const auto addMenu = [](QMenu *menu, const char *name) {
        menu->setObjectName(QLatin1String(name));
        return menu;
    };
    const auto addAction = [](QAction *action, const char *name) {
        action->setObjectName(QLatin1String(name));
        return action;
    };
    mnuFile = addMenu(bar->addMenu(QStringLiteral("&File")), "mnuFile");
    mnuExit = addAction(mnuFile->addAction(QStringLiteral("&Exit")), "mnuExit");

    mnuOptions = addMenu(bar->addMenu(QStringLiteral("&Options")), "mnuOptions");
    mnuDialog = addMenu(mnuOptions->addMenu(QStringLiteral("&Dialogue language")), "mnuDialog");
    languages = new QActionGroup(window);
    languages->setExclusive(true);
    const QString builtIn[] = {QStringLiteral("&Magyar"), QStringLiteral("&English"),
                               QStringLiteral("&Español")};
    for (std::size_t index = 0; index < lang.size(); ++index) {
        lang[index] = mnuDialog->addAction(builtIn[index]);
        lang[index]->setObjectName(QStringLiteral("lang%1").arg(index));
        lang[index]->setCheckable(true);
        languages->addAction(lang[index]);
    }
    lang[1]->setChecked(true);
    mnuOntop = addAction(mnuOptions->addAction(QStringLiteral("On&Top")), "mnuOntop");
    mnuOntop->setCheckable(true);
    mnuExplain =
        addAction(mnuOptions->addAction(QStringLiteral("E&xplain mistakes")), "mnuExplain");
    mnuExplain->setCheckable(true);

    mnuHelp = addMenu(bar->addMenu(QStringLiteral("&Help")), "mnuHelp");
    mnuSegedigek = addAction(
        mnuHelp->addAction(QStringLiteral("(Modal) &auxiliaries and word order")), "mnuSegedigek");
    mnuhowto = addAction(mnuHelp->addAction(QStringLiteral("Ho&w to...")), "mnuhowto");
}

void ExerciseControls::retranslate(const i18n::InterfaceTexts &t)
{
    Start->setText(t[i18n::capStart]);
    Nex->setText(t[i18n::capNext]);
    Solution->setText(t[i18n::capSolution]);
    Label2->setText(t[i18n::txtInstruction]);
    mnuFile->setTitle(t[i18n::capFile]);
    mnuExit->setText(t[i18n::capExit]);
    mnuOptions->setTitle(t[i18n::capOptions]);
    mnuHelp->setTitle(t[i18n::capHelp]);
    mnuDialog->setTitle(t[i18n::capWorkLang]);
    lang[0]->setText(t[i18n::capHungarian]);
    lang[1]->setText(t[i18n::capEnglish]);
    lang[2]->setText(t[i18n::capSpanish]);
    mnuOntop->setText(t[i18n::capOnTop]);
    mnuhowto->setText(t[i18n::capHowTo]);
    mnuSegedigek->setText(t[i18n::capHelpTopic]);
    mnuExplain->setText(i18n::feedbackText(i18n::fbMenuCaption, t.language()));
    Label4->setText(t[i18n::capAuxLabel]);
    Label7->setText(t[i18n::capPersonLabel]);
    updateAccessibleTexts(t);
}

void ExerciseControls::updateAccessibleTexts(const i18n::InterfaceTexts &t)
{
    // Buttons and labels are named by their captions, the lists by their headings.
    Combo1->setAccessibleName(t[i18n::capAuxLabel]);
    Combo1->setAccessibleDescription(t[i18n::hintAuxList]);
    Combo2->setAccessibleName(t[i18n::capPersonLabel]);
    Combo2->setAccessibleDescription(t[i18n::hintPersonList]);
    // The lists' text fields are named as their lists.
    Combo1->lineEdit()->setAccessibleName(t[i18n::capAuxLabel]);
    Combo2->lineEdit()->setAccessibleName(t[i18n::capPersonLabel]);
    const i18n::Language language = t.language();
    Text4->setAccessibleName(i18n::accessibleText(i18n::accPassage, language));
    Text2->setAccessibleName(i18n::accessibleText(i18n::accBefore, language));
    Text1->setAccessibleName(i18n::accessibleText(i18n::accAnswer, language));
    Text3->setAccessibleName(i18n::accessibleText(i18n::accAfter, language));
    Label1->setAccessibleName(i18n::accessibleText(i18n::accHintLine, language));
}
