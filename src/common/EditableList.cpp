#include "common/EditableList.h"

#include <QComboBox>
#include <QLineEdit>

namespace ui {

void makeEditableList(QComboBox *list)
{
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
    // QComboBox picks the item that matches the typed text when editing ends.
    QObject::disconnect(list->lineEdit(), &QLineEdit::editingFinished, list, nullptr);
}

} // namespace ui
