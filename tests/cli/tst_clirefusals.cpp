// zomar-cli refusing what it must not do, at the wire: files that are not
// files (profiles, --save, --trace), profiles a write would refuse, and
// messages that name what the user gave and what to do. A refusal sends
// nothing, not even "+++".

#include "sim/VirtualModule.h"
#include "tests/cli/CliRun.h"
#include "tests/support/FileNodes.h"

#include <QFileInfo>

#include <fcntl.h>

using namespace zomar;
using namespace zomar::test;

namespace {

const QByteArray kStart = QByteArray::fromHex("010203040506070806200311");

std::unique_ptr<VirtualModule> module()
{
    auto m = std::make_unique<VirtualModule>();
    if (!m->start())
        return nullptr;
    m->setConfiguration(kStart);
    return m;
}

QByteArray profileWith(const QByteArray &members)
{
    return R"({"format": "zomar-profile", "version": 1)" +
           (members.isEmpty() ? QByteArray() : ", " + members) + "}";
}

} // namespace

class TstCliRefusals : public QObject
{
    Q_OBJECT
private slots:
    void saveOnlyOverFiles_data();
    void saveOnlyOverFiles();
    void profileFifoDoesNotHang_data();
    void profileFifoDoesNotHang();
    void duplicateKeysSendNothing();
    void profileCheckAppliesTheWritesRules_data();
    void profileCheckAppliesTheWritesRules();
    void traceThatCannotBeWritten_data();
    void traceThatCannotBeWritten();
    void traceThatFailsWhileWriting();
    void messagesNameWhatWasGiven_data();
    void messagesNameWhatWasGiven();

private:
    QTemporaryDir m_dir;
};

void TstCliRefusals::saveOnlyOverFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("says");
    QTest::newRow("FIFO") << "FIFO"
                          << "is a FIFO (named pipe), not a file";
    QTest::newRow("folder") << "folder"
                            << "is a folder, not a file";
    QTest::newRow("character device") << "device"
                                      << "is a character device, not a file";
}

void TstCliRefusals::saveOnlyOverFiles()
{
    QFETCH(QString, kind);
    QFETCH(QString, says);
    QTemporaryDir dir;
    const QString path = dir.filePath("node");
    const QString why = makeNode(kind, path);
    if (!why.isEmpty())
        QSKIP(qPrintable(why));
    auto m = module();
    QVERIFY(m);
    const CliRun r = runCli({"read", "--device", m->devicePath(), "--save", path});
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.err,
             QStringLiteral("zomar-cli read: --save %1: %2; nothing was sent\n").arg(path, says));
    QCOMPARE(m->receivedBytes(), QByteArray());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
             QStringList{"node"});
    QVERIFY(!QFileInfo(path).isFile());
}

void TstCliRefusals::profileFifoDoesNotHang_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("profile check") << QStringList{"profile", "check"};
    QTest::newRow("write --profile") << QStringList{"write", "--profile"};
    QTest::newRow("verify --profile") << QStringList{"verify", "--profile"};
}

void TstCliRefusals::profileFifoDoesNotHang()
{
    QFETCH(QStringList, args);
    const QString fifo = m_dir.filePath("fifo.json");
    if (!QFileInfo::exists(fifo))
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0644) == 0);
    auto m = module();
    QVERIFY(m);
    args << fifo;
    if (args.first() != QLatin1String("profile"))
        args << "--device" << m->devicePath();
    const CliRun r = runCli(args, 10000);
    QCOMPARE(r.exitCode, 4);
    QVERIFY2(r.err.contains(fifo + ": is a FIFO (named pipe), not a profile file"),
             qPrintable(r.err));
    QCOMPARE(m->receivedBytes(), QByteArray());
}

void TstCliRefusals::duplicateKeysSendNothing()
{
    auto m = module();
    QVERIFY(m);
    const QString file = writeFile(
        m_dir, "twice.json", profileWith("\n \"local\": \"01020304\",\n \"local\": \"AABBCCDD\""));
    const CliRun r = runCli({"write", "--device", m->devicePath(), "--profile", file});
    QCOMPARE(r.exitCode, 4);
    QVERIFY2(r.err.contains(R"(line 3: key "local" is given twice (first on line 2))"),
             qPrintable(r.err));
    QCOMPARE(m->receivedBytes(), QByteArray());
    QCOMPARE(m->configuration(), kStart);
}

// A profile that check calls valid is one that write takes, and the other
// way round.
void TstCliRefusals::profileCheckAppliesTheWritesRules_data()
{
    QTest::addColumn<QByteArray>("members");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("says");
    QTest::newRow("local ends in A5") << QByteArray(R"("local": "000000A5")") << 4 << "local";
    QTest::newRow("destination starts with A5")
        << QByteArray(R"("destination": "A5000001")") << 4 << "destination";
    QTest::newRow("channel 0x00A5") << QByteArray(R"("channel": 165)") << 4 << "channel";
    QTest::newRow("channel 0xA500 as a frequency")
        << QByteArray(R"("band": "868", "frequency_mhz": "1071.200")") << 4 << "channel";
    QTest::newRow("A5 in an address byte, not at its end")
        << QByteArray(R"("local": "01A50203")") << 4 << "local";
    QTest::newRow("writable") << QByteArray(R"("local": "0A5A0A5A", "channel": 1599)") << 0 << "";
}

void TstCliRefusals::profileCheckAppliesTheWritesRules()
{
    QFETCH(QByteArray, members);
    QFETCH(int, code);
    QFETCH(QString, says);
    const QString file =
        writeFile(m_dir, QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_') + ".json",
                  profileWith(members));
    const CliRun check = runCli({"profile", "check", file});
    QCOMPARE(check.exitCode, code);
    auto m = module();
    QVERIFY(m);
    const CliRun write = runCli({"write", "--device", m->devicePath(), "--profile", file});
    QCOMPARE(write.exitCode, code);
    if (code == 0)
        return;
    const QString rule = says + QStringLiteral(" would put the byte A5 into the block");
    QVERIFY2(check.err.contains(file + ": " + rule), qPrintable(check.err));
    QVERIFY2(write.err.contains(rule), qPrintable(write.err));
    QCOMPARE(m->receivedBytes(), QByteArray());
}

void TstCliRefusals::traceThatCannotBeWritten_data()
{
    QTest::addColumn<QString>("trace");
    QTest::addColumn<QString>("node"); // made by the test: "device", "FIFO"; "" for none
    QTest::addColumn<QString>("says");
    QTest::newRow("device") << m_dir.filePath("full-node") << "device"
                            << "is a character device, not a file";
    QTest::newRow("folder") << m_dir.path() << ""
                            << "is a folder, not a file";
    QTest::newRow("missing folder")
        << m_dir.filePath("absent/trace.txt") << ""
        << "cannot be written: the folder " + m_dir.filePath("absent") + " does not exist";
    QTest::newRow("FIFO") << m_dir.filePath("trace.fifo") << "FIFO"
                          << "is a FIFO (named pipe), not a file";
}

void TstCliRefusals::traceThatCannotBeWritten()
{
    QFETCH(QString, trace);
    QFETCH(QString, node);
    QFETCH(QString, says);
    if (!node.isEmpty() && !QFileInfo::exists(trace))
        if (const QString why = makeNode(node, trace); !why.isEmpty())
            QSKIP(qPrintable(why));
    auto m = module();
    QVERIFY(m);
    const CliRun r = runCli({"read", "--device", m->devicePath(), "--trace", trace}, 10000);
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.err,
             QStringLiteral("zomar-cli read: --trace %1: %2; nothing was sent\n").arg(trace, says));
    QCOMPARE(r.out, QString());
    QCOMPARE(m->receivedBytes(), QByteArray());
}

void TstCliRefusals::traceThatFailsWhileWriting()
{
    // The trace may hold 512 bytes (the shell's file size limit): its
    // heading goes in, then a write fails. The read itself goes on, and the
    // end says that the trace lacks the rest.
    const QString trace = m_dir.filePath("limited-trace.txt");
    auto m = module();
    QVERIFY(m);
    const auto p = startCli({"-c", "ulimit -f 1; exec \"$0\" \"$@\"", ZOMAR_CLI, "read", "--device",
                             m->devicePath(), "--trace", trace},
                            QString(), cliEnvironment(), QStringLiteral("/bin/sh"));
    const CliRun r = finishCli(*p);
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.endsWith(
                 QStringLiteral("\nzomar-cli read: the trace %1 is incomplete: File too large\n")
                     .arg(trace)),
             qPrintable(r.err));
    QVERIFY(r.out.contains("Local        05060708"));
    QCOMPARE(m->receivedBytes(), QByteArray("+++---"));
    QFile written(trace);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll().startsWith("# zomar-cli read trace"));
    QCOMPARE(written.size(), 512);
}

void TstCliRefusals::messagesNameWhatWasGiven_data()
{
    QTest::addColumn<QStringList>("args"); // FILE: the profile below; DEVICE: the module
    QTest::addColumn<QByteArray>("profile");
    QTest::addColumn<QByteArray>("answer"); // the module's answer to "+++" when not empty
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("says");
    QTest::addColumn<bool>("sends");

    QTest::newRow("frequency between channels")
        << QStringList{"write", "--freq", "433.998"} << QByteArray() << QByteArray() << 4
        << "--freq 433.998: not a channel of the 433 MHz band (steps of 0.0025 MHz); nearest: "
           "433.9975 or 434.000 MHz; nothing was sent"
        << false;
    QTest::newRow("an answer of nothing but A5")
        << QStringList{"read"} << QByteArray() << QByteArray(12, '\xA5') << 2
        << "1 of 12 block bytes (12 bytes came, all of them 0xA5, which an answer cannot carry"
        << true;
    QTest::newRow("a profile naming no field, to write")
        << QStringList{"write", "--profile", "FILE"} << profileWith("") << QByteArray() << 1
        << "names no field, so there is nothing to write" << false;
    QTest::newRow("a profile naming no field, to verify")
        << QStringList{"verify", "--profile", "FILE"} << profileWith(R"("band": "868")")
        << QByteArray() << 1 << "names no field, so there is nothing to verify; nothing was sent"
        << false;
    QTest::newRow("a port number too high")
        << QStringList{"read", "--port", "99999999999"} << QByteArray() << QByteArray() << 1
        << "--port 99999999999: no port has so high a number" << false;
    QTest::newRow("a port number of 0")
        << QStringList{"read", "--port", "0"} << QByteArray() << QByteArray() << 1
        << "--port 0: port numbers start at 1" << false;
    QTest::newRow("a number as the profile gives it")
        << QStringList{"write", "--profile", "FILE"} << profileWith(R"("channel": 1e23)")
        << QByteArray() << 4 << "channel 1e23: allowed: a whole number 0 to 65535" << false;
    QTest::newRow("control characters in a value")
        << QStringList{"write", "--dest",
                       "12\x01"
                       "34\x1b"
                       "[2J"}
        << QByteArray() << QByteArray() << 4 << "--dest 12\\x0134\\x1b[2J: not hexadecimal"
        << false;
}

void TstCliRefusals::messagesNameWhatWasGiven()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, profile);
    QFETCH(QByteArray, answer);
    QFETCH(int, code);
    QFETCH(QString, says);
    QFETCH(bool, sends);
    auto m = module();
    QVERIFY(m);
    if (!answer.isEmpty())
        m->setAnswerOverride(answer);
    const QString file = writeFile(m_dir, "message.json", profile);
    args.replaceInStrings(QRegularExpression("^FILE$"), file);
    if (!args.contains("--port"))
        args << "--device" << m->devicePath();
    const CliRun r = runCli(args);
    QCOMPARE(r.exitCode, code);
    QVERIFY2(r.err.contains(says), qPrintable(r.err));
    QCOMPARE(r.err.count('\n'), 1);
    if (!sends)
        QCOMPARE(m->receivedBytes(), QByteArray());
}

QTEST_GUILESS_MAIN(TstCliRefusals)
#include "tst_clirefusals.moc"
