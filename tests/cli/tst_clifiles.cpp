// What zomar-cli writes, as a user meets it: every file option refuses a
// device, a FIFO or a folder (nodes this test makes) and leaves it as it
// was; a full file system (a tmpfs this test mounts) and a full device as
// the output end the run with exit code 1 and one line, never "done" over
// an empty file; a reader that goes away ends monitor at once and quietly;
// and doctor names the program that holds a port.

#include "sim/VirtualModule.h"
#include "tests/cli/CliRun.h"
#include "tests/support/FileNodes.h"
#include "tests/support/FullDisk.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <sys/stat.h>

using namespace zomar;
using namespace zomar::test;

namespace {

std::unique_ptr<VirtualModule> module()
{
    auto m = std::make_unique<VirtualModule>();
    if (!m->start())
        return nullptr;
    m->setConfiguration(QByteArray::fromHex("010203040506070806200311"));
    return m;
}

mode_t modeOf(const QString &path)
{
    struct stat st {
    };
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode : 0;
}

// The command with FILE for the path written and STORE for the test's store;
// a module's device is added where DEV stands.
QStringList filled(QStringList args, const QString &file, const QString &store,
                   const QString &device)
{
    args.replaceInStrings(QRegularExpression("^FILE$"), file);
    args.replaceInStrings(QRegularExpression("^STORE$"), store);
    args.replaceInStrings(QRegularExpression("^DEV$"), device);
    return args;
}

} // namespace

class TstCliFiles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void refusesWhatIsNotAFile_data();
    void refusesWhatIsNotAFile();
    void fullFileSystem_data();
    void fullFileSystem();
    void outputToAFullDevice_data();
    void outputToAFullDevice();
    void monitorEndsWhenItsReaderGoes_data();
    void monitorEndsWhenItsReaderGoes();
    void doctorNamesTheProgramHoldingThePort();

private:
    QTemporaryDir m_dir;
    QString m_store;
};

void TstCliFiles::initTestCase()
{
    const QString profile = writeFile(m_dir, "site.json",
                                      R"({"format": "zomar-profile", "version": 1,
                                          "tx_power": "-9 dBm"})");
    m_store = m_dir.filePath("records.db");
    const CliRun made = runCli({"program", "--simulate", "2", "--profile", profile, "--local-from",
                                "100", "--store", m_store});
    QVERIFY2(made.exitCode == 0, qPrintable(made.err));
}

// The file options, the data the test runs each with.
static void addFileCommands(const char *what)
{
    const QList<QPair<const char *, QStringList>> commands = {
        {"read --save", {"read", "--device", "DEV", "--save", "FILE"}},
        {"read --trace", {"read", "--device", "DEV", "--trace", "FILE"}},
        {"monitor --capture",
         {"monitor", "--device", "DEV", "--capture", "FILE", "--duration", "0.3"}},
        {"linktest --csv", {"linktest", "--simulate", "2", "--count", "3", "--csv", "FILE"}},
        {"records export --csv", {"records", "export", "--csv", "FILE", "--store", "STORE"}},
    };
    for (const auto &[name, args] : commands)
        QTest::addRow("%s, %s", name, what) << args;
}

void TstCliFiles::refusesWhatIsNotAFile_data()
{
    QTest::addColumn<QStringList>("args");
    for (const char *kind : {"device", "FIFO", "folder"})
        addFileCommands(kind);
}

void TstCliFiles::refusesWhatIsNotAFile()
{
    QFETCH(QStringList, args);
    const QString tag = QString::fromLatin1(QTest::currentDataTag());
    const QString kind = tag.section(", ", 1);
    const QString says = kind == "device" ? "a character device"
                         : kind == "FIFO" ? "a FIFO (named pipe)"
                                          : "a folder";
    const QString path = m_dir.filePath(tag.section(", ", 0, 0).replace(' ', '_') + '.' + kind);
    if (const QString why = makeNode(kind, path); !why.isEmpty())
        QSKIP(qPrintable(why));
    const mode_t before = modeOf(path);
    auto m = module();
    QVERIFY(m);
    QElapsedTimer clock;
    clock.start();
    const CliRun r = runCli(filled(args, path, m_store, m->devicePath()), 10000);
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(QStringLiteral("%1: is %2, not a file").arg(path, says)),
             qPrintable(r.err));
    QCOMPARE(modeOf(path), before);             // what stood there still does
    QCOMPARE(m->receivedBytes(), QByteArray()); // refused before anything was sent
    QVERIFY(clock.elapsed() < 8000);            // a FIFO hangs nothing
}

void TstCliFiles::fullFileSystem_data()
{
    QTest::addColumn<QStringList>("args");
    addFileCommands("full disk");
}

void TstCliFiles::fullFileSystem()
{
    QFETCH(QStringList, args);
    FullDisk disk;
    if (const QString why = disk.mount({{"old.txt", "the old file\n"}}); !why.isEmpty())
        QSKIP(qPrintable(why));
    // A whole file over an old one, which must stay; a stream to a new file
    // (emptying the old one would make room).
    const bool stream = args.contains("--trace") || args.contains("--capture");
    const QString path = disk.filePath(stream ? "new.txt" : "old.txt");
    auto m = module();
    QVERIFY(m);
    const CliRun r = runCli(filled(args, path, m_store, m->devicePath()));
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains("No space left on device"), qPrintable(r.err));
    QVERIFY2(!r.out.contains("Saved as a profile") && !r.err.contains("unit(s) written"),
             qPrintable(r.out + r.err));
    // Only --save gets as far as the module: a stream's heading is written
    // before anything is sent.
    QCOMPARE(m->receivedBytes().isEmpty(), !args.contains("--save"));
    QFile old(disk.filePath("old.txt"));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("the old file\n"));
    const QStringList entries = stream ? QStringList{"new.txt", "old.txt"} // made, and empty
                                       : QStringList{"old.txt"};
    QCOMPARE(disk.entries(), entries); // no temporary file left
}

void TstCliFiles::outputToAFullDevice_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("read") << QStringList{"read", "--device", "DEV"};
    QTest::newRow("read --json") << QStringList{"read", "--device", "DEV", "--json"};
    QTest::newRow("monitor") << QStringList{"monitor", "--device",   "DEV", "--send",
                                            "+++",     "--duration", "5"};
    QTest::newRow("linktest") << QStringList{"linktest", "--simulate", "2", "--count", "3"};
    QTest::newRow("records list") << QStringList{"records", "list", "--store", "STORE"};
    QTest::newRow("records export to the output")
        << QStringList{"records", "export", "--csv", "-", "--store", "STORE"};
    QTest::newRow("help") << QStringList{"--help"};
}

void TstCliFiles::outputToAFullDevice()
{
    QFETCH(QStringList, args);
    const QString full = m_dir.filePath("full-output");
    if (!QFileInfo::exists(full))
        if (const QString why = makeNode("device", full); !why.isEmpty())
            QSKIP(qPrintable(why));
    auto m = module();
    QVERIFY(m);
    QProcess run;
    run.setProcessEnvironment(cliEnvironment());
    run.setStandardOutputFile(full);
    QElapsedTimer clock;
    clock.start();
    run.start(QStringLiteral(ZOMAR_CLI), filled(args, QString(), m_store, m->devicePath()));
    QVERIFY(run.waitForFinished(20000));
    QCOMPARE(run.exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.exitCode(), 1);
    const QString err = QString::fromUtf8(run.readAllStandardError());
    QVERIFY2(err.contains("the output is incomplete: No space left on device"), qPrintable(err));
    QCOMPARE(err.count("the output is incomplete"), 1); // one line, once
    QVERIFY(clock.elapsed() < 4000); // monitor stops at its first lost line, before --duration
}

void TstCliFiles::monitorEndsWhenItsReaderGoes_data()
{
    QTest::addColumn<QString>("send");
    QTest::addColumn<QString>("reader");
    QTest::addColumn<QString>("shown");
    QTest::newRow("head -n 1, then more to show") << "+++"
                                                  << "head -n 1"
                                                  << "--  send: +++\n";
    QTest::newRow("a reader gone while the line is quiet") << ""
                                                           << "true"
                                                           << "";
}

// Without --duration only the reader going away ends it: seen on the next
// line it writes, or while the line is quiet, without a word.
void TstCliFiles::monitorEndsWhenItsReaderGoes()
{
    QFETCH(QString, send);
    QFETCH(QString, reader);
    QFETCH(QString, shown);
    auto m = module();
    QVERIFY(m);
    QProcess shell;
    shell.setProcessEnvironment(cliEnvironment());
    QElapsedTimer clock;
    clock.start();
    shell.start(QStringLiteral("/bin/bash"),
                {"-c",
                 QStringLiteral("\"$0\" monitor --device \"$1\" %1 | %2; "
                                "echo \"status ${PIPESTATUS[0]}\"")
                     .arg(send.isEmpty() ? QString() : "--send " + send, reader),
                 ZOMAR_CLI, m->devicePath()});
    QVERIFY(shell.waitForFinished(15000));
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    // The status a shell shows for a run that SIGPIPE ended, as it ends cat.
    QCOMPARE(QString::fromUtf8(shell.readAllStandardOutput()), shown + "status 141\n");
    const QString err = QString::fromUtf8(shell.readAllStandardError());
    QVERIFY2(!err.contains("line(s)") && !err.contains("zomar-cli monitor:"), qPrintable(err));
    QTRY_COMPARE_WITH_TIMEOUT(m->receivedBytes(), send.toLatin1(), 10000);
}

void TstCliFiles::doctorNamesTheProgramHoldingThePort()
{
    auto m = module();
    QVERIFY(m);
    // A program that holds the port open, as a terminal left running would.
    QProcess holder;
    holder.start(QStringLiteral("/bin/sh"),
                 {"-c", "exec 3<>\"$0\"; exec sleep 30", m->devicePath()});
    QVERIFY(holder.waitForStarted());
    const QString pid = QString::number(holder.processId());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::symLinkTarget("/proc/" + pid + "/fd/3") == m->devicePath(),
                             5000);
    const CliRun r = runCli({"doctor", "--device", m->devicePath()});
    QCOMPARE(r.exitCode, 5);
    QVERIFY2(r.out.contains(QStringLiteral("FAIL  in use by sleep (pid %1)").arg(pid)),
             qPrintable(r.out));
    QVERIFY2(!r.out.contains("power"), qPrintable(r.out)); // no advice for a module not asked
    QCOMPARE(m->receivedBytes(), QByteArray());            // nothing sent to the other's port
    const CliRun json = runCli({"doctor", "--device", m->devicePath(), "--json"});
    QCOMPARE(json.exitCode, 5);
    QVERIFY2(json.out.contains(QStringLiteral("\"message\":\"%1 is in use by sleep (pid %2)\"")
                                   .arg(m->devicePath(), pid)),
             qPrintable(json.out));
    holder.kill();
    holder.waitForFinished();
}

QTEST_GUILESS_MAIN(TstCliFiles)
#include "tst_clifiles.moc"
