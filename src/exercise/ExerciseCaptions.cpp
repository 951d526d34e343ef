// The captions and accessible texts of the exercise window that follow the interface language.
#include "exercise/ExerciseCaptions.h"

#include "exercise/AnswerBox.h"
#include "exercise/ExerciseControls.h"
#include "exercise/PassageBox.h"
#include "i18n/AccessibleTexts.h"
#include "i18n/FeedbackTexts.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

void ExerciseCaptions::retranslate(const i18n::InterfaceTexts &t) const
{
    m_ui.Start->setText(t[i18n::capStart]);
    m_ui.Nex->setText(t[i18n::capNext]);
    m_ui.Solution->setText(t[i18n::capSolution]);
    m_ui.Label2->setText(t[i18n::txtInstruction]);
    m_ui.mnuFile->setTitle(t[i18n::capFile]);
    m_ui.mnuExit->setText(t[i18n::capExit]);
    m_ui.mnuOptions->setTitle(t[i18n::capOptions]);
    m_ui.mnuHelp->setTitle(t[i18n::capHelp]);
    m_ui.mnuDialog->setTitle(t[i18n::capWorkLang]);
    m_ui.lang[0]->setText(t[i18n::capHungarian]);
    m_ui.lang[1]->setText(t[i18n::capEnglish]);
    m_ui.lang[2]->setText(t[i18n::capSpanish]);
    m_ui.mnuOntop->setText(t[i18n::capOnTop]);
    m_ui.mnuhowto->setText(t[i18n::capHowTo]);
    m_ui.mnuSegedigek->setText(t[i18n::capHelpTopic]);
    m_ui.mnuExplain->setText(i18n::feedbackText(i18n::fbMenuCaption, t.language()));
    m_ui.Label4->setText(t[i18n::capAuxLabel]);
    m_ui.Label7->setText(t[i18n::capPersonLabel]);
    updateAccessibleTexts(t);
}

void ExerciseCaptions::updateAccessibleTexts(const i18n::InterfaceTexts &t) const
{
    // Buttons and labels are named by their captions, the lists by their headings.
    m_ui.Combo1->setAccessibleName(t[i18n::capAuxLabel]);
    m_ui.Combo1->setAccessibleDescription(t[i18n::hintAuxList]);
    m_ui.Combo2->setAccessibleName(t[i18n::capPersonLabel]);
    m_ui.Combo2->setAccessibleDescription(t[i18n::hintPersonList]);
    // The lists' text fields are named as their lists.
    m_ui.Combo1->lineEdit()->setAccessibleName(t[i18n::capAuxLabel]);
    m_ui.Combo2->lineEdit()->setAccessibleName(t[i18n::capPersonLabel]);
    const i18n::Language language = t.language();
    m_ui.Text4->setAccessibleName(i18n::accessibleText(i18n::accPassage, language));
    m_ui.Text2->setAccessibleName(i18n::accessibleText(i18n::accBefore, language));
    m_ui.Text1->setAccessibleName(i18n::accessibleText(i18n::accAnswer, language));
    m_ui.Text3->setAccessibleName(i18n::accessibleText(i18n::accAfter, language));
    m_ui.Label1->setAccessibleName(i18n::accessibleText(i18n::accHintLine, language));
}
