// The reference window: nine base sentences and their variants with five auxiliaries,
// cut into coloured word-order columns, browsable by sentence or by auxiliary.
#pragma once

#include "common/TextZoom.h"
#include "i18n/InterfaceTexts.h"
#include "reference/ReferenceData.h"
#include "reference/ReferenceLayout.h"

#include <QWidget>

#include <array>

class DefaultButtonRouter;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class Settings;

class ReferenceWindow : public QWidget
{
    Q_OBJECT

public:
    // The window reads the interface texts of `settings` whenever it is loaded, and follows
    // their text zoom from its creation on; its zoom keys change that zoom for both windows.
    explicit ReferenceWindow(Settings &settings, QWidget *parent = nullptr);
    ~ReferenceWindow() override;

    // Opens the window, loading it afresh, or only brings it to the front if it is open.
    void showReference();
    // Opens it as showReference() does, with the Auxiliaries list at `auxiliary` (its list
    // text) and the grid by that auxiliary.
    void showAuxiliary(const QString &auxiliary);

    // A grid cell: Label1(6 * row + column).
    QLabel *cellAt(int row, int column) const
    {
        return m_label1[row * reference::ColumnCount + column];
    }

    // Text size in percent of the window's own sizes, clamped to 100 to 250: every font and
    // the grid's geometry grow with it, and an open window is laid out again to fit its
    // screen. It is kept when the window closes.
    void setTextZoom(int percent);
    int textZoom() const { return m_zoom; }

    // Lays the window out at its text size with a client area of at most `room` (what its
    // screen leaves when it is loaded or zoomed); see ReferenceLayout.
    void layOut(QSize room);

public slots:
    void Form_Load();
    void Combo1_Click();
    void Combo2_Click();
    void Command1_Click();

    // By sentence: the base sentence picked in Combo2 and its five variants.
    void segedigek();
    // By auxiliary: the auxiliary picked in Combo1 on all nine base sentences.
    void mondat();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    void createCells();
    void writeRow(int row, const reference::RowTexts &texts);
    void setRowVisible(int row, bool visible);
    void nameCell(int row, int column);
    void resetGrid();
    reference::ReferenceLayout::Needs needs() const;
    void fitToScreen();

    QComboBox *m_combo1 = nullptr;
    QComboBox *m_combo2 = nullptr;
    QLabel *m_combo1Name = nullptr; // labels never shown that name the lists to screen readers
    QLabel *m_combo2Name = nullptr;
    QPushButton *m_command1 = nullptr;
    QLabel *m_label2 = nullptr;
    QLabel *m_label3 = nullptr;
    std::array<QLabel *, reference::CellCount> m_label1{};
    QScrollArea *m_scroll = nullptr; // around the grid, the plus sign, Combo1 and Label3
    QWidget *m_grid = nullptr;
    DefaultButtonRouter *m_router = nullptr;
    const i18n::InterfaceTexts &m_texts;
    QMetaObject::Connection m_focusWatch;
    i18n::Language m_loadLanguage = i18n::English; // of the accessible names
    int m_zoom = ui::MinZoom;
};
