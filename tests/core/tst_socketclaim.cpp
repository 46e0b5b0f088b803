// Who may program which sockets of a PC: one program per station file, per
// socket, and per folder watched whole (or the system's ports); stations
// with sockets of their own side by side; a claim its program left behind
// (it died) is no claim.

#include "core/fleet/SocketClaim.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

using namespace zomar;

Q_DECLARE_METATYPE(zomar::SocketClaimRequest)

class TstSocketClaim : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void secondClaim_data();
    void secondClaim();
    void claimOfADeadProgramIsStale();

private:
    QTemporaryDir m_dir;
};

void TstSocketClaim::initTestCase()
{
    qputenv("XDG_DATA_HOME", m_dir.filePath("data").toLocal8Bit());
}

void TstSocketClaim::secondClaim_data()
{
    QTest::addColumn<SocketClaimRequest>("first");
    QTest::addColumn<SocketClaimRequest>("second");
    QTest::addColumn<int>("conflict");
    const QString hub = m_dir.filePath("hub");
    QDir().mkpath(hub);
    const SocketClaimRequest line2{"zomar-station 1", m_dir.filePath("line2.json"), hub, {"a", "b"}};
    const SocketClaimRequest line3{"zomar-station 1", m_dir.filePath("line3.json"), hub, {"c"}};
    const SocketClaimRequest watcher{"zomar-cli 1", {}, hub + "/", {}, true};
    const SocketClaimRequest system{"zomar-cli 1", {}, {}, {}, true};
    SocketClaimRequest sameSocket = line3;
    sameSocket.sockets << "b";
    SocketClaimRequest sameFile = line3;
    sameFile.stationFile = m_dir.filePath("x/../line2.json");
    SocketClaimRequest elsewhere = line2;
    elsewhere.stationFile = m_dir.filePath("line4.json");
    elsewhere.folder = m_dir.filePath("other-hub");
    QTest::newRow("the same station") << line2 << sameFile << int(ClaimConflict::SameStation);
    QTest::newRow("a socket of another station")
        << line2 << sameSocket << int(ClaimConflict::SameSocket);
    QTest::newRow("sockets of their own") << line2 << line3 << int(ClaimConflict::None);
    QTest::newRow("the folder watched whole") << line2 << watcher << int(ClaimConflict::SameFolder);
    QTest::newRow("a station in a folder watched")
        << watcher << line3 << int(ClaimConflict::SameFolder);
    QTest::newRow("the system's ports") << line2 << system << int(ClaimConflict::SameFolder);
    QTest::newRow("another folder") << line2 << elsewhere << int(ClaimConflict::None);
}

void TstSocketClaim::secondClaim()
{
    QFETCH(SocketClaimRequest, first);
    QFETCH(SocketClaimRequest, second);
    QFETCH(int, conflict);
    ClaimConflict c;
    QString error;
    const auto held = SocketClaim::take(first, &c, &error);
    QVERIFY2(held && !c, qPrintable(error + c.text()));
    const auto next = SocketClaim::take(second, &c, &error);
    QCOMPARE(int(c.kind), conflict);
    QCOMPARE(next == nullptr, conflict != ClaimConflict::None);
    if (c) {
        // The refusal names the program that holds it.
        QCOMPARE(c.pid, QCoreApplication::applicationPid());
        QVERIFY2(c.text().contains(QStringLiteral("%1 (pid %2)").arg(first.program).arg(c.pid)),
                 qPrintable(c.text()));
    }
}

void TstSocketClaim::claimOfADeadProgramIsStale()
{
    // A program that died holding a claim: its file stays, its lock went.
    const QString folder = SocketClaim::folder();
    QDir().mkpath(folder);
    QFile left(folder + "/1-dead.claim");
    QVERIFY(left.open(QIODevice::WriteOnly));
    left.write(R"({"program": "zomar-station 1", "pid": 1, "folder": "", "everything": true})");
    left.close();
    ClaimConflict c;
    QString error;
    QVERIFY2(SocketClaim::take({"zomar-cli 1", {}, {}, {}, true}, &c, &error),
             qPrintable(error + c.text()));
    QVERIFY(!QFile::exists(left.fileName()));
}

QTEST_GUILESS_MAIN(TstSocketClaim)
#include "tst_socketclaim.moc"
