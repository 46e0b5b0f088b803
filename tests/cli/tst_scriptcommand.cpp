// zomar-cli script as a user runs it: the example scripts of docs/ pass on
// virtual modules, and each way a script ends has its exit code and its
// line on stderr; Ctrl+C leaves the module out of command mode.

#include "tests/cli/CliRun.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using namespace zomar::test;

namespace {

QString example(const QString &name)
{
    return QFileInfo(QStringLiteral(ZOMAR_README)).absolutePath() + QStringLiteral("/docs/scripts/") + name;
}

} // namespace

class TstScriptCommand : public QObject
{
    Q_OBJECT
private slots:
    void examplesPass_data();
    void examplesPass();
    void endsHaveTheirCodes_data();
    void endsHaveTheirCodes();
    void ctrlCLeavesCommandMode();
};

void TstScriptCommand::examplesPass_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("csv");
    QTest::addColumn<QString>("last");
    QTest::newRow("soak") << QStringList{example("soak.js"), "--simulate", "--", "3"} << "soak.csv"
                          << "soak: 3 of 3 cycles verified; the module is back at 0 dBm";
    QTest::newRow("range check")
        << QStringList{example("range-check.js"), "--simulate", "2", "--", "5"} << "range-check.csv"
        << "range check: 5 of 5 packets came back (100 %)";
}

void TstScriptCommand::examplesPass()
{
    QFETCH(QStringList, args);
    QFETCH(QString, csv);
    QFETCH(QString, last);
    QTemporaryDir dir;
    const CliRun r = runCli(QStringList{"script", "--output", dir.path()} + args, 60000);
    QVERIFY2(r.exitCode == 0, qPrintable(r.err + r.out));
    QVERIFY2(r.out.trimmed().split('\n').last().startsWith(last), qPrintable(r.out));
    QFile file(dir.filePath(csv));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = file.readAll().split('\n');
    QCOMPARE(rows.size(), args.last().toInt() + 2); // header, rows, the empty end
}

void TstScriptCommand::endsHaveTheirCodes_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("err");
    QTest::newRow("thrown") << QByteArray("log('a');\nthrow new Error('bad unit');\n") << QStringList()
                            << 6 << "t.js:2: Error: bad unit";
    QTest::newRow("expect timed out") << QByteArray("expect('OK', 200);") << QStringList{"--simulate"}
                                      << 7 << "t.js:1: TimeoutError: expect \"OK\"";
    QTest::newRow("time limit") << QByteArray("for (;;) {}") << QStringList{"--timeout", "0.5"} << 7
                                << "ran past its time limit";
    QTest::newRow("refused write") << QByteArray("module.write({tx_power: -10});")
                                   << QStringList{"--simulate"} << 4 << "not a TX power";
    QTest::newRow("no port") << QByteArray("open('/nonexistent/tty0', 38400);") << QStringList() << 5
                             << "open: No such device";
    QTest::newRow("bad timeout") << QByteArray("") << QStringList{"--timeout", "x"} << 1 << "--timeout x";
}

void TstScriptCommand::endsHaveTheirCodes()
{
    QFETCH(QByteArray, script);
    QFETCH(QStringList, options);
    QFETCH(int, code);
    QFETCH(QString, err);
    QTemporaryDir dir;
    const QString path = writeFile(dir, "t.js", script);
    const CliRun r = runCli(QStringList{"script", path} + options);
    QCOMPARE(r.exitCode, code);
    QVERIFY2(r.err.contains(err), qPrintable(r.err));
}

void TstScriptCommand::ctrlCLeavesCommandMode()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, "t.js", "send('+++');\nlog('in');\nsleep(60000);\n");
    const QString trace = dir.filePath("trace.txt");
    const auto p = startCli({"script", path, "--simulate", "--trace", trace});
    QTRY_VERIFY_WITH_TIMEOUT(p->bytesAvailable() > 0 || p->canReadLine(), 10000);
    ::kill(static_cast<pid_t>(p->processId()), SIGINT);
    const CliRun r = finishCli(*p);
    QCOMPARE(r.exitCode, 130);
    QVERIFY2(r.err.contains("sent \"---\""), qPrintable(r.err));
    QFile file(trace);
    QVERIFY(file.open(QIODevice::ReadOnly));
    // The last bytes sent: "---".
    QStringList sent;
    for (const QString &line : QString::fromUtf8(file.readAll()).split('\n'))
        if (line.contains(" > "))
            sent << line.section(" > ", 1).section(' ', 0, 0);
    QCOMPARE(sent.mid(sent.size() - 3), (QStringList{"2d", "2d", "2d"}));
}

QTEST_GUILESS_MAIN(TstScriptCommand)
#include "tst_scriptcommand.moc"
