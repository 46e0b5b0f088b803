#include "apps/zomar-cli/ScriptCommand.h"

#include "core/process/InterruptWatch.h"
#include "core/script/ScriptRunner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cmath>

namespace zomar {

namespace {

// A script is a text for people, not a data file.
constexpr qint64 kScriptMaxBytes = 1024 * 1024;
constexpr double kDefaultTimeLimitS = 3600;

// The exit code of a run that ended so.
int exitCodeOf(const ScriptOutcome &o)
{
    switch (o.kind) {
    case ScriptOutcome::Done:
        return exit_codes::Done;
    case ScriptOutcome::Error:
        return exit_codes::ScriptError;
    case ScriptOutcome::Timeout:
    case ScriptOutcome::TimeLimit:
        return exit_codes::ScriptTimeout;
    case ScriptOutcome::Stopped:
        return exit_codes::Stopped;
    case ScriptOutcome::NotStarted:
        return exit_codes::PortFailed;
    case ScriptOutcome::ModuleFailed:
        break;
    }
    if (o.moduleOutcome == QLatin1String("no_answer"))
        return exit_codes::NoAnswer;
    if (o.moduleOutcome == QLatin1String("mismatch"))
        return exit_codes::Mismatch;
    if (o.moduleOutcome == QLatin1String("invalid_value"))
        return exit_codes::InvalidValue;
    return exit_codes::PortFailed;
}

// The script's text, or "" and the run over.
std::optional<QString> readScript(Cli &cli, const QString &path)
{
    const QFileInfo info(path);
    QString problem;
    if (!info.exists())
        problem = QStringLiteral("does not exist");
    else if (!info.isFile())
        problem = info.isDir() ? QStringLiteral("is a folder") : QStringLiteral("is not a file");
    else if (info.size() > kScriptMaxBytes)
        problem = QStringLiteral("is over %1 KiB: not a script").arg(kScriptMaxBytes / 1024);
    QFile file(path);
    if (problem.isEmpty() && !file.open(QIODevice::ReadOnly))
        problem = QStringLiteral("cannot be read: %1").arg(file.errorString());
    if (!problem.isEmpty()) {
        cli.fail(exit_codes::BadCommandLine,
                 QStringLiteral("%1 %2; nothing was sent").arg(Cli::visible(path), problem));
        return std::nullopt;
    }
    return QString::fromUtf8(file.readAll());
}

} // namespace

std::optional<int> runScript(Cli &cli)
{
    QCommandLineParser &p = cli.parser;
    p.addOptions({
        {QStringLiteral("timeout"),
         QStringLiteral("Stop the script after this many seconds (default %1; 0: never).")
             .arg(kDefaultTimeLimitS),
         QStringLiteral("seconds")},
        {QStringLiteral("output"),
         QStringLiteral("The folder csv() writes its files in (default: the current folder)."),
         QStringLiteral("folder")},
    });
    cli.allowArguments(1 << 16);
    if (!cli.parse(Cli::PortOptions | Cli::BandOption | Cli::JsonOption | Cli::ManyDevices,
                   QStringLiteral(" FILE.js [-- ARGS...]")))
        return cli.exitCode();
    QStringList positional = p.positionalArguments();
    if (positional.isEmpty()) {
        cli.fail(exit_codes::BadCommandLine,
                 QStringLiteral("name the script to run: zomar-cli script FILE.js"));
        return cli.exitCode();
    }
    const QString path = positional.takeFirst();
    double seconds = kDefaultTimeLimitS;
    if (p.isSet(QStringLiteral("timeout"))) {
        bool ok = false;
        seconds = p.value(QStringLiteral("timeout")).toDouble(&ok);
        if (!ok || seconds < 0 || !std::isfinite(seconds) || seconds > 24 * 24 * 3600) {
            cli.fail(exit_codes::BadCommandLine,
                     QStringLiteral("--timeout %1: a number of seconds from 0 (never) to %2")
                         .arg(p.value(QStringLiteral("timeout")))
                         .arg(24 * 24 * 3600));
            return cli.exitCode();
        }
    }
    const QString folder = p.isSet(QStringLiteral("output")) ? p.value(QStringLiteral("output"))
                                                             : QDir::currentPath();
    if (!QFileInfo(folder).isDir()) {
        cli.fail(exit_codes::BadCommandLine,
                 QStringLiteral("--output %1: not a folder").arg(Cli::visible(folder)));
        return cli.exitCode();
    }
    const std::optional<QString> source = readScript(cli, path);
    if (!source)
        return cli.exitCode();
    if (!cli.resolveDevices(false))
        return cli.exitCode();

    ScriptOptions options;
    options.outputFolder = QFileInfo(folder).absoluteFilePath();
    options.band = cli.band();
    options.args = positional;
    options.timeLimitMs = static_cast<int>(seconds * 1000);
    auto *runner = new ScriptRunner(options, &cli);
    if (!cli.devices().isEmpty())
        runner->useDevice(cli.device(), cli.baud());
    runner->setDevices(cli.devices());
    runner->setLinkHook([&cli](SerialLink &link, const QString &device) { cli.trace(link, device); });
    QObject::connect(runner, &ScriptRunner::logLine, &cli, [&cli](const QString &line) {
        if (cli.json())
            cli.printJson({{QStringLiteral("log"), line}});
        else
            cli.out(line);
    });
    QObject::connect(runner, &ScriptRunner::finished, &cli, [&cli](const ScriptOutcome &o) {
        for (const QString &note : o.notes)
            cli.err(note);
        if (!o.ok()) {
            QJsonObject context;
            if (o.line > 0)
                context.insert(QStringLiteral("line"), o.line);
            if (o.stateUnknown)
                context.insert(QStringLiteral("state_unknown"), true);
            cli.fail(exitCodeOf(o), o.text(), context);
            return;
        }
        for (const QString &note : o.notes)
            if (note.startsWith(QLatin1String("the CSV file is incomplete"))) {
                cli.fail(exit_codes::BadCommandLine, note);
                return;
            }
        if (cli.json())
            cli.printJson({{QStringLiteral("result"), QStringLiteral("done")}});
        cli.finish(exit_codes::Done);
    });
    auto *interrupts = new InterruptWatch(&cli);
    QObject::connect(interrupts, &InterruptWatch::interrupted, &cli, [runner, &cli](int count) {
        if (count == 1 && !cli.json())
            cli.err(QStringLiteral("stopping the script (module operations under way finish)"));
        runner->stop();
    });
    runner->start(*source, QFileInfo(path).absoluteFilePath());
    return std::nullopt;
}

} // namespace zomar
