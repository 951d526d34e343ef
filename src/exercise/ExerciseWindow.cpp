#include "exercise/ExerciseWindow.h"

#include "common/DefaultButtonRouter.h"
#include "common/FocusRing.h"
#include "common/LineEditAccessible.h"
#include "common/Settings.h"
#include "common/TextZoom.h"
#include "common/WindowFit.h"
#include "content/Selections.h"
#include "exercise/AnswerBox.h"
#include "exercise/HoverHints.h"
#include "exercise/PassageBox.h"
#include "i18n/AccessibleTexts.h"
#include "reference/ReferenceWindow.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

namespace {

// The size the window opens with, unless the screen is smaller.
constexpr QSize builtInSize(720, 580);

// Puts the list texts of `rows` into `list` in table order and shows the one at `shown`.
template <typename Row, std::size_t N>
void fillList(QComboBox *list, const std::array<Row, N> &rows, int shown)
{
    for (const Row &row : rows)
        list->addItem(QString::fromUtf8(row.listText));
    list->setCurrentIndex(shown);
    list->setEditText(QString::fromUtf8(rows[shown].listText));
}

} // namespace

ExerciseWindow::ExerciseWindow(Settings &settings, Notifier &notifier, QWidget *parent)
    : QMainWindow(parent), m_settings(settings), m_texts(settings.texts()), m_notifier(notifier)
{
    setObjectName(QStringLiteral("gyakorlat1"));
    ui::installLineEditAccessible();
    setWindowTitle(QString(8, QLatin1Char(' ')));
    m_ui.build(this);
    m_feedback = std::make_unique<ExerciseFeedback>(m_ui.Text1, m_texts, m_session, m_announcer);
    m_tutor = std::make_unique<Tutor>(m_ui, m_texts, m_session, m_announcer);
    m_defaultButton = new DefaultButtonRouter(this);
    m_speech =
        new ExerciseSpeech(this, m_ui.mnuOptions, m_ui.Text4, m_ui.Text1, settings, m_notifier);
    connectControls();
    ui::addZoomKeys(this, [&settings](int steps) { settings.zoomBy(steps); });
    connect(&settings, &Settings::textZoomChanged, this, &ExerciseWindow::applyTextZoom);
    createHoverHints();
    ui::keepOnScreenWhenShown(this);
    ui::showFocusRing(this);
    Form_Load();
}

ExerciseWindow::~ExerciseWindow() = default;

bool ExerciseWindow::isRunning() const
{
    return !m_ui.Start->isEnabled();
}

void ExerciseWindow::connectControls()
{
    connect(m_ui.Start, &QPushButton::clicked, this, &ExerciseWindow::Start_Click);
    connect(m_ui.Nex, &QPushButton::clicked, this, &ExerciseWindow::Nex_Click);
    connect(m_ui.Solution, &QPushButton::clicked, this, &ExerciseWindow::Solution_Click);
    connect(m_ui.cmdHint, &QPushButton::clicked, this, &ExerciseWindow::cmdHint_Click);
    connect(m_ui.cmdPattern, &QPushButton::clicked, this, &ExerciseWindow::cmdPattern_Click);
    connect(m_ui.cmdPractise, &QPushButton::clicked, this, &ExerciseWindow::cmdPractise_Click);
    connect(m_ui.Command9, &QPushButton::clicked, this, &ExerciseWindow::Command9_Click);
    connect(m_ui.Combo1, &QComboBox::activated, this, &ExerciseWindow::Combo1_Click);
    connect(m_ui.Combo2, &QComboBox::activated, this, &ExerciseWindow::Combo2_Click);

    connect(m_ui.mnuExit, &QAction::triggered, this, &ExerciseWindow::mnuExit_Click);
    for (int index = 0; index < int(m_ui.lang.size()); ++index)
        connect(m_ui.lang[index], &QAction::triggered, this, [this, index] { lang_Click(index); });
    // The check mark is toggled by QAction itself; mnuOntop_Click triggers it.
    connect(m_ui.mnuOntop, &QAction::triggered, this, &ExerciseWindow::applyOnTop);
    connect(m_ui.mnuTutor, &QAction::toggled, &m_settings, &Settings::setTutor);
    connect(&m_settings, &Settings::tutorChanged, m_ui.mnuTutor, &QAction::setChecked);
    connect(m_ui.mnuSegedigek, &QAction::triggered, this, &ExerciseWindow::mnuSegedigek_Click);
    connect(m_ui.mnuhowto, &QAction::triggered, this, &ExerciseWindow::mnuhowto_Click);

    // F10 opens the menu bar from the keyboard, also in a language whose menu
    // captions have no access key.
    auto *menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(m_ui.mnuFile->menuAction()); });
}

void ExerciseWindow::applyTextZoom(int percent)
{
    m_ui.applyZoom(this, percent);
    m_tutor->refresh(); // its icon grows with the text
    // The layouts take the new sizes at once, so that the window fits what they need.
    m_ui.surface->layout()->activate();
    layout()->activate();
    fitToScreen();
    m_announcer.announce(i18n::accessibleText(i18n::accTextSize, m_texts.language()).arg(percent));
}

// The window's comfortable size at the current zoom, within the screen's available area: the
// built-in size grown with the text, and at least what the wrapped texts need at that width.
void ExerciseWindow::fitToScreen()
{
    const QSize comfortable = builtInSize * m_settings.textZoom() / 100;
    const int width = std::min(std::max(comfortable.width(), minimumSizeHint().width()),
                               ui::roomOnScreen(this).width());
    const QLayout *rows = m_ui.surface->layout();
    const int needed = menuBar()->sizeHint().height() + (rows->hasHeightForWidth()
                                                             ? rows->totalHeightForWidth(width)
                                                             : rows->totalMinimumSize().height());
    ui::fitToScreen(this,
                    {width, std::max({comfortable.height(), needed, minimumSizeHint().height()})});
}

void ExerciseWindow::createHoverHints()
{
    m_hints = new HoverHints(m_ui.surface, m_ui.Label1, m_texts);
    m_hints->add(m_ui.Start, i18n::hintStart);
    m_hints->add(m_ui.Nex, i18n::hintNext);
    m_hints->add(m_ui.Solution, i18n::hintSolution);
    m_hints->add(m_ui.Command9, i18n::hintChar);
    // The answer box's description is the feedback's.
    m_hints->add(m_ui.Text1, i18n::hintAnswer, false);
    m_hints->add(m_ui.Label4, i18n::hintAuxList);
    m_hints->add(m_ui.Label7, i18n::hintPersonList);
    m_hints->add(m_ui.Label6, i18n::hintAux);
    m_hints->add(m_ui.Image1, i18n::hintPerson);
    m_hints->addFixed(m_ui.Label3, i18n::segmentHint);
}

void ExerciseWindow::Form_Load()
{
    // A comfortable size that still fits a small or strongly scaled screen.
    ui::centreOnScreen(this, builtInSize);
    mnuOntop_Click();

    m_session.setPerson(content::startPerson);
    m_session.setAuxChoice(content::startAuxChoice);
    m_session.alapok();
    m_ui.Text4->setPlainText(m_session.content().passageText);

    m_settings.setLanguage(i18n::English);
    m_settings.loadInterfaceTexts();
    m_ui.Label2->setText(m_texts[i18n::txtInstruction]);
    setWindowTitle(i18n::titlePrefix + m_texts[i18n::txtTitle]);

    m_session.mondat();
    m_session.kulcsok();
    m_session.kerdes();
    fillLists();

    m_defaultButton->setDefaultButton(m_ui.Nex);
    m_ui.Start->setFocus();
    m_captions.updateAccessibleTexts(m_texts);
    m_hints->updateDescriptions();
    m_feedback->refresh();
}

void ExerciseWindow::fillLists()
{
    fillList(m_ui.Combo1, content::auxChoices,
             content::auxListPosition(content::auxChoiceShownAtStart));
    fillList(m_ui.Combo2, content::persons, content::personListPosition(content::startPerson));
}

void ExerciseWindow::Start_Click()
{
    // Start's access key clicks it 100 ms after the key press, even if by then the exercise
    // has been started and Start disabled: such a late click must not restart the exercise.
    if (isRunning())
        return;
    followTutorOption();
    m_ui.Nex->setEnabled(true);
    m_defaultButton->setDefaultButton(m_ui.Nex);
    valt();
    m_session.mondat();
    m_session.kerdes();
    m_session.kulcsok();
    m_session.alapok();
    m_ui.Label3->setText(m_session.segmentText());
    m_ui.Text4->clear();
    m_session.rewind();
    showGap();
    m_session.beginExercise();
    m_tutor->newSegment();
    m_feedback->running();
    m_ui.Text1->setFocus();
    m_ui.Start->setEnabled(false);
}

// The words around the gap of the current segment, and an empty answer box.
void ExerciseWindow::showGap()
{
    const content::Frame &frame = m_session.frame();
    m_ui.Text2->setText(frame.before);
    m_ui.Text3->setText(QLatin1Char(' ') + frame.after);
    m_ui.Text1->clear();
}

void ExerciseWindow::Nex_Click()
{
    followTutorOption();
    // The same late click of an access key can come after the last answer disabled Next, and
    // a practise round ends with the tutor.
    if (!m_ui.Nex->isEnabled())
        return;
    const exercise::Verdict verdict = m_session.checkAnswer(m_ui.Text1->text(), isRunning());
    // The learner sees the collapsed and capitalised answer while a message is open.
    showAnswer(verdict.answer);
    if (verdict.outcome == exercise::Verdict::NotStarted) {
        tell(Notifier::Icon::Exclamation, m_texts[i18n::msgNotStarted]);
        return;
    }
    if (m_tutor->isOn() && verdict.outcome == exercise::Verdict::Wrong && verdict.isEmpty()) {
        // No attempt: nothing sounds, nothing is counted.
        m_tutor->line().noAnswer();
        m_ui.Text1->setFocus();
        return;
    }
    if (verdict.capitalFixed) {
        m_notifier.beep();
        if (!m_tutor->isOn())
            say(Notifier::Icon::Exclamation, m_texts[i18n::msgCapitals]);
    }
    if (verdict.outcome == exercise::Verdict::Wrong) {
        m_session.countWrongAnswer(verdict);
        rejectAnswer(verdict);
    } else {
        acceptAnswer(verdict);
    }
    // After the last answer, Enter presses the tutor's offer to practise.
    (m_ui.cmdPractise->isVisible() ? static_cast<QWidget *>(m_ui.cmdPractise) : m_ui.Text1)
        ->setFocus();
}

void ExerciseWindow::rejectAnswer(const exercise::Verdict &verdict)
{
    m_notifier.beep();
    if (m_tutor->isOn())
        m_tutor->wrong(verdict.capitalFixed, m_session.explain(verdict));
    else
        say(Notifier::Icon::Exclamation, m_texts[i18n::msgWrong]);
}

void ExerciseWindow::acceptAnswer(const exercise::Verdict &verdict)
{
    m_session.countAccepted();
    // A practise round leaves the finished passage as it is.
    if (!m_session.roundRuns()) {
        QTextCursor end(m_ui.Text4->document());
        end.movePosition(QTextCursor::End);
        end.insertText(m_session.passageLine());
        m_speech->sentence(m_session.passageLine());
    }

    if (!m_session.advance()) {
        endExercise(verdict.capitalFixed);
        return;
    }
    showGap();
    m_ui.Label3->setText(m_session.segmentText());
    m_tutor->newSegment();
    // Screen readers hear the tutor's verdict with the new segment.
    m_feedback->running(m_tutor->isOn() ? m_tutor->line().right(verdict.capitalFixed) : QString());
}

void ExerciseWindow::endExercise(bool capitalised)
{
    m_notifier.beep();
    stopAnswering();
    if (!m_tutor->isOn())
        say(Notifier::Icon::Critical, m_texts[i18n::msgFinished]);
    showExerciseOver();
    // With the tutor, Enter presses its offer to practise the missed segments.
    if (QPushButton *offer = m_tutor->finished(capitalised))
        m_defaultButton->setDefaultButton(offer);
}

// The end of an exercise, before its message: no answer is taken any more.
void ExerciseWindow::stopAnswering()
{
    m_ui.Text1->clear();
    m_defaultButton->setDefaultButton(nullptr);
    m_ui.Nex->setEnabled(false);
}

// ... and after it: Start can begin a new exercise.
void ExerciseWindow::showExerciseOver()
{
    m_ui.Start->setEnabled(true);
    m_ui.Text2->clear();
    m_ui.Text3->clear();
    m_ui.Label3->clear();
    m_ui.Start->setFocus();
    m_feedback->finished();
}

void ExerciseWindow::cmdPractise_Click()
{
    followTutorOption();
    // The offer went with the tutor.
    if (!m_tutor->isOn())
        return;
    m_tutor->practiseBegins();
    m_session.beginRound();
    if (!m_session.roundRuns())
        return;
    m_ui.Start->setEnabled(false);
    m_ui.Nex->setEnabled(true);
    m_defaultButton->setDefaultButton(m_ui.Nex);
    showGap();
    m_ui.Label3->setText(m_session.segmentText());
    m_feedback->running();
    m_tutor->newSegment();
    m_ui.Text1->setFocus();
}

void ExerciseWindow::Solution_Click()
{
    followTutorOption();
    if (isRunning())
        m_session.countSolutionShown();
    m_speech->sentence(m_session.key());
    if (m_tutor->isOn())
        m_tutor->line().solution(isRunning());
    else
        say(Notifier::Icon::Information, m_texts[i18n::msgSolutionPrefix] + m_session.key());
    m_ui.Text1->setFocus();
}

void ExerciseWindow::cmdHint_Click()
{
    followTutorOption();
    if (!m_tutor->isOn())
        return;
    m_tutor->hintTaken(isRunning() ? m_session.takeHint() : 0);
    m_ui.Text1->setFocus();
}

// The reference window at this segment's auxiliary, beside the exercise.
void ExerciseWindow::cmdPattern_Click()
{
    followTutorOption();
    if (!m_tutor->isOn())
        return;
    const std::optional<content::Auxiliary> auxiliary =
        content::rowAuxiliary(m_session.content().auxChoice, m_session.segment());
    mnuSegedigek_Click();
    if (auxiliary)
        m_reference->showAuxiliary(QString::fromUtf8(content::auxiliaryName(*auxiliary)));
}

// The tutor takes effect, or stops, from the next press of a button or pick in a list after
// its option changed. A practise round stops with it: the exercise is over again.
void ExerciseWindow::followTutorOption()
{
    if (!m_settings.tutor() && m_session.roundRuns()) {
        m_session.dropRound();
        stopAnswering();
        showExerciseOver();
    }
    const bool offered = m_ui.cmdPractise->isVisible();
    m_tutor->follow(m_settings.tutor(), isRunning());
    // An offer that went with the tutor no longer takes Enter.
    if (offered && !m_ui.cmdPractise->isVisible())
        m_defaultButton->setDefaultButton(m_ui.Nex->isEnabled() ? m_ui.Nex : nullptr);
}

void ExerciseWindow::Combo1_Click()
{
    followTutorOption();
    pickWhileRunning(m_texts[i18n::msgLocked]);
}

void ExerciseWindow::Combo2_Click()
{
    followTutorOption();
    // This list says it in English whatever the interface language.
    pickWhileRunning(i18n::lockedFixed);
}

// A pick reads the selection while no exercise runs; during a run it is refused with `lock`.
void ExerciseWindow::pickWhileRunning(const QString &lock)
{
    if (!isRunning()) {
        valt();
        return;
    }
    tell(Notifier::Icon::Exclamation, lock);
    m_ui.Text1->setFocus();
}

void ExerciseWindow::valt()
{
    const QString auxText = m_ui.Combo1->currentText();
    for (const content::AuxChoice &choice : content::auxChoices) {
        if (auxText == QString::fromUtf8(choice.listText)) {
            m_session.setAuxChoice(choice.code);
            m_ui.Label6->setText(QString::fromUtf8(choice.indicator));
            m_ui.Label2->setText(m_texts[i18n::txtInstruction]);
            break;
        }
    }
    m_session.alapok();

    const QString personText = m_ui.Combo2->currentText();
    for (const content::Person &row : content::persons) {
        if (personText != QString::fromUtf8(row.listText))
            continue;
        m_session.setPerson(row.code);
        if (row.pictogram) {
            m_ui.Image1->setPixmap(m_ui.personPicture(row.code, devicePixelRatioF()));
            m_ui.Image1->setAccessibleName(personText);
        }
        break;
    }

    m_ui.Text4->setPlainText(m_session.content().passageText);
    m_speech->newPassage();
    m_session.rewind();
    const content::Person *current = content::personOf(m_session.content().person);
    m_ui.Image1->setVisible(current && current->pictogram);
    m_ui.Label6->show();
}

void ExerciseWindow::showAnswer(const QString &answerText)
{
    // Laying out the box again costs as much as the rest of Next together on a long answer.
    if (answerText != m_ui.Text1->text())
        m_ui.Text1->setText(answerText);
}

void ExerciseWindow::Command9_Click()
{
    followTutorOption();
    m_ui.Label5->setVisible(!m_ui.Label5->isVisible());
    if (m_ui.Label5->isVisible())
        m_announcer.announce(m_ui.Label5->text());
}

void ExerciseWindow::lang_Click(int index)
{
    // The items form an exclusive group: the check mark leaves the others.
    m_ui.lang[index]->setChecked(true);
    m_settings.setLanguage(i18n::Language(index + 1));
    dialog();
}

void ExerciseWindow::dialog()
{
    m_settings.loadInterfaceTexts();
    m_captions.retranslate(m_texts);
    setWindowTitle(m_texts[i18n::txtTitle]);
    m_hints->updateDescriptions();
    m_feedback->refresh();
    m_tutor->refresh();
}

void ExerciseWindow::mnuOntop_Click()
{
    m_ui.mnuOntop->trigger();
}

void ExerciseWindow::applyOnTop(bool onTop)
{
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    // Changing the flag hides a shown window; show it again in its new state.
    if (visible)
        show();
}

void ExerciseWindow::mnuExit_Click()
{
    QCoreApplication::quit();
}

void ExerciseWindow::mnuSegedigek_Click()
{
    if (m_ui.mnuOntop->isChecked())
        mnuOntop_Click();
    if (!m_reference)
        m_reference = std::make_unique<ReferenceWindow>(m_settings);
    m_reference->showReference();
}

void ExerciseWindow::mnuhowto_Click()
{
    say(Notifier::Icon::Information,
        m_texts[i18n::txtInstruction] + QStringLiteral("\n\n") + m_texts[i18n::hintChar]);
    m_ui.Text1->setFocus();
}

// A message in the tutor's line while it is on, else in a box.
void ExerciseWindow::tell(Notifier::Icon icon, const QString &text)
{
    if (m_tutor->isOn())
        m_tutor->line().message(text);
    else
        say(icon, text);
}

void ExerciseWindow::say(Notifier::Icon icon, const QString &text)
{
    m_notifier.message(this, icon, m_texts[i18n::txtTitle], text);
}
