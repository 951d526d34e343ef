// Start-up probe of the yardstick: a bare Qt main window of the program's size with a menu
// bar and a handful of widgets, and nothing else.
#include "FirstPaintClock.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

void watchBareWindow()
{
    bench::watchFirstPaint("bare");
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchBareWindow)

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setObjectName(QStringLiteral("bare"));
    window.setWindowTitle(QStringLiteral("bare"));

    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Exit"), &app, &QCoreApplication::quit);
    QMenu *options = window.menuBar()->addMenu(QStringLiteral("&Options"));
    QMenu *languages = options->addMenu(QStringLiteral("&Language"));
    for (const char *name : {"&One", "&Two", "T&hree"})
        languages->addAction(QString::fromLatin1(name))->setCheckable(true);
    options->addAction(QStringLiteral("On &Top"))->setCheckable(true);
    QMenu *help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Reference"));
    help->addAction(QStringLiteral("&How to"));

    auto *surface = new QWidget(&window);
    auto *rows = new QVBoxLayout(surface);
    auto *first = new QComboBox(surface);
    first->addItems({QStringLiteral("one"), QStringLiteral("two")});
    rows->addWidget(first);
    rows->addWidget(new QLabel(QStringLiteral("A label"), surface));
    rows->addWidget(new QTextEdit(QStringLiteral("Some text"), surface), 1);
    auto *line = new QHBoxLayout;
    for (int i = 0; i < 3; ++i)
        line->addWidget(new QLineEdit(surface));
    rows->addLayout(line);
    auto *buttons = new QHBoxLayout;
    for (const char *caption : {"&Next", "&Start", "So&lution"})
        buttons->addWidget(new QPushButton(QString::fromLatin1(caption), surface));
    rows->addLayout(buttons);
    window.setCentralWidget(surface);

    window.resize(720, 580);
    window.show();
    return QApplication::exec();
}
