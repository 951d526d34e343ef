#include "common/Notifier.h"

#include <QApplication>
#include <QMessageBox>

void SystemNotifier::beep()
{
    QApplication::beep();
}

void SystemNotifier::message(QWidget *parent, Icon icon, const QString &title, const QString &text)
{
    QMessageBox::Icon boxIcon = QMessageBox::Warning;
    switch (icon) {
    case Icon::Exclamation:
        boxIcon = QMessageBox::Warning;
        break;
    case Icon::Information:
        boxIcon = QMessageBox::Information;
        break;
    case Icon::Critical:
        boxIcon = QMessageBox::Critical;
        break;
    }
    QMessageBox box(boxIcon, title, text, QMessageBox::Ok, parent);
    // Keys and typed answers are shown as they are, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

Notifier &systemNotifier()
{
    static SystemNotifier notifier;
    return notifier;
}
