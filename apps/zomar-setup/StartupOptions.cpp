#include "apps/zomar-setup/StartupOptions.h"

#include "core/link/LineSettings.h"
#include "core/link/PortResolver.h"
#include "sim/SimulateOption.h"

#include <QCommandLineParser>

namespace zomar {

StartupOptions StartupOptions::parse(const QStringList &arguments)
{
    StartupOptions options;
    const QStringList args = withSimulateCount(arguments);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Sets up a Zomar radio-modem module on a serial port."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption simulate(
        QStringLiteral("simulate"),
        QStringLiteral("Run N built-in virtual modules on one simulated radio (1 to %1, default 1): "
                       "the first on the saved port, the others on the ports after it. Two "
                       "modules are enough for Tools > Link Test.")
            .arg(kMostSimulated),
        QStringLiteral("N"));
    const QCommandLineOption portMap(
        QStringLiteral("port-map"),
        QStringLiteral("Map port number N to a serial device (repeatable), e.g. 3=/dev/ttyUSB0."),
        QStringLiteral("N=DEVICE"));
    const QCommandLineOption settings(QStringLiteral("settings"),
                                      QStringLiteral("Keep the settings in FILE."),
                                      QStringLiteral("FILE"));
    parser.addOptions({simulate, portMap, settings});
    parser.process(args);

    if (parser.isSet(simulate)) {
        bool ok = false;
        const int n = parser.value(simulate).toInt(&ok);
        if (!ok || n < 1 || n > kMostSimulated)
            options.error = QStringLiteral("--simulate takes a number of modules, 1 to %1")
                                .arg(kMostSimulated);
        else
            options.simulateCount = n;
    }
    for (const QString &entry : parser.values(portMap)) {
        const auto mapping = PortResolver::parseMapping(entry);
        if (!mapping) {
            options.error = QStringLiteral("--port-map takes N=DEVICE, got \"%1\"").arg(entry);
            continue;
        }
        options.portMap.insert(mapping->first, mapping->second);
    }
    options.settingsFile = parser.value(settings);
    return options;
}

QList<int> StartupOptions::simulatedPorts(int first, int count)
{
    const int last = int(portItems().size());
    QList<int> ports{first};
    for (int n = first < last ? first + 1 : 1; ports.size() < count; n = n < last ? n + 1 : 1)
        if (n != first)
            ports << n;
    return ports;
}

} // namespace zomar
