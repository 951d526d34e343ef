// The passage box: the passage, and the rewritten clauses as they are accepted.
#pragma once

#include <QTextEdit>

// A text box that shows its newest line: each change of its text puts the caret at the end.
// When the keyboard brings the focus to it, the caret goes to its start without scrolling, so
// that a screen reader reads it from its first line. It asks for a few lines of room but makes
// do with one: on a short screen it scrolls more, rather than the rows around it being
// pressed together.
class PassageBox : public QTextEdit
{
    Q_OBJECT

public:
    explicit PassageBox(QWidget *parent = nullptr);

    // The height the box asks for when the window has room for it.
    void setPreferredHeight(int height);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void focusInEvent(QFocusEvent *event) override;

    int m_preferredHeight = 0;
};
