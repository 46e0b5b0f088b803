// The capture at the wire: a serial link to the virtual module on a
// pseudo-terminal, its tap feeding a recorder. Bursts split by silence and by
// direction, timestamps that never go back, the configuration block decoded
// inside a "+++" ... "---" exchange, hex input parsed, the ring bounded, and
// the saved files.

#include "core/capture/CaptureFiles.h"
#include "core/capture/CaptureRecorder.h"
#include "core/capture/HexInput.h"
#include "core/link/SerialLink.h"
#include "sim/VirtualModule.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace zomar;

namespace {

const QByteArray kBlock = QByteArray::fromHex("0102030405060708062003"
                                              "11");

// A link to a virtual module, every byte of it recorded.
struct Rig {
    VirtualModule module;
    SerialLink link;
    CaptureRecorder capture;

    bool start()
    {
        if (!module.start())
            return false;
        module.setConfiguration(kBlock);
        link.openDevice(module.devicePath());
        // The receive event wants its bytes taken; the capture sees them at the tap.
        QObject::connect(&link, &SerialLink::commEvent, &link, [this] {
            while (link.bytesWaiting() > 0)
                link.input();
        });
        capture.attachTo(link);
        capture.setBandSource([] { return Band::Mhz433; });
        return true;
    }

    // The bursts in the ring, by direction and bytes: "TX +++", "RX 0102...".
    QStringList bursts() const
    {
        QStringList out;
        for (int i = 0; i < capture.ring().size(); ++i) {
            const Burst &b = capture.ring().at(i);
            out << (b.kind == BurstKind::Sent ? QStringLiteral("TX ") : QStringLiteral("RX ")) +
                       (b.bytes.size() == 3 ? QString::fromLatin1(b.bytes)
                                            : QString::fromLatin1(b.bytes.toHex()));
        }
        return out;
    }
};

} // namespace

class TstCapture : public QObject
{
    Q_OBJECT
private slots:
    void splitterCutsBursts_data();
    void splitterCutsBursts();
    void refreshExchangeDecodesTheBlock();
    void silenceSplitsBurstsOnTheWire();
    void timestampsNeverGoBack();
    void namedBytes_data();
    void namedBytes();
    void hexInput_data();
    void hexInput();
    void hexInputSentExactly();
    void ringKeepsTheLastBursts();
    void pauseNotesWhatWentBy();
    void savedFiles();
};

void TstCapture::splitterCutsBursts_data()
{
    // Chunks as "ms:T|R:bytes", separated by blanks; bursts as "T|R:bytes", a
    // continued line with "+".
    QTest::addColumn<QString>("chunks");
    QTest::addColumn<QString>("bursts");
    QTest::newRow("quiet under 60 ms keeps one burst") << "0:R:AB 59:R:C"
                                                       << "R:ABC";
    QTest::newRow("60 ms of quiet ends it") << "0:R:AB 60:R:C"
                                            << "R:AB R:C";
    QTest::newRow("the quiet counts from the last byte") << "0:R:A 50:R:B 100:R:C"
                                                         << "R:ABC";
    QTest::newRow("a change of direction ends it") << "0:T:+++ 1:R:xyz 2:R:w"
                                                   << "T:+++ R:xyzw";
    QTest::newRow("a full line carries on")
        << QStringLiteral("0:R:%1").arg(QString(300, QLatin1Char('a')))
        << QStringLiteral("R:%1 +R:%2")
               .arg(QString(256, QLatin1Char('a')), QString(44, QLatin1Char('a')));
}

void TstCapture::splitterCutsBursts()
{
    QFETCH(QString, chunks);
    QFETCH(QString, bursts);
    BurstSplitter splitter;
    QList<Burst> closed;
    qint64 last = 0;
    for (const QString &chunk : chunks.split(' ')) {
        last = chunk.section(':', 0, 0).toLongLong();
        splitter.feed(last, chunk.section(':', 1, 1) == "T", chunk.section(':', 2).toLatin1(),
                      closed);
    }
    QVERIFY(!splitter.closeIfQuiet(last + 59)); // not quiet long enough yet
    closed << *splitter.closeIfQuiet(last + 60);
    QStringList got;
    for (const Burst &b : closed)
        got << QStringLiteral("%1%2:%3").arg(b.continued ? "+" : "",
                                             b.kind == BurstKind::Sent ? "T" : "R",
                                             QString::fromLatin1(b.bytes));
    QCOMPARE(got.join(' '), bursts);
}

void TstCapture::refreshExchangeDecodesTheBlock()
{
    Rig rig;
    QVERIFY(rig.start());
    // A read as the window makes it: "+++", the answer, 0.2 s later "---".
    rig.link.output("+++");
    QTest::qWait(200);
    rig.link.output("---");
    QTRY_COMPARE_WITH_TIMEOUT(rig.bursts().size(), 3, 5000);
    QCOMPARE(rig.bursts(),
             (QStringList{"TX +++", "RX " + QString::fromLatin1(kBlock.toHex()), "TX ---"}));
    const QString answer = rig.capture.line(1);
    QVERIFY2(answer.contains("RX   12  01 02 03 04 05 06 07 08 06 20 03 11  "), qPrintable(answer));
    QVERIFY2(answer.contains("  block: destination 01020304, local 05060708, 433.920 MHz "
                             "(channel 1568), -9 dBm, 19200 bps  |<SOH><STX>"),
             qPrintable(answer));
    // The same twelve bytes outside an exchange are only bytes.
    rig.module.send(kBlock);
    QTRY_COMPARE_WITH_TIMEOUT(rig.bursts().size(), 4, 5000);
    QVERIFY(!rig.capture.ring().at(3).block);
    QVERIFY(!rig.capture.line(3).contains("block:"));
}

void TstCapture::silenceSplitsBurstsOnTheWire()
{
    Rig rig;
    QVERIFY(rig.start());
    rig.module.send("AB");
    rig.module.sendAfter(5, "CD");   // far inside the quiet-line time
    rig.module.sendAfter(400, "EF"); // far past it
    QTRY_COMPARE_WITH_TIMEOUT(rig.bursts().size(), 2, 5000);
    QCOMPARE(rig.bursts(), (QStringList{"RX 41424344", "RX 4546"}));
    // The open burst shows as the last line until the line goes quiet.
    rig.module.send("G");
    QTRY_VERIFY(rig.capture.openBurst().has_value());
    QCOMPARE(rig.capture.lineCount(), 3);
    QVERIFY(rig.capture.line(2).endsWith("|G|"));
    QTRY_COMPARE(rig.capture.ring().size(), 3);
    QVERIFY(!rig.capture.openBurst());
}

void TstCapture::timestampsNeverGoBack()
{
    Rig rig;
    QVERIFY(rig.start());
    for (int i = 0; i < 6; ++i) {
        rig.link.output(QByteArray(1, char('a' + i)));
        rig.module.sendAfter(10, QByteArray(1, char('A' + i)));
        QTest::qWait(80);
    }
    QTRY_COMPARE_WITH_TIMEOUT(rig.capture.ring().size(), 12, 5000);
    const QStringList lines = rig.capture.lines();
    for (int i = 0; i < rig.capture.ring().size(); ++i) {
        const Burst &b = rig.capture.ring().at(i);
        QVERIFY(b.endMs >= b.startMs);
        if (i == 0)
            continue;
        const Burst &before = rig.capture.ring().at(i - 1);
        QVERIFY2(b.startMs >= before.endMs, qPrintable(lines.at(i)));
        // The shown time and the time since the line before agree with it.
        QVERIFY(lines.at(i).left(12) >= lines.at(i - 1).left(12));
        QVERIFY2(lines.at(i).contains(QStringLiteral("+%1 ms").arg(b.startMs - before.startMs)),
                 qPrintable(lines.at(i)));
    }
}

void TstCapture::namedBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("printable") << QByteArray("AB z~") << "AB z~";
    QTest::newRow("line ends") << QByteArray("AT\r\n") << "AT<CR><LF>";
    QTest::newRow("NUL and ESC") << QByteArray("\x00\x1b", 2) << "<NUL><ESC>";
    QTest::newRow("DEL") << QByteArray("\x7f") << "<DEL>";
    QTest::newRow("high bytes") << QByteArray("\xa5\xff\x80") << "<xA5><xFF><x80>";
    QTest::newRow("XON XOFF") << QByteArray("\x11\x13") << "<DC1><DC3>";
}

void TstCapture::namedBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(zomar::namedBytes(bytes), text);
}

void TstCapture::hexInput_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QByteArray>("bytes"); // empty: refused
    QTest::newRow("hex pairs") << "41 42 0d" << QByteArray("AB\r");
    QTest::newRow("text with an escape") << "AB\\x0d" << QByteArray("AB\r");
    QTest::newRow("0x and runs") << "0x41 4142" << QByteArray("AAB");
    QTest::newRow("bare AB is a hex byte") << "AB" << QByteArray("\xab");
    QTest::newRow("quoted AB is text") << "\"AB\"" << QByteArray("AB");
    QTest::newRow("text") << "AT\\r\\n" << QByteArray("AT\r\n");
    QTest::newRow("odd run is text") << "ABC" << QByteArray("ABC");
    QTest::newRow("NUL") << "\\0\\e" << QByteArray("\x00\x1b", 2);
    QTest::newRow("Latin-1 is a byte") << "\u00e9" << QByteArray("\xe9");
    QTest::newRow("empty") << "  " << QByteArray();
    QTest::newRow("bad hex escape") << "A\\xZ1" << QByteArray();
    QTest::newRow("unknown escape") << "A\\q" << QByteArray();
    QTest::newRow("lone backslash") << "A\\" << QByteArray();
    QTest::newRow("not a byte") << "\u20ac" << QByteArray();
}

void TstCapture::hexInput()
{
    QFETCH(QString, line);
    QFETCH(QByteArray, bytes);
    const Parsed<QByteArray> parsed = parseHexInput(line);
    QCOMPARE(bool(parsed), !bytes.isEmpty());
    if (parsed)
        QCOMPARE(*parsed.value, bytes);
    else
        QVERIFY(!parsed.problem.isEmpty());
}

void TstCapture::hexInputSentExactly()
{
    Rig rig;
    QVERIFY(rig.start());
    const QByteArray all = [] {
        QByteArray b;
        for (int i = 0; i < 256; ++i)
            b.append(char(i));
        return b;
    }();
    const Parsed<QByteArray> parsed = parseHexInput(QString::fromLatin1(all.toHex(' ')));
    QVERIFY(parsed);
    rig.link.output(*parsed.value);
    QTRY_COMPARE_WITH_TIMEOUT(rig.module.receivedBytes(), all, 5000);
    QTRY_COMPARE(rig.capture.ring().size(), 1);
    QCOMPARE(rig.capture.ring().at(0).bytes, all);
}

void TstCapture::ringKeepsTheLastBursts()
{
    CaptureRecorder capture(100);
    for (int i = 0; i < 1000; ++i)
        capture.record(i % 2 == 0, QByteArray::number(i)); // each turn of direction ends one
    capture.flush();
    QCOMPARE(capture.ring().size(), 100);
    QCOMPARE(capture.ring().dropped(), quint64(900));
    QCOMPARE(capture.ring().at(0).bytes, QByteArray("900"));
    QCOMPARE(capture.lineCount(), 101);
    QVERIFY(capture.line(0).contains("900 older burst(s) dropped"));
    QVERIFY(capture.line(100).endsWith("|999|"));
    capture.clear();
    QCOMPARE(capture.lineCount(), 0);
    QCOMPARE(kCaptureCapacity, 100'000);
}

void TstCapture::pauseNotesWhatWentBy()
{
    CaptureRecorder capture;
    capture.record(true, "abc");
    capture.setPaused(true);
    capture.record(true, "defg");
    capture.record(false, "hi");
    capture.setPaused(false);
    capture.record(false, "jk");
    capture.flush();
    const QStringList lines = capture.lines({false, false});
    QCOMPARE(lines, (QStringList{"TX    3  |abc|", "--  capture paused",
                                 "--  capture resumed; not captured while paused: 4 byte(s) sent, "
                                 "2 received",
                                 "RX    2  |jk|"}));
}

void TstCapture::savedFiles()
{
    Rig rig;
    QVERIFY(rig.start());
    rig.link.output("+++");
    QTRY_COMPARE_WITH_TIMEOUT(rig.capture.ring().size(), 2, 5000);
    rig.capture.note("a note");
    QTemporaryDir dir;
    const QString text = dir.filePath("capture.txt");
    QCOMPARE(saveCaptureText(rig.capture, text), QString());
    QFile t(text);
    QVERIFY(t.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(t.readAll()), rig.capture.lines().join('\n') + '\n');

    const QString raw = dir.filePath("capture.bin");
    QCOMPARE(saveCaptureRaw(rig.capture, raw), QString());
    QFile r(raw);
    QVERIFY(r.open(QIODevice::ReadOnly));
    QCOMPARE(r.readAll(), "+++" + kBlock);
    QFile log(logPathFor(raw));
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QStringList logLines = QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(logLines.size(), 5); // two comment lines, two bursts, the note
    QVERIFY2(logLines.at(2).endsWith("TX         0     3  2B 2B 2B"), qPrintable(logLines.at(2)));
    QVERIFY2(logLines.at(3).endsWith("RX         3    12  01 02 03 04 05 06 07 08 06 20 03 11"),
             qPrintable(logLines.at(3)));
    QVERIFY(logLines.at(4).endsWith("# a note"));
    QVERIFY(saveCaptureText(rig.capture, dir.filePath("no/such/folder/x.txt"))
                .contains("cannot be written: the folder"));
}

QTEST_GUILESS_MAIN(TstCapture)
#include "tst_capture.moc"
