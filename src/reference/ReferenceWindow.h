// The reference window: nine base sentences and their variants with five auxiliaries,
// cut into coloured word-order columns, browsable by sentence or by auxiliary.
#pragma once

#include "i18n/InterfaceTexts.h"
#include "reference/ReferenceData.h"

#include <QWidget>

#include <array>

class DefaultButtonRouter;
class QComboBox;
class QLabel;
class QPushButton;

class ReferenceWindow : public QWidget
{
    Q_OBJECT

public:
    // The window reads `texts` whenever it is loaded.
    explicit ReferenceWindow(const i18n::InterfaceTexts &texts, QWidget *parent = nullptr);

    // Opens the window, loading it afresh, or only brings it to the front if it is open.
    void showReference();

    // A grid cell, index 6 * row + column.
    QLabel *cell(int index) const { return m_label1[index]; }

public slots:
    void Form_Load();
    void Combo1_Click();
    void Combo2_Click();
    void Command1_Click();

    // By sentence: the base sentence picked in Combo2 and its five variants.
    void segedigek();
    // By auxiliary: the auxiliary picked in Combo1 on all nine base sentences.
    void mondat();

private:
    void createControls();
    void placeControls();
    qreal fitScale() const;
    int toPixelsX(int twips) const;
    void writeRow(int row, const reference::RowTexts &texts);
    void setRowVisible(int row, bool visible);
    void resetGrid();

    QComboBox *m_combo1 = nullptr;
    QComboBox *m_combo2 = nullptr;
    QPushButton *m_command1 = nullptr;
    QLabel *m_label2 = nullptr;
    QLabel *m_label3 = nullptr;
    std::array<QLabel *, reference::CellCount> m_label1{};
    DefaultButtonRouter *m_router = nullptr;
    const i18n::InterfaceTexts &m_texts;
    qreal m_scale = 1.0;
};
