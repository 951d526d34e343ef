// The one-line text boxes of the gapped sentence.
#pragma once

#include <QLineEdit>

// A box that puts the caret at the end of its text, without a selection, whenever the focus
// comes to it from another control: Tab, a click, an access key or the program.
class CaretAtEndLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent *event) override;
};

// The answer box: typed keys of the English keyboard enter the Hungarian
// accented letters; pasted text is taken as it is.
class AnswerBox : public CaretAtEndLineEdit
{
    Q_OBJECT

public:
    using CaretAtEndLineEdit::CaretAtEndLineEdit;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
