#include "apps/zomar-cli/LinkTestCommand.h"

#include "core/process/InterruptWatch.h"
#include "core/files/FileWriter.h"
#include "core/linktest/LinkPreflight.h"
#include "core/link/LineSettings.h"
#include "core/link/SerialLink.h"
#include "core/linktest/LinkTest.h"
#include "core/protocol/FieldValues.h"
#include "sim/VirtualModule.h"

#include <QJsonArray>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <unistd.h>

namespace zomar {

using namespace linktest;

namespace {

constexpr int kProgressMs = 250;

// A whole number option from low to high; `fallback` when not given; nullopt
// when refused (the run is then over).
std::optional<int> number(Cli &cli, const QString &option, int fallback, int low, int high)
{
    if (!cli.parser.isSet(option))
        return fallback;
    bool ok = false;
    const int v = cli.parser.value(option).trimmed().toInt(&ok);
    if (!ok || v < low || v > high) {
        cli.fail(exit_codes::BadCommandLine, QStringLiteral("--%1 %2: a whole number from %3 to %4")
                                                 .arg(option, cli.parser.value(option))
                                                 .arg(low)
                                                 .arg(high));
        return std::nullopt;
    }
    return v;
}

QJsonValue orNull(const std::optional<double> &v)
{
    return v ? QJsonValue(*v) : QJsonValue();
}

// One link test from its check of the modules to its result.
struct Run {
    explicit Run(Cli &c) : cli(c), band(c.band()) {}

    Cli &cli;
    LinkPlan plan;
    Band band;
    bool configure = false;
    QString csvPath;
    QString warning; // an --interval shorter than a packet's time
    bool progressShown = false;
    LinkTest *test = nullptr;
    QTimer *progress = nullptr;
    PreflightResult checked;

    void check()
    {
        auto *preflight = new LinkPreflight(plan.from, plan.fromBaud, plan.echo ? QString() : plan.to,
                                            plan.toBaud, band, configure, &cli);
        preflight->setLinkHook([this](SerialLink &l, const QString &d) { cli.trace(l, d); });
        QObject::connect(preflight, &LinkPreflight::finished, &cli,
                         [this, preflight](const PreflightResult &r) {
                             preflight->deleteLater();
                             checked = r;
                             onChecked();
                         });
        preflight->start();
    }

    void onChecked()
    {
        if (checked.outcome == PreflightResult::Failed) {
            cli.fail(checked.failure ? exitCodeOf(*checked.failure) : exit_codes::PortFailed,
                     checked.message);
            return;
        }
        if (checked.outcome == PreflightResult::Differ) {
            cli.fail(exit_codes::Mismatch,
                     checked.message + QStringLiteral(". Put both on one channel and RF speed; "
                                                      "--configure writes the first one's to "
                                                      "the second"));
            return;
        }
        plan.rfBps = checked.rfBps();
        if (const QString problem = plan.problem(); !problem.isEmpty()) {
            cli.fail(exit_codes::BadCommandLine, problem);
            return;
        }
        warning = plan.intervalWarning();
        if (!warning.isEmpty() && !cli.json())
            cli.err(QStringLiteral("zomar-cli linktest: warning: --interval %1").arg(warning));
        if (!cli.json()) {
            if (checked.configured)
                cli.out(QStringLiteral("%1 now on %2 and %3 (written and verified)")
                            .arg(plan.to,
                                 blockFieldText(*checked.to, BlockField::Channel, band),
                                 blockFieldText(*checked.to, BlockField::RfSpeed, band)));
            cli.out(QStringLiteral("Link test %1 %2, %3, %4 RF: %5 every %6 ms, timeout %7 ms "
                                   "(Ctrl+C stops)")
                        .arg(plan.from,
                             plan.echo ? QStringLiteral("to the far repeater and back")
                                       : QStringLiteral("-> ") + plan.to,
                             blockFieldText(*checked.from, BlockField::Channel, band),
                             blockFieldText(*checked.from, BlockField::RfSpeed, band),
                             plan.echo ? QStringLiteral("%1 one-byte probes").arg(plan.count)
                                       : QStringLiteral("%1 packets of %2 bytes")
                                             .arg(plan.count)
                                             .arg(plan.size))
                        .arg(plan.effectiveIntervalMs())
                        .arg(plan.effectiveTimeoutMs()));
        }
        test = new LinkTest(plan, &cli);
        test->setLinkHook([this](SerialLink &l, const QString &d) { cli.trace(l, d); });
        QObject::connect(test, &LinkTest::finished, &cli,
                         [this](const LinkSummary &s, const QString &error) { done(s, error); });
        // A progress line only where someone watches it.
        if (::isatty(STDERR_FILENO) == 1) {
            progress = new QTimer(&cli);
            QObject::connect(progress, &QTimer::timeout, &cli, [this] { showProgress(); });
            progress->start(kProgressMs);
        }
        test->start();
    }

    void showProgress()
    {
        const LinkStats &s = test->stats();
        const int settled = s.resolved();
        std::fprintf(stderr, "\r  sent %u/%d  received %d  lost %d  corrupted %d   ",
                     s.sentCount(), plan.count, s.received(), settled - s.received(),
                     s.corrupted());
        std::fflush(stderr);
        progressShown = true;
    }

    void interrupt()
    {
        if (test)
            test->stop(); // the figures so far
        else
            cli.fail(exit_codes::NoAnswer,
                     QStringLiteral("stopped before the test began; no packet was sent"));
    }

    void done(const LinkSummary &s, const QString &error)
    {
        if (progress)
            progress->stop();
        if (progressShown)
            std::fputs("\r\033[K", stderr);
        QString csvProblem;
        if (!csvPath.isEmpty())
            csvProblem = test->stats().writeCsv(csvPath);
        if (!cli.json())
            for (const QString &line : s.lines())
                cli.out(line);
        // With --json the figures are the one document, an error's too.
        if (!csvProblem.isEmpty() && error.isEmpty() && s.received > 0) {
            cli.fail(exit_codes::BadCommandLine,
                     QStringLiteral("--csv %1; the figures above are all there is").arg(csvProblem),
                     json(s));
            return;
        }
        if (!csvProblem.isEmpty())
            cli.err(QStringLiteral("zomar-cli linktest: --csv %1").arg(csvProblem));
        if (!error.isEmpty()) {
            cli.fail(exit_codes::PortFailed, error, json(s));
        } else if (s.sent > 0 && s.received == 0) {
            cli.fail(exit_codes::NoAnswer,
                     plan.echo ? QStringLiteral("no probe came back: is the far window's "
                                                "repeater page on with loopback on, at the "
                                                "delay given (--echo-delay)?")
                               : QStringLiteral("no packet came through"),
                     json(s));
        } else {
            if (cli.json())
                cli.printJson(json(s));
            cli.finish(exit_codes::Done);
        }
    }

    QJsonObject json(const LinkSummary &s) const
    {
        QJsonObject o{{QStringLiteral("from"), plan.from},
                      {QStringLiteral("echo"), plan.echo},
                      {QStringLiteral("packet_size"), plan.packetBytes()},
                      {QStringLiteral("interval_ms"), s.intervalMs},
                      {QStringLiteral("timeout_ms"), plan.effectiveTimeoutMs()},
                      {QStringLiteral("rf_bps"), s.rfBps},
                      {QStringLiteral("sent"), s.sent},
                      {QStringLiteral("received"), s.received},
                      {QStringLiteral("lost"), s.lost},
                      {QStringLiteral("loss_percent"), s.lossPercent()},
                      {QStringLiteral("late"), s.late},
                      {QStringLiteral("corrupted"), s.corrupted},
                      {QStringLiteral("damaged_pieces"), s.damagedPieces},
                      {QStringLiteral("duplicated"), s.duplicated},
                      {QStringLiteral("out_of_order"), s.outOfOrder},
                      {QStringLiteral("latency_ms"),
                       QJsonObject{{QStringLiteral("min"), orNull(s.minMs)},
                                   {QStringLiteral("p50"), orNull(s.p50Ms)},
                                   {QStringLiteral("p95"), orNull(s.p95Ms)},
                                   {QStringLiteral("p99"), orNull(s.p99Ms)},
                                   {QStringLiteral("max"), orNull(s.maxMs)}}},
                      {QStringLiteral("stopped"), s.stopped},
                      {QStringLiteral("unfinished"), s.unfinished},
                      {QStringLiteral("configured"), checked.configured}};
        if (plan.echo) {
            o.insert(QStringLiteral("echo_delay_ms"), plan.echoDelayMs);
        } else {
            o.insert(QStringLiteral("to"), plan.to);
            o.insert(QStringLiteral("goodput_bytes_per_s"), s.goodputBytesPerS);
            o.insert(QStringLiteral("ceiling_bytes_per_s"), s.ceilingBytesPerS());
        }
        if (!warning.isEmpty())
            o.insert(QStringLiteral("warning"), warning);
        return o;
    }
};

void addOptions(QCommandLineParser &p)
{
    p.addOptions({
        {QStringLiteral("from"),
         QStringLiteral("The sending module's port: a device (/dev/ttyUSB0) or a port number."),
         QStringLiteral("port")},
        {QStringLiteral("to"), QStringLiteral("The receiving module's port, the same way."),
         QStringLiteral("port")},
        {QStringLiteral("to-baud"),
         QStringLiteral("Line speed of the receiving port (default: --baud)."),
         QStringLiteral("speed")},
        {QStringLiteral("count"), QStringLiteral("Packets to send (default 100)."),
         QStringLiteral("n")},
        {QStringLiteral("size"),
         QStringLiteral("Bytes a packet, %1 to %2 (default 32).")
             .arg(kMinPacketSize)
             .arg(kMaxPacketSize),
         QStringLiteral("bytes")},
        {QStringLiteral("interval"),
         QStringLiteral("Milliseconds from one packet to the next (default: twice the "
                        "packet's time at the RF speed or on the line, whichever is slower)."),
         QStringLiteral("ms")},
        {QStringLiteral("timeout"),
         QStringLiteral("Milliseconds after which a packet counts as lost (default: 1000, or "
                        "twenty packet times when longer)."),
         QStringLiteral("ms")},
        {QStringLiteral("csv"),
         QStringLiteral("Write one row per packet to FILE: seq, sent, received, latency_ms, "
                        "state."),
         QStringLiteral("file")},
        {QStringLiteral("configure"),
         QStringLiteral("When the modules' channel or RF speed differ, write the first one's "
                        "to the second (verified) instead of stopping.")},
        {QStringLiteral("echo"),
         QStringLiteral("Echo mode, --from alone: the far module's computer runs the window's "
                        "Repeater page with loopback on; one-byte probes, round trip less the "
                        "delay.")},
        {QStringLiteral("echo-delay"),
         QStringLiteral("The far repeater's loopback delay in ms (default 100)."),
         QStringLiteral("ms")},
    });
}

} // namespace

std::optional<int> runLinkTest(Cli &cli)
{
    addOptions(cli.parser);
    if (!cli.parse(Cli::PortOptions | Cli::NamedPorts | Cli::BandOption | Cli::JsonOption))
        return cli.exitCode();
    const QCommandLineParser &p = cli.parser;
    auto run = std::make_shared<Run>(cli);
    LinkPlan &plan = run->plan;
    plan.echo = p.isSet(QStringLiteral("echo"));
    run->configure = p.isSet(QStringLiteral("configure"));
    plan.fromBaud = plan.toBaud = cli.baud();
    if (p.isSet(QStringLiteral("to-baud"))) {
        bool ok = false;
        plan.toBaud = p.value(QStringLiteral("to-baud")).trimmed().toInt(&ok);
        if (!ok || !isLineSpeed(plan.toBaud)) {
            cli.fail(exit_codes::BadCommandLine,
                     QStringLiteral("--to-baud %1: not a line speed of the list; allowed: %2")
                         .arg(p.value(QStringLiteral("to-baud")),
                              lineSpeedItems().join(QStringLiteral(", "))));
            return cli.exitCode();
        }
    }
    // Each refusal ends the run (exit 1).
    const std::optional<int> count = number(cli, QStringLiteral("count"), 100, 1, LinkPlan::kMaxCount);
    if (!count)
        return cli.exitCode();
    const std::optional<int> size =
        number(cli, QStringLiteral("size"), 32, kMinPacketSize, kMaxPacketSize);
    if (!size)
        return cli.exitCode();
    const std::optional<int> interval = number(cli, QStringLiteral("interval"), 0, 1, 3600000);
    if (!interval)
        return cli.exitCode();
    const std::optional<int> timeout = number(cli, QStringLiteral("timeout"), 0, 1, 3600000);
    if (!timeout)
        return cli.exitCode();
    const std::optional<int> delay = number(cli, QStringLiteral("echo-delay"), 100, 1, 60000);
    if (!delay)
        return cli.exitCode();
    plan.count = *count;
    plan.size = *size;
    plan.intervalMs = *interval;
    plan.timeoutMs = *timeout;
    plan.echoDelayMs = *delay;
    if (plan.echo && (p.isSet(QStringLiteral("to")) || p.isSet(QStringLiteral("configure")))) {
        cli.fail(exit_codes::BadCommandLine,
                 QStringLiteral("--echo measures the way to a far repeater and back: name only "
                                "--from (no --to, no --configure)"));
        return cli.exitCode();
    }
    if (const QString problem = plan.problem(); !problem.isEmpty()) {
        cli.fail(exit_codes::BadCommandLine, problem);
        return cli.exitCode();
    }
    if (p.isSet(QStringLiteral("csv"))) {
        // Told now, before a test that could take long: it would be refused after.
        run->csvPath = p.value(QStringLiteral("csv"));
        if (const WriteFailure problem = writeProblem(run->csvPath); problem.failed()) {
            cli.fail(exit_codes::BadCommandLine,
                     QStringLiteral("--csv %1; nothing was sent").arg(problem.text()));
            return cli.exitCode();
        }
    }

    if (p.isSet(QStringLiteral("simulate"))) {
        if (plan.echo || p.isSet(QStringLiteral("from")) || p.isSet(QStringLiteral("to"))) {
            cli.fail(exit_codes::BadCommandLine,
                     QStringLiteral("--simulate links virtual modules of its own: leave out "
                                    "--from, --to and --echo"));
            return cli.exitCode();
        }
        if (!cli.resolveDevices() || cli.devices().size() < 2) {
            if (!cli.exitCode())
                cli.fail(exit_codes::BadCommandLine,
                         QStringLiteral("--simulate 2: a link needs two virtual modules"));
            return cli.exitCode();
        }
        // A bench of virtual modules is set up for the test: the second
        // listens on the first one's channel and RF speed.
        const auto &modules = cli.simulated();
        auto first = ConfigBlock::fromBytes(modules[0]->configuration());
        auto second = ConfigBlock::fromBytes(modules[1]->configuration());
        second->channel = first->channel;
        second->rfSpeedCode = first->rfSpeedCode;
        modules[1]->setConfiguration(second->toBytes());
        plan.from = cli.devices().at(0);
        plan.to = cli.devices().at(1);
    } else {
        if (!p.isSet(QStringLiteral("from")) || (!plan.echo && !p.isSet(QStringLiteral("to")))) {
            cli.fail(exit_codes::BadCommandLine,
                     QStringLiteral("name the ports: --from PORT --to PORT (a device or a port "
                                    "number), --echo --from PORT for a far repeater, or try it "
                                    "on virtual modules with --simulate 2"));
            return cli.exitCode();
        }
        plan.from = cli.resolvePort(QStringLiteral("from"), p.value(QStringLiteral("from")));
        if (plan.from.isEmpty())
            return cli.exitCode();
        if (!plan.echo) {
            plan.to = cli.resolvePort(QStringLiteral("to"), p.value(QStringLiteral("to")));
            if (plan.to.isEmpty())
                return cli.exitCode();
        }
    }

    if (!plan.echo &&
        SerialLink::canonicalDevice(plan.from) == SerialLink::canonicalDevice(plan.to) &&
        !SerialLink::canonicalDevice(plan.from).isEmpty()) {
        cli.fail(exit_codes::BadCommandLine,
                 QStringLiteral("--from and --to name the same port (%1): a link needs two "
                                "modules, or --echo for a far repeater")
                     .arg(SerialLink::canonicalDevice(plan.from)));
        return cli.exitCode();
    }
    // The run lives as long as this connection, which is as long as the command.
    auto *interrupts = new InterruptWatch(&cli);
    QObject::connect(interrupts, &InterruptWatch::interrupted, &cli,
                     [run](int) { run->interrupt(); });
    run->check();
    return std::nullopt;
}

} // namespace zomar
