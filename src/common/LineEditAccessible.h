// What screen readers read of one-line text boxes.
#pragma once

namespace ui {

// From now on every QLineEdit of the program shows screen readers its text through an
// accessible interface of ours instead of Qt's. Qt 6.4's own reports for each character a text
// attribute run that ends where it begins; Orca 43 joins those runs into one that ends before
// the last character, and so drops the last letter each time it reads a box whole, as it does
// when the focus comes back ("felkeln" for "felkelni"). Ours reports the whole text as one run.
void installLineEditAccessible();

} // namespace ui
