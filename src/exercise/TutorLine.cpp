#include "exercise/TutorLine.h"

#include "common/Announcer.h"
#include "exercise/Hints.h"
#include "i18n/FeedbackTexts.h"
#include "i18n/TutorTexts.h"

#include <QApplication>
#include <QLabel>
#include <QStyle>

TutorLine::TutorLine(QLabel *icon, QLabel *line, const i18n::InterfaceTexts &texts,
                     const exercise::ExerciseSession &session, ui::Announcer &announcer)
    : m_icon(icon), m_line(line), m_texts(texts), m_session(session), m_announcer(announcer)
{
}

void TutorLine::clear()
{
    show(Kind::Empty);
}

void TutorLine::progress()
{
    m_number = m_session.segment() + 1;
    show(Kind::Progress);
}

QString TutorLine::right(bool capitalised)
{
    m_capitalised = capitalised;
    m_number = m_session.segment() + 1;
    show(Kind::Right);
    return capitalNote() + i18n::tutorText(i18n::tuRight, m_texts.language());
}

void TutorLine::wrong(bool capitalised, const explanation::Mistake &mistake)
{
    m_capitalised = capitalised;
    m_mistake = mistake;
    m_auxChoice = m_session.content().auxChoice;
    show(Kind::Wrong);
}

void TutorLine::noAnswer()
{
    show(Kind::NoAnswer);
}

void TutorLine::solution(bool compare)
{
    m_text = m_session.key();
    const QString &lastWrong = m_session.record().lastWrongAnswer;
    if (!compare || lastWrong.isEmpty()) {
        show(Kind::Solution);
        return;
    }
    m_comparison = comparison::compare(lastWrong, m_text);
    show(Kind::Comparison);
}

void TutorLine::hint(int step)
{
    m_number = step;
    show(Kind::Hint);
}

void TutorLine::message(const QString &text)
{
    m_text = text;
    show(Kind::Message);
}

void TutorLine::summary(bool capitalised)
{
    m_capitalised = capitalised;
    m_counts = m_session.counts();
    show(Kind::Summary);
}

void TutorLine::show(Kind kind)
{
    m_kind = kind;
    refresh();
    if (kind == Kind::Empty || kind == Kind::Progress || kind == Kind::Right)
        return;
    // Once the press that changed the line is over: where it moves the focus, the screen
    // reader reads the focus first and then the line.
    QMetaObject::invokeMethod(
        m_line, [this, text = spokenText()] { m_announcer.announce(text); }, Qt::QueuedConnection);
}

// The note that goes before a verdict when a sentence start got its capital.
QString TutorLine::capitalNote() const
{
    if (!m_capitalised)
        return QString();
    return i18n::tutorText(i18n::tuCapitalised, m_texts.language()) + QLatin1Char(' ');
}

// The words of the line, as plain text.
QString TutorLine::plainText() const
{
    using namespace i18n;
    const Language language = m_texts.language();
    const QString capital = capitalNote();
    switch (m_kind) {
    case Kind::Empty:
        break;
    case Kind::Progress:
        return progressText(m_number, content::SegmentCount, language);
    case Kind::Right:
        return capital + tutorText(tuRight, language) + QLatin1Char(' ') +
               progressText(m_number, content::SegmentCount, language) + QLatin1Char('.');
    case Kind::Wrong:
        return capital + tutorText(tuNotYet, language) + QLatin1Char(' ') +
               explanation::describeMistake(m_mistake, m_auxChoice, language);
    case Kind::NoAnswer:
        return feedbackText(fbNoAnswer, language);
    case Kind::Hint:
        return hint::stepText(m_session.content().auxChoice, m_session.segment(), m_session.key(),
                              m_number, language);
    case Kind::Solution:
    case Kind::Comparison:
        return m_texts[msgSolutionPrefix] + m_text;
    case Kind::Message:
        return m_text;
    case Kind::Summary:
        return capital + summaryText(m_counts, language);
    }
    return QString();
}

QString TutorLine::spokenText() const
{
    if (m_kind != Kind::Comparison)
        return plainText();
    return plainText() + QStringLiteral(". ") +
           comparison::spoken(m_comparison, m_texts.language());
}

void TutorLine::refresh()
{
    // Only the comparison has marks.
    if (m_kind == Kind::Comparison) {
        m_line->setTextFormat(Qt::RichText);
        m_line->setText(m_texts[i18n::msgSolutionPrefix].toHtmlEscaped() +
                        comparison::toHtml(m_comparison));
    } else {
        m_line->setTextFormat(Qt::PlainText);
        m_line->setText(plainText());
    }

    // The icon tells the kind as the words do: right, not yet (or not possible), or news.
    QStyle::StandardPixmap icon = QStyle::SP_MessageBoxInformation;
    if (m_kind == Kind::Right)
        icon = QStyle::SP_DialogApplyButton;
    else if (m_kind == Kind::Wrong || m_kind == Kind::NoAnswer || m_kind == Kind::Message)
        icon = QStyle::SP_MessageBoxWarning;
    const int size = m_line->fontMetrics().height();
    m_icon->setPixmap(m_kind == Kind::Empty
                          ? QPixmap()
                          : QApplication::style()->standardIcon(icon).pixmap(size, size));
    m_icon->setFixedSize(size, size);

    // Named by what it says, which a screen reader's review reads; its description says what
    // it is.
    ui::updateAccessibleName(m_line, spokenText());
    ui::updateAccessibleDescription(m_line,
                                    i18n::feedbackText(i18n::fbAccessibleName, m_texts.language()));
}
