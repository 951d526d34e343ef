// The exercise window: the learner picks a selection, reads the passage and
// rewrites it segment by segment.
#pragma once

#include "common/Announcer.h"
#include "common/Notifier.h"
#include "exercise/ExerciseCaptions.h"
#include "exercise/ExerciseControls.h"
#include "exercise/ExerciseFeedback.h"
#include "exercise/ExerciseSession.h"
#include "exercise/ExerciseSpeech.h"
#include "exercise/Tutor.h"
#include "i18n/InterfaceTexts.h"

#include <QMainWindow>

#include <memory>

class DefaultButtonRouter;
class HoverHints;
class ReferenceWindow;
class Settings;

class ExerciseWindow : public QMainWindow
{
    Q_OBJECT

public:
    // `settings` are the program's: the window sets their interface language and fills
    // their texts on every language choice, and follows their text zoom.
    explicit ExerciseWindow(Settings &settings, Notifier &notifier = systemNotifier(),
                            QWidget *parent = nullptr);
    ~ExerciseWindow() override;

    // The exercise state, for tests.
    const content::ExerciseContent &exercise() const { return m_session.content(); }
    // An exercise runs exactly while Start is disabled.
    bool isRunning() const;
    // The reference window, once it has been opened.
    ReferenceWindow *referenceWindow() const { return m_reference.get(); }
    // Options > Speak Hungarian.
    ExerciseSpeech &speech() { return *m_speech; }

    // User actions, named after their control and event.
    void Start_Click();
    void Nex_Click();
    void Solution_Click();
    void Combo1_Click();
    void Combo2_Click();
    void Command9_Click();
    void lang_Click(int index);
    void mnuOntop_Click();
    void mnuExit_Click();
    void mnuSegedigek_Click();
    void mnuhowto_Click();
    // The tutor's buttons.
    void cmdHint_Click();
    void cmdPattern_Click();
    void cmdPractise_Click();

private:
    void connectControls();
    void createHoverHints();
    void Form_Load();
    void fillLists();

    void pickWhileRunning(const QString &lock);
    void valt();
    void acceptAnswer(const exercise::Verdict &verdict);
    void rejectAnswer(const exercise::Verdict &verdict);
    // `capitalised`: the last answer's first letter was made a capital.
    void endExercise(bool capitalised);
    void stopAnswering();
    void showExerciseOver();
    void followTutorOption();
    void showGap();
    void showAnswer(const QString &answerText);
    void dialog();
    void applyOnTop(bool onTop);
    void applyTextZoom(int percent);
    void fitToScreen();
    void tell(Notifier::Icon icon, const QString &text);
    void say(Notifier::Icon icon, const QString &text);

    Settings &m_settings;
    const i18n::InterfaceTexts &m_texts;
    Notifier &m_notifier;
    exercise::ExerciseSession m_session;
    ExerciseControls m_ui;
    ExerciseCaptions m_captions{m_ui};
    ui::Announcer m_announcer{this};
    std::unique_ptr<ExerciseFeedback> m_feedback;
    std::unique_ptr<Tutor> m_tutor;
    DefaultButtonRouter *m_defaultButton = nullptr;
    HoverHints *m_hints = nullptr;
    std::unique_ptr<ReferenceWindow> m_reference;
    ExerciseSpeech *m_speech = nullptr;
};
