// Tools > "Link Test..." over two virtual modules linked by the simulated
// air (the window's module on port 1, a second one on port 2), and the echo
// mode against the window's own repeater page.

#include "core/link/SerialLink.h"
#include "core/linktest/LinkTest.h"
#include "core/protocol/ConfigBlock.h"
#include "gui/connection/LinkTestLauncher.h"
#include "gui/dialogs/LatencyChart.h"
#include "gui/dialogs/LinkTestDialog.h"
#include "gui/widgets/TrafficView.h"
#include "gui/window/MenuBar.h"
#include "tests/support/AnsweringFiles.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QTest>

using namespace zomar;
using namespace zomar::test;

namespace {

// The window with a second virtual module on port 2, linked to its own.
struct LinkBench {
    LinkBench()
    {
        if (!second.start())
            qFatal("cannot start a virtual module");
        w.h.resolver().setExplicit(2, second.devicePath());
    }
    FormHarness &h() { return w.h; }

    LinkTestDialog *openDialog()
    {
        h().form().menuBar().linkTestAction()->trigger();
        return h().form().linkTest().dialog();
    }

    HarnessWithFiles w;
    VirtualModule second;
};

template <typename T> T *child(QWidget *dialog, const char *name)
{
    return dialog->findChild<T *>(QString::fromLatin1(name));
}

void typeInto(QSpinBox *box, const QString &text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
}

} // namespace

class TestLinkTestDialog : public QObject
{
    Q_OBJECT
private slots:
    void runsWithChartSummaryAndCsv();
    void cancelShowsTheFiguresSoFar();
    void differentChannelReportedThenAligned();
    void windowsOwnPortIsLeftOut();
    void echoModeAgainstTheRepeaterPage();
};

void TestLinkTestDialog::runsWithChartSummaryAndCsv()
{
    LinkBench bench;
    LinkTestDialog *dialog = bench.openDialog();
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QCOMPARE(child<QComboBox>(dialog, "LinkFrom")->currentText(),
             "COMM 1 (" + bench.h().module().devicePath() + ")");
    QCOMPARE(child<QComboBox>(dialog, "LinkTo")->currentText(),
             "COMM 2 (" + bench.second.devicePath() + ")");
    typeInto(child<QSpinBox>(dialog, "LinkCount"), "25");
    QTest::mouseClick(child<QPushButton>(dialog, "LinkStart"), Qt::LeftButton);
    QVERIFY(dialog->running());
    QCOMPARE(child<QPushButton>(dialog, "LinkClose")->text(), QString("&Cancel"));
    QTRY_VERIFY_WITH_TIMEOUT(!dialog->running(), 20000);
    QCOMPARE(dialog->statusText(), QString("Done."));
    QCOMPARE(dialog->chart()->latencyPoints(), 25);
    QCOMPARE(dialog->chart()->lostPoints(), 0);
    QVERIFY2(dialog->summaryText().contains(QRegularExpression("Received +25\n")),
             qPrintable(dialog->summaryText()));
    // The window's port was never opened: the test opens its own.
    QVERIFY(!bench.h().form().comm().portOpen());
    QCOMPARE(bench.h().ui().Command7->text(), QString("Connect"));

    QTemporaryDir dir;
    bench.w.files.answers << dir.filePath("run.csv");
    QTest::mouseClick(child<QPushButton>(dialog, "LinkSaveCsv"), Qt::LeftButton);
    QCOMPARE(bench.w.files.asked.size(), 1);
    QCOMPARE(bench.w.files.asked.first().defaultSuffix, QString("csv"));
    QFile csv(dir.filePath("run.csv"));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QCOMPARE(csv.readAll().count("received\r\n"), 25);
    QVERIFY(dialog->statusText().startsWith("Saved "));
}

void TestLinkTestDialog::cancelShowsTheFiguresSoFar()
{
    LinkBench bench;
    LinkTestDialog *dialog = bench.openDialog();
    typeInto(child<QSpinBox>(dialog, "LinkCount"), "1000");
    QTest::mouseClick(child<QPushButton>(dialog, "LinkStart"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(dialog->chart()->latencyPoints() >= 3, 20000);
    QTest::mouseClick(child<QPushButton>(dialog, "LinkClose"), Qt::LeftButton);
    QVERIFY(!dialog->running());
    QCOMPARE(dialog->statusText(), QString("Cancelled: the figures so far."));
    QVERIFY(dialog->summaryText().contains("Stopped before the end"));
    QVERIFY(dialog->test()->stats().sentCount() < 1000);
    QVERIFY(child<QPushButton>(dialog, "LinkSaveCsv")->isEnabled());
    // Close now closes.
    QTest::mouseClick(child<QPushButton>(dialog, "LinkClose"), Qt::LeftButton);
    QTRY_VERIFY(!bench.h().form().linkTest().dialog());
}

void TestLinkTestDialog::differentChannelReportedThenAligned()
{
    LinkBench bench;
    ConfigBlock other = ConfigBlock::factoryDefaults();
    other.channel = 0x0630;
    bench.second.setConfiguration(other.toBytes());
    LinkTestDialog *dialog = bench.openDialog();
    typeInto(child<QSpinBox>(dialog, "LinkCount"), "5");
    auto *start = child<QPushButton>(dialog, "LinkStart");
    QTest::mouseClick(start, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog->running(), 10000);
    QVERIFY2(dialog->statusText().startsWith("The two modules are not set alike (Channel: "
                                             "433.920 MHz on "),
             qPrintable(dialog->statusText()));
    QVERIFY(dialog->statusText().endsWith("to align them."));
    QCOMPARE(bench.h().module().receivedBytes(), QByteArray("+++---")); // no packet sent

    QTest::mouseClick(child<QCheckBox>(dialog, "LinkConfigure"), Qt::LeftButton);
    QTest::mouseClick(start, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog->running(), 20000);
    QCOMPARE(dialog->statusText(), QString("Done."));
    QCOMPARE(ConfigBlock::fromBytes(bench.second.configuration())->channel, quint16(0x0620));
    QCOMPARE(dialog->chart()->latencyPoints(), 5);
}

void TestLinkTestDialog::windowsOwnPortIsLeftOut()
{
    LinkBench bench;
    bench.h().connectPort();
    QVERIFY(bench.h().waitIdle());
    QVERIFY(bench.h().form().comm().portOpen());
    LinkTestDialog *dialog = bench.openDialog();
    auto *from = child<QComboBox>(dialog, "LinkFrom");
    QCOMPARE(from->count(), 1);
    QCOMPARE(from->itemText(0), "COMM 2 (" + bench.second.devicePath() + ")");
    // Typed in anyway, it is refused before anything is opened.
    for (auto [box, text] : {std::pair{from, "1"}, {child<QComboBox>(dialog, "LinkTo"), "2"}}) {
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), text);
    }
    QTest::mouseClick(child<QPushButton>(dialog, "LinkStart"), Qt::LeftButton);
    QVERIFY(!dialog->running());
    QVERIFY2(dialog->statusText().contains("is the window's own port, which is connected"),
             qPrintable(dialog->statusText()));
    QVERIFY(bench.h().form().comm().portOpen());
}

void TestLinkTestDialog::echoModeAgainstTheRepeaterPage()
{
    // The far computer: the window on its module, repeater loopback on.
    FormHarness h;
    h.form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&h.form()));
    QTest::keyRelease(h.ui().Command7, Qt::Key_F1); // reveals the test tabs
    h.ui().TabStrip1->setCurrentIndex(3);
    h.connectPort();
    QVERIFY(h.waitIdle());
    waitModuleOutOfCommandMode(h);
    QTest::mouseClick(h.ui().Command10, Qt::LeftButton);
    QVERIFY(h.form().state().loopbackOn);
    QCOMPARE(h.ui().Text23->text(), QString("100"));

    // The near module, on the same channel, on a port of this test.
    VirtualModule near;
    QVERIFY(near.start());
    linktest::LinkPlan plan;
    plan.from = near.devicePath();
    plan.echo = true;
    plan.count = 12;
    plan.rfBps = 19200;
    plan.intervalMs = 180;
    linktest::LinkTest test(plan);
    QSignalSpy finished(&test, &linktest::LinkTest::finished);
    test.start();
    QVERIFY(finished.wait(20000));
    const auto s = finished.at(0).at(0).value<linktest::LinkSummary>();
    QCOMPARE(s.sent, 12);
    QCOMPARE(s.received, 12);
    QCOMPARE(s.outOfOrder, 0);
    QCOMPARE(s.duplicated, 0);
    // Two air times of one byte and two latencies of the air, with the delay
    // taken off: the window's own handling is what is left beside them.
    const double air = 2 * (plan.airTimeMs(1) + sim::RadioSettings{}.latencyMs);
    QVERIFY2(*s.p50Ms >= air - 1 && *s.p50Ms <= air + 30,
             qPrintable(QStringLiteral("round trip p50 %1 ms, air %2 ms").arg(*s.p50Ms).arg(air)));
    QCOMPARE(h.ui().Text21->text(), QString("ABCDEFGHIJKL")); // each probe echoed once
}

QTEST_MAIN(TestLinkTestDialog)
#include "tst_linktestdialog.moc"
