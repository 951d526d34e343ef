// The passage box: the passage, and the rewritten clauses as they are accepted.
#pragma once

#include <QTextEdit>

// A text box that asks for a few lines of room but makes do with two: on a
// short screen it scrolls more, rather than the rows around it being pressed together.
class PassageBox : public QTextEdit
{
    Q_OBJECT

public:
    using QTextEdit::QTextEdit;

    // The height the box asks for when the window has room for it.
    void setPreferredHeight(int height);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    int m_preferredHeight = 0;
};
