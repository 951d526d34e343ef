#include "exercise/PassageBox.h"

#include <QTextDocument>

#include <algorithm>

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
    const int twoLines = 2 * fontMetrics().lineSpacing() + margins;
    return QTextEdit::minimumSizeHint().expandedTo(QSize(0, twoLines));
}
