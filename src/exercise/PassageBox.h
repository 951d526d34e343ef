// The passage box: the passage, and the rewritten clauses as they are accepted.
#pragma once

#include <QTextEdit>

// A text box that always shows its newest line, with its caret at its start, from where a
// screen reader reads it when it gets the focus. It asks for a few lines of room but makes do
// with one: on a short screen it scrolls more, rather than the rows around it being pressed
// together.
class PassageBox : public QTextEdit
{
    Q_OBJECT

public:
    explicit PassageBox(QWidget *parent = nullptr);

    // The height the box asks for when the window has room for it.
    void setPreferredHeight(int height);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    void showNewestLine();

    int m_preferredHeight = 0;
};
