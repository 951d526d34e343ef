// Options > Speak Hungarian in the exercise window: the menu item, the key that speaks again,
// and what the learner is told when speech cannot work. What is spoken when is the
// Narrator's.
#pragma once

#include "common/Notifier.h"
#include "speech/Narrator.h"

class QAction;
class Settings;
class QLineEdit;
class QMainWindow;
class QMenu;
class QShortcut;
class QTextEdit;

class ExerciseSpeech : public QObject
{
    Q_OBJECT

public:
    // Adds the item to `options`, whose state is the one in `settings`; the key works in
    // `window`, speaks again what the passage box `passage` holds before any sentence, and is
    // reset by typing in `answerBox`.
    ExerciseSpeech(QMainWindow *window, QMenu *options, QTextEdit *passage, QLineEdit *answerBox,
                   Settings &settings, Notifier &notifier);

    // Speaks a new Hungarian sentence, if speech is on.
    void sentence(const QString &text) { m_narrator.speakSentence(text); }
    // A new passage or exercise, in which nothing has been spoken yet.
    void newPassage() { m_narrator.forgetSentence(); }
    speech::Narrator &narrator() { return m_narrator; }

private:
    void turn(bool on);
    void retranslate();
    void tell(speech::Failure failure, const QString &detail);

    QMainWindow *m_window;
    Settings &m_settings;
    Notifier &m_notifier;
    speech::Narrator m_narrator;
    QAction *m_option;
    QShortcut *m_again;
};
