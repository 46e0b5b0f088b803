// Start-up: parse the options, check for a display, set up the port mapping
// (and the virtual module when asked), create the window and show it.

#include "core/settings/AppSettings.h"
#include "core/Version.h"
#include "gui/window/DisplayCheck.h"
#include "gui/window/Form1.h"
#include "gui/window/MessagePrompter.h"
#include "apps/zomar-setup/StartupOptions.h"
#include "core/link/PortResolver.h"
#include "sim/VirtualModule.h"

#include <QApplication>
#include <QSerialPortInfo>

#include <cstdio>
#include <cstdlib>
#include <memory>

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

    std::unique_ptr<VirtualModule> module;
    if (options.simulatePort) {
        module = std::make_unique<VirtualModule>();
        QString error;
        if (!module->start(&error)) {
            std::fprintf(stderr, "zomar-setup: cannot start the virtual module: %s\n",
                         qPrintable(error));
            return 1;
        }
        int port = *options.simulatePort;
        if (port == 0) {
            bool ok = false;
            port = settings->port().trimmed().toInt(&ok);
            if (!ok || port < 1)
                port = 1;
        }
        resolver.setExplicit(port, module->devicePath(),
                             QStringLiteral("Zomar virtual module (built-in simulator)"));
        std::fprintf(stderr, "zomar-setup: virtual module on port %d (%s)\n", port,
                     qPrintable(module->devicePath()));
    }

    DialogPrompter prompter;
    Form1 window(*settings, resolver, prompter);
    prompter.setParent(&window);
    window.show();
    return app.exec();
}
