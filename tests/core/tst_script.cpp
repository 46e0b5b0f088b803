// Bench scripts against the virtual module and a pseudo-terminal pair: send
// and expect with and without a time-out, the line of an error, a stop that
// leaves the module out of command mode, refused writes that send nothing,
// the time limit, where a CSV file may go, and macros read as steps.

#include "core/script/Macro.h"
#include "core/script/ScriptCsv.h"
#include "core/script/ScriptRunner.h"
#include "tests/support/TestUtil.h"
#include "tests/support/Wire.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

using namespace zomar;
using namespace zomar::test;

namespace {

// The far end of a port: the test reads what the script sends and answers.
struct PtyPair {
    int master = -1;
    QString slave;
    PtyPair()
    {
        int slaveFd = -1;
        char name[128] = {};
        if (::openpty(&master, &slaveFd, name, nullptr, nullptr) != 0)
            return;
        termios raw{};
        ::tcgetattr(slaveFd, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(slaveFd, TCSANOW, &raw);
        ::close(slaveFd);
        ::fcntl(master, F_SETFL, O_NONBLOCK);
        slave = QString::fromLocal8Bit(name);
    }
    ~PtyPair() { ::close(master); }
    QByteArray read() const
    {
        QByteArray all;
        char buffer[256];
        ssize_t n = 0;
        while ((n = ::read(master, buffer, sizeof buffer)) > 0)
            all.append(buffer, n);
        return all;
    }
    void write(const QByteArray &bytes) const { QVERIFY(::write(master, bytes.constData(), bytes.size()) == bytes.size()); }
};

struct Run {
    ScriptRunner runner;
    QStringList log;
    std::optional<ScriptOutcome> outcome;
    explicit Run(ScriptOptions options = {}) : runner(std::move(options))
    {
        QObject::connect(&runner, &ScriptRunner::logLine, [this](const QString &l) { log << l; });
        QObject::connect(&runner, &ScriptRunner::finished,
                         [this](const ScriptOutcome &o) { outcome = o; });
    }
    bool start(const QString &source) { return runner.start(source, QStringLiteral("/bench/t.js")); }
    bool wait(int ms = 10000)
    {
        QElapsedTimer t;
        t.start();
        while (!outcome && t.elapsed() < ms)
            runEventLoopFor(10);
        return outcome.has_value();
    }
};

} // namespace

class TstScript : public QObject
{
    Q_OBJECT
private slots:
    void sendAndExpect_data();
    void sendAndExpect();
    void errorsNameTheirLine_data();
    void errorsNameTheirLine();
    void stopLeavesCommandMode();
    void timeLimitEndsALoop();
    void refusedWritesSendNothing_data();
    void refusedWritesSendNothing();
    void moduleReadAndWrite();
    void csvStaysInItsFolder();
    void macrosReadAsSteps_data();
    void macrosReadAsSteps();
};

void TstScript::sendAndExpect_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QByteArray>("answer"); // what the far end says to "PING\r\n"
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("logged");
    QTest::newRow("text") << "send('PING\\r\\n'); log(expect('PONG', 2000));" << QByteArray("xxPONGyy")
                          << int(ScriptOutcome::Done) << "PONG";
    QTest::newRow("regexp") << "send('PING\\r\\n'); log(expect(/RSSI (\\d+)/, 2000)[1]);"
                            << QByteArray("RSSI 87\r\n") << int(ScriptOutcome::Done) << "87";
    QTest::newRow("bytes") << "send(new Uint8Array([80,73,78,71,13,10])); log(expect([[0xA5, 0x01]], 2000).length);"
                           << QByteArray("\x00\xA5\x01", 3) << int(ScriptOutcome::Done) << "2";
    QTest::newRow("alternatives") << "send('PING\\r\\n'); log(expect(['ERROR', 'OK'], 2000));"
                                  << QByteArray("OK\r\n") << int(ScriptOutcome::Done) << "OK";
    QTest::newRow("time-out caught") << "send('PING\\r\\n'); try { expect('PONG', 300) } catch (e) { log(e.name, e.received) }"
                                     << QByteArray("PANG") << int(ScriptOutcome::Done) << "TimeoutError PANG";
    QTest::newRow("time-out") << "send('PING\\r\\n');\nexpect('PONG', 300);" << QByteArray("PANG")
                              << int(ScriptOutcome::Timeout) << "";
}

void TstScript::sendAndExpect()
{
    QFETCH(QString, script);
    QFETCH(QByteArray, answer);
    QFETCH(int, kind);
    QFETCH(QString, logged);
    PtyPair far;
    QVERIFY(!far.slave.isEmpty());
    Run run;
    run.runner.useDevice(far.slave, 38400);
    QVERIFY(run.start(script));
    QByteArray got;
    QTRY_VERIFY_WITH_TIMEOUT((got += far.read()).contains("PING\r\n"), 5000);
    QCOMPARE(got, QByteArray("PING\r\n"));
    far.write(answer);
    QVERIFY(run.wait());
    QCOMPARE(int(run.outcome->kind), kind);
    if (!logged.isEmpty())
        QCOMPARE(run.log, QStringList{logged});
    if (kind == ScriptOutcome::Timeout) {
        // Says what it waited for, how long, and what came instead, at its line.
        QCOMPARE(run.outcome->line, 2);
        QVERIFY2(run.outcome->message.contains("\"PONG\": nothing matched within 300 ms"),
                 qPrintable(run.outcome->message));
        QVERIFY2(run.outcome->message.endsWith("received \"PANG\""), qPrintable(run.outcome->message));
    }
}

void TstScript::errorsNameTheirLine_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("message");
    QTest::newRow("thrown") << "log(1);\n\nthrow new Error('boom');" << 3 << "Error: boom";
    QTest::newRow("syntax") << "log(1);\nlet = = 2;" << 2 << "SyntaxError";
    QTest::newRow("in a function") << "function f() {\n  sleep('soon');\n}\nf();" << 2
                                   << "TypeError: sleep: a number of milliseconds";
    QTest::newRow("no port") << "\nsend('x');" << 2 << "no port is open for the script";
    QTest::newRow("no file access") << "readFile('/etc/passwd');" << 1 << "ReferenceError";
}

void TstScript::errorsNameTheirLine()
{
    QFETCH(QString, script);
    QFETCH(int, line);
    QFETCH(QString, message);
    Run run;
    QVERIFY(run.start(script));
    QVERIFY(run.wait());
    QCOMPARE(run.outcome->kind, ScriptOutcome::Error);
    QCOMPARE(run.outcome->line, line);
    QVERIFY2(run.outcome->message.contains(message), qPrintable(run.outcome->message));
    QVERIFY(run.outcome->text().startsWith(QStringLiteral("/bench/t.js:%1: ").arg(line)));
}

void TstScript::stopLeavesCommandMode()
{
    VirtualModule module;
    QVERIFY(module.start());
    Run run;
    run.runner.useDevice(module.devicePath(), 38400);
    QVERIFY(run.start("send('+++'); expect('never', 60000);"));
    QTRY_VERIFY_WITH_TIMEOUT(module.inCommandMode(), 5000);
    QElapsedTimer t;
    t.start();
    run.runner.stop();
    QVERIFY(run.wait());
    QVERIFY2(t.elapsed() < 3000, qPrintable(QString::number(t.elapsed())));
    QCOMPARE(run.outcome->kind, ScriptOutcome::Stopped);
    QVERIFY(run.outcome->notes.join(' ').contains("sent \"---\""));
    QTRY_VERIFY_WITH_TIMEOUT(!module.inCommandMode(), 3000);
    const QList<WireMessage> wire = wireMessages(module.received());
    QVERIFY(!wire.isEmpty());
    QCOMPARE(wire.last().bytes, QByteArray("---"));
}

void TstScript::timeLimitEndsALoop()
{
    ScriptOptions options;
    options.timeLimitMs = 300;
    Run run(options);
    QVERIFY(run.start("let n = 0;\nwhile (true) { n++; }"));
    QVERIFY(run.wait(5000));
    QCOMPARE(run.outcome->kind, ScriptOutcome::TimeLimit);
}

void TstScript::refusedWritesSendNothing_data()
{
    QTest::addColumn<QString>("changes");
    QTest::addColumn<QString>("why");
    QTest::newRow("power off the table") << "{tx_power: -10}" << "tx_power";
    QTest::newRow("frequency between channels") << "{frequency_mhz: 433.921}" << "frequency_mhz";
    QTest::newRow("unknown key") << "{tx_powr: '-9 dBm'}" << "tx_powr";
    QTest::newRow("nothing named") << "{}" << "names no field";
    QTest::newRow("unreadable byte") << "{local: 0xA5}" << "A5";
    QTest::newRow("not an object") << "'-9 dBm'" << "give the fields";
}

void TstScript::refusedWritesSendNothing()
{
    QFETCH(QString, changes);
    QFETCH(QString, why);
    VirtualModule module;
    QVERIFY(module.start());
    Run run;
    run.runner.useDevice(module.devicePath(), 38400);
    QVERIFY(run.start(QStringLiteral("module.write(%1);").arg(changes)));
    QVERIFY(run.wait());
    QVERIFY2(run.outcome->message.contains(why), qPrintable(run.outcome->message));
    QVERIFY(run.outcome->kind == ScriptOutcome::ModuleFailed || run.outcome->kind == ScriptOutcome::Error);
    runEventLoopFor(100);
    QCOMPARE(module.receivedBytes(), QByteArray());
    QCOMPARE(module.configuration(), VirtualModule::factoryConfiguration());
}

void TstScript::moduleReadAndWrite()
{
    VirtualModule module;
    QVERIFY(module.start());
    Run run;
    run.runner.useDevice(module.devicePath(), 38400);
    QVERIFY(run.start("const c = module.read(); log(c.frequency_mhz, c.tx_power);\n"
                      "c.tx_power = '-9 dBm'; log(module.write(c).tx_power);\n"
                      "log(module.reset().block);"));
    QVERIFY(run.wait());
    QVERIFY2(run.outcome->ok(), qPrintable(run.outcome->text()));
    QCOMPARE(run.log, (QStringList{"433.920 0 dBm", "-9 dBm", "000000000000000006200011"}));
    QCOMPARE(exchangeFault(wireMessages(module.received())), QString());
}

void TstScript::csvStaysInItsFolder()
{
    QTemporaryDir dir;
    for (const char *name : {"../up", "/etc/x", "a/b", ".hidden", ""})
        QVERIFY2(ScriptCsv::fileName(name).isEmpty(), qPrintable(name));
    QCOMPARE(ScriptCsv::fileName("soak"), QString("soak.csv"));
    ScriptOptions options;
    options.outputFolder = dir.path();
    Run run(options);
    QVERIFY(run.start("const f = csv('log', ['n', 'text']);\nf.row(1, 'a,\"b\"');\nf.row({n: 2});\n"
                      "csv('../escape', ['x']);"));
    QVERIFY(run.wait());
    QCOMPARE(run.outcome->line, 4);
    QFile file(dir.filePath("log.csv"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("n,text\r\n1,\"a,\"\"b\"\"\"\r\n2,\r\n"));
    QVERIFY(!QFile::exists(dir.filePath("../escape.csv")));
}

void TstScript::macrosReadAsSteps_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("script"); // "" when refused
    QTest::addColumn<QString>("problem");
    QTest::newRow("all steps") << "send +++\n# comment\nwait 200\nexpect 41 42 500\nexpect OK"
                               << "send(new Uint8Array([43,43,43]));\n\nsleep(200);\n"
                                  "expect(new Uint8Array([65,66]), 500);\nexpect(new Uint8Array([79,75]), 1000);"
                               << "";
    QTest::newRow("unknown step") << "send 41\njump 3" << "" << "line 2: \"jump\" is not a step";
    QTest::newRow("bad wait") << "wait soon" << "" << "line 1: wait takes milliseconds";
    QTest::newRow("bad bytes") << "send \\xZZ" << "" << "line 1:";
}

void TstScript::macrosReadAsSteps()
{
    QFETCH(QString, steps);
    QFETCH(QString, script);
    QFETCH(QString, problem);
    const Parsed<QString> made = macroScript({QStringLiteral("m"), steps});
    if (script.isEmpty()) {
        QVERIFY(!made);
        QVERIFY2(made.problem.startsWith(problem), qPrintable(made.problem));
    } else {
        QCOMPARE(*made.value, script);
    }
    const QList<Macro> kept = {{"a", steps}, {"b \"q\"", "wait 1"}};
    QCOMPARE(macrosFromJson(macrosJson(kept)), kept);
}

QTEST_GUILESS_MAIN(TstScript)
#include "tst_script.moc"
