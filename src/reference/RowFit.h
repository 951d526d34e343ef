// Fitting the reference window's rows into the height a screen leaves: the arithmetic,
// apart from the widgets.
#pragma once

#include <vector>

namespace reference {

// One horizontal band of the window, top to bottom: a gap between controls, or a row of
// controls that needs at least `least` pixels for its text.
struct Band
{
    int natural; // its height when there is room
    int least;
    bool gap;
};

// Heights for `bands` that add up to at most `room`: the gaps give way first, all in
// proportion, down to nothing; then the rows, down to their least heights. When even that
// is too much, every band has its least height and the sum stays above `room`.
std::vector<int> fitHeights(const std::vector<Band> &bands, int room);

} // namespace reference
