// Keys and wheel in both windows: where Enter goes and what the wheel may not
// do.
#include "ExerciseDriver.h"

#include "reference/ReferenceWindow.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

class InputTest : public QObject, private ExerciseFixture {
  Q_OBJECT

private slots:
  void init();
  void cleanup();

  void enterBelongsToTheMenuBarAndItsMenus();
  void enterPicksInAnOpenList_data();
  void enterPicksInAnOpenList();
  void wheelLeavesAClosedListAlone_data();
  void wheelLeavesAClosedListAlone();

private:
  QWidget *activate(bool reference);
};

void InputTest::init() { QVERIFY(openWindow()); }

void InputTest::cleanup() { closeWindow(); }

// The exercise or the reference window, active and ready for keys; nullptr if
// it is not.
QWidget *InputTest::activate(bool reference) {
  QWidget *target = window;
  if (reference) {
    window->findChild<QAction *>(QStringLiteral("mnuSegedigek"))->trigger();
    target = window->referenceWindow();
  }
  target->activateWindow();
  return QTest::qWaitForWindowActive(target) ? target : nullptr;
}

void InputTest::enterBelongsToTheMenuBarAndItsMenus() {
  QVERIFY(activate(false));
  QWindow *keys = window->windowHandle();
  // Alt alone gives the menu bar the keyboard; Enter then opens File.
  QTest::keyPress(keys, Qt::Key_Alt, Qt::AltModifier);
  QTest::keyRelease(keys, Qt::Key_Alt);
  QCOMPARE(QApplication::focusWidget(), window->menuBar());
  QTest::keyClick(keys, Qt::Key_Return);
  QMenu *open = qobject_cast<QMenu *>(QApplication::activePopupWidget());
  QVERIFY(open);
  QCOMPARE(open->objectName(), QStringLiteral("mnuFile"));

  // In an open menu Enter opens the highlighted submenu, Options > Dialogue
  // language.
  QTest::keyClick(keys, Qt::Key_Right);
  QTRY_COMPARE(QApplication::activePopupWidget()->objectName(),
               QStringLiteral("mnuOptions"));
  QTest::keyClick(keys, Qt::Key_Return);
  QTRY_COMPARE(QApplication::activePopupWidget()->objectName(),
               QStringLiteral("mnuDialog"));
  QVERIFY(notifier->messages.isEmpty());
  while (QApplication::activePopupWidget())
    QTest::keyClick(keys, Qt::Key_Escape);
}

void InputTest::enterPicksInAnOpenList_data() {
  QTest::addColumn<bool>("reference");
  QTest::addColumn<QString>("list");
  QTest::addRow("Auxiliaries") << false << "Combo1";
  QTest::addRow("Persons") << false << "Combo2";
  QTest::addRow("reference auxiliaries") << true << "Combo1";
  QTest::addRow("base sentences") << true << "Combo2";
}

// Enter in an open list picks the highlighted item, not the window's default
// button.
void InputTest::enterPicksInAnOpenList() {
  QFETCH(bool, reference);
  QFETCH(QString, list);
  QWidget *target = activate(reference);
  QVERIFY(target);
  auto *combo = target->findChild<QComboBox *>(list);
  combo->setFocus(Qt::TabFocusReason);
  QSignalSpy clicks(combo, &QComboBox::activated);

  QTest::keyClick(target->windowHandle(), Qt::Key_F4);
  QTRY_VERIFY(combo->view()->isVisible());
  QTest::keyClick(target->windowHandle(), Qt::Key_Down);
  const int highlighted = combo->view()->currentIndex().row();
  QTest::keyClick(target->windowHandle(), Qt::Key_Return);
  QTRY_VERIFY(!combo->view()->isVisible());
  QCOMPARE(clicks.size(), 1);
  QCOMPARE(combo->currentIndex(), highlighted);
  QVERIFY(target->isVisible());
  QVERIFY(notifier->messages.isEmpty());
}

void InputTest::wheelLeavesAClosedListAlone_data() {
  QTest::addColumn<bool>("reference");
  QTest::addColumn<QString>("list");
  QTest::addColumn<bool>("running");
  QTest::addRow("Auxiliaries, idle") << false << "Combo1" << false;
  QTest::addRow("Persons, idle") << false << "Combo2" << false;
  QTest::addRow("Auxiliaries, running") << false << "Combo1" << true;
  QTest::addRow("Persons, running") << false << "Combo2" << true;
  QTest::addRow("reference auxiliaries") << true << "Combo1" << false;
  QTest::addRow("base sentences") << true << "Combo2" << false;
}

// The wheel over a closed list neither changes the item nor raises a Click; the
// arrow keys on the focused list still pick.
void InputTest::wheelLeavesAClosedListAlone() {
  QFETCH(bool, reference);
  QFETCH(QString, list);
  QFETCH(bool, running);
  if (running)
    driver->click("Start");
  QWidget *target = activate(reference);
  QVERIFY(target);
  auto *combo = target->findChild<QComboBox *>(list);
  combo->setCurrentIndex(1);
  QSignalSpy clicks(combo, &QComboBox::activated);

  const QPoint centre = combo->rect().center();
  for (int notch : {-120, -120, 120, 120, 120}) {
    QWheelEvent wheel(centre, combo->mapToGlobal(centre), QPoint(),
                      QPoint(0, notch), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(combo, &wheel);
  }
  QCOMPARE(combo->currentIndex(), 1);
  QCOMPARE(clicks.size(), 0);
  QVERIFY(notifier->messages.isEmpty());

  combo->setFocus(Qt::TabFocusReason);
  QTest::keyClick(target->windowHandle(), Qt::Key_Down);
  QCOMPARE(combo->currentIndex(), 2);
  QCOMPARE(clicks.size(), 1);
  QCOMPARE(notifier->messages.size(), running ? 1 : 0);
}

QTEST_MAIN(InputTest)
#include "tst_input.moc"
