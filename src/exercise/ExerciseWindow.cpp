#include "exercise/ExerciseWindow.h"

#include "common/Colours.h"
#include "common/DefaultButton.h"
#include "common/EditableList.h"
#include "common/FocusRing.h"
#include "common/Fonts.h"
#include "common/Pictures.h"
#include "exercise/AnswerBox.h"
#include "exercise/AnswerChecking.h"
#include "i18n/AccessibleTexts.h"
#include "reference/ReferenceWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextEdit>
#include <QVBoxLayout>

using ui::Face;

namespace {

const QColor teal(0, 128, 128);
const QColor passageGreen(192, 255, 192);
const QColor darkRed(192, 0, 0);
const QColor hintGreen(0, 64, 0);

// The pictograms of én, te, mi and ti, in the order of the picture store.
const char *const pictureFiles[] = {":/persons/en.svg", ":/persons/te.svg", ":/persons/mi.svg",
                                    ":/persons/ti.svg"};
constexpr int pictureSize = 40;

// The place of a person's pictogram in the picture store, or -1 for the third
// persons, which have none.
int pictureStoreIndex(int person)
{
    switch (person) {
    case 1:
        return 0;
    case 2:
        return 1;
    case 11:
        return 2;
    case 22:
        return 3;
    default:
        return -1;
    }
}

QLabel *makeLabel(const QString &name, const QString &caption, const QFont &font, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton *makeButton(const QString &name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(ui::font(Face::MsSansSerif, 9.75, true));
    button->setAutoDefault(false);
    return button;
}

QComboBox *makeList(const QString &name, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    ui::makeEditableList(list);
    list->setFont(ui::font(Face::MsSansSerif, 8.25, true));
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

} // namespace

ExerciseWindow::ExerciseWindow(i18n::InterfaceTexts &texts, Notifier &notifier, QWidget *parent)
    : QMainWindow(parent), m_texts(texts), m_notifier(notifier)
{
    setObjectName(QStringLiteral("gyakorlat1"));
    setWindowTitle(QString(8, QLatin1Char(' ')));
    createControls();
    createMenus();
    ui::showFocusRing(this);
    Form_Load();
}

ExerciseWindow::~ExerciseWindow() = default;

bool ExerciseWindow::isRunning() const
{
    return !Start->isEnabled();
}

void ExerciseWindow::createControls()
{
    m_surface = new QWidget(this);
    m_surface->setObjectName(QStringLiteral("surface"));
    ui::setColours(m_surface, Qt::white, teal);
    setCentralWidget(m_surface);

    const QFont headingFont = ui::font(Face::TimesNewRoman, 12, true);
    const QFont boxFont = ui::font(Face::TimesNewRoman, 11.25, true);

    // Row 1: the two selection lists with their headings.
    Label4 =
        makeLabel(QStringLiteral("Label4"), QStringLiteral("Auxiliaries:"), headingFont, m_surface);
    Combo1 = makeList(QStringLiteral("Combo1"), m_surface);
    Label7 =
        makeLabel(QStringLiteral("Label7"), QStringLiteral("Persons:"), headingFont, m_surface);
    Combo2 = makeList(QStringLiteral("Combo2"), m_surface);

    // Row 2: the reading instruction.
    Label2 =
        makeLabel(QStringLiteral("Label2"), QString(), ui::font(Face::Arial, 9, true), m_surface);
    Label2->setWordWrap(true);

    // Row 3: the passage box.
    Text4 = new QTextEdit(m_surface);
    Text4->setObjectName(QStringLiteral("Text4"));
    Text4->setReadOnly(true);
    Text4->setAcceptRichText(false);
    Text4->setTabChangesFocus(true);
    Text4->setFocusPolicy(Qt::StrongFocus);
    Text4->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text4->setFont(ui::font(Face::TimesNewRoman, 11.25));
    Text4->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
    ui::setColours(Text4, Qt::black, passageGreen);
    Text4->setMinimumHeight(90);

    // Row 4: the auxiliary indicator and the segment to transform.
    Label6 = makeLabel(QStringLiteral("Label6"), QStringLiteral(" +  akar"),
                       ui::font(Face::MsSerif, 12, true), m_surface);
    Label6->setFrameShape(QFrame::Box);
    Label6->setAlignment(Qt::AlignCenter);
    Label6->setMinimumWidth(
        Label6->fontMetrics().horizontalAdvance(QStringLiteral("+ akar/kell/szokott/tud")) + 16);
    ui::setColours(Label6, darkRed, Qt::white);
    Label3 = makeLabel(QStringLiteral("Label3"), QString(), ui::font(Face::MsSerif, 12, true),
                       m_surface);
    Label3->setAlignment(Qt::AlignCenter);

    // Row 5: the gapped sentence.
    Text2 = new CaretAtEndLineEdit(m_surface);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setAlignment(Qt::AlignRight);
    Text1 = new AnswerBox(m_surface);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAlignment(Qt::AlignCenter);
    Text1->setMaxLength(32767);
    Text3 = new CaretAtEndLineEdit(m_surface);
    Text3->setObjectName(QStringLiteral("Text3"));
    Text3->setReadOnly(true);
    for (QLineEdit *box : {static_cast<QLineEdit *>(Text2), static_cast<QLineEdit *>(Text1),
                           static_cast<QLineEdit *>(Text3)}) {
        box->setFont(boxFont);
        ui::setColours(box, Qt::black, Qt::white);
    }

    // Row 6: the person pictogram and the three command buttons.
    Image1 = new QLabel(m_surface);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(pictureSize, pictureSize);
    Image1->hide();
    Nex = makeButton(QStringLiteral("Nex"), QStringLiteral("&Next"), m_surface);
    Start = makeButton(QStringLiteral("Start"), QStringLiteral("&Start"), m_surface);
    Solution = makeButton(QStringLiteral("Solution"), QStringLiteral("So&lution"), m_surface);
    for (int i = 0; i < 4; ++i) {
        static const char *const names[] = {"Image2", "Image3", "Image4", "Image5"};
        m_pictureStore[i] = new QLabel(m_surface);
        m_pictureStore[i]->setObjectName(QString::fromLatin1(names[i]));
        m_pictureStore[i]->hide();
    }

    // Row 7: the legend of the accented letters.
    Command9 = makeButton(QStringLiteral("Command9"), i18n::charCaption, m_surface);
    Command9->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    Label5 = makeLabel(QStringLiteral("Label5"), i18n::characterLegend,
                       ui::font(Face::MsSerif, 12, true), m_surface);
    Label5->setFrameShape(QFrame::Box);
    Label5->setAlignment(Qt::AlignCenter);
    ui::setColours(Label5, Qt::black, Qt::white);
    Label5->hide();

    // Row 8: the hint line along the bottom edge, tall enough for the longest hint.
    Label1 =
        makeLabel(QStringLiteral("Label1"), QString(), ui::font(Face::Arial, 9, true), m_surface);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label1->setMargin(4);
    Label1->setMinimumHeight(3 * Label1->fontMetrics().lineSpacing() + 8);
    ui::setColours(Label1, Qt::white, hintGreen);

    for (QLabel *white : {Label4, Label7, Label2, Label3})
        ui::setColours(white, Qt::white);

    auto *rows = new QVBoxLayout;
    rows->setContentsMargins(12, 10, 12, 8);
    rows->setSpacing(8);

    auto *lists = new QHBoxLayout;
    lists->addWidget(Label4);
    lists->addWidget(Combo1, 1);
    lists->addSpacing(16);
    lists->addWidget(Label7);
    lists->addWidget(Combo2, 1);
    rows->addLayout(lists);
    rows->addWidget(Label2);
    rows->addWidget(Text4, 1);

    auto *segmentRow = new QHBoxLayout;
    segmentRow->addWidget(Label6);
    segmentRow->addWidget(Label3, 1);
    rows->addLayout(segmentRow);

    auto *gap = new QHBoxLayout;
    gap->setSpacing(4);
    gap->addWidget(Text2, 2);
    gap->addWidget(Text1, 3);
    gap->addWidget(Text3, 2);
    rows->addLayout(gap);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Image1);
    buttons->addSpacing(8);
    buttons->addWidget(Nex);
    buttons->addWidget(Start);
    buttons->addWidget(Solution);
    buttons->addStretch(1);
    rows->addLayout(buttons);

    auto *legend = new QHBoxLayout;
    legend->addWidget(Command9);
    legend->addWidget(Label5, 1);
    legend->addStretch(0);
    rows->addLayout(legend);

    auto *outer = new QVBoxLayout(m_surface);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addLayout(rows, 1);
    outer->addWidget(Label1);

    setTabOrder(Start, Text2);
    setTabOrder(Text2, Text1);
    setTabOrder(Text1, Nex);
    setTabOrder(Nex, Text3);
    setTabOrder(Text3, Command9);
    setTabOrder(Command9, Solution);
    setTabOrder(Solution, Text4);
    setTabOrder(Text4, Combo1);
    setTabOrder(Combo1, Combo2);

    m_defaultButton = new DefaultButtonRouter(this);
    Label4->setBuddy(Combo1);
    Label7->setBuddy(Combo2);

    connect(Start, &QPushButton::clicked, this, &ExerciseWindow::Start_Click);
    connect(Nex, &QPushButton::clicked, this, &ExerciseWindow::Nex_Click);
    connect(Solution, &QPushButton::clicked, this, &ExerciseWindow::Solution_Click);
    connect(Command9, &QPushButton::clicked, this, &ExerciseWindow::Command9_Click);
    connect(Combo1, &QComboBox::activated, this, &ExerciseWindow::Combo1_Click);
    connect(Combo2, &QComboBox::activated, this, &ExerciseWindow::Combo2_Click);
    // The passage box always shows its newest line.
    connect(Text4, &QTextEdit::textChanged, this, [this] {
        Text4->moveCursor(QTextCursor::End);
        Text4->ensureCursorVisible();
    });

    // Hover hints: the controls that explain themselves, and the bare surface
    // that empties the line. Every other control keeps the line as it is, so no
    // control passes its mouse movements on to the surface.
    m_hints = {{Start, i18n::hintStart},       {Nex, i18n::hintNext},
               {Solution, i18n::hintSolution}, {Command9, i18n::hintChar},
               {Text1, i18n::hintAnswer},      {Label4, i18n::hintAuxList},
               {Label7, i18n::hintPersonList}, {Label6, i18n::hintAux},
               {Image1, i18n::hintPerson},     {Label3, -1}};
    m_surface->setMouseTracking(true);
    m_surface->installEventFilter(this);
    for (QWidget *child : m_surface->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        child->setAttribute(Qt::WA_NoMousePropagation);
        if (m_hints.contains(child)) {
            child->setMouseTracking(true);
            child->installEventFilter(this);
        }
    }
}

void ExerciseWindow::createMenus()
{
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuExit = mnuFile->addAction(QStringLiteral("&Exit"), this, &ExerciseWindow::mnuExit_Click);
    mnuExit->setObjectName(QStringLiteral("mnuExit"));

    mnuOptions = menuBar()->addMenu(QStringLiteral("&Options"));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    mnuDialog = mnuOptions->addMenu(QStringLiteral("&Dialogue language"));
    mnuDialog->setObjectName(QStringLiteral("mnuDialog"));
    auto *languages = new QActionGroup(this);
    languages->setExclusive(true);
    const QString builtIn[] = {QStringLiteral("&Magyar"), QStringLiteral("&English"),
                               QStringLiteral("&Español")};
    for (int index = 0; index < 3; ++index) {
        lang[index] = mnuDialog->addAction(builtIn[index]);
        lang[index]->setObjectName(QStringLiteral("lang%1").arg(index));
        lang[index]->setCheckable(true);
        languages->addAction(lang[index]);
        connect(lang[index], &QAction::triggered, this, [this, index] { lang_Click(index); });
    }
    lang[1]->setChecked(true);

    // The check mark is toggled by QAction itself; mnuOntop_Click triggers it.
    mnuOntop = mnuOptions->addAction(QStringLiteral("On&Top"));
    mnuOntop->setObjectName(QStringLiteral("mnuOntop"));
    mnuOntop->setCheckable(true);
    connect(mnuOntop, &QAction::triggered, this, &ExerciseWindow::applyOnTop);

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuSegedigek = mnuHelp->addAction(QStringLiteral("(Modal) &auxiliaries and word order"), this,
                                      &ExerciseWindow::mnuSegedigek_Click);
    mnuSegedigek->setObjectName(QStringLiteral("mnuSegedigek"));
    mnuhowto =
        mnuHelp->addAction(QStringLiteral("Ho&w to..."), this, &ExerciseWindow::mnuhowto_Click);
    mnuhowto->setObjectName(QStringLiteral("mnuhowto"));

    // F10 opens the menu bar from the keyboard, also in a language whose menu
    // captions have no access key.
    auto *menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(mnuFile->menuAction()); });
}

void ExerciseWindow::Form_Load()
{
    // A comfortable size that still fits a small or strongly scaled screen.
    QSize size = minimumSizeHint().expandedTo(QSize(720, 580));
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        size = size.boundedTo(area.size()).expandedTo(minimumSizeHint());
        resize(size);
        move(area.x() + area.width() / 2 - width() / 2,
             area.y() + area.height() / 2 - height() / 2);
    } else {
        resize(size);
    }
    mnuOntop_Click();

    m_content.person = 0;
    m_content.auxChoice = 2;
    m_content.alapok();
    Text4->setPlainText(m_content.passageText);

    m_texts.language = i18n::English;
    m_texts.loadInterfaceTexts();
    Label2->setText(m_texts[i18n::txtInstruction]);
    setWindowTitle(i18n::titlePrefix + m_texts[i18n::txtTitle]);

    m_content.mondat();
    m_content.kulcsok();
    m_content.kerdes();

    for (const content::AuxiliaryItem &item : content::auxiliaryItems)
        Combo1->addItem(QString::fromUtf8(item.listText));
    Combo1->setEditText(QStringLiteral("akar"));
    for (const content::PersonItem &item : content::personItems)
        Combo2->addItem(QString::fromUtf8(item.listText));
    Combo2->setCurrentIndex(2);
    Combo2->setEditText(QStringLiteral("(ő:  3)"));

    m_defaultButton->setDefaultButton(Nex);
    Start->setFocus();
    updateAccessibleTexts();
}

void ExerciseWindow::Start_Click()
{
    // Start's access key clicks it 100 ms after the key press, even if by then the exercise
    // has been started and Start disabled: such a late click must not restart the exercise.
    if (isRunning())
        return;
    Nex->setEnabled(true);
    m_defaultButton->setDefaultButton(Nex);
    valt();
    m_content.mondat();
    m_content.kerdes();
    m_content.kulcsok();
    m_content.alapok();
    Label3->setText(m_content.segments[m_content.segment]);
    Text4->clear();
    m_content.segment = 0;
    showSegment();
    Text1->setFocus();
    Start->setEnabled(false);
}

void ExerciseWindow::showSegment()
{
    const content::Frame &frame = m_content.frames[m_content.segment];
    Text2->setText(frame.before);
    Text3->setText(QLatin1Char(' ') + frame.after);
    Text1->clear();
    Label3->setText(m_content.segments[m_content.segment]);
}

void ExerciseWindow::Nex_Click()
{
    // The same late click of an access key can come after the last answer disabled Next.
    if (!Nex->isEnabled())
        return;
    QString answerText = sp(Text1->text(), QStringLiteral("  "));
    if (!isRunning()) {
        showAnswer(answerText);
        say(Notifier::Icon::Exclamation, m_texts[i18n::msgNotStarted]);
        return;
    }
    const int segment = m_content.segment;
    if (segment < 0 || segment >= content::SegmentCount) {
        showAnswer(answerText);
        return;
    }
    if (content::isSentenceInitial(m_content.auxChoice, segment))
        Upper(answerText);
    showAnswer(answerText);
    if (answer::matchesKey(answerText, m_content.keys[segment]))
        acceptAnswer();
    else
        rejectAnswer();
    Text1->setFocus();
}

void ExerciseWindow::rejectAnswer()
{
    m_notifier.beep();
    say(Notifier::Icon::Exclamation, m_texts[i18n::msgWrong]);
}

void ExerciseWindow::acceptAnswer()
{
    const int segment = m_content.segment;
    const content::Frame &frame = m_content.frames[segment];
    const bool bareMark = frame.after == QLatin1String(".") || frame.after == QLatin1String(",");
    const QString closing = bareMark ? frame.after : QLatin1Char(' ') + frame.after;
    QTextCursor end(Text4->document());
    end.movePosition(QTextCursor::End);
    end.insertText(frame.before + QLatin1Char(' ') + m_content.keys[segment] + closing +
                   QLatin1Char('\n'));

    if (segment < content::SegmentCount - 1) {
        ++m_content.segment;
        showSegment();
        return;
    }

    m_notifier.beep();
    Text1->clear();
    m_defaultButton->setDefaultButton(nullptr);
    Nex->setEnabled(false);
    say(Notifier::Icon::Critical, m_texts[i18n::msgFinished]);
    Start->setEnabled(true);
    Text2->clear();
    Text1->clear();
    Text3->clear();
    Label3->clear();
    Start->setFocus();
}

void ExerciseWindow::Solution_Click()
{
    say(Notifier::Icon::Information,
        m_texts[i18n::msgSolutionPrefix] + m_content.keys[m_content.segment]);
    Text1->setFocus();
}

void ExerciseWindow::Combo1_Click()
{
    if (!isRunning()) {
        valt();
        return;
    }
    say(Notifier::Icon::Exclamation, m_texts[i18n::msgLocked]);
    Text1->setFocus();
}

void ExerciseWindow::Combo2_Click()
{
    // Shows the lock message of the current language, as the other list does.
    Combo1_Click();
}

void ExerciseWindow::valt()
{
    const QString auxText = Combo1->currentText();
    for (const content::AuxiliaryItem &item : content::auxiliaryItems) {
        if (auxText == QString::fromUtf8(item.listText)) {
            m_content.auxChoice = item.auxChoice;
            Label6->setText(QString::fromUtf8(item.indicator));
            Label2->setText(m_texts[i18n::txtInstruction]);
            break;
        }
    }
    m_content.alapok();

    const QString personText = Combo2->currentText();
    for (const content::PersonItem &item : content::personItems) {
        if (personText != QString::fromUtf8(item.listText))
            continue;
        m_content.person = item.person;
        if (const int store = pictureStoreIndex(item.person); store >= 0) {
            Image1->setPixmap(personPicture(store));
            Image1->setAccessibleName(personText);
        }
        break;
    }

    Text4->setPlainText(m_content.passageText);
    m_content.segment = 0;
    Image1->setVisible(pictureStoreIndex(m_content.person) >= 0);
    Label6->show();
}

QPixmap ExerciseWindow::personPicture(int storeIndex)
{
    // Drawn on first use only, so that start-up does not pay for it.
    QLabel *store = m_pictureStore[storeIndex];
    if (store->pixmap().isNull()) {
        store->setPixmap(ui::svgPixmap(QString::fromLatin1(pictureFiles[storeIndex]), pictureSize,
                                       devicePixelRatioF()));
    }
    return store->pixmap();
}

QString ExerciseWindow::sp(const QString &answerText, const QString &findText) const
{
    return answer::replaceRunsByBlank(answerText, findText);
}

void ExerciseWindow::Upper(QString &answerText)
{
    answerText = answer::trimBlanks(answerText);
    if (answerText.isEmpty())
        return;
    const QChar first = answerText.front();
    const QChar capital = first.toUpper();
    answerText[0] = capital;
    // The learner sees the corrected answer while the warning is open.
    showAnswer(answerText);
    if (first != capital) {
        m_notifier.beep();
        say(Notifier::Icon::Exclamation, m_texts[i18n::msgCapitals]);
    }
}

void ExerciseWindow::showAnswer(const QString &answerText)
{
    // Laying out the box again costs as much as the rest of Next together on a long answer.
    if (answerText != Text1->text())
        Text1->setText(answerText);
}

void ExerciseWindow::Command9_Click()
{
    Label5->setVisible(!Label5->isVisible());
}

void ExerciseWindow::lang_Click(int index)
{
    for (QAction *item : lang)
        item->setChecked(false);
    lang[index]->setChecked(true);
    m_texts.language = i18n::Language(index + 1);
    dialog();
}

void ExerciseWindow::dialog()
{
    const i18n::InterfaceTexts &t = m_texts;
    m_texts.loadInterfaceTexts();
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
    Label4->setText(t[i18n::capAuxLabel]);
    Label7->setText(t[i18n::capPersonLabel]);
    setWindowTitle(t[i18n::txtTitle]);
    updateAccessibleTexts();
}

void ExerciseWindow::updateAccessibleTexts()
{
    // Screen readers hear the hover hints as descriptions; buttons and labels
    // are named by their captions, the lists by their headings.
    const i18n::InterfaceTexts &t = m_texts;
    for (auto hint = m_hints.cbegin(); hint != m_hints.cend(); ++hint) {
        hint.key()->setAccessibleDescription(*hint < 0 ? i18n::segmentHint
                                                       : t[static_cast<i18n::Slot>(*hint)]);
    }
    Combo1->setAccessibleName(t[i18n::capAuxLabel]);
    Combo1->setAccessibleDescription(t[i18n::hintAuxList]);
    Combo2->setAccessibleName(t[i18n::capPersonLabel]);
    Combo2->setAccessibleDescription(t[i18n::hintPersonList]);
    const i18n::Language language = t.language;
    Text4->setAccessibleName(i18n::accessibleText(i18n::accPassage, language));
    Text2->setAccessibleName(i18n::accessibleText(i18n::accBefore, language));
    Text1->setAccessibleName(i18n::accessibleText(i18n::accAnswer, language));
    Text3->setAccessibleName(i18n::accessibleText(i18n::accAfter, language));
    Label1->setAccessibleName(i18n::accessibleText(i18n::accHintLine, language));
}

void ExerciseWindow::mnuOntop_Click()
{
    mnuOntop->trigger();
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
    if (mnuOntop->isChecked())
        mnuOntop_Click();
    if (!m_reference)
        m_reference = std::make_unique<ReferenceWindow>(m_texts);
    m_reference->showReference();
}

void ExerciseWindow::mnuhowto_Click()
{
    const i18n::InterfaceTexts &t = m_texts;
    say(Notifier::Icon::Information,
        t[i18n::txtInstruction] + QStringLiteral("\n\n") + t[i18n::hintChar]);
    Text1->setFocus();
}

void ExerciseWindow::say(Notifier::Icon icon, const QString &text)
{
    m_notifier.message(this, icon, m_texts[i18n::txtTitle], text);
}

void ExerciseWindow::setHint(QWidget *control)
{
    const auto hint = m_hints.constFind(control);
    if (hint == m_hints.cend())
        Label1->clear();
    else if (*hint < 0)
        Label1->setText(i18n::segmentHint);
    else
        Label1->setText(m_texts[static_cast<i18n::Slot>(*hint)]);
}

bool ExerciseWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove && watched->isWidgetType()) {
        auto *control = static_cast<QWidget *>(watched);
        // Hidden and disabled controls raise no movements of their own.
        if (control == m_surface || (control->isEnabled() && control->isVisible()))
            setHint(control);
    }
    return QMainWindow::eventFilter(watched, event);
}
