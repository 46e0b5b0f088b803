// Labels and product serials at the station window, driven with real key
// events on a rack of virtual sockets: serials scanned onto the tiles
// (refused when they do not match or another unit holds them), labels
// printed once the serial is bound and again with Ctrl+P, a PASS that waits
// for its serial kept on an unplugged slot, a label printer that refuses
// (the PASS kept), and serials through a station's journal to a server (one
// bound there by another station while this one was cut off: refused when it
// arrives, and said on the tile and in the window).

#include "core/sharedstore/StationJournal.h"
#include "core/sharedstore/StoreLeases.h"
#include "gui/station/OperatorField.h"
#include "gui/station/SerialField.h"
#include "gui/station/SerialNotice.h"
#include "gui/station/StationTrace.h"
#include "tests/cli/LineTray.h"
#include "tests/support/CutProxy.h"
#include "tests/support/PgCluster.h"
#include "tests/support/StationHarness.h"

#include <QApplication>
#include <QPushButton>
#include <QStatusBar>
#include <QTcpServer>
#include <QtTest>

using namespace zomar;
using namespace zomar::test;

namespace {

constexpr int kWaitMs = 15000;

// Types a scan (the text and Enter) where the keyboard focus is, as a
// keyboard-wedge scanner does.
void scan(const QString &text)
{
    for (const QChar c : text)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

} // namespace

class TstStationTrace : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void serialsAndLabelsOnTiles();
    void aPrinterThatRefusesKeepsThePass();
    void serialsGoThroughTheJournalToAServer();
    void aSerialRefusedWhenForwardedIsShown();

private:
    QString stationFile(SlotRack &rack, int count, const QString &label, const QString &pattern);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_store;
};

void TstStationTrace::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QFile f(m_dir->filePath("line.json"));
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(kLineProfile) == kLineProfile.size());
    m_store = m_dir->filePath("line.db");
}

QString TstStationTrace::stationFile(SlotRack &rack, int count, const QString &label,
                                     const QString &pattern)
{
    StationSetup s = stationOf(QStringLiteral("line.json"), m_store, rack.folder(), count);
    s.label = label;
    s.serialPattern = pattern;
    const QString path = m_dir->filePath("station.json");
    const QString error = saveStationFile(s, path);
    return error.isEmpty() ? path : error;
}

void TstStationTrace::serialsAndLabelsOnTiles()
{
    // The label folder counts from the station file's folder.
    QVERIFY(QDir(m_dir->path()).mkdir("labels"));
    SlotRack rack(2, m_dir->filePath("hub"));
    Station st(m_dir->path());
    QVERIFY(st.window.openStation(stationFile(rack, 2, "pdf:labels", "SN-[0-9]{4}")));
    QVERIFY(st.window.serialField()->isVisible());
    QVERIFY(rack.plug(0));
    QTRY_COMPARE_WITH_TIMEOUT(st.word(0), QStringLiteral("PASS"), kWaitMs);
    QVERIFY(rack.plug(1));
    QTRY_COMPARE_WITH_TIMEOUT(st.word(1), QStringLiteral("PASS"), kWaitMs);
    QCOMPARE(st.tile(0)->line(), QStringLiteral("Address C0000001: unplug it\nScan the product serial"));

    // Unplugged before its serial: the tile keeps its PASS and its request.
    rack.unplug(0);
    QTest::qWait(1500);
    QCOMPARE(st.word(0), QStringLiteral("PASS"));
    QVERIFY(st.tile(0)->line().endsWith("Scan the product serial"));
    QVERIFY(QDir(m_dir->filePath("labels")).isEmpty()); // no label before its serial

    // The first unit that waits took the focus from the operator field, so
    // that a scan reaches the serial field.
    QVERIFY(activate(st.window));
    QCOMPARE(QApplication::focusWidget(), st.tile(0));
    // A scan on the selected tile goes to it; one that does not match is refused.
    st.tile(1)->setFocus();
    scan("SN-12");
    QTRY_VERIFY_WITH_TIMEOUT(st.tile(1)->line().contains("Serial SN-12 refused: it does not match "
                                                         "SN-[0-9]{4}"),
                             kWaitMs);
    st.tile(1)->setFocus();
    QTest::keyClick(st.tile(1), 'S');
    QCOMPARE(QApplication::focusWidget(), st.window.serialField());
    QCOMPARE(st.window.serialField()->target(), 1);
    scan("N-0001");
    QTRY_VERIFY_WITH_TIMEOUT(st.tile(1)->line().endsWith("S/N SN-0001\nlabel printed"), kWaitMs);
    const QString unit1 = st.window.trace()->slot(1).unitId;
    QVERIFY(QFileInfo::exists(
        m_dir->filePath(QStringLiteral("labels/label-C0000002-%1.pdf").arg(unit1))));

    // Tile 1 waits no more: the next scan is for tile 0, and the serial
    // tile 1's unit holds is refused there, naming its address.
    st.tile(1)->setFocus();
    scan("SN-0001");
    QTRY_VERIFY_WITH_TIMEOUT(
        st.tile(0)->line().contains("Serial SN-0001 refused: it is bound to the unit with "
                                    "address C0000002"),
        kWaitMs);
    QVERIFY(st.tile(0)->line().endsWith("Scan the product serial\nSerial SN-0001 refused: it is "
                                        "bound to the unit with address C0000002"));
    st.tile(1)->setFocus();
    scan("SN-0002");
    QTRY_VERIFY2_WITH_TIMEOUT(st.tile(0)->line().endsWith("S/N SN-0002\nlabel printed"),
                              qPrintable(st.tile(0)->line()), kWaitMs);
    for (const UnitRow &u : unitsIn(m_store)) {
        QCOMPARE(u.productSerial, u.local == 0xC0000001u ? "SN-0002" : "SN-0001");
        QCOMPARE(u.labelState, QStringLiteral("printed"));
        QCOMPARE(u.labelTarget, "pdf:" + m_dir->filePath("labels"));
    }

    // Ctrl+P prints a tile's label again.
    const QString pdf0 = m_dir->filePath(
        QStringLiteral("labels/label-C0000001-%1.pdf").arg(st.window.trace()->slot(0).unitId));
    QVERIFY(QFile::remove(pdf0));
    st.tile(0)->setFocus();
    QTest::keyClick(st.tile(0), Qt::Key_P, Qt::ControlModifier);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(pdf0), kWaitMs);

    // The next module in a slot lets its unit go; one that passes without
    // a serial scanned gets its label without one when the slot moves on.
    QVERIFY(rack.plug(0));
    QTRY_VERIFY_WITH_TIMEOUT(st.tile(0)->line().endsWith("Scan the product serial"), kWaitMs);
    const QString unit3 = st.window.trace()->slot(0).unitId;
    rack.unplug(0);
    QTest::qWait(1000);
    QVERIFY(rack.plug(0));
    QTRY_VERIFY_WITH_TIMEOUT(st.window.trace()->slot(0).unitId != unit3 &&
                                 st.word(0) == QStringLiteral("PASS"),
                             kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(
        QFileInfo::exists(m_dir->filePath(QStringLiteral("labels/label-C0000003-%1.pdf").arg(unit3))),
        kWaitMs);

    // Closing lets the unit still waiting go: its label is printed (without a
    // serial) before the window is gone.
    const QString last = st.window.trace()->slot(0).unitId;
    QVERIFY(st.window.close());
    QVERIFY(QFileInfo::exists(
        m_dir->filePath(QStringLiteral("labels/label-C0000004-%1.pdf").arg(last))));
    const QList<UnitRow> units = unitsIn(m_store);
    const auto row = std::find_if(units.cbegin(), units.cend(),
                                  [&last](const UnitRow &u) { return u.unitId == last; });
    QVERIFY(row != units.cend());
    QCOMPARE(row->labelState, QStringLiteral("printed"));
}

void TstStationTrace::aPrinterThatRefusesKeepsThePass()
{
    // A port nobody listens on: the printer refuses the connection.
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    SlotRack rack(1, m_dir->filePath("hub"));
    Station st(m_dir->path());
    QVERIFY(st.window.openStation(
        stationFile(rack, 1, QStringLiteral("zpl://127.0.0.1:%1").arg(port), QString())));
    QVERIFY(!st.window.serialField()->isVisible());
    QVERIFY(rack.plug(0));
    QTRY_VERIFY_WITH_TIMEOUT(st.tile(0)->line().contains("\nlabel not printed: "), kWaitMs);
    QCOMPARE(st.word(0), QStringLiteral("PASS"));
    QTRY_COMPARE_WITH_TIMEOUT(unitsIn(m_store).value(0).labelState, QStringLiteral("failed"),
                              kWaitMs);
    const UnitRow unit = unitsIn(m_store).first();
    QCOMPARE(unit.state, UnitState::Pass);
    QVERIFY2(st.tile(0)->line().endsWith(unit.labelReason), qPrintable(st.tile(0)->line()));

    // Typing on a tile goes to the operator field: no serial is asked for.
    QVERIFY(activate(st.window));
    st.tile(0)->setFocus();
    QTest::keyClick(st.tile(0), 'A');
    QCOMPARE(QApplication::focusWidget(), st.window.operatorField());
}

void TstStationTrace::serialsGoThroughTheJournalToAServer()
{
    PgCluster pg;
    QVERIFY2(pg.start(), qPrintable(pg.error()));
    QVERIFY(pg.addOwner("line", "secret"));
    qputenv("PGPASSWORD", "secret");
    m_store = pg.uri("line", "line");
    QString error;
    QVERIFY2(ProductionStore::open(m_store, ProductionStore::Mode::Init, &error), qPrintable(error));

    SlotRack rack(2, m_dir->filePath("hub"));
    Station st(m_dir->path());
    QVERIFY(st.window.openStation(stationFile(rack, 2, QString(), "SN-[0-9]{4}")));
    QVERIFY(rack.plug(0));
    QTRY_COMPARE_WITH_TIMEOUT(st.word(0), QStringLiteral("PASS"), kWaitMs);
    QVERIFY(activate(st.window));
    st.tile(0)->setFocus();
    scan("SN-0007");
    QTRY_VERIFY_WITH_TIMEOUT(st.tile(0)->line().endsWith("S/N SN-0007"), kWaitMs);
    // The serial reaches the server after the unit's rows.
    QTRY_COMPARE_WITH_TIMEOUT(unitsIn(m_store).value(0).productSerial, QStringLiteral("SN-0007"),
                              kWaitMs);

    // Bound on the server: refused for another unit.
    QVERIFY(rack.plug(1));
    QTRY_COMPARE_WITH_TIMEOUT(st.word(1), QStringLiteral("PASS"), kWaitMs);
    st.tile(1)->setFocus();
    scan("SN-0007");
    QTRY_VERIFY_WITH_TIMEOUT(st.tile(1)->line().contains("Serial SN-0007 refused: it is bound to "
                                                         "the unit with address C0000001"),
                             kWaitMs);

    scan("SN-0009");
    QTRY_VERIFY_WITH_TIMEOUT(st.tile(1)->line().endsWith("S/N SN-0009"), kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            for (const UnitRow &u : unitsIn(m_store))
                if (u.local == 0xC0000002u)
                    return u.productSerial == QLatin1String("SN-0009");
            return false;
        }(),
        kWaitMs);

    // A serial still waiting in a journal (a station cut off) is another
    // unit's already.
    std::unique_ptr<StationJournal> j = StationJournal::open(m_dir->filePath("cut.db"), &error);
    QVERIFY2(j, qPrintable(error));
    QCOMPARE(j->note({JournalOp::serial(1, "unit-a", "SN-0008")}), QString());
    QCOMPARE(j->serialWaiting("SN-0008", "unit-b", &error), QStringLiteral("unit-a"));
    QCOMPARE(j->serialWaiting("SN-0008", "unit-a", &error), QString());
    QCOMPARE(error, QString());
}

void TstStationTrace::aSerialRefusedWhenForwardedIsShown()
{
    PgCluster pg;
    QVERIFY2(pg.start(), qPrintable(pg.error()));
    QVERIFY(pg.addOwner("line", "secret"));
    qputenv("PGPASSWORD", "secret");
    const QString direct = pg.uri("line", "line");
    QString error;
    QVERIFY2(ProductionStore::open(direct, ProductionStore::Mode::Init, &error), qPrintable(error));
    CutProxy proxy(pg.socketDir() + "/.s.PGSQL.5432");
    m_store = QStringLiteral("postgresql://line@127.0.0.1:%1/line?connect_timeout=2")
                  .arg(proxy.port());

    // This station reaches the server through a cable that is pulled; the
    // other one has it all along.
    SlotRack rack(2, m_dir->filePath("hub"));
    Station st(m_dir->path());
    QVERIFY(st.window.openStation(stationFile(rack, 2, QString(), "SN-[0-9]{4}")));
    SlotRack otherRack(1, m_dir->filePath("otherhub"));
    StationSetup otherSetup = stationOf("line.json", direct, otherRack.folder(), 1);
    otherSetup.serialPattern = "SN-[0-9]{4}";
    QCOMPARE(saveStationFile(otherSetup, m_dir->filePath("other.json")), QString());
    Station other(m_dir->filePath("other"));
    QVERIFY(other.window.openStation(m_dir->filePath("other.json")));

    QVERIFY(rack.plug(0));
    QTRY_COMPARE_WITH_TIMEOUT(st.word(0), QStringLiteral("PASS"), kWaitMs);
    QVERIFY(rack.plug(1));
    QTRY_COMPARE_WITH_TIMEOUT(st.word(1), QStringLiteral("PASS"), kWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(unitsIn(direct).size(), 2, kWaitMs);
    // A serial bound while the server answers: the binder's connection is open.
    QVERIFY(activate(st.window));
    st.tile(1)->setFocus();
    scan("SN-0041");
    QTRY_VERIFY_WITH_TIMEOUT(st.tile(1)->line().endsWith("S/N SN-0041"), kWaitMs);
    proxy.cut();
    QTRY_VERIFY_WITH_TIMEOUT(st.window.storeText().startsWith("offline"), 4 * kWaitMs);
    // Its check on the server is cut after a deadline, as the forwarder's
    // statements are; a network that holds packets would hold it for minutes.
    QVERIFY(activate(st.window));
    st.tile(0)->setFocus();
    scan("SN-0042");
    QTRY_VERIFY_WITH_TIMEOUT(st.tile(0)->line().endsWith("S/N SN-0042"), kWaitMs);

    QVERIFY(otherRack.plug(0));
    QTRY_COMPARE_WITH_TIMEOUT(other.word(0), QStringLiteral("PASS"), kWaitMs);
    QVERIFY(activate(other.window));
    other.tile(0)->setFocus();
    scan("SN-0042");
    QTRY_VERIFY_WITH_TIMEOUT(other.tile(0)->line().endsWith("S/N SN-0042"), kWaitMs);
    // Forwarded from the other station's journal.
    std::optional<quint32> holder;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            for (const UnitRow &u : unitsIn(direct))
                if (u.productSerial == QLatin1String("SN-0042"))
                    holder = u.local;
            return holder.has_value();
        }(),
        kWaitMs);
    QVERIFY(*holder != 0xC0000001u);

    proxy.restore();
    SerialNotice *notice = st.window.serialNotice();
    QTRY_VERIFY_WITH_TIMEOUT(notice->isVisible(), 4 * kWaitMs);
    QVERIFY2(notice->text().startsWith(
                 QStringLiteral("Serial SN-0042 of the unit with address C0000001 was refused "
                                "when this station's journal reached the server: it is bound to "
                                "the unit with address %1.")
                     .arg(addressHex(*holder))),
             qPrintable(notice->text()));
    QVERIFY2(st.tile(0)->line().contains(
                 QStringLiteral("Serial SN-0042 refused: it is bound to the unit with address %1")
                     .arg(addressHex(*holder))),
             qPrintable(st.tile(0)->line()));
    QVERIFY(!st.tile(0)->line().contains("S/N SN-0042"));
    for (const UnitRow &u : unitsIn(direct))
        if (u.local == 0xC0000001u)
            QCOMPARE(u.productSerial, QString());
    // Seen: gone from the window (the tile still says it while it shows the unit).
    QTest::mouseClick(notice->findChild<QPushButton *>(), Qt::LeftButton);
    QVERIFY(!notice->isVisible());
    QVERIFY(st.tile(0)->line().contains("Serial SN-0042 refused"));
}

QTEST_MAIN(TstStationTrace)
#include "tst_stationtrace.moc"
