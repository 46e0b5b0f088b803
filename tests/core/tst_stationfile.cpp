// Station files: what is written reads back the same; what is wrong is
// refused with the line and the key; paths count from the file's folder; the
// PIN's hash is the standard one and says no to a wrong PIN.

#include "core/stationsetup/StationFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace zomar;

namespace {

StationSetup fullSetup()
{
    StationSetup s;
    s.station = QStringLiteral("Line 2 \"A\"");
    s.profile = QStringLiteral("line2.json");
    s.localFrom = 0xC0000010;
    s.step = 2;
    s.store = QStringLiteral("postgresql://line@db/zomar");
    s.baud = 9600;
    s.region = QStringLiteral("none");
    s.language = QStringLiteral("zh_CN");
    s.slotFolder = QStringLiteral("/tmp/hub");
    s.slotList = {
        {QStringLiteral("pci-0000:00:14.0-usb-0:1.1:1.0-port0"), QStringLiteral("Left")},
        {QStringLiteral("pci-0000:00:14.0-usb-0:1.2:1.0-port0"), QStringLiteral("Slot 2")}};
    s.pin = StationPin::make(QStringLiteral("2468"), StationPin::kMinimumRounds);
    s.label = QStringLiteral("zpl://10.0.0.7:9100");
    s.labelTemplate = QStringLiteral("labels/50x25.json");
    s.serialPattern = QStringLiteral("SN-[0-9]{6}");
    return s;
}

// A station file with one key's line replaced (or added before "slots").
QByteArray fileWith(const QByteArray &key, const QByteArray &line)
{
    QByteArray text = R"({
  "format": "zomar-station",
  "version": 1,
  "profile": "p.json",
  "step": 1,
  "baud": 38400,
  "slots": [
    {"name": "Slot 1", "port": "hub-1"},
    {"name": "Slot 2", "port": "hub-2"}
  ]
}
)";
    QList<QByteArray> lines = text.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines.at(i).startsWith("  \"" + key + "\"")) {
            // The slots are the last key: a new list replaces them to the end.
            lines = lines.mid(0, key == "slots" ? i : lines.size());
            if (key == "slots")
                lines << line;
            else
                lines[i] = line;
            return lines.join('\n');
        }
    }
    lines.insert(lines.indexOf("  \"slots\": ["), line);
    return lines.join('\n');
}

} // namespace

class TstStationFile : public QObject
{
    Q_OBJECT
private slots:
    void writtenFileReadsBackTheSame();
    void refusals_data();
    void refusals();
    void pathsCountFromTheFilesFolder();
    void savingIsAtomicAndRefusesAnUnsoundSetup();
    void pinHashIsPbkdf2AndComparesWhole();

private:
    QTemporaryDir m_dir;
};

void TstStationFile::writtenFileReadsBackTheSame()
{
    const StationSetup s = fullSetup();
    const StationReading read = parseStationFile(stationJson(s), QStringLiteral("s.json"));
    QVERIFY2(read.setup, qPrintable(read.error));
    QVERIFY(*read.setup == s);
    // Optional keys left out read as their defaults.
    StationSetup bare;
    bare.profile = QStringLiteral("p.json");
    const QByteArray json = stationJson(bare);
    QVERIFY(!json.contains("\"pin\"") && !json.contains("\"store\"") &&
            !json.contains("\"local_from\""));
    const StationReading again = parseStationFile(json, QStringLiteral("bare.json"));
    QVERIFY2(again.setup, qPrintable(again.error));
    QVERIFY(*again.setup == bare);
    QCOMPARE(again.setup->slotFolder, QStringLiteral("/dev/serial/by-path"));
}

void TstStationFile::refusals_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("says");
    const auto row = [](const char *name, const QByteArray &key, const QByteArray &line,
                        const char *says) {
        QTest::newRow(name) << fileWith(key, line) << QString::fromUtf8(says);
    };
    row("mistyped key", "stpe", "  \"stpe\": 2,",
        "s.json: line 7: stpe is not a key here (did you mean \"step\"?)");
    row("step 0", "step", "  \"step\": 0,", "s.json: line 5: step 0 is not allowed");
    row("step as text", "step", "  \"step\": \"2\",", "line 5: step is a string; it takes a whole");
    row("odd line speed", "baud", "  \"baud\": 12345,", "line 6: baud 12345: allowed: 2400");
    row("bad address", "local_from", "  \"local_from\": \"C00000001\",",
        "line 7: local_from \"C00000001\" is not an address");
    row("no profile", "profile", "  \"station\": \"x\",", "profile is missing");
    row("unknown region", "region", "  \"region\": \"mars\",", "line 7: region \"mars\": allowed");
    row("unknown language", "language", "  \"language\": \"tlh\",",
        "language \"tlh\": allowed: en, de, fr, es, it, pl, cs, zh_CN");
    row("slots not a list", "slots", "  \"slots\": \"hub-1\"\n}", "line 7: slots is a string");
    row("key given twice", "baud", "  \"baud\": 38400, \"baud\": 9600,",
        "line 6: key \"baud\" is given twice (first on line 6)");
    row("pin without hash", "pin",
        "  \"pin\": {\"algorithm\": \"pbkdf2-sha256\", \"rounds\": 5000, \"salt\": "
        "\"00112233445566778899aabbccddeeff\"},",
        "line 7: pin.hash is missing");
    // A file refused for its PIN cannot be opened to set one: how it is done.
    row("pin hash cut short", "pin",
        "  \"pin\": {\"algorithm\": \"pbkdf2-sha256\", \"rounds\": 5000, \"salt\": "
        "\"00112233445566778899aabbccddeeff\", \"hash\": \"00ff\"},",
        "line 7: pin.hash takes 64 hex digits; the station cannot check this PIN: an engineer "
        "removes the \"pin\" object from the file with a text editor");
    row("pin of another kind", "pin",
        "  \"pin\": {\"algorithm\": \"md5\", \"rounds\": 5000, \"salt\": \"00\", \"hash\": "
        "\"00\"},",
        "line 7: pin.algorithm \"md5\" is not known");
    row("serial pattern that is no pattern", "serial_pattern", "  \"serial_pattern\": \"SN-(\",",
        "line 7: serial_pattern \"SN-(\": not a regular expression: missing closing parenthesis");
    row("label as a list", "label", "  \"label\": [\"pdf:x\"],", "line 7: label is an array");
    row("newer version", "version", "  \"version\": 2,",
        "version 2: newer than this program reads");
    row("a profile instead", "format", "  \"format\": \"zomar-profile\",",
        "format \"zomar-profile\": not a station file");
    QTest::newRow("slot without port")
        << fileWith("slots", "  \"slots\": [{\"name\": \"A\"},\n  {\"name\": \"B\"}]\n}")
        << "s.json: line 7: slots[0].port is missing";
    QTest::newRow("slot named twice")
        << fileWith("slots", "  \"slots\": [{\"name\": \"A\", \"port\": \"1\"},\n"
                             "    {\"name\": \"a\", \"port\": \"2\"}]\n}")
        << "s.json: line 8: slots[1].name \"a\": another slot has that name";
    QTest::newRow("one socket, two slots")
        << fileWith("slots", "  \"slots\": [{\"name\": \"A\", \"port\": \"1\"},\n"
                             "    {\"name\": \"B\", \"port\": \"1\"}]\n}")
        << "line 8: slots[1].port \"1\": is the socket of A too";
    QTest::newRow("not JSON") << QByteArray("{\n  \"format\": \"zomar-station\",\n  x\n}")
                              << "s.json: line 3, column 3: not valid JSON";
}

void TstStationFile::refusals()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, says);
    const StationReading read = parseStationFile(text, QStringLiteral("s.json"));
    QVERIFY2(!read.setup, text.constData());
    QVERIFY2(read.error.contains(says), qPrintable(read.error + "\nnot: " + says));
}

void TstStationFile::pathsCountFromTheFilesFolder()
{
    const QString file = QStringLiteral("/srv/line2/station.json");
    QCOMPARE(stationPath(file, QStringLiteral("profiles/p.json")),
             QStringLiteral("/srv/line2/profiles/p.json"));
    QCOMPARE(stationPath(file, QStringLiteral("../shared.db")), QStringLiteral("/srv/shared.db"));
    QCOMPARE(stationPath(file, QStringLiteral("/abs/p.json")), QStringLiteral("/abs/p.json"));
    QCOMPARE(stationPath(file, QStringLiteral("postgresql://h/db")),
             QStringLiteral("postgresql://h/db"));
}

void TstStationFile::savingIsAtomicAndRefusesAnUnsoundSetup()
{
    const QString path = m_dir.filePath(QStringLiteral("station.json"));
    StationSetup s = fullSetup();
    QCOMPARE(saveStationFile(s, path), QString());
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    s.step = 7;
    QCOMPARE(saveStationFile(s, path), QString());
    const StationReading read = readStationFile(path);
    QVERIFY2(read.setup, qPrintable(read.error));
    QCOMPARE(read.setup->step, 7u);
    QCOMPARE(QFile::permissions(path),
             QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);

    s.slotList << s.slotList.first(); // one socket for two slots
    const QString refused = saveStationFile(s, path);
    QVERIFY2(refused.contains("not saved") && refused.contains("slots[2].name"),
             qPrintable(refused));
    QCOMPARE(readStationFile(path).setup->slotList.size(), 2);
    const QString fifo = m_dir.filePath(QStringLiteral("fifo"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(readStationFile(fifo).error.contains("is a FIFO (named pipe), not a station file"));
}

void TstStationFile::pinHashIsPbkdf2AndComparesWhole()
{
    // RFC 7914, section 11.
    QCOMPARE(pbkdf2Sha256("passwd", "salt", 1, 64).toHex(),
             QByteArray("55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc"
                        "49ca9cccf179b645991664b39d77ef317c71b845b1e30bd509112041d3a19783"));
    QCOMPARE(pbkdf2Sha256("Password", "NaCl", 80000, 64).toHex().left(32),
             QByteArray("4ddcd8f60b98be21830cee5ef22701f9"));
    const StationPin pin = StationPin::make(QStringLiteral("4711"), StationPin::kMinimumRounds);
    QVERIFY(pin.matches(QStringLiteral("4711")));
    for (const char *wrong : {"4712", "471", "47110", ""})
        QVERIFY2(!pin.matches(QString::fromLatin1(wrong)), wrong);
    const StationPin again = StationPin::make(QStringLiteral("4711"), StationPin::kMinimumRounds);
    QVERIFY(again.salt != pin.salt && again.hash != pin.hash);
    QVERIFY(!StationPin::problem(QStringLiteral("123")).isEmpty());
}

QTEST_GUILESS_MAIN(TstStationFile)
#include "tst_stationfile.moc"
