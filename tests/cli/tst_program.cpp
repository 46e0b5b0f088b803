// zomar-cli program against several virtual modules at once: addresses,
// failures that stay with their module, the log (an old one imported into
// the store), Ctrl+C, and refusals that come before anything is sent.

#include "core/fleet/ProgramLog.h"
#include "sim/VirtualModule.h"
#include "tests/cli/CliRun.h"
#include "tests/cli/LineTray.h"
#include "tests/support/Wire.h"

#include <QFileInfo>

#include <csignal>
#include <unistd.h>

using namespace zomar;
using namespace zomar::test;

namespace {

const QByteArray &kProfile = kLineProfile;

// Modules that all start from one block, as a tray of new modules would.
std::vector<std::unique_ptr<VirtualModule>> modules(int count)
{
    auto list = VirtualModule::startMany(count);
    for (const auto &m : list)
        m->setConfiguration(QByteArray::fromHex("ffffffff0000000006200011"));
    return list;
}

// The log's rows after the header, as column name -> value.
QList<QHash<QString, QString>> logRows(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QList<QStringList> rows = ProgramLog::parseCsv(f.readAll());
    QList<QHash<QString, QString>> out;
    for (const QStringList &row : rows.mid(1)) {
        QHash<QString, QString> named;
        for (int i = 0; i < row.size() && i < rows.first().size(); ++i)
            named.insert(rows.first().at(i), row.at(i));
        out << named;
    }
    return out;
}

} // namespace

class TstProgram : public QObject
{
    Q_OBJECT
private slots:
    void failuresStayWithTheirModule();
    void restartResumesAfterTheLog();
    void interruptFinishesModulesInFlight();
    void stationProgramsEachNewModuleOnce();
    void refusalsSendNothing_data();
    void refusalsSendNothing();
    void portHeldElsewhereIsLeftAlone();
    void watchedFolderThatComesLater();

private:
    QTemporaryDir m_dir;
};

void TstProgram::failuresStayWithTheirModule()
{
    auto m = modules(4);
    QVERIFY(m.size() == 4);
    m[1]->setAnswerOverride(QByteArray()); // silent
    m[2]->setHangUpAfter([](const QByteArray &message) { return message.size() == 12; });
    const QString profile = writeFile(m_dir, "fail.json", kProfile);
    const QString log = m_dir.filePath("fail.csv");
    const CliRun r = runCli(QStringList{"program", "--profile", profile, "--local-from", "00000100",
                                        "--log", log, "--store", m_dir.filePath("fail.db")} +
                            deviceArgs(m));
    QCOMPARE(r.exitCode, 5); // the worst: a port lost
    QCOMPARE(r.out.count("PASS  "), 2);
    QCOMPARE(r.out.count("FAIL  "), 2);
    // Addresses in the order named; the silent module's comes back unused,
    // the pulled one's was sent and stays taken.
    QCOMPARE(m[0]->configuration().toHex(), programmed(0x100).toHex());
    QCOMPARE(m[3]->configuration().toHex(), programmed(0x103).toHex());
    const auto rows = logRows(log);
    QCOMPARE(rows.size(), 4);
    QHash<QString, QHash<QString, QString>> byDevice;
    for (const auto &row : rows)
        byDevice.insert(row.value("device"), row);
    const auto row = [&](int i) { return byDevice.value(m[i]->devicePath()); };
    QCOMPARE(row(0).value("result"), QStringLiteral("PASS"));
    QCOMPARE(row(0).value("block_before"), QStringLiteral("ffffffff0000000006200011"));
    QCOMPARE(row(0).value("block_read_back"), QString::fromLatin1(programmed(0x100).toHex()));
    QCOMPARE(row(1).value("result"), QStringLiteral("FAIL"));
    QCOMPARE(row(1).value("block_written"), QString());
    QCOMPARE(row(1).value("local"), QString());
    QCOMPARE(row(2).value("local"), QStringLiteral("00000102"));
    QCOMPARE(row(2).value("block_written"), QString::fromLatin1(programmed(0x102).toHex()));
    QCOMPARE(row(3).value("local"), QStringLiteral("00000103"));
    QVERIFY(QDateTime::fromString(row(3).value("time"), Qt::ISODate).isValid());
    QCOMPARE(QFileInfo(row(3).value("profile")), QFileInfo(profile));
    for (const int i : {0, 3})
        QCOMPARE(exchangeFault(wireMessages(m[i]->received())), QString());
}

void TstProgram::restartResumesAfterTheLog()
{
    const QString profile = writeFile(m_dir, "resume.json", kProfile);
    const QString log = m_dir.filePath("resume.csv");
    // An earlier run: 1F0 written with this profile; 300 only tried (nothing
    // written); 500 written with another profile.
    // The earlier version's columns: today's without state and unit_id.
    const qsizetype earlierColumns = ProgramLog::header().size() - 2;
    QByteArray text = ProgramLog::csvLine(ProgramLog::header().mid(0, earlierColumns));
    const auto earlier = [&](const QString &file, const QString &sha, const QString &local,
                             const QString &written) {
        ProgramRow row;
        row.time = QDateTime::currentDateTime();
        row.profileFile = file;
        row.profileSha256 = sha;
        row.local = local;
        row.blockWritten = written;
        text += ProgramLog::csvLine(ProgramLog::fields(row).mid(0, earlierColumns));
    };
    earlier(QFileInfo(profile).absoluteFilePath(), "0000", "000001F0", "ffffffff000001f006400323");
    earlier(QFileInfo(profile).absoluteFilePath(), "0000", "00000300", "");
    earlier("/elsewhere/other.json", "1111", "00000500", "ffffffff0000050006400323");
    writeFile(m_dir, "resume.csv", text);

    auto m = modules(2);
    QVERIFY(m.size() == 2);
    const CliRun r = runCli(QStringList{"program", "--profile", profile, "--local-from", "00000100",
                                        "--step", "2", "--log", log, "--store",
                                        m_dir.filePath("resume.db")} +
                            deviceArgs(m));
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    // The old log was the record: it is imported, and what is really next is said.
    QVERIFY2(r.err.contains("Imported 3 row(s) of the earlier log"), qPrintable(r.err));
    QVERIFY2(r.err.contains("Next local address 000001F2"), qPrintable(r.err));
    QCOMPARE(m[0]->configuration().toHex(), programmed(0x1F2).toHex());
    QCOMPARE(m[1]->configuration().toHex(), programmed(0x1F4).toHex());
    // The log now has today's columns throughout, so it is imported once.
    const auto rows = logRows(log);
    QCOMPARE(rows.size(), 5);
    for (const auto &row : rows)
        QVERIFY(!row.value("state").isEmpty() && !row.value("unit_id").isEmpty());
    const CliRun again = runCli(QStringList{"program", "--profile", profile, "--local-from",
                                            "00000100", "--step", "2", "--log", log, "--store",
                                            m_dir.filePath("resume.db")} +
                                deviceArgs(m));
    QVERIFY2(again.exitCode == 0 && !again.err.contains("Imported"), qPrintable(again.err));
    QCOMPARE(m[0]->configuration().toHex(), programmed(0x1F6).toHex());
}

void TstProgram::interruptFinishesModulesInFlight()
{
    auto m = modules(3);
    QVERIFY(m.size() == 3);
    const QString profile = writeFile(m_dir, "stop.json", kProfile);
    const QString log = m_dir.filePath("stop.csv");
    QProcess p;
    p.start(QStringLiteral(ZOMAR_CLI),
            QStringList{"program", "--profile", profile, "--local-from", "10", "--log", log,
                        "--store", m_dir.filePath("stop.db")} +
                deviceArgs(m));
    QVERIFY(p.waitForStarted());
    // Ctrl+C once every module is inside its write (its third message is the
    // write's "+++").
    QTRY_VERIFY_WITH_TIMEOUT(
        std::all_of(m.begin(), m.end(), [](const auto &v) { return v->messagesHandled() >= 3; }),
        10000);
    ::kill(static_cast<pid_t>(p.processId()), SIGINT);
    QVERIFY(p.waitForFinished(10000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 0);
    QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains("in flight finish first"));
    QCOMPARE(logRows(log).size(), 3);
    for (size_t i = 0; i < m.size(); ++i) {
        QCOMPARE(m[i]->configuration().toHex(), programmed(0x10 + quint32(i)).toHex());
        QCOMPARE(exchangeFault(wireMessages(m[i]->received())), QString());
    }
}

void TstProgram::stationProgramsEachNewModuleOnce()
{
    auto m = modules(2);
    QVERIFY(m.size() == 2);
    const QString hub = m_dir.filePath("slots");
    QDir().mkpath(hub);
    // A module already plugged in when the station starts is left alone.
    QVERIFY(QFile::link(m[0]->devicePath(), hub + "/hub-port1"));
    const QString profile = writeFile(m_dir, "station.json", kProfile);
    const QString log = m_dir.filePath("station.csv");
    QProcess p;
    // Two named slots with nothing in them yet wait; neither is taken for the other.
    p.start(QStringLiteral(ZOMAR_CLI),
            {"program", "--wait", "--watch", hub, "--profile", profile, "--local-from", "20",
             "--log", log, "--store", m_dir.filePath("station.db"), "--device", hub + "/hub-port3",
             "--device", hub + "/hub-port4"});
    QVERIFY(p.waitForStarted());
    QByteArray said;
    QTRY_VERIFY2_WITH_TIMEOUT((said += p.readAllStandardOutput()).contains("Station ready"),
                              qPrintable(said + p.readAllStandardError()), 10000);
    QVERIFY(QFile::link(m[1]->devicePath(), hub + "/hub-port2"));
    QTRY_COMPARE_WITH_TIMEOUT(logRows(log).size(), 1, 10000);
    QTest::qWait(1500); // three more polls: still there, not programmed again
    ::kill(static_cast<pid_t>(p.processId()), SIGINT);
    QVERIFY(p.waitForFinished(10000));
    QCOMPARE(p.exitCode(), 0);
    const auto rows = logRows(log);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().value("by_path"), hub + "/hub-port2");
    QCOMPARE(m[1]->configuration().toHex(), programmed(0x20).toHex());
    QCOMPARE(m[0]->receivedBytes(), QByteArray());
}

void TstProgram::refusalsSendNothing_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("says");
    const QString folder = m_dir.filePath("a-folder");
    QDir().mkpath(folder);
    const QString file = writeFile(m_dir, "a-file", "x");
    const QString readOnly = m_dir.filePath("read-only");
    QDir().mkpath(readOnly);
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner);
    QTest::newRow("log is a folder") << QStringList{"--log", folder} << 1 << "is a folder";
    QTest::newRow("log under a file")
        << QStringList{"--log", file + "/log.csv"} << 1 << "cannot write the log";
    if (::geteuid() != 0) // root writes anywhere
        QTest::newRow("log in a read-only folder")
            << QStringList{"--log", readOnly + "/log.csv"} << 1 << "cannot write the log";
    QTest::newRow("past FFFFFFFF")
        << QStringList{"--local-from", "FFFFFFFF"} << 4 << "would pass FFFFFFFF";
    QTest::newRow("bad step") << QStringList{"--local-from", "1", "--step", "0"} << 4 << "--step 0";
    QTest::newRow("bad address") << QStringList{"--local-from", "123456789"} << 4 << "--local-from";
}

void TstProgram::refusalsSendNothing()
{
    QFETCH(QStringList, options);
    QFETCH(int, code);
    QFETCH(QString, says);
    auto m = modules(2);
    QVERIFY(m.size() == 2);
    const QString profile = writeFile(m_dir, "refuse.json", kProfile);
    const CliRun r = runCli(QStringList{"program", "--profile", profile} + options + deviceArgs(m));
    QCOMPARE(r.exitCode, code);
    QVERIFY2(r.err.contains(says) && r.err.contains("nothing was sent"), qPrintable(r.err));
    QTest::qWait(50);
    for (const auto &v : m)
        QCOMPARE(v->receivedBytes(), QByteArray());
}

void TstProgram::portHeldElsewhereIsLeftAlone()
{
    auto m = modules(2);
    QVERIFY(m.size() == 2);
    const auto holder = holdPort(m[0]->devicePath());
    QVERIFY(holder);
    const QString profile = writeFile(m_dir, "held.json", kProfile);
    const QString store = m_dir.filePath("held.db");
    const CliRun r = runCli(QStringList{"program", "--profile", profile, "--local-from", "40",
                                        "--store", store} +
                            deviceArgs(m));
    QCOMPARE(r.exitCode, 5);
    // Named for what it is, with who holds it; no unit, no address taken.
    const QString held = QStringLiteral("BUSY  %1  not started: Port %1 is already in use by "
                                        "zomar-cli (pid %2); nothing was sent, and no row was "
                                        "made")
                             .arg(m[0]->devicePath())
                             .arg(holder->processId());
    QVERIFY2(r.out.contains(held), qPrintable(r.out));
    QVERIFY2(r.out.contains("1 module: 1 PASS, 0 FAIL; 1 module left alone (port in use)"),
             qPrintable(r.out));
    QCOMPARE(m[1]->configuration().toHex(), programmed(0x40).toHex());
    const CliRun listed = runCli({"records", "list", "--store", store, "--json"});
    QCOMPARE(listed.out.count("\"unit_id\""), 1);
    QCOMPARE(m[0]->receivedBytes(), QByteArray());
}

void TstProgram::watchedFolderThatComesLater()
{
    auto m = modules(1);
    QVERIFY(m.size() == 1);
    const QString hub = m_dir.filePath("later/hub");
    const QString profile = writeFile(m_dir, "later.json", kProfile);
    const auto p = startCli({"program", "--wait", "--watch", hub, "--profile", profile,
                             "--local-from", "60", "--store", m_dir.filePath("later.db")});
    QByteArray said;
    QTRY_VERIFY2_WITH_TIMEOUT(
        (said += p->readAllStandardError())
            .contains("The folder " + hub.toUtf8() + " does not exist: watching for it"),
        said.constData(), 10000);
    QVERIFY(QDir().mkpath(hub));
    QVERIFY(QFile::link(m[0]->devicePath(), hub + "/hub-port1"));
    QTRY_VERIFY2_WITH_TIMEOUT((said += p->readAllStandardError()).contains("is there now"),
                              said.constData(), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(m[0]->configuration().toHex(), programmed(0x60).toHex(), 10000);
    ::kill(static_cast<pid_t>(p->processId()), SIGINT);
    QVERIFY(p->waitForFinished(10000));
    QCOMPARE(p->exitCode(), 0);
}

QTEST_GUILESS_MAIN(TstProgram)
#include "tst_program.moc"
