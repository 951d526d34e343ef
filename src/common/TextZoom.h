// Text zoom: every font of a window scaled from the size it was built with.
#pragma once

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

} // namespace ui
