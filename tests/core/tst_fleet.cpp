// The production line's address allocator and CSV log.

#include "core/store/AddressAllocator.h"
#include "core/line/ProgramLog.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace zomar;

class TstFleet : public QObject
{
    Q_OBJECT
private slots:
    void csvFieldsSurviveTheRoundTrip_data();
    void csvFieldsSurviveTheRoundTrip();
    void allocatorHandsOutEachAddressOnce();
    void rowCutShortIsNotGluedToTheNext();
};

void TstFleet::csvFieldsSurviveTheRoundTrip_data()
{
    QTest::addColumn<QString>("field");
    QTest::newRow("plain") << "written and verified";
    QTest::newRow("comma") << "no answer, check the cable";
    QTest::newRow("quotes") << "the \"Set\" failed";
    QTest::newRow("line break") << "first\r\nsecond\nthird";
    QTest::newRow("empty") << "";
    QTest::newRow("non-ASCII") << "Modul gepr\u00fcft";
}

void TstFleet::csvFieldsSurviveTheRoundTrip()
{
    QFETCH(QString, field);
    const QByteArray text = ProgramLog::csvLine({"a", field, "z"}) + ProgramLog::csvLine({field});
    QVERIFY(text.endsWith("\r\n"));
    const QList<QStringList> rows = ProgramLog::parseCsv(text);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0), QStringList({"a", field, "z"}));
    QCOMPARE(rows.at(1), QStringList({field}));
}

void TstFleet::allocatorHandsOutEachAddressOnce()
{
    // Addresses holding the byte A5 are passed over (they cannot be read back).
    AddressAllocator a(0x000000A3, 1);
    QCOMPARE(a.take(), std::optional<quint32>(0xA3));
    QCOMPARE(a.take(), std::optional<quint32>(0xA4));
    QCOMPARE(a.take(), std::optional<quint32>(0xA6));
    a.giveBack(0xA4);
    QCOMPARE(a.take(), std::optional<quint32>(0xA4)); // returned ones first
    QCOMPARE(a.take(), std::optional<quint32>(0xA7));
    a.resumeAfter(0x10); // below: no effect
    QCOMPARE(a.take(), std::optional<quint32>(0xA8));

    AddressAllocator top(0xFFFFFFF0, 8);
    QVERIFY(top.canHandOut(2));
    QVERIFY(!top.canHandOut(3));
    QCOMPARE(top.take(), std::optional<quint32>(0xFFFFFFF0));
    QCOMPARE(top.take(), std::optional<quint32>(0xFFFFFFF8));
    QCOMPARE(top.take(), std::nullopt); // never wraps to 0

    AddressAllocator skipping(0x00A50000, 1); // a whole run of A5 addresses
    QCOMPARE(skipping.take(), std::optional<quint32>(0x00A60000));
}

void TstFleet::rowCutShortIsNotGluedToTheNext()
{
    // A disk that filled during a run left half a row.
    QTemporaryDir dir;
    const QString path = dir.filePath("line.csv");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(ProgramLog::csvLine(ProgramLog::header()) + "2026-12-07T10:00:00Z,vm,/dev/tty");
    file.close();
    ProgramLog log;
    QCOMPARE(log.open(path), QString());
    ProgramRow row;
    row.device = QStringLiteral("/dev/ttyUSB1");
    row.pass = true;
    row.state = QStringLiteral("pass");
    QCOMPARE(log.append(row), QString());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QStringList> rows = ProgramLog::parseCsv(file.readAll());
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows.at(1).size(), 3);
    QCOMPARE(rows.at(2), ProgramLog::fields(row));
}

QTEST_GUILESS_MAIN(TstFleet)
#include "tst_fleet.moc"
