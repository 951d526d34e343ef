// Colours of a control, set the same way in both windows.
#pragma once

#include <QColor>

class QWidget;

namespace ui {

// Gives `widget` the text colour `text` (its foreground and the text of its field) and,
// when `background` is valid, a filled background of that colour.
void setColours(QWidget *widget, const QColor &text, const QColor &background = QColor());

} // namespace ui
