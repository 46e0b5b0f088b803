// Tools > "Find Module..." over pseudo-terminals: the window's port is closed
// for the search, every port is tried at every line speed without freezing
// the window, and the module found is connected to as "Connect" does.

#include "core/link/SerialLink.h"
#include "gui/connection/ModuleSearch.h"
#include "gui/dialogs/FindModuleDialog.h"
#include "gui/widgets/DropDownBox.h"
#include "gui/window/MenuBar.h"
#include "tests/support/FormHarness.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

using namespace zomar;
using namespace zomar::test;

class TestFindModule : public QObject
{
    Q_OBJECT
private slots:
    void findsTheModuleAt9600AndConnects();
    void cancelEndsTheSearchAndStaysDisconnected();
};

namespace {

// A second port whose module hears only noise at every speed of the list.
struct SilentPort {
    SilentPort()
    {
        module.setLineSpeed(57600);
        QString error;
        if (!module.start(&error))
            qFatal("virtual module: %s", qPrintable(error));
    }
    VirtualModule module;
};

} // namespace

void TestFindModule::findsTheModuleAt9600AndConnects()
{
    // The module sits behind port 3 at 9600 baud; port 1 is the system's
    // first port, silent. The window starts on port 1 at 38400, connected.
    FormHarness::Options options;
    options.modulePort = 3;
    FormHarness h(options);
    SilentPort silent;
    h.resolver().setSystemPortsSource(
        [path = silent.module.devicePath()] { return QList<SystemPort>{SystemPort(path)}; });
    const QByteArray config = QByteArray::fromHex("0102030405060708 0620 03 11");
    h.module().setConfiguration(config);
    h.module().setLineSpeed(9600);
    h.connectPort();
    QVERIFY(h.waitIdle());
    QVERIFY(h.form().comm().portOpen());
    QCOMPARE(h.status(), kNoResponse);

    h.form().menuBar().findAction()->trigger();
    FindModuleDialog *dialog = h.form().moduleSearch().dialog();
    QVERIFY(dialog);
    // The menu returned at once: the search goes on on the event loop.
    QVERIFY(dialog->searching());
    QCOMPARE(dialog->finder().triesDone(), 0);
    QVERIFY(!h.form().comm().portOpen()); // the search opens the ports itself
    QCOMPARE(dialog->finder().triesTotal(), 2 * 7);
    QVERIFY(dialog->isVisible());
    // The window keeps running: its quiet-line timer and clicks go on.
    QTRY_VERIFY(dialog->finder().triesDone() >= 2);
    QVERIFY(dialog->statusText().startsWith("Trying "));

    QTRY_COMPARE_WITH_TIMEOUT(h.ui().Command7->text(), QString("Disconnect"), 20000);
    QVERIFY(!h.form().moduleSearch().dialog());
    QCOMPARE(h.ui().Combo1->text(), QString("3"));
    QCOMPARE(h.ui().Combo2->text(), QString("9600"));
    QVERIFY(h.waitIdle());
    QCOMPARE(h.status(), kComplete);
    QCOMPARE(pageFields(h.ui()), QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "433.920",
                                              "-9 dBm", "19200 bps"}));
    QVERIFY(h.ui().Command2->isEnabled());
    QVERIFY(h.prompter().shown.isEmpty());
}

void TestFindModule::cancelEndsTheSearchAndStaysDisconnected()
{
    FormHarness h;
    h.module().setLineSpeed(2400); // the last speed tried
    h.form().menuBar().findAction()->trigger();
    FindModuleDialog *dialog = h.form().moduleSearch().dialog();
    QVERIFY(dialog);
    QTRY_VERIFY(dialog->finder().triesDone() >= 1);
    auto *cancel = dialog->findChild<QPushButton *>("FindButton");
    QCOMPARE(cancel->text(), QString("Cancel"));
    cancel->click();
    // The read under way ends first: the module is not left in command mode.
    QTRY_VERIFY_WITH_TIMEOUT(!h.form().moduleSearch().dialog(), 5000);
    QVERIFY(h.waitModuleIdle());
    QVERIFY(!h.form().comm().portOpen());
    QCOMPARE(h.ui().Command7->text(), QString("Connect"));
    QCOMPARE(h.ui().Combo2->text(), QString("38400"));
    QCOMPARE(h.status(), QString("Disconnected"));
}

QTEST_MAIN(TestFindModule)
#include "tst_findmodule.moc"
