#include "exercise/Tutor.h"

#include "exercise/ExerciseControls.h"
#include "i18n/TutorTexts.h"

#include <QPushButton>

Tutor::Tutor(const ExerciseControls &ui, const i18n::InterfaceTexts &texts,
             const exercise::ExerciseSession &session, ui::Announcer &announcer)
    : m_ui(ui), m_texts(texts), m_session(session),
      m_line(ui.lblFeedbackIcon, ui.lblFeedback, texts, session, announcer)
{
}

void Tutor::follow(bool option, bool running)
{
    m_running = running;
    if (option == m_on)
        return;
    m_on = option;
    m_ui.tutorRow->setVisible(m_on);
    m_ui.cmdHint->setVisible(m_on);
    m_ui.cmdPattern->hide();
    m_ui.cmdPractise->hide();
    enableHint();
    if (running)
        m_line.progress();
    else
        m_line.clear();
}

void Tutor::enableHint()
{
    m_ui.cmdHint->setEnabled(m_running && m_session.nextHint() > 0);
}

void Tutor::newSegment()
{
    m_running = true;
    if (!m_on)
        return;
    m_ui.cmdPattern->hide();
    m_ui.cmdPractise->hide();
    enableHint();
    m_line.progress();
}

void Tutor::wrong(bool capitalised, const explanation::Mistake &mistake)
{
    m_line.wrong(capitalised, mistake);
    m_ui.cmdPattern->show();
}

void Tutor::hintTaken(int step)
{
    if (step > 0)
        m_line.hint(step);
    enableHint();
}

QPushButton *Tutor::finished(bool capitalised)
{
    m_running = false;
    if (!m_on)
        return nullptr;
    m_ui.cmdPattern->hide();
    enableHint();
    m_line.summary(capitalised);
    if (m_session.missedSegments().isEmpty())
        return nullptr;
    refresh();
    m_ui.cmdPractise->show();
    return m_ui.cmdPractise;
}

void Tutor::practiseBegins()
{
    m_ui.cmdPractise->hide();
}

void Tutor::refresh()
{
    m_line.refresh();
    const qsizetype missed = m_session.missedSegments().size();
    if (missed > 0)
        m_ui.cmdPractise->setText(i18n::practiseCaption(int(missed), m_texts.language()));
}
