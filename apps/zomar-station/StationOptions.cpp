#include "apps/zomar-station/StationOptions.h"

#include <QCommandLineParser>

namespace zomar {

StationOptions StationOptions::parse(const QStringList &arguments)
{
    StationOptions options;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A production-line station: programs each Zomar radio-modem module "
                       "plugged into a slot of a USB hub with a profile and an address of its "
                       "own, records it, and shows PASS or FAIL per slot in large print."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("STATION.json"),
                                 QStringLiteral("The station file to open (default: the one "
                                                "opened last)."));
    const QCommandLineOption simulate(
        QStringLiteral("simulate"),
        QStringLiteral("Run on N virtual slots (1 to %1) with a temporary record; with a station "
                       "file, its profile and addresses.")
            .arg(kMostSimulated),
        QStringLiteral("N"));
    const QCommandLineOption demo(
        QStringLiteral("demo"),
        QStringLiteral("With --simulate: plug and unplug virtual modules by themselves, a few of "
                       "them faulty."));
    const QCommandLineOption settings(QStringLiteral("settings"),
                                      QStringLiteral("Keep the settings in FILE."),
                                      QStringLiteral("FILE"));
    parser.addOptions({simulate, demo, settings});
    parser.process(arguments);

    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1)
        options.error = QStringLiteral("give one station file, not %1").arg(positional.size());
    else if (!positional.isEmpty())
        options.stationFile = positional.first();
    if (parser.isSet(simulate)) {
        bool ok = false;
        const int n = parser.value(simulate).toInt(&ok);
        if (!ok || n < 1 || n > kMostSimulated)
            options.error = QStringLiteral("--simulate %1: a number of slots from 1 to %2")
                                .arg(parser.value(simulate))
                                .arg(kMostSimulated);
        else
            options.simulateSlots = n;
    }
    options.demo = parser.isSet(demo);
    if (options.demo && !options.simulateSlots)
        options.error = QStringLiteral("--demo needs --simulate N");
    options.settingsFile = parser.value(settings);
    return options;
}

} // namespace zomar
