// The reference window: nine base sentences and their variants with five auxiliaries,
// cut into coloured word-order columns, browsable by sentence or by auxiliary.
#pragma once

#include "i18n/InterfaceTexts.h"
#include "reference/ReferenceData.h"
#include "reference/RowFit.h"

#include <QMargins>
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
    static constexpr int MinTextZoom = 100;
    static constexpr int MaxTextZoom = 250;

    // The window reads the interface texts of `settings` whenever it is loaded, and follows
    // their text zoom from its creation on; its zoom keys change that zoom for both windows.
    explicit ReferenceWindow(Settings &settings, QWidget *parent = nullptr);
    ~ReferenceWindow() override;

    // Opens the window, loading it afresh, or only brings it to the front if it is open.
    void showReference();

    // A grid cell, index 6 * row + column.
    QLabel *cell(int index) const { return m_label1[index]; }

    // Text size in percent of the window's own sizes, clamped to 100 to 250: every font and
    // the grid's geometry grow with it, and an open window is laid out again to fit its
    // screen. It is kept when the window closes.
    void setTextZoom(int percent);
    int textZoom() const { return m_zoom; }

    // Lays the window out at its text size so that, frame included, it fits `area` (the
    // screen's available area when loaded or zoomed). The gaps between rows give way first,
    // then rows down to what their font needs; when even that is too big, everything below
    // the sentences list and Close scrolls, and those two stay in view.
    void fitToArea(const QRect &area);

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
    void nameCell(int index);
    void resetGrid();

    // Layout, in ReferenceLayout.cpp.
    qreal zoom() const { return m_zoom / 100.0; }
    void applyFonts();
    qreal fitScale() const;
    int toPixelsX(int twips) const;
    QMargins frameAllowance() const;
    QRect availableArea() const;
    std::vector<reference::Band> windowBands(int width) const;
    void placeTopRow(int width, int top, int height);
    void placeGrid(const std::array<int, reference::RowCount> &tops,
                   const std::array<int, reference::RowCount> &heights, int bandTop, int bandHeight,
                   int viewWidth);
    void keepOnScreen(bool centre);

    QComboBox *m_combo1 = nullptr;
    QComboBox *m_combo2 = nullptr;
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
    int m_zoom = MinTextZoom;
    qreal m_scale = 1.0;
};
