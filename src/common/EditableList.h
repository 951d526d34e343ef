// Drop-down lists whose text field can be typed into without picking anything.
#pragma once

class QComboBox;

namespace ui {

// Makes `list` editable, unsorted and without new items from typing. Typing a
// text, even one equal to an item, and leaving the field neither completes nor
// picks: only choosing an item from the list does (QComboBox::activated). The wheel
// over the closed list changes nothing; the arrow keys on the focused list still pick.
void makeEditableList(QComboBox *list);

} // namespace ui
