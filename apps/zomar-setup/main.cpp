// Start-up: parse the options, check for a display, set up the port mapping
// (and the virtual module when asked), create the window and show it.

#include "core/settings/AppSettings.h"
#include "core/Version.h"
#include "gui/window/DisplayCheck.h"
#include "gui/window/Form1.h"
#include "gui/window/MessagePrompter.h"
#include "apps/zomar-setup/StartupOptions.h"
#include "core/link/PortResolver.h"
#include "core/protocol/ConfigBlock.h"
#include "gui/language/Translations.h"
#include "sim/VirtualModule.h"

#include <QApplication>
#include <QSerialPortInfo>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

using namespace zomar;

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("zomar-setup"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersionText));
    if (!displayAvailable()) {
        // --help and --version need no display: answer them on a console
        // (parsing exits for those and for unknown options).
        QCoreApplication console(argc, argv);
        StartupOptions::parse(QCoreApplication::arguments());
        std::fprintf(stderr,
                     "zomar-setup: no display found (DISPLAY and WAYLAND_DISPLAY are not set).\n"
                     "Run it on a desktop session, or under a virtual display, for example:\n"
                     "  xvfb-run -a ./zomar-setup --simulate\n");
        return 2;
    }
    QApplication app(argc, argv);

    const StartupOptions options = StartupOptions::parse(QApplication::arguments());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "zomar-setup: %s\n", qPrintable(options.error));
        return 2;
    }

    std::unique_ptr<AppSettings> settings =
        options.settingsFile.isEmpty() ? std::make_unique<AppSettings>()
                                       : std::make_unique<AppSettings>(options.settingsFile);

    PortResolver resolver;
    resolver.setSavedLookup([&settings](int n) { return settings->portDevice(n); });
    for (auto it = options.portMap.cbegin(); it != options.portMap.cend(); ++it)
        resolver.setExplicit(it.key(), it.value(), QStringLiteral("mapped on the command line"));

    // Virtual modules on one simulated radio: each hears what another sends
    // on its channel, so two of them make a link to test.
    std::vector<std::unique_ptr<VirtualModule>> modules;
    if (options.simulateCount) {
        QString error;
        modules = VirtualModule::startMany(*options.simulateCount, &error);
        if (modules.empty()) {
            std::fprintf(stderr, "zomar-setup: cannot start the virtual module: %s\n",
                         qPrintable(error));
            return 1;
        }
        bool ok = false;
        int first = settings->port().trimmed().toInt(&ok);
        if (!ok || first < 1)
            first = 1;
        const QList<int> ports = StartupOptions::simulatedPorts(first, int(modules.size()));
        for (size_t i = 0; i < modules.size(); ++i) {
            // The others on the same channel and speed, told apart by their
            // local address.
            if (i > 0) {
                ConfigBlock block = ConfigBlock::factoryDefaults();
                block.local = quint32(i);
                modules[i]->setConfiguration(block.toBytes());
            }
            const QString device = modules[i]->devicePath();
            resolver.setExplicit(ports.at(int(i)), device,
                                 QStringLiteral("Zomar virtual module %1 (built-in simulator)")
                                     .arg(i + 1));
            std::fprintf(stderr, "zomar-setup: virtual module on port %d (%s)\n", ports.at(int(i)),
                         qPrintable(device));
        }
    }
    startLanguage(*settings);

    DialogPrompter prompter;
    Form1 window(*settings, resolver, prompter);
    prompter.setParent(&window);
    window.show();
    return app.exec();
}
