// Tests of the configuration record: tables, field texts, frequency maths,
// decoding of received slots and encoding of the fields into a packet.

#include "core/link/LineSettings.h"
#include "core/protocol/PageCodec.h"

#include <QLocale>
#include <QTest>

#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

using namespace zomar;

Q_DECLARE_METATYPE(zomar::Band)
Q_DECLARE_METATYPE(zomar::EncodeResult::Status)
Q_DECLARE_METATYPE(zomar::Refusal)

namespace {

RxSlots emptySlots()
{
    RxSlots rx;
    rx.fill(kEmptySlot);
    return rx;
}

// Valid fields: every address "0", the given frequency and band,
// "0 dBm" and "1200 bps".
FieldTexts validFields(const QString &frequency = QStringLiteral("433.92"),
                       const QString &band = QStringLiteral("433Mhz"))
{
    FieldTexts f;
    for (QString &a : f.address)
        a = QStringLiteral("0");
    f.frequency = frequency;
    f.band = band;
    f.txPower = QStringLiteral("0 dBm");
    f.rfSpeed = QStringLiteral("1200 bps");
    return f;
}

FieldTexts factoryFields()
{
    FieldTexts f;
    for (QString &a : f.address)
        a = QStringLiteral("00");
    f.frequency = QStringLiteral("433.92");
    f.band = QStringLiteral("433Mhz");
    f.txPower = QStringLiteral("0");
    f.rfSpeed = QStringLiteral("19200 bps");
    return f;
}

int byteAt(const QByteArray &packet, int index)
{
    return static_cast<unsigned char>(packet.at(index));
}

// Independent reference for the shown frequency of a channel N >= 0: the
// exact value in ten-thousandths of a MHz, rounded half up to thousandths.
QString referenceFrequencyText(Band band, long long n)
{
    long long thousandths = 0;
    if (band == Band::Mhz433)
        thousandths = (4300000 + 25 * n + 5) / 10;
    else
        thousandths = 860000 + 5 * n;
    return QStringLiteral("%1.%2")
        .arg(thousandths / 1000)
        .arg(thousandths % 1000, 3, 10, QLatin1Char('0'));
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(static_cast<char>(v));
    return b;
}

bool sameDouble(double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return false;
    return a == b && std::signbit(a) == std::signbit(b);
}

} // namespace

class TestPageCodec : public QObject
{
    Q_OBJECT

private slots:
    // Lists and tables
    void listItems();
    void bandFromText_data();
    void bandFromText();
    void txPowerTable_data();
    void txPowerTable();
    void rfSpeedTable_data();
    void rfSpeedTable();
    void unmatchedCodesAndTexts();

    // Address texts
    void addressText_data();
    void addressText();
    void parseAddress_data();
    void parseAddress();
    void encodeAddress_data();
    void encodeAddress();
    void refusalInText5WritesNothing();
    void firstAddressRefusalWins();

    // Frequency
    void leadingNumber_data();
    void leadingNumber();
    void leadingNumberIgnoresLocale();
    void frequencyText_data();
    void frequencyText();
    void workedFrequencyTable_data();
    void workedFrequencyTable();
    void wholeChannelsAreNotTruncated();
    void frequencyRefused_data();
    void frequencyRefused();
    void frequencyOverflowFails_data();
    void frequencyOverflowFails();
    void channelRoundTripEveryChannel_data();
    void channelRoundTripEveryChannel();
    void channelRoundTripNegativeChannels_data();
    void channelRoundTripNegativeChannels();
    void channelFromFrequencyNoBand();

    // Kept channel bytes
    void noBandSendsLastDecodedBytes();
    void noBandAfterComputedEncodeSendsComputedBytes();
    void refusedChannelBytesAreKept();
    void negativeKeptHighByteIsShown();

    // Power and speed
    void unreadPowerAndSpeedAreRefused();
    void powerAndSpeedEncoding_data();
    void powerAndSpeedEncoding();

    // Decode
    void decodeFullBlock();
    void decodeBand868();
    void decodeNoBand();
    void decodePartialSlots();
    void decodeOnlyHighByte();
    void decodeOnlyLowByteUsesKeptHigh();
    void decodeCodesOutsideTables();

    // Whole packets
    void factoryPacket();
    void packetBlockOrder();
};

// ---------------------------------------------------------------------------
// Lists and tables

void TestPageCodec::listItems()
{
    QStringList ports;
    for (int i = 1; i <= 15; ++i)
        ports << QString::number(i);
    QCOMPARE(portItems(), ports);
    QCOMPARE(lineSpeedItems(),
             (QStringList{"2400", "4800", "9600", "14400", "19200", "28800", "38400"}));
    QCOMPARE(txPowerItems(), (QStringList{"0 dBm", "-3 dBm", "-6 dBm", "-9 dBm", "-12 dBm",
                                          "-15 dBm", "-18 dBm", "-21 dBm"}));
    QCOMPARE(rfSpeedItems(), (QStringList{"1200 bps", "2400 bps", "4800 bps", "9600 bps",
                                          "19200 bps", "38400 bps"}));
    QCOMPARE(bandItems(), (QStringList{"433Mhz", "868Mhz"}));
}

void TestPageCodec::bandFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Band>("band");
    QTest::newRow("433Mhz") << "433Mhz" << Band::Mhz433;
    QTest::newRow("868Mhz") << "868Mhz" << Band::Mhz868;
    QTest::newRow("433MHz (case)") << "433MHz" << Band::None;
    QTest::newRow("868mhz (case)") << "868mhz" << Band::None;
    QTest::newRow("leading blank") << " 433Mhz" << Band::None;
    QTest::newRow("trailing blank") << "868Mhz " << Band::None;
    QTest::newRow("empty") << "" << Band::None;
    QTest::newRow("??") << "??" << Band::None;
    QTest::newRow("433") << "433" << Band::None;
}

void TestPageCodec::bandFromText()
{
    QFETCH(QString, text);
    QFETCH(Band, band);
    QCOMPARE(zomar::bandFromText(text), band);
}

void TestPageCodec::txPowerTable_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    const char *texts[] = {"0 dBm",   "-3 dBm",  "-6 dBm",  "-9 dBm",
                           "-12 dBm", "-15 dBm", "-18 dBm", "-21 dBm"};
    for (int code = 0; code < 8; ++code)
        QTest::newRow(texts[code]) << code << QString::fromLatin1(texts[code]);
}

void TestPageCodec::txPowerTable()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(txPowerText(code), std::optional<QString>(text));
    QCOMPARE(txPowerCode(text), code);
}

void TestPageCodec::rfSpeedTable_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("1200") << 163 << "1200 bps";
    QTest::newRow("2400") << 145 << "2400 bps";
    QTest::newRow("4800") << 71 << "4800 bps";
    QTest::newRow("9600") << 35 << "9600 bps";
    QTest::newRow("19200") << 17 << "19200 bps";
    QTest::newRow("38400") << 8 << "38400 bps";
    QTest::newRow("57600") << 5 << "57600 bps";
    QTest::newRow("115200") << 2 << "115200 bps";
}

void TestPageCodec::rfSpeedTable()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(rfSpeedText(code), std::optional<QString>(text));
    QCOMPARE(rfSpeedCode(text), code);
}

void TestPageCodec::unmatchedCodesAndTexts()
{
    QCOMPARE(txPowerCode("-20 dBm"), 0);
    QCOMPARE(txPowerCode("0"), 0);
    QCOMPARE(txPowerCode("-21 DBM"), 0);
    QCOMPARE(txPowerCode("-21 dBm "), 0);
    QCOMPARE(txPowerCode(""), 0);
    QCOMPARE(rfSpeedCode("300 bps"), 163);
    QCOMPARE(rfSpeedCode("19200 BPS"), 163);
    QCOMPARE(rfSpeedCode("19200"), 163);
    QCOMPARE(rfSpeedCode(""), 163);

    QCOMPARE(txPowerText(9), std::nullopt);
    QCOMPARE(txPowerText(8), std::nullopt);
    QCOMPARE(txPowerText(-1), std::nullopt);
    QCOMPARE(txPowerText(255), std::nullopt);
    QCOMPARE(rfSpeedText(0x10), std::nullopt);
    QCOMPARE(rfSpeedText(0), std::nullopt);
    QCOMPARE(rfSpeedText(1), std::nullopt);
    QCOMPARE(rfSpeedText(255), std::nullopt);
}

// ---------------------------------------------------------------------------
// Address texts

void TestPageCodec::addressText_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "0";
    QTest::newRow("5") << 5 << "5";
    QTest::newRow("10") << 10 << "A";
    QTest::newRow("15") << 15 << "F";
    QTest::newRow("16") << 16 << "10";
    QTest::newRow("127") << 127 << "7F";
    QTest::newRow("165") << 165 << "A5";
    QTest::newRow("171") << 171 << "AB";
    QTest::newRow("255") << 255 << "FF";
}

void TestPageCodec::addressText()
{
    QFETCH(int, byte);
    QFETCH(QString, text);
    QCOMPARE(zomar::addressText(byte), text);
}

void TestPageCodec::parseAddress_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("value");
    const int B = AddressValue::Byte, N = AddressValue::NotHex, T = AddressValue::TooLarge,
              O = AddressValue::Overflow;
    QTest::newRow("0") << "0" << B << 0;
    QTest::newRow("00") << "00" << B << 0;
    QTest::newRow("5") << "5" << B << 5;
    QTest::newRow("0A") << "0A" << B << 10;
    QTest::newRow("A") << "A" << B << 10;
    QTest::newRow("a") << "a" << B << 10;
    QTest::newRow("ff") << "ff" << B << 255;
    QTest::newRow("Ff") << "Ff" << B << 255;
    QTest::newRow("00FF") << "00FF" << B << 255;
    QTest::newRow("many leading zeros")
        << (QString(40, QLatin1Char('0')) + QStringLiteral("7f")) << B << 127;
    QTest::newRow("100") << "100" << T << 256;
    QTest::newRow("7FFF") << "7FFF" << T << 32767;
    QTest::newRow("8000") << "8000" << O << 0;
    QTest::newRow("FFFF") << "FFFF" << O << 0;
    QTest::newRow("10000") << "10000" << O << 0;
    QTest::newRow("very long") << ("1" + QString(60, QLatin1Char('0'))) << O << 0;
    QTest::newRow("very long F") << QString(60, QLatin1Char('F')) << O << 0;
    QTest::newRow("empty") << "" << N << 0;
    QTest::newRow("??") << "??" << N << 0;
    QTest::newRow("G1") << "G1" << N << 0;
    QTest::newRow("1G") << "1G" << N << 0;
    QTest::newRow("blank before") << " 5" << N << 0;
    QTest::newRow("blank after") << "5 " << N << 0;
    QTest::newRow("blank") << " " << N << 0;
    QTest::newRow("plus") << "+5" << N << 0;
    QTest::newRow("minus") << "-1" << N << 0;
    QTest::newRow("0x prefix") << "0x5" << N << 0;
    QTest::newRow("&H prefix") << "&H5" << N << 0;
    QTest::newRow("fullwidth digit") << QString(QChar(0xFF15)) << N << 0;
    QTest::newRow("arabic-indic digit") << QString(QChar(0x0665)) << N << 0;
    QTest::newRow("long with letter") << (QString(60, QLatin1Char('F')) + "G") << N << 0;
}

void TestPageCodec::parseAddress()
{
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(int, value);
    const AddressValue a = zomar::parseAddress(text);
    QCOMPARE(static_cast<int>(a.kind), kind);
    if (kind == AddressValue::Byte || kind == AddressValue::TooLarge)
        QCOMPARE(a.value, value);
}

void TestPageCodec::encodeAddress_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<EncodeResult::Status>("status");
    QTest::addColumn<int>("byte");
    QTest::addColumn<Refusal>("refusal");
    const auto ok = EncodeResult::Ok;
    const auto refused = EncodeResult::Refused;
    const auto failed = EncodeResult::Failed;
    QTest::newRow("0") << "0" << ok << 0x00 << Refusal::None;
    QTest::newRow("00") << "00" << ok << 0x00 << Refusal::None;
    QTest::newRow("5") << "5" << ok << 0x05 << Refusal::None;
    QTest::newRow("0A") << "0A" << ok << 0x0A << Refusal::None;
    QTest::newRow("A") << "A" << ok << 0x0A << Refusal::None;
    QTest::newRow("a") << "a" << ok << 0x0A << Refusal::None;
    QTest::newRow("ff") << "ff" << ok << 0xFF << Refusal::None;
    QTest::newRow("A5") << "A5" << ok << 0xA5 << Refusal::None;
    QTest::newRow("00FF") << "00FF" << ok << 0xFF << Refusal::None;
    QTest::newRow("G1") << "G1" << refused << 0 << Refusal::AddressNotHex;
    QTest::newRow("empty") << "" << refused << 0 << Refusal::AddressNotHex;
    QTest::newRow("??") << "??" << refused << 0 << Refusal::AddressNotHex;
    QTest::newRow("100") << "100" << refused << 0 << Refusal::AddressTooLarge;
    QTest::newRow("7FFF") << "7FFF" << refused << 0 << Refusal::AddressTooLarge;
    QTest::newRow("8000") << "8000" << failed << 0 << Refusal::AddressOverflow;
    QTest::newRow("FFFF") << "FFFF" << failed << 0 << Refusal::AddressOverflow;
    QTest::newRow("10000") << "10000" << failed << 0 << Refusal::AddressOverflow;
}

void TestPageCodec::encodeAddress()
{
    QFETCH(QString, text);
    QFETCH(EncodeResult::Status, status);
    QFETCH(int, byte);
    QFETCH(Refusal, refusal);

    // The text in each of the eight boxes in turn, the others valid.
    for (int box = 0; box < 8; ++box) {
        PageCodec record;
        FieldTexts f = validFields();
        f.address[box] = text;
        const EncodeResult r = record.encode(f);
        QCOMPARE(r.status, status);
        switch (status) {
        case EncodeResult::Ok:
            QCOMPARE(r.packet.size(), kBlockSize);
            QCOMPARE(byteAt(r.packet, box), byte);
            break;
        case EncodeResult::Refused:
            QVERIFY(r.packet.isEmpty());
            QCOMPARE(r.refusal, refusal);
            QCOMPARE(r.byte, box);
            break;
        case EncodeResult::Failed:
            QVERIFY(r.packet.isEmpty());
            QCOMPARE(r.refusal, refusal);
            break;
        }
    }
}

void TestPageCodec::refusalInText5WritesNothing()
{
    PageCodec record;
    FieldTexts f = validFields();
    f.address = {"11", "22", "33", "44", "G1", "66", "77", "88"};
    const EncodeResult r = record.encode(f);
    QCOMPARE(r.status, EncodeResult::Refused);
    QVERIFY(r.packet.isEmpty());
    QCOMPARE(r.refusal, Refusal::AddressNotHex);
}

void TestPageCodec::firstAddressRefusalWins()
{
    PageCodec record;
    FieldTexts f = validFields();
    f.address[1] = "100";  // Incorrect value
    f.address[2] = "8000"; // would fail
    f.address[3] = "??";   // would be refused differently
    EncodeResult r = record.encode(f);
    QCOMPARE(r.status, EncodeResult::Refused);
    QCOMPARE(r.refusal, Refusal::AddressTooLarge);

    f.address[1] = "8000";
    f.address[2] = "100";
    r = record.encode(f);
    QCOMPARE(r.status, EncodeResult::Failed);
    QVERIFY(r.packet.isEmpty());
}

// ---------------------------------------------------------------------------
// Frequency

void TestPageCodec::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("??") << "??" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("point only") << "." << 0.0;
    QTest::newRow("sign only") << "-" << 0.0;
    QTest::newRow("minus zero") << "-0" << 0.0;
    QTest::newRow("blank sign digit") << "- 5" << 0.0;
    QTest::newRow("433.92") << "433.92" << 433.92;
    QTest::newRow("434") << "434" << 434.0;
    QTest::newRow("leading blanks") << "   433.92" << 433.92;
    QTest::newRow("leading tab") << "\t433.92" << 433.92;
    QTest::newRow("trailing unit") << "433.92MHz" << 433.92;
    QTest::newRow("trailing blank") << "433.92 " << 433.92;
    QTest::newRow("stops at blank") << "1 000" << 1.0;
    QTest::newRow("comma stops") << "433,92" << 433.0;
    QTest::newRow("second point stops") << "1.5.3" << 1.5;
    QTest::newRow("plus") << "+5" << 5.0;
    QTest::newRow("minus") << "-5.25" << -5.25;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("minus point first") << "-.5" << -0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("leading zeros") << "000433.920" << 433.92;
    QTest::newRow("1e3") << "1e3" << 1000.0;
    QTest::newRow("1E3") << "1E3" << 1000.0;
    QTest::newRow("1e+3") << "1e+3" << 1000.0;
    QTest::newRow("1e-3") << "1e-3" << 0.001;
    QTest::newRow("4.3392e2") << "4.3392e2" << 433.92;
    QTest::newRow("1.5e-3x") << "1.5e-3x" << 0.0015;
    QTest::newRow("e without digits") << "1e" << 1.0;
    QTest::newRow("e sign without digits") << "1e+" << 1.0;
    QTest::newRow("e letter") << "1ex" << 1.0;
    QTest::newRow("e blank digit") << "1e 3" << 1.0;
    QTest::newRow("exponent leading zeros") << "1e0003" << 1000.0;
    QTest::newRow("1e12") << "1e12" << 1e12;
    QTest::newRow("nearest 0.1") << "0.1" << 0.1;
    QTest::newRow("nearest 0.30000000000000004") << "0.30000000000000004" << 0.30000000000000004;
    QTest::newRow("tie to even 2^53+1") << "9007199254740993" << 9007199254740992.0;
    QTest::newRow("long fraction") << "433.920000000000000000000000000000000000000001" << 433.92;
    QTest::newRow("huge") << "1e999" << inf;
    QTest::newRow("huge negative") << "-1e999" << -inf;
    QTest::newRow("huge exponent digits") << "1e99999999999999999999999" << inf;
    QTest::newRow("tiny") << "1e-999" << 0.0;
    QTest::newRow("tiny negative") << "-1e-999" << 0.0;
    QTest::newRow("zero with huge exponent") << "0e999" << 0.0;
    QTest::newRow("many digits") << ("1" + QString(400, QLatin1Char('0'))) << inf;
    QTest::newRow("many digits negative exponent")
        << ("1" + QString(400, QLatin1Char('0')) + "e-400") << 1.0;
    QTest::newRow("fullwidth digit") << QString(QChar(0xFF15)) << 0.0;
    QTest::newRow("infinity word") << "inf" << 0.0;
    QTest::newRow("nan word") << "nan" << 0.0;
    QTest::newRow("hex") << "0x10" << 0.0;
}

void TestPageCodec::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    const double actual = zomar::leadingNumber(text);
    QVERIFY2(
        sameDouble(actual, value),
        qPrintable(
            QStringLiteral("got %1, expected %2").arg(actual, 0, 'g', 17).arg(value, 0, 'g', 17)));
}

void TestPageCodec::leadingNumberIgnoresLocale()
{
    const QLocale savedDefault;
    const std::string savedC = std::setlocale(LC_ALL, nullptr);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const char *candidates[] = {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR"};
    bool cLocaleChanged = false;
    for (const char *name : candidates) {
        if (std::setlocale(LC_ALL, name)) {
            cLocaleChanged = true;
            break;
        }
    }

    const double v = zomar::leadingNumber("433.92");
    const double w = zomar::leadingNumber("433,92");
    const QString shown = zomar::frequencyText(Band::Mhz433, 1568);
    const std::optional<ChannelNumber> ch =
        channelFromFrequency(Band::Mhz433, QStringLiteral("433.92"));

    std::setlocale(LC_ALL, savedC.c_str());
    QLocale::setDefault(savedDefault);

    QCOMPARE(v, 433.92);
    QCOMPARE(w, 433.0);
    QCOMPARE(shown, QStringLiteral("433.920"));
    QVERIFY(ch.has_value());
    QCOMPARE(ch->n, 1568LL);
    if (!cLocaleChanged)
        qInfo("No comma-decimal C locale installed; only the Qt default locale was changed");
}

void TestPageCodec::frequencyText_data()
{
    QTest::addColumn<Band>("band");
    QTest::addColumn<qlonglong>("channel");
    QTest::addColumn<QString>("text");
    const Band b433 = Band::Mhz433, b868 = Band::Mhz868;
    QTest::newRow("433 0") << b433 << 0LL << "430.000";
    QTest::newRow("433 1") << b433 << 1LL << "430.003";
    QTest::newRow("433 2") << b433 << 2LL << "430.005";
    QTest::newRow("433 3") << b433 << 3LL << "430.008";
    QTest::newRow("433 96") << b433 << 96LL << "430.240";
    QTest::newRow("433 1568") << b433 << 1568LL << "433.920";
    QTest::newRow("433 1598") << b433 << 1598LL << "433.995";
    QTest::newRow("433 1599") << b433 << 1599LL << "433.998";
    QTest::newRow("433 1600") << b433 << 1600LL << "434.000";
    QTest::newRow("433 3900") << b433 << 3900LL << "439.750";
    QTest::newRow("433 65535") << b433 << 65535LL << "593.838";
    QTest::newRow("868 0") << b868 << 0LL << "860.000";
    QTest::newRow("868 1") << b868 << 1LL << "860.005";
    QTest::newRow("868 1568") << b868 << 1568LL << "867.840";
    QTest::newRow("868 1599") << b868 << 1599LL << "867.995";
    QTest::newRow("868 1900") << b868 << 1900LL << "869.500";
    QTest::newRow("868 3902") << b868 << 3902LL << "879.510";
    QTest::newRow("868 65535") << b868 << 65535LL << "1187.675";
    // Negative channels (a negative high byte kept from a refused encode).
    QTest::newRow("433 -1") << b433 << -1LL << "429.998";
    QTest::newRow("433 -2") << b433 << -2LL << "429.995";
    QTest::newRow("433 -400") << b433 << -400LL << "429.000";
    QTest::newRow("433 -172000") << b433 << -172000LL << "0.000";
    QTest::newRow("433 -172001") << b433 << -172001LL << "-0.002";
    QTest::newRow("433 -172002") << b433 << -172002LL << "-0.005";
    QTest::newRow("433 -172004") << b433 << -172004LL << "-0.010";
    QTest::newRow("433 -172400") << b433 << -172400LL << "-1.000";
    QTest::newRow("433 -172401") << b433 << -172401LL << "-1.002";
    QTest::newRow("868 -1") << b868 << -1LL << "859.995";
    QTest::newRow("868 -172000") << b868 << -172000LL << "0.000";
    QTest::newRow("868 -172001") << b868 << -172001LL << "-0.005";
    QTest::newRow("868 -172200") << b868 << -172200LL << "-1.000";
    // Extremes: no overflow inside the arithmetic.
    QTest::newRow("433 max") << b433 << std::numeric_limits<qlonglong>::max()
                             << "23058430092137369.518";
    QTest::newRow("868 max") << b868 << std::numeric_limits<qlonglong>::max()
                             << "46116860184274739.035";
    QTest::newRow("433 min") << b433 << std::numeric_limits<qlonglong>::min()
                             << "-23058430092136509.520";
    QTest::newRow("868 min") << b868 << std::numeric_limits<qlonglong>::min()
                             << "-46116860184273019.040";
    QTest::newRow("no band") << Band::None << 1568LL << "";
}

void TestPageCodec::frequencyText()
{
    QFETCH(Band, band);
    QFETCH(qlonglong, channel);
    QFETCH(QString, text);
    QCOMPARE(zomar::frequencyText(band, channel), text);
}

void TestPageCodec::workedFrequencyTable_data()
{
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("low");
    QTest::addColumn<QString>("readBack");
    // Worked frequencies, with 434 and 868 landing on their whole channel.
    QTest::newRow("433 433.92") << "433Mhz"
                                << "433.92" << 1568 << 0x06 << 0x20 << "433.920";
    QTest::newRow("433 434 (whole channel)") << "433Mhz"
                                             << "434" << 1600 << 0x06 << 0x40 << "434.000";
    QTest::newRow("433 435") << "433Mhz"
                             << "435" << 2000 << 0x07 << 0xD0 << "435.000";
    QTest::newRow("433 430") << "433Mhz"
                             << "430" << 0 << 0x00 << 0x00 << "430.000";
    QTest::newRow("868 868 (whole channel)") << "868Mhz"
                                             << "868" << 1600 << 0x06 << 0x40 << "868.000";
    QTest::newRow("868 869.5") << "868Mhz"
                               << "869.5" << 1900 << 0x07 << 0x6C << "869.500";
    // Further rows.
    QTest::newRow("433 433.997") << "433Mhz"
                                 << "433.997" << 1598 << 0x06 << 0x3E << "433.995";
    QTest::newRow("433 433.9975") << "433Mhz"
                                  << "433.9975" << 1599 << 0x06 << 0x3F << "433.998";
    QTest::newRow("433 433.998") << "433Mhz"
                                 << "433.998" << 1599 << 0x06 << 0x3F << "433.998";
    QTest::newRow("433 430.24") << "433Mhz"
                                << "430.24" << 96 << 0x00 << 0x60 << "430.240";
    QTest::newRow("433 439.75") << "433Mhz"
                                << "439.75" << 3900 << 0x0F << 0x3C << "439.750";
    QTest::newRow("433 593.8") << "433Mhz"
                               << "593.8" << 65520 << 0xFF << 0xF0 << "593.800";
    QTest::newRow("433 593.838") << "433Mhz"
                                 << "593.838" << 65535 << 0xFF << 0xFF << "593.838";
    QTest::newRow("433 433.92 MHz") << "433Mhz"
                                    << " 433.92 MHz" << 1568 << 0x06 << 0x20 << "433.920";
    QTest::newRow("868 860.48") << "868Mhz"
                                << "860.48" << 96 << 0x00 << 0x60 << "860.480";
    QTest::newRow("868 879.51") << "868Mhz"
                                << "879.51" << 3902 << 0x0F << 0x3E << "879.510";
    QTest::newRow("868 867.84") << "868Mhz"
                                << "867.84" << 1568 << 0x06 << 0x20 << "867.840";
    QTest::newRow("868 1187.675") << "868Mhz"
                                  << "1187.675" << 65535 << 0xFF << 0xFF << "1187.675";
}

void TestPageCodec::workedFrequencyTable()
{
    QFETCH(QString, band);
    QFETCH(QString, frequency);
    QFETCH(int, channel);
    QFETCH(int, high);
    QFETCH(int, low);
    QFETCH(QString, readBack);

    const Band b = zomar::bandFromText(band);
    const std::optional<ChannelNumber> ch = channelFromFrequency(b, frequency);
    QVERIFY(ch.has_value());
    QVERIFY(!ch->overflow);
    QCOMPARE(ch->n, static_cast<long long>(channel));

    PageCodec writer;
    const EncodeResult r = writer.encode(validFields(frequency, band));
    QCOMPARE(r.status, EncodeResult::Ok);
    QCOMPARE(r.packet.size(), kBlockSize);
    QCOMPARE(byteAt(r.packet, 8), high);
    QCOMPARE(byteAt(r.packet, 9), low);
    QCOMPARE(writer.freqHigh(), high);
    QCOMPARE(writer.freqLow(), low);

    PageCodec reader;
    RxSlots rx = emptySlots();
    rx[8] = high;
    rx[9] = low;
    const DecodedFields d = reader.decode(rx, b);
    QCOMPARE(d.frequency, std::optional<QString>(readBack));
}

void TestPageCodec::wholeChannelsAreNotTruncated()
{
    // A plain floor gives 1599 for "434" and "868"; a product this close to a
    // whole number is taken as that number.
    const double p433 = (434.0 / 10.0 - 43.0) * 4000.0;
    const double p868 = (868.0 / 10.0 - 86.0) * 2000.0;
    QCOMPARE(std::floor(p433), 1599.0);
    QCOMPARE(std::floor(p868), 1599.0);
    QCOMPARE(channelFromFrequency(Band::Mhz433, "434")->n, 1600LL);
    QCOMPARE(channelFromFrequency(Band::Mhz868, "868")->n, 1600LL);
    // Not near a whole number: still the floor.
    QCOMPARE(channelFromFrequency(Band::Mhz433, "433.999")->n, 1599LL);
    QCOMPARE(channelFromFrequency(Band::Mhz433, "429.9999")->n, -1LL);
    // Near a whole number from above.
    QCOMPARE(channelFromFrequency(Band::Mhz868, "869.5")->n, 1900LL);
}

void TestPageCodec::frequencyRefused_data()
{
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<int>("keptHigh");
    QTest::addColumn<int>("keptLow");
    QTest::newRow("433 429") << "433Mhz"
                             << "429" << -2 << 112; // N = -400
    QTest::newRow("433 600") << "433Mhz"
                             << "600" << 265 << 160; // N = 68000
    QTest::newRow("433 593.84") << "433Mhz"
                                << "593.84" << 256 << 0; // N = 65536
    QTest::newRow("433 ??") << "433Mhz"
                            << "??" << -672 << 32; // N = -172000
    QTest::newRow("433 empty") << "433Mhz"
                               << "" << -672 << 32; // N = -172000
    QTest::newRow("433 429.9999") << "433Mhz"
                                  << "429.9999" << -1 << 255; // N = -1
    QTest::newRow("868 859") << "868Mhz"
                             << "859" << -1 << 56; // N = -200
    QTest::newRow("868 1187.68") << "868Mhz"
                                 << "1187.68" << 256 << 0; // N = 65536
}

void TestPageCodec::frequencyRefused()
{
    QFETCH(QString, band);
    QFETCH(QString, frequency);
    QFETCH(int, keptHigh);
    QFETCH(int, keptLow);

    PageCodec record;
    record.setChannelBytes(0x12, 0x34);
    const EncodeResult r = record.encode(validFields(frequency, band));
    QCOMPARE(r.status, EncodeResult::Refused);
    QVERIFY(r.packet.isEmpty());
    QCOMPARE(r.refusal, Refusal::FrequencyOutOfRange);
    // The computed bytes are stored even though they were refused.
    QCOMPARE(record.freqHigh(), keptHigh);
    QCOMPARE(record.freqLow(), keptLow);
}

void TestPageCodec::frequencyOverflowFails_data()
{
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("frequency");
    QTest::newRow("433 1e12") << "433Mhz"
                              << "1e12";
    QTest::newRow("868 1e12") << "868Mhz"
                              << "1e12";
    QTest::newRow("433 -1e12") << "433Mhz"
                               << "-1e12";
    QTest::newRow("433 1e999 (inf)") << "433Mhz"
                                     << "1e999";
    QTest::newRow("433 -1e999 (-inf)") << "433Mhz"
                                       << "-1e999";
    QTest::newRow("433 just above int32") << "433Mhz"
                                          << "5369140"; // p = 2147484000
    QTest::newRow("433 just below int32 min") << "433Mhz"
                                              << "-5368281"; // p = -2147484400
}

void TestPageCodec::frequencyOverflowFails()
{
    // Just inside the 32-bit range: no overflow (refused as a channel later).
    const std::optional<ChannelNumber> inside = channelFromFrequency(Band::Mhz433, "5369139");
    QVERIFY(!inside->overflow);
    QCOMPARE(inside->n, 2147483600LL);

    QFETCH(QString, band);
    QFETCH(QString, frequency);

    const std::optional<ChannelNumber> ch =
        channelFromFrequency(zomar::bandFromText(band), frequency);
    QVERIFY(ch.has_value());
    QVERIFY(ch->overflow);

    PageCodec record;
    record.setChannelBytes(0x12, 0x34);
    const EncodeResult r = record.encode(validFields(frequency, band));
    QCOMPARE(r.status, EncodeResult::Failed);
    QVERIFY(r.packet.isEmpty());
    QCOMPARE(r.refusal, Refusal::FrequencyOverflow);
    // Nothing was computed, so the kept bytes stay.
    QCOMPARE(record.freqHigh(), 0x12);
    QCOMPARE(record.freqLow(), 0x34);
}

void TestPageCodec::channelRoundTripEveryChannel_data()
{
    QTest::addColumn<QString>("band");
    QTest::newRow("433Mhz") << "433Mhz";
    QTest::newRow("868Mhz") << "868Mhz";
}

void TestPageCodec::channelRoundTripEveryChannel()
{
    QFETCH(QString, band);
    const Band b = zomar::bandFromText(band);

    PageCodec reader;
    FieldTexts f = validFields(QString(), band);
    for (int n = 0; n <= 0xFFFF; ++n) {
        RxSlots rx = emptySlots();
        rx[8] = n >> 8;
        rx[9] = n & 0xFF;
        const DecodedFields d = reader.decode(rx, b);
        if (!d.frequency) {
            QFAIL(qPrintable(QStringLiteral("channel %1: no frequency shown").arg(n)));
        }
        if (*d.frequency != referenceFrequencyText(b, n)) {
            QFAIL(qPrintable(QStringLiteral("channel %1 shown as %2, expected %3")
                                 .arg(n)
                                 .arg(*d.frequency, referenceFrequencyText(b, n))));
        }

        PageCodec writer;
        writer.setChannelBytes(-99, -99); // must be overwritten from the text
        f.frequency = *d.frequency;
        const EncodeResult r = writer.encode(f);
        if (r.status != EncodeResult::Ok || r.packet.size() != kBlockSize ||
            byteAt(r.packet, 8) != (n >> 8) || byteAt(r.packet, 9) != (n & 0xFF)) {
            QFAIL(qPrintable(
                QStringLiteral("channel %1 shown as %2 encodes back as %3 (refusal %4)")
                    .arg(n)
                    .arg(*d.frequency, QString::fromLatin1(r.packet.toHex(' ')))
                    .arg(static_cast<int>(r.refusal))));
        }
    }
}

void TestPageCodec::channelRoundTripNegativeChannels_data()
{
    channelRoundTripEveryChannel_data();
}

void TestPageCodec::channelRoundTripNegativeChannels()
{
    // Negative channels can be shown (a kept negative high byte); their texts
    // read back as the same channel too.
    QFETCH(QString, band);
    const Band b = zomar::bandFromText(band);
    for (long long n = -1; n >= -200000; --n) {
        const QString text = zomar::frequencyText(b, n);
        const std::optional<ChannelNumber> ch = channelFromFrequency(b, text);
        if (!ch || ch->overflow || ch->n != n) {
            QFAIL(qPrintable(QStringLiteral("channel %1 shown as %2 reads back as %3")
                                 .arg(n)
                                 .arg(text)
                                 .arg(ch ? ch->n : 0)));
        }
    }
}

void TestPageCodec::channelFromFrequencyNoBand()
{
    QCOMPARE(channelFromFrequency(Band::None, "433.92"), std::nullopt);
    QCOMPARE(channelFromFrequency(Band::None, "1e999"), std::nullopt);
}

// ---------------------------------------------------------------------------
// Kept channel bytes

void TestPageCodec::noBandSendsLastDecodedBytes()
{
    PageCodec record;
    RxSlots rx = emptySlots();
    rx[8] = 0x12;
    rx[9] = 0x34;
    const DecodedFields d = record.decode(rx, Band::None);
    QCOMPARE(d.frequency, std::nullopt);
    QCOMPARE(record.freqHigh(), 0x12);
    QCOMPARE(record.freqLow(), 0x34);

    const QStringList noBands = {"", "??", "433mhz", "868MHZ", "915Mhz"};
    for (const QString &band : noBands) {
        const QStringList frequencies = {"", "??", "433.92", "1e999"};
        for (const QString &frequency : frequencies) {
            const EncodeResult r = record.encode(validFields(frequency, band));
            QCOMPARE(r.status, EncodeResult::Ok);
            QCOMPARE(byteAt(r.packet, 8), 0x12);
            QCOMPARE(byteAt(r.packet, 9), 0x34);
        }
    }

    // A record that never read anything sends channel 0.
    PageCodec fresh;
    const EncodeResult r = fresh.encode(validFields("", ""));
    QCOMPARE(r.status, EncodeResult::Ok);
    QCOMPARE(r.packet.mid(8, 2), bytes({0, 0}));
}

void TestPageCodec::noBandAfterComputedEncodeSendsComputedBytes()
{
    PageCodec record;
    QCOMPARE(record.encode(validFields("435", "433Mhz")).status, EncodeResult::Ok);
    const EncodeResult r = record.encode(validFields("", ""));
    QCOMPARE(r.status, EncodeResult::Ok);
    QCOMPARE(r.packet.mid(8, 2), bytes({0x07, 0xD0}));
}

void TestPageCodec::refusedChannelBytesAreKept()
{
    PageCodec record;
    EncodeResult r = record.encode(validFields("429", "433Mhz"));
    QCOMPARE(r.status, EncodeResult::Refused);
    QCOMPARE(record.freqHigh(), -2);
    QCOMPARE(record.freqLow(), 112);
    // With no band the kept (refused) bytes are checked again.
    r = record.encode(validFields("433.92", ""));
    QCOMPARE(r.status, EncodeResult::Refused);
    QCOMPARE(r.refusal, Refusal::FrequencyOutOfRange);

    // High byte in range, low byte not: refused at the low byte.
    record.setChannelBytes(0x06, 256);
    r = record.encode(validFields("", ""));
    QCOMPARE(r.status, EncodeResult::Refused);
    QCOMPARE(r.refusal, Refusal::FrequencyOutOfRange);
    record.setChannelBytes(0x06, -1);
    QCOMPARE(record.encode(validFields("", "")).status, EncodeResult::Refused);
}

void TestPageCodec::negativeKeptHighByteIsShown()
{
    PageCodec record;
    QCOMPARE(record.encode(validFields("429", "433Mhz")).status, EncodeResult::Refused);
    QCOMPARE(record.freqHigh(), -2);

    // A short answer that carries byte 9 but not byte 8.
    RxSlots rx = emptySlots();
    rx[9] = 112;
    DecodedFields d = record.decode(rx, Band::Mhz433);
    QCOMPARE(d.frequency, std::optional<QString>("429.000"));

    record.setChannelBytes(-1, 0);
    rx[9] = 255;
    d = record.decode(rx, Band::Mhz433);
    QCOMPARE(d.frequency, std::optional<QString>("429.998"));
    d = record.decode(rx, Band::Mhz868);
    QCOMPARE(d.frequency, std::optional<QString>("859.995"));
}

// ---------------------------------------------------------------------------
// Power and speed

void TestPageCodec::unreadPowerAndSpeedAreRefused()
{
    PageCodec record;
    FieldTexts f = validFields();
    f.txPower = "??";
    EncodeResult r = record.encode(f);
    QCOMPARE(r.status, EncodeResult::Refused);
    QVERIFY(r.packet.isEmpty());
    QCOMPARE(r.refusal, Refusal::TxPowerUnread);

    f = validFields();
    f.rfSpeed = "??";
    r = record.encode(f);
    QCOMPARE(r.status, EncodeResult::Refused);
    QVERIFY(r.packet.isEmpty());
    QCOMPARE(r.refusal, Refusal::RfSpeedUnread);

    // Both unread: the power box comes first in block order.
    f.txPower = "??";
    r = record.encode(f);
    QCOMPARE(r.refusal, Refusal::TxPowerUnread);

    // A frequency refusal comes before either.
    f.frequency = "429";
    r = record.encode(f);
    QCOMPARE(r.refusal, Refusal::FrequencyOutOfRange);
}

void TestPageCodec::powerAndSpeedEncoding_data()
{
    QTest::addColumn<QString>("power");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<int>("powerCode");
    QTest::addColumn<int>("speedCode");
    QTest::newRow("list items") << "-21 dBm"
                                << "38400 bps" << 7 << 8;
    QTest::newRow("typed 0") << "0"
                             << "19200 bps" << 0 << 17;
    QTest::newRow("unmatched power") << "-20 dBm"
                                     << "2400 bps" << 0 << 145;
    QTest::newRow("unmatched speed") << "-3 dBm"
                                     << "300 bps" << 1 << 163;
    QTest::newRow("typed 57600") << "-6 dBm"
                                 << "57600 bps" << 2 << 5;
    QTest::newRow("typed 115200") << "-9 dBm"
                                  << "115200 bps" << 3 << 2;
    QTest::newRow("single ?") << "?"
                              << "?" << 0 << 163;
    QTest::newRow("three ?") << "???"
                             << "???" << 0 << 163;
    QTest::newRow("?? with blank") << " ??"
                                   << "?? " << 0 << 163;
    QTest::newRow("empty") << ""
                           << "" << 0 << 163;
}

void TestPageCodec::powerAndSpeedEncoding()
{
    QFETCH(QString, power);
    QFETCH(QString, speed);
    QFETCH(int, powerCode);
    QFETCH(int, speedCode);
    PageCodec record;
    FieldTexts f = validFields();
    f.txPower = power;
    f.rfSpeed = speed;
    const EncodeResult r = record.encode(f);
    QCOMPARE(r.status, EncodeResult::Ok);
    QCOMPARE(r.packet.size(), kBlockSize);
    QCOMPARE(byteAt(r.packet, 10), powerCode);
    QCOMPARE(byteAt(r.packet, 11), speedCode);
}

// ---------------------------------------------------------------------------
// Decode

void TestPageCodec::decodeFullBlock()
{
    PageCodec record;
    RxSlots rx = emptySlots();
    const int block[kBlockSize] = {0x00, 0x0A, 0x7F, 0xFF, 0x01, 0x10,
                                   0xA5, 0xAB, 0x06, 0x20, 7,    0x05};
    for (int k = 0; k < kBlockSize; ++k)
        rx[k] = block[k];
    rx[12] = 0x33; // bytes after the twelfth are not decoded
    const DecodedFields d = record.decode(rx, Band::Mhz433);
    const char *addresses[] = {"0", "A", "7F", "FF", "1", "10", "A5", "AB"};
    for (int k = 0; k < 8; ++k)
        QCOMPARE(d.address[k], std::optional<QString>(addresses[k]));
    QCOMPARE(d.frequency, std::optional<QString>("433.920"));
    QCOMPARE(d.txPower, std::optional<QString>("-21 dBm"));
    QCOMPARE(d.rfSpeed, std::optional<QString>("57600 bps"));
    QCOMPARE(record.freqHigh(), 0x06);
    QCOMPARE(record.freqLow(), 0x20);
}

void TestPageCodec::decodeBand868()
{
    PageCodec record;
    RxSlots rx = emptySlots();
    rx[8] = 0x06;
    rx[9] = 0x20;
    QCOMPARE(record.decode(rx, Band::Mhz868).frequency, std::optional<QString>("867.840"));
}

void TestPageCodec::decodeNoBand()
{
    PageCodec record;
    RxSlots rx = emptySlots();
    rx[8] = 0x07;
    rx[9] = 0x6C;
    rx[10] = 2;
    const DecodedFields d = record.decode(rx, Band::None);
    QCOMPARE(d.frequency, std::nullopt);
    QCOMPARE(d.txPower, std::optional<QString>("-6 dBm"));
    QCOMPARE(record.freqHigh(), 0x07);
    QCOMPARE(record.freqLow(), 0x6C);
}

void TestPageCodec::decodePartialSlots()
{
    PageCodec record;
    record.setChannelBytes(0x11, 0x22);
    RxSlots rx = emptySlots();
    rx[0] = 0x01;
    rx[1] = 0x02;
    rx[2] = 0x03;
    rx[3] = 0x04;
    const DecodedFields d = record.decode(rx, Band::Mhz433);
    for (int k = 0; k < 4; ++k)
        QCOMPARE(d.address[k], std::optional<QString>(QString::number(k + 1)));
    for (int k = 4; k < 8; ++k)
        QCOMPARE(d.address[k], std::nullopt);
    QCOMPARE(d.frequency, std::nullopt);
    QCOMPARE(d.txPower, std::nullopt);
    QCOMPARE(d.rfSpeed, std::nullopt);
    QCOMPARE(record.freqHigh(), 0x11);
    QCOMPARE(record.freqLow(), 0x22);

    // Nothing at all received.
    const DecodedFields none = record.decode(emptySlots(), Band::Mhz433);
    for (int k = 0; k < 8; ++k)
        QCOMPARE(none.address[k], std::nullopt);
    QCOMPARE(none.frequency, std::nullopt);
    QCOMPARE(none.txPower, std::nullopt);
    QCOMPARE(none.rfSpeed, std::nullopt);

    // Only slot 0 holding the 0xA5 that the receive path did not advance past.
    RxSlots a5 = emptySlots();
    a5[0] = 0xA5;
    QCOMPARE(record.decode(a5, Band::Mhz433).address[0], std::optional<QString>("A5"));
}

void TestPageCodec::decodeOnlyHighByte()
{
    PageCodec record;
    record.setChannelBytes(0x11, 0x22);
    RxSlots rx = emptySlots();
    rx[8] = 0x06;
    const DecodedFields d = record.decode(rx, Band::Mhz433);
    QCOMPARE(d.frequency, std::nullopt); // only written when byte 9 arrived
    QCOMPARE(record.freqHigh(), 0x06);
    QCOMPARE(record.freqLow(), 0x22);
}

void TestPageCodec::decodeOnlyLowByteUsesKeptHigh()
{
    PageCodec record;
    record.setChannelBytes(0x07, 0x00);
    RxSlots rx = emptySlots();
    rx[9] = 0xD0;
    QCOMPARE(record.decode(rx, Band::Mhz433).frequency, std::optional<QString>("435.000"));
    QCOMPARE(record.freqHigh(), 0x07);
    QCOMPARE(record.freqLow(), 0xD0);
}

void TestPageCodec::decodeCodesOutsideTables()
{
    PageCodec record;
    RxSlots rx = emptySlots();
    rx[10] = 9;
    rx[11] = 0x10;
    const DecodedFields d = record.decode(rx, Band::Mhz433);
    QCOMPARE(d.txPower, std::nullopt);
    QCOMPARE(d.rfSpeed, std::nullopt);

    rx[10] = 0;
    rx[11] = 0xA3;
    const DecodedFields e = record.decode(rx, Band::Mhz433);
    QCOMPARE(e.txPower, std::optional<QString>("0 dBm"));
    QCOMPARE(e.rfSpeed, std::optional<QString>("1200 bps"));
}

// ---------------------------------------------------------------------------
// Whole packets

void TestPageCodec::factoryPacket()
{
    PageCodec record;
    record.setChannelBytes(0x0F, 0x3E); // whatever was read before
    const EncodeResult r = record.encode(factoryFields());
    QCOMPARE(r.status, EncodeResult::Ok);
    QCOMPARE(r.packet, QByteArray::fromHex("000000000000000006200011"));
    QCOMPARE(r.refusal, Refusal::None);
}

void TestPageCodec::packetBlockOrder()
{
    PageCodec record;
    FieldTexts f;
    f.address = {"1", "2", "3", "4", "a5", "B6", "c7", "FF"};
    f.frequency = "869.5";
    f.band = "868Mhz";
    f.txPower = "-15 dBm";
    f.rfSpeed = "9600 bps";
    const EncodeResult r = record.encode(f);
    QCOMPARE(r.status, EncodeResult::Ok);
    QCOMPARE(r.packet, bytes({0x01, 0x02, 0x03, 0x04, 0xA5, 0xB6, 0xC7, 0xFF, 0x07, 0x6C, 5, 35}));

    // Decoding the packet shows the same fields again.
    RxSlots rx = emptySlots();
    for (int k = 0; k < kBlockSize; ++k)
        rx[k] = byteAt(r.packet, k);
    PageCodec reader;
    const DecodedFields d = reader.decode(rx, Band::Mhz868);
    const char *addresses[] = {"1", "2", "3", "4", "A5", "B6", "C7", "FF"};
    for (int k = 0; k < 8; ++k)
        QCOMPARE(d.address[k], std::optional<QString>(addresses[k]));
    QCOMPARE(d.frequency, std::optional<QString>("869.500"));
    QCOMPARE(d.txPower, std::optional<QString>("-15 dBm"));
    QCOMPARE(d.rfSpeed, std::optional<QString>("9600 bps"));
}

QTEST_APPLESS_MAIN(TestPageCodec)
#include "tst_pagecodec.moc"
