#include "apps/zomar-setup/StartupOptions.h"

#include "core/link/PortResolver.h"

#include <QCommandLineParser>

namespace zomar {

StartupOptions StartupOptions::parse(const QStringList &arguments)
{
    StartupOptions options;
    // A bare --simulate takes no value; the parser wants one, so give it 0.
    QStringList args;
    for (const QString &a : arguments)
        args << (a == QLatin1String("--simulate") ? QStringLiteral("--simulate=0") : a);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Sets up a Zomar radio-modem module on a serial port."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption simulate(
        QStringLiteral("simulate"),
        QStringLiteral("Run the built-in virtual module on port N (default: the saved port)."),
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
        if (!ok || n < 0)
            options.error = QStringLiteral("--simulate takes a port number");
        else
            options.simulatePort = n;
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

} // namespace zomar
