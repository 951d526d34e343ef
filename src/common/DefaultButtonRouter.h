// Enter presses a window's default button, as it does in a dialog.
#pragma once

#include <QObject>
#include <QPointer>

class QPushButton;
class QWidget;

// Qt honours default buttons only in dialogs; this gives a main window the same:
// Enter or Return anywhere in `window` clicks the focused push button, or else
// the default button while it is enabled. With no such button the key does nothing.
// While the menu bar, an open menu or an open drop-down list has the keyboard, Enter
// is theirs.
class DefaultButtonRouter : public QObject
{
    Q_OBJECT

public:
    explicit DefaultButtonRouter(QWidget *window);
    ~DefaultButtonRouter() override;

    // nullptr: the window has no default button.
    void setDefaultButton(QPushButton *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    QPointer<QPushButton> m_button;
    bool m_enterTakenByPopup = false;
};
