// Keeping a window on its screen.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>

class QWidget;

namespace ui {

// The frame the window manager gave `window`; none before it is shown.
QMargins frameOf(const QWidget *window);

// `topLeft` moved as little as needed for a window of `outer` size, frame included, to lie
// within `area` (where it fits at all; otherwise at the area's top left corner).
QPoint keptInside(QPoint topLeft, QSize outer, const QRect &area);

// What a window of `window`'s screen can take: the available area less the window's frame.
QSize roomOnScreen(const QWidget *window);

// Gives `window` the size `wanted`, as far as the available area of its screen allows but
// never below the window's minimum size hint, and centres it in that area.
void centreOnScreen(QWidget *window, QSize wanted);

// Resizes `window` to `wanted`, at most roomOnScreen(), and moves it so that it lies, frame
// included, within the available area of its screen.
void fitToScreen(QWidget *window, QSize wanted);

// Each time `window` is shown, fits it to its screen as soon as its frame is known: a window
// manager adds the frame only after the window was placed, and a title bar can push a window
// that just fitted past the bottom of a small screen. A window that lays itself out for the
// room it has gives `fit`, which does so and then calls fitToScreen(); by default the window
// is only resized and moved.
void keepOnScreenWhenShown(QWidget *window, std::function<void()> fit = {});

} // namespace ui
