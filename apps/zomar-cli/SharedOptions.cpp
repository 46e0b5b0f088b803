#include "apps/zomar-cli/SharedOptions.h"

#include "core/link/LineSettings.h"
#include "core/protocol/BandPlan.h"
#include "sim/SimulateOption.h"

namespace zomar {

SharedOptions::SharedOptions(bool many, bool jsonLines)
    : device(QStringLiteral("device"),
             many ? QStringLiteral("A serial device (any name: /dev/ttyUSB0, a /dev/serial/by-id "
                                   "link); repeat for more.")
                  : QStringLiteral("The serial device (any name: /dev/ttyUSB0, a /dev/serial/by-id "
                                   "link)."),
             QStringLiteral("path")),
      port(QStringLiteral("port"),
           QStringLiteral("Port number as the window numbers them (see 'zomar-cli ports')%1.")
               .arg(many ? QStringLiteral("; repeat for more") : QString()),
           QStringLiteral("n")),
      portMap(QStringLiteral("port-map"),
              QStringLiteral("Map port number N to a device; repeatable."),
              QStringLiteral("N=path")),
      baud(QStringLiteral("baud"),
           QStringLiteral("Line speed of the port: %1 (default %2).")
               .arg(lineSpeedItems().join(QStringLiteral(", ")))
               .arg(kDefaultLineSpeed),
           QStringLiteral("speed"), QString::number(kDefaultLineSpeed)),
      simulate(
          QStringLiteral("simulate"),
          QStringLiteral("Run against N built-in virtual modules, 1 to 128 (default 1), instead of "
                         "hardware; the first holds the factory configuration, each other one its "
                         "own."),
          QStringLiteral("N")),
      trace(QStringLiteral("trace"),
            QStringLiteral(
                "Write every byte on the line, both ways, with a millisecond time, to FILE "
                "(opened before anything is sent)."),
            QStringLiteral("file")),
      band(QStringLiteral("band"),
           QStringLiteral("Band the channel is shown and given on: 433 or 868 (default 433)."),
           QStringLiteral("433|868"), QStringLiteral("433")),
      json(QStringLiteral("json"),
           jsonLines
               ? QStringLiteral("Print JSON Lines instead of text: one JSON object per line, "
                                "each module, burst, unit or pool as it comes (a result that is "
                                "one thing, one object); an error is an object with \"error\", "
                                "\"exit_code\" and \"message\".")
               : QStringLiteral("Print one JSON object instead of text; an error is an object with "
                                "\"error\", \"exit_code\" and \"message\".")),
      region(QStringLiteral("region"),
             QStringLiteral("Band plan to advise on, on standard error: %1 (default %2; none "
                            "silences it). Advice only: nothing is refused.")
                 .arg(bandPlanRegions().join(QStringLiteral(", ")), kDefaultBandPlanRegion),
             QStringLiteral("region"), kDefaultBandPlanRegion),
      antennaGain(QStringLiteral("antenna-gain"),
                  QStringLiteral("The antenna's gain in dBi, for the band-plan advice's e.r.p. "
                                 "(default: the profile's antenna_gain_dbi, else 0)."),
                  QStringLiteral("dBi"))
{}

void SharedOptions::addTo(QCommandLineParser &parser, int options) const
{
    if ((options & Cli::PortOptions) && !(options & Cli::NamedPorts))
        parser.addOptions({device, port});
    if (options & Cli::PortOptions)
        parser.addOptions({portMap, baud, simulate, trace});
    if (options & Cli::BandOption)
        parser.addOption(band);
    if (options & Cli::JsonOption)
        parser.addOption(json);
    if (options & Cli::RegionOption)
        parser.addOptions({region, antennaGain});
}

QStringList SharedOptions::withSimulateCount(const QString &program, const QStringList &arguments)
{
    return QStringList{program} + zomar::withSimulateCount(arguments);
}

} // namespace zomar
