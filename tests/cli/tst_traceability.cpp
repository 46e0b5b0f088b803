// zomar-cli's traceability on virtual modules: a label for each module that
// passes (to a PDF folder whose codes a real decoder reads back, to a label
// printer of the test's own on loopback), a printer that refuses leaving the
// PASS as it was, a label printed again, product serials bound once, and the
// line's figures.

#include "tests/cli/CliRun.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QTcpSocket>

using namespace zomar::test;

namespace {

QList<QJsonObject> jsonLines(const QString &out)
{
    QList<QJsonObject> lines;
    for (const QString &line : out.split('\n', Qt::SkipEmptyParts))
        lines << QJsonDocument::fromJson(line.toUtf8()).object();
    return lines;
}

QList<QJsonObject> withKey(const QList<QJsonObject> &lines, const char *key)
{
    QList<QJsonObject> found;
    for (const QJsonObject &o : lines)
        if (o.contains(QLatin1String(key)))
            found << o;
    return found;
}

// A label printer: keeps what it gets, answers each status request "ready".
class PrinterSink : public QTcpServer
{
public:
    PrinterSink()
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            QTcpSocket *s = nextPendingConnection();
            connect(s, &QTcpSocket::readyRead, s, [this, s] {
                received += s->readAll();
                if (received.endsWith("~HS\n"))
                    s->write("\x02" "030,0,0,1245,000,0,0,0,000,0,0,0\x03\r\n\x02"
                             "000,0,0,0,0,2,4,0,00000000,1,000\x03\r\n\x02" "1234,0\x03\r\n");
            });
        });
    }
    QByteArray received;
};

} // namespace

class TstTraceability : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void labelsFollowPasses_data();
    void labelsFollowPasses();
    void refusingPrinterKeepsThePass();
    void serialsAndFigures();
    void programAsksForSerials();

private:
    // Runs the command with the event loop going (a printer of the test's own answers).
    CliRun runLive(const QStringList &args)
    {
        const std::unique_ptr<QProcess> p = startCli(args);
        [&] { QTRY_VERIFY_WITH_TIMEOUT(p->state() == QProcess::NotRunning, 60000); }();
        CliRun r;
        r.exitCode = p->exitStatus() == QProcess::NormalExit ? p->exitCode() : -1;
        r.out = QString::fromUtf8(p->readAllStandardOutput());
        r.err = QString::fromUtf8(p->readAllStandardError());
        return r;
    }
    QStringList program(const QString &store, int modules)
    {
        return {"program", "--simulate", QString::number(modules), "--profile", m_profile,
                "--local-from", "200", "--store", store, "--json"};
    }
    QTemporaryDir m_dir;
    QString m_profile;
};

void TstTraceability::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_profile = writeFile(m_dir, "p.json",
                          R"({"format": "zomar-profile", "version": 1, "band": "868",
                              "frequency_mhz": "868.300", "rf_speed": "9600 bps"})");
}

void TstTraceability::labelsFollowPasses_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("pdf") << "pdf";
    QTest::newRow("zpl") << "zpl";
}

void TstTraceability::labelsFollowPasses()
{
    QFETCH(QString, kind);
    PrinterSink sink;
    const QString folder = m_dir.filePath("labels-" + kind);
    QVERIFY(QDir().mkpath(folder));
    const QString store = m_dir.filePath("labels-" + kind + ".db");
    const QString target = kind == "pdf" ? "pdf:" + folder
                                         : QStringLiteral("zpl://127.0.0.1:%1").arg(sink.serverPort());
    const CliRun run = runLive(program(store, 2) << "--label" << target);
    QCOMPARE(run.exitCode, 0);
    const QList<QJsonObject> lines = jsonLines(run.out);
    const QList<QJsonObject> passes = withKey(lines, "result");
    const QList<QJsonObject> labels = withKey(lines, "label");
    QCOMPARE(passes.size(), 2);
    QCOMPARE(labels.size(), 2);
    for (const QJsonObject &label : labels) {
        QCOMPARE(label["label"].toString(), QStringLiteral("printed"));
        QCOMPARE(label["target"].toString(), target);
    }
    // Each label is its unit's: the code holds the row's id and address.
    const QJsonObject first = passes.first();
    const QString unit = first["unit_id"].toString();
    const QString code = "ZOMAR1/" + unit.toUpper() + "/" + first["local"].toString();
    if (kind == "pdf") {
        const QString pdf = folder + "/label-" + first["local"].toString() + "-" + unit + ".pdf";
        QVERIFY2(QFileInfo(pdf).isFile(), qPrintable(pdf));
        QProcess raster;
        raster.start("pdftoppm", {"-r", "300", "-png", "-singlefile", pdf, pdf});
        QVERIFY(raster.waitForFinished(30000));
        QProcess zbar;
        zbar.start("zbarimg", {"--raw", "-q", pdf + ".png"});
        QVERIFY(zbar.waitForFinished(30000));
        QCOMPARE(QString::fromUtf8(zbar.readAllStandardOutput()).trimmed(), code);
    } else {
        QCOMPARE(sink.received.count("^XA"), 2);
        QVERIFY(sink.received.contains("868.300 MHz (868 MHz band)"));
        QVERIFY(sink.received.contains("RF 9600 bps"));
    }
    const CliRun list = runCli({"records", "list", "--store", store, "--json"});
    for (const QJsonObject &row : jsonLines(list.out)) {
        QCOMPARE(row["label_state"].toString(), QStringLiteral("printed"));
        QCOMPARE(row["label_target"].toString(), target);
    }
}

void TstTraceability::refusingPrinterKeepsThePass()
{
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const QString target = QStringLiteral("zpl://127.0.0.1:%1").arg(closed.serverPort());
    closed.close();
    const QString store = m_dir.filePath("refused.db");
    const CliRun run = runLive(program(store, 1) << "--label" << target);
    QCOMPARE(run.exitCode, 0);
    const QList<QJsonObject> lines = jsonLines(run.out);
    QCOMPARE(withKey(lines, "result").first()["result"].toString(), QStringLiteral("PASS"));
    const QJsonObject label = withKey(lines, "label").first();
    QCOMPARE(label["label"].toString(), QStringLiteral("failed"));
    QVERIFY2(label["reason"].toString().contains("refused", Qt::CaseInsensitive),
             qPrintable(label["reason"].toString()));
    const QString unit = label["unit_id"].toString();

    // The row keeps the pass and says why there is no label.
    QJsonObject row = jsonLines(runCli({"records", "list", "--store", store, "--json"}).out).first();
    QCOMPARE(row["state"].toString(), QStringLiteral("pass"));
    QCOMPARE(row["label_state"].toString(), QStringLiteral("failed"));
    QVERIFY(row["label_reason"].toString().contains("refused", Qt::CaseInsensitive));

    // Printed again, once the printer is there; a second refusal exits 5.
    const CliRun again = runCli({"records", "label", unit, "--store", store, "--label", target});
    QCOMPARE(again.exitCode, 5);
    QVERIFY2(again.err.contains("label not printed"), qPrintable(again.err));
    PrinterSink sink;
    const QString printer = QStringLiteral("zpl://127.0.0.1:%1").arg(sink.serverPort());
    const CliRun reprint = runLive({"records", "label", unit, "--store", store, "--label", printer});
    QCOMPARE(reprint.exitCode, 0);
    QCOMPARE(sink.received.count("^XA"), 1);
    QVERIFY(sink.received.contains(unit.toLatin1())); // the id along the label's foot
    QVERIFY(sink.received.contains("868.300 MHz")); // the band from the unit's profile
    row = jsonLines(runCli({"records", "list", "--store", store, "--json"}).out).first();
    QCOMPARE(row["label_state"].toString(), QStringLiteral("printed"));
    QCOMPARE(row["label_target"].toString(), printer);
}

void TstTraceability::serialsAndFigures()
{
    const QString store = m_dir.filePath("serials.db");
    const CliRun run = runCli(program(store, 2), 60000);
    QCOMPARE(run.exitCode, 0);
    const QList<QJsonObject> passes = withKey(jsonLines(run.out), "result");
    QCOMPARE(passes.size(), 2);
    const QString a = passes[0]["unit_id"].toString();
    const QString b = passes[1]["unit_id"].toString();
    const QStringList pattern{"--serial-pattern", "SN-[0-9]{4}", "--store", store};

    QCOMPARE(runCli(QStringList{"records", "serial", a, "SN-0001"} + pattern).exitCode, 0);
    const CliRun twice = runCli(QStringList{"records", "serial", b, "SN-0001"} + pattern);
    QCOMPARE(twice.exitCode, 4);
    QVERIFY2(twice.err.contains("already bound to unit " + a), qPrintable(twice.err));
    const CliRun wrong = runCli(QStringList{"records", "serial", b, "0001"} + pattern);
    QCOMPARE(wrong.exitCode, 4);
    QVERIFY2(wrong.err.contains("does not match SN-[0-9]{4}"), qPrintable(wrong.err));

    const QList<QJsonObject> found =
        jsonLines(runCli({"records", "list", "--serial", "SN-0001", "--store", store, "--json"}).out);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first()["unit_id"].toString(), a);

    const QJsonObject stats =
        QJsonDocument::fromJson(runCli({"records", "stats", "--store", store, "--json"}).out.toUtf8())
            .object();
    QCOMPARE(stats["units_tested"].toInt(), 2);
    QCOMPARE(stats["units_passed"].toInt(), 2);
    QCOMPARE(stats["first_pass_yield"].toDouble(), 1.0);
    QCOMPARE(stats["units_without_serial"].toInt(), 1);
    QVERIFY(stats["units_per_hour"].isNull()); // under a minute of work
    const CliRun text = runCli({"records", "stats", "--store", store, "--station", "nowhere"});
    QCOMPARE(text.exitCode, 0);
    QCOMPARE(text.out.trimmed(), QStringLiteral("No units tested."));
}

void TstTraceability::programAsksForSerials()
{
    const QString store = m_dir.filePath("asked.db");
    const QString folder = m_dir.filePath("labels-asked");
    QVERIFY(QDir().mkpath(folder));
    QStringList args = program(store, 2);
    args.removeAll("--json");
    const std::unique_ptr<QProcess> p =
        startCli(args << "--serial-pattern" << "SN-[0-9]{4}" << "--label" << "pdf:" + folder);
    QString err;
    // Waits until standard error has said `text` `times` times in all.
    const auto said = [&](const QString &text, int times) {
        return QTest::qWaitFor(
            [&] {
                err += QString::fromUtf8(p->readAllStandardError());
                return err.count(text) >= times;
            },
            30000);
    };
    const QString ask = "Scan the product serial of unit ";
    QVERIFY2(said(ask, 1), qPrintable(err));
    p->write("SN-1\n");
    QVERIFY2(said("product serial SN-1 does not match SN-[0-9]{4}: not bound; scan it again.", 1),
             qPrintable(err));
    QVERIFY2(said(ask, 2), qPrintable(err));
    p->write("SN-0001\n");
    QVERIFY2(said(ask, 3), qPrintable(err)); // the second unit
    p->write("SN-0001\n");
    QVERIFY2(said("is already bound to unit ", 1), qPrintable(err));
    p->write("SN-0002\n");
    const CliRun run = finishCli(*p, 60000);
    QCOMPARE(run.exitCode, 0);
    // Each unit's serial on a line of its own, and on its label.
    const QStringList serials = run.out.split('\n').filter(QRegularExpression("^SERIAL  "));
    QCOMPARE(serials.size(), 2);
    QVERIFY2(serials[0].contains("local 00000200  S/N SN-0001"), qPrintable(run.out));
    QVERIFY2(serials[1].contains("local 00000201  S/N SN-0002"), qPrintable(run.out));
    const QList<QJsonObject> rows =
        jsonLines(runCli({"records", "list", "--store", store, "--json"}).out);
    QCOMPARE(rows.size(), 2);
    for (const QJsonObject &row : rows) {
        const QString serial = row["local"].toString() == "00000200" ? "SN-0001" : "SN-0002";
        QCOMPARE(row["product_serial"].toString(), serial);
        QCOMPARE(row["label_state"].toString(), QStringLiteral("printed"));
        const QString pdf = folder + "/label-" + row["local"].toString() + "-" +
                            row["unit_id"].toString() + ".pdf";
        QProcess raster;
        raster.start("pdftoppm", {"-r", "300", "-png", "-singlefile", pdf, pdf});
        QVERIFY(raster.waitForFinished(30000) && raster.exitCode() == 0);
        QProcess zbar;
        zbar.start("zbarimg", {"--raw", "-q", pdf + ".png"});
        QVERIFY(zbar.waitForFinished(30000));
        QCOMPARE(QString::fromUtf8(zbar.readAllStandardOutput()).trimmed(),
                 "ZOMAR1/" + row["unit_id"].toString().toUpper() + "/" + row["local"].toString() +
                     "/" + serial);
    }

    // Serials read ahead (a file) go to the units in turn; at the end of
    // standard input the rest go on without one.
    const std::unique_ptr<QProcess> ahead =
        startCli(program(m_dir.filePath("ahead.db"), 2) << "--serial-pattern" << "SN-.*");
    ahead->write("SN-0009\n");
    ahead->closeWriteChannel();
    const CliRun read = finishCli(*ahead, 60000);
    QCOMPARE(read.exitCode, 0);
    QVERIFY2(read.err.contains("Standard input ended: units with no serial read go on without "
                               "one"),
             qPrintable(read.err));
    const QList<QJsonObject> bound = withKey(jsonLines(read.out), "product_serial");
    QCOMPARE(bound.size(), 1);
    QCOMPARE(bound.first()["product_serial"].toString(), QStringLiteral("SN-0009"));
    QCOMPARE(withKey(jsonLines(read.out), "result").size(), 2);
    // Standard input already at its end: the run ends once, as without serials.
    QStringList none = program(m_dir.filePath("none.db"), 1);
    none.removeAll("--json");
    const std::unique_ptr<QProcess> closed = startCli(none << "--serial-pattern" << "SN-.*");
    closed->closeWriteChannel();
    const CliRun ended = finishCli(*closed, 60000);
    QCOMPARE(ended.exitCode, 0);
    QCOMPARE(ended.out.count("1 module: 1 PASS, 0 FAIL"), 1);
}

QTEST_GUILESS_MAIN(TstTraceability)
#include "tst_traceability.moc"
