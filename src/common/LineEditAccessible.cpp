#include "common/LineEditAccessible.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace ui {

namespace {

class LineEditAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface
{
public:
    explicit LineEditAccessible(QLineEdit *box) : QAccessibleWidget(box, QAccessible::EditableText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return shown();
        return QAccessibleWidget::text(kind);
    }

    void setText(QAccessible::Text kind, const QString &text) override
    {
        if (kind == QAccessible::Value)
            box()->setText(text);
        else
            QAccessibleWidget::setText(kind, text);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.readOnly = box()->isReadOnly();
        state.selectableText = true;
        state.passwordEdit = box()->echoMode() != QLineEdit::Normal;
        return state;
    }

    // The text: a box whose letters are hidden shows none.
    QString text(int start, int end) const override
    {
        return start <= end ? shown().mid(start, end - start) : QString();
    }
    int characterCount() const override { return int(box()->text().size()); }

    // A box has no text attributes: one run of none covers its whole text.
    QString attributes(int offset, int *start, int *end) const override
    {
        const bool inside = offset >= 0 && offset <= characterCount();
        *start = inside ? 0 : -1;
        *end = inside ? characterCount() : -1;
        return QString();
    }

    // Qt 6.4 looks for the word or sentence at the very end of a text forever; it is the last
    // one that is meant.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *start,
                         int *end) const override
    {
        if (offset == -2)
            offset = cursorPosition();
        const bool wordOrSentence =
            boundary == QAccessible::WordBoundary || boundary == QAccessible::SentenceBoundary;
        if (wordOrSentence && offset == characterCount() && offset > 0)
            --offset;
        return QAccessibleTextInterface::textAtOffset(offset, boundary, start, end);
    }

    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }

    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int *start, int *end) const override
    {
        const bool selected = index == 0 && box()->hasSelectedText();
        *start = selected ? box()->selectionStart() : 0;
        *end = selected ? *start + int(box()->selectedText().size()) : 0;
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            box()->deselect();
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            box()->setSelection(start, end - start);
    }

    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int end) override
    {
        box()->setCursorPosition(end);
        box()->setCursorPosition(start);
    }

    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override
    {
        box()->setText(box()->text().replace(start, end - start, text));
    }

private:
    QLineEdit *box() const { return static_cast<QLineEdit *>(widget()); }
    QString shown() const
    {
        return box()->echoMode() == QLineEdit::Normal ? box()->text() : QString();
    }
};

// Where a character stands on the screen, for a text that fits its box; a longer text that
// the box scrolls is measured from the box's left edge.
QRect LineEditAccessible::characterRect(int offset) const
{
    const QString text = shown();
    if (offset < 0 || offset >= text.size())
        return QRect();
    QStyleOptionFrame frame;
    frame.initFrom(box());
    frame.lineWidth = box()->hasFrame()
                          ? box()->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, box())
                          : 0;
    const QRect room = box()
                           ->style()
                           ->subElementRect(QStyle::SE_LineEditContents, &frame, box())
                           .marginsRemoved(box()->textMargins());
    const QFontMetrics metrics(box()->font());
    const int width = metrics.horizontalAdvance(text);
    int left = room.left();
    if (width < room.width()) {
        const Qt::Alignment alignment = QStyle::visualAlignment(
            box()->layoutDirection(), box()->alignment() & Qt::AlignHorizontal_Mask);
        if (alignment & Qt::AlignRight)
            left = room.right() - width;
        else if (alignment & Qt::AlignHCenter)
            left = room.left() + (room.width() - width) / 2;
    }
    const int x = left + metrics.horizontalAdvance(text.left(offset));
    const int top = room.top() + (room.height() - metrics.height()) / 2;
    const QRect character(x, top, metrics.horizontalAdvance(text.mid(offset, 1)), metrics.height());
    return QRect(box()->mapToGlobal(character.topLeft()), character.size());
}

QAccessibleInterface *lineEditAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(QLineEdit::staticMetaObject.className()))
        return new LineEditAccessible(static_cast<QLineEdit *>(object));
    return nullptr;
}

} // namespace

void installLineEditAccessible()
{
    QAccessible::installFactory(lineEditAccessible);
}

} // namespace ui
