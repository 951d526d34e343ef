#include "common/EditableList.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>

namespace ui {

namespace {

// QComboBox steps through its items under the wheel and reports each step as a pick. The
// wheel over a closed list does nothing instead; the open list's popup scrolls as usual.
class WheelPassesOver : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Wheel)
            return false;
        event->ignore();
        return true;
    }
};

} // namespace

void makeEditableList(QComboBox *list)
{
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
    // QComboBox picks the item that matches the typed text when editing ends.
    QObject::disconnect(list->lineEdit(), &QLineEdit::editingFinished, list, nullptr);
    list->installEventFilter(new WheelPassesOver(list));
    // Nor does the wheel take the focus from where the learner is typing.
    list->setFocusPolicy(Qt::StrongFocus);
}

} // namespace ui

#include "EditableList.moc"
