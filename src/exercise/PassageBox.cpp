#include "exercise/PassageBox.h"

#include <QScrollBar>
#include <QTextDocument>

#include <algorithm>

PassageBox::PassageBox(QWidget *parent) : QTextEdit(parent)
{
    connect(this, &QTextEdit::textChanged, this, &PassageBox::showNewestLine);
}

void PassageBox::showNewestLine()
{
    moveCursor(QTextCursor::End);
    ensureCursorVisible();
    const int newest = verticalScrollBar()->value();
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(newest);
}

void PassageBox::setPreferredHeight(int height)
{
    m_preferredHeight = height;
    updateGeometry();
}

QSize PassageBox::sizeHint() const
{
    QSize hint = QTextEdit::sizeHint();
    hint.setHeight(std::max(m_preferredHeight, minimumSizeHint().height()));
    return hint;
}

QSize PassageBox::minimumSizeHint() const
{
    const int margins = 2 * (frameWidth() + int(document()->documentMargin()));
    const int oneLine = fontMetrics().lineSpacing() + margins;
    return QTextEdit::minimumSizeHint().expandedTo(QSize(0, oneLine));
}
