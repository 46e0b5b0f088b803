// zomar-cli: the module's configuration from a shell, on the same core as
// the window. One command per run; see --help.

#include "apps/zomar-cli/Cli.h"
#include "apps/zomar-cli/DoctorCommand.h"
#include "apps/zomar-cli/FeedCommand.h"
#include "apps/zomar-cli/LinkTestCommand.h"
#include "apps/zomar-cli/ModuleCommands.h"
#include "apps/zomar-cli/MonitorCommand.h"
#include "apps/zomar-cli/PortCommands.h"
#include "apps/zomar-cli/ProfileCommand.h"
#include "apps/zomar-cli/ProgramCommand.h"
#include "apps/zomar-cli/RecordsCommand.h"
#include "apps/zomar-cli/ServeCommand.h"
#include "apps/zomar-cli/ScriptCommand.h"
#include "core/Version.h"
#include "core/files/OutputStream.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QJsonDocument>

#include <csignal>
#include <cstring>
#include <memory>
#include <cstdio>

using namespace zomar;

namespace {

struct Command {
    const char *name;
    QString summary;
    CommandRun run;
};

const QList<Command> &commands()
{
    static const QList<Command> list = {
        {"ports", QStringLiteral("List the serial ports, numbered as the window numbers them."),
         runPorts},
        {"read", QStringLiteral("Read the module's configuration."), runRead},
        {"write", QStringLiteral("Change the fields named, write, and verify by reading back."),
         runWrite},
        {"reset", QStringLiteral("Write the factory defaults and verify them (needs --yes)."),
         runReset},
        {"verify", QStringLiteral("Compare the module with a profile (exit 3 when they differ)."),
         runVerify},
        {"discover", QStringLiteral("Find modules: every port at every line speed, 38400 first."),
         runDiscover},
        {"doctor", QStringLiteral("Check a port step by step when a module does not answer."),
         runDoctor},
        {"profile", QStringLiteral("profile check FILE: validate a profile and show what it sets."),
         runProfile},
        {"program",
         QStringLiteral("Program many modules at once, each with its own address, recorded."),
         runProgram},
        {"records",
         QStringLiteral("The production record: %1.").arg(recordsVerbs().join(QLatin1Char('|'))),
         runRecords},
        {"linktest",
         QStringLiteral("Measure a radio link: loss, corruption and latency between two ports."),
         runLinkTest},
        {"monitor",
         QStringLiteral("Show the line's traffic, a line per burst (read-only unless --send)."),
         runMonitor},
        {"serve",
         QStringLiteral("Serve the line's page and JSON API from the record (read-only)."),
         runServe},
        {"feed",
         QStringLiteral("Post each settled unit once to the factory's HTTP endpoint."), runFeed},
        {"script",
         QStringLiteral("Run a bench script (JavaScript): send, expect, read and write modules."),
         runScript},
    };
    return list;
}

void printHelp()
{
    QString text = QStringLiteral(
        "Usage: zomar-cli COMMAND [options]\n"
        "Reads and writes the configuration of a radio-modem module on a serial port.\n\n"
        "Commands:\n");
    for (const Command &c : commands())
        text += QStringLiteral("  %1  %2\n").arg(QString::fromLatin1(c.name), -9).arg(c.summary);
    text += QStringLiteral(
        "\n'zomar-cli COMMAND --help' shows a command's options. The commands that speak to\n"
        "modules (all but ports, profile and records) take --baud (default 38400), --band\n"
        "433|868, --trace FILE, --port-map N=DEVICE and --simulate [N] to try them on N\n"
        "built-in virtual modules (1 to 128, default 1); they name the port with --device\n"
        "PATH or --port N (linktest: --from, --to). Every command takes --json: one\n"
        "JSON object (discover, program, records and monitor: JSON Lines, an object per\n"
        "line); an error is an object with \"error\", \"exit_code\" and \"message\".\n\n"
        "Examples:\n"
        "  zomar-cli ports\n"
        "  zomar-cli read --device /dev/ttyUSB0\n"
        "  zomar-cli write --port 1 --local 0A0B0C0D --freq 433.920 --power -9\n"
        "  zomar-cli read --simulate --json\n"
        "  zomar-cli monitor --device /dev/ttyUSB0 --hex --timestamps\n"
        "  zomar-cli script soak.js --device /dev/ttyUSB0 -- 100\n"
        "  zomar-cli linktest --from /dev/ttyUSB0 --to /dev/ttyUSB1 --count 500 --csv "
        "link.csv\n\n");
    text += exitCodesHelp();
    OutputStream::standardOutput().write(text.toLocal8Bit());
}

// The end of every run: output that was lost is told (help and version
// included); a reader that went away ends a run that went well as SIGPIPE
// ends cat, quietly (a run that failed keeps its own code).
int ended(int code)
{
    OutputStream &out = OutputStream::standardOutput();
    out.sync();
    const WriteFailure &lost = out.failure();
    if (lost.reason == WriteFailure::ReaderGone && code == exit_codes::Done) {
        std::fflush(stderr);
        std::signal(SIGPIPE, SIG_DFL);
        ::raise(SIGPIPE);
    }
    return code;
}

int outputChecked(int code)
{
    const WriteFailure &lost = OutputStream::standardOutput().failure();
    if (lost.failed() && lost.reason != WriteFailure::ReaderGone) {
        std::fprintf(stderr, "zomar-cli: the output is incomplete: %s\n", qPrintable(lost.detail));
        return exit_codes::BadCommandLine;
    }
    return code;
}

} // namespace

int main(int argc, char *argv[])
{
    // A reader that goes away makes writes fail, which is handled (see
    // ended()); the signal would end the run, even in the middle of a write
    // to a module. So would a file that outgrows the size limit of the
    // shell (ulimit -f): the write fails instead, and the file is reported.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    // Labels are drawn with fonts, which need a GUI application; with no
    // window to show it draws off screen.
    bool drawsLabels = false;
    for (int i = 1; i < argc; ++i)
        drawsLabels = drawsLabels || std::strncmp(argv[i], "--label", 7) == 0;
    if (drawsLabels && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app =
        drawsLabels ? std::make_unique<QGuiApplication>(argc, argv)
                    : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zomar-cli"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersionText));
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") ||
        args.first() == QLatin1String("-h") || args.first() == QLatin1String("help")) {
        if (args.size() > 1 && args.first() == QLatin1String("help"))
            args = {args.at(1), QStringLiteral("--help")};
        else {
            printHelp();
            return ended(
                outputChecked(args.isEmpty() ? exit_codes::BadCommandLine : exit_codes::Done));
        }
    }
    if (args.first() == QLatin1String("--version") || args.first() == QLatin1String("-v")) {
        OutputStream::standardOutput().write(QByteArray("zomar-cli ") + kVersionText + '\n');
        return ended(outputChecked(exit_codes::Done));
    }
    const QString name = args.takeFirst();
    for (const Command &c : commands()) {
        if (name != QLatin1String(c.name))
            continue;
        Cli cli(name, c.summary, args);
        const std::optional<int> done = c.run(cli);
        return ended(done ? cli.concluded(*done) : QCoreApplication::exec());
    }
    const QString message =
        QStringLiteral("unknown command '%1' (see 'zomar-cli --help')").arg(Cli::visible(name));
    if (args.contains(QStringLiteral("--json")))
        OutputStream::standardOutput().write(
            QJsonDocument(Cli::errorJson(name, exit_codes::BadCommandLine, message))
                .toJson(QJsonDocument::Compact) +
            '\n');
    std::fprintf(stderr, "zomar-cli: %s\n", qPrintable(message));
    return ended(exit_codes::BadCommandLine);
}
