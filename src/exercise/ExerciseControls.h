// The controls and menus of the exercise window, built row by row.
#pragma once

#include <QPixmap>

#include <array>

class AnswerBox;
class CaretAtEndLineEdit;
class PassageBox;
class QAction;
class QActionGroup;
class QBoxLayout;
class QComboBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPushButton;
class QWidget;

class ExerciseControls
{
public:
    // Builds every control on the central surface of `window`, and its menus.
    void build(QMainWindow *window);

    // Scales every font of `window` to `percent` of its built-in size, and the room that the
    // passage box, the indicator and the hint line keep for their texts with it.
    void applyZoom(QMainWindow *window, int percent);

    // The pictogram of `person` from the picture store, drawn on first use for
    // `devicePixelRatio`; none for a person without one.
    QPixmap personPicture(int person, qreal devicePixelRatio);

    // The controls row by row, top to bottom, on the window's central surface.
    QWidget *surface = nullptr;
    QLabel *Label4 = nullptr, *Label7 = nullptr; // headings of the lists
    QComboBox *Combo1 = nullptr, *Combo2 = nullptr;
    QLabel *Label2 = nullptr; // the reading instruction
    PassageBox *Text4 = nullptr;
    QLabel *Label6 = nullptr, *Label3 = nullptr; // the indicator and the segment
    CaretAtEndLineEdit *Text2 = nullptr;
    AnswerBox *Text1 = nullptr;
    QLineEdit *Text3 = nullptr;
    // The optional feedback line between the gapped sentence and the buttons.
    QLabel *lblFeedback = nullptr;
    QLabel *Image1 = nullptr; // the person pictogram
    QPushButton *Nex = nullptr, *Start = nullptr, *Solution = nullptr, *Command9 = nullptr;
    QLabel *Label5 = nullptr, *Label1 = nullptr; // the legend and the hint line
    // The picture store for Image1: én, te, mi, ti.
    std::array<QLabel *, 4> pictureStore{};

    // The menus and their items.
    QMenu *mnuFile = nullptr, *mnuOptions = nullptr, *mnuDialog = nullptr, *mnuHelp = nullptr;
    QAction *mnuExit = nullptr, *mnuOntop = nullptr, *mnuExplain = nullptr;
    QAction *mnuSegedigek = nullptr, *mnuhowto = nullptr;
    QActionGroup *languages = nullptr;
    std::array<QAction *, 3> lang{};

private:
    void createListsRow(QBoxLayout *rows);
    void createPassageRows(QBoxLayout *rows);
    void createSegmentRow(QBoxLayout *rows);
    void createGapRow(QBoxLayout *rows);
    void createFeedbackRow(QBoxLayout *rows);
    void createButtonRow(QBoxLayout *rows);
    void createLegendRow(QBoxLayout *rows);
    void createHintLine();
    void reserveRoom(int percent);
    void setTabOrder();
    void createMenus(QMainWindow *window);
};
