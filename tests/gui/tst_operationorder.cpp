// Reads and writes asked for while another one waits on the port: keystrokes,
// arrow keys and wheel turns in the band box, "Refresh" during "Set" and "Set"
// during "Refresh". At the wire they must take turns, each whole, none lost.

#include "core/protocol/CommandTiming.h"
#include "core/link/SerialLink.h"
#include "gui/modem/OperationQueue.h"
#include "gui/widgets/DropDownBox.h"
#include "gui/window/FormContext.h"
#include "tests/support/FormHarness.h"
#include "tests/support/Wire.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

using namespace zomar;
using namespace zomar::test;

namespace {

void turnWheel(QWidget *box, int angle)
{
    const QPointF at = QRectF(box->rect()).center();
    QWheelEvent wheel(at, box->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(box, &wheel);
}

// One operator action: "key:c" types c into the band box, "down"/"up" are
// arrow keys there, "wheel+"/"wheel-" turn the wheel over it, "repick" opens
// its list and picks the item shown again, "set" and "refresh" click those
// buttons.
void act(Form1Controls &ui, const QString &step)
{
    if (step.startsWith(QLatin1String("key:")))
        QTest::keyClick(ui.Combo6->lineEdit(), step.at(4).toLatin1());
    else if (step == QLatin1String("down"))
        QTest::keyClick(ui.Combo6, Qt::Key_Down);
    else if (step == QLatin1String("up"))
        QTest::keyClick(ui.Combo6, Qt::Key_Up);
    else if (step == QLatin1String("repick")) {
        QTest::keyClick(ui.Combo6, Qt::Key_Down, Qt::AltModifier);
        QTest::keyClick(ui.Combo6->view(), Qt::Key_Return);
    } else if (step.startsWith(QLatin1String("wheel")))
        turnWheel(ui.Combo6, step.endsWith(QLatin1Char('+')) ? 120 : -120);
    else if (step == QLatin1String("set"))
        QTest::mouseClick(ui.Command2, Qt::LeftButton);
    else if (step == QLatin1String("refresh"))
        QTest::mouseClick(ui.Command3, Qt::LeftButton);
    else
        QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
}

} // namespace

class TestOperationOrder : public QObject
{
    Q_OBJECT
private slots:
    void askedWhileWaiting_data();
    void askedWhileWaiting();
    void queuedReadsWaitForAQuietLine();
};

void TestOperationOrder::askedWhileWaiting_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("paceMs"); // between steps, shorter than a read's wait

    QTest::newRow("typing abcd in the band box")
        << QStringList{"key:a", "key:b", "key:c", "key:d"} << 120;
    QTest::newRow("arrow keys in the band box")
        << QStringList{"down", "up", "down", "up", "down", "up"} << 50;
    QTest::newRow("wheel over the band box")
        << QStringList{"wheel-", "wheel+", "wheel-", "wheel+", "wheel-", "wheel+"} << 50;
    QTest::newRow("Refresh during Set") << QStringList{"set", "refresh"} << 100;
    QTest::newRow("Set during Refresh") << QStringList{"refresh", "set"} << 120;
    QTest::newRow("Refresh and band pick during Set")
        << QStringList{"set", "refresh", "repick"} << 90;
}

void TestOperationOrder::askedWhileWaiting()
{
    QFETCH(QStringList, steps);
    QFETCH(int, paceMs);

    FormHarness h;
    Form1Controls &ui = h.ui();
    h.form().show();
    h.form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&h.form()));
    const QByteArray config = VirtualModule::factoryConfiguration();
    QVERIFY(h.connectAndRead(config));
    QVERIFY(ui.Command2->isEnabled());

    // Into the band box, its text selected, as the operator starts typing.
    QLineEdit *edit = ui.Combo6->lineEdit();
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(edit->selectedText(), QString("433Mhz"));
    QVERIFY(h.module().receivedBytes().isEmpty());

    QList<QByteArray> stored;
    QObject context;
    connect(&h.module(), &VirtualModule::configurationWritten, &context,
            [&](const QByteArray &block) { stored << block; });
    QSignalSpy bandEdits(ui.Combo6, &DropDownBox::changed);
    QSignalSpy bandPicks(ui.Combo6, &DropDownBox::picked);

    // Each step comes from the event loop, so all but the first arrive while
    // an operation waits.
    int delivered = 0;
    for (int i = 0; i < steps.size(); ++i) {
        QTimer::singleShot(i * paceMs, &context, [&, step = steps.at(i)] {
            act(ui, step);
            ++delivered;
        });
    }
    QTRY_COMPARE_WITH_TIMEOUT(delivered, int(steps.size()), 20000);
    OperationQueue &operations = h.form().context().operations;
    QTRY_VERIFY_WITH_TIMEOUT(!operations.isRunning() && operations.waiting() == 0, 20000);
    QVERIFY(h.waitIdle());
    QVERIFY(h.waitModuleIdle());

    // Whole exchanges, one after the other.
    const QString fault = exchangeFault(wireMessages(h.module().received()));
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    // The module stored only what a Set sent: the page it read.
    const int sets = int(steps.count("set"));
    QTRY_COMPARE(stored.size(), sets);
    for (const QByteArray &block : stored)
        QCOMPARE(block.toHex(' '), config.toHex(' '));

    // Each step asked for one operation, and each ran (a Set enters command
    // mode twice: to write and to read back).
    const int asked = int(bandEdits.count() + bandPicks.count() + steps.count("refresh")) + sets;
    QCOMPARE(asked, int(steps.size()));
    QCOMPARE(h.module().receivedBytes().count("+++"), asked + sets);
    QCOMPARE(h.module().configuration(), config);
    QCOMPARE(h.status(), kComplete);
    QVERIFY(h.prompter().shown.isEmpty());
}

// A module that tells its commands apart only by a quiet line takes "---+++"
// sent back to back as one burst: a queued read must leave the line quiet
// for the guard time first.
void TestOperationOrder::queuedReadsWaitForAQuietLine()
{
    FormHarness h;
    Form1Controls &ui = h.ui();
    h.module().setCommandGap(kQuietLineMs);
    h.form().show();
    h.form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&h.form()));
    QVERIFY(h.connectAndRead(VirtualModule::factoryConfiguration()));
    h.module().clearReceived();
    TappedLine line;
    line.attach(h.form().comm());

    QLineEdit *edit = ui.Combo6->lineEdit();
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    // Six characters, each asking for a read while the first one waits.
    const QString typed = QStringLiteral("433Mhz");
    QObject context;
    int delivered = 0;
    for (int i = 0; i < typed.size(); ++i) {
        QTimer::singleShot(i * 25, &context, [&, c = typed.at(i)] {
            QTest::keyClick(edit, c.toLatin1());
            ++delivered;
        });
    }
    QTRY_COMPARE(delivered, int(typed.size()));
    OperationQueue &operations = h.form().context().operations;
    QTRY_VERIFY_WITH_TIMEOUT(!operations.isRunning() && operations.waiting() == 0, 20000);
    QVERIFY(h.waitIdle());
    QVERIFY(h.waitModuleIdle());

    const QList<WireMessage> messages = wireMessages(h.module().received());
    const QString fault = exchangeFault(messages);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    int entries = 0;
    for (const WireMessage &m : messages)
        entries += m.bytes == "+++" ? 1 : 0;
    QCOMPARE(entries, int(typed.size()));
    QCOMPARE(line.sentCount("+++"), int(typed.size()));
    const QString early = line.entryGuardFault(kQueueGuardMs);
    QVERIFY2(early.isEmpty(), qPrintable(early));
    QVERIFY(!h.module().inCommandMode());
    QCOMPARE(ui.Combo6->text(), typed);
    QCOMPARE(ui.Text9->text(), QStringLiteral("433.920"));
    QCOMPARE(h.status(), kComplete);
}

QTEST_MAIN(TestOperationOrder)
#include "tst_operationorder.moc"
