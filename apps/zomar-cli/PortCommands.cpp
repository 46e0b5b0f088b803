#include "apps/zomar-cli/PortCommands.h"

#include "apps/zomar-cli/BlockReport.h"
#include "core/link/PortCatalog.h"
#include "core/link/PortResolver.h"
#include "core/protocol/ModuleFinder.h"
#include "core/settings/AppSettings.h"

#include <QJsonArray>

#include <unistd.h>

namespace zomar {

namespace {

QString usbIds(const SystemPort &port)
{
    if (!port.hasUsbIds)
        return QString();
    return QStringLiteral("%1:%2")
        .arg(port.vendorId, 4, 16, QLatin1Char('0'))
        .arg(port.productId, 4, 16, QLatin1Char('0'));
}

QString orDash(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("-") : text;
}

} // namespace

std::optional<int> runPorts(Cli &cli)
{
    if (!cli.parse(Cli::JsonOption))
        return cli.exitCode();
    PortResolver resolver;
    AppSettings settings;
    resolver.setSavedLookup([&settings](int n) { return settings.portDevice(n); });
    const QList<SystemPort> ordered = resolver.orderedSystemPorts();
    const int highest = 99;

    QJsonArray rows;
    QStringList lines;
    for (const SystemPort &port : ordered) {
        const QList<int> numbers = resolver.numbersFor(port.device, ordered, highest);
        const QString number = numbers.isEmpty() ? QString() : QString::number(numbers.first());
        QJsonObject o{{QStringLiteral("port"),
                       numbers.isEmpty() ? QJsonValue() : QJsonValue(numbers.first())},
                      {QStringLiteral("device"), port.device},
                      {QStringLiteral("by_id"), port.byId},
                      {QStringLiteral("description"), port.description},
                      {QStringLiteral("manufacturer"), port.manufacturer},
                      {QStringLiteral("usb_id"), usbIds(port)},
                      {QStringLiteral("serial_number"), port.serialNumber}};
        rows.append(o);
        lines << QStringLiteral("%1  %2  %3  %4  %5  %6  %7")
                     .arg(orDash(number), 4)
                     .arg(port.device, -14)
                     .arg(orDash(port.description), -24)
                     .arg(orDash(port.manufacturer), -16)
                     .arg(orDash(usbIds(port)), -9)
                     .arg(orDash(port.serialNumber), -12)
                     .arg(orDash(port.byId));
    }
    if (cli.json()) {
        cli.printJson({{QStringLiteral("ports"), rows}});
    } else if (ordered.isEmpty()) {
        cli.out(QStringLiteral("No serial ports found. Plug in the adapter; a USB adapter "
                               "shows up as /dev/ttyUSB* or /dev/ttyACM*."));
    } else {
        cli.out(QStringLiteral("%1  %2  %3  %4  %5  %6  %7")
                    .arg(QStringLiteral("Port"), 4)
                    .arg(QStringLiteral("Device"), -14)
                    .arg(QStringLiteral("Description"), -24)
                    .arg(QStringLiteral("Manufacturer"), -16)
                    .arg(QStringLiteral("USB id"), -9)
                    .arg(QStringLiteral("Serial"), -12)
                    .arg(QStringLiteral("By-id name")));
        for (const QString &line : lines)
            cli.out(line);
    }
    return exit_codes::Done;
}

std::optional<int> runDiscover(Cli &cli)
{
    if (!cli.parse(Cli::PortOptions | Cli::BandOption | Cli::JsonOption | Cli::ManyDevices))
        return cli.exitCode();
    if (!cli.resolveDevices(false))
        return cli.exitCode();
    const QStringList devices = cli.devicesOrSystemPorts();
    if (devices.isEmpty()) {
        cli.fail(exit_codes::PortFailed, QStringLiteral("no serial ports found to search"));
        return cli.exitCode();
    }
    auto *finder = new ModuleFinder(devices, &cli);
    finder->setLinkHook(
        [&cli](SerialLink &link, const QString &device) { cli.trace(link, device); });
    const bool progress = ::isatty(STDERR_FILENO) == 1 && !cli.json();
    if (progress) {
        QObject::connect(
            finder, &ModuleFinder::trying, &cli, [&cli, finder](const QString &device, int baud) {
                std::fprintf(stderr, "\r\033[Ksearching: %d of %d tries, %s at %d",
                             finder->triesDone(), finder->triesTotal(), qPrintable(device), baud);
            });
    }
    const auto clearProgress = [progress] {
        if (progress)
            std::fputs("\r\033[K", stderr);
    };
    QObject::connect(
        finder, &ModuleFinder::found, &cli, [&cli, clearProgress](const FinderHit &hit) {
            clearProgress();
            if (cli.json()) {
                QJsonObject o = BlockReport::json(hit.block, cli.band(), hit.device, hit.baud);
                o.insert(QStringLiteral("result"), QStringLiteral("found"));
                cli.printJson(o);
            } else {
                cli.out(QStringLiteral("Module on %1 at %2 baud:").arg(hit.device).arg(hit.baud));
                cli.out(BlockReport::table(hit.block, cli.band(), hit.device, hit.baud)
                            .section(QLatin1Char('\n'), 1)
                            .replace(QLatin1Char('\n'), QStringLiteral("\n  "))
                            .prepend(QStringLiteral("  ")));
            }
        });
    QObject::connect(finder, &ModuleFinder::portFailed, &cli,
                     [&cli, clearProgress](const FinderProblem &problem) {
                         clearProgress();
                         if (cli.json())
                             cli.printJson({{QStringLiteral("device"), problem.device},
                                            {QStringLiteral("result"), QStringLiteral("error")},
                                            {QStringLiteral("message"), problem.message}});
                         else
                             cli.err(QStringLiteral("%1: %2").arg(problem.device, problem.message));
                     });
    QObject::connect(
        finder, &ModuleFinder::finished, &cli, [&cli, finder, devices, clearProgress](bool) {
            clearProgress();
            const int hits = static_cast<int>(finder->hits().size());
            QStringList speeds;
            for (int baud : ModuleFinder::speedsToTry())
                speeds << QString::number(baud);
            const QString searched = QStringLiteral("%1 port(s) searched at %2 baud")
                                         .arg(devices.size())
                                         .arg(speeds.join(QStringLiteral(", ")));
            if (!cli.json())
                cli.out(QStringLiteral("%1 module(s) found on %2").arg(hits).arg(searched));
            if (hits > 0)
                cli.finish(exit_codes::Done);
            else if (finder->problems().size() == devices.size())
                cli.fail(exit_codes::PortFailed,
                         QStringLiteral("no port could be opened (%1)").arg(searched));
            else
                cli.fail(exit_codes::NoAnswer,
                         QStringLiteral("no module answered on %1").arg(searched));
        });
    finder->start();
    return std::nullopt;
}

} // namespace zomar
