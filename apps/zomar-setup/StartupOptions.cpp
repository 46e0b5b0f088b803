#include "apps/zomar-setup/StartupOptions.h"

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
        const qsizetype eq = entry.indexOf(QLatin1Char('='));
        bool ok = false;
        const int n = eq > 0 ? entry.left(eq).toInt(&ok) : 0;
        if (!ok || n < 1 || eq + 1 >= entry.size()) {
            options.error = QStringLiteral("--port-map takes N=DEVICE, got \"%1\"").arg(entry);
            continue;
        }
        options.portMap.insert(n, entry.mid(eq + 1));
    }
    options.settingsFile = parser.value(settings);
    return options;
}

} // namespace zomar
