// The station window driven as a technician and an engineer would, with
// real key events, on a rack of virtual sockets: slots taught by plugging,
// a tray programmed with one silent module, a slot used again, a badge
// scanned onto a tile, the setup behind its PIN, a bad station file, a
// module pulled out while it is written, closing with modules in flight, and
// tiles that stay readable on a dark desktop.

#include "gui/station/OperatorField.h"
#include "gui/station/ShiftPanel.h"
#include "tests/cli/LineTray.h"
#include "tests/support/PgCluster.h"
#include "tests/support/StationHarness.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

using namespace zomar;
using namespace zomar::test;

namespace {

constexpr int kWaitMs = 15000;

// The modal dialog on top once it is up and active (a PIN prompt, a setup
// dialog), other than `below`.
QWidget *modal(QWidget *below = nullptr)
{
    QWidget *w = nullptr;
    const bool up = QTest::qWaitFor(
        [&w, below] {
            w = QApplication::activeModalWidget();
            return w && w != below;
        },
        5000);
    return up && QTest::qWaitForWindowActive(w) ? w : nullptr;
}

// Runs `act` on the next modal dialog (over `below`), from inside its own
// event loop.
void onNextDialog(std::function<void(QWidget *)> act, QWidget *below = nullptr)
{
    QTimer::singleShot(0, [act, below] {
        if (QWidget *w = modal(below))
            act(w);
        else
            qWarning("no dialog came up");
    });
}

template <typename T> T *child(QWidget *w, const char *name)
{
    return w->findChild<T *>(QString::fromLatin1(name));
}

double luminance(const QColor &c)
{
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

QPalette darkPalette()
{
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    p.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    p.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    p.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    p.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    p.setColor(QPalette::Highlight, QColor(0x3d, 0x8e, 0xe6));
    return p;
}

} // namespace

class TstStation : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void teachSlotsThenProgramATray();
    void setupIsGuardedByThePin();
    void badStationFileIsRefusedWithLineAndKey();
    void pulledOutWhileWrittenFailsThatSlotOnly();
    void closingLetsModulesInFlightFinish();
    void serverRecordOfflineIsShown();
    void tilesAreReadableOnAnyTheme_data();
    void tilesAreReadableOnAnyTheme();
    void shiftPanelShowsPaceAndAWeakSlot();

private:
    // A station file of `count` sockets of the rack, pool from C0000001.
    QString stationFile(SlotRack &rack, int count, std::optional<StationPin> pin = {});

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_profile;
    QString m_store;
};

void TstStation::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_profile = m_dir->filePath("line.json");
    QFile f(m_profile);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(kLineProfile) == kLineProfile.size());
    m_store = m_dir->filePath("line.db");
}

QString TstStation::stationFile(SlotRack &rack, int count, std::optional<StationPin> pin)
{
    // The profile next to the station file.
    StationSetup s = stationOf(QStringLiteral("line.json"), m_store, rack.folder(), count);
    s.pin = pin;
    const QString path = m_dir->filePath("station.json");
    const QString error = saveStationFile(s, path);
    return error.isEmpty() ? path : error;
}

void TstStation::teachSlotsThenProgramATray()
{
    SlotRack rack(4, m_dir->filePath("hub"));
    Station st(m_dir->path());
    QVERIFY(QTest::qWaitForWindowActive(&st.window));
    const QString path = m_dir->filePath("taught.json");
    st.files.answers << path;
    QStringList taught;

    // The engineer: a new station, its profile and pool, slots taught by
    // plugging a module into each socket in turn (the third socket first).
    onNextDialog([&](QWidget *setup) {
        QTest::keyClicks(child<QLineEdit>(setup, "profile"), m_profile);
        QTest::keyClicks(child<QLineEdit>(setup, "localFrom"), "C0000001");
        QTest::keyClicks(child<QLineEdit>(setup, "store"), m_store);
        QLineEdit *folder = child<QLineEdit>(setup, "slotFolder");
        folder->selectAll();
        QTest::keyClicks(folder, rack.folder());
        onNextDialog(
            [&](QWidget *teacher) {
                auto *list = child<QListWidget>(teacher, "taught");
                for (int socket : {2, 0, 1, 3}) {
                    rack.plug(socket);
                    QTRY_COMPARE_WITH_TIMEOUT(list->count(), taught.size() + 1, kWaitMs);
                    taught << rack.portName(socket);
                }
                QTest::keyClick(teacher, Qt::Key_Return); // Done
            },
            setup);
        auto *teach = child<QPushButton>(setup, "teach");
        teach->setFocus();
        QTest::keyClick(teach, Qt::Key_Space);  // Teach slots...
        QTest::keyClick(setup, Qt::Key_Return); // Save
    });
    QTest::keyClick(&st.window, Qt::Key_N, Qt::ControlModifier);
    QTRY_VERIFY(st.window.line() != nullptr);
    QCOMPARE(st.window.stationFile(), path);
    const StationReading saved = readStationFile(path);
    QVERIFY2(saved.setup, qPrintable(saved.error));
    QCOMPARE(saved.setup->slotList.size(), 4);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(saved.setup->slotList.at(i).port, taught.at(i));
        // Modules in place at the start are left alone, not programmed.
        QCOMPARE(st.word(i), QStringLiteral("Left alone"));
    }
    for (int i = 0; i < 4; ++i)
        rack.unplug(i);
    QTRY_COMPARE_WITH_TIMEOUT(st.word(3), QStringLiteral("Waiting"), kWaitMs);

    // The technician scans a badge while a tile has the focus: the field
    // takes the first key and the focus, so the rest follows.
    QVERIFY(activate(st.window));
    st.tile(0)->setFocus();
    QTest::keyClick(st.tile(0), 'A');
    QCOMPARE(QApplication::focusWidget(), st.window.operatorField());
    QTest::keyClicks(QApplication::focusWidget(), "na K");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(st.window.operatorField()->name(), QStringLiteral("Ana K"));

    // A tray at once, the module in the last slot silent.
    const QList<int> sockets = {2, 0, 1, 3}; // slot i is socket sockets[i]
    for (int i = 0; i < 4; ++i)
        QVERIFY(rack.plug(sockets[i], i == 3 ? SlotRack::Fault::Silent : SlotRack::Fault::None));
    QTRY_VERIFY_WITH_TIMEOUT(st.window.tally().shift().total() == 4, kWaitMs);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(st.word(i), QStringLiteral("PASS"));
        QCOMPARE(st.tile(i)->view().local, std::optional<quint32>(0xC0000001 + i));
        QCOMPARE(rack.module(sockets[i])->configuration().toHex(), programmedFresh(0xC0000001 + i));
    }
    QCOMPARE(st.word(3), QStringLiteral("FAIL"));
    QCOMPARE(st.tile(3)->line(), QStringLiteral("No answer: check the module is seated"));
    QCOMPARE(st.bells, 1);
    QCOMPARE(st.window.shiftPanel()->countsText(),
             QStringLiteral("Pass 3  Fail 1  First-pass yield 75.0 %"));
    QCOMPARE(st.window.shiftPanel()->paceText(), QStringLiteral("– units/h")); // under a minute
    QCOMPARE(st.window.shiftPanel()->recent()->item(0, 4)->text(), QStringLiteral("Ana K"));
    QList<UnitRow> units = unitsIn(m_store);
    QCOMPARE(units.size(), 4);
    for (const UnitRow &u : units)
        QCOMPARE(u.operatorName, QStringLiteral("Ana K"));
    QVERIFY(st.window.storeText().startsWith("Record: " + m_store));
    QVERIFY(st.window.adviceText().contains("433.050"));

    // Enter on the failed tile tells what the program found.
    st.tile(3)->setFocus();
    QTest::keyClick(st.tile(3), Qt::Key_Return);
    QVERIFY2(st.messages.texts().last().contains("no response from the module"),
             qPrintable(st.messages.texts().join('|')));

    // The results stay until a module is unplugged; then the slot waits and
    // programs the next one (the silent one's address went back to the pool).
    QTest::qWait(1200);
    QCOMPARE(st.word(0), QStringLiteral("PASS"));
    rack.unplug(sockets[0]);
    QTRY_COMPARE_WITH_TIMEOUT(st.word(0), QStringLiteral("Waiting"), kWaitMs);
    QVERIFY(rack.plug(sockets[0]));
    QTRY_COMPARE_WITH_TIMEOUT(st.word(0), QStringLiteral("PASS"), kWaitMs);
    QCOMPARE(st.tile(0)->view().local, std::optional<quint32>(0xC0000004));
    QCOMPARE(st.window.tally().slot(taught.at(0)).pass, 2);
    QCOMPARE(unitsIn(m_store).size(), 5);
}

void TstStation::setupIsGuardedByThePin()
{
    SlotRack rack(2, m_dir->filePath("hub"));
    const QString path =
        stationFile(rack, 2, StationPin::make(QStringLiteral("2468"), StationPin::kMinimumRounds));
    Station st(m_dir->path());
    QVERIFY(QTest::qWaitForWindowActive(&st.window));
    QVERIFY(st.window.openStation(path));

    // The PIN, then (when it opens) the setup: the step becomes 5.
    bool setupShown = false;
    const auto editWith = [&](const char *pin, bool opens) {
        QVERIFY(activate(st.window));
        onNextDialog([&, pin, opens](QWidget *prompt) {
            QTest::keyClicks(child<QLineEdit>(prompt, "pin"), pin);
            if (opens)
                onNextDialog(
                    [&](QWidget *setup) {
                        QSpinBox *step = child<QSpinBox>(setup, "step");
                        setupShown = step != nullptr;
                        // Nothing starts while the setup may change.
                        rack.plug(0);
                        QTRY_COMPARE_WITH_TIMEOUT(st.word(0), QStringLiteral("Not started"),
                                                  kWaitMs);
                        step->setFocus();
                        QTest::keyClick(step, Qt::Key_A, Qt::ControlModifier);
                        QTest::keyClicks(step, "5");
                        QTest::keyClick(setup, Qt::Key_Return);
                    },
                    prompt);
            QTest::keyClick(prompt, Qt::Key_Return);
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E,
                        Qt::ControlModifier | Qt::ShiftModifier);
    };
    editWith("1357", false);
    QVERIFY(st.messages.texts().last().startsWith("Wrong PIN"));
    QCOMPARE(readStationFile(path).setup->step, 1u);

    QVERIFY(activate(st.window));
    onNextDialog([](QWidget *prompt) { QTest::keyClick(prompt, Qt::Key_Escape); });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_E,
                    Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(readStationFile(path).setup->step, 1u);

    editWith("2468", true);
    QVERIFY(setupShown);
    QCOMPARE(readStationFile(path).setup->step, 5u);
    QCOMPARE(st.window.line()->setup().step, 5u); // the station runs the new setup
    QCOMPARE(st.word(0), QStringLiteral("Left alone"));
    QVERIFY(unitsIn(m_store).isEmpty());
    QVERIFY(readStationFile(path).setup->pin->matches(QStringLiteral("2468")));
}

void TstStation::badStationFileIsRefusedWithLineAndKey()
{
    const QString path = m_dir->filePath("bad.json");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("{\n  \"format\": \"zomar-station\",\n  \"version\": 1,\n  \"profile\": \"p.json\",\n"
            "  \"step\": -3\n}\n");
    f.close();
    Station st(m_dir->path());
    QVERIFY(!st.window.openStation(path));
    QVERIFY(st.window.line() == nullptr);
    const QString said = st.messages.texts().last();
    QVERIFY2(said.contains("line 5: step -3 is not allowed"), qPrintable(said));
    QVERIFY(st.window.bannerText().contains("line 5: step -3"));
}

void TstStation::pulledOutWhileWrittenFailsThatSlotOnly()
{
    SlotRack rack(2, m_dir->filePath("hub"));
    Station st(m_dir->path());
    QVERIFY(st.window.openStation(stationFile(rack, 2)));
    QVERIFY(rack.plug(0, SlotRack::Fault::Pulled));
    QVERIFY(rack.plug(1));
    QTRY_VERIFY_WITH_TIMEOUT(st.window.tally().shift().total() == 2, kWaitMs);
    QCOMPARE(st.word(0), QStringLiteral("UNKNOWN"));
    QVERIFY2(st.tile(0)->line().contains("read it back"), qPrintable(st.tile(0)->line()));
    QCOMPARE(st.word(1), QStringLiteral("PASS"));
    // The outcome stays on its tile once its socket is seen empty, until the next module.
    QTest::qWait(1200);
    QCOMPARE(st.word(0), QStringLiteral("UNKNOWN"));
    rack.unplug(0);
    QVERIFY(rack.plug(0));
    QTRY_COMPARE_WITH_TIMEOUT(st.word(0), QStringLiteral("PASS"), kWaitMs);
}

// A record on a server: the status bar says where it is while it answers,
// and what the station holds while it does not; modules go on from the lease.
void TstStation::serverRecordOfflineIsShown()
{
    PgCluster pg;
    QVERIFY2(pg.start(), qPrintable(pg.error()));
    QVERIFY(pg.addOwner("line", "secret"));
    qputenv("PGPASSWORD", "secret");
    m_store = pg.uri("line", "line");
    QString error;
    QVERIFY2(ProductionStore::open(m_store, ProductionStore::Mode::Init, &error),
             qPrintable(error));

    SlotRack rack(2, m_dir->filePath("hub"));
    Station st(m_dir->path());
    QVERIFY(st.window.openStation(stationFile(rack, 2)));
    QVERIFY(rack.plug(0));
    QTRY_COMPARE_WITH_TIMEOUT(st.word(0), QStringLiteral("PASS"), kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(st.window.storeText().endsWith("(online)"), kWaitMs);
    QVERIFY(!st.window.storeText().contains("secret"));

    pg.stopServer();
    QTRY_VERIFY_WITH_TIMEOUT(st.window.storeText().startsWith("offline: "), 30000);
    QVERIFY(rack.plug(1));
    QTRY_COMPARE_WITH_TIMEOUT(st.word(1), QStringLiteral("PASS"), kWaitMs);
    // 32 leased, two used; the second unit's row waits for the server.
    QTRY_COMPARE_WITH_TIMEOUT(st.window.storeText(),
                              QStringLiteral("offline: 30 addresses left, 1 row waiting"), kWaitMs);

    QVERIFY2(pg.start(), qPrintable(pg.error()));
    QTRY_VERIFY_WITH_TIMEOUT(st.window.storeText().endsWith("(online)"), 30000);
}

void TstStation::closingLetsModulesInFlightFinish()
{
    SlotRack rack(2, m_dir->filePath("hub"));
    auto st = std::make_unique<Station>(m_dir->path());
    QVERIFY(st->window.openStation(stationFile(rack, 2)));
    QVERIFY(rack.plug(0));
    QVERIFY(rack.plug(1));
    const auto written = [&st](int i) {
        return st->tile(i)->view().kind == SlotView::Busy &&
               st->tile(i)->view().step != ModuleStep::Reading;
    };
    QTRY_VERIFY_WITH_TIMEOUT(written(0) && written(1), kWaitMs);
    QVERIFY(!st->window.close()); // not yet: they finish first
    QVERIFY(st->window.bannerText().startsWith("Closing: 2 modules in flight finish first"));
    QTRY_VERIFY_WITH_TIMEOUT(!st->window.isVisible(), kWaitMs);
    st.reset(); // the run ends in the record
    const QList<UnitRow> units = unitsIn(m_store);
    QCOMPARE(units.size(), 2);
    for (const UnitRow &u : units)
        QCOMPARE(u.state, UnitState::Pass);
}

void TstStation::tilesAreReadableOnAnyTheme_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("dark");
    for (bool dark : {false, true})
        for (int kind = SlotView::Empty; kind <= SlotView::NoFolder; ++kind)
            QTest::addRow("%s %d", dark ? "dark" : "light", kind) << kind << dark;
}

void TstStation::tilesAreReadableOnAnyTheme()
{
    QFETCH(int, kind);
    QFETCH(bool, dark);
    const QPalette palette = dark ? darkPalette() : QPalette(Qt::white);
    const auto k = SlotView::Kind(kind);
    const double a = luminance(SlotTile::background(k, palette));
    const double b = luminance(SlotTile::foreground(k, palette));
    // WCAG's ratio for large text is 3; the tiles' small lines want 4.5.
    const double ratio = (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
    QVERIFY2(ratio >= 4.5, qPrintable(QString::number(ratio)));
    // The focus ring stands out from the tile as a control's outline must (3:1).
    const double ring = luminance(SlotTile::focusRing(k, palette));
    const double outline = (std::max(a, ring) + 0.05) / (std::min(a, ring) + 0.05);
    QVERIFY2(outline >= 3, qPrintable(QString::number(outline)));
}

QTEST_MAIN(TstStation)
void TstStation::shiftPanelShowsPaceAndAWeakSlot()
{
    // Two hours of a shift: three slots at 10 of 10, one at 4 of 10.
    ShiftTally tally;
    const QDateTime end = tally.started().addSecs(2 * 3600);
    for (int slot = 1; slot <= 4; ++slot)
        for (int i = 0; i < 10; ++i)
            tally.add(QStringLiteral("/dev/slot%1").arg(slot),
                      UnitLine{end, QStringLiteral("S%1").arg(slot), {}, slot < 4 || i < 4, {}, {}});
    ShiftPanel panel;
    panel.show(tally);
    QCOMPARE(panel.countsText(), QStringLiteral("Pass 34  Fail 6  First-pass yield 85.0 %"));
    QCOMPARE(panel.paceText(), QStringLiteral("20.0 units/h"));
    QCOMPARE(panel.weakSlotsText(),
             QStringLiteral("S4: yield 40.0 % (4 of 10), well below the other slots "
                            "(100.0 %): check its socket"));
    tally.reset();
    panel.show(tally);
    QCOMPARE(panel.weakSlotsText(), QString());
}

#include "tst_station.moc"
