// The capture window opened from a test page, and the band-plan advice under
// the frequency row: what they show of a real exchange with the virtual
// module, what hex input puts on the line, saving through the file seam, and
// that neither changes what the window writes.

#include "core/capture/CaptureRecorder.h"
#include "core/link/SerialLink.h"
#include "core/protocol/BandPlan.h"
#include "gui/capture/CaptureLauncher.h"
#include "gui/capture/CaptureModel.h"
#include "gui/capture/CaptureWindow.h"
#include "gui/modem/BandAdviceLine.h"
#include "gui/widgets/Contrast.h"
#include "gui/widgets/TextFit.h"

#include <QGroupBox>
#include "gui/widgets/DropDownBox.h"
#include "gui/widgets/TrafficView.h"
#include "tests/support/AnsweringFiles.h"
#include "tests/support/FormHarness.h"
#include "tests/support/TestUtil.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QAbstractItemView>
#include <QListView>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace zomar;
using namespace zomar::test;

namespace {

constexpr int kModemTab = 0;
constexpr int kTerminalTab = 2;
constexpr int kRepeaterTab = 3;

void showWithTab(FormHarness &h, int tab)
{
    h.form().show();
    h.form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&h.form()));
    QTest::keyRelease(h.ui().Command7, Qt::Key_F1); // reveals the test tabs
    h.ui().TabStrip1->setCurrentIndex(tab);
}

// Opens the capture with a click on the page's button.
CaptureWindow *openCapture(FormHarness &h, QToolButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
    CaptureWindow *w = h.form().capture().window();
    if (w)
        w->refresh();
    return w;
}

QStringList shownLines(CaptureWindow &w)
{
    w.refresh();
    QStringList lines;
    for (int row = 0; row < w.model().rowCount(); ++row)
        lines << w.model().index(row).data().toString();
    return lines;
}

// The lines without their times: "TX 3 2B 2B 2B |+++|".
QStringList bursts(CaptureWindow &w)
{
    QStringList out;
    for (const QString &line : shownLines(w))
        out << line.mid(line.indexOf(QLatin1String("ms  ")) + 4).simplified();
    return out;
}

void typeLine(QLineEdit *box, const QString &text)
{
    box->setFocus();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

} // namespace

class TstCaptureWindow : public QObject
{
    Q_OBJECT
private slots:
    void nothingIsCapturedUntilOpened();
    void showsARefreshWithTheBlockDecoded();
    void hexInputSentExactly_data();
    void hexInputSentExactly();
    void pauseFindClear();
    void saveAsTextAndRaw();
    void bandAdviceFollowsTheFrequency_data();
    void bandAdviceFollowsTheFrequency();
    void adviceNeverStopsSet();
};

void TstCaptureWindow::nothingIsCapturedUntilOpened()
{
    FormHarness h;
    showWithTab(h, kRepeaterTab);
    QVERIFY(!h.form().comm().tap());
    QVERIFY(h.connectAndRead(VirtualModule::factoryConfiguration()));
    QVERIFY(!h.form().capture().window());

    // Opened from the repeater page: the capture starts empty, and closing
    // it hands the line back untapped.
    CaptureWindow *w = openCapture(h, h.form().capture().repeaterButton());
    QVERIFY(w);
    QVERIFY(h.form().comm().tap());
    QCOMPARE(w->model().rowCount(), 0);
    w->close();
    QTRY_VERIFY(!h.form().capture().window());
    QVERIFY(!h.form().comm().tap());
}

void TstCaptureWindow::showsARefreshWithTheBlockDecoded()
{
    FormHarness h;
    showWithTab(h, kTerminalTab);
    CaptureWindow *w = openCapture(h, h.form().capture().terminalButton());
    QVERIFY(w);
    QVERIFY(h.connectAndRead(QByteArray::fromHex("0102030405060708076c0523"), "868Mhz"));
    // The connect's read, as the module saw it: "+++", its answer, "---".
    QTRY_COMPARE(bursts(*w).size(), 3);
    QCOMPARE(bursts(*w).at(0), QString("TX 3 2B 2B 2B |+++|"));
    QCOMPARE(bursts(*w).at(1),
             QString("RX 12 01 02 03 04 05 06 07 08 07 6C 05 23 block: destination 01020304, "
                     "local 05060708, 869.500 MHz (channel 1900), -15 dBm, 9600 bps "
                     "|<SOH><STX><ETX><EOT><ENQ><ACK><BEL><BS><BEL>l<ENQ>#|"));
    QCOMPARE(bursts(*w).at(2), QString("TX 3 2D 2D 2D |---|"));
    // The specified pages went on as before: the page's own box has the answer.
    QCOMPARE(h.ui().Text9->text(), QString("869.500"));
    QTRY_COMPARE(w->windowTitle(), QString("Capture: 3 bursts (0 dropped)"));

    // A Refresh from the modem page comes in as it happens.
    h.ui().TabStrip1->setCurrentIndex(kModemTab);
    QTest::mouseClick(h.ui().Command3, Qt::LeftButton);
    QVERIFY(h.waitIdle());
    QTRY_COMPARE(bursts(*w).size(), 6);
    QVERIFY(bursts(*w).at(4).contains("869.500 MHz (channel 1900)"));
}

void TstCaptureWindow::hexInputSentExactly_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("hex pairs") << "41 42 0d" << QByteArray("AB\r");
    QTest::newRow("text with an escape") << "AB\\x0d" << QByteArray("AB\r");
    QTest::newRow("every kind of byte")
        << "00 7f 80 a5 ff 2b" << bytes({0, 0x7f, 0x80, 0xa5, 0xff, '+'});
}

void TstCaptureWindow::hexInputSentExactly()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, sent);
    FormHarness h;
    showWithTab(h, kTerminalTab);
    QVERIFY(h.connectAndRead(VirtualModule::factoryConfiguration()));
    CaptureWindow *w = openCapture(h, h.form().capture().terminalButton());
    QVERIFY(w);
    auto *input = w->findChild<QLineEdit *>("CaptureInput");
    typeLine(input, typed);
    QTRY_COMPARE(h.module().receivedBytes(), sent);
    QVERIFY(input->text().isEmpty());
    // The line typed, then the bytes it sent.
    QTRY_COMPARE(bursts(*w).size(), 2);
    QCOMPARE(bursts(*w).at(0), "-- send: " + typed);
    QVERIFY(bursts(*w).at(1).startsWith(QStringLiteral("TX %1 %2")
                                            .arg(sent.size())
                                            .arg(QString::fromLatin1(sent.toHex(' ').toUpper()))));

    // A line that is no bytes, or a closed port, sends nothing and says why.
    typeLine(input, "\\q");
    QVERIFY(w->statusText().startsWith("Not sent: unknown escape"));
    QCOMPARE(input->text(), QString("\\q"));
    input->clear();
    QTest::mouseClick(h.ui().Command7, Qt::LeftButton); // Disconnect
    typeLine(input, "41");
    QCOMPARE(w->statusText(), QString("Not sent: the port is not open"));
    QTest::qWait(100);
    QCOMPARE(h.module().receivedBytes().right(sent.size()), sent);
}

void TstCaptureWindow::pauseFindClear()
{
    FormHarness h;
    showWithTab(h, kTerminalTab);
    QVERIFY(h.connectAndRead(VirtualModule::factoryConfiguration()));
    CaptureWindow *w = openCapture(h, h.form().capture().terminalButton());
    QVERIFY(w);
    h.module().send("first");
    QTRY_COMPARE(bursts(*w), QStringList{"RX 5 66 69 72 73 74 |first|"});

    auto *pause = w->findChild<QPushButton *>("CapturePause");
    QTest::mouseClick(pause, Qt::LeftButton);
    QCOMPARE(pause->text(), QString("Resume"));
    h.module().send("unseen");
    QTRY_VERIFY(h.ui().Text13->text().endsWith("firstunseen")); // the page still shows it
    QTest::mouseClick(pause, Qt::LeftButton);
    h.module().send("last");
    QTRY_COMPARE(bursts(*w).size(), 4);
    QCOMPARE(bursts(*w).at(1), QString("-- capture paused"));
    QCOMPARE(bursts(*w).at(2), QString("-- capture resumed; not captured while paused: 0 byte(s) "
                                       "sent, 6 received"));

    // Find selects the next line holding the text, from the one selected.
    auto *find = w->findChild<QLineEdit *>("CaptureFind");
    typeLine(find, "LAST");
    QCOMPARE(w->view()->currentIndex().row(), 3);
    find->clear();
    typeLine(find, "no such text");
    QVERIFY(w->statusText().contains("is not in the capture"));

    QTest::mouseClick(w->findChild<QPushButton *>("CaptureClear"), Qt::LeftButton);
    QCOMPARE(w->model().rowCount(), 0);
    h.module().send("again");
    QTRY_COMPARE(bursts(*w), QStringList{"RX 5 61 67 61 69 6E |again|"});
}

void TstCaptureWindow::saveAsTextAndRaw()
{
    HarnessWithFiles hf;
    FormHarness &h = hf.h;
    showWithTab(h, kTerminalTab);
    QVERIFY(h.connectAndRead(VirtualModule::factoryConfiguration()));
    CaptureWindow *w = openCapture(h, h.form().capture().terminalButton());
    QVERIFY(w);
    h.module().send(bytes({'O', 'K', '\r', 0xa5}));
    QTRY_COMPARE(bursts(*w).size(), 1);

    QTemporaryDir dir;
    hf.files.answers << dir.filePath("capture.txt") << dir.filePath("capture.bin");
    QTest::mouseClick(w->findChild<QPushButton *>("CaptureSaveText"), Qt::LeftButton);
    QFile text(dir.filePath("capture.txt"));
    QVERIFY(text.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(text.readAll()), shownLines(*w).join('\n') + '\n');
    QCOMPARE(hf.files.asked.at(0).mode, FileRequest::Save);
    QCOMPARE(hf.files.asked.at(0).defaultSuffix, QString("txt"));

    QTest::mouseClick(w->findChild<QPushButton *>("CaptureSaveRaw"), Qt::LeftButton);
    QFile raw(dir.filePath("capture.bin"));
    QVERIFY(raw.open(QIODevice::ReadOnly));
    QCOMPARE(raw.readAll(), bytes({'O', 'K', '\r', 0xa5}));
    QVERIFY(QFile::exists(dir.filePath("capture.bin.log")));
    QVERIFY(w->statusText().contains("capture.bin.log"));

    // Cancelling saves nothing; a file that cannot be written says so.
    QTest::mouseClick(w->findChild<QPushButton *>("CaptureSaveText"), Qt::LeftButton);
    QCOMPARE(hf.files.asked.size(), 3);
    hf.files.answers << dir.filePath("no/such/folder/c.txt");
    QTest::mouseClick(w->findChild<QPushButton *>("CaptureSaveText"), Qt::LeftButton);
    QCOMPARE(h.prompter().shown.size(), 1);
    QCOMPARE(h.prompter().shown.at(0).title, QString("Capture not saved"));
}

void TstCaptureWindow::bandAdviceFollowsTheFrequency_data()
{
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("speed"); // the RF speed box; "" leaves its "??"
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("advice");
    QTest::addColumn<QString>("colour");
    const QString green = "#206020", amber = "#A05A00", red = "#B00000";
    QTest::newRow("433.920") << "433Mhz"
                             << ""
                             << "433.920"
                             << "433.050–434.790 MHz (EU): 10 mW e.r.p., duty cycle ≤ 10 %"
                             << green;
    QTest::newRow("434.500 at 1200 bps")
        << "433Mhz"
        << "1200 bps"
        << "434.500"
        << "434.040–434.790 MHz (EU): 10 mW e.r.p., no duty-cycle limit, channels ≤ 25 kHz; "
           "≈ 2.6 kHz wide"
        << green;
    QTest::newRow("434.500 at 38400 bps: too wide for 25 kHz channels")
        << "433Mhz"
        << "38400 bps"
        << "434.500"
        << "433.050–434.790 MHz (EU): 10 mW e.r.p., duty cycle ≤ 10 %; ≈ 84 kHz wide, too wide "
           "for the channels of 434.040–434.790 MHz"
        << green;
    QTest::newRow("433.0525 at 9600 bps: past the edge")
        << "433Mhz"
        << "9600 bps"
        << "433.0525"
        << "433.050–434.790 MHz (EU), but at 9600 bps (≈ 21 kHz wide) it reaches past its edge "
           "at 433.050 MHz"
        << amber;
    QTest::newRow("439.000") << "433Mhz"
                             << ""
                             << "439.000"
                             << "outside the licence-free band (EU): a licence is needed" << red;
    QTest::newRow("not a frequency") << "433Mhz"
                                     << ""
                                     << "??"
                                     << "" << green;
}

void TstCaptureWindow::bandAdviceFollowsTheFrequency()
{
    QFETCH(QString, band);
    QFETCH(QString, speed);
    QFETCH(QString, typed);
    QFETCH(QString, advice);
    QFETCH(QString, colour);
    FormHarness h(FormHarness::Options::noModule());
    showWithTab(h, kModemTab);
    QVERIFY(h.waitIdle());
    h.ui().Combo6->setText(band);
    QVERIFY(h.waitIdle());
    QLineEdit *freq = h.ui().Text9;
    freq->selectAll();
    QTest::keyClicks(freq, typed);
    QCOMPARE(freq->text(), typed);
    if (!speed.isEmpty()) {
        // Picked from the list after the frequency, as the operator does: a
        // pick is no typed change, and the line follows it too.
        DropDownBox *box = h.ui().Combo5;
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Down, Qt::AltModifier);
        QTRY_VERIFY(box->view()->isVisible());
        box->view()->setCurrentIndex(box->model()->index(box->findText(speed), 0));
        QTest::keyClick(box->view(), Qt::Key_Return);
        QTRY_VERIFY(!box->view()->isVisible());
        QCOMPARE(box->text(), speed);
    }
    BandAdviceLine &line = h.form().bandAdvice();
    QCOMPARE(line.line(), advice);
    QCOMPARE(line.label()->text().isEmpty(), advice.isEmpty());
    // The hue (made readable on the panel, as a dark theme needs) says the kind.
    const QPalette palette = line.label()->palette();
    QCOMPARE(palette.color(QPalette::WindowText),
             readableOn(QColor(colour), palette.color(QPalette::Window)));
    QCOMPARE(line.label()->objectName(), QString("BandAdvice"));
    // At the foot of the modem page, inside the frame, below its buttons,
    // the whole advice shown.
    QVERIFY(h.ui().Frame2->rect().contains(line.label()->geometry()));
    QVERIFY(line.label()->y() > h.ui().ModemPic->mapTo(h.ui().Frame2,
                                                       h.ui().Command2->geometry().bottomLeft()).y());
    QVERIFY(labelShowsAll(line.label()));
    QCOMPARE(line.label()->focusPolicy(), Qt::NoFocus);
    if (!advice.isEmpty())
        QVERIFY(line.label()->toolTip().contains("ERC/REC 70-03"));

    // "none" silences it, and is kept.
    line.setRegion("none");
    QCOMPARE(line.label()->text(), QString());
    AppSettings saved(h.settingsFile());
    QCOMPARE(saved.bandPlanRegion(), QString("none"));
}

void TstCaptureWindow::adviceNeverStopsSet()
{
    FormHarness h;
    showWithTab(h, kModemTab);
    QVERIFY(h.connectAndRead(VirtualModule::factoryConfiguration(), "433Mhz"));
    // After the decode: 433.920 lies in the licence-free band.
    QCOMPARE(h.form().bandAdvice().line(),
             QString("433.050–434.790 MHz (EU): 10 mW e.r.p., duty cycle ≤ 10 %; ≈ 42 kHz wide"));
    QLineEdit *freq = h.ui().Text9;
    freq->selectAll();
    QTest::keyClicks(freq, "439");
    QVERIFY(h.form().bandAdvice().line().startsWith("outside the licence-free band"));
    QTest::mouseClick(h.ui().Command2, Qt::LeftButton); // Set
    QVERIFY(h.waitIdle());
    // Written as chosen, no message, and read back.
    QTRY_COMPARE(h.module().configuration().mid(8, 2), bytes({0x0e, 0x10})); // channel 3600
    QVERIFY(h.prompter().shown.isEmpty());
    QCOMPARE(h.ui().Text9->text(), QString("439.000"));
    QVERIFY(h.form().bandAdvice().line().startsWith("outside the licence-free band"));
}

QTEST_MAIN(TstCaptureWindow)
#include "tst_capturewindow.moc"
