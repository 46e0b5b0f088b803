// What zomar-cli prints: frequencies exactly as profiles write them, one
// JSON document per run (JSON Lines for the commands over many modules), an
// error as a JSON object too, the options each command takes as its help and
// the README say, and text that control characters cannot cut.

#include "sim/VirtualModule.h"
#include "tests/cli/CliRun.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

using namespace zomar;
using namespace zomar::test;

namespace {

// Channel 1599: 433.9975 MHz, which three decimals would show as 433.998.
const QByteArray kOddChannel = QByteArray::fromHex("0102030405060708063F0311");

std::unique_ptr<VirtualModule> module(const QByteArray &block = kOddChannel)
{
    auto m = std::make_unique<VirtualModule>();
    if (!m->start())
        return nullptr;
    m->setConfiguration(block);
    return m;
}

QList<QJsonObject> jsonLines(const QString &out)
{
    QList<QJsonObject> objects;
    for (const QString &line : out.split('\n', Qt::SkipEmptyParts)) {
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(line.toUtf8(), &error);
        objects << (doc.isObject() ? doc.object() : QJsonObject{{"not_json", line}});
    }
    return objects;
}

// The long options a command's help lists.
QSet<QString> helpOptions(const QString &command)
{
    const CliRun r = runCli({command, "--help"});
    QSet<QString> options;
    static const QRegularExpression option(QStringLiteral("^  (?:-\\w, )?(--[a-z-]+)"),
                                           QRegularExpression::MultilineOption);
    for (auto it = option.globalMatch(r.out); it.hasNext();)
        options << it.next().captured(1);
    return options;
}

// The options in the code spans of a README line.
QStringList optionsIn(const QString &text)
{
    QStringList options;
    static const QRegularExpression code(QStringLiteral("`([^`]*)`"));
    static const QRegularExpression option(QStringLiteral("(?<![\\w-])--[a-z][a-z-]*"));
    for (auto span = code.globalMatch(text); span.hasNext();)
        for (auto it = option.globalMatch(span.next().captured(1)); it.hasNext();)
            options << it.next().captured();
    return options;
}

} // namespace

class TstCliOutput : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void frequenciesShownExactly_data();
    void frequenciesShownExactly();
    void sharedOptionsPerCommand_data();
    void sharedOptionsPerCommand();
    void errorsAreOneJsonObject_data();
    void errorsAreOneJsonObject();
    void helpSaysWhatItTakes();
    void saveSaysWhereAndNamesAreEscaped();
    void readmeMatchesTheHelp();
    void exitCodesAreOneTable();
    void recordsSaysWhatItDoes();

private:
    QTemporaryDir m_dir;
    QString m_profile;    // names the odd channel's neighbour and a TX power
    QString m_oddProfile; // names the odd channel
};

void TstCliOutput::initTestCase()
{
    m_profile = writeFile(m_dir, "site.json",
                          R"({"format": "zomar-profile", "version": 1, "band": "433",
                              "frequency_mhz": "434.000", "tx_power": "-9 dBm"})");
    m_oddProfile = writeFile(m_dir, "odd.json",
                             R"({"format": "zomar-profile", "version": 1, "channel": 1599,
                                 "band": "433"})");
}

void TstCliOutput::frequenciesShownExactly_data()
{
    QTest::addColumn<QStringList>("args"); // FILE: the profile; the module's device is added
    QTest::addColumn<QString>("shows");
    QTest::newRow("read") << QStringList{"read"} << "Frequency    433.9975 MHz";
    QTest::newRow("read --json") << QStringList{"read", "--json"}
                                 << R"("frequency_mhz":"433.9975")";
    QTest::newRow("verify") << QStringList{"verify", "--profile", "FILE"}
                            << "channel: module 433.9975 MHz, profile 434.000 MHz";
    QTest::newRow("write, the text once refused")
        << QStringList{"write", "--freq", "433.9975000000000", "--power", "0"}
        << "tx_power: -9 dBm -> 0 dBm";
    QTest::newRow("write, the change")
        << QStringList{"write", "--freq", "434"} << "channel: 433.9975 MHz -> 434.000 MHz";
    QTest::newRow("doctor") << QStringList{"doctor"} << "433.9975 MHz)";
    QTest::newRow("profile check")
        << QStringList{"profile", "check", "ODD"} << "Channel      433.9975 MHz (channel 1599)";
}

void TstCliOutput::frequenciesShownExactly()
{
    QFETCH(QStringList, args);
    QFETCH(QString, shows);
    auto m = module();
    QVERIFY(m);
    args.replaceInStrings(QRegularExpression("^FILE$"), m_profile);
    args.replaceInStrings(QRegularExpression("^ODD$"), m_oddProfile);
    if (args.first() != QLatin1String("profile"))
        args << "--device" << m->devicePath();
    const CliRun r = runCli(args);
    QVERIFY2(r.out.contains(shows), qPrintable(r.out + r.err));
    QVERIFY(!r.out.contains("433.998"));
    // A write to the channel it holds leaves it there.
    if (args.contains("433.9975000000000")) {
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(m->configuration().toHex(), QByteArray("0102030405060708063f0011"));
    }
}

// Every command takes --json; the commands that speak to modules take
// --simulate, the others refuse it saying why. JSON is one object, or one per
// line for the commands over many modules.
void TstCliOutput::sharedOptionsPerCommand_data()
{
    QTest::addColumn<QStringList>("args"); // FILE: the profile
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("objects");
    QTest::newRow("ports --json") << QStringList{"ports", "--json"} << 0 << 1;
    QTest::newRow("read") << QStringList{"read", "--simulate", "--json"} << 0 << 1;
    QTest::newRow("write") << QStringList{"write", "--simulate", "--local", "1", "--json"} << 0
                           << 1;
    QTest::newRow("reset") << QStringList{"reset", "--simulate", "--yes", "--json"} << 0 << 1;
    QTest::newRow("verify") << QStringList{"verify", "--simulate", "--profile", "FILE", "--json"}
                            << 3 << 1;
    QTest::newRow("discover") << QStringList{"discover", "--simulate", "2", "--json"} << 0 << 2;
    QTest::newRow("doctor") << QStringList{"doctor", "--simulate", "--json"} << 0 << 1;
    QTest::newRow("profile check --json")
        << QStringList{"profile", "check", "FILE", "--json"} << 0 << 1;
    QTest::newRow("program") << QStringList{"program",   "--simulate", "3",
                                            "--profile", "FILE",       "--json"}
                             << 0 << 3;
    QTest::newRow("linktest") << QStringList{"linktest", "--simulate", "2",
                                             "--count",  "5",          "--json"}
                              << 0 << 1;
    QTest::newRow("monitor, a quiet line")
        << QStringList{"monitor", "--simulate", "--duration", "0.5", "--json"} << 0 << 0;
    QTest::newRow("ports --simulate") << QStringList{"ports", "--simulate", "--json"} << 1 << 1;
    QTest::newRow("profile check --simulate")
        << QStringList{"profile", "check", "FILE", "--simulate", "--json"} << 1 << 1;
}

void TstCliOutput::sharedOptionsPerCommand()
{
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(int, objects);
    args.replaceInStrings(QRegularExpression("^FILE$"), m_profile);
    const CliRun r = runCli(args, 60000);
    QVERIFY2(r.exitCode == code, qPrintable(r.err));
    const QList<QJsonObject> lines = jsonLines(r.out);
    QCOMPARE(lines.size(), objects);
    for (const QJsonObject &o : lines) {
        QVERIFY2(!o.contains("not_json"), qPrintable(r.out));
        QCOMPARE(o.value("command").toString(), args.first()); // done or not, it says whose
    }
    if (code == 1)
        QVERIFY2(lines.first().value("message").toString().contains(
                     "takes no --simulate: it speaks to no module"),
                 qPrintable(r.out));
    else if (code == 0 && objects > 0)
        QVERIFY2(!lines.first().contains("error"), qPrintable(r.out));
}

void TstCliOutput::errorsAreOneJsonObject_data()
{
    QTest::addColumn<QStringList>("args");  // the module's device is added unless one is named
    QTest::addColumn<QByteArray>("answer"); // the module's answer to "+++" ("-": as usual)
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("error");
    QTest::newRow("unknown option")
        << QStringList{"read", "--colour", "--json"} << QByteArray("-") << 1 << "bad_command_line";
    QTest::newRow("line speed") << QStringList{"read", "--json", "--baud", "5"} << QByteArray("-")
                                << 1 << "bad_command_line";
    QTest::newRow("unknown command")
        << QStringList{"frobnicate", "--json"} << QByteArray("-") << 1 << "bad_command_line";
    QTest::newRow("silent module")
        << QStringList{"read", "--json"} << QByteArray() << 2 << "no_answer";
    QTest::newRow("no module found")
        << QStringList{"discover", "--json"} << QByteArray() << 2 << "no_answer";
    QTest::newRow("invalid value") << QStringList{"write", "--freq", "429", "--json"}
                                   << QByteArray("-") << 4 << "invalid_value";
    QTest::newRow("invalid profile") << QStringList{"profile", "check", "/dev/zero", "--json"}
                                     << QByteArray("-") << 4 << "invalid_value";
    QTest::newRow("no such device") << QStringList{"read", "--json", "--device", "/dev/zomar-none"}
                                    << QByteArray("-") << 5 << "port_failed";
}

void TstCliOutput::errorsAreOneJsonObject()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, answer);
    QFETCH(int, code);
    QFETCH(QString, error);
    auto m = module();
    QVERIFY(m);
    if (answer != "-")
        m->setAnswerOverride(answer);
    if (!args.contains("--device") && args.first() != "profile" && args.first() != "frobnicate")
        args << "--device" << m->devicePath();
    const CliRun r = runCli(args, 60000);
    QCOMPARE(r.exitCode, code);
    const QList<QJsonObject> lines = jsonLines(r.out);
    QCOMPARE(lines.size(), 1);
    const QJsonObject o = lines.first();
    QCOMPARE(o.value("error").toString(), error);
    QCOMPARE(o.value("exit_code").toInt(), code);
    QCOMPARE(o.value("command").toString(), args.first());
    // The same message as the line on stderr.
    QCOMPARE(r.err.count('\n'), 1);
    QVERIFY2(!o.value("message").toString().isEmpty() &&
                 r.err.trimmed().endsWith(o.value("message").toString()),
             qPrintable(r.out + r.err));
}

void TstCliOutput::helpSaysWhatItTakes()
{
    const QString read = runCli({"read", "--help"}).out.simplified();
    QVERIFY2(read.contains("--simulate [N] Run against N built-in virtual modules, 1 to 128 "
                           "(default 1)"),
             qPrintable(read));
    QVERIFY(runCli({"discover", "--help"}).out.contains("Print JSON Lines"));
    // The speeds tried, named.
    auto m = module();
    QVERIFY(m);
    m->setAnswerOverride(QByteArray());
    const CliRun discover = runCli({"discover", "--device", m->devicePath()}, 60000);
    QCOMPARE(discover.exitCode, 2);
    QVERIFY2(discover.out.contains("0 module(s) found on 1 port(s) searched at 38400, 28800, "
                                   "19200, 14400, 9600, 4800, 2400 baud"),
             qPrintable(discover.out));
}

void TstCliOutput::saveSaysWhereAndNamesAreEscaped()
{
    auto m = module();
    QVERIFY(m);
    const CliRun r =
        runCli({"read", "--device", m->devicePath(), "--save", "saved.json"}, 20000, m_dir.path());
    QCOMPARE(r.exitCode, 0);
    QVERIFY2(r.out.endsWith(QStringLiteral("Saved as a profile: %1\n")
                                .arg(QDir(m_dir.path()).filePath("saved.json"))),
             qPrintable(r.out));
    const CliRun json =
        runCli({"read", "--device", m->devicePath(), "--save", "saved.json", "--json"}, 20000,
               m_dir.path());
    QCOMPARE(jsonLines(json.out).value(0).value("saved").toString(),
             QDir(m_dir.path()).filePath("saved.json"));

    const QString named = writeFile(m_dir, "named.json",
                                    R"({"format": "zomar-profile", "version": 1,
                                        "name": "North\u0000mast\u001b[2J", "comment": "a\nb"})");
    const CliRun check = runCli({"profile", "check", named});
    QCOMPARE(check.exitCode, 0);
    QVERIFY2(check.out.contains(R"(valid profile "North\x00mast\x1b[2J")"), qPrintable(check.out));
    QVERIFY2(check.out.contains(R"(  a\x0ab)"), qPrintable(check.out));
}

// Each option the README's zomar-cli section names is taken by the commands
// it names, and by no other command of the shared options' table.
void TstCliOutput::readmeMatchesTheHelp()
{
    QFile readme(QStringLiteral(ZOMAR_README));
    QVERIFY(readme.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(readme.readAll());
    text = text.section(QStringLiteral("## The command-line tool: zomar-cli"), 1)
               .section(QStringLiteral("\n## "), 0, 0);
    QVERIFY(!text.isEmpty());
    const QString main = runCli({"--help"}).out;
    const QStringList commands = main.section("Commands:\n", 1)
                                     .section("\n\n", 0, 0)
                                     .split('\n')
                                     .replaceInStrings(QRegularExpression("^  (\\S+).*"), "\\1");
    QVERIFY(commands.contains("read") && commands.contains("profile"));
    QStringList described; // the README's table of commands
    QHash<QString, QSet<QString>> help;
    for (const QString &command : commands)
        help.insert(command, helpOptions(command));

    int checked = 0;
    enum { None, Options, Commands } table = None;
    for (const QString &line : text.split('\n')) {
        if (line.startsWith("| Option | Taken by |"))
            table = Options;
        else if (line.startsWith("| Command | What it does |"))
            table = Commands;
        else if (!line.startsWith('|'))
            table = None;
        if (table == None || !line.startsWith("| `"))
            continue;
        const QStringList cells = line.split(QRegularExpression(" (?<!\\\\)\\| "));
        if (table == Commands) {
            const QString command = cells.first().mid(3).section(QRegularExpression("[ `]"), 0, 0);
            QVERIFY2(help.contains(command), qPrintable(line));
            described << command;
            for (const QString &option : optionsIn(line)) {
                QVERIFY2(help.value(command).contains(option),
                         qPrintable(command + " lacks " + option));
                ++checked;
            }
            continue;
        }
        const QStringList takers = cells.value(1).remove('|').trimmed().split(", ");
        for (const QString &option : optionsIn(cells.first())) {
            for (const QString &command : commands) {
                QVERIFY2(help.value(command).contains(option) == takers.contains(command),
                         qPrintable(QStringLiteral("%1 %2: the README says %3")
                                        .arg(command, option, takers.join(", "))));
                ++checked;
            }
        }
    }
    QVERIFY2(checked > 80, qPrintable(QString::number(checked)));
    // Every command is in the table, once.
    described.sort();
    QStringList all = commands;
    all.sort();
    QCOMPARE(described, all);
}

// The exit codes: the README's table is the help's, word for word, and
// every command's help ends with the same paragraph (the manual page's).
void TstCliOutput::exitCodesAreOneTable()
{
    const QString main = runCli({"--help"}).out;
    const QString paragraph = main.section("\nExit codes:\n", 1).chopped(1); // its last newline
    QMap<int, QString> help; // code: its text, lines joined
    int code = -1;
    for (const QString &line : paragraph.split('\n')) {
        static const QRegularExpression head(QStringLiteral("^  (\\d+)  +(.*)$"));
        const QRegularExpressionMatch m = head.match(line);
        if (m.hasMatch())
            help[code = m.captured(1).toInt()] = m.captured(2);
        else
            help[code] += ' ' + line.trimmed();
    }
    QVERIFY(help.contains(0) && help.contains(5));

    QFile readme(QStringLiteral(ZOMAR_README));
    QVERIFY(readme.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(readme.readAll());
    const QString table = text.section("| Code | Meaning |\n|---|---|\n", 1).section("\n\n", 0, 0);
    QMap<int, QString> documented;
    for (const QString &row : table.split('\n')) {
        const QStringList cells = row.split(" | ");
        QVERIFY2(cells.size() == 2, qPrintable(row));
        documented[cells.at(0).mid(2).toInt()] = cells.at(1).chopped(2).remove('`');
    }
    QCOMPARE(documented, help);

    for (const QString &command : QStringList{"read", "linktest", "records", "profile", "monitor"})
        QVERIFY2(runCli({command, "--help"}).out.trimmed().endsWith(paragraph),
                 qPrintable(command));
}

void TstCliOutput::recordsSaysWhatItDoes()
{
    const QString help = runCli({"records", "--help"}).out;
    const QString verbs =
        help.section("Usage: zomar-cli records [options] ", 1).section('\n', 0, 0);
    QCOMPARE(verbs, QStringLiteral("list|unknown|pools|check|export|init|release|stats|label|serial"));
    QVERIFY2(runCli({"--help"}).out.contains("  records    The production record: " + verbs + "."),
             qPrintable(runCli({"--help"}).out));
    QVERIFY2(help.simplified().contains("--json Print JSON Lines"), qPrintable(help));
    const CliRun wrong = runCli({"records", "frobnicate"});
    QCOMPARE(wrong.exitCode, 1);
    QCOMPARE(wrong.err, "zomar-cli records: unknown records command 'frobnicate'; one of records " +
                            verbs + " (see 'zomar-cli records --help')\n");
}

QTEST_GUILESS_MAIN(TstCliOutput)
#include "tst_clioutput.moc"
