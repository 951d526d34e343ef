#include "exercise/ExerciseSpeech.h"

#include "common/Settings.h"
#include "i18n/SpeechTexts.h"
#include "speech/DispatcherSpeaker.h"

#include <QAction>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QShortcut>
#include <QTextEdit>

namespace {

// Ctrl+L, "listen": no other key of the program, of Qt's text boxes or of Orca uses it.
const QKeySequence againKey(Qt::CTRL | Qt::Key_L);

} // namespace

ExerciseSpeech::ExerciseSpeech(QMainWindow *window, QMenu *options, QTextEdit *passage,
                               QLineEdit *answerBox, Settings &settings, Notifier &notifier)
    : QObject(window), m_window(window), m_settings(settings), m_notifier(notifier),
      m_narrator(speech::dispatcherSpeaker)
{
    m_option = options->addAction(i18n::speechText(i18n::spMenuCaption, i18n::English));
    m_option->setObjectName(QStringLiteral("mnuSpeak"));
    m_option->setCheckable(true);
    options->setToolTipsVisible(true);
    m_again = new QShortcut(againKey, window);
    m_again->setEnabled(false);
    retranslate();

    connect(m_option, &QAction::toggled, &settings, &Settings::setSpeaksHungarian);
    connect(&settings, &Settings::speaksHungarianChanged, this, &ExerciseSpeech::turn);
    connect(&settings, &Settings::languageChanged, this, &ExerciseSpeech::retranslate);
    connect(m_again, &QShortcut::activated, this,
            [this, passage] { m_narrator.repeat(passage->toPlainText()); });
    connect(answerBox, &QLineEdit::textEdited, &m_narrator, &speech::Narrator::breakRepeatRun);
    connect(&m_narrator, &speech::Narrator::loadingChanged, this, &ExerciseSpeech::retranslate);
    connect(&m_narrator, &speech::Narrator::failed, this, &ExerciseSpeech::tell);
}

void ExerciseSpeech::turn(bool on)
{
    m_option->setChecked(on);
    m_again->setEnabled(on);
    m_narrator.setOn(on);
}

void ExerciseSpeech::retranslate()
{
    const i18n::Language language = m_settings.language();
    m_option->setText(i18n::speechText(
        m_narrator.isLoading() ? i18n::spLoadingCaption : i18n::spMenuCaption, language));
    // As a paragraph, so that the tip wraps its lines.
    m_option->setToolTip(
        QStringLiteral("<p>%1</p>").arg(i18n::speechText(i18n::spHint, language).toHtmlEscaped()));
}

void ExerciseSpeech::tell(speech::Failure failure, const QString &detail)
{
    m_settings.setSpeaksHungarian(false);
    const i18n::Language language = m_settings.language();
    QString message;
    switch (failure) {
    case speech::Failure::NoDispatcher:
        message = i18n::speechText(i18n::spNoDispatcher, language);
        break;
    case speech::Failure::NoHungarianVoice:
        message = i18n::speechText(i18n::spNoHungarian, language);
        break;
    case speech::Failure::EngineError:
        message = i18n::speechText(i18n::spEngineError, language).arg(detail);
        break;
    case speech::Failure::TimeLimit:
        message = i18n::speechText(i18n::spTimeLimit, language).arg(detail);
        break;
    }
    m_notifier.message(m_window, Notifier::Icon::Exclamation, m_settings.texts()[i18n::txtTitle],
                       message);
}
