#include "apps/zomar-cli/MonitorCommand.h"

#include "core/process/InterruptWatch.h"
#include "core/capture/CaptureRecorder.h"
#include "core/capture/HexInput.h"
#include "core/files/OutputStream.h"
#include "core/link/SerialLink.h"

#include <QJsonObject>
#include <QTimer>

#include <memory>

namespace zomar {

namespace {

// How often an idle monitor looks whether its output's reader is still there.
constexpr int kReaderCheckMs = 200;

// What one monitor run keeps between bursts.
struct Monitor {
    explicit Monitor(Cli &c) : cli(c) {}

    Cli &cli;
    CaptureLineOptions shown;
    std::unique_ptr<OutputStream> file; // --capture
    std::optional<Burst> previous;
    QDateTime start;
    int lines = 0;

    void print(const Burst &b)
    {
        const Burst *before = previous ? &*previous : nullptr;
        if (cli.json()) {
            QJsonObject o{
                {QStringLiteral("time"), start.addMSecs(b.startMs).toString(Qt::ISODateWithMs)},
                {QStringLiteral("ms"), b.startMs},
                {QStringLiteral("dir"),
                 b.isNote() ? QStringLiteral("note") : directionText(b.kind).toLower()}};
            if (b.isNote()) {
                o.insert(QStringLiteral("note"), QString::fromUtf8(b.bytes));
            } else {
                o.insert(QStringLiteral("bytes"), b.bytes.size());
                o.insert(QStringLiteral("hex"), QString::fromLatin1(b.bytes.toHex()));
                o.insert(QStringLiteral("text"), namedBytes(b.bytes));
                o.insert(QStringLiteral("continued"), b.continued);
                if (b.block)
                    o.insert(QStringLiteral("block"), blockWords(b.bytes, b.band));
            }
            cli.printJson(o);
        } else {
            cli.out(captureLine(b, start, before, shown));
        }
        if (file)
            file->write(captureLine(b, start, before).toUtf8() + '\n');
        previous = b;
        ++lines;
    }
};

} // namespace

std::optional<int> runMonitor(Cli &cli)
{
    QCommandLineParser &p = cli.parser;
    p.addOptions({
        {QStringLiteral("hex"), QStringLiteral("Show each burst's bytes in hex too.")},
        {QStringLiteral("timestamps"),
         QStringLiteral("Show when each burst began, and the time since the one before.")},
        {QStringLiteral("capture"),
         QStringLiteral("Also write every line in full (time, hex, text) to FILE."),
         QStringLiteral("file")},
        {QStringLiteral("send"),
         QStringLiteral("Send these bytes once, when the port is open: %1.").arg(hexInputHelp()),
         QStringLiteral("bytes")},
        {QStringLiteral("duration"),
         QStringLiteral("Stop after this many seconds (default: at Ctrl+C)."),
         QStringLiteral("seconds")},
    });
    if (!cli.parse(Cli::PortOptions | Cli::BandOption | Cli::JsonOption | Cli::JsonLines))
        return cli.exitCode();
    std::optional<QByteArray> send;
    if (p.isSet(QStringLiteral("send"))) {
        const Parsed<QByteArray> bytes = parseHexInput(p.value(QStringLiteral("send")));
        if (!bytes) {
            cli.fail(exit_codes::InvalidValue,
                     QStringLiteral("--send %1: %2; nothing was sent")
                         .arg(p.value(QStringLiteral("send")), bytes.problem));
            return cli.exitCode();
        }
        send = bytes.value;
    }
    double seconds = 0;
    if (p.isSet(QStringLiteral("duration"))) {
        bool ok = false;
        seconds = p.value(QStringLiteral("duration")).toDouble(&ok);
        if (!ok || seconds <= 0) {
            cli.fail(exit_codes::BadCommandLine,
                     QStringLiteral("--duration %1: a number of seconds above 0")
                         .arg(p.value(QStringLiteral("duration"))));
            return cli.exitCode();
        }
    }
    if (!cli.resolveDevices())
        return cli.exitCode();

    auto monitor = std::make_shared<Monitor>(cli);
    monitor->shown = {p.isSet(QStringLiteral("timestamps")), p.isSet(QStringLiteral("hex"))};
    if (p.isSet(QStringLiteral("capture"))) {
        monitor->file = std::make_unique<OutputStream>();
        const WriteFailure failure =
            monitor->file->open(p.value(QStringLiteral("capture")), OutputStream::Start::Empty);
        if (failure.failed()) {
            cli.fail(exit_codes::BadCommandLine,
                     QStringLiteral("--capture %1; nothing was sent").arg(failure.text()));
            return cli.exitCode();
        }
    }

    auto *link = new SerialLink(&cli);
    try {
        link->setBaudRate(cli.baud());
        link->openDevice(cli.device());
    } catch (const SerialError &e) {
        cli.fail(exit_codes::PortFailed, e.description());
        return cli.exitCode();
    }
    cli.trace(*link, cli.device());
    // Each line is printed as its burst ends: the ring holds no more than that.
    auto *capture = new CaptureRecorder(1, kQuietLineMs, &cli);
    capture->setBandSource([&cli] { return cli.band(); });
    capture->attachTo(*link);
    monitor->start = capture->startedAt();
    // The heading is written at once, so that a full disk shows now.
    if (monitor->file &&
        !monitor->file->write(QStringLiteral("# zomar-cli monitor %1 at %2 baud, started %3\n")
                                  .arg(cli.device())
                                  .arg(cli.baud())
                                  .arg(monitor->start.toString(Qt::ISODateWithMs))
                                  .toUtf8())) {
        cli.fail(
            exit_codes::BadCommandLine,
            QStringLiteral("--capture %1; nothing was sent").arg(monitor->file->failure().text()));
        return cli.exitCode();
    }
    // The bytes are seen at the tap; the receive event only wants them taken.
    QObject::connect(link, &SerialLink::commEvent, link, [link] {
        while (link->bytesWaiting() > 0)
            link->input();
    });

    const auto stop = [&cli, capture, link, monitor](int code, const QString &why) {
        if (cli.exitCode())
            return;
        capture->flush();
        link->setTap(nullptr);
        QString lost;
        if (monitor->file && monitor->file->close().failed())
            lost = QStringLiteral("the capture %1 is incomplete: %2")
                       .arg(monitor->file->path(), monitor->file->failure().detail);
        // Where the output's reader went away, the run ends without a word.
        if (!OutputStream::standardOutput().readerGone())
            cli.err(QStringLiteral("%1 line(s); %2 byte(s) sent, %3 received")
                        .arg(monitor->lines)
                        .arg(capture->bytesSent())
                        .arg(capture->bytesReceived()));
        if (code != exit_codes::Done)
            cli.fail(code, why);
        else if (!lost.isEmpty())
            cli.fail(exit_codes::BadCommandLine, lost);
        else
            cli.finish(code);
    };
    // Watching is over once what it shows or keeps can no longer be written.
    const auto lostOutput = [&cli, monitor] {
        return cli.outputLost() || OutputStream::standardOutput().readerGone() ||
               (monitor->file && monitor->file->failure().failed());
    };
    QObject::connect(capture, &CaptureRecorder::burstClosed, &cli,
                     [monitor, lostOutput, stop](const Burst &b) {
                         monitor->print(b);
                         if (lostOutput())
                             stop(exit_codes::Done, QString());
                     });
    auto *readerCheck = new QTimer(&cli);
    QObject::connect(readerCheck, &QTimer::timeout, &cli, [lostOutput, stop] {
        if (lostOutput())
            stop(exit_codes::Done, QString());
    });
    readerCheck->start(kReaderCheckMs);
    QObject::connect(link, &SerialLink::deviceLost, &cli, [stop](const QString &description) {
        stop(exit_codes::PortFailed, description);
    });
    auto *interrupts = new InterruptWatch(&cli);
    QObject::connect(interrupts, &InterruptWatch::interrupted, &cli,
                     [stop](int) { stop(exit_codes::Done, QString()); });
    if (seconds > 0)
        QTimer::singleShot(static_cast<int>(seconds * 1000), &cli,
                           [stop] { stop(exit_codes::Done, QString()); });
    if (!cli.json())
        cli.err(QStringLiteral("Monitoring %1 at %2 baud (Ctrl+C ends)%3")
                    .arg(cli.device())
                    .arg(cli.baud())
                    .arg(send ? QString() : QStringLiteral("; nothing is sent")));
    if (send) {
        capture->note(QStringLiteral("send: %1").arg(p.value(QStringLiteral("send"))));
        try {
            link->output(*send);
        } catch (const SerialError &e) {
            stop(exit_codes::PortFailed, e.description());
        }
    }
    return std::nullopt;
}

} // namespace zomar
