// Labels of units that passed: templates read strictly, PDFs rasterised
// (pdftoppm) and their codes read back by real decoders (zbarimg for QR,
// dmtxread for Data Matrix), ZPL received by a label printer of the test's
// own on loopback and compared with a stored file, and printers that refuse,
// never answer or are out of paper told as such.

#include "core/store/StoreReport.h"
#include "core/label/LabelCode2D.h"
#include "core/label/LabelPrinter.h"
#include "core/label/LabelRender.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <ctime>

using namespace zomar;

namespace {

LabelData sampleUnit(const QString &serial = QStringLiteral("SN-0042"))
{
    UnitRow row;
    row.unitId = QStringLiteral("9f1c2a9e-0c1b-4b7e-8d2a-3e4f5a6b7c8d");
    row.state = UnitState::Pass;
    row.local = 0x12C;
    row.station = QStringLiteral("east");
    row.settledAt = QStringLiteral("2026-12-07T08:15:00.000Z");
    row.productSerial = serial;
    // destination FFFFFFFF, local 0000012C, channel 1568 (433.920 MHz), 0 dBm, 19200 bps
    row.blockReadBack = QStringLiteral("FFFFFFFF0000012C06200011");
    return *LabelData::ofUnit(row, Band::Mhz433, nullptr);
}

// What a decoder reads from the label's PDF (first page at 300 dpi).
QString decodePdf(const QString &pdf, LabelCodeKind kind)
{
    QProcess raster;
    raster.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"),
                  QStringLiteral("-singlefile"), pdf, pdf});
    if (!raster.waitForFinished(30000) || raster.exitCode() != 0)
        return QStringLiteral("pdftoppm failed: ") + raster.readAllStandardError();
    QProcess decoder;
    if (kind == LabelCodeKind::Qr)
        decoder.start(QStringLiteral("zbarimg"),
                      {QStringLiteral("--raw"), QStringLiteral("-q"), pdf + QStringLiteral(".png")});
    else if (kind == LabelCodeKind::DataMatrix)
        decoder.start(QStringLiteral("dmtxread"), {pdf + QStringLiteral(".png")});
    else // GS1: its FNC1 read as GS (0x1D), as a scanner sends it
        decoder.start(QStringLiteral("dmtxread"),
                      {QStringLiteral("-G"), QStringLiteral("29"), pdf + QStringLiteral(".png")});
    if (!decoder.waitForFinished(60000))
        return QStringLiteral("the decoder did not finish");
    return QString::fromUtf8(decoder.readAllStandardOutput()).trimmed();
}

// A label printer on loopback: keeps what it gets, answers a status request
// with `status` (none: it never answers).
class PrinterSink : public QTcpServer
{
public:
    explicit PrinterSink(QByteArray status) : m_status(std::move(status))
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            QTcpSocket *s = nextPendingConnection();
            connect(s, &QTcpSocket::readyRead, s, [this, s] {
                received += s->readAll();
                if (received.endsWith("~HS\n") && !m_status.isEmpty())
                    s->write(m_status);
            });
        });
    }
    QByteArray received;

private:
    QByteArray m_status;
};

QByteArray hostStatus(char paperOut, char paused)
{
    return QByteArray("\x02" "030,") + paperOut + ',' + paused +
           ",1245,000,0,0,0,000,0,0,0\x03\r\n\x02" "000,0,0,0,0,2,4,0,00000000,1,000\x03\r\n"
           "\x02" "1234,0\x03\r\n";
}

} // namespace

class TstLabels : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void templatesAreReadStrictly_data();
    void templatesAreReadStrictly();
    void codeTextRoundTrips();
    void pdfCodeDecodesToTheUnit_data();
    void pdfCodeDecodesToTheUnit();
    void zplReachesThePrinter();
    void failingPrintersAreTold_data();
    void failingPrintersAreTold();
    void printerClosedEarlyFinishesItsLabels();
    void preparedLabelsPrintWhatPassed_data();
    void preparedLabelsPrintWhatPassed();

private:
    QTemporaryDir m_dir;
};

void TstLabels::initTestCase()
{
    // The labels' dates in one zone, whatever the machine's.
    qputenv("TZ", "UTC");
    ::tzset();
    QVERIFY(m_dir.isValid());
}

void TstLabels::templatesAreReadStrictly_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("says"); // "" when read
    const QByteArray head = R"("format": "zomar-label", "version": 1)";
    QTest::newRow("defaults") << "{" + head + "}" << QString();
    QTest::newRow("every key")
        << "{" + head +
               R"(, "width_mm": 60, "height_mm": 30, "margin_mm": 2, "code": "datamatrix",
               "code_mm": 20, "font": "DejaVu Sans", "font_pt": 8, "dots_per_mm": 12,
               "fields": ["serial", "address"]})"
        << QString();
    QTest::newRow("unknown key") << "{" + head + R"(, "widht_mm": 50})"
                                 << "did you mean \"width_mm\"";
    QTest::newRow("wrong format") << QByteArray(R"({"format": "zomar-profile", "version": 1})")
                                  << "zomar-label";
    QTest::newRow("code kind") << "{" + head + R"(, "code": "aztec"})"
                               << "\"qr\", \"datamatrix\" or \"gs1-datamatrix\"";
    QTest::newRow("code too big") << "{" + head + R"(, "code_mm": 24})" << "does not fit";
    QTest::newRow("size out of range") << "{" + head + R"(, "width_mm": 2})" << "from 10 to 200";
    QTest::newRow("field twice") << "{" + head + R"(, "fields": ["unit", "unit"]})"
                                 << "named twice";
    QTest::newRow("no such field") << "{" + head + R"(, "fields": ["colour"]})" << "is no field";
    QTest::newRow("printer dots") << "{" + head + R"(, "dots_per_mm": 10})" << "203 dpi";
}

void TstLabels::templatesAreReadStrictly()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, says);
    QString error;
    const std::optional<LabelTemplate> t = LabelTemplate::parse(json, "t.json", &error);
    QCOMPARE(bool(t), says.isEmpty());
    if (!says.isEmpty())
        QVERIFY2(error.startsWith("t.json") && error.contains(says), qPrintable(error));
    else if (json.contains("datamatrix"))
        QCOMPARE(t->fields, (QList<LabelField>{LabelField::Serial, LabelField::Address}));
}

void TstLabels::codeTextRoundTrips()
{
    const LabelData d = sampleUnit(QStringLiteral("A/B 7"));
    QCOMPARE(d.codeText(),
             QStringLiteral("ZOMAR1/9F1C2A9E-0C1B-4B7E-8D2A-3E4F5A6B7C8D/0000012C/A/B 7"));
    const std::optional<LabelCode> back = LabelCode::parse(d.codeText());
    QVERIFY(back);
    QCOMPARE(back->unitId, d.unitId);
    QCOMPARE(back->local, 0x12Cu);
    QCOMPARE(back->serial, QStringLiteral("A/B 7"));
    QVERIFY(!LabelCode::parse(QStringLiteral("ZOMAR1/nothing/0000012C")));
    // A GS1 code: a serial GS1 does not allow cannot go in it (said, never cut).
    QString why;
    LabelData long1 = sampleUnit(QStringLiteral("SN-000000000000000042")); // 21 characters
    QVERIFY(!CodeMatrix::encode(LabelCodeKind::Gs1DataMatrix,
                                long1.codeText(LabelCodeKind::Gs1DataMatrix), &why));
    QVERIFY2(why.contains("cannot hold"), qPrintable(why));
    QVERIFY(!LabelCode::parse(QStringLiteral("]d2") + QChar(0x1d) + QStringLiteral("01095011010209171")));
    QCOMPARE(d.line(LabelField::Frequency), QStringLiteral("433.920 MHz (433 MHz band)"));
    QCOMPARE(d.line(LabelField::RfSpeed), QStringLiteral("RF 19200 bps"));
    // Only a unit that passed gets a label.
    UnitRow failed;
    failed.unitId = "u";
    failed.state = UnitState::Fail;
    QString error;
    QVERIFY(!LabelData::ofUnit(failed, Band::Mhz433, &error));
    QVERIFY(error.contains("did not pass"));
}

void TstLabels::pdfCodeDecodesToTheUnit_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("serial");
    QTest::newRow("qr") << int(LabelCodeKind::Qr) << QStringLiteral("SN-0042");
    QTest::newRow("qr without serial") << int(LabelCodeKind::Qr) << QString();
    QTest::newRow("datamatrix") << int(LabelCodeKind::DataMatrix) << QStringLiteral("SN-0042");
    QTest::newRow("gs1 datamatrix") << int(LabelCodeKind::Gs1DataMatrix) << QStringLiteral("SN-0042");
    QTest::newRow("gs1 without serial") << int(LabelCodeKind::Gs1DataMatrix) << QString();
}

void TstLabels::pdfCodeDecodesToTheUnit()
{
    QFETCH(int, kind);
    QFETCH(QString, serial);
    LabelTemplate t;
    t.code = LabelCodeKind(kind);
    const LabelData d = sampleUnit(serial);
    const LabelTarget target{LabelTarget::Pdf, m_dir.filePath(QTest::currentDataTag()), {}, {}};
    QVERIFY(QDir().mkpath(target.folder));
    QCOMPARE(LabelPrinter::deliver(d, t, target), QString());
    const QString pdf = target.pdfPath(d.unitId, d.local);
    QVERIFY(QFileInfo(pdf).isFile());
    const QString read = decodePdf(pdf, t.code);
    if (t.code == LabelCodeKind::Gs1DataMatrix) {
        // (91) the unit's text, then (21) the serial, a GS between them.
        QString expected = QChar(0x1d) + QStringLiteral("91") + d.codeText(LabelCodeKind::Qr);
        if (!serial.isEmpty()) {
            expected.chop(serial.size() + 1);
            expected += QChar(0x1d) + QStringLiteral("21") + serial;
        }
        QCOMPARE(read, expected);
    } else {
        QCOMPARE(read, d.codeText());
    }
    const std::optional<LabelCode> code = LabelCode::parse(read);
    QVERIFY(code);
    QCOMPARE(code->unitId, d.unitId);
    QCOMPARE(code->local, d.local);
    QCOMPARE(code->serial, serial);
    // Its page is the label's size (50 x 25 mm, in whole points: 142 x 71).
    QProcess info;
    info.start("pdfinfo", {pdf});
    QVERIFY(info.waitForFinished(30000));
    const QByteArray pageInfo = info.readAllStandardOutput();
    QVERIFY2(pageInfo.contains("Page size:       142 x 71 pts"), pageInfo.constData());
}

void TstLabels::zplReachesThePrinter()
{
    PrinterSink sink(hostStatus('0', '0'));
    LabelPrinter printer(LabelTemplate{},
                         {LabelTarget::Zpl, {}, {}, QStringLiteral("127.0.0.1"), sink.serverPort()});
    QSignalSpy done(&printer, &LabelPrinter::finished);
    QStringList recorded;
    printer.setRecorder([&recorded] {
        return [&recorded](const QList<StoreTrace::UnitLabel> &outcomes) {
            for (const auto &[unit, o] : outcomes)
                recorded << unit + (o.printed ? " printed" : " failed");
            return QString();
        };
    });
    printer.print(sampleUnit());
    QTRY_COMPARE_WITH_TIMEOUT(done.size(), 1, 15000);
    const LabelOutcome outcome = done.first().at(1).value<LabelOutcome>();
    QVERIFY2(outcome.printed, qPrintable(outcome.reason));
    QCOMPARE(outcome.target, QStringLiteral("zpl://127.0.0.1:%1").arg(sink.serverPort()));
    QCOMPARE(recorded, QStringList{sampleUnit().unitId + " printed"});
    QFile expected(QFINDTESTDATA("expected/label.zpl"));
    QVERIFY(expected.open(QIODevice::ReadOnly));
    QCOMPARE(sink.received, expected.readAll() + "~HS\n");
}

void TstLabels::failingPrintersAreTold_data()
{
    QTest::addColumn<QByteArray>("status"); // "-": nobody listens
    QTest::addColumn<QString>("says");
    QTest::newRow("refused") << QByteArray("-") << "refused";
    QTest::newRow("never answers") << QByteArray() << "did not answer within 5 s";
    QTest::newRow("out of paper") << hostStatus('1', '0') << "out of paper";
    QTest::newRow("paused") << hostStatus('0', '1') << "paused";
}

void TstLabels::failingPrintersAreTold()
{
    QFETCH(QByteArray, status);
    QFETCH(QString, says);
    PrinterSink sink(status);
    const quint16 port = sink.serverPort();
    if (status == "-")
        sink.close();
    LabelPrinter printer(LabelTemplate{}, {LabelTarget::Zpl, {}, {}, "127.0.0.1", port});
    QSignalSpy done(&printer, &LabelPrinter::finished);
    printer.print(sampleUnit());
    QCOMPARE(printer.pending(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(done.size(), 1, 20000);
    const LabelOutcome outcome = done.first().at(1).value<LabelOutcome>();
    QVERIFY(!outcome.printed);
    QVERIFY2(outcome.reason.contains(says, Qt::CaseInsensitive), qPrintable(outcome.reason));
    QCOMPARE(printer.pending(), 0);
}

void TstLabels::printerClosedEarlyFinishesItsLabels()
{
    // A run that ends while labels are queued: each is printed and recorded.
    const LabelTarget target{LabelTarget::Pdf, m_dir.filePath("early"), {}, {}};
    QVERIFY(QDir().mkpath(target.folder));
    QStringList recorded;
    {
        LabelPrinter printer(LabelTemplate{}, target);
        printer.setRecorder([&recorded] {
            return [&recorded](const QList<StoreTrace::UnitLabel> &outcomes) {
                for (const auto &[unit, o] : outcomes)
                    recorded << unit + (o.printed ? " printed" : " failed");
                return QString();
            };
        });
        for (const char *serial : {"A", "B", "C"})
            printer.print(sampleUnit(QString::fromLatin1(serial)));
    }
    QCOMPARE(recorded.size(), 3);
    QVERIFY(recorded.first().endsWith(" printed"));
    QVERIFY(QFileInfo::exists(target.pdfPath(sampleUnit().unitId, 0x12C)));
}

void TstLabels::preparedLabelsPrintWhatPassed_data()
{
    QTest::addColumn<QString>("serial"); // of the unit when its label is asked for
    QTest::newRow("as prepared") << QStringLiteral("SN-0042");
    QTest::newRow("changed since") << QStringLiteral("SN-0099");
}

void TstLabels::preparedLabelsPrintWhatPassed()
{
    // A label drawn while its module was written is never written before
    // the unit passes, and never printed with what the unit no longer has.
    QFETCH(QString, serial);
    const LabelTarget target{LabelTarget::Pdf, m_dir.filePath(QTest::currentDataTag()), {}, {}};
    QVERIFY(QDir().mkpath(target.folder));
    LabelPrinter printer(LabelTemplate{}, target);
    QSignalSpy done(&printer, &LabelPrinter::finished);
    printer.prepare(sampleUnit(QStringLiteral("SN-0042")));
    QTest::qWait(300);
    QVERIFY(QDir(target.folder).isEmpty());
    const LabelData passed = sampleUnit(serial);
    printer.print(passed);
    QTRY_COMPARE_WITH_TIMEOUT(done.size(), 1, 15000);
    QCOMPARE(decodePdf(target.pdfPath(passed.unitId, passed.local), LabelCodeKind::Qr),
             passed.codeText());
}

QTEST_MAIN(TstLabels)
#include "tst_labels.moc"
