#include "common/Pictures.h"
#include "exercise/ExerciseWindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zelto"));
    QApplication::setWindowIcon(ui::programIcon());
    ExerciseWindow window;
    window.show();
    return QApplication::exec();
}
