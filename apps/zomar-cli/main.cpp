// zomar-cli: the module's configuration from a shell, on the same core as
// the window. One command per run; see --help.

#include "apps/zomar-cli/Cli.h"
#include "apps/zomar-cli/DoctorCommand.h"
#include "apps/zomar-cli/LinkTestCommand.h"
#include "apps/zomar-cli/ModuleCommands.h"
#include "apps/zomar-cli/MonitorCommand.h"
#include "apps/zomar-cli/PortCommands.h"
#include "apps/zomar-cli/ProfileCommand.h"
#include "apps/zomar-cli/ProgramCommand.h"
#include "apps/zomar-cli/RecordsCommand.h"
#include "core/Version.h"

#include <QCoreApplication>
#include <QJsonDocument>

#include <csignal>
#include <cstdio>

using namespace zomar;

namespace {

struct Command {
    const char *name;
    const char *summary;
    CommandRun run;
};

const Command kCommands[] = {
    {"ports", "List the serial ports, numbered as the window numbers them.", runPorts},
    {"read", "Read the module's configuration.", runRead},
    {"write", "Change the fields named, write, and verify by reading back.", runWrite},
    {"reset", "Write the factory defaults and verify them (needs --yes).", runReset},
    {"verify", "Compare the module with a profile (exit 3 when they differ).", runVerify},
    {"discover", "Find modules: every port at every line speed, 38400 first.", runDiscover},
    {"doctor", "Check a port step by step when a module does not answer.", runDoctor},
    {"profile", "profile check FILE: validate a profile and show what it sets.", runProfile},
    {"program", "Program many modules at once, each with its own address, recorded.", runProgram},
    {"records", "records list|unknown|pools|check|export: the production record.", runRecords},
    {"linktest", "Measure a radio link: loss, corruption and latency between two ports.",
     runLinkTest},
    {"monitor", "Show the line's traffic, a line per burst (read-only unless --send).", runMonitor},
};

void printHelp()
{
    QString text = QStringLiteral(
        "Usage: zomar-cli COMMAND [options]\n"
        "Reads and writes the configuration of a radio-modem module on a serial port.\n\n"
        "Commands:\n");
    for (const Command &c : kCommands)
        text += QStringLiteral("  %1  %2\n")
                    .arg(QString::fromLatin1(c.name), -9)
                    .arg(QString::fromLatin1(c.summary));
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
        "  zomar-cli linktest --from /dev/ttyUSB0 --to /dev/ttyUSB1 --count 500 --csv "
        "link.csv\n\n");
    text += Cli::exitCodesHelp();
    std::fputs(qPrintable(text), stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    // A reader that goes away (a pipe, a FIFO trace) makes writes fail, which
    // is reported; the signal would end the run, even in the middle of a write.
    std::signal(SIGPIPE, SIG_IGN);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zomar-cli"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersionText));
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") ||
        args.first() == QLatin1String("-h") || args.first() == QLatin1String("help")) {
        if (args.size() > 1 && args.first() == QLatin1String("help"))
            args = {args.at(1), QStringLiteral("--help")};
        else {
            printHelp();
            return args.isEmpty() ? exit_codes::BadCommandLine : exit_codes::Done;
        }
    }
    if (args.first() == QLatin1String("--version") || args.first() == QLatin1String("-v")) {
        std::printf("zomar-cli %s\n", kVersionText);
        return exit_codes::Done;
    }
    const QString name = args.takeFirst();
    for (const Command &c : kCommands) {
        if (name != QLatin1String(c.name))
            continue;
        Cli cli(name, QString::fromLatin1(c.summary), args);
        const std::optional<int> done = c.run(cli);
        if (done)
            return cli.concluded(*done);
        return QCoreApplication::exec();
    }
    const QString message =
        QStringLiteral("unknown command '%1' (see 'zomar-cli --help')").arg(Cli::visible(name));
    if (args.contains(QStringLiteral("--json")))
        std::printf("%s\n", QJsonDocument(Cli::errorJson(name, exit_codes::BadCommandLine, message))
                                .toJson(QJsonDocument::Compact)
                                .constData());
    std::fprintf(stderr, "zomar-cli: %s\n", qPrintable(message));
    return exit_codes::BadCommandLine;
}
