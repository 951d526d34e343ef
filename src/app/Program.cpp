#include "app/Program.h"

#include "app/Display.h"
#include "common/Pictures.h"
#include "common/Settings.h"
#include "exercise/ExerciseWindow.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QTimer>

namespace {

// The icon of both windows, at the sizes a desktop asks for.
QIcon programIcon()
{
    const QString path = QStringLiteral(":/icons/zelto.svg");
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(ui::svgPixmap(path, size, 1.0));
    return icon;
}

// Gives the application its icon just after the first paint of `painted`: drawing the icon
// at all its sizes takes about as long as building the whole window, and nothing the
// learner sees first needs it.
class IconAfterFirstPaint : public QObject
{
    Q_OBJECT

public:
    explicit IconAfterFirstPaint(QWidget *painted) : QObject(painted)
    {
        painted->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [] { QApplication::setWindowIcon(programIcon()); });
        }
        return false;
    }
};

} // namespace

int runProgram(int argc, char **argv)
{
    if (!display::prepareDisplay(argc, argv))
        return 2;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zelto"));
    // The id of the installed desktop entry, so that the desktop matches the windows to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zelto.Zelto"));
    // The program-wide settings with the one interface-text table: the exercise window sets
    // the language and fills the table, both windows read it and follow the text zoom.
    Settings settings;
    ExerciseWindow window(settings);
    new IconAfterFirstPaint(window.centralWidget());
    window.show();
    return QApplication::exec();
}

#include "Program.moc"
