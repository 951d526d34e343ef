#include "exercise/ExerciseControls.h"

#include "common/Colours.h"
#include "common/EditableList.h"
#include "common/Fonts.h"
#include "common/Pictures.h"
#include "common/TextZoom.h"
#include "content/Selections.h"
#include "exercise/AnswerBox.h"
#include "exercise/AnswerComparison.h"
#include "exercise/PassageBox.h"
#include "i18n/InterfaceTexts.h"
#include "i18n/TutorTexts.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

using ui::Face;

namespace {

const QColor teal(0, 128, 128);
const QColor passageGreen(192, 255, 192);
const QColor darkRed(192, 0, 0);
const QColor hintGreen(0, 64, 0);

constexpr int pictureSize = 40;

// The place of a person's pictogram in the picture store, which holds the pictograms in
// the order of the Persons list; -1 for a person without one.
int pictureStoreIndex(int person)
{
    int index = 0;
    for (const content::Person &row : content::persons) {
        if (row.code == person)
            return row.pictogram ? index : -1;
        if (row.pictogram)
            ++index;
    }
    return -1;
}

QLabel *makeLabel(const char *name, const QString &caption, const QFont &font, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton *makeButton(const char *name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(ui::font(Face::MsSansSerif, 9.75, true));
    button->setAutoDefault(false);
    return button;
}

QComboBox *makeList(const char *name, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    ui::makeEditableList(list);
    list->setFont(ui::font(Face::MsSansSerif, 8.25, true));
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

template <typename Box> Box *makeBox(const char *name, Qt::Alignment alignment, QWidget *parent)
{
    auto *box = new Box(parent);
    box->setObjectName(QLatin1String(name));
    box->setAlignment(alignment);
    box->setFont(ui::font(Face::TimesNewRoman, 11.25, true));
    ui::setColours(box, Qt::black, Qt::white);
    return box;
}

} // namespace

// The captions written here are the window's own English ones. They differ on purpose from
// the English text table ("&Next" there is "&Check it", "&Dialogue language" is "Dilago
// language"): start-up shows these until the learner first chooses a language.
void ExerciseControls::build(QMainWindow *window)
{
    surface = new QWidget(window);
    surface->setObjectName(QStringLiteral("surface"));
    ui::setColours(surface, Qt::white, teal);
    window->setCentralWidget(surface);

    auto *rows = new QVBoxLayout;
    rows->setContentsMargins(12, 10, 12, 8);
    rows->setSpacing(8);
    createListsRow(rows);
    createPassageRows(rows);
    createSegmentRow(rows);
    createGapRow(rows);
    createTutorRow(rows);
    createButtonRow(rows);
    createLegendRow(rows);
    createHintLine();

    auto *outer = new QVBoxLayout(surface);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addLayout(rows, 1);
    outer->addWidget(Label1);

    setTabOrder();
    createMenus(window);
    reserveRoom(100);
}

void ExerciseControls::applyZoom(QMainWindow *window, int percent)
{
    ui::applyTextZoom(window, percent);
    reserveRoom(percent);
}

// Room that does not follow from a control's own text: the longest indicator, three lines
// of hint, and a few lines of passage where the screen has them.
void ExerciseControls::reserveRoom(int percent)
{
    Text4->setPreferredHeight(90 * percent / 100);
    int widest = 0;
    for (const content::AuxChoice &choice : content::auxChoices) {
        widest = std::max(
            widest, Label6->fontMetrics().horizontalAdvance(QString::fromUtf8(choice.indicator)));
    }
    Label6->setMinimumWidth(widest + 16);
    Label1->setMinimumHeight(3 * Label1->fontMetrics().lineSpacing() + 8);
}

// Row 1: the two selection lists with their headings.
void ExerciseControls::createListsRow(QBoxLayout *rows)
{
    const QFont headingFont = ui::font(Face::TimesNewRoman, 12, true);
    Label4 = makeLabel("Label4", QStringLiteral("Auxiliaries:"), headingFont, surface);
    Combo1 = makeList("Combo1", surface);
    Label7 = makeLabel("Label7", QStringLiteral("Persons:"), headingFont, surface);
    Combo2 = makeList("Combo2", surface);
    Label4->setBuddy(Combo1);
    Label7->setBuddy(Combo2);
    for (QLabel *heading : {Label4, Label7})
        ui::setColours(heading, Qt::white);

    auto *row = new QHBoxLayout;
    row->addWidget(Label4);
    row->addWidget(Combo1, 1);
    row->addSpacing(16);
    row->addWidget(Label7);
    row->addWidget(Combo2, 1);
    rows->addLayout(row);
}

// Rows 2 and 3: the reading instruction and the passage box.
void ExerciseControls::createPassageRows(QBoxLayout *rows)
{
    Label2 = makeLabel("Label2", QString(), ui::font(Face::Arial, 9, true), surface);
    Label2->setWordWrap(true);
    ui::setColours(Label2, Qt::white);

    Text4 = new PassageBox(surface);
    Text4->setObjectName(QStringLiteral("Text4"));
    Text4->setReadOnly(true);
    // The arrow keys move a caret through the lines, which screen readers follow.
    Text4->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text4->setAcceptRichText(false);
    Text4->setTabChangesFocus(true);
    Text4->setFocusPolicy(Qt::StrongFocus);
    Text4->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text4->setFont(ui::font(Face::TimesNewRoman, 11.25));
    Text4->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
    ui::setColours(Text4, Qt::black, passageGreen);

    rows->addWidget(Label2);
    rows->addWidget(Text4, 1);
}

// Row 4: the auxiliary indicator and the segment to transform.
void ExerciseControls::createSegmentRow(QBoxLayout *rows)
{
    const QFont font = ui::font(Face::MsSerif, 12, true);
    Label6 = makeLabel("Label6", QStringLiteral(" +  akar"), font, surface);
    Label6->setFrameShape(QFrame::Box);
    Label6->setAlignment(Qt::AlignCenter);
    ui::setColours(Label6, darkRed, Qt::white);
    Label3 = makeLabel("Label3", QString(), font, surface);
    Label3->setAlignment(Qt::AlignCenter);
    ui::setColours(Label3, Qt::white);

    auto *row = new QHBoxLayout;
    row->addWidget(Label6);
    row->addWidget(Label3, 1);
    rows->addLayout(row);
}

// Row 5: the gapped sentence.
void ExerciseControls::createGapRow(QBoxLayout *rows)
{
    Text2 = makeBox<CaretAtEndLineEdit>("Text2", Qt::AlignRight, surface);
    Text1 = makeBox<AnswerBox>("Text1", Qt::AlignCenter, surface);
    Text1->setMaxLength(32767);
    Text3 = makeBox<QLineEdit>("Text3", Qt::AlignLeft | Qt::AlignVCenter, surface);
    Text3->setReadOnly(true);

    auto *row = new QHBoxLayout;
    row->setSpacing(4);
    row->addWidget(Text2, 2);
    row->addWidget(Text1, 3);
    row->addWidget(Text3, 2);
    rows->addLayout(row);
}

// Between rows 5 and 6: the tutor's row, hidden until the tutor is on. Its line is dark on
// white, where the comparison's marks stand out.
void ExerciseControls::createTutorRow(QBoxLayout *rows)
{
    tutorRow = new QWidget(surface);
    tutorRow->setObjectName(QStringLiteral("tutorRow"));
    auto *panel = new QFrame(tutorRow);
    panel->setFrameShape(QFrame::Box);
    ui::setColours(panel, comparison::lineText, comparison::lineBackground);
    lblFeedbackIcon = new QLabel(panel);
    lblFeedbackIcon->setObjectName(QStringLiteral("lblFeedbackIcon"));
    lblFeedbackIcon->setAlignment(Qt::AlignCenter);
    lblFeedback = makeLabel("lblFeedback", QString(), ui::font(Face::Arial, 9, true), panel);
    lblFeedback->setWordWrap(true);
    ui::setColours(lblFeedback, comparison::lineText);
    cmdPattern =
        makeButton("cmdPattern", i18n::tutorText(i18n::tuPatternCaption, i18n::English), tutorRow);
    cmdPractise = makeButton("cmdPractise", QString(), tutorRow);
    cmdPattern->hide();
    cmdPractise->hide();

    auto *line = new QHBoxLayout(panel);
    line->setContentsMargins(6, 3, 6, 3);
    line->addWidget(lblFeedbackIcon);
    line->addWidget(lblFeedback, 1);
    auto *row = new QHBoxLayout(tutorRow);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(panel, 1);
    row->addWidget(cmdPattern);
    row->addWidget(cmdPractise);
    tutorRow->hide();
    rows->addWidget(tutorRow);
}

// Row 6: the person pictogram and the three command buttons.
void ExerciseControls::createButtonRow(QBoxLayout *rows)
{
    Image1 = new QLabel(surface);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(pictureSize, pictureSize);
    // The pictogram keeps its place while hidden, so that picking a person moves nothing.
    QSizePolicy keepPlace = Image1->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    Image1->setSizePolicy(keepPlace);
    Image1->hide();
    Nex = makeButton("Nex", QStringLiteral("&Next"), surface);
    Start = makeButton("Start", QStringLiteral("&Start"), surface);
    Solution = makeButton("Solution", QStringLiteral("So&lution"), surface);
    cmdHint = makeButton("cmdHint", i18n::tutorText(i18n::tuHintCaption, i18n::English), surface);
    cmdHint->hide();
    const char *const storeNames[] = {"Image2", "Image3", "Image4", "Image5"};
    for (std::size_t i = 0; i < pictureStore.size(); ++i) {
        pictureStore[i] = new QLabel(surface);
        pictureStore[i]->setObjectName(QLatin1String(storeNames[i]));
        pictureStore[i]->hide();
    }

    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(Image1);
    row->addSpacing(8);
    row->addWidget(Nex);
    row->addWidget(Start);
    row->addWidget(Solution);
    row->addWidget(cmdHint);
    row->addStretch(1);
    rows->addLayout(row);
}

// Row 7: the legend of the accented letters.
void ExerciseControls::createLegendRow(QBoxLayout *rows)
{
    Command9 = makeButton("Command9", i18n::charCaption, surface);
    Command9->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    Label5 = makeLabel("Label5", i18n::characterLegend, ui::font(Face::MsSerif, 12, true), surface);
    Label5->setFrameShape(QFrame::Box);
    Label5->setAlignment(Qt::AlignCenter);
    ui::setColours(Label5, Qt::black, Qt::white);
    Label5->hide();

    auto *row = new QHBoxLayout;
    row->addWidget(Command9);
    row->addWidget(Label5, 1);
    row->addStretch(0);
    rows->addLayout(row);
}

// Row 8: the hint line along the bottom edge, tall enough for the longest hint.
void ExerciseControls::createHintLine()
{
    Label1 = makeLabel("Label1", QString(), ui::font(Face::Arial, 9, true), surface);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label1->setMargin(4);
    ui::setColours(Label1, Qt::white, hintGreen);
}

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
    mnuTutor = addAction(mnuOptions->addAction(QStringLiteral("T&utor")), "mnuTutor");
    mnuTutor->setCheckable(true);

    mnuHelp = addMenu(bar->addMenu(QStringLiteral("&Help")), "mnuHelp");
    mnuSegedigek = addAction(
        mnuHelp->addAction(QStringLiteral("(Modal) &auxiliaries and word order")), "mnuSegedigek");
    mnuhowto = addAction(mnuHelp->addAction(QStringLiteral("Ho&w to...")), "mnuhowto");
}

void ExerciseControls::setTabOrder()
{
    // The tutor's buttons, hidden while it is off, come after Solution.
    const std::array<QWidget *, 13> order = {Start,    Text2,    Text1,   Nex,        Text3,
                                             Command9, Solution, cmdHint, cmdPattern, cmdPractise,
                                             Text4,    Combo1,   Combo2};
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

QPixmap ExerciseControls::personPicture(int person, qreal devicePixelRatio)
{
    const int index = pictureStoreIndex(person);
    if (index < 0)
        return QPixmap();
    // Drawn on first use only, so that start-up does not pay for it.
    QLabel *store = pictureStore[index];
    if (store->pixmap().isNull()) {
        store->setPixmap(ui::svgPixmap(QLatin1String(content::personOf(person)->pictogram),
                                       pictureSize, devicePixelRatio));
    }
    return store->pixmap();
}
