// Writing the modem page to the module, end to end against the virtual module:
// the bytes of the write, their order and timing, the refusals, and the
// read-back that ends every write.

#include "gui/widgets/DropDownBox.h"
#include "gui/modem/SetOperation.h"
#include "tests/support/FormHarness.h"
#include "tests/support/TestUtil.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <initializer_list>

using namespace zomar;
using namespace zomar::test;

namespace {

// Writes "Name=text" into the named field as the operator could have left it.
// Address boxes take longer texts only from code, so their limit is raised.
bool editField(Form1 &form, const QString &edit)
{
    const qsizetype at = edit.indexOf(QLatin1Char('='));
    const QString name = edit.left(at);
    const QString text = edit.mid(at + 1);
    if (auto *box = form.findChild<DropDownBox *>(name)) {
        box->setText(text);
        return true;
    }
    if (auto *box = form.findChild<QLineEdit *>(name)) {
        box->setMaxLength(qMax(box->maxLength(), int(text.size())));
        box->setText(text);
        return box->text() == text;
    }
    return false;
}

// The status texts seen at each change of a field, in order, without repeats.
// The status of a nested step ("Send Complete") lasts only until the read-back
// blanks the fields, so that is where it can be seen.
class StatusTrail
{
public:
    explicit StatusTrail(FormHarness &h) : m_h(h)
    {
        Form1Controls &ui = h.ui();
        for (QLineEdit *box : ui.addressBoxes())
            QObject::connect(box, &QLineEdit::textChanged, &m_context, [this] { note(); });
        QObject::connect(ui.Text9, &QLineEdit::textChanged, &m_context, [this] { note(); });
        for (DropDownBox *box : {ui.Text10, ui.Combo5})
            QObject::connect(box, &QComboBox::editTextChanged, &m_context, [this] { note(); });
    }
    QStringList seen;

private:
    void note()
    {
        const QString status = m_h.status();
        if (seen.isEmpty() || seen.last() != status)
            seen << status;
    }
    FormHarness &m_h;
    QObject m_context;
};

// Milliseconds between two bytes on the wire.
double gapMs(const QList<VirtualModule::WireByte> &wire, int from, int to)
{
    return msBetween(wire.at(from).nsecs, wire.at(to).nsecs);
}

QString ms(double value)
{
    return QString::number(value, 'f', 1) + QStringLiteral(" ms");
}

const QByteArray kEnter("+++");
const QByteArray kExit("---");

} // namespace

class TestSet : public QObject
{
    Q_OBJECT
private slots:
    void writesBackWhatWasRead_data();
    void writesBackWhatWasRead();
    void editedFieldsWritten_data();
    void editedFieldsWritten();
    void refusedFieldWritesNothing_data();
    void refusedFieldWritesNothing();
    void noBandWritesChannelLastRead();
    void setWhileClosed_data();
    void setWhileClosed();
};

void TestSet::writesBackWhatWasRead_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("shownFrequency");

    QTest::newRow("factory") << VirtualModule::factoryConfiguration() << "433Mhz"
                             << "433.920";
    QTest::newRow("57600 speed code")
        << bytes({0x0A, 0x0B, 0x0C, 0x0D, 0x10, 0x20, 0x30, 0x40, 0x07, 0xD0, 0x05, 0x05})
        << "433Mhz"
        << "435.000";
    QTest::newRow("115200 speed code, odd channel")
        << bytes({0xFF, 0xFE, 0x00, 0x01, 0x7F, 0x80, 0xC3, 0x3C, 0x06, 0x3F, 0x07, 0x02})
        << "433Mhz"
        << "433.998";
    QTest::newRow("868 band") << bytes({0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x07, 0x6C,
                                        0x02, 0xA3})
                              << "868Mhz"
                              << "869.500";
    QTest::newRow("channel 1600, 433 band")
        << bytes({0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x06, 0x40, 0x06, 0x47})
        << "433Mhz"
        << "434.000";
    QTest::newRow("channel 1600, 868 band")
        << bytes({0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x06, 0x40, 0x03, 0x08})
        << "868Mhz"
        << "868.000";
    QTest::newRow("9600 speed code, lowest channel")
        << bytes({0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x04, 0x23})
        << "433Mhz"
        << "430.000";
    QTest::newRow("2400 speed code, high channel")
        << bytes({0x99, 0x88, 0x77, 0x66, 0x55, 0x44, 0x33, 0x22, 0xFF, 0xF0, 0x01, 0x91})
        << "433Mhz"
        << "593.800";
}

void TestSet::writesBackWhatWasRead()
{
    QFETCH(QByteArray, config);
    QFETCH(QString, band);
    QFETCH(QString, shownFrequency);

    FormHarness h;
    Form1Controls &ui = h.ui();
    QVERIFY(h.connectAndRead(config, band));
    QCOMPARE(ui.Text9->text(), shownFrequency);
    QVERIFY(ui.Command2->isEnabled());
    const QStringList before = pageFields(ui);

    StatusTrail trail(h);
    ui.Command2->click();
    QVERIFY(h.waitIdle());

    const QByteArray expected = kEnter + config + kExit + kEnter + kExit;
    QTRY_COMPARE(h.module().receivedBytes(), expected);
    QCOMPARE(h.module().configuration(), config);
    QCOMPARE(pageFields(ui), before);
    QVERIFY2(trail.seen.contains("Send Complete"), qPrintable(trail.seen.join(" | ")));
    QCOMPARE(h.status(), kComplete);
    QVERIFY(h.prompter().shown.isEmpty());
    QVERIFY(!h.form().pointer().isBusy());

    // "+++", 0.2 s, the packet, 0.1 s, "---", 0.1 s, then the read-back
    // "+++", 0.2 s, "---".
    const QList<VirtualModule::WireByte> wire = h.module().received();
    const double packetAfter = gapMs(wire, 2, 3);
    const double packetSpread = gapMs(wire, 3, 14);
    const double exitAfter = gapMs(wire, 14, 15);
    const double readAfter = gapMs(wire, 17, 18);
    const double readExitAfter = gapMs(wire, 20, 21);
    QVERIFY2(packetAfter >= 150 && packetAfter <= 700, qPrintable(ms(packetAfter)));
    QVERIFY2(packetSpread <= 50, qPrintable(ms(packetSpread))); // one write
    QVERIFY2(exitAfter >= 60 && exitAfter <= 500, qPrintable(ms(exitAfter)));
    QVERIFY2(readAfter >= 60 && readAfter <= 500, qPrintable(ms(readAfter)));
    QVERIFY2(readExitAfter >= 150 && readExitAfter <= 700, qPrintable(ms(readExitAfter)));
}

void TestSet::editedFieldsWritten_data()
{
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("power");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QByteArray>("tail");      // block bytes 8 to 11
    QTest::addColumn<QStringList>("readBack"); // Text9, Text10, Combo5

    QTest::newRow("434 on 433 is channel 1600") << "433Mhz"
                                                << "434"
                                                << "-21 dBm"
                                                << "9600 bps" << bytes({0x06, 0x40, 0x07, 0x23})
                                                << QStringList{"434.000", "-21 dBm", "9600 bps"};
    QTest::newRow("868 on 868 is channel 1600") << "868Mhz"
                                                << "868"
                                                << "-3 dBm"
                                                << "9600 bps" << bytes({0x06, 0x40, 0x01, 0x23})
                                                << QStringList{"868.000", "-3 dBm", "9600 bps"};
    QTest::newRow("433.92") << "433Mhz"
                            << "433.92"
                            << "0 dBm"
                            << "9600 bps" << bytes({0x06, 0x20, 0x00, 0x23})
                            << QStringList{"433.920", "0 dBm", "9600 bps"};
    QTest::newRow("869.5 on 868") << "868Mhz"
                                  << "869.5"
                                  << "-12 dBm"
                                  << "9600 bps" << bytes({0x07, 0x6C, 0x04, 0x23})
                                  << QStringList{"869.500", "-12 dBm", "9600 bps"};
    QTest::newRow("433.999 truncates to the channel below")
        << "433Mhz"
        << "433.999"
        << "-6 dBm"
        << "9600 bps" << bytes({0x06, 0x3F, 0x02, 0x23})
        << QStringList{"433.998", "-6 dBm", "9600 bps"};
    QTest::newRow("430 is channel 0") << "433Mhz"
                                      << "430"
                                      << "-9 dBm"
                                      << "9600 bps" << bytes({0x00, 0x00, 0x03, 0x23})
                                      << QStringList{"430.000", "-9 dBm", "9600 bps"};
    QTest::newRow("593.8 is accepted") << "433Mhz"
                                       << "593.8"
                                       << "-15 dBm"
                                       << "9600 bps" << bytes({0xFF, 0xF0, 0x05, 0x23})
                                       << QStringList{"593.800", "-15 dBm", "9600 bps"};
    QTest::newRow("power matching no item is code 0")
        << "433Mhz"
        << "435"
        << "-20 dBm"
        << "9600 bps" << bytes({0x07, 0xD0, 0x00, 0x23})
        << QStringList{"435.000", "0 dBm", "9600 bps"};
    QTest::newRow("typed 57600 bps") << "433Mhz"
                                     << "435"
                                     << "-18 dBm"
                                     << "57600 bps" << bytes({0x07, 0xD0, 0x06, 0x05})
                                     << QStringList{"435.000", "-18 dBm", "57600 bps"};
    QTest::newRow("speed matching no item is 1200 bps")
        << "433Mhz"
        << "435"
        << "-18 dBm"
        << "300 bps" << bytes({0x07, 0xD0, 0x06, 0xA3})
        << QStringList{"435.000", "-18 dBm", "1200 bps"};
}

void TestSet::editedFieldsWritten()
{
    QFETCH(QString, band);
    QFETCH(QString, frequency);
    QFETCH(QString, power);
    QFETCH(QString, speed);
    QFETCH(QByteArray, tail);
    QFETCH(QStringList, readBack);

    const QByteArray config =
        bytes({0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x00, 0x60, 0x07, 0x08});
    FormHarness h;
    Form1Controls &ui = h.ui();
    QVERIFY(h.connectAndRead(config, band));

    ui.Text9->setText(frequency);
    ui.Text10->setText(power);
    ui.Combo5->setText(speed);
    ui.Command2->click();
    QVERIFY(h.waitIdle());

    const QByteArray packet = config.left(8) + tail;
    QTRY_COMPARE(h.module().receivedBytes(), kEnter + packet + kExit + kEnter + kExit);
    QCOMPARE(h.module().configuration(), packet);
    QCOMPARE(pageFields(ui).mid(8), readBack);
    QCOMPARE(pageFields(ui).first(8),
             (QStringList{"11", "22", "33", "44", "55", "66", "77", "88"}));
    QCOMPARE(h.status(), kComplete);
    QVERIFY(h.prompter().shown.isEmpty());
}

void TestSet::refusedFieldWritesNothing_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title"); // as shown
    QTest::addColumn<bool>("prefixOnly");

    const QString notHex = "Invalid input (00-FF)";
    const QString badFrequency = "Incorrect Frequency value";
    const QString badPower = "Invalid input (Tx Power)";
    const QString badSpeed = "Invalid input (RF TX Speed)";
    const QString tooLarge = "Incorrect value";
    const QString failure = "Error!! ";
    const QString appTitle = "Zomar Setup Utility";

    QTest::newRow("address G1") << QStringList{"Text3=G1"} << notHex << "Error!!" << false;
    QTest::newRow("empty address") << QStringList{"Text1="} << notHex << "Error!!" << false;
    QTest::newRow("unread address") << QStringList{"Text8=??"} << notHex << "Error!!" << false;
    QTest::newRow("Text5 after valid Text1..4")
        << QStringList{"Text1=01", "Text2=02", "Text3=03", "Text4=04", "Text5=ZZ"} << notHex
        << "Error!!" << false;
    QTest::newRow("frequency 429") << QStringList{"Text9=429"} << badFrequency << "Error" << false;
    QTest::newRow("frequency 600") << QStringList{"Text9=600"} << badFrequency << "Error" << false;
    QTest::newRow("unread frequency")
        << QStringList{"Text9=??"} << badFrequency << "Error" << false;
    QTest::newRow("unread TX power") << QStringList{"Text10=??"} << badPower << "Error!!" << false;
    QTest::newRow("unread speed") << QStringList{"Combo5=??"} << badSpeed << "Error!!" << false;
    QTest::newRow("power before speed")
        << QStringList{"Combo5=??", "Text10=??"} << badPower << "Error!!" << false;
    QTest::newRow("frequency before power")
        << QStringList{"Text10=??", "Text9=429"} << badFrequency << "Error" << false;
    QTest::newRow("address before frequency")
        << QStringList{"Text9=429", "Text2=XY"} << notHex << "Error!!" << false;
    QTest::newRow("address 100") << QStringList{"Text2=100"} << tooLarge << "Error" << false;
    QTest::newRow("address 7FFF") << QStringList{"Text6=7FFF"} << tooLarge << "Error" << false;
    QTest::newRow("address 8000") << QStringList{"Text4=8000"} << failure << appTitle << true;
    QTest::newRow("address FFFF") << QStringList{"Text7=FFFF"} << failure << appTitle << true;
}

void TestSet::refusedFieldWritesNothing()
{
    QFETCH(QStringList, edits);
    QFETCH(QString, message);
    QFETCH(QString, title);
    QFETCH(bool, prefixOnly);

    const QByteArray config =
        bytes({0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x80, 0x07, 0xD0, 0x05, 0x11});
    FormHarness h;
    Form1Controls &ui = h.ui();
    QVERIFY(h.connectAndRead(config, "433Mhz"));
    const QStringList before = pageFields(ui);

    for (const QString &edit : edits)
        QVERIFY2(editField(h.form(), edit), qPrintable(edit));
    ui.Command2->click();
    QVERIFY(h.waitIdle());

    QCOMPARE(h.prompter().shown.size(), 1);
    const MessageRequest &box = h.prompter().shown.first();
    if (prefixOnly) {
        QVERIFY2(box.text.startsWith(message) && box.text.size() > message.size(),
                 qPrintable(box.text));
        QVERIFY(box.title.isEmpty());
    } else {
        QCOMPARE(box.text, message);
    }
    QCOMPARE(box.shownTitle(), title);
    QCOMPARE(box.buttons, MessageRequest::Ok);

    // Command mode is still entered and left, but no packet byte goes out.
    QTRY_COMPARE(h.module().receivedBytes(), kEnter + kExit + kEnter + kExit);
    QCOMPARE(h.module().configuration(), config);
    const QList<VirtualModule::WireByte> wire = h.module().received();
    const double exitAfter = gapMs(wire, 2, 3); // 0.2 s + 0.1 s
    QVERIFY2(exitAfter >= 250 && exitAfter <= 1200, qPrintable(ms(exitAfter)));
    // The read-back replaces the edits with what the module holds.
    QCOMPARE(pageFields(ui), before);
    QCOMPARE(h.status(), kComplete);
}

void TestSet::noBandWritesChannelLastRead()
{
    const QByteArray config =
        bytes({0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x80, 0x07, 0xD0, 0x05, 0x11});
    FormHarness h;
    Form1Controls &ui = h.ui();
    QVERIFY(h.connectAndRead(config, "433Mhz"));

    ui.Combo6->setText("915Mhz"); // reads again, without a band
    QVERIFY(h.waitIdle());
    QCOMPARE(ui.Text9->text(), QString("??"));
    QCOMPARE(h.form().state().record.freqHigh(), 0x07);
    QCOMPARE(h.form().state().record.freqLow(), 0xD0);
    QVERIFY(h.waitModuleIdle());
    h.module().clearReceived();

    // The module's answer to the write's own "+++" must not replace the channel
    // bytes that were read: give it another channel now.
    QByteArray moved = config;
    moved[8] = 0x01;
    moved[9] = 0x00;
    h.module().setConfiguration(moved);
    ui.Text9->setText(QString()); // no band: the frequency box does not matter
    ui.Command2->click();
    QVERIFY(h.waitIdle());

    QTRY_COMPARE(h.module().receivedBytes(), kEnter + config + kExit + kEnter + kExit);
    QCOMPARE(h.module().configuration(), config);
    QVERIFY(h.prompter().shown.isEmpty());
    QCOMPARE(ui.Text9->text(), QString("??"));
    QCOMPARE(h.form().state().record.freqHigh(), 0x07);
    QCOMPARE(h.form().state().record.freqLow(), 0xD0);
}

void TestSet::setWhileClosed_data()
{
    QTest::addColumn<bool>("openedBefore");
    QTest::newRow("after a disconnect") << true;
    QTest::newRow("never opened") << false;
}

void TestSet::setWhileClosed()
{
    QFETCH(bool, openedBefore);
    FormHarness h;
    Form1Controls &ui = h.ui();
    if (openedBefore) {
        QVERIFY(h.connectAndRead(VirtualModule::factoryConfiguration(), "433Mhz"));
        h.connectPort(); // "Disconnect"
    } else {
        // Fields that would make a packet: only the port refuses it.
        for (QLineEdit *box : ui.addressBoxes())
            box->setText("00");
        ui.Text9->setText("433.92");
        ui.Text10->setText("0 dBm");
        ui.Combo5->setText("19200 bps");
    }
    QVERIFY(h.waitIdle());
    QVERIFY(!ui.Command2->isEnabled());
    h.module().clearReceived();

    h.form().setOperation().set(); // as the factory reset runs it
    QVERIFY(h.waitIdle());

    // The write to the closed port fails with the general message.
    QCOMPARE(h.prompter().shown.size(), 1);
    const MessageRequest &box = h.prompter().shown.first();
    QCOMPARE(box.text, QString("Error!! Operation valid only when the port is open"));
    QCOMPARE(box.shownTitle(), QString("Zomar Setup Utility"));
    QCOMPARE(h.status(), kNoResponse);
    QCOMPARE(pageFields(ui), QStringList(11, "??"));
    QVERIFY(!ui.Command2->isEnabled());
    QCOMPARE(h.module().receivedBytes(), QByteArray());
}

QTEST_MAIN(TestSet)
#include "tst_set.moc"
