// Reading the module's configuration into the modem page, end to end against
// the virtual module: what goes on the wire, how the answer is decoded, and
// what happens when the answer is missing, short or odd.

#include "gui/widgets/DropDownBox.h"
#include "gui/modem/RefreshOperation.h"
#include "tests/support/FormHarness.h"
#include "tests/support/TestUtil.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <initializer_list>

using namespace zomar;
using namespace zomar::test;

namespace {

QStringList unread()
{
    return QStringList(11, QStringLiteral("??"));
}

// Records every change of a field's text together with the status text and
// the pointer at that moment; the operations write no other trace.
class PageWatch
{
public:
    struct Change {
        QString field;
        QString text;
        QString status;
        bool busy;
    };

    explicit PageWatch(FormHarness &h) : m_h(h)
    {
        Form1Controls &ui = h.ui();
        QList<QLineEdit *> edits;
        for (QLineEdit *box : ui.addressBoxes())
            edits << box;
        edits << ui.Text9;
        for (QLineEdit *box : edits)
            QObject::connect(box, &QLineEdit::textChanged, &m_context,
                             [this, box](const QString &t) { record(box, t); });
        for (DropDownBox *box : {ui.Text10, ui.Combo5})
            QObject::connect(box, &QComboBox::editTextChanged, &m_context,
                             [this, box](const QString &t) { record(box, t); });
    }

    QList<Change> changes;

    QStringList textsOf(const QString &field) const
    {
        QStringList out;
        for (const Change &c : changes) {
            if (c.field == field)
                out << c.text;
        }
        return out;
    }

private:
    void record(QObject *field, const QString &text)
    {
        changes.append({field->objectName(), text, m_h.status(), m_h.form().pointer().isBusy()});
    }

    FormHarness &m_h;
    QObject m_context; // ends the connections with the watch
};

// Lets the start-up settle (its one quiet-line tick) before the test acts.
bool settle(FormHarness &h)
{
    return h.waitIdle();
}

} // namespace

class TestRefresh : public QObject
{
    Q_OBJECT
private slots:
    void readFillsFields_data();
    void readFillsFields();
    void refreshClickRereads();
    void lineSpeedMustMatch_data();
    void lineSpeedMustMatch();
    void lateBurstAfterNoAnswer();
    void oddAnswers_data();
    void oddAnswers();
    void refreshWhileClosed();
};

void TestRefresh::readFillsFields_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QString>("band");
    QTest::addColumn<QStringList>("expected");

    const QByteArray factory = VirtualModule::factoryConfiguration();
    const QStringList zeros(8, QStringLiteral("0"));
    QTest::newRow("factory, 433 band")
        << factory << "433Mhz" << (zeros + QStringList{"433.920", "0 dBm", "19200 bps"});
    QTest::newRow("factory, 868 band")
        << factory << "868Mhz" << (zeros + QStringList{"867.840", "0 dBm", "19200 bps"});
    QTest::newRow("hex forms, 57600 code")
        << bytes({0x12, 0x34, 0xAB, 0x0A, 0xFF, 0x01, 0x7F, 0x80, 0x07, 0xD0, 0x07, 0x05})
        << "433Mhz" << QStringList{"12", "34", "AB",      "A",       "FF",       "1",
                                   "7F", "80", "435.000", "-21 dBm", "57600 bps"};
    QTest::newRow("odd channel, 115200 code")
        << bytes({0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x06, 0x3F, 0x03, 0x02})
        << "433Mhz"
        << QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "433.998", "-9 dBm", "115200 bps"};
    QTest::newRow("odd channel, 868 band")
        << bytes({0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x06, 0x3F, 0x06, 0x47})
        << "868Mhz"
        << QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "867.995", "-18 dBm", "4800 bps"};
    QTest::newRow("channel 1600, 433 band")
        << bytes({0xC0, 0xFF, 0xEE, 0x00, 0x11, 0x22, 0x33, 0x44, 0x06, 0x40, 0x01, 0xA3})
        << "433Mhz" << QStringList{"C0", "FF", "EE",      "0",      "11",      "22",
                                   "33", "44", "434.000", "-3 dBm", "1200 bps"};
    QTest::newRow("channel 1600, 868 band")
        << bytes({0xC0, 0xFF, 0xEE, 0x00, 0x11, 0x22, 0x33, 0x44, 0x06, 0x40, 0x04, 0x91})
        << "868Mhz" << QStringList{"C0", "FF", "EE",      "0",       "11",      "22",
                                   "33", "44", "868.000", "-12 dBm", "2400 bps"};
    QTest::newRow("power code 9 and speed code 0x10 unknown")
        << bytes({0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x06, 0x20, 0x09, 0x10})
        << "433Mhz" << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "433.920", "??", "??"};
    QTest::newRow("no band: frequency left unread")
        << bytes({0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x07, 0x6C, 0x05, 0x23})
        << "915Mhz"
        << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "??", "-15 dBm", "9600 bps"};
    QTest::newRow("band in another case is no band")
        << bytes({0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x07, 0x6C, 0x06, 0x08})
        << "868MHZ"
        << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "??", "-18 dBm", "38400 bps"};
}

void TestRefresh::readFillsFields()
{
    QFETCH(QByteArray, config);
    QFETCH(QString, band);
    QFETCH(QStringList, expected);

    FormHarness h;
    Form1Controls &ui = h.ui();
    h.module().setConfiguration(config);
    ui.Combo6->setText(band); // a read on the closed port
    QVERIFY(settle(h));
    QCOMPARE(h.module().receivedBytes(), QByteArray());

    h.connectPort();
    QVERIFY(h.waitIdle());

    QCOMPARE(pageFields(ui), expected);
    QCOMPARE(ui.Combo6->text(), band); // the read never writes the band
    QCOMPARE(h.status(), kComplete);
    QVERIFY(ui.Command2->isEnabled());
    QVERIFY(ui.Command6->isEnabled());
    QVERIFY(ui.Command3->isEnabled());
    QCOMPARE(h.form().state().record.freqHigh(), int(quint8(config.at(8))));
    QCOMPARE(h.form().state().record.freqLow(), int(quint8(config.at(9))));
    QCOMPARE(h.form().state().noReply, false);
    QCOMPARE(h.form().state().parsePending, false);

    // On the wire: "+++", the 0.2 s wait, "---"; nothing else.
    QTRY_COMPARE(h.module().receivedBytes(), QByteArray("+++---"));
    const QList<VirtualModule::WireByte> wire = h.module().received();
    const double exitAfter = msBetween(wire.at(2).nsecs, wire.at(3).nsecs);
    QVERIFY2(exitAfter >= 150 && exitAfter <= 700, qPrintable(QString::number(exitAfter)));
    QTRY_VERIFY(!h.module().inCommandMode());
}

void TestRefresh::refreshClickRereads()
{
    FormHarness h;
    Form1Controls &ui = h.ui();
    h.module().setConfiguration(
        bytes({0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x80, 0x07, 0xD0, 0x02, 0x23}));
    QVERIFY(settle(h));
    h.connectPort();
    QVERIFY(h.waitIdle());
    QCOMPARE(ui.Text1->text(), QString("10"));
    QVERIFY(h.waitModuleIdle());

    // Unsaved edits are replaced by what the module reports now.
    ui.Text1->setText("EE");
    ui.Text9->setText("439");
    h.module().setConfiguration(
        bytes({0x11, 0x21, 0x31, 0x41, 0x51, 0x61, 0x71, 0x81, 0x06, 0x20, 0x04, 0x08}));
    h.module().clearReceived();
    PageWatch watch(h);
    ui.Command3->click();
    QVERIFY(h.waitIdle());

    QCOMPARE(pageFields(ui), (QStringList{"11", "21", "31", "41", "51", "61", "71", "81", "433.920",
                                          "-12 dBm", "38400 bps"}));
    QCOMPARE(h.status(), kComplete);
    QTRY_COMPARE(h.module().receivedBytes(), QByteArray("+++---"));
    // Every field went through "??" before the decode filled it.
    QCOMPARE(watch.textsOf("Text1"), (QStringList{"??", "11"}));
    QCOMPARE(watch.textsOf("Text9"), (QStringList{"??", "433.920"}));
    QCOMPARE(watch.textsOf("Combo5"), (QStringList{"??", "38400 bps"}));
    // The hourglass shows while the read runs and is gone after it.
    QVERIFY(!watch.changes.isEmpty());
    for (const PageWatch::Change &c : watch.changes)
        QVERIFY2(c.busy, qPrintable(c.field + "=" + c.text));
    QVERIFY(!h.form().pointer().isBusy());
}

void TestRefresh::lineSpeedMustMatch_data()
{
    QTest::addColumn<int>("moduleSpeed");
    QTest::addColumn<QString>("windowSpeed");
    QTest::addColumn<bool>("answered");
    QTest::newRow("module 9600, window 38400") << 9600 << "38400" << false;
    QTest::newRow("module 38400, window 9600") << 38400 << "9600" << false;
    QTest::newRow("both 9600") << 9600 << "9600" << true;
}

void TestRefresh::lineSpeedMustMatch()
{
    QFETCH(int, moduleSpeed);
    QFETCH(QString, windowSpeed);
    QFETCH(bool, answered);

    FormHarness h;
    Form1Controls &ui = h.ui();
    h.module().setLineSpeed(moduleSpeed);
    ui.Combo2->setText(windowSpeed);
    QVERIFY(settle(h));
    h.connectPort();
    QVERIFY(h.waitIdle());
    // The bytes went out either way; only a module at the same speed answers.
    QTRY_COMPARE(h.module().receivedBytes(), QByteArray("+++---"));

    if (answered) {
        QCOMPARE(h.status(), kComplete);
        QCOMPARE(ui.Text9->text(), QString("433.920"));
        QVERIFY(ui.Command2->isEnabled());
        return;
    }
    QCOMPARE(h.status(), kNoResponse);
    QCOMPARE(pageFields(ui), unread());
    QVERIFY(!ui.Command2->isEnabled());
    QVERIFY(!ui.Command6->isEnabled());
    QCOMPARE(h.form().state().noReply, true);
    // The decode stays pending for a later answer.
    QCOMPARE(h.form().state().parsePending, true);
}

void TestRefresh::lateBurstAfterNoAnswer()
{
    FormHarness h;
    Form1Controls &ui = h.ui();
    h.module().setAnswerOverride(QByteArray()); // "+++" goes unanswered
    QVERIFY(settle(h));
    h.connectPort();
    QVERIFY(h.waitIdle());
    QCOMPARE(h.status(), kNoResponse);
    QCOMPARE(pageFields(ui), unread());
    QVERIFY(!ui.Command2->isEnabled());

    // The next burst, whenever it comes, is decoded into the fields.
    h.module().send(
        bytes({0x0A, 0x0B, 0x0C, 0x0D, 0x1A, 0x1B, 0x1C, 0x1D, 0x07, 0x6C, 0x06, 0x91}));
    const QStringList decoded{"A",  "B",  "C",       "D",       "1A",      "1B",
                              "1C", "1D", "434.750", "-18 dBm", "2400 bps"};
    QTRY_COMPARE(pageFields(ui), decoded);
    QVERIFY(h.waitIdle());
    QVERIFY(ui.Command2->isEnabled());
    QVERIFY(ui.Command6->isEnabled());
    QCOMPARE(h.form().state().parsePending, false);
    // The status belongs to the Refresh that already ended.
    QCOMPARE(h.status(), kNoResponse);

    // Exactly one burst is decoded per request: a further one is only stored.
    h.module().send(
        bytes({0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x06, 0x20, 0x00, 0x11}));
    QTRY_COMPARE(h.form().state().loopbackChar, std::optional<quint8>(0x11));
    QVERIFY(h.waitIdle());
    QCOMPARE(pageFields(ui), decoded);
    QTRY_COMPARE(h.module().receivedBytes(), QByteArray("+++---"));
}

void TestRefresh::oddAnswers_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("freqHigh"); // -1: not checked
    QTest::addColumn<int>("freqLow");
    QTest::addColumn<bool>("noReply");

    QTest::newRow("five bytes") << bytes({0x21, 0x22, 0x23, 0x24, 0x25})
                                << QStringList{"21", "22", "23", "24", "25", "??",
                                               "??", "??", "??", "??", "??"}
                                << -1 << -1 << false;
    QTest::newRow("nine bytes: high channel byte only")
        << bytes({0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x07})
        << QStringList{"21", "22", "23", "24", "25", "26", "27", "28", "??", "??", "??"} << 7 << 0
        << false;
    QTest::newRow("ten bytes") << bytes(
                                      {0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x07, 0xD0})
                               << QStringList{"21", "22", "23",      "24", "25", "26",
                                              "27", "28", "435.000", "??", "??"}
                               << 7 << 0xD0 << false;
    QTest::newRow("only A5 bytes")
        << bytes({0xA5, 0xA5, 0xA5, 0xA5})
        << QStringList{"A5", "??", "??", "??", "??", "??", "??", "??", "??", "??", "??"} << -1 << -1
        << true;
    // The A5 in slot 4 is overwritten by the next byte: every later byte lands
    // one slot early and slot 11 stays empty.
    QTest::newRow("A5 inside the block shifts later fields")
        << bytes({0x11, 0x22, 0x33, 0x44, 0xA5, 0x55, 0x66, 0x77, 0x06, 0x20, 0x02, 0x08})
        << QStringList{"11", "22", "33", "44", "55", "66", "77", "6", "450.485", "??", "??"} << 0x20
        << 0x02 << false;
    QTest::newRow("A5 ending the burst is decoded")
        << bytes({0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0xA5})
        << QStringList{"11", "22", "33", "44", "55", "66", "77", "A5", "??", "??", "??"} << -1 << -1
        << false;
}

void TestRefresh::oddAnswers()
{
    QFETCH(QByteArray, answer);
    QFETCH(QStringList, expected);
    QFETCH(int, freqHigh);
    QFETCH(int, freqLow);
    QFETCH(bool, noReply);

    FormHarness h;
    Form1Controls &ui = h.ui();
    h.module().setAnswerOverride(answer);
    QVERIFY(settle(h));
    h.connectPort();
    QVERIFY(h.waitIdle());

    QCOMPARE(pageFields(ui), expected);
    if (freqHigh >= 0) {
        QCOMPARE(h.form().state().record.freqHigh(), freqHigh);
        QCOMPARE(h.form().state().record.freqLow(), freqLow);
    }
    // Any decoded burst on the open port enables the write, short or not.
    QVERIFY(ui.Command2->isEnabled());
    QVERIFY(ui.Command6->isEnabled());
    QCOMPARE(h.form().state().noReply, noReply);
    QCOMPARE(h.status(), noReply ? kNoResponse : kComplete);
}

void TestRefresh::refreshWhileClosed()
{
    FormHarness h;
    Form1Controls &ui = h.ui();
    QVERIFY(settle(h));
    h.connectPort();
    QVERIFY(h.waitIdle());
    QCOMPARE(ui.Text9->text(), QString("433.920"));
    // The read's "---" has reached the module (a busy machine may wake its
    // thread late) before the port closes.
    QVERIFY(h.waitModuleIdle());
    h.connectPort(); // "Disconnect"
    QCOMPARE(ui.Command7->text(), QString("Connect"));
    h.module().clearReceived();

    PageWatch watch(h);
    h.form().refreshOperation().refresh(); // as a band change runs it
    QVERIFY(h.waitIdle());

    QCOMPARE(pageFields(ui), unread());
    QCOMPARE(h.status(), kNoResponse);
    QVERIFY(!h.form().pointer().isBusy());
    QVERIFY(!watch.changes.isEmpty());
    QVERIFY(watch.changes.first().busy);
    QVERIFY(!ui.Command2->isEnabled());
    QVERIFY(!ui.Command6->isEnabled());
    // Nothing reached the module.
    QCOMPARE(h.module().receivedBytes(), QByteArray());
    QVERIFY(h.prompter().shown.isEmpty());
}

QTEST_MAIN(TestRefresh)
#include "tst_refresh.moc"
