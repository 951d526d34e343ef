// Text zoom: every font of a window scaled from the size it was built with.
#pragma once

#include <functional>

class QWidget;

namespace ui {

// The zoom steps, in percent of the built-in sizes.
constexpr int MinZoom = 100;
constexpr int MaxZoom = 250;
constexpr int ZoomStep = 25;

// `percent` of `current` moved by `steps` zoom steps, within MinZoom..MaxZoom.
int steppedZoom(int current, int steps);

// Sets every font of `window`, its controls and its menus to `percent` of the size it had
// before the first call. Fonts that controls only inherit follow their parents.
void applyTextZoom(QWidget *window, int percent);

// Gives `window` the zoom keys: Ctrl+Plus (and Ctrl+=) call `zoomBy` with 1, Ctrl+Minus
// with -1, Ctrl+0 with 0 for back to 100 %.
void addZoomKeys(QWidget *window, const std::function<void(int steps)> &zoomBy);

} // namespace ui
