// Tests of the profile file: strict reading with one-line refusals, the exact
// text it is written as, atomic saving, and the round trip block -> profile ->
// block over every channel and code.

#include "core/profiles/Profile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace zomar;

namespace {

const QString kFile = QStringLiteral("site.json");

QByteArray profileWith(const QByteArray &members)
{
    QByteArray json = R"({"format": "zomar-profile", "version": 1)";
    if (!members.isEmpty())
        json += ", " + members;
    return json + "}";
}

constexpr quint8 kRfCodes[] = {163, 145, 71, 35, 17, 8, 5, 2};

} // namespace

class TestProfile : public QObject
{
    Q_OBJECT
private slots:
    void refusals_data();
    void refusals();
    void readings_data();
    void readings();
    void roundTripOverEveryChannelAndCode();
    void writtenText_data();
    void writtenText();
    void codesOutsideTheTablesAreNotWritten();
    void readFromDisk();
    void saveIntoUnwritableFolder_data();
    void saveIntoUnwritableFolder();
};

void TestProfile::refusals_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QStringList>("says");

    const QString keys = QStringLiteral("allowed keys: format, version, name, comment, "
                                        "destination, local, band, frequency_mhz, channel, "
                                        "tx_power, rf_speed");
    QTest::newRow("misspelt key") << profileWith(R"("tx_powr": "-9 dBm")")
                                  << QStringList{R"(unknown key "tx_powr")",
                                                 R"(did you mean "tx_power"?)", keys};
    QTest::newRow("key in other case")
        << profileWith(R"("Band": "433")")
        << QStringList{R"(unknown key "Band")", R"(did you mean "band"?)"};
    QTest::newRow("shortened key")
        << profileWith(R"("freq": "433.920")") << QStringList{R"(did you mean "frequency_mhz"?)"};
    QTest::newRow("foreign key") << profileWith(R"("colour": "red")")
                                 << QStringList{R"(unknown key "colour"; allowed keys)"};
    QTest::newRow("power as number")
        << profileWith(R"("tx_power": -9)")
        << QStringList{"tx_power is a number", "\"-9 dBm\"", "-21 dBm"};
    QTest::newRow("channel as string")
        << profileWith(R"("channel": "1568")")
        << QStringList{"channel is a string", "a whole number 0 to 65535"};
    QTest::newRow("name as number")
        << profileWith(R"("name": 5)") << QStringList{"name is a number; it takes a string"};
    QTest::newRow("address as null")
        << profileWith(R"("local": null)") << QStringList{"local is null", "1 to 8 hex digits"};
    QTest::newRow("address not hex") << profileWith(R"("destination": "0102030G")")
                                     << QStringList{R"(destination "0102030G": not hexadecimal)"};
    QTest::newRow("address too long") << profileWith(R"("local": "010203040")")
                                      << QStringList{R"(local "010203040")", "at most 8"};
    QTest::newRow("unknown band") << profileWith(R"("band": "915")")
                                  << QStringList{R"(band "915")", "allowed: 433, 868"};
    QTest::newRow("frequency without band")
        << profileWith(R"("frequency_mhz": "433.920")")
        << QStringList{R"(frequency_mhz "433.920": needs "band")", "\"channel\""};
    QTest::newRow("frequency below band") << profileWith(R"("band": "433", "frequency_mhz": "429")")
                                          << QStringList{R"(frequency_mhz "429": below 430.000)"};
    QTest::newRow("frequency between channels")
        << profileWith(R"("band": "868", "frequency_mhz": "868.001")")
        << QStringList{"frequency_mhz \"868.001\": not a channel of the 868 MHz band"};
    QTest::newRow("frequency as number") << profileWith(R"("band": "433", "frequency_mhz": 433.92)")
                                         << QStringList{"frequency_mhz is a number", "\"433.920\""};
    QTest::newRow("channel too high") << profileWith(R"("channel": 65536)")
                                      << QStringList{"channel 65536: allowed: a whole number 0 to "
                                                     "65535"};
    QTest::newRow("channel negative")
        << profileWith(R"("channel": -1)") << QStringList{"channel -1: allowed"};
    QTest::newRow("channel with fraction")
        << profileWith(R"("channel": 1568.5)") << QStringList{"channel 1568.5: allowed"};
    QTest::newRow("channel and frequency disagree")
        << profileWith(R"("band": "433", "frequency_mhz": "433.920", "channel": 1569)")
        << QStringList{R"(channel 1569 and frequency_mhz "433.920" (channel 1568) disagree)"};
    QTest::newRow("power not in table")
        << profileWith(R"("tx_power": "-10 dBm")")
        << QStringList{R"(tx_power "-10 dBm")", "allowed: 0, -3, -6, -9, -12, -15, -18, "
                                                "-21 dBm"};
    QTest::newRow("antenna gain out of range")
        << profileWith(R"("antenna_gain_dbi": 31)")
        << QStringList{"antenna_gain_dbi 31: allowed: a number of dBi from -30 to 30"};
    QTest::newRow("antenna gain as string")
        << profileWith(R"("antenna_gain_dbi": "2 dBi")")
        << QStringList{"antenna_gain_dbi is a string; it takes a number of dBi"};
    QTest::newRow("speed not in table")
        << profileWith(R"("rf_speed": "300 bps")")
        << QStringList{R"(rf_speed "300 bps")", "1200, 2400, 4800, 9600, 19200, 38400, "
                                                "57600, 115200 bps"};
    QTest::newRow("truncated") << QByteArray("{\"format\": \"zomar-profile\",\n  \"version\": 1,\n"
                                             "  \"band\": \"433\"")
                               << QStringList{"line 3, column 16: not valid JSON"};
    QTest::newRow("missing comma") << QByteArray("{\n  \"format\": \"zomar-profile\"\n"
                                                 "  \"version\": 1\n}\n")
                                   << QStringList{"line 2, column 28: not valid JSON (a comma "
                                                  "is missing after this value)"};
    QTest::newRow("missing comma in a list")
        << QByteArray("{\"format\": \"zomar-profile\", \"version\": 1,\n  \"x\": [1,\n  2\n  3]}")
        << QStringList{"line 3, column 4: not valid JSON (a comma is missing after this value)"};
    QTest::newRow("column counts characters") << QByteArray("{\"name\": \"Pr\xC3\xBC"
                                                            "fstand\" x}")
                                              << QStringList{"line 1, column 22: not valid JSON"};
    QTest::newRow("not JSON") << QByteArray("format = zomar-profile\n")
                              << QStringList{"line 1, column 1: not valid JSON"};
    QTest::newRow("empty") << QByteArray(" \n") << QStringList{"empty; a profile is a JSON object"};
    QTest::newRow("array") << QByteArray(R"([{"format": "zomar-profile"}])")
                           << QStringList{"not a profile: the file holds a JSON array"};
    QTest::newRow("no format") << QByteArray(R"({"version": 1})")
                               << QStringList{R"(no "format" key; a profile has "format": )"
                                              R"("zomar-profile")"};
    QTest::newRow("other format") << QByteArray(R"({"format": "other", "version": 1})")
                                  << QStringList{R"(format "other": not a profile; allowed: )"
                                                 R"("zomar-profile")"};
    QTest::newRow("no version") << QByteArray(R"({"format": "zomar-profile"})")
                                << QStringList{R"(no "version" key; allowed: 1)"};
    QTest::newRow("newer version, with a key it does not know")
        << QByteArray(R"({"format": "zomar-profile", "version": 2, "hop_table": [1, 2]})")
        << QStringList{"version 2: newer than this program reads; allowed: 1"};
    QTest::newRow("version zero") << QByteArray(R"({"format": "zomar-profile", "version": 0})")
                                  << QStringList{"version 0: allowed: 1"};
    QTest::newRow("version as string")
        << QByteArray(R"({"format": "zomar-profile", "version": "1"})")
        << QStringList{"version is a string; it takes a whole number: 1"};
    QTest::newRow("key given twice")
        << QByteArray("{\"format\": \"zomar-profile\", \"version\": 1,\n"
                      "  \"local\": \"01020304\",\n  \"local\": \"AABBCCDD\"}")
        << QStringList{R"(line 3: key "local" is given twice (first on line 2))"};
    QTest::newRow("version given twice")
        << QByteArray(R"({"format": "zomar-profile", "version": 2, "version": 1})")
        << QStringList{R"(line 1: key "version" is given twice)"};
    QTest::newRow("key given twice, once escaped")
        << profileWith(R"("tx_power": "0 dBm", "tx_\u0070ower": "-9 dBm")")
        << QStringList{R"(key "tx_power" is given twice)"};
    QTest::newRow("key given twice in an inner object")
        << profileWith(R"("name": {"a": 1, "a": 2})") << QStringList{R"(key "a" is given twice)"};
    QTest::newRow("number as written")
        << profileWith(R"("channel": 1e23)") << QStringList{"channel 1e23: allowed"};
    QTest::newRow("version as written")
        << QByteArray(R"({"format": "zomar-profile", "version": 1.50})")
        << QStringList{"version 1.50: allowed: 1"};
    QTest::newRow("over 64 KiB")
        << profileWith("\"comment\": \"" + QByteArray(kProfileMaxBytes, 'x') + "\"")
        << QStringList{"more than 65536 bytes; a profile is at most 64 KiB"};
}

void TestProfile::refusals()
{
    QFETCH(QByteArray, json);
    QFETCH(QStringList, says);
    const ProfileReading reading = parseProfile(json, kFile);
    QVERIFY(!reading.profile);
    QVERIFY2(reading.error.startsWith(kFile + QStringLiteral(": ")), qPrintable(reading.error));
    QVERIFY2(!reading.error.contains(QLatin1Char('\n')), qPrintable(reading.error));
    for (const QString &part : says)
        QVERIFY2(reading.error.contains(part), qPrintable(reading.error + " lacks: " + part));
}

void TestProfile::readings_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QByteArray>("block"); // applied to a base of 0x11 bytes
    QTest::addColumn<int>("named");

    const QByteArray base(kBlockSize, '\x11');
    QTest::newRow("names nothing") << profileWith("") << base << 0;
    QTest::newRow("the example")
        << profileWith(R"("destination": "01020304", "local": "05060708", "band": "433",)"
                       R"( "frequency_mhz": "433.920", "tx_power": "-9 dBm",)"
                       R"( "rf_speed": "19200 bps")")
        << QByteArray::fromHex("0102030405060708 0620 03 11") << 5;
    QTest::newRow("addresses only, a site's own")
        << profileWith(R"("destination": "A0", "local": "0xff")")
        << QByteArray::fromHex("000000A0000000FF 1111 11 11") << 2;
    QTest::newRow("channel without band")
        << profileWith(R"("channel": 65535)") << QByteArray::fromHex("1111111111111111 FFFF 11 11")
        << 1;
    QTest::newRow("channel and frequency agree")
        << profileWith(R"("band": "868", "frequency_mhz": "869.500", "channel": 1900)")
        << QByteArray::fromHex("1111111111111111 076C 11 11") << 1;
    QTest::newRow("band only") << profileWith(R"("band": "868")") << base << 0;
    QTest::newRow("other spellings")
        << profileWith(R"("band": "433Mhz", "frequency_mhz": "433.9975 MHz", "tx_power": "-21",)"
                       R"( "rf_speed": "115200", "name": "", "comment": "Pr\u00fcfstand")")
        << QByteArray::fromHex("1111111111111111 063F 07 02") << 3;
    QTest::newRow("byte-order mark") << "\xEF\xBB\xBF" + profileWith(R"("tx_power": "0 dBm")")
                                     << QByteArray::fromHex("1111111111111111 1111 00 11") << 1;
    QTest::newRow("an antenna gain: not a block field")
        << profileWith(R"("antenna_gain_dbi": -1.5)") << base << 0;
}

void TestProfile::readings()
{
    QFETCH(QByteArray, json);
    QFETCH(QByteArray, block);
    QFETCH(int, named);
    const ProfileReading reading = parseProfile(json, kFile);
    QVERIFY2(reading.profile, qPrintable(reading.error));
    QVERIFY(reading.error.isEmpty());
    const ConfigBlock base = *ConfigBlock::fromBytes(QByteArray(kBlockSize, '\x11'));
    QCOMPARE(reading.profile->applyTo(base).toBytes().toHex(), block.toHex());
    QCOMPARE(reading.profile->namedFields().size(), named);
    QCOMPARE(reading.profile->namesEveryField(), named == 5);
    // The gain comes back as it was written, for the band plan's e.r.p.
    if (json.contains("antenna_gain_dbi")) {
        QCOMPARE(reading.profile->antennaGainDbi, std::optional<double>(-1.5));
        QVERIFY(profileJson(*reading.profile).contains("\"antenna_gain_dbi\": -1.5\n"));
    }
}

void TestProfile::roundTripOverEveryChannelAndCode()
{
    // A saved profile, read back and applied to whatever a module holds,
    // gives the very block it came from.
    const ConfigBlock other =
        *ConfigBlock::fromBytes(QByteArray::fromHex("A5A5A5A5 5A5A5A5A 9999 42 42"));
    int checked = 0;
    for (Band band : {Band::Mhz433, Band::Mhz868, Band::None}) {
        for (int channel = 0; channel <= 0xFFFF; ++channel) {
            ConfigBlock b;
            b.destination = 0x01000000u * quint32(channel & 0xFF) + quint32(channel) * 7u;
            b.local = ~b.destination;
            b.channel = static_cast<quint16>(channel);
            b.txPowerCode = static_cast<quint8>(channel % 8);
            b.rfSpeedCode = kRfCodes[(channel / 8) % 8];
            const QByteArray json = profileJson(Profile::fromBlock(b, band));
            const ProfileReading back = parseProfile(json, kFile);
            if (!back.profile)
                QFAIL(qPrintable(QStringLiteral("channel %1: %2").arg(channel).arg(back.error)));
            if (back.profile->applyTo(other) != b)
                QFAIL(qPrintable(QStringLiteral("channel %1 came back as %2 from\n%3")
                                     .arg(channel)
                                     .arg(blockHex(back.profile->applyTo(other).toBytes()),
                                          QString::fromUtf8(json))));
            if (back.profile->band.value_or(Band::None) != band)
                QFAIL(qPrintable(QStringLiteral("channel %1: band lost").arg(channel)));
            ++checked;
        }
    }
    QCOMPARE(checked, 3 * 65536);
}

void TestProfile::writtenText_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<int>("band");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("every key") << QByteArray::fromHex("0102A0FF05060708 0620 03 11")
                               << int(Band::Mhz433) << QStringLiteral("Bench \"A\"")
                               << QStringLiteral("Prüfstand\tline 2")
                               << QByteArray("{\n"
                                             "  \"format\": \"zomar-profile\",\n"
                                             "  \"version\": 1,\n"
                                             "  \"name\": \"Bench \\\"A\\\"\",\n"
                                             "  \"comment\": \"Pr\xC3\xBC"
                                             "fstand\\tline 2\",\n"
                                             "  \"destination\": \"0102A0FF\",\n"
                                             "  \"local\": \"05060708\",\n"
                                             "  \"band\": \"433\",\n"
                                             "  \"frequency_mhz\": \"433.920\",\n"
                                             "  \"tx_power\": \"-9 dBm\",\n"
                                             "  \"rf_speed\": \"19200 bps\"\n"
                                             "}\n");
    QTest::newRow("odd channel of the 433 MHz band, exactly")
        << QByteArray::fromHex("0000000000000000 063F 07 02") << int(Band::Mhz433) << QString()
        << QString()
        << QByteArray("{\n  \"format\": \"zomar-profile\",\n  \"version\": 1,\n"
                      "  \"destination\": \"00000000\",\n  \"local\": \"00000000\",\n"
                      "  \"band\": \"433\",\n  \"frequency_mhz\": \"433.9975\",\n"
                      "  \"tx_power\": \"-21 dBm\",\n  \"rf_speed\": \"115200 bps\"\n}\n");
    QTest::newRow("no band: the channel")
        << QByteArray::fromHex("0000000000000000 FFFF 00 A3") << int(Band::None) << QString()
        << QString()
        << QByteArray("{\n  \"format\": \"zomar-profile\",\n  \"version\": 1,\n"
                      "  \"destination\": \"00000000\",\n  \"local\": \"00000000\",\n"
                      "  \"channel\": 65535,\n"
                      "  \"tx_power\": \"0 dBm\",\n  \"rf_speed\": \"1200 bps\"\n}\n");
}

void TestProfile::writtenText()
{
    QFETCH(QByteArray, block);
    QFETCH(int, band);
    QFETCH(QString, name);
    QFETCH(QString, comment);
    QFETCH(QByteArray, text);
    Profile p = Profile::fromBlock(*ConfigBlock::fromBytes(block), static_cast<Band>(band));
    if (!name.isNull())
        p.name = name;
    if (!comment.isNull())
        p.comment = comment;
    QCOMPARE(QString::fromUtf8(profileJson(p)), QString::fromUtf8(text));

    // Saved, the file holds the same text, over whatever was there before.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.json"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(5000, ' '));
    }
    QCOMPARE(saveProfile(p, path), QString());
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), text);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"bench.json"});
}

void TestProfile::codesOutsideTheTablesAreNotWritten()
{
    // A module may hold codes the tables do not know: such a block has no
    // profile text, and saving it says why.
    for (const QByteArray &hex :
         {QByteArray("0000000000000000 0620 08 11"), QByteArray("0000000000000000 0620 00 42")}) {
        const Profile p =
            Profile::fromBlock(*ConfigBlock::fromBytes(QByteArray::fromHex(hex)), Band::Mhz433);
        QVERIFY(!profileProblem(p).isEmpty());
        QVERIFY(profileJson(p).isEmpty());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("x.json"));
        const QString problem = saveProfile(p, path);
        QVERIFY2(problem.startsWith(path + ": not saved: the "), qPrintable(problem));
        QVERIFY2(problem.contains("is not in the table"), qPrintable(problem));
        QVERIFY(!QFile::exists(path));
    }
}

void TestProfile::readFromDisk()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ok.json"));
    QCOMPARE(saveProfile(Profile::fromBlock(ConfigBlock::factoryDefaults(), Band::Mhz868), path),
             QString());
    const ProfileReading ok = readProfile(path);
    QVERIFY2(ok.profile, qPrintable(ok.error));
    QCOMPARE(ok.profile->applyTo(ConfigBlock{}), ConfigBlock::factoryDefaults());

    const QString missing = dir.filePath(QStringLiteral("missing.json"));
    QVERIFY(readProfile(missing).error.startsWith(missing + ": cannot be read: "));
    QCOMPARE(readProfile(dir.path()).error, dir.path() + ": is a folder, not a profile file");

    const QString big = dir.filePath(QStringLiteral("big.json"));
    QFile file(big);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(profileWith("\"comment\": \"" + QByteArray(200000, 'x') + "\""));
    file.close();
    QVERIFY(readProfile(big).error.contains("at most 64 KiB"));
    // A device that never ends is no profile, whatever it would give.
    QCOMPARE(readProfile("/dev/zero").error,
             QStringLiteral("/dev/zero: is a character device, not a profile file"));
}

void TestProfile::saveIntoUnwritableFolder_data()
{
    QTest::addColumn<QString>("folder"); // relative: made below a temporary folder
    QTest::addColumn<bool>("needsNonRoot");
    QTest::newRow("folder without write permission") << QStringLiteral("locked") << true;
    QTest::newRow("a file in the folder's place") << QStringLiteral("plain-file") << false;
    QTest::newRow("no such folder") << QStringLiteral("absent/deeper") << false;
    QTest::newRow("read-only file system") << QStringLiteral("/proc") << false;
}

void TestProfile::saveIntoUnwritableFolder()
{
    QFETCH(QString, folder);
    QFETCH(bool, needsNonRoot);
    if (needsNonRoot && ::geteuid() == 0)
        QSKIP("permissions do not stop root");
    QTemporaryDir dir;
    QString where = folder.startsWith('/') ? folder : dir.filePath(folder);
    if (folder == QLatin1String("locked")) {
        QVERIFY(QDir(dir.path()).mkdir(folder));
        QVERIFY(QFile::setPermissions(where, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    } else if (folder == QLatin1String("plain-file")) {
        QFile f(where);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    const QString path = where + QStringLiteral("/zomar-test-profile.json");
    const QString problem =
        saveProfile(Profile::fromBlock(ConfigBlock::factoryDefaults(), Band::Mhz433), path);
    QVERIFY2(problem.startsWith(path + ": cannot be written: "), qPrintable(problem));
    QVERIFY(!problem.contains('\n'));
    QVERIFY(!QFile::exists(path));
    // No temporary file left behind either.
    if (QFileInfo(where).isDir())
        QCOMPARE(QDir(where).entryList({"zomar-test-profile*"}, QDir::AllEntries | QDir::Hidden),
                 QStringList());
    if (folder == QLatin1String("locked"))
        QFile::setPermissions(where, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                         QFileDevice::ExeOwner);
}

QTEST_GUILESS_MAIN(TestProfile)
#include "tst_profile.moc"
