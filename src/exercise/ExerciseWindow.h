// The exercise window: the learner picks a selection, reads the passage and
// rewrites it segment by segment.
#pragma once

#include "common/Notifier.h"
#include "content/ExerciseContent.h"
#include "i18n/InterfaceTexts.h"

#include <QHash>
#include <QMainWindow>

#include <array>
#include <memory>

class AnswerBox;
class CaretAtEndLineEdit;
class DefaultButtonRouter;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QTextEdit;
class ReferenceWindow;

class ExerciseWindow : public QMainWindow
{
public:
    // `texts` is the program's one interface-text table; the window fills it on every
    // language choice, and the reference window reads it.
    explicit ExerciseWindow(i18n::InterfaceTexts &texts, Notifier &notifier = systemNotifier(),
                            QWidget *parent = nullptr);
    ~ExerciseWindow() override;

    // The exercise state, for the reference window and tests.
    const content::ExerciseContent &exercise() const { return m_content; }
    // An exercise runs exactly while Start is disabled.
    bool isRunning() const;
    // The reference window, once it has been opened.
    ReferenceWindow *referenceWindow() const { return m_reference.get(); }

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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createMenus();
    void Form_Load();

    void valt();
    void acceptAnswer();
    void rejectAnswer();
    void showSegment();
    // sp and Upper rewrite the answer of one press of Next; the box is written only when its
    // text changes and before anything can show it, so a long answer is laid out once.
    QString sp(const QString &answerText, const QString &findText) const;
    void Upper(QString &answerText);
    void showAnswer(const QString &answerText);
    void dialog();
    void updateAccessibleTexts();
    void applyOnTop(bool onTop);
    QPixmap personPicture(int storeIndex);
    void say(Notifier::Icon icon, const QString &text);
    void setHint(QWidget *control);

    i18n::InterfaceTexts &m_texts;
    Notifier &m_notifier;
    content::ExerciseContent m_content;
    DefaultButtonRouter *m_defaultButton = nullptr;
    std::unique_ptr<ReferenceWindow> m_reference;
    // What each control with a hover hint says: a slot, or -1 for the fixed text.
    QHash<QWidget *, int> m_hints;

    QWidget *m_surface = nullptr;
    QLabel *Label4 = nullptr;
    QComboBox *Combo1 = nullptr;
    QLabel *Label7 = nullptr;
    QComboBox *Combo2 = nullptr;
    QLabel *Label2 = nullptr;
    QTextEdit *Text4 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label3 = nullptr;
    CaretAtEndLineEdit *Text2 = nullptr;
    AnswerBox *Text1 = nullptr;
    CaretAtEndLineEdit *Text3 = nullptr;
    QLabel *Image1 = nullptr;
    QPushButton *Nex = nullptr;
    QPushButton *Start = nullptr;
    QPushButton *Solution = nullptr;
    QPushButton *Command9 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label1 = nullptr;
    // The picture store for Image1: én, te, mi, ti.
    std::array<QLabel *, 4> m_pictureStore{};

    QMenu *mnuFile = nullptr;
    QAction *mnuExit = nullptr;
    QMenu *mnuOptions = nullptr;
    QMenu *mnuDialog = nullptr;
    std::array<QAction *, 3> lang{};
    QAction *mnuOntop = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuSegedigek = nullptr;
    QAction *mnuhowto = nullptr;
};
