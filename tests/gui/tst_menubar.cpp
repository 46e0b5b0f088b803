// The window's menu bar: Quit saves the port and speed as closing does, the
// menus leave the window's own keys alone (F1, Shift+F1, and the terminal's
// typed control characters), and About names the version, Qt and the licence.

#include "core/Version.h"
#include "gui/widgets/DropDownBox.h"
#include "gui/widgets/TypingBox.h"
#include "gui/capture/CaptureLauncher.h"
#include "gui/capture/CaptureWindow.h"
#include "gui/window/MenuBar.h"
#include "tests/support/AnsweringFiles.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTabBar>
#include <QTest>

using namespace zomar;
using namespace zomar::test;

namespace {

const QByteArray kModule = QByteArray::fromHex("0102030405060708 0620 03 11");

using Rig = HarnessWithFiles;

} // namespace

class TestMenuBar : public QObject
{
    Q_OBJECT
private slots:
    void quitSavesPortAndSpeed();
    void menusLeaveTheWindowsKeys();
    void aboutNamesVersionQtAndLicence();
    void captureFromTheKeyboard();
};

void TestMenuBar::quitSavesPortAndSpeed()
{
    Rig r(FormHarness::Options::noModule());
    r.h.ui().Combo1->setText(QStringLiteral("7"));
    r.h.ui().Combo2->setText(QStringLiteral("9600"));
    r.h.form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&r.h.form()));
    QCOMPARE(r.h.form().menuBar().quitAction()->shortcut(), QKeySequence("Ctrl+Q"));
    r.h.form().menuBar().quitAction()->trigger();
    QVERIFY(!r.h.form().isVisible());
    QSettings store(r.h.settingsFile(), QSettings::IniFormat);
    QCOMPARE(store.value("Settings/Port").toString(), QString("7"));
    QCOMPARE(store.value("Settings/BAUD").toString(), QString("9600"));
}

void TestMenuBar::menusLeaveTheWindowsKeys()
{
    Rig r;
    Form1 &form = r.h.form();
    Form1Controls &ui = r.h.ui();
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QWindow *window = form.windowHandle();
    // Through the window system, where shortcuts are matched.
    const auto press = [window](Qt::Key key, Qt::KeyboardModifiers mods, const QString &text = {}) {
        QTest::sendKeyEvent(QTest::Click, window, key, text, mods);
    };

    // F1 on "Connect" and Shift+F1 in a field still reveal the test tabs,
    // also after a tap of Alt.
    ui.Command7->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), ui.Command7);
    QTest::sendKeyEvent(QTest::Press, window, Qt::Key_Alt, QString(), Qt::AltModifier);
    QTest::sendKeyEvent(QTest::Release, window, Qt::Key_Alt, QString(), Qt::NoModifier);
    press(Qt::Key_F1, Qt::NoModifier);
    QCOMPARE(ui.TabStrip1->count(), 4);
    Rig second;
    second.h.form().show();
    second.h.form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&second.h.form()));
    second.h.ui().Text9->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), second.h.ui().Text9);
    QTest::sendKeyEvent(QTest::Click, second.h.form().windowHandle(), Qt::Key_F1, QString(),
                        Qt::ShiftModifier);
    QCOMPARE(second.h.ui().TabStrip1->count(), 4);
    QVERIFY(second.h.prompter().shown.isEmpty());
    QVERIFY(second.files.asked.isEmpty());
    second.h.form().hide();

    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QVERIFY(r.files.asked.isEmpty() && r.h.prompter().shown.isEmpty());
    // The shortcuts work elsewhere...
    ui.Command7->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), ui.Command7);
    press(Qt::Key_O, Qt::ControlModifier, QStringLiteral("\x0f"));
    QCOMPARE(r.files.asked.size(), 1);

    // ...but in the terminal's typing box Ctrl+letters go on the line.
    QVERIFY(r.h.connectAndRead(kModule));
    ui.TabStrip1->setCurrentIndex(2);
    ui.Text14->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), ui.Text14);
    press(Qt::Key_S, Qt::ControlModifier, QStringLiteral("\x13"));
    press(Qt::Key_O, Qt::ControlModifier, QStringLiteral("\x0f"));
    press(Qt::Key_Q, Qt::ControlModifier, QStringLiteral("\x11"));
    QTRY_COMPARE(r.h.module().receivedBytes(), QByteArray("\x13\x0f\x11"));
    QCOMPARE(r.files.asked.size(), 1);
    QVERIFY(form.isVisible());
}

void TestMenuBar::aboutNamesVersionQtAndLicence()
{
    Rig r(FormHarness::Options::noModule());
    QVERIFY(r.h.form().menuBar().aboutAction()->shortcut().isEmpty());
    r.h.form().menuBar().aboutAction()->trigger();
    QCOMPARE(r.h.prompter().shown.size(), 1);
    const QString text = r.h.prompter().shown.first().text;
    QVERIFY2(text.contains(QStringLiteral("Version ") + kVersionText), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Qt ") + qVersion()), qPrintable(text));
    QVERIFY2(text.contains("Licence: MIT"), qPrintable(text));
}

// The test pages' capture buttons are for the mouse; Tools > Capture... opens
// the same window from the keyboard, and nothing is captured before.
void TestMenuBar::captureFromTheKeyboard()
{
    Rig r;
    Form1 &form = r.h.form();
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QVERIFY(!form.capture().window());
    QWindow *window = form.windowHandle();
    QTest::sendKeyEvent(QTest::Click, window, Qt::Key_T, QStringLiteral("t"), Qt::AltModifier);
    QMenu *tools = form.menuBar().captureAction()->associatedObjects().isEmpty()
                       ? nullptr
                       : qobject_cast<QMenu *>(form.menuBar().captureAction()->associatedObjects().first());
    QVERIFY(tools);
    QTRY_VERIFY(tools->isVisible());
    QTest::keyClick(tools, Qt::Key_C);
    QTRY_VERIFY(form.capture().window());
    QTRY_VERIFY(form.capture().window()->isVisible());
}

QTEST_MAIN(TestMenuBar)
#include "tst_menubar.moc"
