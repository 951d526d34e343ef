// The window system the program starts on: whether there is a display at all, and which
// platform it asks Qt for.
#include "app/Display.h"

#include <QTest>

class DisplayTest : public QObject
{
    Q_OBJECT

private slots:
    void decision_data();
    void decision();
};

void DisplayTest::decision_data()
{
    QTest::addColumn<QByteArray>("x11");
    QTest::addColumn<QByteArray>("wayland");
    QTest::addColumn<QByteArray>("chosen");
    QTest::addColumn<bool>("canShow");
    QTest::addColumn<QByteArray>("platform");

    const QByteArray none;
    const QByteArray x = "xcb;wayland";
    QTest::addRow("nothing at all") << none << none << none << false << none;
    QTest::addRow("X session") << QByteArray(":0") << none << none << true << none;
    QTest::addRow("Wayland without XWayland")
        << none << QByteArray("wayland-0") << none << true << none;
    QTest::addRow("Wayland with XWayland takes X")
        << QByteArray(":0") << QByteArray("wayland-0") << none << true << x;
    QTest::addRow("chosen platform wins over XWayland")
        << QByteArray(":0") << QByteArray("wayland-0") << QByteArray("wayland") << true << none;
    QTest::addRow("chosen platform needs no display")
        << none << none << QByteArray("offscreen") << true << none;
}

void DisplayTest::decision()
{
    QFETCH(QByteArray, x11);
    QFETCH(QByteArray, wayland);
    QFETCH(QByteArray, chosen);
    const display::Environment env{x11, wayland, chosen};
    QTEST(display::canShowWindows(env), "canShow");
    QTEST(display::preferredPlatform(env), "platform");
}

QTEST_GUILESS_MAIN(DisplayTest)
#include "tst_display.moc"
