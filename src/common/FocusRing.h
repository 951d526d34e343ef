// A focus ring that shows on every background of both windows.
#pragma once

class QWidget;

namespace ui {

// From now on, the control of `window` that has the keyboard focus wears a ring while the
// window is active: a black line around the control and a white line around that, each
// two logical pixels wide, so that one of them stands out on light and on dark ground alike
// and both grow with the screen's scale. The menu bar shows its own highlight instead.
void showFocusRing(QWidget *window);

} // namespace ui
